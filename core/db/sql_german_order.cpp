#include "core/db/sql_german_order.h"

#include <array>
#include <cstdint>

#include "core/db/sql_unicode.h"

namespace orvosal {
namespace {

// Primary weights of the ASCII characters: controls, blanks, punctuation and symbols in the order
// of the Unicode collation, then digits, then letters regardless of case.
constexpr std::string_view kSymbolOrder = "\t\n\v\f\r _-,;:!?.'\"()[]{}@*/\\&#%`^+<=>|~$";
constexpr uint32_t kDigitWeight = 100;
constexpr uint32_t kLetterWeight = 200;
constexpr uint32_t kOtherWeight = 0x1000;  // plus the code point, behind every letter

constexpr std::array<uint32_t, 128> kAsciiWeights = [] {
  std::array<uint32_t, 128> weights{};
  for (size_t c = 0; c < weights.size(); ++c) weights[c] = 1;
  for (size_t i = 0; i < kSymbolOrder.size(); ++i)
    weights[static_cast<unsigned char>(kSymbolOrder[i])] = 2 + i;
  for (char c = '0'; c <= '9'; ++c) weights[static_cast<unsigned char>(c)] = kDigitWeight + (c - '0');
  for (char c = 'a'; c <= 'z'; ++c) {
    weights[static_cast<unsigned char>(c)] = kLetterWeight + (c - 'a');
    weights[static_cast<unsigned char>(c - 0x20)] = kLetterWeight + (c - 'a');
  }
  return weights;
}();

// The Latin-1 and Latin Extended-A letters as base letters and the mark that tells them apart
// from the plain letters.
struct Letter {
  std::string_view base;  // empty for the non-letters
  char16_t mark;
};

constexpr std::array<Letter, 0x180 - 0xC0> kLetters = {{
    {"a", 0x300},   // À
    {"a", 0x301},   // Á
    {"a", 0x302},   // Â
    {"a", 0x303},   // Ã
    {"a", 0x308},   // Ä
    {"a", 0x30A},   // Å
    {"ae", 0x0E6},  // Æ
    {"c", 0x327},   // Ç
    {"e", 0x300},   // È
    {"e", 0x301},   // É
    {"e", 0x302},   // Ê
    {"e", 0x308},   // Ë
    {"i", 0x300},   // Ì
    {"i", 0x301},   // Í
    {"i", 0x302},   // Î
    {"i", 0x308},   // Ï
    {"d", 0x0F0},   // Ð
    {"n", 0x303},   // Ñ
    {"o", 0x300},   // Ò
    {"o", 0x301},   // Ó
    {"o", 0x302},   // Ô
    {"o", 0x303},   // Õ
    {"o", 0x308},   // Ö
    {"", 0},        // U+00D7 MULTIPLICATION SIGN
    {"o", 0x338},   // Ø
    {"u", 0x300},   // Ù
    {"u", 0x301},   // Ú
    {"u", 0x302},   // Û
    {"u", 0x308},   // Ü
    {"y", 0x301},   // Ý
    {"th", 0x0FE},  // Þ
    {"ss", 0x000},  // ß
    {"a", 0x300},   // à
    {"a", 0x301},   // á
    {"a", 0x302},   // â
    {"a", 0x303},   // ã
    {"a", 0x308},   // ä
    {"a", 0x30A},   // å
    {"ae", 0x0E6},  // æ
    {"c", 0x327},   // ç
    {"e", 0x300},   // è
    {"e", 0x301},   // é
    {"e", 0x302},   // ê
    {"e", 0x308},   // ë
    {"i", 0x300},   // ì
    {"i", 0x301},   // í
    {"i", 0x302},   // î
    {"i", 0x308},   // ï
    {"d", 0x0F0},   // ð
    {"n", 0x303},   // ñ
    {"o", 0x300},   // ò
    {"o", 0x301},   // ó
    {"o", 0x302},   // ô
    {"o", 0x303},   // õ
    {"o", 0x308},   // ö
    {"", 0},        // U+00F7 DIVISION SIGN
    {"o", 0x338},   // ø
    {"u", 0x300},   // ù
    {"u", 0x301},   // ú
    {"u", 0x302},   // û
    {"u", 0x308},   // ü
    {"y", 0x301},   // ý
    {"th", 0x0FE},  // þ
    {"y", 0x308},   // ÿ
    {"a", 0x304},   // Ā
    {"a", 0x304},   // ā
    {"a", 0x306},   // Ă
    {"a", 0x306},   // ă
    {"a", 0x328},   // Ą
    {"a", 0x328},   // ą
    {"c", 0x301},   // Ć
    {"c", 0x301},   // ć
    {"c", 0x302},   // Ĉ
    {"c", 0x302},   // ĉ
    {"c", 0x307},   // Ċ
    {"c", 0x307},   // ċ
    {"c", 0x30C},   // Č
    {"c", 0x30C},   // č
    {"d", 0x30C},   // Ď
    {"d", 0x30C},   // ď
    {"d", 0x335},   // Đ
    {"d", 0x335},   // đ
    {"e", 0x304},   // Ē
    {"e", 0x304},   // ē
    {"e", 0x306},   // Ĕ
    {"e", 0x306},   // ĕ
    {"e", 0x307},   // Ė
    {"e", 0x307},   // ė
    {"e", 0x328},   // Ę
    {"e", 0x328},   // ę
    {"e", 0x30C},   // Ě
    {"e", 0x30C},   // ě
    {"g", 0x302},   // Ĝ
    {"g", 0x302},   // ĝ
    {"g", 0x306},   // Ğ
    {"g", 0x306},   // ğ
    {"g", 0x307},   // Ġ
    {"g", 0x307},   // ġ
    {"g", 0x327},   // Ģ
    {"g", 0x327},   // ģ
    {"h", 0x302},   // Ĥ
    {"h", 0x302},   // ĥ
    {"h", 0x335},   // Ħ
    {"h", 0x335},   // ħ
    {"i", 0x303},   // Ĩ
    {"i", 0x303},   // ĩ
    {"i", 0x304},   // Ī
    {"i", 0x304},   // ī
    {"i", 0x306},   // Ĭ
    {"i", 0x306},   // ĭ
    {"i", 0x328},   // Į
    {"i", 0x328},   // į
    {"i", 0x307},   // İ
    {"i", 0x131},   // ı
    {"ij", 0x133},  // Ĳ
    {"ij", 0x133},  // ĳ
    {"j", 0x302},   // Ĵ
    {"j", 0x302},   // ĵ
    {"k", 0x327},   // Ķ
    {"k", 0x327},   // ķ
    {"q", 0x138},   // ĸ
    {"l", 0x301},   // Ĺ
    {"l", 0x301},   // ĺ
    {"l", 0x327},   // Ļ
    {"l", 0x327},   // ļ
    {"l", 0x30C},   // Ľ
    {"l", 0x30C},   // ľ
    {"l", 0x0B7},   // Ŀ
    {"l", 0x0B7},   // ŀ
    {"l", 0x335},   // Ł
    {"l", 0x335},   // ł
    {"n", 0x301},   // Ń
    {"n", 0x301},   // ń
    {"n", 0x327},   // Ņ
    {"n", 0x327},   // ņ
    {"n", 0x30C},   // Ň
    {"n", 0x30C},   // ň
    {"n", 0x2BC},   // ŉ
    {"n", 0x14B},   // Ŋ
    {"n", 0x14B},   // ŋ
    {"o", 0x304},   // Ō
    {"o", 0x304},   // ō
    {"o", 0x306},   // Ŏ
    {"o", 0x306},   // ŏ
    {"o", 0x30B},   // Ő
    {"o", 0x30B},   // ő
    {"oe", 0x153},  // Œ
    {"oe", 0x153},  // œ
    {"r", 0x301},   // Ŕ
    {"r", 0x301},   // ŕ
    {"r", 0x327},   // Ŗ
    {"r", 0x327},   // ŗ
    {"r", 0x30C},   // Ř
    {"r", 0x30C},   // ř
    {"s", 0x301},   // Ś
    {"s", 0x301},   // ś
    {"s", 0x302},   // Ŝ
    {"s", 0x302},   // ŝ
    {"s", 0x327},   // Ş
    {"s", 0x327},   // ş
    {"s", 0x30C},   // Š
    {"s", 0x30C},   // š
    {"t", 0x327},   // Ţ
    {"t", 0x327},   // ţ
    {"t", 0x30C},   // Ť
    {"t", 0x30C},   // ť
    {"t", 0x335},   // Ŧ
    {"t", 0x335},   // ŧ
    {"u", 0x303},   // Ũ
    {"u", 0x303},   // ũ
    {"u", 0x304},   // Ū
    {"u", 0x304},   // ū
    {"u", 0x306},   // Ŭ
    {"u", 0x306},   // ŭ
    {"u", 0x30A},   // Ů
    {"u", 0x30A},   // ů
    {"u", 0x30B},   // Ű
    {"u", 0x30B},   // ű
    {"u", 0x328},   // Ų
    {"u", 0x328},   // ų
    {"w", 0x302},   // Ŵ
    {"w", 0x302},   // ŵ
    {"y", 0x302},   // Ŷ
    {"y", 0x302},   // ŷ
    {"y", 0x308},   // Ÿ
    {"z", 0x301},   // Ź
    {"z", 0x301},   // ź
    {"z", 0x307},   // Ż
    {"z", 0x307},   // ż
    {"z", 0x30C},   // Ž
    {"z", 0x30C},   // ž
    {"s", 0x17F},   // ſ
}};

struct Element {
  uint32_t primary;
  uint32_t secondary;
};

// Reads a text as a row of collation elements; letters like ß give two.
class Elements {
 public:
  Elements(std::string_view text, size_t pos) : text_(text), pos_(pos) {}

