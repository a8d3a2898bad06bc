#include "documents/types/document_type_store.h"

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"

namespace orvosal {

std::string AreaName(bool sales) { return sales ? "Verkauf" : "Einkauf"; }

std::vector<DocumentType> ListDocumentTypes(Session& session, bool sales) {
  std::vector<DocumentType> types;
  Recordset rs(GlobalConnection(session),
               "SELECT * FROM Belegarten WHERE (" +
                   CreateBooleanSelect(session.database().dialect, "Kundenbereich", sales, false) +
                   ") ORDER BY ID;");
  for (; !rs.eof(); rs.moveNext()) types.push_back(readRecord(rs, DocumentTypeFields()));
  return types;
}

std::optional<DocumentType> ReadDocumentType(Session& session, int64_t id) {
  Recordset rs(GlobalConnection(session),
               "SELECT * FROM Belegarten WHERE ([ID] IN (" + std::to_string(id) + "));");
  if (rs.eof()) return std::nullopt;
  return readRecord(rs, DocumentTypeFields());
}

}  // namespace orvosal
