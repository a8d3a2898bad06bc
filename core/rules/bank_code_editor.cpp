#include "core/rules/bank_code_editor.h"

#include <stdexcept>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/operation_guard.h"
#include "core/rules/iban_check.h"
#include "core/startup/bank_directory_import.h"
#include "core/text.h"
#include "core/users/rights.h"
#include "core/users/user_history.h"
#include "core/version.h"

namespace orvosal {
namespace {

constexpr const char* kBankCodeModule = "frmBankleitzahlen";
constexpr const char* kRight = "System";

std::string browseSql(BankStep step, int64_t currentId) {
  const std::string id = std::to_string(currentId);
  switch (step) {
    case BankStep::First:
      return "SELECT Top 1 * FROM sBank ORDER BY [ID]";
    case BankStep::Previous:
      return "SELECT Top 1 * FROM sBank WHERE ([ID] < " + id + ") ORDER BY [ID] DESC";
    case BankStep::Next:
      return "SELECT Top 1 * FROM sBank WHERE ([ID] > " + id + ") ORDER BY [ID]";
    case BankStep::Last:
      return "SELECT Top 1 * FROM sBank ORDER BY [ID] DESC";
  }
  return {};
}

BankCode readBank(const Recordset& rs) {
  return {rs["ID"].toInt(),   rs["Bankname"].toText(), rs["Bankleitzahl"].toText(),
          rs["BIC"].toText(), rs["PLZ"].toText(),      rs["Ort"].toText()};
}

size_t characters(const std::string& text) {
  size_t count = 0;
  for (char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

// What is wrong with the entered bank; empty when it may be stored.
std::string fault(const BankCode& bank) {
  if (bank.bankleitzahl.size() != 8 || bank.bankleitzahl.find_first_not_of("0123456789") != std::string::npos)
    return "Die Bankleitzahl muss aus 8 Ziffern bestehen.";
  if (!bank.bic.empty() && !CheckBic(bank.bic).valid())
    return "Die BIC ist ungültig: " + CheckBic(bank.bic).error;
  const std::pair<const char*, const std::string*> texts[] = {
      {"Bankname", &bank.bankname}, {"PLZ", &bank.plz}, {"Ort", &bank.ort}};
  const size_t limits[] = {50, 50, 70};
  for (size_t i = 0; i < std::size(texts); ++i) {
    if (characters(*texts[i].second) > limits[i])
      return std::string("Der Text für ") + texts[i].first + " ist länger als " + std::to_string(limits[i]) +
             " Zeichen.";
  }
  return {};
}

Value editedTextOrNull(const std::string& text) { return text.empty() ? Value() : Value(text); }

void writeBank(Recordset& rs, const BankCode& bank) {
  rs.set("Bankname", editedTextOrNull(bank.bankname));
  rs.set("Bankleitzahl", Value(bank.bankleitzahl));
  rs.set("BIC", editedTextOrNull(bank.bic));
  rs.set("PLZ", editedTextOrNull(bank.plz));
  rs.set("Ort", editedTextOrNull(bank.ort));
}

}  // namespace

std::optional<BankCode> BrowseBankCode(Session& session, BankStep step, int64_t currentId) {
  return runOperation(session, operationName(kBankCodeModule, OperationKind::Sub, "Blaettern"),
                      std::optional<BankCode>(), [&]() -> std::optional<BankCode> {
                        Recordset rs(GlobalConnection(session), browseSql(step, currentId));
                        if (rs.eof()) return std::nullopt;
                        return readBank(rs);
                      });
}

bool SaveBankCode(Session& session, BankCode& bank) {
  return runOperation(session, operationName(kBankCodeModule, OperationKind::Sub, "Speichern"), false, [&] {
    if (!RequireRight(session, kRight)) return false;
    bank.bankleitzahl = std::string(trim(bank.bankleitzahl));
    bank.bic = CheckBic(bank.bic).normalized;
    if (const std::string why = fault(bank); !why.empty()) {
      session.ui().message(why, kProductName, MessageKind::Warning);
      return false;
    }
    Connection& connection = GlobalConnection(session);
    const bool adding = bank.id == 0;
    if (adding) {
      Recordset rs(connection, "SELECT Top 1 * FROM sBank");
      rs.addNew();
      writeBank(rs, bank);
      rs.update();
      bank.id = rs["ID"].toInt();
    } else {
      Recordset rs(connection, "SELECT * FROM sBank WHERE ([ID] IN (" + std::to_string(bank.id) + "))");
      if (rs.eof())
        throw std::runtime_error("Die Bank " + std::to_string(bank.id) + " ist nicht mehr vorhanden.");
      if (readBank(rs) == bank) {
        session.ui().message("Keine Änderung!, nicht gespeichert", kProductName, MessageKind::Information);
        return false;
      }
      writeBank(rs, bank);
      rs.update();
    }
    WriteUserHistory(session, "Bankleitzahl " + bank.bankleitzahl + (adding ? " erfasst" : " geändert"),
                     kBankCodeModule, bank.id);
    session.ui().message(adding ? "Daten gespeichert" : "Änderungen gespeichert", kProductName,
                         MessageKind::Information);
    return true;
  });
}

bool LeaveBankCode(Session& session, const BankCode& shown, BankCode& entered) {
  if (entered == shown) return true;
  if (!session.ui().askYesNo("Daten wurden geändert und noch nicht gespeichert!\nJetzt speichern?",
                             kProductName))
    return true;
  return SaveBankCode(session, entered);
}

bool DeleteBankCode(Session& session, int64_t id) {
  return runOperation(session, operationName(kBankCodeModule, OperationKind::Sub, "Loeschen"), false, [&] {
    if (!RequireRight(session, kRight)) return false;
    if (!session.ui().askYesNo("Bankleitzahl wirklich löschen ?", kProductName)) return false;
    GlobalConnection(session).execute("Delete FROM sBank WHERE ([ID] IN (" + std::to_string(id) + "))");
    return true;
  });
}

bool ReadBankDirectory(Session& session, const std::string& path) {
  if (!RequireRight(session, kRight)) return false;
  if (!session.ui().askYesNo("Alle Bankleitzahlen durch das Bankverzeichnis\n" + path + "\nersetzen?",
                             kProductName)) {
    return false;
  }
  const BankDirectoryImport result = ImportBankDirectory(session, path);
  if (!result.ok()) {
    session.ui().message(result.error, kProductName, MessageKind::Warning);
    return false;
  }
  session.ui().message(std::to_string(result.banks) + " Banken eingelesen", kProductName,
                       MessageKind::Information);
  return true;
}

}  // namespace orvosal
