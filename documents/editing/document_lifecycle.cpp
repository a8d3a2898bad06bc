#include "documents/editing/document_lifecycle.h"

#include <string>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/transaction.h"
#include "core/error_log.h"
#include "core/operation_guard.h"
#include "core/users/rights.h"
#include "core/users/user_history.h"
#include "core/version.h"
#include "documents/editing/document_operation.h"
#include "documents/editing/document_rows.h"
#include "documents/editing/open_document.h"
#include "documents/totals/document_totals.h"

namespace orvosal {
namespace {

std::string byId(int64_t belegId) { return "([BelegID] IN (" + std::to_string(belegId) + "))"; }

// The header of the copy: same type, partner and process number; no number; every status,
// print, payment and dunning stamp cleared; dated today by the signed-in user.
DocumentHeader duplicateHeader(Session& session, DocumentHeader header) {
  const DateTime now = session.clock().now();
  header.belegId = 0;
  header.belegnummer.clear();
  header.belegdatum = now.date();
  header.erstellzeit = now;
  header.sachbearbeiter = signedInUserName(session);
  header.duplikat = true;
  header.erledigt = 0;
  header.aktivErledigt = 0;
  header.storno.reset();
  header.belegGedruckt.reset();
  header.pdfErstellt.reset();
  header.emailVersand.reset();
  header.lagerGebucht.reset();
  header.activitätErstellt.reset();
  header.bezahltAm.reset();
  header.bezahltWie.clear();
  header.bezahltWieviel = Currency();
  header.bezahltAufKonto.clear();
  header.provBezahltAm.reset();
  header.tatSkonto = Currency();
  header.inkasso.reset();
  for (std::optional<Date>* stamp :
       {&header.mahnDatum1, &header.mahnDatum2, &header.mahnDatum3, &header.mahnDatum4, &header.mahnFrist1,
        &header.mahnFrist2, &header.mahnFrist3, &header.mahnFrist4}) {
    stamp->reset();
  }
  return header;
}

}  // namespace

bool DeleteDocument(Session& session, int64_t belegId, bool unlocked) {
  if (!RequireRight(session, "Delete_Items")) return false;
  struct Found {
    bool exists = false;
    bool done = false;
    bool projects = false;
    bool rentals = false;
  };
  const Found found = runOperation(session, documentOperation("Delete_Beleg"), Found{}, [&] {
    Connection& connection = GlobalConnection(session);
    Recordset rs(connection, "SELECT Erledigt FROM Belegkopf WHERE " + byId(belegId));
    if (rs.eof()) return Found{};
    return Found{true, rs["Erledigt"].toInt() == 1, TableExists(connection, "ProjectLink"),
                 TableExists(connection, "Vermietung")};
  });
  if (!found.exists) return false;
  if (found.done && !unlocked) {
    refuse(session, " Position kann nicht gelöscht werden!");
    return false;
  }
  if (!session.ui().askYesNo("Soll Beleg gelöscht werden?", kProductName)) return false;
  const bool deleted = runOperation(session, documentOperation("Delete_Beleg"), false, [&] {
    Connection& connection = GlobalConnection(session);
    DbTransaction transaction(connection);
    const std::string id = std::to_string(belegId);
    connection.execute("DELETE FROM Belegpositionen WHERE ([BelegID] IN (" + id + "));");
    connection.execute("DELETE FROM Belegkopf WHERE ([BelegID] IN (" + id + "));");
    connection.execute("DELETE FROM Aktivitäten WHERE ([BelegID] IN (" + id + "));");
    if (found.projects) connection.execute("DELETE FROM ProjectLink WHERE ([BelegID] IN (" + id + "));");
    connection.execute("DELETE FROM Versand_Bewegungen WHERE ([BelegID] IN (" + id + "));");
    if (found.rentals) connection.execute("DELETE FROM Vermietung WHERE ([BelegID] IN (" + id + "));");
    connection.execute("DELETE FROM Wandeln_history WHERE ( [ziel_id] = " + id + " or [quell_id] = " + id +
                       " )");
    transaction.commit();
    return true;
  });
  if (deleted)
    WriteUserHistory(session, "Beleg-ID " + std::to_string(belegId) + " gelöscht", kDocumentWindow, belegId);
  return deleted;
}

std::optional<int64_t> DuplicateDocument(Session& session, int64_t belegId, DuplicateForm form) {
  if (!RequireRight(session, "Change_Beleg")) return std::nullopt;
  const std::optional<int64_t> copy = runOperation(
      session, documentOperation(form == DuplicateForm::Plain ? "Beleg_Duplizieren" : "Duplikat_Erstellen"),
      std::optional<int64_t>(), [&]() -> std::optional<int64_t> {
        Connection& connection = GlobalConnection(session);
        DbTransaction transaction(connection);
        Recordset source(connection, "SELECT * FROM Belegkopf WHERE " + byId(belegId));
        if (source.eof()) return std::nullopt;
        const DocumentHeader header = duplicateHeader(session, readRecord(source, DocumentHeaderFields()));
        Recordset rs(connection, "SELECT Top 1 * FROM Belegkopf");
        rs.addNew();
        writeRecord(rs, header, DocumentHeaderFields());
        rs.update();
        const int64_t newId = rs["BelegID"].toInt();
        std::vector<DocumentPosition> positions = readPositions(connection, belegId);
        for (DocumentPosition& position : positions) {
          position.belegId = newId;
          if (form != DuplicateForm::WithDeliveredStock) {
            position.istMenge = 0;
            position.istDatum.reset();
          }
        }
        if (!positions.empty()) insertPositions(connection, positions);
        recomputeDocumentTotals(session, newId);
        transaction.commit();
        return newId;
      });
  if (!copy) {
    session.ui().message(form == DuplicateForm::Plain ? "Fehler Beleg Duplizieren nicht möglich"
                                                      : "Fehler Duplikat erstellen nicht möglich",
                         kProductName, MessageKind::Critical);
  }
  return copy;
}

bool IS_BELEG_ERELEDIGT(Session& session, int64_t belegId) {
  return runOperation(session, documentOperation("IS_BELEG_ERELEDIGT"), false, [&] {
    Recordset rs(GlobalConnection(session),
                 "SELECT Erledigt FROM Belegkopf WHERE ([BelegID] IN (" + std::to_string(belegId) + "))");
    return !rs.eof() && rs["Erledigt"].toInt() == 1;
  });
}

bool IS_BELEG_Bezahlt(Session& session, int64_t belegId) {
  return runOperation(session, documentOperation("IS_BELEG_Bezahlt"), false, [&] {
    Recordset rs(GlobalConnection(session),
                 "SELECT Bezahlt_Wieviel, Gesamtpreis FROM Belegkopf WHERE ([BelegID] IN (" +
                     std::to_string(belegId) + "))");
    if (rs.eof()) return false;
    const Currency total = rs["Gesamtpreis"].toCurrency();
    return total != Currency() && rs["Bezahlt_Wieviel"].toCurrency() >= total;
  });
}

}  // namespace orvosal
