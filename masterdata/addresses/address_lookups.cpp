#include "masterdata/addresses/address_lookups.h"

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/operation_guard.h"
#include "core/text.h"

namespace orvosal {
namespace {

constexpr const char* kAddressLookupsModule = "mdlAdressen";
constexpr int kFreeFields = 9;

}  // namespace

bool Search_PLZ(Session& session, std::string_view postcode, PostcodeFields fields) {
  return runOperation(session, operationName(kAddressLookupsModule, OperationKind::Sub, "Search_PLZ"), false,
                      [&] {
                        const std::string_view typed = trim(postcode);
                        if (typed.empty() || !isNumeric(typed)) return false;
                        Recordset rs(GlobalConnection(session),
                                     "SELECT * FROM sPLZ WHERE ([PLZ] IN (" + SqlQuoted(typed) + "))");
                        if (rs.eof()) return false;
                        if (fields.town != nullptr) *fields.town = rs["Ort"].toText();
                        const std::string dialling = replaceAll(rs["Vorwahl"].toText(), "/", "");
                        for (std::string* phone : fields.phones) {
                          if (phone != nullptr && trim(*phone).empty()) *phone = dialling;
                        }
                        return true;
                      });
}

std::string Search_BankName(Session& session, std::string_view bankCode) {
  return runOperation(
      session, operationName(kAddressLookupsModule, OperationKind::Function, "Search_BankName"),
      std::string(), [&] {
        Recordset rs(GlobalConnection(session),
                     "SELECT * FROM sBank WHERE ([Bankleitzahl] IN (" + SqlQuoted(trim(bankCode)) + "))");
        return rs.eof() ? std::string() : rs["BankName"].toText();
      });
}

std::vector<std::string> FreeFieldCaptions(Session& session, bool isCustomer) {
  std::vector<std::string> captions;
  for (int field = 1; field <= kFreeFields; ++field) captions.push_back("Frei" + std::to_string(field));
  runOperation(session, operationName(kAddressLookupsModule, OperationKind::Sub, "Load_SonderFelder"), 0,
               [&] {
                 Recordset rs(GlobalConnection(session), "SELECT * FROM SonderFelder WHERE ([Belegart] IN (" +
                                                             SqlQuoted(isCustomer ? "Kunden" : "Lieferant") +
                                                             ")) ORDER BY [ID]");
                 for (; !rs.eof(); rs.moveNext()) {
                   const int64_t field = rs["Wo"].toInt();
                   const std::string text(trim(rs["Text"].toText()));
                   if (field >= 1 && field <= kFreeFields && !text.empty())
                     captions[static_cast<size_t>(field - 1)] = text;
                 }
                 return 0;
               });
  return captions;
}

std::vector<std::string> CategoryNames(Session& session, int category) {
  return runOperation(
      session, operationName(kAddressLookupsModule, OperationKind::Function, "Load_Kategorien"),
      std::vector<std::string>(), [&] {
        std::vector<std::string> names;
        Recordset rs(GlobalConnection(session), "SELECT * FROM Kategorien WHERE ([Kategorie] IN (" +
                                                    std::to_string(category) + ")) ORDER BY [Bezeichnung]");
        for (; !rs.eof(); rs.moveNext()) names.push_back(rs["Bezeichnung"].toText());
        return names;
      });
}

std::vector<std::string> CountryNames(Session& session) {
  return runOperation(session,
                      operationName(kAddressLookupsModule, OperationKind::Function, "Load_Countries"),
                      std::vector<std::string>(), [&] {
                        std::vector<std::string> names;
                        Recordset rs(GlobalConnection(session),
                                     "SELECT countries_name FROM countries ORDER BY [countries_name]");
                        for (; !rs.eof(); rs.moveNext()) names.push_back(rs["countries_name"].toText());
                        return names;
                      });
}

}  // namespace orvosal
