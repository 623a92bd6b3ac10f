#pragma once

#include <span>

#include "cli/SessionStep.h"

namespace tarn::cli {

// The vocabulary profile as steps: the ladders, the profile, the names, the words beyond a level.
std::span<const SessionStep> ProfileSteps();

}  // namespace tarn::cli
