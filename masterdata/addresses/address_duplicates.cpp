#include "masterdata/addresses/address_duplicates.h"

#include <string>
#include <vector>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/operation_guard.h"
#include "core/rules/soundex.h"
#include "core/text.h"
#include "core/version.h"
#include "masterdata/addresses/address_kind.h"

namespace orvosal {
namespace {

// "[Field] like '%value%'", with a typed "*" as a wildcard and quotes doubled.
std::string like(std::string_view field, std::string_view value) {
  return "[" + std::string(field) + "] like '%" + SqlText(value, Asterisk::Wildcard) + "%'";
}

// The alternatives of the typing-time search, each closed by the condition on the kind.
std::vector<std::string> typingAlternatives(std::string_view name, std::string_view firstName) {
  const std::string nameCode = SoundEx(name);
  const std::string firstCode = SoundEx(firstName);
  if (name.empty()) {
    return {like("Vorname", firstName), like("SoundExVorname", firstCode), like("Name", firstName),
            like("SoundExName", firstCode)};
  }
  if (firstName.empty()) {
    return {like("Name", name), like("SoundExName", nameCode), like("Vorname", name),
            like("SoundExVorname", nameCode)};
  }
  return {like("Name", name) + " and " + like("Vorname", firstName),
          like("SoundExName", nameCode) + " and " + like("SoundExVorname", firstCode),
          like("Vorname", name) + " and " + like("Name", firstName),
          like("SoundExVorname", nameCode) + " and " + like("SoundExName", firstCode)};
}

std::string townLine(const Recordset& rs) { return rs["PLZ"].toText() + " " + rs["Ort"].toText(); }

std::string birthDate(const Recordset& rs) {
  const std::optional<DateTime> date = rs["GebDat"].toDateTime();
  return date ? date->date().toGerman() : std::string();
}

}  // namespace

int64_t DoubleCheck(Session& session, std::string_view name, std::string_view firstName, bool isCustomer) {
  return runOperation(
      session, operationName("mdlAdressen", OperationKind::Function, "DoubleCheck"), int64_t{0}, [&] {
        const std::string_view typedName = trim(name);
        const std::string_view typedFirst = trim(firstName);
        if (typedName.empty() && typedFirst.empty()) return int64_t{0};
        std::vector<std::string> alternatives;
        for (const std::string& alternative : typingAlternatives(typedName, typedFirst)) {
          alternatives.push_back("(" + alternative + " AND " + addressKindCondition(session, isCustomer) +
                                 ")");
        }
        Recordset rs(GlobalConnection(session),
                     "SELECT Top 100 * from Adressen WHERE (" + joinStrings(alternatives, " OR ") + ")");
        TableChoice choice{.window = "frmFound",
                           .title = "Gefundene Adressen",
                           .hint = "Doppelklicken Sie um den gewünschten Eintrag zu übernehmen",
                           .columns = {"Nummer", "Name", "Vorname", "Straße", "Plz/Ort"},
                           .rows = {},
                           .buttons = {"Übernehmen", "Abbrechen"},
                           .yesButton = 1,
                           .noButton = 1};
        std::vector<int64_t> ids;
        for (; !rs.eof() && ids.size() < 100; rs.moveNext()) {
          ids.push_back(rs["ID"].toInt());
          choice.rows.push_back({rs["Kundennummer"].toText(), rs["Name"].toText(), rs["Vorname"].toText(),
                                 rs["Straße"].toText(), townLine(rs)});
        }
        if (ids.empty()) return int64_t{0};
        const TableAnswer answer = session.ui().chooseFromTable(choice);
        if (answer.button != 0 || !answer.row) return int64_t{0};
        return ids.at(static_cast<size_t>(*answer.row));
      });
}

std::string Check_Adress_Doubles(Session& session, const Address& address) {
  return runOperation(
      session, operationName("frmDupCheck", OperationKind::Function, "Check_Adressen"), std::string("ksSave"),
      [&] {
        const std::string kind = addressKindCondition(session, address.kunde);
        std::vector<std::string> queries;
        const auto nameQuery = [&](std::string_view text) {
          return "SELECT * FROM Adressen WHERE ((" + like("Name", text) + " or " + like("Vorname", text) +
                 ") AND " + kind + ") ORDER BY [Name]";
        };
        if (!trim(address.name).empty()) queries.push_back(nameQuery(trim(address.name)));
        if (!trim(address.vorname).empty()) queries.push_back(nameQuery(trim(address.vorname)));
        if (address.gebDat) {
          queries.push_back("SELECT * FROM Adressen WHERE ([GebDat] = " +
                            SqlDate(session.database().dialect, Value(*address.gebDat)) + " AND " + kind +
                            ")");
        }
        if (!address.straße.empty() || !address.plz.empty() || !address.ort.empty()) {
          queries.push_back("SELECT * FROM Adressen WHERE (" + like("Straße", address.straße) + " AND " +
                            like("PLZ", address.plz) + " AND " + like("Ort", address.ort) + " AND " + kind +
                            ")");
        }
        TableChoice choice{.window = "frmDupCheck",
                           .title = "Mögliche Doppelerfassung",
                           .hint = "Doppelklicken Sie um den gewünschten Eintrag zu übernehmen",
                           .columns = {"Nummer", "Name", "Straße", "PLZ Ort", "Geburtsdatum"},
                           .rows = {},
                           .buttons = {"Übernehmen", "Trotzdem speichern", "Abbrechen"},
                           .yesButton = 1,
                           .noButton = 2};
        std::vector<int64_t> ids;
        for (const std::string& sql : queries) {
          for (Recordset rs(GlobalConnection(session), sql); !rs.eof(); rs.moveNext()) {
            ids.push_back(rs["ID"].toInt());
            choice.rows.push_back({rs["Kundennummer"].toText(),
                                   std::string(trim(rs["Name"].toText() + " " + rs["Vorname"].toText())),
                                   rs["Straße"].toText(), townLine(rs), birthDate(rs)});
          }
        }
        if (ids.empty()) return std::string("ksSave");
        const TableAnswer answer = session.ui().chooseFromTable(choice);
        if (answer.button == 1) return std::string("ksSave");
        if (answer.button == 0 && answer.row)
          return "do-" + std::to_string(ids.at(static_cast<size_t>(*answer.row)));
        return std::string("ksCancel");
      });
}

}  // namespace orvosal
