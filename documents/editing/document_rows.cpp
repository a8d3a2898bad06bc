#include "documents/editing/document_rows.h"

#include "core/users/current_user.h"
#include "core/version.h"

namespace orvosal {

std::string joinIds(std::span<const int64_t> ids) {
  std::string list;
  for (const int64_t id : ids) {
    if (!list.empty()) list += ",";
    list += std::to_string(id);
  }
  return list;
}

std::vector<DocumentPosition> readPositions(Connection& connection, int64_t belegId) {
  std::vector<DocumentPosition> positions;
  Recordset rs(connection, "SELECT * FROM Belegpositionen WHERE ([BelegID] IN (" + std::to_string(belegId) +
                               ")) ORDER BY [Zeilennummer],[ID]");
  for (; !rs.eof(); rs.moveNext()) positions.push_back(readRecord(rs, DocumentPositionFields()));
  return positions;
}

void writePosition(Recordset& rs, const DocumentPosition& position) {
  writeRecord(rs, position, DocumentPositionFields());
  if (position.posTyp.empty()) rs.set("PosTyp", Value());
  if (position.posTyp == kSubtotalPosition) {
    rs.set("Menge", Value());
    rs.set("EinkaufsPreis", Value());
  }
}

int64_t insertPosition(Connection& connection, const DocumentPosition& position) {
  Recordset rs(connection, "SELECT Top 1 * FROM Belegpositionen");
  rs.addNew();
  writePosition(rs, position);
  rs.update();
  return rs["ID"].toInt();
}

void insertPositions(Connection& connection, std::span<const DocumentPosition> positions) {
  const TableSchema& table = connection.tableSchema("Belegpositionen");
  std::vector<std::string> columns;
  std::vector<const FieldDef<DocumentPosition>*> fields;
  for (const FieldDef<DocumentPosition>& field : DocumentPositionFields()) {
    if (field.key) continue;
    columns.emplace_back(field.column);
    fields.push_back(&field);
  }
  size_t next = 0;
  connection.insertRows(table, columns, [&](std::vector<Value>& row) {
    if (next == positions.size()) return false;
    const DocumentPosition& position = positions[next++];
    row.resize(fields.size());
    for (size_t i = 0; i < fields.size(); ++i) {
      const std::string_view column = fields[i]->column;
      const bool nullType = column == "PosTyp" && position.posTyp.empty();
      const bool nullSubtotal =
          position.posTyp == kSubtotalPosition && (column == "Menge" || column == "EinkaufsPreis");
      row[i] = nullType || nullSubtotal ? Value() : fieldValue(position, *fields[i]);
    }
    return true;
  });
}

std::string signedInUserName(Session& session) { return session.area<CurrentUser>().name; }

void refuse(Session& session, std::string_view text) {
  session.ui().message(text, kProductName, MessageKind::Warning);
}

}  // namespace orvosal
