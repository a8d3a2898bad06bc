#include "output/tests/pdf_readback.h"

#include <sys/wait.h>
#include <cstdio>
#include <regex>

namespace orvosal {

namespace {

struct CommandOutput {
  int exitCode = -1;
  std::string text;
};

CommandOutput runCommand(const std::string& command) {
  CommandOutput output;
  FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return output;
  char buffer[4096];
  std::size_t read = 0;
  while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.text.append(buffer, read);
  const int status = ::pclose(pipe);
  output.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return output;
}

std::string quotedPath(const std::filesystem::path& file) { return "'" + file.string() + "'"; }

constexpr double kMillimetresPerPoint = 25.4 / 72;

}  // namespace

PdfTextResult readPdfText(const std::filesystem::path& file, const std::string& extra) {
  const CommandOutput output = runCommand("pdftotext -layout " + extra + " " + quotedPath(file) + " -");
  PdfTextResult result;
  result.exitCode = output.exitCode;
  std::size_t start = 0;
  while (start < output.text.size()) {
    std::size_t end = output.text.find('\f', start);
    if (end == std::string::npos) end = output.text.size();
    result.pages.push_back(output.text.substr(start, end - start));
    start = end + 1;
  }
  return result;
}

std::vector<PdfWord> readPdfWords(const std::filesystem::path& file) {
  const CommandOutput output = runCommand("pdftotext -bbox " + quotedPath(file) + " -");
  static const std::regex word(
      "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>");
  std::vector<PdfWord> words;
  int page = -1;
  std::size_t at = 0;
  while (at < output.text.size()) {
    std::size_t end = output.text.find('\n', at);
    if (end == std::string::npos) end = output.text.size();
    const std::string line = output.text.substr(at, end - at);
    at = end + 1;
    if (line.find("<page ") != std::string::npos) ++page;
    std::smatch match;
    if (!std::regex_search(line, match, word)) continue;
    words.push_back(PdfWord{
        page, std::stod(match[1]) * kMillimetresPerPoint, std::stod(match[2]) * kMillimetresPerPoint,
        std::stod(match[3]) * kMillimetresPerPoint, std::stod(match[4]) * kMillimetresPerPoint, match[5]});
  }
  return words;
}

}  // namespace orvosal
