#pragma once

#include <QColor>
#include <QString>
#include <string>

#include "output/layout/layout.h"

namespace orvosal {

// The Qt forms of a layout's alignment and colours, shared by the renderer and the designer.

inline Qt::Alignment qtAlignment(LayoutAlign align) {
  switch (align) {
    case LayoutAlign::Center:
      return Qt::AlignHCenter;
    case LayoutAlign::Right:
      return Qt::AlignRight;
    case LayoutAlign::Left:
      break;
  }
  return Qt::AlignLeft;
}

// "#rrggbb" as a colour; an empty or unreadable text gives the fallback.
inline QColor layoutColour(const std::string& hex, QColor fallback) {
  const QColor colour(QString::fromStdString(hex));
  return colour.isValid() ? colour : fallback;
}

}  // namespace orvosal
