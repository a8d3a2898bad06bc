#pragma once

#include "core/db/connection.h"
#include "core/session.h"

namespace orvosal {

// The data repairs of upgrade step 20190904, each reported on its own when it fails:
// documents without `BelegartenID` receive it from their type (BelegArtenIDAnpassen); documents
// without `VorgangsNummer` receive a fresh process number, which is passed on along
// `Wandeln_history` (`quell_id` to `ziel_id`) to every document converted from them that has none
// either; addresses with a first name but without phonetic keys receive `SoundExName` and
// `SoundExVorname`.
void RepairDocumentsAndAddresses(Session& session, Connection& connection);

}  // namespace orvosal
