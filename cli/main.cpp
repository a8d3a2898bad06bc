#include <unistd.h>

#include <iostream>

#include "cli/commands.h"

int main(int argc, char* argv[]) {
  return orvosal::runCli(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout, std::cerr,
                         isatty(STDIN_FILENO) != 0);
}
