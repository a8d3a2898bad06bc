#include "output/qr/tilde_escape.h"

#include <optional>

namespace orvosal::qr {

namespace {

std::optional<int> digitValue(char c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9') value = c - '0';
  if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  if (value < 0 || value >= base) return std::nullopt;
  return value;
}

// The number in text[from, from + count) in that base, if every character is a digit of it.
std::optional<int> numberAt(std::string_view text, size_t from, size_t count, int base) {
  if (from + count > text.size()) return std::nullopt;
  int value = 0;
  for (size_t i = from; i < from + count; ++i) {
    const auto digit = digitValue(text[i], base);
    if (!digit) return std::nullopt;
    value = value * base + *digit;
  }
  return value;
}

}  // namespace

std::string applyTildeEscapes(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '~' || i + 1 >= text.size()) {
      result += text[i];
      continue;
    }
    const char kind = text[i + 1];
    if (kind == '~') {
      result += '~';
      ++i;
      continue;
    }
    const auto code = kind == 'd'   ? numberAt(text, i + 2, 3, 10)
                      : kind == 'h' ? numberAt(text, i + 2, 2, 16)
                                    : std::nullopt;
    if (code && *code <= 255) {
      result += static_cast<char>(*code);
      i += kind == 'd' ? 4 : 3;
    } else {
      result += '~';
    }
  }
  return result;
}

}  // namespace orvosal::qr
