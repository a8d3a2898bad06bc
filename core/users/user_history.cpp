#include "core/users/user_history.h"

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/operation_guard.h"
#include "core/text.h"
#include "core/users/current_user.h"

namespace orvosal {
namespace {

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
    rs.set("Infotext", Value(firstCharacters(infotext, rs.definedSize("Infotext"))));
    rs.set("FormName", Value(firstCharacters(formName, rs.definedSize("FormName"))));
    rs.set("IDNummer", Value(idNummer));
    rs.update();
    return 0;
  });
}

}  // namespace orvosal
