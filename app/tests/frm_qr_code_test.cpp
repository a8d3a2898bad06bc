#include "app/frm_qr_code.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <fstream>
#include <sstream>

#include "core/clock.h"
#include "core/scripted_ui.h"
#include "core/session.h"
#include "core/tests/db_test_support.h"

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
  std::ifstream in(file);
  std::stringstream svg;
  svg << in.rdbuf();
  // Version 4: 33 modules and a border of one module each side, 2 pixels each.
  EXPECT_NE(svg.str().find("<svg width='70' height='70'"), std::string::npos);

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

}  // namespace
}  // namespace orvosal
