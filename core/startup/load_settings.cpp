#include "core/startup/load_settings.h"

#include <algorithm>
#include <optional>

#include "core/company/company.h"
#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/operation_guard.h"
#include "core/startup/startup_state.h"

namespace orvosal {
namespace {

constexpr std::string_view kLoadSettingsModule = "mdlHauptmodul";

template <typename Body>
void runLoadStep(Session& session, std::string_view name, Body&& body,
                 std::source_location where = std::source_location::current()) {
  runOperation(
      session, operationName(kLoadSettingsModule, OperationKind::Sub, name), 0,
      [&] {
        body(GlobalConnection(session));
        return 0;
      },
      where);
}

std::optional<DateTime> earliestOf(Connection& connection, std::string_view sql, std::string_view field,
                                   std::optional<DateTime> known) {
  Recordset rs(connection, sql);
  const std::optional<DateTime> found = rs.eof() ? std::nullopt : rs[field].toDateTime();
  if (!found) return known;
  if (!known) return found;
  return std::min(*known, *found);
}

}  // namespace

void NoteSachKontenTable(Session& session) {
  runLoadStep(session, "NoteSachKontenTable", [&](Connection& connection) {
    session.area<StartupState>().hasSachKonten04 = TableExists(connection, "sSachKto04");
  });
}

void LoadNoLoginFlag(Session& session) {
  runLoadStep(session, "LoadNoLoginFlag", [&](Connection& connection) {
    Recordset rs(connection, "SELECT Top 1 * FROM Security");
    session.area<StartupState>().noLogin = rs.eof() || rs["Benutzerverwaltung"].toInt() <= 0;
  });
}

void LoadCompanyData(Session& session) {
  runLoadStep(session, "LoadCompanyData", [&](Connection& connection) {
    session.area<Company>() = ReadCompany(connection).value_or(Company{});
  });
}

void NoteOptionalTables(Session& session) {
  runLoadStep(session, "NoteOptionalTables", [&](Connection& connection) {
    session.area<StartupState>().hasVorwahlen = TableExists(connection, "sVorwahlen");
    session.area<StartupState>().hasArtikelToKunde = TableExists(connection, "Artikel_to_Kunde");
  });
}

void LoadSystemSettings(Session& session) {
  runLoadStep(session, "LoadSystemSettings", [&](Connection& connection) {
    std::map<std::string, std::string, std::less<>> settings;
    for (Recordset rs(connection, "SELECT * FROM SystemSettings ORDER BY ID"); !rs.eof(); rs.moveNext()) {
      settings.emplace(rs["Setting"].toText(), rs["SettingValue"].toText());
    }
    session.systemSettings() = std::move(settings);
  });
}

void LoadEarliestDate(Session& session) {
  runLoadStep(session, "LoadEarliestDate", [&](Connection& connection) {
    std::optional<DateTime> earliest =
        earliestOf(connection, "SELECT min(Belegdatum) as Datum FROM Belegkopf", "Datum", std::nullopt);
    earliest = earliestOf(connection, "SELECT min(Datum) as Dat FROM Buchungen", "Dat", earliest);
    session.area<StartupState>().earliestDate = earliest;
  });
}

}  // namespace orvosal
