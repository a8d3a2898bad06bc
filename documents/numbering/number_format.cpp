#include "documents/numbering/number_format.h"

#include <cctype>

namespace orvosal {
namespace {

char lowerAscii(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool matchesAt(std::string_view text, size_t at, std::string_view placeholder) {
  if (text.size() - at < placeholder.size()) return false;
  for (size_t i = 0; i < placeholder.size(); ++i) {
    if (lowerAscii(text[at + i]) != lowerAscii(placeholder[i])) return false;
  }
  return true;
}

std::string replaceNoCase(std::string_view text, std::string_view placeholder, std::string_view by) {
  std::string result;
  size_t at = 0;
  while (at < text.size()) {
    if (matchesAt(text, at, placeholder)) {
      result += by;
      at += placeholder.size();
    } else {
      result += text[at++];
    }
  }
  return result;
}

std::string fourDigits(int year) {
  std::string digits = std::to_string(year);
  return std::string(digits.size() < 4 ? 4 - digits.size() : 0, '0') + digits;
}

}  // namespace

std::string replaceYearPlaceholders(std::string_view text, int year) {
  const std::string four = fourDigits(year);
  const std::string two = four.substr(four.size() - 2);
  std::string result = replaceNoCase(text, "[JAHR]", four);
  result = replaceNoCase(result, "[JJ]", two);
  result = replaceNoCase(result, "[JJJJ]", four);
  result = replaceNoCase(result, "[YY]", two);
  return replaceNoCase(result, "[YYYY]", four);
}

std::string Replace_Year_Placeholders(const Session& session, std::string_view text) {
  return replaceYearPlaceholders(text, session.clock().today().year());
}

std::string padRangeNumber(std::string_view number, int stellen) {
  if (stellen < 0) return {};
  if (stellen == 0) return std::string(number);
  const std::string padded = std::string(static_cast<size_t>(stellen), '0') + std::string(number);
  return padded.substr(padded.size() - static_cast<size_t>(stellen));
}

std::string Beleg_Nummer_Vorschau(const Session& session, std::string_view vortext, std::string_view nummer,
                                  std::string_view nachtext, int stellen) {
  const std::string year = fourDigits(session.clock().today().year());
  return replaceNoCase(std::string(vortext) + padRangeNumber(nummer, stellen) + std::string(nachtext),
                       "[Jahr]", year);
}

}  // namespace orvosal
