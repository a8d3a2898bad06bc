#include "output/layout/layout_parser.h"

#include <algorithm>
#include <map>

#include "output/layout/layout_attributes.h"
#include "output/layout/layout_text.h"
#include "output/layout/paper_size.h"

namespace orvosal {

namespace {

const std::map<std::string, LayoutBandKind, std::less<>> kBandKinds = {
    {"first-header", LayoutBandKind::FirstHeader},
    {"page-header", LayoutBandKind::PageHeader},
    {"totals", LayoutBandKind::Totals},
    {"closing", LayoutBandKind::Closing},
    {"page-footer", LayoutBandKind::PageFooter},
    {"label", LayoutBandKind::Label},
};

const std::map<std::string, LayoutElementKind, std::less<>> kElementKinds = {
    {"text", LayoutElementKind::Text},
    {"image", LayoutElementKind::Image},
    {"line", LayoutElementKind::Line},
    {"box", LayoutElementKind::Box},
};

bool isTablePart(std::string_view keyword) {
  return keyword == "column" || keyword == "header" || keyword == "row" || keyword == "carry-foot" ||
         keyword == "carry-head" || keyword == "cell" || keyword == "page-break" || keyword == "carry";
}

void readRowAttributes(LayoutAttributeReader& reader, LayoutRow& row) {
  reader.length("padding", row.padding);
  reader.boolean("rule", row.ruleBelow);
  reader.color("fill", row.fill);
  reader.font(row.font);
}

}  // namespace

std::optional<std::string> LayoutParser::add(const LayoutStatement& statement) {
  const std::string& keyword = statement.keyword;
  if (!started_ && keyword != "layout") return "Die erste Anweisung muss „layout“ sein";
  if (keyword == "layout" || keyword == "page" || keyword == "font") return addHead(statement);
  if (keyword == "band") return addBand(statement);
  if (kElementKinds.contains(keyword)) return addElement(statement);
  if (keyword == "table" || isTablePart(keyword)) return addTablePart(statement);
  if (keyword == "labels") return addLabels(statement);
  return "Unbekannte Anweisung " + germanQuoted(keyword);
}

std::optional<std::string> LayoutParser::addHead(const LayoutStatement& statement) {
  LayoutAttributeReader reader(statement);
  if (statement.keyword == "layout") {
    if (started_) return "„layout“ darf nur einmal am Anfang stehen";
    started_ = true;
    std::string version;
    reader.text("version", version, true);
    reader.text("title", layout_.title);
    if (auto fault = reader.fault()) return fault;
    if (version != "1") return "Unbekannte Formatversion " + germanQuoted(version);
    return std::nullopt;
  }
  if (statement.keyword == "font") {
    reader.font(layout_.font, "family");
    return reader.fault();
  }
  LayoutPage& page = layout_.page;
  std::string orientation = page.landscape ? "landscape" : "portrait";
  reader.text("size", page.size);
  reader.text("orientation", orientation);
  reader.length("margin-left", page.marginLeft);
  reader.length("margin-top", page.marginTop);
  reader.length("margin-right", page.marginRight);
  reader.length("margin-bottom", page.marginBottom);
  if (auto fault = reader.fault()) return fault;
  if (!parsePaperSize(page.size)) return "Unbekanntes Papierformat " + germanQuoted(page.size);
  if (orientation != "portrait" && orientation != "landscape") {
    return "Ungültige Ausrichtung des Blattes " + germanQuoted(orientation) + " (portrait oder landscape)";
  }
  page.landscape = orientation == "landscape";
  return std::nullopt;
}

std::optional<std::string> LayoutParser::addBand(const LayoutStatement& statement) {
  LayoutAttributeReader reader(statement);
  std::string kind;
  LayoutBand band;
  band.line = statement.line;
  reader.text("kind", kind, true);
  reader.length("height", band.height);
  if (auto fault = reader.fault()) return fault;
  auto found = kBandKinds.find(kind);
  if (found == kBandKinds.end()) return "Unbekannte Bereichsart " + germanQuoted(kind);
  band.kind = found->second;
  if (layout_.band(band.kind) != nullptr) return "Bereich " + germanQuoted(kind) + " doppelt";
  band_ = &layout_.bands.emplace_back(std::move(band));
  inTable_ = false;
  row_ = nullptr;
  return std::nullopt;
}

std::optional<std::string> LayoutParser::addElement(const LayoutStatement& statement) {
  if (band_ == nullptr)
    return germanQuoted(statement.keyword) + " gehört in einen Bereich: davor fehlt „band“";
  LayoutElement element;
  element.kind = kElementKinds.find(statement.keyword)->second;
  element.line = statement.line;
  LayoutAttributeReader reader(statement);
  const bool isLine = element.kind == LayoutElementKind::Line;
  reader.length("x", element.x, true, true);
  reader.length("y", element.y, true, true);
  reader.length("w", element.width, true, isLine);
  reader.length("h", element.height, true, isLine);
  reader.condition("when", element.when);
  switch (element.kind) {
    case LayoutElementKind::Text:
      reader.layoutText("text", element.text, true);
      reader.align("align", element.align);
      reader.boolean("grow", element.grow);
      reader.color("color", element.color);
      reader.font(element.font);
      break;
    case LayoutElementKind::Image:
      reader.layoutText("source", element.text, true);
      element.align = LayoutAlign::Center;
      reader.align("align", element.align);
      break;
    case LayoutElementKind::Box:
      reader.color("fill", element.fill);
      [[fallthrough]];
    case LayoutElementKind::Line:
      reader.length("width", element.lineWidth);
      reader.color("color", element.color);
      break;
  }
  if (auto fault = reader.fault()) return fault;
  band_->elements.push_back(std::move(element));
  return std::nullopt;
}

std::optional<std::string> LayoutParser::addTablePart(const LayoutStatement& statement) {
  const std::string& keyword = statement.keyword;
  LayoutAttributeReader reader(statement);
  if (keyword == "table") {
    if (layout_.table) return "Ein Formular hat höchstens eine Tabelle";
    LayoutTable table;
    table.line = statement.line;
    reader.length("gap", table.gapAbove);
    if (auto fault = reader.fault()) return fault;
    layout_.table = std::move(table);
    inTable_ = true;
    band_ = nullptr;
    row_ = nullptr;
    return std::nullopt;
  }
  if (!inTable_) return germanQuoted(keyword) + " gehört zu einer Tabelle: davor fehlt „table“";
  if (keyword == "cell") return addCell(statement);
  LayoutTable& table = *layout_.table;
  if (keyword == "column") {
    LayoutColumn column;
    column.line = statement.line;
    reader.text("name", column.name, true);
    reader.length("x", column.x, true, true);
    reader.length("w", column.width, true);
    reader.align("align", column.align);
    if (auto fault = reader.fault()) return fault;
    if (std::ranges::find(table.columns, column.name, &LayoutColumn::name) != table.columns.end()) {
      return "Spalte " + germanQuoted(column.name) + " doppelt";
    }
    table.columns.push_back(std::move(column));
    return std::nullopt;
  }
  if (keyword == "page-break") {
    reader.condition("when", table.pageBreakWhen, true);
    return reader.fault();
  }
  if (keyword == "carry") {
    reader.text("sum", table.carrySum, true);
    return reader.fault();
  }
  return addRow(statement);
}

std::optional<std::string> LayoutParser::addRow(const LayoutStatement& statement) {
  const std::string& keyword = statement.keyword;
  LayoutTable& table = *layout_.table;
  LayoutRow row;
  row.line = statement.line;
  LayoutAttributeReader reader(statement);
  if (keyword == "row") reader.condition("when", row.when);
  readRowAttributes(reader, row);
  if (auto fault = reader.fault()) return fault;
  if (keyword == "row") {
    row_ = &table.rows.emplace_back(std::move(row));
    return std::nullopt;
  }
  std::optional<LayoutRow>& slot =
      keyword == "header" ? table.header : (keyword == "carry-foot" ? table.carryFoot : table.carryHead);
  if (slot) return "Die Tabelle hat schon eine Zeile " + germanQuoted(keyword);
  slot = std::move(row);
  row_ = &*slot;
  return std::nullopt;
}

std::optional<std::string> LayoutParser::addCell(const LayoutStatement& statement) {
  if (row_ == nullptr) return "„cell“ vor der ersten Zeile (header, row, carry-foot oder carry-head)";
  const std::vector<LayoutColumn>& columns = layout_.table->columns;
  LayoutCell cell;
  cell.line = statement.line;
  LayoutAttributeReader reader(statement);
  reader.text("column", cell.column, true);
  reader.integer("span", cell.span);
  reader.layoutText("text", cell.text);
  reader.align("align", cell.align);
  reader.font(cell.font);
  if (auto fault = reader.fault()) return fault;
  auto column = std::ranges::find(columns, cell.column, &LayoutColumn::name);
  if (column == columns.end()) return "Unbekannte Spalte " + germanQuoted(cell.column);
  if (column - columns.begin() + cell.span > static_cast<std::ptrdiff_t>(columns.size())) {
    return "Die Zelle reicht über die letzte Spalte hinaus (span=" + std::to_string(cell.span) + ")";
  }
  row_->cells.push_back(std::move(cell));
  return std::nullopt;
}

std::optional<std::string> LayoutParser::addLabels(const LayoutStatement& statement) {
  if (layout_.labels) return "„labels“ doppelt";
  LayoutLabelSheet sheet;
  sheet.line = statement.line;
  LayoutAttributeReader reader(statement);
  reader.integer("columns", sheet.columns, true);
  reader.integer("rows", sheet.rows, true);
  reader.length("x", sheet.left);
  reader.length("y", sheet.top);
  reader.length("w", sheet.width, true);
  reader.length("h", sheet.height, true);
  reader.length("gap-x", sheet.gapX);
  reader.length("gap-y", sheet.gapY);
  if (auto fault = reader.fault()) return fault;
  layout_.labels = sheet;
  band_ = nullptr;
  inTable_ = false;
  row_ = nullptr;
  return std::nullopt;
}

std::optional<std::pair<int, std::string>> LayoutParser::finish() {
  if (!started_) return std::pair{0, std::string("Das Formular ist leer: „layout“ fehlt")};
  if (layout_.table && layout_.table->columns.empty()) {
    return std::pair{layout_.table->line, std::string("Die Tabelle hat keine Spalte („column“)")};
  }
  const LayoutBand* label = layout_.band(LayoutBandKind::Label);
  if (layout_.labels && label == nullptr) {
    return std::pair{layout_.labels->line, std::string("Etikettenbogen ohne Bereich „label“")};
  }
  if (label != nullptr && !layout_.labels) {
    return std::pair{label->line, std::string("Bereich „label“ ohne Etikettenbogen („labels“)")};
  }
  return std::nullopt;
}

}  // namespace orvosal
