#include "core/startup/startup_sequence.h"

#include "core/db/database.h"
#include "core/db/open_failure.h"
#include "core/startup/database_choice.h"
#include "core/startup/display_settings.h"
#include "core/startup/email_settings.h"
#include "core/startup/load_document_types.h"
#include "core/startup/load_settings.h"
#include "core/startup/reference_import.h"
#include "core/startup/schema_startup.h"
#include "core/startup/settings_file_flags.h"
#include "core/startup/settings_migration.h"
#include "core/startup/shipped_layouts.h"
#include "core/startup/startup_state.h"
#include "core/startup/temporary_files.h"
#include "core/text.h"
#include "core/ui.h"
#include "core/users/sign_in.h"

namespace orvosal {

bool HasExtendSwitch(const std::vector<std::string>& arguments) {
  for (const auto& argument : arguments) {
    if (equalsNoCase(argument, "/Extend")) return true;
  }
  return false;
}

StartupResult Main(Session& session, StartupWindows& windows, std::optional<int> database) {
  const auto step = [&](std::string_view caption) { windows.showStep(caption); };
  const auto fail = [&](std::string_view message) {
    session.ui().message(message, "", MessageKind::Critical);
    return StartupResult::Failed;
  };
  DatabaseState& db = session.database();

  MoveSharedSettings(session);
  db.currentNumber = "1";

  step("Datenbank auswählen");
  const std::optional<int> chosen = database ? database : ChooseDatabase(session.settings(), windows);
  if (!chosen) return StartupResult::Cancelled;
  db.currentNumber = std::to_string(*chosen > 0 ? *chosen : 1);
  db.connectionString.clear();

  step("Datenbank wird geöffnet");
  std::string reason;
  if (!OpenDatabase(session, &reason)) return fail(cannotOpenMessage(reason));

  SchemaReport report;
  if (!PrepareDatabaseSchema(session, report, step)) {
    return fail("Datenbank enthält keine Tabellen, Programm kann nicht gestartet werden");
  }

  step("weitere Daten werden angepasst");
  NoteSachKontenTable(session);
  step("Standartdaten laden");
  LoadWindowColours(session);
  LoadNoLoginFlag(session);
  ImportReferenceLists(session);
  LoadStartFlags(session);

  step("Firmendaten werden geladen");
  LoadCompanyData(session);

  step("Benutzer - Anmeldung");
  const bool signedIn =
      session.area<StartupState>().noLogin ? SignInWithoutWindow(session) : windows.signIn(session);
  if (!signedIn) return StartupResult::Cancelled;

  step("Einstellungen werden geladen");
  step("Temporäre Daten werden gelöscht");
  DeleteTemporaryFiles(session);
  NoteOptionalTables(session);

  step("Usereinstellungen werden geladen");
  LoadUserOptions(session);
  step("Settings werden geladen");
  LoadSystemSettings(session);
  step("Email-Settings werden geladen");
  LoadEmailSettings(session);

  step("Berichtsdefinitionen werden geladen");
  LoadDocumentTypes(session);
  LoadEarliestDate(session);
  InstallShippedLayouts(session);

  // The signed-in user's rights came with the user's row.
  step("Rechtesystem wird geladen");

  LoadTelefonie(session);
  LoadTelefonFormat(session);
  return StartupResult::Ready;
}

}  // namespace orvosal
