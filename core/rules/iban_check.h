#pragma once

#include <string>
#include <string_view>

namespace orvosal {

// Checks of the bank and tax identifiers a German invoice prints. Each takes the text as the user
// typed it (blanks allowed, any case) and answers the identifier in its stored form (upper case,
// without blanks) or, when it is not valid, a German message naming what is wrong.
struct IdentifierCheck {
  std::string normalized;
  std::string error;  // empty when the identifier is valid

  bool valid() const { return error.empty(); }
};

// The remainder of a decimal number of any length divided by `divisor`, by long division over its
// digits: the running remainder is carried in front of the next digits, so nothing overflows.
// `digits` holds only the characters 0-9.
int modDecimal(std::string_view digits, int divisor);

// The ISO 7064 mod 97-10 test of an IBAN as typed: blanks removed, fewer than 5 characters are no
// IBAN; the first four characters (country code and check digits) move to the end, every letter
// (either case) becomes its number A = 10 ... Z = 35, and the IBAN is valid exactly when that
// number leaves the remainder 1 by 97. Neither the country nor the length is checked.
bool IBANOK(std::string_view text);

// An IBAN: a known country code, the length of that country, only letters and digits, and the
// check digits (ISO 7064 mod 97-10).
IdentifierCheck CheckIban(std::string_view text);

// A BIC: four letters for the bank, two for the country, two letters or digits for the location
// and, optionally, three for the branch (8 or 11 characters).
IdentifierCheck CheckBic(std::string_view text);

// A VAT identification number (USt-IdNr.): a two-letter country prefix and 2 to 13 letters or
// digits; a German one is "DE" and nine digits.
IdentifierCheck CheckVatId(std::string_view text);

}  // namespace orvosal
