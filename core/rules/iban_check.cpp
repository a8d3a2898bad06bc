#include "core/rules/iban_check.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <utility>

#include "core/ascii.h"

namespace orvosal {
namespace {

// The IBAN length of every country that issues IBANs.
constexpr std::pair<std::string_view, size_t> kIbanLengths[] = {
    {"AD", 24}, {"AE", 23}, {"AL", 28}, {"AT", 20}, {"AZ", 28}, {"BA", 20}, {"BE", 16}, {"BG", 22},
    {"BH", 22}, {"BR", 29}, {"BY", 28}, {"CH", 21}, {"CR", 22}, {"CY", 28}, {"CZ", 24}, {"DE", 22},
    {"DK", 18}, {"DO", 28}, {"EE", 20}, {"EG", 29}, {"ES", 24}, {"FI", 18}, {"FO", 18}, {"FR", 27},
    {"GB", 22}, {"GE", 22}, {"GI", 23}, {"GL", 18}, {"GR", 27}, {"GT", 28}, {"HR", 21}, {"HU", 28},
    {"IE", 22}, {"IL", 23}, {"IQ", 23}, {"IS", 26}, {"IT", 27}, {"JO", 30}, {"KW", 30}, {"KZ", 20},
    {"LB", 28}, {"LC", 32}, {"LI", 21}, {"LT", 20}, {"LU", 20}, {"LV", 21}, {"MC", 27}, {"MD", 24},
    {"ME", 22}, {"MK", 19}, {"MR", 27}, {"MT", 31}, {"MU", 30}, {"NL", 18}, {"NO", 15}, {"PK", 24},
    {"PL", 28}, {"PS", 29}, {"PT", 25}, {"QA", 29}, {"RO", 24}, {"RS", 22}, {"SA", 24}, {"SC", 31},
    {"SE", 24}, {"SI", 19}, {"SK", 24}, {"SM", 27}, {"ST", 25}, {"SV", 28}, {"TL", 23}, {"TN", 24},
    {"TR", 26}, {"UA", 29}, {"VA", 22}, {"VG", 24}, {"XK", 20}, {"LY", 25}, {"SD", 18}, {"BI", 27},
};

bool isUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }
bool isAlphanumeric(char c) { return isUpperLetter(c) || isAsciiDigit(c); }

// Upper case (ASCII) with every blank removed.
std::string compact(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == ' ' || c == '\t') continue;
    out += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return out;
}

bool allOf(std::string_view text, bool (*test)(char)) { return std::all_of(text.begin(), text.end(), test); }

IdentifierCheck invalid(std::string normalized, std::string error) {
  return {std::move(normalized), std::move(error)};
}

// The IBAN moved round (country and check digits to the end) with every letter replaced by its
// number, A = 10 ... Z = 35 in either case; empty when a character is neither letter nor digit.
std::string ibanDigits(std::string_view iban) {
  std::string digits;
  for (char c : std::string(iban.substr(4)) + std::string(iban.substr(0, 4))) {
    if (isAsciiDigit(c)) {
      digits += c;
    } else if (isUpperLetter(c) || (c >= 'a' && c <= 'z')) {
      digits += std::to_string((c & ~0x20) - 'A' + 10);
    } else {
      return "";
    }
  }
  return digits;
}

// True when the IBAN, blanks removed, leaves the remainder 1 by 97.
bool checkDigitsMatch(std::string_view iban) {
  const std::string digits = ibanDigits(iban);
  return !digits.empty() && modDecimal(digits, 97) == 1;
}

}  // namespace

int modDecimal(std::string_view digits, int divisor) {
  // Nine digits at a time fit a 64-bit number together with a remainder below any int divisor.
  constexpr size_t kChunk = 9;
  int64_t remainder = 0;
  for (size_t start = 0; start < digits.size(); start += kChunk) {
    const std::string_view chunk = digits.substr(start, kChunk);
    int64_t value = remainder;
    for (char c : chunk) value = value * 10 + (c - '0');
    remainder = value % divisor;
  }
  return static_cast<int>(remainder);
}

bool IBANOK(std::string_view text) {
  std::string iban;
  for (char c : text) {
    if (c != ' ') iban += c;
  }
  return iban.size() >= 5 && checkDigitsMatch(iban);
}

IdentifierCheck CheckIban(std::string_view text) {
  std::string iban = compact(text);
  if (!allOf(iban, isAlphanumeric)) return invalid(iban, "nur Buchstaben und Ziffern sind erlaubt");
  if (iban.size() < 4 || !isUpperLetter(iban[0]) || !isUpperLetter(iban[1]) || !isAsciiDigit(iban[2]) ||
      !isAsciiDigit(iban[3])) {
    return invalid(iban, "sie beginnt nicht mit Länderkennzeichen und Prüfziffer");
  }
  const auto country = std::find_if(std::begin(kIbanLengths), std::end(kIbanLengths),
                                    [&](const auto& entry) { return entry.first == iban.substr(0, 2); });
  if (country == std::end(kIbanLengths))
    return invalid(iban, "unbekanntes Länderkennzeichen " + iban.substr(0, 2));
  if (iban.size() != country->second) {
    return invalid(iban, "eine IBAN aus " + iban.substr(0, 2) + " hat " + std::to_string(country->second) +
                             " Zeichen, nicht " + std::to_string(iban.size()));
  }
  if (!checkDigitsMatch(iban)) return invalid(iban, "die Prüfziffer stimmt nicht");
  return {iban, ""};
}

IdentifierCheck CheckBic(std::string_view text) {
  std::string bic = compact(text);
  const bool pattern = (bic.size() == 8 || bic.size() == 11) &&
                       allOf(std::string_view(bic).substr(0, 6), isUpperLetter) &&
                       allOf(std::string_view(bic).substr(6), isAlphanumeric);
  if (!pattern) {
    return invalid(bic,
                   "eine BIC hat 8 oder 11 Zeichen: 4 Buchstaben Bank, 2 Buchstaben Land, 2 Zeichen Ort "
                   "und wahlweise 3 Zeichen Filiale");
  }
  return {bic, ""};
}

IdentifierCheck CheckVatId(std::string_view text) {
  std::string id = compact(text);
  if (id.size() < 4 || id.size() > 15 || !isUpperLetter(id[0]) || !isUpperLetter(id[1]) ||
      !allOf(std::string_view(id).substr(2), isAlphanumeric)) {
    return invalid(id, "zwei Buchstaben für das Land und 2 bis 13 Buchstaben oder Ziffern erwartet");
  }
  if (id.starts_with("DE") && (id.size() != 11 || !allOf(std::string_view(id).substr(2), isAsciiDigit))) {
    return invalid(id, "eine deutsche USt-IdNr. ist DE und 9 Ziffern");
  }
  return {id, ""};
}

}  // namespace orvosal
