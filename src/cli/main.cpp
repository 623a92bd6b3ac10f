#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/CliRunner.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  return tarn::cli::RunCli(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout,
                           std::cerr, ::isatty(STDERR_FILENO) == 1);
}
