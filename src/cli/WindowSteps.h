#pragma once

#include <span>

#include "cli/SessionStep.h"

namespace tarn::cli {

// The counting runs, the lexicon viewers and the filter-list reload as steps.
std::span<const SessionStep> WindowSteps();

}  // namespace tarn::cli
