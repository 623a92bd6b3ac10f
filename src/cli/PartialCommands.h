#pragma once

#include <span>

#include "cli/CliCommand.h"

namespace tarn::cli {

// count-partial: the counts of some files of a corpus in the partial count form, to be merged
// by the merge-partials step.
std::span<const CliCommand> PartialCommands();

}  // namespace tarn::cli
