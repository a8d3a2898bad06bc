#pragma once

#include "core/session.h"

namespace orvosal {

// The start-up values kept in the current database's section ("Settings" + database number) of
// "system.ini". Each is read and at once written back in its normalised form, so that the key
// exists after the first start and can be found and changed in the file.

// `UseIniPathForDocuments` and `GeplanteAufgaben` (flags, off by default) and `MinZeitDiff`
// (a whole number, 60 by default and when the value is none).
void LoadStartFlags(Session& session);

// `Telefonie` (flag, off by default).
void LoadTelefonie(Session& session);

// `TelefonFormat` (text, empty by default).
void LoadTelefonFormat(Session& session);

}  // namespace orvosal
