#pragma once

#include <cstdint>
#include <string>

#include "core/records/field_table.h"

namespace orvosal {

// One `Nummerkreise` row: a number range that several document types can draw from.
struct NumberRange {
  int64_t id = 0;
  std::string vortext;   // text before the number; may hold year placeholders
  int64_t nummer = 0;    // the next number to hand out
  std::string nachtext;  // text after the number; may hold year placeholders
  int stellen = 0;       // width of the number: 0 unformatted, 1 to 10 digits

  bool operator==(const NumberRange&) const = default;
};

// Every column of `Nummerkreise` and where NumberRange keeps it; the key first.
FieldTable<NumberRange> NumberRangeFields();

}  // namespace orvosal
