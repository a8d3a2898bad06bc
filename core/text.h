#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvosal {

// String helpers for UTF-8 text as it is entered in German forms.

// Returns `text` without leading and trailing spaces, tabs, CR and LF. The result views into `text`.
std::string_view trim(std::string_view text);

// Case mapping for ASCII, the Latin-1 letters (ä/Ä, é/É, ...) and the Windows-1252 extras
// Š/š, Œ/œ, Ž/ž, Ÿ/ÿ. "ß" is kept as it is in both directions (no expansion to "SS"), so the byte
// length never changes. Every other byte sequence, including invalid UTF-8, is copied unchanged.
std::string toUpperGerman(std::string_view text);
std::string toLowerGerman(std::string_view text);

// Case-insensitive comparisons with the case mapping above.
bool equalsNoCase(std::string_view a, std::string_view b);
bool startsWithNoCase(std::string_view text, std::string_view prefix);

// Replaces every occurrence of `from`, scanning left to right without overlaps. An empty `from`
// leaves the text unchanged.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to);

// Splits at every occurrence of `delimiter`; adjacent delimiters give empty parts. An empty text
// gives no parts, an empty delimiter gives the whole text as the only part.
std::vector<std::string> splitString(std::string_view text, std::string_view delimiter);

// The first `count` characters (UTF-8 code points) of the text, so that it fits a column of that
// size; a count of 0 or less keeps the whole text.
std::string firstCharacters(std::string_view text, long count);

// The text as XML character data or attribute value: & < > " ' escaped, CR and the control
// characters XML 1.0 forbids left out (tab and line feed stay).
std::string xmlEscaped(std::string_view text);

// The parts one after the other with `delimiter` between each two.
std::string joinStrings(const std::vector<std::string>& parts, std::string_view delimiter);

// The digits of a decimal number as typed by a German user.
struct DecimalDigits {
  bool negative = false;
  std::string integerDigits;   // may be empty (",5") and may have leading zeros
  std::string fractionDigits;  // may be empty
};

// Reads a decimal number. Accepted, after trimming blanks:
//  - an optional leading '+' or '-',
//  - with a comma: the comma is the decimal separator; points before it are thousands separators
//    and must group correctly ("1.234.567,89"); no point may follow the comma,
//  - without a comma: points that group correctly are thousands separators ("1.234" is 1234,
//    "1.234.567" is 1234567); otherwise a single point is a decimal point ("1.5", "1234.56",
//    "0.125"). Correct grouping means a first group of one to three digits not starting with 0,
//    followed by groups of exactly three digits,
//  - at least one digit; either side of the separator may be empty (",5", "5,").
// Anything else (letters, exponents, blanks inside, several commas) gives nullopt.
std::optional<DecimalDigits> splitDecimal(std::string_view text);

// True when splitDecimal accepts the text, whatever its magnitude.
bool isNumeric(std::string_view text);

}  // namespace orvosal
