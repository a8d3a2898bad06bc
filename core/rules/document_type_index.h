#pragma once

#include "core/db/connection.h"
#include "core/session.h"

namespace orvosal {

// Gives documents of old databases their missing `BelegartenID`: for each area, every document with
// no `BelegartenID` and a `Belegart` below 10000 receives the `ID` of the type at position `Belegart`
// of that area's list of active types in `ID` order. Documents whose position names no type keep theirs
// empty.
void BelegArtenIDAnpassen(Session& session, Connection& connection);

}  // namespace orvosal
