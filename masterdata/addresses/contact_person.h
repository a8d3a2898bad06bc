#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/records/field_table.h"
#include "core/session.h"

namespace orvosal {

// One `Ansprechpartner` row: a contact person of the address `kundenId`. Of the contact persons of
// one address at most one is the default (`standart` 1); the address keeps a copy of its name,
// telephone, fax and mobile number.
struct ContactPerson {
  int64_t id = 0;
  std::string name;
  std::string telefon;
  std::string fax;
  std::string straße;
  std::string plz;
  std::string ort;
  std::string funk;
  std::string email;
  int64_t kundenId = 0;
  int standart = 0;
  bool operator==(const ContactPerson&) const = default;
};

// Every column of `Ansprechpartner` and where ContactPerson keeps it; the key first.
FieldTable<ContactPerson> ContactPersonFields();

// The contact persons of the address by name, of equal names the newest first.
std::vector<ContactPerson> ListContactPersons(Session& session, int64_t addressId);

// The default contact person of the address, or nothing when it has none.
std::optional<ContactPerson> DefaultContactPerson(Session& session, int64_t addressId);

// Adds the contact person (`id` 0; the new key is written back) to its address or saves the
// changes of a stored one. A default contact person takes the mark from its siblings and is copied
// into the address. Refused with an empty name, for an address that is not stored, and without
// the save right of the address's kind; an unchanged stored row is not written. True when written.
bool SaveContactPerson(Session& session, ContactPerson& contact);

// Deletes the contact person after asking, with the save right of its address's kind. True when
// deleted.
bool DeleteContactPerson(Session& session, int64_t id);

}  // namespace orvosal
