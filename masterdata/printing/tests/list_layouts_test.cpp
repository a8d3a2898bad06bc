#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "core/startup/shipped_layouts.h"
#include "output/layout/layout_file.h"

namespace orvosal {
namespace {

// The shipped list, dunning and label layouts read without fault and have the parts their prints
// rely on.
TEST(ListLayoutsTest, ShippedLayoutsRead) {
  struct Case {
    const char* file;
    bool table;
    bool landscape;
    bool labels;
  };
  const Case cases[] = {
      {"Belegliste.lst", true, true, false},   {"Adressliste.lst", true, true, false},
      {"Artikelliste.lst", true, true, false}, {"1Mahn.crd", false, false, false},
      {"2Mahn.crd", false, false, false},      {"3Mahn.crd", false, false, false},
      {"4Mahn.crd", false, false, false},      {"Adressetiketten.lbl", false, false, true},
  };
  const auto folder = ShippedLayouts::findShippedLayoutFolder();
  for (const Case& c : cases) {
    const auto read = readLayoutFile(folder / c.file);
    if (const LayoutFault* fault = std::get_if<LayoutFault>(&read)) {
      ADD_FAILURE() << fault->message();
      continue;
    }
    const Layout& layout = std::get<Layout>(read);
    EXPECT_EQ(layout.table.has_value(), c.table) << c.file;
    EXPECT_EQ(layout.page.landscape, c.landscape) << c.file;
    EXPECT_EQ(layout.labels.has_value(), c.labels) << c.file;
  }
}

}  // namespace
}  // namespace orvosal
