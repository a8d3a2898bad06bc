#include "app/frm_qr_code.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <fstream>

#include "core/clock.h"
#include "core/scripted_ui.h"
#include "core/session.h"
#include "core/tests/db_test_support.h"
#include "core/tests/shell_command.h"

namespace orvosal {
namespace {

using orvosal::testing::TemporaryFolder;

class FrmQRCodeTest : public ::testing::Test {
 protected:
  TemporaryFolder folder_;
  ScriptedUi ui_;
  FixedClock clock_{DateTime::parse("06.12.2026 14:05:05").value()};
  Session session_{folder_.path(), ui_, clock_};
};

TEST_F(FrmQRCodeTest, SampleExportedAsSvgAndChoicesKept) {
  FrmQRCode dialog(session_);
  EXPECT_EQ(dialog.objectName(), "frmQRCode");
  auto* samples = dialog.findChild<QComboBox*>("cmbSamples");
  ASSERT_NE(samples, nullptr);
  samples->setCurrentText("WiFi Connection");
  emit samples->activated(samples->currentIndex());
  EXPECT_EQ(dialog.findChild<QPlainTextEdit*>("txtText")->toPlainText(),
            "WIFI:T:WPA;S:Netzwerk;P:Schluessel;;");
  EXPECT_FALSE(dialog.findChild<QLabel*>("imgPreview")->pixmap().isNull());

  dialog.findChild<QComboBox*>("cmbScale")->setCurrentText("2");
  dialog.findChild<QComboBox*>("cmbQuietZone")->setCurrentText("1");
  dialog.findChild<QComboBox*>("cmbVersion")->setCurrentText("4");
  dialog.findChild<QComboBox*>("cmbExport")->setCurrentText("SVG file");
  const auto file = folder_.path() / "wifi.svg";
  ASSERT_TRUE(dialog.exportTo(file));
  EXPECT_EQ(ui_.texts("message").back(), "Datei wifi.svg gespeichert");
  const std::string svg = testing::fileText(file);
  // Version 4: 33 modules and a border of one module each side, 2 pixels each.
  EXPECT_NE(svg.find("<svg width='70' height='70'"), std::string::npos);

  EXPECT_EQ(session_.settings().ReadSetting("QRCodeSettings", "cmbVersion"), "4");
  EXPECT_EQ(session_.settings().ReadSetting("QRCodeSettings", "cmbSamples"), "WiFi Connection");
  FrmQRCode reopened(session_);
  EXPECT_EQ(reopened.findChild<QComboBox*>("cmbScale")->currentText(), "2");
  EXPECT_EQ(reopened.findChild<QComboBox*>("cmbExport")->currentText(), "SVG file");
}

TEST_F(FrmQRCodeTest, TooSmallVersionShowsTheMessageAndWritesNothing) {
  FrmQRCode dialog(session_);
  dialog.findChild<QComboBox*>("cmbVersion")->setCurrentText("1");
  dialog.findChild<QPlainTextEdit*>("txtText")->setPlainText(QString(100, 'x'));
  EXPECT_EQ(dialog.findChild<QLabel*>("lblInfo")->text(), "Too many data or matrix size too small !");
  const auto file = folder_.path() / "x.svg";
  EXPECT_FALSE(dialog.exportTo(file));
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_EQ(ui_.texts("message").back(), "Too many data or matrix size too small !");
}

// A logo chosen in the dialog is exported into the bitmap, which a reader still decodes; the
// markers change the preview; both are kept for the next opening and for the report codes.
TEST_F(FrmQRCodeTest, LogoExportedAsBmpDecodesAndIsKept) {
  QImage picture(40, 40, QImage::Format_RGB32);
  picture.fill(QColor(0x1f, 0x5f, 0xbf));
  const auto logo = folder_.path() / "logo.png";
  ASSERT_TRUE(picture.save(QString::fromStdString(logo.string())));

  FrmQRCode dialog(session_);
  dialog.findChild<QPlainTextEdit*>("txtText")->setPlainText("Orvosal Rechnung 4711");
  dialog.findChild<QComboBox*>("cmbScale")->setCurrentText("4");
  const QImage plain = dialog.findChild<QLabel*>("imgPreview")->pixmap().toImage();
  ASSERT_TRUE(dialog.chooseLogo(logo));
  EXPECT_EQ(dialog.findChild<QLineEdit*>("txtLogo")->text().toStdString(), logo.string());
  const QImage withLogo = dialog.findChild<QLabel*>("imgPreview")->pixmap().toImage();
  EXPECT_NE(withLogo, plain);
  dialog.findChild<QCheckBox*>("chkMarkers")->setChecked(true);
  EXPECT_NE(dialog.findChild<QLabel*>("imgPreview")->pixmap().toImage(), withLogo);

  dialog.findChild<QComboBox*>("cmbExport")->setCurrentText("BMP file");
  EXPECT_EQ(dialog.findChild<QLabel*>("lblHinweis")->text(), "");
  const auto file = folder_.path() / "logo.bmp";
  ASSERT_TRUE(dialog.exportTo(file));
  const QImage written(QString::fromStdString(file.string()));
  EXPECT_EQ(written.pixelColor(written.width() / 2, written.height() / 2), QColor(0x1f, 0x5f, 0xbf));
  const auto decoded = orvosal::testing::runShellCommand("zbarimg --quiet --raw '" + file.string() + "'");
  if (decoded.status == 127) GTEST_SKIP() << "zbarimg fehlt (Paket zbar-tools)";
  EXPECT_EQ(decoded.output, "Orvosal Rechnung 4711\n");

  dialog.findChild<QComboBox*>("cmbExport")->setCurrentText("EPS file");
  EXPECT_EQ(dialog.findChild<QLabel*>("lblHinweis")->text(),
            "EPS und WMF werden ohne Logo und Markierungen geschrieben.");
  QDir().mkpath(ORVOSAL_SCREENSHOT_DIR);
  EXPECT_TRUE(dialog.grab().save(QString(ORVOSAL_SCREENSHOT_DIR) + "/frm_qr_code.png"));

  FrmQRCode reopened(session_);
  EXPECT_EQ(reopened.findChild<QLineEdit*>("txtLogo")->text().toStdString(), logo.string());
  EXPECT_TRUE(reopened.findChild<QCheckBox*>("chkMarkers")->isChecked());
  reopened.findChild<QPushButton*>("cmdLogoEntfernen")->click();
  EXPECT_EQ(session_.settings().ReadSetting("QRCodeSettings", "txtLogo"), "");
}

TEST_F(FrmQRCodeTest, UnreadableLogoShowsTheMessageAndKeepsTheLogoBefore) {
  const auto notAnImage = folder_.path() / "text.png";
  std::ofstream(notAnImage) << "kein Bild";
  FrmQRCode dialog(session_);
  for (const auto& file : {notAnImage, folder_.path() / "fehlt.png"}) {
    EXPECT_FALSE(dialog.chooseLogo(file));
    EXPECT_EQ(ui_.texts("message").back(),
              "Das Logo \"" + file.string() + "\" kann nicht als Bild gelesen werden.");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("txtLogo")->text(), "");
    EXPECT_EQ(session_.settings().ReadSetting("QRCodeSettings", "txtLogo"), "");
  }
}

}  // namespace
}  // namespace orvosal
