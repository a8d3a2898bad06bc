// Start-up time of the desktop program on an existing, up-to-date SQLite database: from process
// start until the main window is ready (offscreen, ended by --quit-when-ready). Prints the median
// of ten runs after one run that creates the database.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

double runOnce(const std::string& program, const std::string& home) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The platform plugin's notes would drown the figures.
    if (std::freopen("/dev/null", "w", stderr) == nullptr) _exit(126);
    execl(program.c_str(), program.c_str(), "--home", home.c_str(), "--quit-when-ready",
          static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  waitpid(child, &status, 0);
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "the program ended with status %d\n", WEXITSTATUS(status));
    std::exit(1);
  }
  return ms;
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::filesystem::path self = std::filesystem::canonical("/proc/self/exe");
  const std::string program = argc > 1 ? argv[1] : (self.parent_path() / "orvosal").string();
  const auto home = std::filesystem::temp_directory_path() / "orvosal_startup_bench";
  std::filesystem::remove_all(home);
  std::filesystem::create_directories(home);
  const double first = runOnce(program, home.string());
  std::vector<double> times;
  for (int i = 0; i < 10; ++i) times.push_back(runOnce(program, home.string()));
  std::sort(times.begin(), times.end());
  std::printf("first start (creates the database): %.0f ms\n", first);
  std::printf(
      "start on an up-to-date SQLite database: median %.0f ms, fastest %.0f ms, slowest %.0f ms (10 runs)\n",
      times[5], times.front(), times.back());
  std::filesystem::remove_all(home);
  return 0;
}
