#include "cli/layouts_command.h"

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <vector>

#include "cli/table_output.h"
#include "core/session.h"
#include "core/text.h"
#include "output/layout/layout_file.h"

namespace orvosal {

namespace fs = std::filesystem;

namespace {

// The kind of a layout by its file name's extension: LST lists and documents, LBL labels, CRD cards.
std::string layoutKind(const fs::path& file) {
  const std::string extension = toUpperGerman(file.extension().string());
  if (extension == ".LST" || extension == ".LBL" || extension == ".CRD") return extension.substr(1);
  return {};
}

int listLayouts(CommandContext& context) {
  const fs::path folder = context.session.programFolder() / "Formulare";
  std::vector<fs::path> files;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    if (entry.is_regular_file() && !layoutKind(entry.path()).empty()) files.push_back(entry.path());
  }
  std::ranges::sort(files);
  writeTableRow(context.out, {"Name", "Art", "Titel"});
  for (const fs::path& file : files) {
    auto layout = readLayoutFile(file);
    const std::string title = layout.index() == 0 ? std::get<0>(layout).title
                                                  : "(fehlerhaft: " + std::get<1>(layout).message() + ")";
    writeTableRow(context.out, {file.filename().string(), layoutKind(file), title});
  }
  return kExitSuccess;
}

int checkLayout(CommandContext& context, const fs::path& file) {
  auto layout = readLayoutFile(file);
  if (layout.index() == 1) {
    context.err << std::get<1>(layout).message() << '\n';
    return kExitFailure;
  }
  context.out << "Formular " << file.filename().string() << " in Ordnung\n";
  return kExitSuccess;
}

}  // namespace

std::string checkLayoutsArguments(const ParsedArguments& arguments) {
  const std::vector<std::string>& words = arguments.positional;
  if (words.size() == 1 && words[0] == "list") return {};
  if (words.size() == 2 && words[0] == "check") return {};
  return "Erwartet „layouts list“ oder „layouts check DATEI“";
}

int runLayouts(CommandContext& context) {
  const std::vector<std::string>& words = context.arguments.positional;
  if (words[0] == "list") return listLayouts(context);
  return checkLayout(context, words[1]);
}

}  // namespace orvosal
