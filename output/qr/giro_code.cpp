#include "output/qr/giro_code.h"

#include <cctype>

namespace orvosal::qr {

namespace {

// Characters of a UTF-8 text (continuation bytes not counted).
size_t characterCount(std::string_view text) {
  size_t count = 0;
  for (char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return count;
}

bool allAlphaNumeric(std::string_view text) {
  for (char c : text)
    if (!std::isalnum(static_cast<unsigned char>(c))) return false;
  return true;
}

// Two letters, two check digits, up to 30 letters and digits, and the ISO 7064 check (mod 97).
bool validIban(std::string_view iban) {
  if (iban.size() < 15 || iban.size() > 34 || !allAlphaNumeric(iban)) return false;
  if (!std::isupper(static_cast<unsigned char>(iban[0])) ||
      !std::isupper(static_cast<unsigned char>(iban[1])) ||
      !std::isdigit(static_cast<unsigned char>(iban[2])) ||
      !std::isdigit(static_cast<unsigned char>(iban[3])))
    return false;
  const std::string rearranged = std::string(iban.substr(4)) + std::string(iban.substr(0, 4));
  int remainder = 0;
  for (char c : rearranged) {
    if (std::isdigit(static_cast<unsigned char>(c)))
      remainder = (remainder * 10 + (c - '0')) % 97;
    else if (std::isupper(static_cast<unsigned char>(c)))
      remainder = (remainder * 100 + (c - 'A' + 10)) % 97;
    else
      return false;
  }
  return remainder == 1;
}

}  // namespace

std::variant<std::string, std::string> buildGiroCodePayload(const GiroCodeTransfer& transfer) {
  using Result = std::variant<std::string, std::string>;
  auto failure = [](std::string message) { return Result(std::in_place_index<1>, std::move(message)); };
  if (!transfer.bic.empty() &&
      ((transfer.bic.size() != 8 && transfer.bic.size() != 11) || !allAlphaNumeric(transfer.bic)))
    return failure("Die BIC muss 8 oder 11 Buchstaben und Ziffern lang sein.");
  if (transfer.beneficiary.empty() || characterCount(transfer.beneficiary) > 70)
    return failure("Der Name des Empfängers muss 1 bis 70 Zeichen lang sein.");
  if (!validIban(transfer.iban)) return failure("Die IBAN ist ungültig.");
  if (transfer.amount < Currency::fromUnits(100) || transfer.amount > Currency::fromUnits(9999999999900))
    return failure("Der Betrag muss zwischen 0.01 und 999999999.99 EUR liegen.");
  if (characterCount(transfer.text) > 140)
    return failure("Der Verwendungszweck darf höchstens 140 Zeichen lang sein.");
  return Result(std::in_place_index<0>, "BCD\n002\n1\nSCT\n" + transfer.bic + "\n" + transfer.beneficiary +
                                            "\n" + transfer.iban + "\nEUR" + transfer.amount.formatSql(2) +
                                            "\n\n\n" + transfer.text);
}

}  // namespace orvosal::qr
