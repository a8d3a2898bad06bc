#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/currency.h"
#include "core/session.h"

namespace orvosal {

// One row of a general price scale (`Preisstaffeln`).
struct PriceScaleRow {
  int64_t id = 0;
  std::string bezeichnung;
  std::string staffel;  // the scale's name; rows of one scale share it
  int option = 0;       // 0: `wert` is a quantity; greater than 0: an amount
  std::string wert;     // threshold as typed
  std::string rabatt;   // discount percent as typed
  int preisArt = 1;     // price level 1..9 the discount starts from
  bool aktiv = true;
};

// The rows of all scales, ordered by scale name and threshold.
std::vector<PriceScaleRow> ListPriceScaleRows(Session& session);

// The names of the active scales, for the document's selector (which adds "Keine" first).
std::vector<std::string> ActivePriceScaleNames(Session& session);

// Saves a new (`id` 0, written back) or changed row after the editor's checks, each refusal with
// its message: "Es wurde keine Bezeichnung angegeben!", "Es wurde keine Staffel angegeben!",
// "Es wurde kein gültiger Wert angegeben!" (a whole number of at least 0: the column keeps no
// decimals), "Es wurde kein gültiger Rabatt angegeben!" (0 to 100), "Es wurde keine gültige
// Preisart angegeben!" (1 to 9). Needs the right "Save_Artikel". The row is written back as
// stored (texts trimmed, `option` 0 or 1, numbers in their plain German form).
bool SavePriceScaleRow(Session& session, PriceScaleRow& row);

// Deletes the row after "Soll Eintrag wirklich gelöscht werden?", with the right "Delete_Artikel".
bool DeletePriceScaleRow(Session& session, int64_t id);

}  // namespace orvosal
