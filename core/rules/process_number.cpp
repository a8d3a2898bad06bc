#include "core/rules/process_number.h"

#include "core/db/recordset.h"
#include "core/db/transaction.h"
#include "core/operation_guard.h"
#include "core/rules/legacy_counters.h"
#include "core/text.h"

namespace orvosal {
namespace {

bool isTaken(Connection& connection, int64_t candidate) {
  Recordset rs(connection, "SELECT count(BelegID) as anzahl FROM Belegkopf where ([VorgangsNummer] IN (" +
                               std::to_string(candidate) + "))");
  return !rs.eof() && rs["Anzahl"].toInt() >= 1;
}

// Takes the stored counter as the next candidate and stores its successor; a counter that holds
// no number starts again at 1.
int64_t nextCandidate(Connection& connection, int64_t candidate) {
  Recordset rs(connection, "Select Top 1 * from Nummernkreise");
  if (rs.eof()) {
    addCounterRow(rs);
    rs.update();
    return candidate;
  }
  const Value stored = rs["VorgangsNummer"];
  const bool numeric = stored.isNumber() || (stored.isText() && isNumeric(stored.toText()));
  const int64_t taken = numeric ? stored.toInt() : 1;
  rs.set("VorgangsNummer", Value(taken + 1));
  rs.update();
  return taken;
}

}  // namespace

int64_t drawProcessNumber(Connection& connection) {
  DbTransaction draw(connection, kCounterLock);
  int64_t candidate = 1;
  while (isTaken(connection, candidate)) candidate = nextCandidate(connection, candidate);
  draw.commit();
  return candidate;
}

int64_t Next_VorgangsNummer(Session& session, Connection& connection) {
  return runOperation(session, operationName("mdl1System", OperationKind::Function, "Next_VorgangsNummer"),
                      int64_t{0}, [&] { return drawProcessNumber(connection); });
}

}  // namespace orvosal
