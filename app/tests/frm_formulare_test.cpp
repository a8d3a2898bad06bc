#include "app/frm_formulare.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "core/clock.h"
#include "core/scripted_ui.h"
#include "core/session.h"
#include "core/startup/shipped_layouts.h"
#include "core/tests/db_test_support.h"
#include "output/report/print_job.h"

namespace orvosal {
namespace {

namespace fs = std::filesystem;
using orvosal::testing::TemporaryFolder;

// Remembers what the designer would have been opened with.
class DesignerRecorder : public PrintPort {
 public:
  PrintChoice chooseOutput(std::string_view, const std::vector<std::string>&) override { return {}; }
  void showPreview(const ReportDocument&, std::string_view) override {}
  std::optional<std::string> printOnPrinter(const ReportDocument&, std::string_view, bool, int) override {
    return std::nullopt;
  }
  void openDesigner(const fs::path& file, std::string_view caption,
                    const std::vector<std::string>& names) override {
    opened.push_back({file, std::string(caption), names});
  }
  struct Opened {
    fs::path file;
    std::string caption;
    std::vector<std::string> names;
  };
  std::vector<Opened> opened;
};

class FrmFormulareTest : public ::testing::Test {
 protected:
  QTreeWidget* list(frmFormulare& dialog) { return dialog.findChild<QTreeWidget*>("lstFormulare"); }
  int rowOf(frmFormulare& dialog, const QString& name) {
    const QList<QTreeWidgetItem*> found = list(dialog)->findItems(name, Qt::MatchExactly, 0);
    return found.isEmpty() ? -1 : list(dialog)->indexOfTopLevelItem(found.front());
  }

  TemporaryFolder folder_;
  ScriptedUi ui_;
  FixedClock clock_{DateTime::parse("06.12.2026 14:05:05").value()};
  Session session_{folder_.path(), ui_, clock_};
  DesignerRecorder port_;
};

TEST_F(FrmFormulareTest, ListsTheShippedLayoutsAndDesignsTheMarkedOneAfterKeepingACopy) {
  frmFormulare dialog(session_, port_);
  const fs::path folder = LayoutFolder(session_);
  ASSERT_TRUE(fs::exists(folder / "Rechnung.lst"));
  const int invoice = rowOf(dialog, "Rechnung.lst");
  ASSERT_GE(invoice, 0);
  EXPECT_GE(rowOf(dialog, "1Mahn.crd"), 0);
  EXPECT_GE(rowOf(dialog, "Adressetiketten.lbl"), 0);
  EXPECT_EQ(list(dialog)->topLevelItemCount(), static_cast<int>(dialog.layouts().size()));

  list(dialog)->setCurrentItem(list(dialog)->topLevelItem(invoice));
  QTest::mouseClick(dialog.findChild<QPushButton*>("cmdDesignen"), Qt::LeftButton);
  ASSERT_EQ(port_.opened.size(), 1u);
  EXPECT_EQ(port_.opened[0].file, folder / "Rechnung.lst");
  EXPECT_EQ(port_.opened[0].caption,
            list(dialog)->topLevelItem(invoice)->text(2).toStdString() + " designen");
  EXPECT_TRUE(std::ranges::find(port_.opened[0].names, "Belegkopf.Belegnummer") !=
              port_.opened[0].names.end());
  EXPECT_TRUE(fs::exists(folder / "Rechnung_bak.lst"));

  // The copy is kept once: a second design leaves it as it was, and it is not listed.
  std::ofstream(folder / "Rechnung.lst", std::ios::app) << "# geändert\n";
  EXPECT_TRUE(dialog.designMarked());
  std::ifstream backup(folder / "Rechnung_bak.lst");
  const std::string kept((std::istreambuf_iterator<char>(backup)), std::istreambuf_iterator<char>());
  EXPECT_EQ(kept.find("# geändert"), std::string::npos);
  QTest::mouseClick(dialog.findChild<QPushButton*>("cmdAktualisieren"), Qt::LeftButton);
  EXPECT_EQ(rowOf(dialog, "Rechnung_bak.lst"), -1);
}

TEST_F(FrmFormulareTest, ABrokenLayoutIsListedWithItsFaultInRed) {
  InstallShippedLayouts(session_);
  std::ofstream(LayoutFolder(session_) / "Kaputt.lst")
      << "layout version=1 title=\"Kaputt\"\nband kind=nirgends\n";
  frmFormulare dialog(session_, port_);
  const int broken = rowOf(dialog, "Kaputt.lst");
  ASSERT_GE(broken, 0);
  QTreeWidgetItem* item = list(dialog)->topLevelItem(broken);
  EXPECT_NE(item->text(2).indexOf("Zeile 2"), -1) << item->text(2).toStdString();
  EXPECT_EQ(item->foreground(2).color(), QColor(Qt::red));
  EXPECT_EQ(list(dialog)->topLevelItem(rowOf(dialog, "Rechnung.lst"))->foreground(2).color(),
            list(dialog)->palette().color(QPalette::Text));
}

}  // namespace
}  // namespace orvosal
