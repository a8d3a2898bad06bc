#include "core/startup/load_document_types.h"

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/operation_guard.h"
#include "core/startup/document_type_lists.h"
#include "core/startup/row_fields.h"

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
    type.id = rs["ID"].toInt();
    type.belegtitel = rs["Belegtitel"].toText();
    type.kurztitel = rs["Kurztitel"].toText();
    type.reportFile = rs["Formularname"].toText() + ".lst";
    type.kundenbereich = sales;
    type.fields = RowFields(rs, "Belegarten");
  }
  return types;
}

DocumentTypeEntry cashSale() {
  DocumentTypeEntry entry;
  entry.id = -1;
  entry.belegtitel = "Barverkauf";
  entry.kurztitel = "Barverkauf";
  entry.reportFile = "Barverkauf.lst";
  entry.kundenbereich = true;
  entry.fields = {{"ID", Value(int64_t{-1})},
                  {"Belegtitel", Value("Barverkauf")},
                  {"Kurztitel", Value("Barverkauf")},
                  {"Formularname", Value("Barverkauf")},
                  {"Kundenbereich", Value(true)}};
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
