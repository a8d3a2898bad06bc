#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orvosal {

// The kind of a layout by its file's extension: ".lbl" labels (1), ".lst" lists and documents (2),
// ".crd" cards such as the dunning letters (3); 0 for any other file.
int layoutType(const std::filesystem::path& file);
// "Etiketten", "Liste", "Karte"; empty for 0.
std::string layoutKindName(int type);

// One layout of a layout folder as the layout list shows it.
struct LayoutEntry {
  std::filesystem::path file;
  std::string name;   // the file name
  std::string kind;   // layoutKindName
  std::string title;  // the layout's title; for a layout that cannot be read its fault
  bool readable = true;
  std::string modified;            // local time of the last change, "dd.mm.yyyy hh:mm"
  std::vector<std::string> names;  // the names its placeholders use, sorted, without the engine's own
};

// The layouts of the folder sorted by name, leaving out the "_bak" copies the designer keeps.
std::vector<LayoutEntry> listLayouts(const std::filesystem::path& folder);

}  // namespace orvosal
