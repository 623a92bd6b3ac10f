#pragma once

#include <span>

#include "cli/SessionStep.h"

namespace tarn::cli {

// The keywords of the counted text against the shipped spoken-English counts or a reference
// corpus, as a step.
std::span<const SessionStep> KeywordSteps();

}  // namespace tarn::cli
