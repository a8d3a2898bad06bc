#include "core/users/last_opened.h"

#include <string>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/operation_guard.h"
#include "core/text.h"
#include "core/users/current_user.h"

namespace orvosal {
namespace {

std::string rowOf(Session& session, std::string_view window) {
  return "SELECT * FROM LastOpening WHERE ([Benutzer] IN (" + SqlQuoted(session.area<CurrentUser>().name) +
         ") AND [Modul] IN (" + SqlQuoted(window) + ")) ORDER BY [ID]";
}

}  // namespace

void RecordLastOpened(Session& session, std::string_view window, int64_t recordId, std::string_view text) {
  runOperation(session, operationName("mdlBenutzer", OperationKind::Sub, "Write_LastOpening"), 0, [&] {
    Recordset rs(GlobalConnection(session), rowOf(session, window));
    if (rs.eof()) {
      rs.addNew();
      rs.set("Benutzer", Value(session.area<CurrentUser>().name));
      rs.set("Modul", Value(std::string(window)));
    }
    rs.set("Text", Value(firstCharacters(text, rs.definedSize("Text"))));
    rs.set("Datensatz", Value(recordId));
    rs.update();
    return 0;
  });
}

std::optional<int64_t> LastOpenedRecord(Session& session, std::string_view window) {
  return runOperation(session, operationName("mdlBenutzer", OperationKind::Function, "Read_LastOpening"),
                      std::optional<int64_t>(), [&]() -> std::optional<int64_t> {
                        Recordset rs(GlobalConnection(session), rowOf(session, window));
                        if (rs.eof() || rs["Datensatz"].toInt() <= 0) return std::nullopt;
                        return rs["Datensatz"].toInt();
                      });
}

}  // namespace orvosal
