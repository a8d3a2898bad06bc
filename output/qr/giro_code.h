#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "core/currency.h"

namespace orvosal::qr {

// A SEPA credit transfer to be scanned by a banking app (EPC069-12, version 002, UTF-8).
struct GiroCodeTransfer {
  std::string bic;
  std::string beneficiary;  // up to 70 characters
  std::string iban;
  Currency amount;   // 0.01 to 999999999.99 EUR
  std::string text;  // unstructured remittance, up to 140 characters (the document number)
};

// The payload lines separated by LF without a trailing LF, or the German message of the first
// invalid field. Encode it at level M.
std::variant<std::string, std::string> buildGiroCodePayload(const GiroCodeTransfer& transfer);

}  // namespace orvosal::qr
