#include "output/layout/layout.h"

#include <algorithm>

#include "output/layout/layout_text.h"
#include "output/report/report_data.h"

namespace orvosal {

namespace {

bool sameName(std::string_view a, std::string_view b) {
  const ReportNameLess less;
  return !less(a, b) && !less(b, a);
}

// Whether a text's placeholders or their format variables name `name`.
bool textUses(std::string_view text, std::string_view name) {
  auto parts = parseLayoutText(text);
  if (parts.index() != 0) return false;
  return std::ranges::any_of(std::get<0>(parts), [&](const TextPart& part) {
    return part.isPlaceholder() && (sameName(part.name, name) ||
                                    (part.format.starts_with("@") && sameName(part.format.substr(1), name)));
  });
}

bool conditionUses(std::string_view when, std::string_view name) {
  auto condition = parseLayoutCondition(when);
  if (condition.index() != 0) return false;
  const TextPart& value = std::get<0>(condition).value;
  return sameName(value.name, name) ||
         (value.format.starts_with("@") && sameName(value.format.substr(1), name));
}

bool rowUses(const std::optional<LayoutRow>& row, std::string_view name) {
  if (!row) return false;
  if (!row->when.empty() && conditionUses(row->when, name)) return true;
  return std::ranges::any_of(row->cells, [&](const LayoutCell& cell) { return textUses(cell.text, name); });
}

}  // namespace

const LayoutBand* Layout::band(LayoutBandKind kind) const {
  auto found = std::ranges::find(bands, kind, &LayoutBand::kind);
  return found == bands.end() ? nullptr : &*found;
}

bool Layout::uses(std::string_view name) const {
  for (const LayoutBand& band : bands) {
    for (const LayoutElement& element : band.elements) {
      if (textUses(element.text, name)) return true;
      if (!element.when.empty() && conditionUses(element.when, name)) return true;
    }
  }
  if (!table) return false;
  if (sameName(table->carrySum, name)) return true;
  if (!table->pageBreakWhen.empty() && conditionUses(table->pageBreakWhen, name)) return true;
  if (rowUses(table->header, name) || rowUses(table->carryFoot, name) || rowUses(table->carryHead, name)) {
    return true;
  }
  return std::ranges::any_of(table->rows, [&](const LayoutRow& row) { return rowUses(row, name); });
}

std::string LayoutFault::message() const {
  std::string text = "Fehler im Formular";
  if (!file.empty()) text += " " + file.filename().string();
  if (line > 0) text += ", Zeile " + std::to_string(line);
  return text + ": " + fault;
}

}  // namespace orvosal
