#include "documents/types/document_type_editor.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/db/transaction.h"
#include "core/operation_guard.h"
#include "core/startup/load_document_types.h"
#include "core/text.h"
#include "core/users/rights.h"
#include "core/version.h"
#include "documents/types/belegart_index.h"
#include "documents/types/document_type_store.h"

namespace orvosal {
namespace {

constexpr const char* kTypeEditorModule = "frmOptionen";
constexpr const char* kTypeEditorRight = "System";

void inform(Session& session, const std::string& text) {
  session.ui().message(text, kProductName, MessageKind::Information);
}

void refuseTypeChange(Session& session, const std::string& text) {
  session.ui().message(text, kProductName, MessageKind::Warning);
}

std::string areaCaption(bool sales) { return "Belegart (" + AreaName(sales) + ")"; }

std::string idList(int64_t id) { return "([ID] IN (" + std::to_string(id) + "))"; }

// A new type must not take the title of another type of its area, nor overwrite its layout file.
bool clashesWithStoredType(Session& session, const DocumentType& type) {
  const auto stored = ListDocumentTypes(session, type.kundenbereich);
  return std::any_of(stored.begin(), stored.end(), [&](const DocumentType& other) {
    return equalsNoCase(trim(other.belegtitel), type.belegtitel) ||
           equalsNoCase(trim(other.formularname), type.formularname);
  });
}

void writeType(Session& session, DocumentType& type) {
  Connection& connection = GlobalConnection(session);
  if (type.id == 0) {
    Recordset rs(connection, "SELECT Top 1 * FROM Belegarten");
    rs.addNew();
    writeRecord(rs, type, DocumentTypeFields());
    rs.update();
    type.id = rs["ID"].toInt();
    return;
  }
  Recordset rs(connection, "SELECT * FROM Belegarten WHERE " + idList(type.id) + ";");
  if (rs.eof())
    throw std::runtime_error("Die Belegart " + std::to_string(type.id) + " ist nicht mehr vorhanden.");
  writeRecord(rs, type, DocumentTypeFields());
  rs.update();
}

int64_t documentCount(Session& session, const DocumentType& type) {
  Recordset rs(GlobalConnection(session),
               "SELECT count(BelegID) as Anzahl FROM Belegkopf WHERE ([BelegartenID] IN (" +
                   std::to_string(type.id) + ") AND " +
                   CreateBooleanSelect(session.database().dialect, "Kunde", type.kundenbereich, false) + ")");
  return rs["Anzahl"].toInt();
}

}  // namespace

DocumentType NewDocumentType(bool sales) {
  DocumentType type;
  type.kundenbereich = sales;
  type.aktiv = 1;
  type.nummer = 1;
  type.insLager = sales ? 0 : 1;
  type.insKonto = sales ? 1 : 0;
  type.aufgabe = true;
  type.aktivität = true;
  type.tpyeAbsender = 1;
  type.typeEmail = 1;
  type.priorität = 1;
  type.nachverfolgung = 1;
  type.emailEmpfaengerEmail = "[Email-Adresse]";
  type.emailEmpfaengerName = "[Vorname] [Nachname]";
  return type;
}

bool SaveDocumentType(Session& session, DocumentType& type) {
  return runOperation(
      session, operationName(kTypeEditorModule, OperationKind::Sub, "Belegart_Speichern"), false, [&] {
        if (!RequireRight(session, kTypeEditorRight)) return false;
        type.belegtitel = std::string(trim(type.belegtitel));
        type.formularname = std::string(trim(type.formularname));
        if (type.belegtitel.empty() || type.formularname.empty()) {
          refuseTypeChange(session, "Nichts gespeichert Angaben unvollständig!");
          return false;
        }
        const bool adding = type.id == 0;
        if (adding && clashesWithStoredType(session, type)) {
          refuseTypeChange(session, "Belegart schon vorhanden, oder eine Datei wird überschrieben!");
          return false;
        }
        {
          DbTransaction transaction(GlobalConnection(session));
          writeType(session, type);
          ReindexBelegart(session, type.kundenbereich);
          transaction.commit();
        }
        LoadDocumentTypes(session);
        inform(session, adding ? areaCaption(type.kundenbereich) + " -->'" + type.belegtitel + "' angelegt!"
                               : areaCaption(type.kundenbereich) + " '" + type.belegtitel + "' geändert!");
        return true;
      });
}

bool SwitchDocumentTypeActive(Session& session, int64_t id) {
  return runOperation(
      session, operationName(kTypeEditorModule, OperationKind::Sub, "Belegart_Aktiv_Schalten"), false, [&] {
        if (!RequireRight(session, kTypeEditorRight)) return false;
        const auto type = ReadDocumentType(session, id);
        if (!type) return false;
        const bool activate = !type->isActive();
        const std::string state = activate ? " Aktiv" : " InAktiv";
        if (!session.ui().askYesNo("Soll die Belegart " + type->belegtitel + state + " geschalten werden",
                                   kProductName)) {
          return false;
        }
        // The switch and the new index of every document of the area stand or fall together.
        DbTransaction transaction(GlobalConnection(session));
        GlobalConnection(session).execute("Update Belegarten set Aktiv = " +
                                          std::string(activate ? "1" : "0") + " WHERE " + idList(id) + ";");
        ReindexBelegart(session, type->kundenbereich);
        transaction.commit();
        LoadDocumentTypes(session);
        return true;
      });
}

bool DeleteDocumentType(Session& session, int64_t id) {
  return runOperation(
      session, operationName(kTypeEditorModule, OperationKind::Sub, "Belegart_Loeschen"), false, [&] {
        if (!RequireRight(session, kTypeEditorRight)) return false;
        const auto type = ReadDocumentType(session, id);
        if (!type) return false;
        const std::string question =
            documentCount(session, *type) > 0
                ? "Für die Belegart " + type->belegtitel + " sind Einträge vorhanden, trotzdem löschen"
                : "Soll die Belegart " + type->belegtitel + " gelöscht werden";
        if (!session.ui().askYesNo(question, kProductName)) return false;
        Connection& connection = GlobalConnection(session);
        DbTransaction transaction(connection);
        // The positions go with their documents, so that none is left without its header.
        connection.execute(
            "Delete FROM Belegpositionen WHERE ([BelegID] IN (SELECT BelegID FROM Belegkopf WHERE "
            "([BelegartenID] IN (" +
            std::to_string(id) + "))));");
        connection.execute("Delete FROM Belegkopf WHERE ([BelegartenID] IN (" + std::to_string(id) + "));");
        connection.execute("Delete FROM Belegarten WHERE " + idList(id) + ";");
        ReindexBelegart(session, type->kundenbereich);
        transaction.commit();
        LoadDocumentTypes(session);
        inform(session, areaCaption(type->kundenbereich) + " " + type->belegtitel + " gelöscht!");
        return true;
      });
}

}  // namespace orvosal
