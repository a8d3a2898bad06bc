#include "output/layout/layout_name_preview.h"

#include "output/layout/placeholder_scan.h"

namespace orvosal {

namespace {

constexpr int kPreviewRecords = 3;

bool isPageNumberName(std::string_view name) {
  const ReportNameLess less;
  const auto same = [&less](std::string_view left, std::string_view right) {
    return !less(left, right) && !less(right, left);
  };
  return same(name, "Seite") || same(name, "Seiten");
}

std::string namesShown(const std::string& text) {
  return rewritePlaceholders(text, [](std::string_view name, std::string_view format) {
    if (isPageNumberName(name)) {
      return placeholderText(name, format);
    }
    // Doubled braces print as the braces themselves.
    return "{{" + std::string(name) + "}}";
  });
}

void showNames(LayoutRow& row) {
  row.when.clear();
  for (LayoutCell& cell : row.cells) cell.text = namesShown(cell.text);
}

}  // namespace

Layout layoutShowingNames(const Layout& layout) {
  Layout shown = layout;
  for (LayoutBand& band : shown.bands) {
    for (LayoutElement& element : band.elements) {
      element.when.clear();
      if (element.kind == LayoutElementKind::Text) element.text = namesShown(element.text);
    }
  }
  if (shown.table) {
    LayoutTable& table = *shown.table;
    table.pageBreakWhen.clear();
    table.carrySum.clear();
    if (table.header) showNames(*table.header);
    if (table.carryHead) showNames(*table.carryHead);
    if (table.carryFoot) showNames(*table.carryFoot);
    for (LayoutRow& row : table.rows) showNames(row);
  }
  return shown;
}

ReportData namePreviewData() {
  ReportData data;
  for (int record = 0; record < kPreviewRecords; ++record) data.addRecord();
  return data;
}

}  // namespace orvosal
