#include "app/display_settings.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QLineEdit>

#include "core/scripted_ui.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::TemporaryFolder;

// Counts the tool-tip events that reach it.
class ToolTipProbe : public QWidget {
 public:
  int toolTips = 0;

 protected:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::ToolTip) ++toolTips;
    return QWidget::event(event);
  }
};

// A session on a bare folder whose display settings are applied to the program; the program's
// palette is put back afterwards, and what was installed goes with the owner.
class DisplaySettingsTest : public ::testing::Test {
 protected:
  ~DisplaySettingsTest() override { QApplication::setPalette(before_); }

  void apply() {
    owner_ = std::make_unique<QWidget>();
    applyDisplaySettings(session_, *owner_);
  }

  int toolTipsReaching() {
    ToolTipProbe probe;
    probe.setToolTip("Hilfe");
    QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), QPoint(1, 1));
    QApplication::sendEvent(&probe, &help);
    return probe.toolTips;
  }

  TemporaryFolder folder_;
  ScriptedUi ui_;
  FixedClock clock_{DateTime::parse("05.03.2024 10:30:00").value()};
  Session session_{folder_.path(), ui_, clock_};
  QPalette before_ = QApplication::palette();
  std::unique_ptr<QWidget> owner_;
};

TEST_F(DisplaySettingsTest, TheColoursGoIntoTheProgramsPalette) {
  WindowColours& colours = session_.area<WindowColours>();
  colours.mainBack = {10, 20, 30};
  colours.textBack = {250, 240, 230};
  colours.border = {1, 2, 3};
  apply();
  const QPalette palette = QApplication::palette();
  EXPECT_EQ(palette.color(QPalette::Window), QColor(10, 20, 30));
  EXPECT_EQ(palette.color(QPalette::Button), QColor(10, 20, 30));
  EXPECT_EQ(palette.color(QPalette::WindowText), QColor(Qt::white)) << "readable on the dark background";
  EXPECT_EQ(palette.color(QPalette::Base), QColor(250, 240, 230));
  EXPECT_EQ(palette.color(QPalette::Text), QColor(Qt::black));
  EXPECT_EQ(palette.color(QPalette::Dark), QColor(1, 2, 3));
  EXPECT_EQ(QLineEdit().palette().color(QPalette::Base), QColor(250, 240, 230));
}

TEST_F(DisplaySettingsTest, TheFieldWithTheFocusHasTheActiveBackground) {
  session_.area<WindowColours>().aktivBack = {255, 255, 0};
  apply();
  QLineEdit field;
  QFocusEvent in(QEvent::FocusIn);
  QApplication::sendEvent(&field, &in);
  EXPECT_EQ(field.palette().color(QPalette::Base), QColor(255, 255, 0));
  QFocusEvent out(QEvent::FocusOut);
  QApplication::sendEvent(&field, &out);
  EXPECT_EQ(field.palette().color(QPalette::Base), QColor(255, 255, 255));
}

TEST_F(DisplaySettingsTest, ToolTippsOffSwallowsToolTipsAndOnLetsThemThrough) {
  session_.area<UserOptions>().toolTipps = false;
  apply();
  EXPECT_EQ(toolTipsReaching(), 0);
  session_.area<UserOptions>().toolTipps = true;
  apply();  // the filter of the first owner goes with it
  EXPECT_EQ(toolTipsReaching(), 1);
}

}  // namespace
}  // namespace orvosal
