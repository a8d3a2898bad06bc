#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/operation_guard.h"
#include "core/schema/seed_default_user.h"
#include "core/users/load_user.h"
#include "core/users/sign_in.h"

namespace orvosal {

bool SignInWithoutWindow(Session& session) {
  return runOperation(session, operationName("mdlBenutzer", OperationKind::Function, "SignInWithoutWindow"),
                      false, [&] {
                        Connection& db = GlobalConnection(session);
                        const auto signInFirstUser = [&] {
                          Recordset rs(db, "SELECT Top 1 * FROM Benutzer ORDER BY ID");
                          if (rs.eof()) return false;
                          LoadUser(session, rs);
                          return true;
                        };
                        if (signInFirstUser()) return true;
                        SeedDefaultUser(session, db);
                        return signInFirstUser();
                      });
}

}  // namespace orvosal
