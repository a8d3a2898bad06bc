#pragma once

#include <QString>

#include <string_view>

namespace orvosal {

// Text of the core (UTF-8) as Qt shows it.
inline QString toQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace orvosal
