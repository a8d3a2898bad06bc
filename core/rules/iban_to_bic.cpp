#include "core/rules/iban_to_bic.h"

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/operation_guard.h"

namespace orvosal {
namespace {

constexpr size_t kMinimumLength = 13;
constexpr size_t kBankCodeStart = 4;
constexpr size_t kBankCodeLength = 8;

}  // namespace

void IBAN_To_BIC(Session& session, std::string_view iban, std::string& bic, std::string& bankName) {
  runOperation(session, operationName("mdlIBAN", OperationKind::Function, "IBAN_To_BIC"), 0, [&] {
    std::string compact;
    for (char c : iban) {
      if (c != ' ') compact += c;
    }
    if (compact.size() < kMinimumLength || (!bic.empty() && !bankName.empty())) return 0;
    const std::string code = compact.substr(kBankCodeStart, kBankCodeLength);
    Recordset bank(GlobalConnection(session),
                   "SELECT * FROM sBank WHERE (Bankleitzahl = '" + SqlText(code) + "')");
    if (bank.eof()) return 0;
    if (bic.empty()) bic = bank["BIC"].toText();
    if (bankName.empty()) bankName = bank["Bankname"].toText();
    return 0;
  });
}

}  // namespace orvosal
