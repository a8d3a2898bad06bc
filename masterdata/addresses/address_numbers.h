#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/session.h"

namespace orvosal {

// Address numbers (`Kundennummer`): unique among the addresses of one kind by rule, not by index.
// Every test runs on the addresses of its kind only (`Kunde` true for customers, false for
// suppliers); a database error counts as "not taken", so it never blocks saving.

// True when the country text names Germany: empty, or containing "Deutschland", "Germany" or "DE"
// (case-sensitive, so "DEUTSCHLAND" counts too).
bool isDomesticCountry(std::string_view country);

// True when an address of the kind holds the number (count of holders above 0).
bool Check_CustomerNumberexist(Session& session, std::string_view number, bool isCustomer);

// True when an address of the kind holds the number (first holder found).
bool Existiert_die_Kundennummer(Session& session, std::string_view number, bool isCustomer);

// How many addresses of the kind other than `ownId` hold the number.
int64_t countOtherHolders(Session& session, std::string_view number, bool isCustomer, int64_t ownId);

// A fresh, free number: drawn from the legacy counter of the kind and country ("K" domestic
// customer, "KA" foreign customer, "L" domestic supplier, "LA" foreign supplier) until no address
// of the kind holds it. Empty when the counter cannot be read.
std::string SearchKundenNummer(Session& session, std::string_view country, bool isCustomer);

}  // namespace orvosal
