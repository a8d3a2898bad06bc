#include "output/layout/value_format.h"

#include <array>

namespace orvosal {

namespace {

std::optional<NumberFormat> parseNumberFormat(std::string_view text) {
  NumberFormat format;
  if (text.starts_with("#,##0")) {
    format.grouping = true;
    text.remove_prefix(5);
  } else if (text.starts_with("0")) {
    text.remove_prefix(1);
  } else {
    return std::nullopt;
  }
  if (text.empty()) return format;
  if (text.front() != '.' || text.size() == 1) return std::nullopt;
  text.remove_prefix(1);
  std::size_t at = 0;
  while (at < text.size() && text[at] == '0') ++at;
  format.minDecimals = static_cast<int>(at);
  while (at < text.size() && text[at] == '#') ++at;
  if (at != text.size() || at > 6) return std::nullopt;
  format.maxDecimals = static_cast<int>(at);
  return format;
}

std::optional<DateFormat> parseDateFormat(std::string_view text) {
  static constexpr std::array<std::string_view, 9> kLetters = {"yyyy", "yy", "dd", "d", "MM",
                                                               "M",    "HH", "mm", "ss"};
  static constexpr std::string_view kSeparators = "./:-, ";
  bool hasLetters = false;
  std::size_t at = 0;
  while (at < text.size()) {
    if (kSeparators.find(text[at]) != std::string_view::npos) {
      ++at;
      continue;
    }
    bool matched = false;
    for (std::string_view letters : kLetters) {
      if (text.substr(at).starts_with(letters)) {
        at += letters.size();
        matched = hasLetters = true;
        break;
      }
    }
    if (!matched) return std::nullopt;
  }
  if (!hasLetters) return std::nullopt;
  return DateFormat{std::string(text)};
}

}  // namespace

std::optional<ValueFormat> parseValueFormat(std::string_view text) {
  if (text.starts_with("@")) {
    if (text.size() == 1) return std::nullopt;
    return VariableFormat{std::string(text.substr(1))};
  }
  if (auto number = parseNumberFormat(text)) return *number;
  if (auto date = parseDateFormat(text)) return *date;
  return std::nullopt;
}

}  // namespace orvosal
