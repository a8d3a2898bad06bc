#include "app/display_settings.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace orvosal {
namespace {

QColor qColour(RgbColour colour) { return QColor(colour.red, colour.green, colour.blue); }

// Black text on light backgrounds, white on dark ones.
QColor readableOn(const QColor& background) { return background.lightness() >= 128 ? Qt::black : Qt::white; }

bool isInputField(const QObject* object) {
  return qobject_cast<const QLineEdit*>(object) || qobject_cast<const QAbstractSpinBox*>(object) ||
         qobject_cast<const QTextEdit*>(object) || qobject_cast<const QPlainTextEdit*>(object) ||
         qobject_cast<const QComboBox*>(object);
}

// Sees every event of the program before its receiver: gives the input field that gains the focus
// the active background and the one that loses it the normal one back, and swallows tool tips
// while they are switched off.
class DisplaySettingsFilter : public QObject {
 public:
  DisplaySettingsFilter(QColor aktivBack, bool toolTips, QObject* parent)
      : QObject(parent), aktivBack_(aktivBack), toolTips_(toolTips) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::ToolTip:
        return !toolTips_;
      case QEvent::FocusIn:
      case QEvent::FocusOut:
        if (isInputField(watched)) {
          auto* field = static_cast<QWidget*>(watched);
          QPalette palette = field->palette();
          palette.setColor(QPalette::Base, event->type() == QEvent::FocusIn
                                               ? aktivBack_
                                               : QApplication::palette(field).color(QPalette::Base));
          palette.setColor(QPalette::Text, readableOn(palette.color(QPalette::Base)));
          field->setPalette(palette);
        }
        return false;
      default:
        return false;
    }
  }

 private:
  QColor aktivBack_;
  bool toolTips_;
};

}  // namespace

QPalette paletteWithColours(QPalette palette, const WindowColours& colours) {
  const QColor mainBack = qColour(colours.mainBack);
  const QColor textBack = qColour(colours.textBack);
  const QColor border = qColour(colours.border);
  palette.setColor(QPalette::Window, mainBack);
  palette.setColor(QPalette::Button, mainBack);
  palette.setColor(QPalette::WindowText, readableOn(mainBack));
  palette.setColor(QPalette::ButtonText, readableOn(mainBack));
  palette.setColor(QPalette::Base, textBack);
  palette.setColor(QPalette::Text, readableOn(textBack));
  palette.setColor(QPalette::Mid, border);
  palette.setColor(QPalette::Dark, border);
  return palette;
}

void applyDisplaySettings(Session& session, QWidget& owner) {
  const WindowColours& colours = session.area<WindowColours>();
  QApplication::setPalette(paletteWithColours(QApplication::palette(), colours));
  qApp->installEventFilter(
      new DisplaySettingsFilter(qColour(colours.aktivBack), session.area<UserOptions>().toolTipps, &owner));
}

}  // namespace orvosal
