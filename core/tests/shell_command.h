#pragma once

#include <string>

namespace orvosal::testing {

// What a shell command gave: its exit code (-1 when it could not be started or was killed) and
// everything it wrote to standard output, byte for byte.
struct ShellResult {
  int status = -1;
  std::string output;
};

// Runs the command through the shell, as the independent readers the tests judge files with
// (pdftotext, zbarimg, the e-invoice validators, python3) are run. Standard error is not caught:
// end the command with " 2>&1" to read it too.
ShellResult runShellCommand(const std::string& command);

}  // namespace orvosal::testing
