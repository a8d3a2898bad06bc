#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "output/layout/layout_file.h"

namespace orvosal {
namespace {

const char* const kDeliveryNote = R"(# Lieferschein
layout version=1 title="Lieferschein"
page size=A4 orientation=portrait margin-left=25 margin-top=10 margin-right=20 margin-bottom=10
font family="Liberation Sans" size=10

band kind=first-header height=105
  text x=25 y=62.7 w=85 h=27.3 text="{Belegkopf.Name}\n{Belegkopf.PLZ} {Belegkopf.Ort}"
  text x=125 y=50 w=75 h=5 align=right bold=ja text="Datum: {Belegkopf.Belegdatum|dd.MM.yyyy}"
  image x=150 y=10 w=40 h=25 source="{Firma_Logo}"
  image x=25 y=10 w=40 h=25 align=left source="{Firma_Logo}"
  image x=25 y=35 w=40 h=10 align=right source="{Firma_Logo}"

table gap=4
  column name=pos x=25 w=12 align=right
  column name=text x=40 w=110
  column name=menge x=150 w=40 align=right
  header bold=ja rule=ja
    cell column=pos text="Pos."
    cell column=text text="Bezeichnung"
  page-break when="{Belegpositionen.PosTyp}=NS"
  carry sum=Belegpositionen.Gesamtpreis
  row when="{Belegpositionen.PosTyp}=ZW" bold=ja fill=#eeeeee
    cell column=text span=2 text="{Belegpositionen.Bezeichnung1}"
  row padding=1.5
    cell column=menge align=center size=8 text="{Belegpositionen.Menge|@Mengenformat}"
  carry-foot
    cell column=text span=2 text="Übertrag {Übertrag|#,##0.00}"

band kind=page-footer height=12
  line x=25 y=0 w=165 h=0 width=0.3 color=#336699
  box x=25 y=2 w=165 h=8 fill=#f0f0f0
)";

// Line numbers differ after writing; everything else must survive.
void clearLines(Layout& layout) {
  for (LayoutBand& band : layout.bands) {
    band.line = 0;
    for (LayoutElement& element : band.elements) element.line = 0;
  }
  if (layout.labels) layout.labels->line = 0;
  if (!layout.table) return;
  LayoutTable& table = *layout.table;
  table.line = 0;
  for (LayoutColumn& column : table.columns) column.line = 0;
  auto clearRow = [](LayoutRow& row) {
    row.line = 0;
    for (LayoutCell& cell : row.cells) cell.line = 0;
  };
  for (LayoutRow& row : table.rows) clearRow(row);
  for (auto* row : {&table.header, &table.carryFoot, &table.carryHead}) {
    if (*row) clearRow(**row);
  }
}

Layout parsed(const std::string& text) {
  auto result = parseLayout(text, "Test.lst");
  if (result.index() == 1) ADD_FAILURE() << std::get<1>(result).message();
  return result.index() == 0 ? std::get<0>(result) : Layout{};
}

TEST(LayoutRead, TakesEveryStatement) {
  const Layout layout = parsed(kDeliveryNote);
  EXPECT_EQ(layout.title, "Lieferschein");
  EXPECT_EQ(layout.font.family, "Liberation Sans");
  ASSERT_EQ(layout.bands.size(), 2u);
  const LayoutBand* header = layout.band(LayoutBandKind::FirstHeader);
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(header->line, 6);
  ASSERT_EQ(header->elements.size(), 5u);
  EXPECT_EQ(header->elements[0].text, "{Belegkopf.Name}\n{Belegkopf.PLZ} {Belegkopf.Ort}");
  EXPECT_DOUBLE_EQ(header->elements[0].y, 62.7);
  EXPECT_EQ(header->elements[1].align, LayoutAlign::Right);
  EXPECT_TRUE(header->elements[1].font.bold);
  EXPECT_EQ(header->elements[2].kind, LayoutElementKind::Image);
  EXPECT_EQ(header->elements[2].text, "{Firma_Logo}");
  // A picture without `align` is centred; text without it is left-aligned.
  EXPECT_EQ(header->elements[0].align, LayoutAlign::Left);
  EXPECT_EQ(header->elements[2].align, LayoutAlign::Center);
  EXPECT_EQ(header->elements[3].align, LayoutAlign::Left);
  EXPECT_EQ(header->elements[4].align, LayoutAlign::Right);
  ASSERT_TRUE(layout.table);
  const LayoutTable& table = *layout.table;
  EXPECT_EQ(table.columns.size(), 3u);
  EXPECT_EQ(table.pageBreakWhen, "{Belegpositionen.PosTyp}=NS");
  EXPECT_EQ(table.carrySum, "Belegpositionen.Gesamtpreis");
  ASSERT_EQ(table.rows.size(), 2u);
  EXPECT_EQ(table.rows[0].cells[0].span, 2);
  EXPECT_EQ(table.rows[0].fill, "#eeeeee");
  EXPECT_DOUBLE_EQ(table.rows[1].padding, 1.5);
  EXPECT_EQ(table.rows[1].cells[0].align, LayoutAlign::Center);
  EXPECT_DOUBLE_EQ(table.rows[1].cells[0].font.size, 8);
  EXPECT_TRUE(table.carryFoot);
  EXPECT_FALSE(table.carryHead);
  EXPECT_EQ(layout.band(LayoutBandKind::PageFooter)->elements[0].color, "#336699");
  EXPECT_EQ(layout.band(LayoutBandKind::Totals), nullptr);
}

TEST(LayoutRead, AsksWhichNamesTheLayoutUses) {
  const Layout layout = parsed(kDeliveryNote);
  EXPECT_TRUE(layout.uses("belegkopf.belegdatum"));
  EXPECT_TRUE(layout.uses("Firma_Logo"));
  EXPECT_TRUE(layout.uses("Mengenformat"));
  EXPECT_TRUE(layout.uses("Belegpositionen.PosTyp"));
  EXPECT_TRUE(layout.uses("Belegpositionen.Gesamtpreis"));
  EXPECT_FALSE(layout.uses("Belegkopf.Endtext"));
  EXPECT_FALSE(layout.uses("Belegkopf"));
}

TEST(LayoutWrite, ReadsBackEqual) {
  Layout layout = parsed(kDeliveryNote);
  const std::string written = writeLayout(layout);
  Layout again = parsed(written);
  clearLines(layout);
  clearLines(again);
  EXPECT_EQ(again, layout) << written;
  EXPECT_EQ(writeLayout(again), written);
}

TEST(LayoutWrite, KeepsAwkwardValuesAndLabelSheets) {
  Layout layout;
  layout.title = "Etiketten \"3x8\" \\ A4";
  layout.page.size = "99.1x38.1";
  layout.page.landscape = true;
  layout.page.marginTop = 0;
  layout.font = {"DejaVu Serif", 9.5, false, true, false};
  layout.labels = LayoutLabelSheet{3, 8, 0, 4.5, 70, 37, 0.25, 0, 0};
  LayoutBand& label = layout.bands.emplace_back();
  label.kind = LayoutBandKind::Label;
  label.height = 37;
  LayoutElement text;
  text.x = 3;
  text.y = -1;
  text.width = 64;
  text.height = 30;
  text.text = "{Adressen.Name}\n\"{{Kunde}}\"\t{Adressen.Ort|@Format}";
  text.grow = true;
  text.font = {"", 0, true, false, true};
  text.when = "{Adressen.Gesperrt}!=J";
  label.elements.push_back(text);
  LayoutElement line;
  line.kind = LayoutElementKind::Line;
  line.x = 10;
  line.y = 30;
  line.width = -5;
  line.height = -2.125;
  label.elements.push_back(line);
  Layout again = parsed(writeLayout(layout));
  clearLines(again);
  EXPECT_EQ(again, layout) << writeLayout(layout);
}

TEST(LayoutWrite, SavesIntoAFileThatReadsBack) {
  const auto folder = std::filesystem::temp_directory_path() / ("layout_save_" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  Layout layout = parsed(kDeliveryNote);
  ASSERT_EQ(saveLayoutFile(layout, folder / "Lieferschein.lst"), std::nullopt);
  auto read = readLayoutFile(folder / "Lieferschein.lst");
  ASSERT_EQ(read.index(), 0u);
  clearLines(layout);
  clearLines(std::get<0>(read));
  EXPECT_EQ(std::get<0>(read), layout);
  EXPECT_NE(saveLayoutFile(layout, folder / "missing" / "sub" / "x.lst"), std::nullopt);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace orvosal
