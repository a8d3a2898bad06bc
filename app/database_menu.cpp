#include "app/database_menu.h"

#include "app/frm_sql_datenbank_create.h"
#include "core/schema/copy_to_server.h"
#include "core/schema/create_database.h"

namespace orvosal {
namespace {

void createServerDatabase(Session& session, QWidget* window) {
  frmSQLDatenbankCreate dialog(window);
  if (dialog.exec() != QDialog::Accepted) return;
  const SqlServerDatabaseRequest request = dialog.request();
  CreateSqlServerDatabase(session, request.name, request.server, request.user, request.password,
                          request.integratedSecurity, request.title);
}

void copyToServer(Session& session, QWidget*) {
  if (const auto target = ChooseServerDatabase(session)) Convert_To_SQL_Server(session, *target);
}

}  // namespace

void contributeDatabaseMenu(MenuRegistry& registry) {
  registry.add({"&Datei", "mnuDatenbankErstellen", "Datenbank erstellen", "",
                [](Session& session, QWidget*) { CreateAccessDatabaseInChosenFolder(session); }});
  registry.add(
      {"&Datei", "mnuSQLDatenbankErstellen", "SQL-Server-Datenbank erstellen", "", createServerDatabase});
  registry.add(
      {"&Datei", "mnuDatenbankUebertragen", "Datenbank auf SQL-Server übertragen", "", copyToServer});
}

}  // namespace orvosal
