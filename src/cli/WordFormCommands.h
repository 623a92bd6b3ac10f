#pragma once

#include <span>

#include "cli/CliCommand.h"

namespace tarn::cli {

// base-form and root: the reducers applied to words given on the command line.
std::span<const CliCommand> WordFormCommands();

}  // namespace tarn::cli
