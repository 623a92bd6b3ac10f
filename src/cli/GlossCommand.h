#pragma once

#include <span>

#include "cli/CliCommand.h"

namespace tarn::cli {

// gloss: the Chinese glosses of words given on the command line.
std::span<const CliCommand> GlossCommands();

}  // namespace tarn::cli
