#pragma once

#include <cstdint>
#include <optional>

#include "core/session.h"

namespace orvosal {

// Deletes a saved document after "Soll Beleg gelöscht werden?": positions, header, activities,
// project links, shipping movements, rentals and its conversion history in both directions, in
// one transaction; refused for a locked (`Erledigt`) document unless `unlocked`. True when deleted.
bool DeleteDocument(Session& session, int64_t belegId, bool unlocked = false);

// How a duplicate treats the delivered quantities of the positions (`IstMenge`, `IstDatum`).
enum class DuplicateForm {
  Plain,                 // "Duplizieren": a fresh copy, delivered quantities cleared
  WithDeliveredStock,    // "Duplikat erstellen mit Lieferbestand": delivered quantities kept
  WithoutDeliveredStock  // "Duplikat erstellen ohne Lieferbestand": cleared
};

// Copies header and positions into a new document of the same type and process number: no
// number, status, print, payment and dunning stamps cleared, `Duplikat` set, date today, the
// signed-in user. Answers the new ID; failures report "Fehler Beleg Duplizieren nicht möglich"
// (Plain) or "Fehler Duplikat erstellen nicht möglich".
std::optional<int64_t> DuplicateDocument(Session& session, int64_t belegId, DuplicateForm form);

// The property panel's tests.
bool IS_BELEG_ERELEDIGT(Session& session, int64_t belegId);
bool IS_BELEG_Bezahlt(Session& session, int64_t belegId);

}  // namespace orvosal
