#include "core/users/user_history.h"

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/operation_guard.h"
#include "core/users/current_user.h"

namespace orvosal {
namespace {

// A UTF-8 text cut to the defined size of its column in characters (0: no limit).
std::string fitColumn(std::string_view text, long size) {
  if (size <= 0) return std::string(text);
  size_t end = 0;
  for (long taken = 0; end < text.size() && taken < size; ++taken) {
    ++end;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  }
  return std::string(text.substr(0, end));
}

bool historyWanted(Session& session) {
  const auto& settings = session.systemSettings();
  const auto found = settings.find("WriteUserHsitory");
  return found != settings.end() && found->second == "1";
}

}  // namespace

void WriteUserHistory(Session& session, std::string_view infotext, std::string_view formName,
                      int64_t idNummer) {
  if (infotext.empty() || !historyWanted(session)) return;
  runOperation(session, operationName("mdlBenutzer", OperationKind::Sub, "WriteUserHistory"), 0, [&] {
    Recordset rs(GlobalConnection(session), "SELECT Top 1 * from User_History");
    rs.addNew();
    rs.set("UserID", Value(session.area<CurrentUser>().id));
    rs.set("Datum", Value(session.clock().today()));
    rs.set("Infotext", Value(fitColumn(infotext, rs.definedSize("Infotext"))));
    rs.set("FormName", Value(fitColumn(formName, rs.definedSize("FormName"))));
    rs.set("IDNummer", Value(idNummer));
    rs.update();
    return 0;
  });
}

}  // namespace orvosal
