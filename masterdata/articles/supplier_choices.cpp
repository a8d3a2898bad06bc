#include "masterdata/articles/supplier_choices.h"

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/error_log.h"
#include "core/operation_guard.h"

namespace orvosal {

std::vector<IdChoice> SupplierChoices(Session& session) {
  std::vector<IdChoice> choices = {{0, "Kein Lieferant"}};
  return runOperation(
      session, operationName("frmWarengruppe", OperationKind::Function, "Lieferanten_Laden"), choices, [&] {
        const std::string sql = "SELECT ID, Name, Vorname FROM Adressen WHERE (" +
                                CreateBooleanSelect(session.database().dialect, "Kunde", false, false) +
                                ") ORDER BY Name, Vorname, ID";
        for (Recordset rs(GlobalConnection(session), sql); !rs.eof(); rs.moveNext()) {
          std::string caption = rs["Name"].toText();
          if (const std::string firstName = rs["Vorname"].toText(); !firstName.empty())
            caption += ", " + firstName;
          choices.push_back({rs["ID"].toInt(), caption});
        }
        return choices;
      });
}

}  // namespace orvosal
