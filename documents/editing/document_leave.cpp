#include "documents/editing/document_leave.h"

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/operation_guard.h"
#include "core/text.h"
#include "core/version.h"
#include "documents/editing/document_operation.h"

namespace orvosal {
namespace {

bool differsFromStored(Session& session, const OpenDocument& document, const DocumentHeader& entered) {
  if (!document.saved()) return !trim(entered.name).empty();
  return runOperation(session, documentOperation("Beleg_Verlassen"), false, [&] {
    Recordset rs(GlobalConnection(session),
                 "SELECT * FROM Belegkopf WHERE ([BelegID] IN (" + std::to_string(document.id()) + "))");
    return rs.eof() ||
           !differences(readRecord(rs, DocumentHeaderFields()), entered, DocumentHeaderFields()).empty();
  });
}

}  // namespace

bool LeaveDocument(Session& session, OpenDocument& document, const DocumentHeader& entered) {
  if (document.locked() || !differsFromStored(session, document, entered)) return true;
  if (!session.ui().askYesNo("Daten wurden geändert und noch nicht gespeichert!\nJetzt speichern?",
                             kProductName))
    return true;
  document.header() = entered;
  return document.saveHeader();
}

}  // namespace orvosal
