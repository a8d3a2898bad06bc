#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QSet>
#include <QTest>

#include "app/main_window.h"
#include "core/version.h"

namespace orvosal {
namespace {

TEST(MainWindow, ShowsProductTitleVersionAndMenus) {
  MainWindow window;
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

  EXPECT_EQ(window.windowTitle(), "Orvosal");
  auto* version = window.findChild<QLabel*>("versionLabel");
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(version->text(), QString("Version: %1").arg(kVersionText));

  QStringList menus;
  for (QAction* action : window.menuBar()->actions()) menus << action->text().remove('&');
  EXPECT_EQ(menus, (QStringList{"Datei", "Stammdaten", "Verkauf", "Einkauf", "Extras", "Hilfe"}));

  // The picture is kept in the build folder so a person can look at the window.
  QDir().mkpath(ORVOSAL_SCREENSHOT_DIR);
  const QString file = QString(ORVOSAL_SCREENSHOT_DIR) + "/main_window.png";
  const QImage image = window.grab().toImage();
  ASSERT_TRUE(image.save(file));
  EXPECT_EQ(image.width(), window.width());
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); y += 4) {
    for (int x = 0; x < image.width(); x += 4) colours.insert(image.pixel(x, y));
  }
  EXPECT_GT(colours.size(), 2) << "the window rendered as a blank area";
}

}  // namespace
}  // namespace orvosal
