#include <unistd.h>

#include <iostream>

#include "cli/commands.h"

int main(int argc, char* argv[]) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  auto parsed = orvosal::parseCliOptions(args);
  if (auto* message = std::get_if<std::string>(&parsed)) {
    std::cerr << *message << "\n\n" << orvosal::cliUsage();
    return 2;
  }
  return orvosal::runCli(std::get<orvosal::CliOptions>(parsed), std::cin, std::cout, std::cerr,
                         isatty(STDIN_FILENO) != 0);
}
