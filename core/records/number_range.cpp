#include "core/records/number_range.h"

namespace orvosal {
namespace {

const FieldDef<NumberRange> kNumberRangeFields[] = {
    {"ID", &NumberRange::id, true},     {"Vortext", &NumberRange::vortext},
    {"Nummer", &NumberRange::nummer},   {"Nachtext", &NumberRange::nachtext},
    {"Stellen", &NumberRange::stellen},
};

}  // namespace

FieldTable<NumberRange> NumberRangeFields() { return kNumberRangeFields; }

}  // namespace orvosal
