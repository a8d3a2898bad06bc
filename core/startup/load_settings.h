#pragma once

#include "core/session.h"

namespace orvosal {

// The loaders of the start-up that read the database into the session. Each is one operation:
// a failure is reported in the common form and leaves the values it did not reach as they were.

// Notes whether the bookkeeping reference table `sSachKto04` exists.
void NoteSachKontenTable(Session& session);

// Sets the no-login flag from the first `Security` row: on when `Benutzerverwaltung` is 0 or
// less, and when the table holds no row at all.
void LoadNoLoginFlag(Session& session);

// The first `Firmendaten` row into the session's Company (empty when there is none).
void LoadCompanyData(Session& session);

// Notes whether the optional tables `sVorwahlen` and `Artikel_to_Kunde` exist.
void NoteOptionalTables(Session& session);

// Every `SystemSettings` row into the session's system settings; of two rows with one name the
// older (lower `ID`) counts.
void LoadSystemSettings(Session& session);

// The earliest document or booking date on record; empty while there is neither.
void LoadEarliestDate(Session& session);

}  // namespace orvosal
