#pragma once

#include <span>

#include "cli/SessionStep.h"

namespace tarn::cli {

// Counting many files as one corpus, and the corpus listing, as steps.
std::span<const SessionStep> CorpusSteps();

}  // namespace tarn::cli
