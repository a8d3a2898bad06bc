#include <gtest/gtest.h>

#include <cmath>

#include "output/layout/layout_file.h"
#include "output/layout/layout_history.h"
#include "output/layout/layout_table_editing.h"

namespace orvosal {
namespace {

LayoutCell cell(std::string column, std::string text, int span = 1) {
  LayoutCell made;
  made.column = std::move(column);
  made.text = std::move(text);
  made.span = span;
  return made;
}

// Three columns; the header names two of them, the group row spans the first two, the article row
// fills all three.
Layout invoice() {
  Layout layout;
  LayoutTable table;
  table.columns = {LayoutColumn{"pos", 25, 10, LayoutAlign::Right, 0},
                   LayoutColumn{"text", 35, 115, LayoutAlign::Left, 0},
                   LayoutColumn{"preis", 150, 40, LayoutAlign::Right, 0}};
  table.header = LayoutRow{};
  table.header->cells = {cell("pos", "Pos."), cell("preis", "Preis")};
  table.rows.resize(2);
  table.rows[0].cells = {cell("pos", "{Gruppe}", 2)};
  table.rows[1].cells = {cell("pos", "{Pos}"), cell("text", "{Text}"), cell("preis", "{Preis}")};
  layout.table = table;
  return layout;
}

// Each row form as "column/span=text" of its cells.
std::vector<std::string> cellsOf(const Layout& layout) {
  std::vector<std::string> forms;
  const auto describe = [&forms](const LayoutRow& row) {
    std::string text;
    for (const LayoutCell& made : row.cells) {
      text += made.column + "/" + std::to_string(made.span) + "=" + made.text + ";";
    }
    forms.push_back(text);
  };
  describe(*layout.table->header);
  for (const LayoutRow& row : layout.table->rows) describe(row);
  return forms;
}

std::vector<std::string> columnNames(const Layout& layout) {
  std::vector<std::string> names;
  for (const LayoutColumn& column : layout.table->columns) names.push_back(column.name);
  return names;
}

TEST(LayoutTableEditing, RemovingAColumnKeepsTheRowsConsistent) {
  const struct {
    int column;
    std::vector<std::string> names;
    std::vector<std::string> cells;
  } cases[] = {
      {0, {"text", "preis"}, {"preis/1=Preis;", "text/1={Gruppe};", "text/1={Text};preis/1={Preis};"}},
      {1, {"pos", "preis"}, {"pos/1=Pos.;preis/1=Preis;", "pos/1={Gruppe};", "pos/1={Pos};preis/1={Preis};"}},
      {2, {"pos", "text"}, {"pos/1=Pos.;", "pos/2={Gruppe};", "pos/1={Pos};text/1={Text};"}},
  };
  for (const auto& test : cases) {
    Layout layout = invoice();
    EXPECT_FALSE(removeTableColumn(layout, test.column));
    EXPECT_EQ(columnNames(layout), test.names) << test.column;
    EXPECT_EQ(cellsOf(layout), test.cells) << test.column;
  }
}

TEST(LayoutTableEditing, KeepsTheLastColumn) {
  Layout layout = invoice();
  ASSERT_FALSE(removeTableColumn(layout, 0));
  ASSERT_FALSE(removeTableColumn(layout, 0));
  const Layout before = layout;
  EXPECT_EQ(removeTableColumn(layout, 0).value_or(""), "Die Tabelle braucht mindestens eine Spalte.");
  EXPECT_EQ(layout, before);
}

TEST(LayoutTableEditing, AddsAColumnWithAnEmptyCellInEveryRow) {
  Layout layout = invoice();
  layout.table->columns[2].width = 10;  // ends at 160 mm: room before the right margin at 190 mm
  ASSERT_FALSE(addTableColumn(layout));
  EXPECT_EQ(columnNames(layout), (std::vector<std::string>{"pos", "text", "preis", "Spalte 4"}));
  EXPECT_DOUBLE_EQ(layout.table->columns[3].x, 160);
  EXPECT_DOUBLE_EQ(layout.table->columns[3].width, 20);
  EXPECT_EQ(cellsOf(layout),
            (std::vector<std::string>{"pos/1=Pos.;preis/1=Preis;Spalte 4/1=;", "pos/2={Gruppe};Spalte 4/1=;",
                                      "pos/1={Pos};text/1={Text};preis/1={Preis};Spalte 4/1=;"}));
  // Without room after the last column the next one ends at the right margin.
  ASSERT_FALSE(addTableColumn(layout));
  EXPECT_EQ(layout.table->columns[4].name, "Spalte 5");
  EXPECT_DOUBLE_EQ(layout.table->columns[4].x, 170);

  Layout plain;
  EXPECT_EQ(addTableColumn(plain).value_or(""), "Das Formular hat keine Tabelle.");
  EXPECT_EQ(plain, Layout{});
}

TEST(LayoutTableEditing, PlacesColumnsOnlyOnThePage) {
  const struct {
    double x, width;
    const char* fault;  // nullptr: taken
  } cases[] = {
      {0, 210, nullptr},
      {150.04, 30, nullptr},
      {-1, 20, "Die Spalte „text“ kann nicht links vor der Seite beginnen."},
      {35, 0, "Die Spalte „text“ braucht eine Breite über 0 mm."},
      {195, 20, "Die Spalte „text“ reicht bis 215 mm und damit über die Seite hinaus (210 mm breit)."},
  };
  for (const auto& test : cases) {
    Layout layout = invoice();
    const std::optional<std::string> fault =
        setTableColumn(layout, 1, test.x, test.width, LayoutAlign::Center);
    EXPECT_EQ(fault.value_or(""), test.fault ? test.fault : "") << test.x;
    const LayoutColumn& column = layout.table->columns[1];
    if (test.fault) {
      EXPECT_EQ(column, invoice().table->columns[1]) << test.x;
    } else {
      EXPECT_DOUBLE_EQ(column.x, std::round(test.x * 10) / 10);
      EXPECT_DOUBLE_EQ(column.width, test.width);
      EXPECT_EQ(column.align, LayoutAlign::Center);
    }
  }
}

TEST(LayoutTableEditing, SetsHeadings) {
  Layout layout = invoice();
  ASSERT_FALSE(setColumnHeading(layout, 0, "Nr."));
  ASSERT_FALSE(setColumnHeading(layout, 1, "Bezeichnung"));
  EXPECT_EQ(cellsOf(layout)[0], "pos/1=Nr.;preis/1=Preis;text/1=Bezeichnung;");
  EXPECT_EQ(columnHeading(layout, 1), "Bezeichnung");
  EXPECT_EQ(columnHeading(layout, 2), "Preis");

  layout.table->header->cells[0].span = 2;
  const Layout before = layout;
  EXPECT_EQ(setColumnHeading(layout, 1, "x").value_or(""),
            "Die Überschrift der Spalte „pos“ reicht über die Spalte „text“.");
  EXPECT_EQ(layout, before);

  Layout headless = invoice();
  headless.table->header.reset();
  EXPECT_EQ(columnHeading(headless, 0), "");
  ASSERT_FALSE(setColumnHeading(headless, 2, "Preis"));
  EXPECT_EQ(cellsOf(headless)[0], "preis/1=Preis;");
}

TEST(LayoutTableEditing, ChangesAreUndoneAndSurviveSaving) {
  Layout layout = invoice();
  LayoutHistory history;
  history.record(layout);
  ASSERT_FALSE(removeTableColumn(layout, 1));
  history.record(layout);
  layout.table->columns[1].width = 10;
  ASSERT_FALSE(addTableColumn(layout));
  ASSERT_FALSE(setColumnHeading(layout, 2, "Neu"));

  auto read = parseLayout(writeLayout(layout), "Test.lst");
  ASSERT_EQ(read.index(), 0u) << std::get<LayoutFault>(read).message();
  EXPECT_EQ(columnNames(std::get<Layout>(read)), columnNames(layout));
  EXPECT_EQ(cellsOf(std::get<Layout>(read)), cellsOf(layout));

  const Layout removed = history.undo(layout).value();
  EXPECT_EQ(columnNames(removed), (std::vector<std::string>{"pos", "preis"}));
  EXPECT_EQ(history.undo(removed).value(), invoice());
}

}  // namespace
}  // namespace orvosal
