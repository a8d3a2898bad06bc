#pragma once

#include <cstdint>
#include <string>

#include "core/currency.h"
#include "core/records/field_table.h"
#include "masterdata/articles/price_levels.h"

namespace orvosal {

// One `RabattStaffel` row: a named discount scale. An article that carries the scale in
// `RabattStaffelID` derives its levels 2 to 9 from it: `verkaufspreis2` … `verkaufspreis9` are the
// percentages by which each level lies below `Verkaufspreis1`.
struct DiscountScale {
  int64_t id = 0;
  std::string titel;
  Currency verkaufspreis2;
  Currency verkaufspreis3;
  Currency verkaufspreis4;
  Currency verkaufspreis5;
  Currency verkaufspreis6;
  Currency verkaufspreis7;
  Currency verkaufspreis8;
  Currency verkaufspreis9;
  bool operator==(const DiscountScale&) const = default;
};

// Every column of `RabattStaffel` and where DiscountScale keeps it; the key first.
FieldTable<DiscountScale> DiscountScaleFields();

// The percentages of levels 2 to 9 the scale holds.
PriceLevelPercentages levelPercentages(const DiscountScale& scale);

}  // namespace orvosal
