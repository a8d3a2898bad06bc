#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/session.h"
#include "masterdata/addresses/address.h"

namespace orvosal {

// The duplicate search while typing: addresses of the kind whose name or first name (or their
// phonetic codes, either way round) match what was typed. With hits, the pick list "frmFound"
// (up to 100 rows) lets the user take one. The taken address's ID, or 0 (also when both names are
// empty).
int64_t DoubleCheck(Session& session, std::string_view name, std::string_view firstName, bool isCustomer);

// The duplicate check before a new address is saved: addresses of the kind with the same name or
// first name, birth date, or street, postcode and town, listed in the dialog "frmDupCheck". The
// answer: "ksSave" (no hits, or save anyway), "ksCancel", or "do-" and the ID of the address the
// user took.
std::string Check_Adress_Doubles(Session& session, const Address& address);

}  // namespace orvosal
