#include <gtest/gtest.h>

#include "output/layout/layout_design_sheet.h"
#include "output/layout/layout_editing.h"
#include "output/layout/layout_history.h"
#include "output/layout/layout_name_preview.h"

namespace orvosal {
namespace {

LayoutElement textAt(double x, double y, double width, double height, std::string text) {
  LayoutElement element;
  element.x = x;
  element.y = y;
  element.width = width;
  element.height = height;
  element.text = std::move(text);
  return element;
}

// A letter: a header band with an address and a title overlapping it, a table of two row forms,
// and a footer with a rule.
Layout sampleLayout() {
  Layout layout;
  layout.title = "Rechnung";
  LayoutBand header{LayoutBandKind::FirstHeader, 100, {}, 0};
  header.elements.push_back(textAt(25, 62.7, 85, 27.3, "{Belegkopf.Name}"));
  header.elements.push_back(textAt(100, 80, 50, 10, "Rechnung {Belegkopf.Belegnummer}"));
  LayoutBand footer{LayoutBandKind::PageFooter, 12, {}, 0};
  LayoutElement rule = textAt(25, 0, 165, 0, "");
  rule.kind = LayoutElementKind::Line;
  footer.elements.push_back(rule);
  layout.bands = {footer, header};  // the sheet orders them, not the file
  LayoutTable table;
  table.header = LayoutRow{};
  table.rows.resize(2);
  layout.table = table;
  return layout;
}

TEST(LayoutDesignSheet, StacksBandsInPageOrderUnderCaptions) {
  const Layout layout = sampleLayout();
  const DesignSheet sheet = designSheet(layout);
  EXPECT_DOUBLE_EQ(sheet.width, 210);
  ASSERT_EQ(sheet.bands.size(), 2u);
  EXPECT_EQ(sheet.bands[0].band, 1);  // the first header comes first
  EXPECT_DOUBLE_EQ(sheet.bands[0].top, sheet.captionHeight);
  ASSERT_TRUE(sheet.table);
  EXPECT_DOUBLE_EQ(sheet.table->top, sheet.captionHeight + 100 + sheet.captionHeight);
  EXPECT_DOUBLE_EQ(sheet.table->height, 3 * sheet.table->rowHeight);
  EXPECT_EQ(sheet.bands[1].band, 0);
  EXPECT_DOUBLE_EQ(sheet.bands[1].top, sheet.table->top + sheet.table->height + sheet.captionHeight);
  EXPECT_DOUBLE_EQ(sheet.height, sheet.bands[1].top + 12);
}

TEST(LayoutDesignSheet, PageWidthFollowsPaperAndOrientation) {
  const struct {
    std::string size;
    bool landscape;
    double width;
  } cases[] = {
      {"A4", false, 210}, {"A4", true, 297}, {"A5", false, 148}, {"100x50", false, 100}, {"B7", false, 210}};
  for (const auto& test : cases) {
    LayoutPage page;
    page.size = test.size;
    page.landscape = test.landscape;
    EXPECT_DOUBLE_EQ(layoutPageWidth(page), test.width) << test.size;
  }
}

TEST(LayoutDesignSheet, FindsTheElementUnderAPoint) {
  const Layout layout = sampleLayout();
  const DesignSheet sheet = designSheet(layout);
  const double headerTop = sheet.areaOf(1)->top;
  const double footerTop = sheet.areaOf(0)->top;
  const struct {
    double x, y;
    std::optional<ElementRef> expected;
  } cases[] = {
      {30, headerTop + 65, ElementRef{1, 0}},    // inside the address only
      {105, headerTop + 85, ElementRef{1, 1}},   // where title and address overlap: the later one
      {150, headerTop + 65, std::nullopt},       // empty space of the band
      {30, headerTop - 2, std::nullopt},         // the band's caption
      {100, footerTop + 0.4, ElementRef{0, 0}},  // a line is hit within half a millimetre
      {100, footerTop + 1, std::nullopt},        // but not beyond
      {30, sheet.table->top + 2, std::nullopt},  // the table is no band
  };
  for (const auto& test : cases) {
    EXPECT_EQ(elementAt(layout, sheet, test.x, test.y), test.expected) << test.x << "/" << test.y;
  }
}

TEST(LayoutDesignSheet, HandlesLieOnCornersAndEdgeMiddles) {
  const DesignRect frame{10, 20, 40, 10};
  const struct {
    double x, y;
    DesignHandle expected;
  } cases[] = {{10, 20, DesignHandle::TopLeft},     {50.5, 20, DesignHandle::TopRight},
               {50, 30, DesignHandle::BottomRight}, {10, 29.5, DesignHandle::BottomLeft},
               {30, 20, DesignHandle::Top},         {50, 25, DesignHandle::Right},
               {30, 30, DesignHandle::Bottom},      {10, 25, DesignHandle::Left},
               {30, 25, DesignHandle::None},        {20, 20, DesignHandle::None}};
  for (const auto& test : cases) {
    EXPECT_EQ(handleAt(frame, test.x, test.y, 1), test.expected) << test.x << "/" << test.y;
  }
}

TEST(LayoutEditing, MovesByTenthsAndStaysInsideTheBand) {
  Layout layout = sampleLayout();
  moveElement(layout, {1, 0}, 12.34, -2.66);
  EXPECT_DOUBLE_EQ(layout.bands[1].elements[0].x, 37.3);
  EXPECT_DOUBLE_EQ(layout.bands[1].elements[0].y, 60);
  moveElement(layout, {1, 0}, -50, -70);
  EXPECT_DOUBLE_EQ(layout.bands[1].elements[0].x, 0);
  EXPECT_DOUBLE_EQ(layout.bands[1].elements[0].y, 0);
  EXPECT_EQ(layout.bands[1].elements[1], sampleLayout().bands[1].elements[1]);
}

TEST(LayoutEditing, ResizeMovesTheEdgesTheHandleHolds) {
  // The title frame is x 100..150, y 80..90.
  const struct {
    DesignHandle handle;
    double dx, dy;
    double x, y, width, height;
  } cases[] = {
      {DesignHandle::BottomRight, 5, 2, 100, 80, 55, 12}, {DesignHandle::TopLeft, 5, 2, 105, 82, 45, 8},
      {DesignHandle::Left, -10, 7, 90, 80, 60, 10},       {DesignHandle::Top, 3, -4, 100, 76, 50, 14},
      {DesignHandle::Right, -80, 0, 100, 80, 1, 10},  // never narrower than 1 mm
      {DesignHandle::Left, 80, 0, 149, 80, 1, 10},    // the right edge stays
      {DesignHandle::Top, 0, -100, 100, 0, 50, 90},   // not above the band
  };
  for (const auto& test : cases) {
    Layout layout = sampleLayout();
    resizeElement(layout, {1, 1}, test.handle, test.dx, test.dy);
    const LayoutElement& element = layout.bands[1].elements[1];
    EXPECT_DOUBLE_EQ(element.x, test.x) << static_cast<int>(test.handle);
    EXPECT_DOUBLE_EQ(element.y, test.y) << static_cast<int>(test.handle);
    EXPECT_DOUBLE_EQ(element.width, test.width) << static_cast<int>(test.handle);
    EXPECT_DOUBLE_EQ(element.height, test.height) << static_cast<int>(test.handle);
  }
}

TEST(LayoutEditing, LineGripsMoveItsEnds) {
  Layout layout = sampleLayout();
  resizeElement(layout, {0, 0}, DesignHandle::Right, -65, 3);
  LayoutElement line = layout.bands[0].elements[0];
  EXPECT_DOUBLE_EQ(line.x, 25);
  EXPECT_DOUBLE_EQ(line.width, 100);
  EXPECT_DOUBLE_EQ(line.height, 3);
  resizeElement(layout, {0, 0}, DesignHandle::Left, 5, 1);
  line = layout.bands[0].elements[0];
  EXPECT_DOUBLE_EQ(line.x, 30);
  EXPECT_DOUBLE_EQ(line.y, 1);
  EXPECT_DOUBLE_EQ(line.x + line.width, 125);  // the end point stays
  EXPECT_DOUBLE_EQ(line.y + line.height, 3);
}

TEST(LayoutEditing, AddsAndRemovesTextFields) {
  Layout layout = sampleLayout();
  const ElementRef added = addTextField(layout, 0, "Firma_IBAN", 40.04, 3.96);
  EXPECT_EQ(added, (ElementRef{0, 1}));
  const LayoutElement& field = layout.bands[0].elements[1];
  EXPECT_EQ(field.kind, LayoutElementKind::Text);
  EXPECT_EQ(field.text, "{Firma_IBAN}");
  EXPECT_DOUBLE_EQ(field.x, 40);
  EXPECT_DOUBLE_EQ(field.y, 4);
  EXPECT_GT(field.width, 0);
  EXPECT_GT(field.height, 0);
  removeElement(layout, {0, 0});
  ASSERT_EQ(layout.bands[0].elements.size(), 1u);
  EXPECT_EQ(layout.bands[0].elements[0].text, "{Firma_IBAN}");
}

TEST(LayoutEditing, ReadsAndReplacesTheFirstPlaceholdersFormat) {
  const struct {
    std::string text;
    std::optional<std::string> format;
    std::string newFormat;
    std::string changed;
  } cases[] = {
      {"Datum: {Belegkopf.Belegdatum|dd.MM.yyyy}", "dd.MM.yyyy", "dd.MM.yy",
       "Datum: {Belegkopf.Belegdatum|dd.MM.yy}"},
      {"{Menge} {Einheit|x}", "", "#,##0.00", "{Menge|#,##0.00} {Einheit|x}"},
      {"{Menge|@Mengenformat}", "@Mengenformat", "", "{Menge}"},
      {"{{Preis}} {Betrag|0.00}", "0.00", "0", "{{Preis}} {Betrag|0}"},
      {"Nur Text }", std::nullopt, "0.00", "Nur Text }"},
      {"offen {Name", std::nullopt, "0.00", "offen {Name"},
  };
  for (const auto& test : cases) {
    EXPECT_EQ(placeholderFormat(test.text), test.format) << test.text;
    EXPECT_EQ(withPlaceholderFormat(test.text, test.newFormat), test.changed) << test.text;
  }
}

TEST(LayoutHistory, UndoesAndRedoesInOrder) {
  LayoutHistory history;
  Layout layout = sampleLayout();
  const Layout original = layout;
  history.record(layout);
  moveElement(layout, {1, 0}, 10, 0);
  const Layout moved = layout;
  history.record(layout);
  removeElement(layout, {1, 0});

  EXPECT_FALSE(history.canRedo());
  layout = *history.undo(layout);
  EXPECT_EQ(layout, moved);
  layout = *history.undo(layout);
  EXPECT_EQ(layout, original);
  EXPECT_FALSE(history.undo(layout));
  layout = *history.redo(layout);
  EXPECT_EQ(layout, moved);

  history.record(layout);  // a new change drops what could be redone
  EXPECT_FALSE(history.canRedo());
}

TEST(LayoutNamePreview, ShowsNamesLiftsConditionsKeepsPageNumbers) {
  Layout layout = sampleLayout();
  layout.bands[1].elements[0].when = "{Belegkopf.Name}";
  layout.bands[1].elements[1].text = "Seite {Seite} von {Seiten}, {Betrag|#,##0.00} {{x}}";
  layout.table->pageBreakWhen = "{PosTyp}=NS";
  layout.table->carrySum = "Gesamt";
  layout.table->rows[0].when = "{PosTyp}=ZW";
  layout.table->rows[0].cells.push_back(LayoutCell{"text", 1, "{Bezeichnung}", std::nullopt, {}, 0});

  const Layout shown = layoutShowingNames(layout);
  EXPECT_EQ(shown.bands[1].elements[0].when, "");
  EXPECT_EQ(shown.bands[1].elements[0].text, "{{Belegkopf.Name}}");
  EXPECT_EQ(shown.bands[1].elements[1].text, "Seite {Seite} von {Seiten}, {{Betrag}} {{x}}");
  EXPECT_EQ(shown.table->pageBreakWhen, "");
  EXPECT_EQ(shown.table->carrySum, "");
  EXPECT_EQ(shown.table->rows[0].when, "");
  EXPECT_EQ(shown.table->rows[0].cells[0].text, "{{Bezeichnung}}");
  EXPECT_FALSE(namePreviewData().records.empty());
}

}  // namespace
}  // namespace orvosal
