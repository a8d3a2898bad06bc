#include <gtest/gtest.h>

#include "output/layout/layout_file.h"
#include "output/layout/layout_history.h"
#include "output/layout/layout_page_editing.h"

namespace orvosal {
namespace {

// An A4 letter: a first header of 100 mm, a footer of 12 mm and a table whose last column ends at
// 190 mm.
Layout letter() {
  Layout layout;
  layout.bands = {LayoutBand{LayoutBandKind::FirstHeader, 100, {}, 0},
                  LayoutBand{LayoutBandKind::PageFooter, 12, {}, 0}};
  LayoutTable table;
  table.columns = {LayoutColumn{"text", 25, 125, LayoutAlign::Left, 0},
                   LayoutColumn{"preis", 150, 40, LayoutAlign::Right, 0}};
  layout.table = table;
  return layout;
}

Layout readBack(const Layout& layout) {
  auto result = parseLayout(writeLayout(layout), "Test.lst");
  if (const auto* fault = std::get_if<LayoutFault>(&result)) ADD_FAILURE() << fault->message();
  return result.index() == 0 ? std::get<Layout>(result) : Layout{};
}

TEST(LayoutPageEditing, SetsBandHeightsWithinThePrintablePage) {
  const struct {
    double height;
    double stored;      // the band's height afterwards
    const char* fault;  // nullptr: taken
  } cases[] = {
      {120.04, 120, nullptr},
      {0, 0, nullptr},
      {277, 277, nullptr},  // 297 mm less the margins of 10 mm each
      {277.1, 100,
       "Der Bereich „Kopf erste Seite“ ist mit 277,1 mm höher als der bedruckbare Teil der Seite (277 mm)."},
      {-3, 100, "Die Höhe eines Bereichs kann nicht negativ sein."},
  };
  for (const auto& test : cases) {
    Layout layout = letter();
    const std::optional<std::string> fault = setBandHeight(layout, 0, test.height);
    EXPECT_EQ(fault.value_or(""), test.fault ? test.fault : "") << test.height;
    EXPECT_DOUBLE_EQ(layout.bands[0].height, test.stored) << test.height;
    EXPECT_DOUBLE_EQ(layout.bands[1].height, 12) << test.height;
  }
}

TEST(LayoutPageEditing, RefusesPagesThatLeaveNoRoom) {
  const auto page = [](std::string size, bool landscape, double left, double top, double right,
                       double bottom) {
    return LayoutPage{std::move(size), landscape, left, top, right, bottom};
  };
  const struct {
    LayoutPage page;
    const char* fault;  // nullptr: taken
  } cases[] = {
      {page("A4", true, 20, 15, 20, 15), nullptr},
      {page("Letter", false, 10, 10, 10, 10), nullptr},
      {page("B7", false, 25, 10, 20, 10), "Unbekanntes Papierformat „B7“."},
      {page("A4", false, -1, 10, 20, 10), "Ein Rand kann nicht negativ sein."},
      {page("A4", false, 110, 10, 100, 10),
       "Der linke und der rechte Rand (110 mm und 100 mm) lassen auf der 210 mm breiten Seite keinen Platz."},
      {page("A4", true, 25, 100, 20, 110),
       "Der obere und der untere Rand (100 mm und 110 mm) lassen auf der 210 mm hohen Seite keinen Platz."},
      // A5 lying: 148 mm high, less 50 mm of margins leaves 98 mm for the 100 mm header.
      {page("A5", true, 10, 25, 10, 25),
       "Der Bereich „Kopf erste Seite“ ist mit 100 mm höher als der bedruckbare Teil der Seite (98 mm)."},
      // A5 upright is 148 mm wide; the text column ends at 150 mm.
      {page("A5", false, 10, 10, 10, 10),
       "Die Spalte „text“ reicht bis 150 mm und damit über die Seite hinaus (148 mm breit)."},
  };
  for (const auto& test : cases) {
    Layout layout = letter();
    const std::optional<std::string> fault = setPageSettings(layout, test.page);
    EXPECT_EQ(fault.value_or(""), test.fault ? test.fault : "") << test.page.size;
    EXPECT_EQ(layout.page, test.fault ? LayoutPage{} : test.page) << test.page.size;
  }
}

TEST(LayoutPageEditing, ChangesAreUndoneAndSurviveSaving) {
  Layout layout = letter();
  LayoutHistory history;
  history.record(layout);
  ASSERT_FALSE(setPageSettings(layout, LayoutPage{"Letter", true, 15, 12.5, 15, 12.5}));
  history.record(layout);
  ASSERT_FALSE(setBandHeight(layout, 1, 20.5));

  const Layout read = readBack(layout);
  EXPECT_EQ(read.page, layout.page);
  EXPECT_DOUBLE_EQ(read.bands[1].height, 20.5);

  const Layout withPage = history.undo(layout).value();
  EXPECT_DOUBLE_EQ(withPage.bands[1].height, 12);
  EXPECT_EQ(withPage.page.size, "Letter");
  EXPECT_EQ(history.undo(withPage).value(), letter());
}

}  // namespace
}  // namespace orvosal
