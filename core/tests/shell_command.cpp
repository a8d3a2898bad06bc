#include "core/tests/shell_command.h"

#include <sys/wait.h>

#include <cstdio>

namespace orvosal::testing {

ShellResult runShellCommand(const std::string& command) {
  ShellResult result;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[65536];
  for (size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    result.output.append(buffer, read);
  const int status = ::pclose(pipe);
  result.status = status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

}  // namespace orvosal::testing
