#pragma once

#include <span>

#include "cli/CliCommand.h"

namespace tarn::cli {

// dicttools: one dictionary tools operation over standard input, as the window would run it.
std::span<const CliCommand> DictToolsCommands();

}  // namespace tarn::cli
