#pragma once

#include <span>

#include "cli/SessionStep.h"

namespace tarn::cli {

// The known words (我的熟词本) as steps: adding, removing and listing them.
std::span<const SessionStep> KnownSteps();

}  // namespace tarn::cli
