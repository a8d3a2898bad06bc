#include <gtest/gtest.h>

#include <QGuiApplication>

// Rendering needs the font database of a QGuiApplication; the tests use the offscreen platform.
int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
