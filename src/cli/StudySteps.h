#pragma once

#include <span>

#include "cli/SessionStep.h"

namespace tarn::cli {

// The study list as a step: the current view's words with their levels, glosses and sentences.
std::span<const SessionStep> StudySteps();

}  // namespace tarn::cli
