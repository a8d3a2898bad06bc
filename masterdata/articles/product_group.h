#pragma once

#include <cstdint>
#include <string>

#include "core/currency.h"
#include "core/records/field_table.h"
#include "masterdata/articles/price_levels.h"

namespace orvosal {

// Product groups and main product groups share the table `Warengruppe`: a row with `WarenGruppe`
// filled is a product group (its `Hauptwarengruppe` names the main group it belongs to), a row
// with only `Hauptwarengruppe` filled is a main group.
enum class GroupKind { ProductGroup, MainGroup };

// One `Warengruppe` row. `lieferant` is the supplier's address ID, 0 for a group of all suppliers;
// `verkaufspreis2` … `verkaufspreis9` are the percentages by which each price level lies below
// `Verkaufspreis1` for the articles of the group.
struct ProductGroup {
  int64_t id = 0;
  std::string warenGruppe;
  std::string beschreibung;
  int lieferant = 0;
  std::string hauptwarengruppe;
  Currency maxProvision;
  Currency verkaufspreis2;
  Currency verkaufspreis3;
  Currency verkaufspreis4;
  Currency verkaufspreis5;
  Currency verkaufspreis6;
  Currency verkaufspreis7;
  Currency verkaufspreis8;
  Currency verkaufspreis9;
  int produktsuche = 0;
  bool operator==(const ProductGroup&) const = default;
};

// Every column of `Warengruppe` and where ProductGroup keeps it; the key first.
FieldTable<ProductGroup> ProductGroupFields();

// The name of the group in its kind: `WarenGruppe` or `Hauptwarengruppe`.
const std::string& groupName(const ProductGroup& group, GroupKind kind);
std::string& groupName(ProductGroup& group, GroupKind kind);

// The percentages of levels 2 to 9 the group holds.
PriceLevelPercentages levelPercentages(const ProductGroup& group);

}  // namespace orvosal
