#pragma once

#include <span>

#include "cli/SessionStep.h"

namespace tarn::cli {

// The analysis views, the sort commands, export, save and the help text as steps.
std::span<const SessionStep> AnalysisSteps();

}  // namespace tarn::cli
