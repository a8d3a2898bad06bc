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

namespace orvosal {
namespace {

using T = DeliveryAddress;

constexpr const char* kWindow = "frmLieferadressen";

const FieldDef<T> kFields[] = {
    {"ID", &T::id, true},
    {"VID", &T::vid},
    {"Lieferanrede", &T::lieferanrede},
    {"Liefername", &T::liefername},
    {"Lieferstraße", &T::lieferstraße},
    {"Lieferort", &T::lieferort},
    {"Lieferland", &T::lieferland},
    {"Telefon1", &T::telefon1},
    {"Telefon2", &T::telefon2},
    {"Telefon3", &T::telefon3},
    {"Fax", &T::fax},
    {"Funk", &T::funk},
    {"Email", &T::email},
    {"Bemerkung", &T::bemerkung},
    {"Standart", &T::standart},
    {"Kunde", &T::kunde},
    {"KundenID", &T::kundenId},
    {"Lieferzusatz", &T::lieferzusatz},
};

// "WHERE ([column] IN (id))", the selection by key.
std::string whereIn(const char* column, int64_t id) {
  return std::string("WHERE ([") + column + "] IN (" + std::to_string(id) + "))";
}

std::optional<DeliveryAddress> readDelivery(Connection& connection, int64_t id) {
  Recordset rs(connection, "SELECT * FROM Lieferadressen " + whereIn("ID", id));
  if (rs.eof()) return std::nullopt;
  return readRecord(rs, DeliveryAddressFields());
}

void inform(Session& session, const std::string& text) {
  session.ui().message(text, kProductName, MessageKind::Information);
}

}  // namespace

FieldTable<DeliveryAddress> DeliveryAddressFields() { return kFields; }

std::vector<DeliveryAddress> ListDeliveryAddresses(Session& session, int64_t addressId) {
  return runOperation(
      session, operationName(kWindow, OperationKind::Sub, "Load_List"), std::vector<DeliveryAddress>{}, [&] {
        std::vector<DeliveryAddress> deliveries;
        Recordset rs(GlobalConnection(session), "SELECT * FROM Lieferadressen " + whereIn("VID", addressId) +
                                                    " ORDER BY [Standart] DESC, [Liefername]");
        for (; !rs.eof(); rs.moveNext()) deliveries.push_back(readRecord(rs, DeliveryAddressFields()));
        return deliveries;
      });
}

std::optional<DeliveryAddress> DefaultDeliveryAddress(Session& session, int64_t addressId) {
  return runOperation(session, operationName(kWindow, OperationKind::Function, "Get_Standart"),
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
  return runOperation(session, operationName(kWindow, OperationKind::Sub, "Save_Item"), false, [&] {
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
        Recordset rs(connection, "SELECT * FROM Lieferadressen " + whereIn("ID", delivery.id));
        if (rs.eof())
          throw std::runtime_error("Die Lieferadresse " + std::to_string(delivery.id) +
                                   " ist nicht mehr vorhanden.");
        if (readRecord(rs, DeliveryAddressFields()) == delivery) {
          inform(session, "Keine Änderung!, nicht gespeichert");
          return false;
        }
        writeRecord(rs, delivery, DeliveryAddressFields());
        rs.update();
      }
      if (delivery.standart == 1) {
        connection.execute("Update Lieferadressen set Standart = 0 " + whereIn("VID", delivery.vid));
        connection.execute("Update Lieferadressen set Standart = 1 " + whereIn("ID", delivery.id));
      }
      transaction.commit();
    }
    WriteUserHistory(session,
                     "Lieferadressen-ID " + std::to_string(delivery.id) + (adding ? " erfasst" : " geändert"),
                     kWindow, delivery.id);
    inform(session, adding ? "Daten gespeichert" : "Änderungen gespeichert");
    return true;
  });
}

bool DeleteDeliveryAddress(Session& session, int64_t id) {
  return runOperation(session, operationName(kWindow, OperationKind::Sub, "Delete_Item"), false, [&] {
    Connection& connection = GlobalConnection(session);
    const auto delivery = readDelivery(connection, id);
    if (!delivery || !KindOfChangeableAddress(session, delivery->vid).has_value()) return false;
    if (!session.ui().askYesNo("markierte Lieferadresse löschen?", kProductName)) return false;
    connection.execute("Delete FROM Lieferadressen " + whereIn("ID", id));
    WriteUserHistory(session, "Lieferadressen-ID " + std::to_string(id) + " gelöscht", kWindow, id);
    return true;
  });
}

}  // namespace orvosal
