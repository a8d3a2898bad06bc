#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/records/field_table.h"
#include "core/session.h"

namespace orvosal {

// One `Lieferadressen` row: a further delivery address of the address `vid`, of its kind (`kunde`).
// `lieferland` holds the two-letter country code (country_codes.h). Of the delivery addresses of
// one address at most one is the default (`standart` 1).
struct DeliveryAddress {
  int64_t id = 0;
  int64_t vid = 0;
  std::string lieferanrede;
  std::string liefername;
  std::string lieferstraße;
  std::string lieferort;
  std::string lieferland;
  std::string telefon1;
  std::string telefon2;
  std::string telefon3;
  std::string fax;
  std::string funk;
  std::string email;
  std::string bemerkung;
  int standart = 0;
  bool kunde = false;
  int64_t kundenId = 0;
  std::string lieferzusatz;
  bool operator==(const DeliveryAddress&) const = default;
};

// Every column of `Lieferadressen` and where DeliveryAddress keeps it; the key first.
FieldTable<DeliveryAddress> DeliveryAddressFields();

// The delivery addresses of the address, the default first, then by name.
std::vector<DeliveryAddress> ListDeliveryAddresses(Session& session, int64_t addressId);

// The default delivery address of the address, or nothing when it has none.
std::optional<DeliveryAddress> DefaultDeliveryAddress(Session& session, int64_t addressId);

// Adds the delivery address (`id` 0; the new key is written back) or saves the changes of a stored
// one. A default delivery address takes the mark from its siblings. Refused with an empty name, for
// an address that is not stored, and without the save right of the address's kind; an unchanged
// stored row is not written. True when written.
bool SaveDeliveryAddress(Session& session, DeliveryAddress& delivery);

// Deletes the delivery address after asking, with the save right of its address's kind. True when
// deleted.
bool DeleteDeliveryAddress(Session& session, int64_t id);

}  // namespace orvosal
