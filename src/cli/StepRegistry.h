#pragma once

#include <vector>

#include "cli/SessionStep.h"

namespace tarn::cli {

// Every step tarn-cli knows, in the order --help lists them.
const std::vector<SessionStep>& AllSteps();

// The step called `name`, or null.
const SessionStep* FindStep(std::string_view name);

}  // namespace tarn::cli
