#include "masterdata/addresses/delivery_address.h"

#include <stdexcept>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/transaction.h"
#include "core/operation_guard.h"
#include "core/text.h"
#include "core/users/user_history.h"
#include "core/version.h"
#include "masterdata/addresses/address_detail_right.h"
#include "masterdata/user_messages.h"

namespace orvosal {
namespace {

constexpr const char* kDeliveryWindow = "frmLieferadressen";

const FieldDef<DeliveryAddress> kDeliveryFields[] = {
    {"ID", &DeliveryAddress::id, true},
    {"VID", &DeliveryAddress::vid},
    {"Lieferanrede", &DeliveryAddress::lieferanrede},
    {"Liefername", &DeliveryAddress::liefername},
    {"Lieferstraße", &DeliveryAddress::lieferstraße},
    {"Lieferort", &DeliveryAddress::lieferort},
    {"Lieferland", &DeliveryAddress::lieferland},
    {"Telefon1", &DeliveryAddress::telefon1},
    {"Telefon2", &DeliveryAddress::telefon2},
    {"Telefon3", &DeliveryAddress::telefon3},
    {"Fax", &DeliveryAddress::fax},
    {"Funk", &DeliveryAddress::funk},
    {"Email", &DeliveryAddress::email},
    {"Bemerkung", &DeliveryAddress::bemerkung},
    {"Standart", &DeliveryAddress::standart},
    {"Kunde", &DeliveryAddress::kunde},
    {"KundenID", &DeliveryAddress::kundenId},
    {"Lieferzusatz", &DeliveryAddress::lieferzusatz},
};

// "WHERE ([column] IN (id))", the selection by key.
std::string deliveryWhereIn(const char* column, int64_t id) {
  return std::string("WHERE ([") + column + "] IN (" + std::to_string(id) + "))";
}

std::optional<DeliveryAddress> readDelivery(Connection& connection, int64_t id) {
  Recordset rs(connection, "SELECT * FROM Lieferadressen " + deliveryWhereIn("ID", id));
  if (rs.eof()) return std::nullopt;
  return readRecord(rs, DeliveryAddressFields());
}

}  // namespace

FieldTable<DeliveryAddress> DeliveryAddressFields() { return kDeliveryFields; }

std::vector<DeliveryAddress> ListDeliveryAddresses(Session& session, int64_t addressId) {
  return runOperation(session, operationName(kDeliveryWindow, OperationKind::Sub, "Load_List"),
                      std::vector<DeliveryAddress>{}, [&] {
                        std::vector<DeliveryAddress> deliveries;
                        Recordset rs(GlobalConnection(session),
                                     "SELECT * FROM Lieferadressen " + deliveryWhereIn("VID", addressId) +
                                         " ORDER BY [Standart] DESC, [Liefername]");
                        for (; !rs.eof(); rs.moveNext())
                          deliveries.push_back(readRecord(rs, DeliveryAddressFields()));
                        return deliveries;
                      });
}

std::optional<DeliveryAddress> DefaultDeliveryAddress(Session& session, int64_t addressId) {
  return runOperation(session, operationName(kDeliveryWindow, OperationKind::Function, "Get_Standart"),
                      std::optional<DeliveryAddress>{}, [&]() -> std::optional<DeliveryAddress> {
                        Recordset rs(GlobalConnection(session),
                                     "SELECT Top 1 * FROM Lieferadressen WHERE ([VID] IN (" +
                                         std::to_string(addressId) +
                                         ") AND [Standart] = 1) ORDER BY [ID] DESC");
                        if (rs.eof()) return std::nullopt;
                        return readRecord(rs, DeliveryAddressFields());
                      });
}

bool SaveDeliveryAddress(Session& session, DeliveryAddress& delivery) {
  return runOperation(session, operationName(kDeliveryWindow, OperationKind::Sub, "Save_Item"), false, [&] {
    delivery.liefername = std::string(trim(delivery.liefername));
    if (delivery.liefername.empty()) {
      session.ui().message("Daten unvollständig", kProductName, MessageKind::Warning);
      return false;
    }
    const std::optional<bool> isCustomer = KindOfChangeableAddress(session, delivery.vid);
    if (!isCustomer) return false;
    Connection& connection = GlobalConnection(session);
    const bool adding = delivery.id == 0;
    if (adding) delivery.kunde = *isCustomer;
    {
      // The row and the reset of its siblings stand or fall together.
      DbTransaction transaction(connection);
      if (adding) {
        Recordset rs(connection, "SELECT Top 1 * FROM Lieferadressen");
        rs.addNew();
        writeRecord(rs, delivery, DeliveryAddressFields());
        rs.update();
        delivery.id = rs["ID"].toInt();
      } else {
        Recordset rs(connection, "SELECT * FROM Lieferadressen " + deliveryWhereIn("ID", delivery.id));
        if (rs.eof())
          throw std::runtime_error("Die Lieferadresse " + std::to_string(delivery.id) +
                                   " ist nicht mehr vorhanden.");
        if (readRecord(rs, DeliveryAddressFields()) == delivery) {
          informUser(session, "Keine Änderung!, nicht gespeichert");
          return false;
        }
        writeRecord(rs, delivery, DeliveryAddressFields());
        rs.update();
      }
      if (delivery.standart == 1) {
        connection.execute("Update Lieferadressen set Standart = 0 " + deliveryWhereIn("VID", delivery.vid));
        connection.execute("Update Lieferadressen set Standart = 1 " + deliveryWhereIn("ID", delivery.id));
      }
      transaction.commit();
    }
    WriteUserHistory(session,
                     "Lieferadressen-ID " + std::to_string(delivery.id) + (adding ? " erfasst" : " geändert"),
                     kDeliveryWindow, delivery.id);
    informUser(session, adding ? "Daten gespeichert" : "Änderungen gespeichert");
    return true;
  });
}

bool DeleteDeliveryAddress(Session& session, int64_t id) {
  return runOperation(session, operationName(kDeliveryWindow, OperationKind::Sub, "Delete_Item"), false, [&] {
    Connection& connection = GlobalConnection(session);
    const auto delivery = readDelivery(connection, id);
    if (!delivery || !KindOfChangeableAddress(session, delivery->vid).has_value()) return false;
    if (!session.ui().askYesNo("markierte Lieferadresse löschen?", kProductName)) return false;
    connection.execute("Delete FROM Lieferadressen " + deliveryWhereIn("ID", id));
    WriteUserHistory(session, "Lieferadressen-ID " + std::to_string(id) + " gelöscht", kDeliveryWindow, id);
    return true;
  });
}

}  // namespace orvosal
