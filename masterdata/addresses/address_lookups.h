#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/session.h"

namespace orvosal {

// Entry aids of the address windows (and of the other windows that take a postcode or a bank code).

// The fields a postcode fills: the town, and each telephone or fax field that is still empty.
struct PostcodeFields {
  std::string* town = nullptr;
  std::vector<std::string*> phones;
};

// Looks a numeric postcode up in sPLZ: fills the town with `Ort` and every empty telephone or fax
// field with the dialling code `Vorwahl` ("/" removed). True when the postcode was found.
bool Search_PLZ(Session& session, std::string_view postcode, PostcodeFields fields);

// The bank name of a German bank code from sBank; empty when unknown.
std::string Search_BankName(Session& session, std::string_view bankCode);

// The captions of the free fields Frei1 to Frei9 for customers or suppliers from SonderFelder;
// a field without a caption is called "Frei" and its number.
std::vector<std::string> FreeFieldCaptions(Session& session, bool isCustomer);

// The names offered for `Kategorie1` to `Kategorie4` (table Kategorien), sorted.
std::vector<std::string> CategoryNames(Session& session, int category);

// The country names of the country list, sorted.
std::vector<std::string> CountryNames(Session& session);

}  // namespace orvosal
