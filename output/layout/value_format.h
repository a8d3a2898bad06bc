#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace orvosal {

// A number format such as "#,##0.00": grouping with thousands points, at least `minDecimals` and
// at most `maxDecimals` digits after the comma ("0" after the point: always, "#": when needed).
struct NumberFormat {
  bool grouping = false;
  int minDecimals = 0;
  int maxDecimals = 0;
};

// A date format such as "dd.MM.yyyy HH:mm": the pattern letters dd, d, MM, M, yyyy, yy, HH, mm, ss
// and the separators . / : - , and blank.
struct DateFormat {
  std::string pattern;
};

// "@Name": the format is the text of the variable of that name.
struct VariableFormat {
  std::string variable;
};

using ValueFormat = std::variant<NumberFormat, DateFormat, VariableFormat>;

// Reads the format of a placeholder "{Name|format}"; nullopt when it is none of the forms above.
std::optional<ValueFormat> parseValueFormat(std::string_view text);

}  // namespace orvosal
