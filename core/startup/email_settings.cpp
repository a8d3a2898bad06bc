#include "core/startup/email_settings.h"

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/operation_guard.h"
#include "core/text.h"
#include "core/users/current_user.h"

namespace orvosal {

void LoadEmailSettings(Session& session) {
  runOperation(session, operationName("mdlHauptmodul", OperationKind::Sub, "LoadEmailSettings"), 0, [&] {
    Recordset rs(GlobalConnection(session), "SELECT Top 1 * FROM EMailAbrufKonten ORDER BY ID");
    if (rs.eof()) return 0;
    CurrentUser& user = session.area<CurrentUser>();
    if (trim(user.emailSenderAddress).empty()) user.emailSenderAddress = rs["AbsenderEmail"].toText();
    if (trim(user.emailSenderName).empty()) user.emailSenderName = rs["AbsenderAdresse"].toText();
    return 0;
  });
}

}  // namespace orvosal
