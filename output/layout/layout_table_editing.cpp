#include "output/layout/layout_table_editing.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "output/layout/layout_page_editing.h"

namespace orvosal {

namespace {

constexpr double kNewColumnWidth = 20;

std::vector<LayoutRow*> rowForms(LayoutTable& table) {
  std::vector<LayoutRow*> forms;
  if (table.header) forms.push_back(&*table.header);
  if (table.carryHead) forms.push_back(&*table.carryHead);
  for (LayoutRow& row : table.rows) forms.push_back(&row);
  if (table.carryFoot) forms.push_back(&*table.carryFoot);
  return forms;
}

int columnIndex(const LayoutTable& table, const std::string& name) {
  for (size_t index = 0; index < table.columns.size(); ++index) {
    if (table.columns[index].name == name) return static_cast<int>(index);
  }
  return -1;
}

std::string freeColumnName(const LayoutTable& table) {
  for (int number = static_cast<int>(table.columns.size()) + 1;; ++number) {
    std::string name = "Spalte " + std::to_string(number);
    if (columnIndex(table, name) < 0) return name;
  }
}

std::optional<std::string> columnOnPage(const LayoutColumn& column, const LayoutPage& page) {
  const double pageWidth = orientedPaper(page).width;
  if (column.width <= 0) return "Die Spalte „" + column.name + "“ braucht eine Breite über 0 mm.";
  if (column.x < 0) return "Die Spalte „" + column.name + "“ kann nicht links vor der Seite beginnen.";
  if (column.x + column.width > pageWidth) {
    return "Die Spalte „" + column.name + "“ reicht bis " + millimetreText(column.x + column.width) +
           " und damit über die Seite hinaus (" + millimetreText(pageWidth) + " breit).";
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> addTableColumn(Layout& layout) {
  if (!layout.table) return "Das Formular hat keine Tabelle.";
  LayoutTable& table = *layout.table;
  const double right = orientedPaper(layout.page).width - layout.page.marginRight;
  LayoutColumn column;
  column.name = freeColumnName(table);
  column.width = kNewColumnWidth;
  column.x =
      table.columns.empty() ? layout.page.marginLeft : table.columns.back().x + table.columns.back().width;
  if (column.x + column.width > right) column.x = right - column.width;
  if (column.x < 0) return std::string("Auf der Seite ist kein Platz für eine weitere Spalte.");
  column.x = roundedLength(column.x);
  for (LayoutRow* form : rowForms(table)) {
    LayoutCell cell;
    cell.column = column.name;
    form->cells.push_back(std::move(cell));
  }
  table.columns.push_back(std::move(column));
  return std::nullopt;
}

std::optional<std::string> removeTableColumn(Layout& layout, int column) {
  LayoutTable& table = layout.table.value();
  if (table.columns.size() <= 1) return std::string("Die Tabelle braucht mindestens eine Spalte.");
  const auto removed = static_cast<size_t>(column);
  for (LayoutRow* form : rowForms(table)) {
    std::vector<LayoutCell> kept;
    for (LayoutCell& cell : form->cells) {
      const int start = columnIndex(table, cell.column);
      const int last = start + std::max(1, cell.span) - 1;
      if (start == column) {
        // A cell starting in the column moves on to the next one when it spans it; else it goes.
        if (last == column || removed + 1 >= table.columns.size()) continue;
        cell.column = table.columns[removed + 1].name;
        --cell.span;
      } else if (start >= 0 && start < column && last >= column) {
        --cell.span;
      }
      kept.push_back(std::move(cell));
    }
    form->cells = std::move(kept);
  }
  table.columns.erase(table.columns.begin() + column);
  return std::nullopt;
}

std::optional<std::string> setTableColumn(Layout& layout, int column, double x, double width,
                                          LayoutAlign align) {
  LayoutColumn changed = layout.table.value().columns.at(static_cast<size_t>(column));
  changed.x = roundedLength(x);
  changed.width = roundedLength(width);
  changed.align = align;
  if (auto fault = columnOnPage(changed, layout.page)) return fault;
  layout.table->columns[static_cast<size_t>(column)] = std::move(changed);
  return std::nullopt;
}

std::string columnHeading(const Layout& layout, int column) {
  if (!layout.table || !layout.table->header) return {};
  const std::string& name = layout.table->columns.at(static_cast<size_t>(column)).name;
  for (const LayoutCell& cell : layout.table->header->cells) {
    if (cell.column == name) return cell.text;
  }
  return {};
}

std::optional<std::string> setColumnHeading(Layout& layout, int column, std::string_view text) {
  LayoutTable& table = layout.table.value();
  const std::string& name = table.columns.at(static_cast<size_t>(column)).name;
  LayoutRow header = table.header.value_or(LayoutRow{});
  for (LayoutCell& cell : header.cells) {
    const int start = columnIndex(table, cell.column);
    if (start == column) {
      cell.text = text;
      table.header = std::move(header);
      return std::nullopt;
    }
    if (start >= 0 && start < column && start + cell.span > column) {
      return "Die Überschrift der Spalte „" + cell.column + "“ reicht über die Spalte „" + name + "“.";
    }
  }
  LayoutCell cell;
  cell.column = name;
  cell.text = text;
  header.cells.push_back(std::move(cell));
  table.header = std::move(header);
  return std::nullopt;
}

}  // namespace orvosal
