#include "masterdata/addresses/contact_person.h"

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

constexpr const char* kContactWindow = "frmAnsprechpartner";

const FieldDef<ContactPerson> kContactFields[] = {
    {"ID", &ContactPerson::id, true},       {"Name", &ContactPerson::name},
    {"Telefon", &ContactPerson::telefon},   {"Fax", &ContactPerson::fax},
    {"Straße", &ContactPerson::straße},     {"Plz", &ContactPerson::plz},
    {"Ort", &ContactPerson::ort},           {"Funk", &ContactPerson::funk},
    {"Email", &ContactPerson::email},       {"KundenID", &ContactPerson::kundenId},
    {"Standart", &ContactPerson::standart},
};

// "WHERE ([column] IN (id))", the selection by key.
std::string contactWhereIn(const char* column, int64_t id) {
  return std::string("WHERE ([") + column + "] IN (" + std::to_string(id) + "))";
}

std::optional<ContactPerson> readContact(Connection& connection, int64_t id) {
  Recordset rs(connection, "SELECT * FROM Ansprechpartner " + contactWhereIn("ID", id));
  if (rs.eof()) return std::nullopt;
  return readRecord(rs, ContactPersonFields());
}

// The default contact's name and numbers, copied into the address for its documents and lists.
void copyIntoAddress(Connection& connection, const ContactPerson& contact) {
  Recordset rs(connection, "SELECT * FROM Adressen " + contactWhereIn("ID", contact.kundenId));
  if (rs.eof()) return;
  rs.set("Ansprechpartner", Value(contact.name));
  rs.set("Telefon_Anprechpartner", Value(contact.telefon));
  rs.set("Fax_Anprechpartner", Value(contact.fax));
  rs.set("Funk_Anprechpartner", Value(contact.funk));
  rs.update();
}

}  // namespace

FieldTable<ContactPerson> ContactPersonFields() { return kContactFields; }

std::vector<ContactPerson> ListContactPersons(Session& session, int64_t addressId) {
  return runOperation(session, operationName(kContactWindow, OperationKind::Sub, "Load_List"),
                      std::vector<ContactPerson>{}, [&] {
                        std::vector<ContactPerson> contacts;
                        Recordset rs(GlobalConnection(session), "SELECT * FROM Ansprechpartner " +
                                                                    contactWhereIn("KundenID", addressId) +
                                                                    " ORDER BY [Name], [ID] DESC");
                        for (; !rs.eof(); rs.moveNext())
                          contacts.push_back(readRecord(rs, ContactPersonFields()));
                        return contacts;
                      });
}

std::optional<ContactPerson> DefaultContactPerson(Session& session, int64_t addressId) {
  return runOperation(session, operationName(kContactWindow, OperationKind::Function, "Get_Standart"),
                      std::optional<ContactPerson>{}, [&]() -> std::optional<ContactPerson> {
                        Recordset rs(GlobalConnection(session),
                                     "SELECT Top 1 * FROM Ansprechpartner WHERE ([KundenID] IN (" +
                                         std::to_string(addressId) +
                                         ") AND [Standart] = 1) ORDER BY [ID] DESC");
                        if (rs.eof()) return std::nullopt;
                        return readRecord(rs, ContactPersonFields());
                      });
}

bool SaveContactPerson(Session& session, ContactPerson& contact) {
  return runOperation(session, operationName(kContactWindow, OperationKind::Sub, "Save_Item"), false, [&] {
    contact.name = std::string(trim(contact.name));
    if (contact.name.empty()) {
      session.ui().message("Daten unvollständig", kProductName, MessageKind::Warning);
      return false;
    }
    if (!KindOfChangeableAddress(session, contact.kundenId).has_value()) return false;
    Connection& connection = GlobalConnection(session);
    const bool adding = contact.id == 0;
    {
      // The row, the reset of its siblings and the copy in the address stand or fall together.
      DbTransaction transaction(connection);
      if (adding) {
        Recordset rs(connection, "SELECT Top 1 * FROM Ansprechpartner");
        rs.addNew();
        writeRecord(rs, contact, ContactPersonFields());
        rs.update();
        contact.id = rs["ID"].toInt();
      } else {
        Recordset rs(connection, "SELECT * FROM Ansprechpartner " + contactWhereIn("ID", contact.id));
        if (rs.eof())
          throw std::runtime_error("Der Ansprechpartner " + std::to_string(contact.id) +
                                   " ist nicht mehr vorhanden.");
        if (readRecord(rs, ContactPersonFields()) == contact) {
          informUser(session, "Keine Änderung!, nicht gespeichert");
          return false;
        }
        writeRecord(rs, contact, ContactPersonFields());
        rs.update();
      }
      if (contact.standart == 1) {
        connection.execute("Update Ansprechpartner set Standart = 0 " +
                           contactWhereIn("KundenID", contact.kundenId));
        connection.execute("Update Ansprechpartner set Standart = 1 " + contactWhereIn("ID", contact.id));
        copyIntoAddress(connection, contact);
      }
      transaction.commit();
    }
    WriteUserHistory(session,
                     "Ansprechpartner-ID " + std::to_string(contact.id) + (adding ? " erfasst" : " geändert"),
                     kContactWindow, contact.id);
    informUser(session, adding ? "Daten gespeichert" : "Änderungen gespeichert");
    return true;
  });
}

bool DeleteContactPerson(Session& session, int64_t id) {
  return runOperation(session, operationName(kContactWindow, OperationKind::Sub, "Delete_Item"), false, [&] {
    Connection& connection = GlobalConnection(session);
    const auto contact = readContact(connection, id);
    if (!contact || !KindOfChangeableAddress(session, contact->kundenId).has_value()) return false;
    if (!session.ui().askYesNo("markierten Ansprechpartner löschen?", kProductName)) return false;
    connection.execute("Delete FROM Ansprechpartner " + contactWhereIn("ID", id));
    WriteUserHistory(session, "Ansprechpartner-ID " + std::to_string(id) + " gelöscht", kContactWindow, id);
    return true;
  });
}

}  // namespace orvosal
