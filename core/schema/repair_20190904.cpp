#include "core/schema/repair_20190904.h"

#include <cstdint>
#include <set>
#include <vector>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/operation_guard.h"
#include "core/rules/document_type_index.h"
#include "core/rules/process_number.h"
#include "core/rules/soundex.h"

namespace orvosal {
namespace {

constexpr const char* kRepairModule = "mdlCreateDatabase";

std::vector<int64_t> documentsConvertedFrom(Connection& connection, int64_t source) {
  std::vector<int64_t> targets;
  Recordset rs(connection,
               "SELECT ziel_id FROM Wandeln_history WHERE ([quell_id] IN (" + std::to_string(source) + "))");
  for (; !rs.eof(); rs.moveNext()) targets.push_back(rs["ziel_id"].toInt());
  return targets;
}

void setProcessNumber(Session& session, Connection& connection, int64_t document, int64_t number) {
  ExecuteSQL(session, connection,
             "Update Belegkopf set [VorgangsNummer] = " + std::to_string(number) + " WHERE ([BelegID] IN (" +
                 std::to_string(document) + "))");
}

// Every document without a process number opens a process of its own, unless it was converted from
// a document that received one here first; conversions of conversions belong to the same process.
void fillProcessNumbers(Session& session, Connection& connection) {
  std::set<int64_t> missing;
  std::vector<int64_t> order;
  for (Recordset rs(
           connection,
           "SELECT BelegID, VorgangsNummer FROM Belegkopf WHERE (VorgangsNummer is Null) ORDER BY BelegID");
       !rs.eof(); rs.moveNext()) {
    order.push_back(rs["BelegID"].toInt());
    missing.insert(order.back());
  }
  for (const int64_t first : order) {
    if (!missing.contains(first)) continue;
    const int64_t number = drawProcessNumber(connection);
    std::vector<int64_t> process{first};
    missing.erase(first);
    while (!process.empty()) {
      const int64_t document = process.back();
      process.pop_back();
      setProcessNumber(session, connection, document, number);
      for (const int64_t target : documentsConvertedFrom(connection, document)) {
        if (missing.erase(target) > 0) process.push_back(target);
      }
    }
  }
}

// A phonetic key cut to the width of its column.
Value phoneticKey(const Recordset& rs, std::string_view column, std::string_view name) {
  std::string key = SoundEx(name);
  const long width = rs.definedSize(column);
  if (width > 0 && key.size() > static_cast<size_t>(width)) key.resize(static_cast<size_t>(width));
  return Value(key);
}

void fillPhoneticKeys(Connection& connection) {
  Recordset rs(connection,
               "SELECT * FROM Adressen WHERE ((SoundExName IS NULL or SoundExVorname IS NULL) AND Vorname IS "
               "NOT NULL );");
  for (; !rs.eof(); rs.moveNext()) {
    rs.set("SoundExName", phoneticKey(rs, "SoundExName", rs["Name"].toText()));
    rs.set("SoundExVorname", phoneticKey(rs, "SoundExVorname", rs["Vorname"].toText()));
    rs.update();
  }
}

}  // namespace

void RepairDocumentsAndAddresses(Session& session, Connection& connection) {
  BelegArtenIDAnpassen(session, connection);
  runOperation(session, operationName(kRepairModule, OperationKind::Sub, "VorgangsNummernAnpassen"), 0, [&] {
    fillProcessNumbers(session, connection);
    return 0;
  });
  runOperation(session, operationName(kRepairModule, OperationKind::Sub, "SoundExAnpassen"), 0, [&] {
    fillPhoneticKeys(connection);
    return 0;
  });
}

}  // namespace orvosal
