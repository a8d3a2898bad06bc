#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/session.h"

namespace orvosal {

// What the typed text of the address search is matched against, and the order of the hits.
enum class AddressSearchField {
  Number,     // `Kundennummer` starts with the text; by number
  Name,       // `Name`, else `Vorname` starts with the text; by name and first name
  NameInfix,  // `Name`, else `Vorname` contains the text; by name and first name
  Town,       // `Ort` starts with the text; by town and name
  Postcode,   // `PLZ` starts with the text; by postcode and name
  Phonetic,   // the phonetic code of the text is `SoundExName`, else `SoundExVorname`; by name
  FreeText,   // number, name, first name, street, town, e-mail or telephone contains the text; by name
};

struct AddressSearch {
  std::string text;  // as typed; "*" is a wildcard
  AddressSearchField field = AddressSearchField::Name;
  std::optional<bool> isCustomer;  // customers, suppliers, or both kinds when empty
  int limit = 200;
};

// One address found, with the columns the result list shows.
struct AddressSearchRow {
  int64_t id = 0;
  std::string kundennummer;
  std::string name;
  std::string vorname;
  std::string straße;
  std::string plz;
  std::string ort;
  std::string telefon1;
  bool kunde = false;
  bool operator==(const AddressSearchRow&) const = default;
};

// The addresses matching the search, at most `limit` of them, the first ones in the field's order
// (German order: case ignored, "Ä" as "A", "ß" as "ss"; the same on both engines). Where the field
// names two columns, the hits on the first column come first, then those found only on the
// second, each part in order. An empty (or blank) text finds nothing; a database error gives an
// empty list.
std::vector<AddressSearchRow> searchAddresses(Session& session, const AddressSearch& search);

}  // namespace orvosal
