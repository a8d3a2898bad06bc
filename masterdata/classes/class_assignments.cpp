#include "masterdata/classes/class_assignments.h"

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/operation_guard.h"
#include "core/text.h"
#include "core/users/rights.h"
#include "core/version.h"
#include "masterdata/user_messages.h"

namespace orvosal {
namespace {

constexpr const char* kAssignmentModule = "frmKlassen";
constexpr const char* kAssignmentRight = "Provision";

std::string assignmentOperation(const char* name) {
  return operationName(kAssignmentModule, OperationKind::Sub, name);
}

std::string customerCondition(Session& session) {
  return CreateBooleanSelect(session.database().dialect, "Kunde", true, false);
}

}  // namespace

std::vector<AssignedCustomer> AssignedCustomers(Session& session, int64_t classId) {
  return runOperation(session, assignmentOperation("Kunden_Laden"), std::vector<AssignedCustomer>{}, [&] {
    Connection& connection = GlobalConnection(session);
    std::vector<AssignedCustomer> customers;
    for (Recordset rs(connection, "SELECT * FROM Klassen_zu_Kunden WHERE ([class_id] IN (" +
                                      std::to_string(classId) + ")) ORDER BY [id]");
         !rs.eof(); rs.moveNext()) {
      AssignedCustomer customer{rs["id"].toInt(), rs["KundenID"].toInt(), "", ""};
      Recordset address(connection, "SELECT Kundennummer,Name,Vorname FROM Adressen WHERE ([ID] IN (" +
                                        std::to_string(customer.customerId) + "))");
      if (!address.eof()) {
        customer.kundennummer = address["Kundennummer"].toText();
        customer.name = std::string(trim(address["Name"].toText() + " " + address["Vorname"].toText()));
      }
      customers.push_back(customer);
    }
    return customers;
  });
}

bool AssignCustomer(Session& session, int64_t classId, int64_t customerId) {
  return runOperation(session, assignmentOperation("Kunde_Zuordnen"), false, [&] {
    if (!RequireRight(session, kAssignmentRight)) return false;
    Connection& connection = GlobalConnection(session);
    if (Recordset(connection,
                  "SELECT class_id FROM Klassen WHERE ([class_id] IN (" + std::to_string(classId) + "))")
            .eof()) {
      warnUser(session, "Die Provisionsklasse " + std::to_string(classId) + " gibt es nicht");
      return false;
    }
    if (Recordset(connection, "SELECT ID FROM Adressen WHERE ([ID] IN (" + std::to_string(customerId) +
                                  ") AND " + customerCondition(session) + ")")
            .eof()) {
      warnUser(session, "Kunde " + std::to_string(customerId) + " nicht gefunden");
      return false;
    }
    if (!Recordset(connection, "SELECT id FROM Klassen_zu_Kunden WHERE ([class_id] IN (" +
                                   std::to_string(classId) + ") AND [KundenID] IN (" +
                                   std::to_string(customerId) + "))")
             .eof()) {
      warnUser(session, "Kunde bereits zugeordnet");
      return false;
    }
    Recordset rs(connection, "SELECT Top 1 * FROM Klassen_zu_Kunden");
    rs.addNew();
    rs.set("class_id", Value(classId));
    rs.set("KundenID", Value(customerId));
    rs.update();
    return true;
  });
}

bool RemoveAssignedCustomer(Session& session, int64_t assignmentId) {
  return runOperation(session, assignmentOperation("Kunde_Entfernen"), false, [&] {
    if (!RequireRight(session, kAssignmentRight)) return false;
    GlobalConnection(session).execute("Delete FROM Klassen_zu_Kunden WHERE ([id] IN (" +
                                      std::to_string(assignmentId) + "))");
    return true;
  });
}

}  // namespace orvosal