  bool next(Element& element) {
    if (!pending_.empty()) {
      element = {letterWeight(pending_.front()), 0};
      pending_.remove_prefix(1);
      return true;
    }
    if (pos_ >= text_.size()) return false;
    const char32_t c = nextCodePoint(text_, pos_);
    if (c < 0x80) {
      element = {kAsciiWeights[c], 0};
    } else if (c >= 0xC0 && c < 0x180 && !kLetters[c - 0xC0].base.empty()) {
      const Letter& letter = kLetters[c - 0xC0];
      element = {letterWeight(letter.base.front()), letter.mark};
      pending_ = letter.base.substr(1);
    } else {
      element = {kOtherWeight + c, 0};
    }
    return true;
  }

 private:
  static uint32_t letterWeight(char c) { return kLetterWeight + (c - 'a'); }

  std::string_view text_;
  size_t pos_;
  std::string_view pending_;
};

template <typename Weight>
int comparePass(std::string_view a, std::string_view b, size_t start, Weight weight) {
  Elements left(a, start);
  Elements right(b, start);
  Element x{};
  Element y{};
  while (true) {
    const bool moreLeft = left.next(x);
    const bool moreRight = right.next(y);
    if (!moreLeft || !moreRight) return moreLeft ? 1 : moreRight ? -1 : 0;
    if (weight(x) != weight(y)) return weight(x) < weight(y) ? -1 : 1;
  }
}

}  // namespace

int compareGerman(std::string_view a, std::string_view b) {
  // Most texts are plain ASCII: no accents, one element per byte.
  const size_t common = a.size() < b.size() ? a.size() : b.size();
  size_t i = 0;
  for (; i < common; ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (x >= 0x80 || y >= 0x80) break;
    if (kAsciiWeights[x] != kAsciiWeights[y]) return kAsciiWeights[x] < kAsciiWeights[y] ? -1 : 1;
  }
  if (i == common) return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
  if (const int primary = comparePass(a, b, i, [](const Element& e) { return e.primary; }); primary != 0) {
    return primary;
  }
  return comparePass(a, b, i, [](const Element& e) { return e.secondary; });
}

bool likeGerman(std::string_view pattern, std::string_view text, char32_t escape) {
  size_t p = 0;
  size_t t = 0;
  size_t starPattern = std::string_view::npos;
  size_t starText = 0;
  while (t < text.size()) {
    if (p < pattern.size()) {
      size_t afterPattern = p;
      char32_t wanted = nextCodePoint(pattern, afterPattern);
      const bool escaped = escape != 0 && wanted == escape && afterPattern < pattern.size();
      if (escaped) wanted = nextCodePoint(pattern, afterPattern);
      if (!escaped && wanted == '%') {
        starPattern = p = afterPattern;
        starText = t;
        continue;
      }
      size_t afterText = t;
      const char32_t found = nextCodePoint(text, afterText);
      if ((!escaped && wanted == '_') || lowerCodePoint(found) == lowerCodePoint(wanted)) {
        p = afterPattern;
        t = afterText;
        continue;
      }
    }
    if (starPattern == std::string_view::npos) return false;
    nextCodePoint(text, starText);
    t = starText;
    p = starPattern;
  }
  while (p < pattern.size()) {
    if (nextCodePoint(pattern, p) != '%') return false;
  }
  return true;
}

}  // namespace orvosal
