#include "core/rules/document_type_index.h"

#include <cstdint>
#include <vector>

#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/operation_guard.h"

namespace orvosal {
namespace {

// The active types of one area in ascending `ID` order: a document of an active type stores its
// type's position in this list as `Belegart`.
std::vector<int64_t> activeDocumentTypeIds(Connection& connection, bool sales) {
  std::vector<int64_t> ids;
  Recordset rs(connection, "SELECT * FROM Belegarten WHERE (" +
                               CreateBooleanSelect(connection.dialect(), "Kundenbereich", sales, false) +
                               " AND Aktiv IN(1)) ORDER BY ID;");
  for (; !rs.eof(); rs.moveNext()) ids.push_back(rs["ID"].toInt());
  return ids;
}

void fillTypeIds(Connection& connection, bool sales) {
  const std::vector<int64_t> types = activeDocumentTypeIds(connection, sales);
  Recordset rs(connection,
               "SELECT BelegID, BelegartenID, Belegart FROM Belegkopf WHERE ([BelegartenID] IS Null AND " +
                   CreateBooleanSelect(connection.dialect(), "Kunde", sales, false) +
                   " AND [Belegart] < 10000) ORDER BY BelegID");
  for (; !rs.eof(); rs.moveNext()) {
    const int64_t position = rs["Belegart"].toInt();
    if (position < 0 || position >= static_cast<int64_t>(types.size())) continue;
    rs.set("BelegartenID", Value(types[static_cast<size_t>(position)]));
    rs.update();
  }
}

}  // namespace

void BelegArtenIDAnpassen(Session& session, Connection& connection) {
  runOperation(session, operationName("mdl1System", OperationKind::Sub, "BelegArtenIDAnpassen"), 0, [&] {
    for (const bool sales : {true, false}) fillTypeIds(connection, sales);
    return 0;
  });
}

}  // namespace orvosal
