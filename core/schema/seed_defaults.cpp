#include "core/schema/seed_defaults.h"

#include "core/db/recordset.h"
#include "core/operation_guard.h"
#include "core/schema/program_version.h"
#include "core/schema/seed_default_user.h"
#include "core/schema/seed_document_types.h"

namespace orvosal {
namespace {

void seedSecurity(Connection& connection, bool withUserAdministration) {
  Recordset rs(connection, "SELECT Top 1 * FROM Security");
  if (!rs.eof()) return;
  rs.addNew();
  rs.set("Benutzerverwaltung", Value(withUserAdministration ? 1 : 0));
  rs.update();
}

void seedProgramVersion(Connection& connection, std::string_view databaseVersion) {
  Recordset rs(connection, "SELECT Top 1 * FROM ProgrammVersion");
  if (!rs.eof()) return;
  rs.addNew();
  rs.set("DatebaseVersion", Value(databaseVersion.empty() ? kSeedDatabaseVersion : databaseVersion));
  rs.set("Version", Value(programVersionText()));
  rs.update();
}

void seedCompany(Connection& connection) {
  Recordset rs(connection, "SELECT Top 1 * FROM Firmendaten");
  if (!rs.eof()) return;
  rs.addNew();
  rs.set("Name", Value("Musterfirma"));
  rs.set("Straße", Value("Mustergasse"));
  rs.set("PLZ", Value("xxxxx"));
  rs.set("Ort", Value("Musterhausen"));
  rs.set("MasterPassword", Value(kDefaultMasterPassword));
  rs.update();
}

void seedAccounts(Connection& connection) {
  Recordset rs(connection, "SELECT Top 1 * FROM Konten");
  if (!rs.eof()) return;
  for (const char* name : {"Kasse", "Bank"}) {
    rs.addNew();
    rs.set("Bezeichnung", Value(name));
    rs.set("Bankname", Value(name));
    rs.set("Bankleitzahl", Value());
    rs.set("Kontonummer", Value());
    rs.set("VE", Value(2));
    rs.set("Start", Value(Currency::fromUnits(0)));
    rs.set("BNummer", Value(1));
    rs.set("DM/Euro", Value(0));
    rs.update();
  }
}

void seedTicketPrices(Connection& connection) {
  Recordset rs(connection, "SELECT Top 1 * FROM TicketPreise");
  if (!rs.eof()) return;
  rs.addNew();
  rs.set("Bezeichnung", Value("Technikerpreis a 1 min"));
  rs.set("IntervalBezeichnung", Value("Min"));
  rs.set("MwSt", Value(2));
  rs.set("Interval", Value(0));
  rs.set("Kilometerpreis", Value(1));
  rs.set("Preis", Value(1));
  rs.set("Toleranz", Value(0));
  rs.update();
}

}  // namespace

void SeedDefaults(Session& session, Connection& connection, std::string_view databaseVersion,
                  bool withUserAdministration) {
  const std::string name = operationName("mdlCreateDatabase", OperationKind::Sub, "SeedDefaults");
  const auto seed = [&](auto&& seeder, std::source_location where = std::source_location::current()) {
    runOperation(
        session, name, 0,
        [&] {
          seeder();
          return 0;
        },
        where);
  };
  seed([&] { seedSecurity(connection, withUserAdministration); });
  seed([&] { seedProgramVersion(connection, databaseVersion); });
  seed([&] { seedDocumentTypes(connection); });
  seed([&] { seedCompany(connection); });
  seed([&] { seedAccounts(connection); });
  SeedDefaultUser(session, connection);
  SeedSystemSettings(session, connection);
  seed([&] { seedTicketPrices(connection); });
}

}  // namespace orvosal
