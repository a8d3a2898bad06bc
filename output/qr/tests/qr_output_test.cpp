#include "output/qr/qr_output.h"

#include <gtest/gtest.h>

#include <QImage>

#include "core/clock.h"
#include "core/scripted_ui.h"
#include "core/session.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

class QrOutputTest : public ::testing::Test {
 protected:
  testing::TemporaryFolder folder;
  ScriptedUi ui;
  FixedClock clock{DateTime::parse("06.12.2026 14:05:05").value()};
  Session session{folder.path(), ui, clock};
};

TEST_F(QrOutputTest, SettingsDefaultsAndRoundTrip) {
  const QrCodeSettings defaults = readQrCodeSettings(session.settings());
  EXPECT_EQ(defaults.level, qr::ErrorLevel::L);
  EXPECT_EQ(defaults.scale, 1);
  EXPECT_EQ(defaults.quietZone, 4);
  EXPECT_EQ(defaults.version, 0);

  writeQrCodeSettings(session.settings(), {.level = qr::ErrorLevel::Q,
                                           .scale = 3,
                                           .quietZone = 2,
                                           .version = 5,
                                           .mode = qr::EncodingMode::AlphaNumeric});
  EXPECT_EQ(session.settings().ReadSetting("QRCodeSettings", "cmbVersion"), "5");
  EXPECT_EQ(session.settings().ReadSetting("QRCodeSettings", "cmbEncoding"), "AlphaNumeric");
  const QrCodeSettings read = readQrCodeSettings(session.settings());
  EXPECT_EQ(read.level, qr::ErrorLevel::Q);
  EXPECT_EQ(read.scale, 3);
  EXPECT_EQ(read.quietZone, 2);
  EXPECT_EQ(read.version, 5);
  EXPECT_EQ(read.mode, qr::EncodingMode::AlphaNumeric);
}

TEST_F(QrOutputTest, WritesTheFormatOfTheExtensionWithTheSavedSettings) {
  writeQrCodeSettings(session.settings(), {.scale = 2, .quietZone = 1, .version = 3});
  const auto file = folder.path() / "code.SVG";
  ASSERT_TRUE(OutPut_QRCode(session, "Orvosal", file));
  // Version 3: 29 modules and one module of quiet zone each side, 2 pixels per module.
  EXPECT_NE(testing::fileText(file).find("<svg width='62' height='62'"), std::string::npos);
  ASSERT_TRUE(OutPut_QRCode(session, "Orvosal", folder.path() / "code.eps"));
  EXPECT_NE(testing::fileText(folder.path() / "code.eps").find("%%CreationDate: Sun Dec 6 14:05:05 2026\r\n"),
            std::string::npos);

  const std::string temporary = Generate_QRCode(session, "Orvosal");
  ASSERT_FALSE(temporary.empty());
  EXPECT_EQ(testing::fileText(temporary).substr(0, 2), "BM");
  std::filesystem::remove(temporary);
}

TEST_F(QrOutputTest, FailureShowsTheMessageAndWritesNothing) {
  writeQrCodeSettings(session.settings(), {.version = 1});
  const struct {
    std::string text;
    std::string_view message;
  } cases[] = {{"", "The code is empty !"},
               {std::string(200, 'x'), "Too many data or matrix size too small !"}};
  for (const auto& c : cases) {
    const auto file = folder.path() / "failed.svg";
    EXPECT_FALSE(OutPut_QRCode(session, c.text, file));
    EXPECT_FALSE(std::filesystem::exists(file));
    ASSERT_FALSE(ui.texts("message").empty());
    EXPECT_EQ(ui.texts("message").back(), c.message);
  }
}

// Report codes carry the saved logo but never the markers, which are a view for the eye.
TEST_F(QrOutputTest, SavedLogoIsDrawnAndMarkersAreNot) {
  QImage picture(30, 30, QImage::Format_RGB32);
  picture.fill(QColor(0x1f, 0x5f, 0xbf));
  const auto logo = folder.path() / "logo.png";
  ASSERT_TRUE(picture.save(QString::fromStdString(logo.string())));
  writeQrCodeSettings(session.settings(), {.scale = 4, .logo = logo.string(), .showMarkers = true});
  EXPECT_EQ(readQrCodeSettings(session.settings()).logo, logo.string());
  EXPECT_TRUE(readQrCodeSettings(session.settings()).showMarkers);

  const auto file = folder.path() / "logo.bmp";
  ASSERT_TRUE(OutPut_QRCode(session, "Orvosal", file));
  const QImage written(QString::fromStdString(file.string()));
  EXPECT_EQ(written.pixelColor(written.width() / 2, written.height() / 2), QColor(0x1f, 0x5f, 0xbf));
  // The top left finder pattern starts after the quiet zone of four modules.
  EXPECT_EQ(written.pixelColor(16, 16), QColor(Qt::black));

  // A logo removed since it was chosen is reported; the code is written plain.
  std::filesystem::remove(logo);
  ASSERT_TRUE(OutPut_QRCode(session, "Orvosal", file));
  EXPECT_EQ(ui.texts("message").back(),
            "Das Logo \"" + logo.string() + "\" kann nicht als Bild gelesen werden.");
  EXPECT_EQ(QImage(QString::fromStdString(file.string())).depth(), 1);
}

}  // namespace
}  // namespace orvosal
