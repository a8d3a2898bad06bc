#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/currency.h"
#include "core/records/field_table.h"
#include "core/session.h"

namespace orvosal {

// One `Stuecklisten` row: the component `artikelId` of the master article `stammArtikelId`, with
// the quantity per unit of the master, the place in the list and the component's number and
// description as they were when the line was saved.
struct BomLine {
  int64_t id = 0;
  int64_t stammArtikelId = 0;
  int64_t artikelId = 0;
  Currency menge;
  std::string bezeichnung;
  std::string nummer;
  int pos = 0;
  bool operator==(const BomLine&) const = default;
};

// Every column of `Stuecklisten` and where BomLine keeps it; the key first.
FieldTable<BomLine> BomLineFields();

// The bill of materials of the master article in list order.
std::vector<BomLine> ReadBillOfMaterials(Session& session, int64_t masterId);

// Adds the line (`id` 0: it goes to the end of the list, the new key is written back) or saves a
// stored one. A quantity of 0 (nothing entered) becomes 1; number and description are taken from
// the component. Afterwards the component is marked as part of a bill of materials and the master
// as having one. Refused without a stored component, with the master as its own component, for a
// master that is not stored, and without the right to save articles. True when written.
bool SaveBomLine(Session& session, BomLine& line);

// Deletes the line after asking, with the right to save articles; the flags of the articles stay.
// True when deleted.
bool DeleteBomLine(Session& session, int64_t id);

}  // namespace orvosal
