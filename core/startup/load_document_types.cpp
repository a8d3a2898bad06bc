#include "core/startup/load_document_types.h"

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/operation_guard.h"
#include "core/startup/document_type_lists.h"

namespace orvosal {
namespace {

std::vector<DocumentTypeEntry> activeTypes(Session& session, bool sales) {
  std::vector<DocumentTypeEntry> types;
  Recordset rs(GlobalConnection(session),
               "SELECT * FROM Belegarten WHERE (" +
                   CreateBooleanSelect(session.database().dialect, "Kundenbereich", sales, false) +
                   " AND Aktiv IN(1)) ORDER BY ID;");
  for (; !rs.eof(); rs.moveNext()) {
    DocumentTypeEntry& type = types.emplace_back();
    static_cast<DocumentType&>(type) = readRecord(rs, DocumentTypeFields());
    type.reportFile = type.formularname + ".lst";
  }
  return types;
}

DocumentTypeEntry cashSale() {
  DocumentTypeEntry entry;
  entry.id = -1;
  entry.belegtitel = "Barverkauf";
  entry.kurztitel = "Barverkauf";
  entry.formularname = "Barverkauf";
  entry.reportFile = "Barverkauf.lst";
  entry.kundenbereich = true;
  return entry;
}

}  // namespace

void LoadDocumentTypes(Session& session) {
  runOperation(session, operationName("mdlHauptmodul", OperationKind::Sub, "LoadDocumentTypes"), 0, [&] {
    DocumentTypeLists lists;
    lists.sales = activeTypes(session, true);
    lists.sales.push_back(cashSale());
    lists.purchase = activeTypes(session, false);
    session.area<DocumentTypeLists>() = std::move(lists);
    return 0;
  });
}

}  // namespace orvosal
