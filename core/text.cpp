#include "core/text.h"

#include <algorithm>

namespace orvosal {

namespace {

constexpr std::string_view kWhitespace = " \t\r\n";

char32_t upperOf(char32_t c) {
  if ((c >= U'a' && c <= U'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;
  switch (c) {
    case 0xFF:  // ÿ
      return 0x178;
    case 0x153:  // œ
    case 0x161:  // š
    case 0x17E:  // ž
      return c - 1;
    default:
      return c;
  }
}

char32_t lowerOf(char32_t c) {
  if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
  switch (c) {
    case 0x178:  // Ÿ
      return 0xFF;
    case 0x152:  // Œ
    case 0x160:  // Š
    case 0x17D:  // Ž
      return c + 1;
    default:
      return c;
  }
}

// All letters with a case partner are ASCII or two-byte sequences led by 0xC3 (U+00C0..U+00FF) or
// 0xC5 (U+0140..U+017F), and their partners are too, so the mapping works byte-wise on those and
// copies everything else.
template <typename Map>
std::string mapCase(std::string_view text, Map map) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      out += static_cast<char>(map(lead));
      continue;
    }
    const bool mappable = (lead == 0xC3 || lead == 0xC5) && i + 1 < text.size() &&
                          (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80;
    if (!mappable) {
      out += text[i];
      continue;
    }
    const char32_t c = ((lead & 0x1Fu) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3Fu);
    const char32_t mapped = map(c);
    out += static_cast<char>(0xC0 | (mapped >> 6));
    out += static_cast<char>(0x80 | (mapped & 0x3F));
    ++i;
  }
  return out;
}

bool isDigits(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "1.234" or "12.345.678": a first group of 1..3 digits without leading zero, then ".ddd" groups.
bool isGrouped(std::string_view s) {
  const size_t firstPoint = s.find('.');
  if (firstPoint == std::string_view::npos || firstPoint == 0 || firstPoint > 3 || s[0] == '0' ||
      !isDigits(s.substr(0, firstPoint))) {
    return false;
  }
  const std::string_view groups = s.substr(firstPoint);
  if (groups.size() % 4 != 0) return false;
  for (size_t i = 0; i < groups.size(); i += 4) {
    if (groups[i] != '.' || !isDigits(groups.substr(i + 1, 3))) return false;
  }
  return true;
}

std::string withoutPoints(std::string_view s) {
  std::string out;
  std::copy_if(s.begin(), s.end(), std::back_inserter(out), [](char c) { return c != '.'; });
  return out;
}

}  // namespace

std::string_view trim(std::string_view text) {
  const size_t first = text.find_first_not_of(kWhitespace);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kWhitespace) - first + 1);
}

std::string toUpperGerman(std::string_view text) { return mapCase(text, upperOf); }

std::string toLowerGerman(std::string_view text) { return mapCase(text, lowerOf); }

bool equalsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  // Names are mostly ASCII: compare those without building lower-case copies.
  for (size_t i = 0; i < a.size(); ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (x >= 0x80 || y >= 0x80) return toLowerGerman(a.substr(i)) == toLowerGerman(b.substr(i));
    if (x != y && (x | 0x20) != (y | 0x20)) return false;
    if (x != y && !((x | 0x20) >= 'a' && (x | 0x20) <= 'z')) return false;
  }
  return true;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && toLowerGerman(text).starts_with(toLowerGerman(prefix));
}

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(text);
  std::string out;
  size_t start = 0;
  for (size_t hit = text.find(from); hit != std::string_view::npos; hit = text.find(from, start)) {
    out.append(text.substr(start, hit - start)).append(to);
    start = hit + from.size();
  }
  return out.append(text.substr(start));
}

std::vector<std::string> splitString(std::string_view text, std::string_view delimiter) {
  if (text.empty()) return {};
  if (delimiter.empty()) return {std::string(text)};
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t hit = text.find(delimiter); hit != std::string_view::npos; hit = text.find(delimiter, start)) {
    parts.emplace_back(text.substr(start, hit - start));
    start = hit + delimiter.size();
  }
  parts.emplace_back(text.substr(start));
  return parts;
}

std::string firstCharacters(std::string_view text, long count) {
  if (count <= 0) return std::string(text);
  size_t end = 0;
  for (long taken = 0; end < text.size() && taken < count; ++taken) {
    ++end;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  }
  return std::string(text.substr(0, end));
}

std::string joinStrings(const std::vector<std::string>& parts, std::string_view delimiter) {
  std::string joined;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) joined += delimiter;
    joined += parts[i];
  }
  return joined;
}

std::optional<DecimalDigits> splitDecimal(std::string_view text) {
  std::string_view body = trim(text);
  DecimalDigits digits;
  if (!body.empty() && (body.front() == '+' || body.front() == '-')) {
    digits.negative = body.front() == '-';
    body.remove_prefix(1);
  }
  std::string_view integer = body;
  std::string_view fraction;
  if (const size_t comma = body.find(','); comma != std::string_view::npos) {
    integer = body.substr(0, comma);
    fraction = body.substr(comma + 1);
  } else if (!isGrouped(body)) {
    const size_t point = body.find('.');
    integer = body.substr(0, point);
    fraction = point == std::string_view::npos ? std::string_view() : body.substr(point + 1);
  }
  if (isGrouped(integer)) {
    digits.integerDigits = withoutPoints(integer);
  } else if (isDigits(integer)) {
    digits.integerDigits = integer;
  } else {
    return std::nullopt;
  }
  if (!isDigits(fraction) || (integer.empty() && fraction.empty())) return std::nullopt;
  digits.fractionDigits = fraction;
  return digits;
}

bool isNumeric(std::string_view text) { return splitDecimal(text).has_value(); }

std::string xmlEscaped(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      case '\'':
        escaped += "&apos;";
        break;
      case '\r':
        break;
      default:
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\n' || c == '\t') escaped += c;
    }
  }
  return escaped;
}

}  // namespace orvosal
