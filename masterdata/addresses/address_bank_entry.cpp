#include "masterdata/addresses/address_bank_entry.h"

#include <algorithm>

#include "core/rules/iban_check.h"
#include "core/rules/iban_to_bic.h"

namespace orvosal {
namespace {

constexpr std::ptrdiff_t kCheckedLength = 13;

}  // namespace

bool ConfirmAddressIban(Session& session, std::string_view iban, std::string& bic, std::string& bankName) {
  const std::ptrdiff_t length = std::count_if(iban.begin(), iban.end(), [](char c) { return c != ' '; });
  const bool passed = length < kCheckedLength || IBANOK(iban);
  if (!passed) session.ui().message("IBAN ist scheinbar fehlerhaft?", "", MessageKind::Critical);
  IBAN_To_BIC(session, iban, bic, bankName);
  return passed;
}

}  // namespace orvosal
