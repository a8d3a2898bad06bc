#include "output/layout/layout_catalog.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <set>

#include "core/file_bytes.h"
#include "core/text.h"
#include "output/layout/layout_file.h"
#include "output/report/report_data.h"

namespace orvosal {

namespace fs = std::filesystem;

namespace {

std::string modifiedText(const fs::path& file) {
  std::error_code error;
  const auto written = fs::last_write_time(file, error);
  if (error) return {};
  const auto sinceEpoch = std::chrono::file_clock::to_sys(written);
  const std::time_t seconds = std::chrono::system_clock::to_time_t(
      std::chrono::time_point_cast<std::chrono::system_clock::duration>(sinceEpoch));
  std::tm local{};
  localtime_r(&seconds, &local);
  char text[64];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d", local.tm_mday, local.tm_mon + 1,
                local.tm_year + 1900, local.tm_hour, local.tm_min);
  return text;
}

// The names inside "{...}" (before a "|" format), leaving out "{{" and the engine's own values.
std::vector<std::string> placeholderNames(const std::string& text) {
  static const std::set<std::string, ReportNameLess> own = {"Seite", "Seiten", "Übertrag", "Druckdatum"};
  std::set<std::string, ReportNameLess> names;
  for (size_t open = text.find('{'); open != std::string::npos; open = text.find('{', open + 1)) {
    if (open + 1 < text.size() && text[open + 1] == '{') {
      ++open;
      continue;
    }
    const size_t close = text.find_first_of("}\n", open);
    if (close == std::string::npos || text[close] != '}') continue;
    const std::string inner = text.substr(open + 1, close - open - 1);
    const std::string name(trim(inner.substr(0, inner.find('|'))));
    if (!name.empty() && !own.contains(name)) names.insert(name);
  }
  return {names.begin(), names.end()};
}

}  // namespace

int layoutType(const fs::path& file) {
  const std::string extension = file.extension().string();
  if (equalsNoCase(extension, ".lbl")) return 1;
  if (equalsNoCase(extension, ".lst")) return 2;
  if (equalsNoCase(extension, ".crd")) return 3;
  return 0;
}

std::string layoutKindName(int type) {
  switch (type) {
    case 1:
      return "Etiketten";
    case 2:
      return "Liste";
    case 3:
      return "Karte";
    default:
      return {};
  }
}

std::vector<LayoutEntry> listLayouts(const fs::path& folder) {
  std::vector<LayoutEntry> entries;
  std::error_code error;
  if (!fs::is_directory(folder, error)) return entries;
  for (const auto& item : fs::directory_iterator(folder, error)) {
    const fs::path& file = item.path();
    const int type = layoutType(file);
    if (type == 0 || !item.is_regular_file(error) || file.stem().string().ends_with("_bak")) continue;
    LayoutEntry entry;
    entry.file = file;
    entry.name = file.filename().string();
    entry.kind = layoutKindName(type);
    entry.modified = modifiedText(file);
    const std::string text = readFileBytes(file).value_or("");
    auto layout = parseLayout(text, file);
    if (const auto* fault = std::get_if<LayoutFault>(&layout)) {
      entry.readable = false;
      entry.title = fault->message();
    } else {
      entry.title = std::get<Layout>(layout).title;
      entry.names = placeholderNames(text);
    }
    entries.push_back(std::move(entry));
  }
  std::sort(entries.begin(), entries.end(),
            [](const LayoutEntry& a, const LayoutEntry& b) { return a.name < b.name; });
  return entries;
}

}  // namespace orvosal
