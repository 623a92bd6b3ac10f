#pragma once

#include <span>

#include "cli/CliCommand.h"

namespace tarn::cli {

// read-list and write-list: word lists to and from UTF-8 lines.
std::span<const CliCommand> ListCommands();

}  // namespace tarn::cli
