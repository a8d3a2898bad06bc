#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <string>
#include <variant>

#include "app/preview_window.h"
#include "app/print_options_dialog.h"
#include "output/layout/layout_file.h"
#include "output/report/report_document.h"

namespace orvosal {
namespace {

namespace fs = std::filesystem;

constexpr const char* kListLayout = R"(layout version=1 title="Liste"
page size=A4 orientation=portrait margin-left=25 margin-top=10 margin-right=20 margin-bottom=10
band kind=first-header height=30
  text x=25 y=15 w=165 h=8 size=14 bold=ja text="Vorschauliste"
table gap=2
  column name=nr x=25 w=20 align=right
  column name=text x=50 w=140
  header bold=ja rule=ja
    cell column=nr text="Nr."
    cell column=text text="Text"
  row
    cell column=nr text="{Nr}"
    cell column=text text="Zeile {Nr}"
band kind=page-footer height=10
  text x=25 y=2 w=165 h=5 align=right text="Seite {Seite} von {Seiten}"
)";

ReportDocument threePageReport() {
  auto layout = parseLayout(kListLayout, "Liste.lst");
  EXPECT_TRUE(std::holds_alternative<Layout>(layout));
  ReportData data;
  for (int nr = 1; nr <= 120; ++nr) data.addRecord().defineNumber("Nr", static_cast<int64_t>(nr));
  auto rendered = renderReport(std::get<Layout>(layout), data);
  EXPECT_TRUE(std::holds_alternative<ReportDocument>(rendered));
  return std::get<ReportDocument>(rendered);
}

QString pageText(const frmVorschau& preview) { return preview.findChild<QLabel*>("lblSeite")->text(); }

TEST(PreviewWindowTest, PagesThroughZoomsAndSavesWhatItShows) {
  const ReportDocument report = threePageReport();
  ASSERT_GE(report.pageCount(), 3);
  const QString last = QString::number(report.pageCount());
  int printed = 0;
  frmVorschau preview(report, "Liste", [&printed](const ReportDocument&) -> std::optional<std::string> {
    ++printed;
    return std::nullopt;
  });
  preview.resize(900, 1000);
  preview.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
  EXPECT_EQ(pageText(preview), "Seite 1 von " + last);

  const auto click = [&preview](const char* name) {
    auto* button = preview.findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
  };
  const QLabel* canvas = preview.findChild<QLabel*>("lblSeitenbild");
  const QSize before = canvas->pixmap().size();
  click("cmdVergroessern");
  EXPECT_GT(preview.zoom(), 1.0);
  EXPECT_GT(canvas->pixmap().width(), before.width());
  click("cmdSeitenbreite");
  EXPECT_LE(canvas->pixmap().width(), preview.findChild<QWidget*>("scrSeite")->width());

  click("cmdLetzteSeite");
  EXPECT_EQ(pageText(preview), "Seite " + last + " von " + last);
  click("cmdNaechsteSeite");  // beyond the end stays on the last page
  EXPECT_EQ(preview.page(), report.pageCount() - 1);
  click("cmdErsteSeite");
  click("cmdNaechsteSeite");
  EXPECT_EQ(pageText(preview), "Seite 2 von " + last);
  click("cmdVorherigeSeite");
  EXPECT_EQ(preview.page(), 0);

  click("cmdDrucken");
  EXPECT_EQ(printed, 1);

  const fs::path pdf = fs::temp_directory_path() / ("preview_" + std::to_string(::getpid()) + ".pdf");
  EXPECT_EQ(preview.saveAsPdf(pdf), std::nullopt);
  std::ifstream in(pdf, std::ios::binary);
  std::string head(5, '\0');
  in.read(head.data(), 5);
  EXPECT_EQ(head, "%PDF-");
  fs::remove(pdf);

  QDir().mkpath(ORVOSAL_SCREENSHOT_DIR);
  preview.showPage(0);
  EXPECT_TRUE(preview.grab().save(QString(ORVOSAL_SCREENSHOT_DIR) + "/preview.png"));
}

TEST(PrintOptionsDialogTest, OffersOnlyWhatItCanWriteAndCancelsUntilOk) {
  frmDruckoptionen dialog("Rechnung", {"PRN", "PRV", "DOCX", "PDF"});
  EXPECT_EQ(dialog.windowTitle(), "Druckeinstellungen für Rechnung");
  auto* outputs = dialog.findChild<QListWidget*>("lstAusgabe");
  ASSERT_EQ(outputs->count(), 4);
  EXPECT_FALSE(outputs->item(2)->flags() & Qt::ItemIsEnabled);  // DOCX is listed, not offered
  EXPECT_EQ(dialog.choice().option, kPrintCancelled);

  outputs->setCurrentRow(1);
  QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
  EXPECT_EQ(dialog.choice().option, kPrintPreview);
}

}  // namespace
}  // namespace orvosal
