#include "core/rules/soundex.h"

#include <algorithm>

#include "core/text.h"

namespace orvosal {
namespace {

constexpr std::string_view kSharpS = "\xC3\x9F";  // "ß", which the upper-casing keeps

// The digit of each letter A to Z; "0" stands for none (vowels, H, W, Y).
constexpr std::string_view kLetterDigits = "01230120022455012623010202";

// The digit of an upper-case ASCII letter; empty for every other byte.
std::string_view digitOf(char c) {
  if (c < 'A' || c > 'Z') return {};
  const std::string_view digit = kLetterDigits.substr(static_cast<size_t>(c - 'A'), 1);
  return digit == "0" ? std::string_view{} : digit;
}

// The byte length of the UTF-8 character that starts with `lead`.
size_t characterLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

}  // namespace

std::string SoundEx(std::string_view name) {
  const std::string upper = toUpperGerman(name);
  if (upper.empty()) return {};
  const size_t first = std::min(characterLength(static_cast<unsigned char>(upper[0])), upper.size());
  std::string code = upper.substr(0, first);
  // The character before the next digit; a first character of several bytes never equals a digit.
  char previous = first == 1 ? upper[0] : '\0';
  size_t i = first;
  while (i < upper.size()) {
    std::string_view digits;
    if (std::string_view(upper).substr(i, kSharpS.size()) == kSharpS) {
      digits = "22";
      i += kSharpS.size();
    } else {
      digits = digitOf(upper[i]);
      ++i;
    }
    for (char digit : digits) {
      if (digit != previous) code += digit;
      previous = digit;
    }
  }
  return code;
}

}  // namespace orvosal
