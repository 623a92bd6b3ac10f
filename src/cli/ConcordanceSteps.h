#pragma once

#include <span>

#include "cli/SessionStep.h"

namespace tarn::cli {

// The concordance as a step: every occurrence of a word of the listing with its contexts.
std::span<const SessionStep> ConcordanceSteps();

}  // namespace tarn::cli
