#include "core/db/sql_unicode.h"

namespace orvosal {

char32_t nextCodePoint(std::string_view text, size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  const size_t length = lead < 0xC2 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 1;
  if (length == 1 || pos + length > text.size()) {
    ++pos;
    return lead;
  }
  char32_t codePoint = lead & (0x7F >> length);
  for (size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + i]);
    if ((next & 0xC0) != 0x80) {
      ++pos;
      return lead;
    }
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  pos += length;
  return codePoint;
}

void appendUtf8(std::string& out, char32_t codePoint) {
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (codePoint >> 18));
    out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

char32_t lowerCodePoint(char32_t c) {
  if (c < 0x80) return c >= 'A' && c <= 'Z' ? c + 0x20 : c;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
  if (c < 0x100 || c > 0x17F) return c == 0x1E9E ? char32_t{0xDF} : c;
  // Latin Extended-A pairs each capital with the small letter right after it.
  const bool evenCapital = (c <= 0x12E) || (c >= 0x132 && c <= 0x136) || (c >= 0x14A && c <= 0x176);
  const bool oddCapital = (c >= 0x139 && c <= 0x147) || (c >= 0x179 && c <= 0x17D);
  if ((evenCapital && c % 2 == 0) || (oddCapital && c % 2 == 1)) return c + 1;
  if (c == 0x130) return 'i';
  if (c == 0x178) return 0xFF;
  return c;
}

std::string lowerName(std::string_view name) {
  std::string out;
  out.reserve(name.size());
  for (size_t pos = 0; pos < name.size();) {
    const auto byte = static_cast<unsigned char>(name[pos]);
    if (byte < 0x80) {
      out += static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte + 0x20 : byte);
      ++pos;
      continue;
    }
    const size_t start = pos;
    const char32_t c = nextCodePoint(name, pos);
    const char32_t lower = lowerCodePoint(c);
    if (lower == c) {
      out.append(name.substr(start, pos - start));
    } else {
      appendUtf8(out, lower);
    }
  }
  return out;
}

std::string quotePostgresName(std::string_view name) {
  std::string out = "\"";
  for (char c : lowerName(name)) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
  return out;
}

}  // namespace orvosal
