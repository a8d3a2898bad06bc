#include <gtest/gtest.h>

#include <filesystem>
#include <variant>

#include "output/layout/layout_file.h"

namespace orvosal {
namespace {

// Every shipped document layout reads without fault and carries the positions table with its
// carried-forward rows.
TEST(ShippedDocumentLayouts, ReadWithoutFault) {
  const std::filesystem::path folder = std::filesystem::path(ORVOSAL_SOURCE_DIR) / "layouts";
  for (const char* name :
       {"Rechnung.lst", "Angebot.lst", "Auftragsbestätigung.lst", "Bestellung.lst", "Barverkauf.lst"}) {
    const auto layout = readLayoutFile(folder / name);
    if (const auto* fault = std::get_if<LayoutFault>(&layout)) {
      ADD_FAILURE() << fault->message();
      continue;
    }
    const Layout& read = std::get<Layout>(layout);
    ASSERT_TRUE(read.table.has_value()) << name;
    EXPECT_EQ(read.table->carrySum, "Belegpositionen.Uebertragsbetrag") << name;
    EXPECT_TRUE(read.table->carryFoot && read.table->carryHead) << name;
  }
}

}  // namespace
}  // namespace orvosal
