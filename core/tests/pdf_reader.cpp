#include "core/tests/pdf_reader.h"

#include <regex>

#include "core/tests/shell_command.h"

namespace orvosal::testing {
namespace {

constexpr double kPointsPerMillimetre = 72.0 / 25.4;

std::string quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

std::string run(const std::string& command) { return runShellCommand(command).output; }

std::string unescapeXml(std::string text) {
  for (const auto& [entity, character] :
       {std::pair{"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}}) {
    for (size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1)) {
      text.replace(at, std::string_view(entity).size(), character);
    }
  }
  return text;
}

}  // namespace

std::string pdfText(const std::filesystem::path& file, int page) {
  const std::string pages = page > 0 ? " -f " + std::to_string(page) + " -l " + std::to_string(page) : "";
  return run("pdftotext -layout" + pages + " " + quoted(file) + " - 2>/dev/null");
}

PdfPages pdfPages(const std::filesystem::path& file, const std::string& userPassword) {
  const std::string password = userPassword.empty() ? "" : " -upw '" + userPassword + "'";
  const ShellResult output =
      runShellCommand("pdftotext -layout" + password + " " + quoted(file) + " - 2>/dev/null");
  PdfPages result{.exitCode = output.status, .pages = {}};
  // pdftotext ends every page with a form feed.
  for (size_t start = 0, end; start < output.output.size(); start = end + 1) {
    end = output.output.find('\f', start);
    if (end == std::string::npos) end = output.output.size();
    result.pages.push_back(output.output.substr(start, end - start));
  }
  return result;
}

std::vector<PdfWord> pdfWords(const std::filesystem::path& file) {
  const std::string html = run("pdftotext -bbox " + quoted(file) + " - 2>/dev/null");
  std::vector<PdfWord> words;
  const std::regex wordTag(
      R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
  int page = 0;
  for (size_t line = 0, next; line < html.size(); line = next + 1) {
    next = html.find('\n', line);
    if (next == std::string::npos) next = html.size();
    const std::string text = html.substr(line, next - line);
    if (text.find("<page ") != std::string::npos) ++page;
    std::smatch match;
    if (std::regex_search(text, match, wordTag)) {
      words.push_back({page, unescapeXml(match[5]), std::stod(match[1]) / kPointsPerMillimetre,
                       std::stod(match[2]) / kPointsPerMillimetre, std::stod(match[3]) / kPointsPerMillimetre,
                       std::stod(match[4]) / kPointsPerMillimetre});
    }
  }
  return words;
}

int pdfPageCount(const std::filesystem::path& file) {
  const std::string info = run("pdfinfo " + quoted(file) + " 2>/dev/null");
  std::smatch match;
  if (!std::regex_search(info, match, std::regex(R"(Pages:\s+(\d+))"))) return 0;
  return std::stoi(match[1]);
}

std::string pdfAttachments(const std::filesystem::path& file) {
  return run("pdfdetach -list " + quoted(file) + " 2>&1");
}

void renderPdfPage(const std::filesystem::path& file, int page, const std::filesystem::path& png) {
  std::filesystem::create_directories(png.parent_path());
  const std::filesystem::path base = png.parent_path() / png.stem();
  run("pdftoppm -png -r 80 -singlefile -f " + std::to_string(page) + " -l " + std::to_string(page) + " " +
      quoted(file) + " " + quoted(base));
}

}  // namespace orvosal::testing
