#include "core/db/column_info.h"

namespace orvosal {

int typeCodeFor(ColumnKind kind, long definedSize) {
  switch (kind) {
    case ColumnKind::Integer:
      return field_types::kInteger;
    case ColumnKind::Bit:
      return field_types::kBoolean;
    case ColumnKind::Currency:
      return field_types::kCurrency;
    case ColumnKind::Decimal:
      return field_types::kNumeric;
    case ColumnKind::Double:
      return field_types::kDouble;
    case ColumnKind::DateTime:
      return field_types::kDateTime;
    case ColumnKind::Text:
      return definedSize > 0 && definedSize < 8000 ? field_types::kText : field_types::kLongText;
    case ColumnKind::Unknown:
      break;
  }
  return field_types::kText;
}

long definedSizeFor(ColumnKind kind, long declaredLength) {
  switch (kind) {
    case ColumnKind::Integer:
      return 4;
    case ColumnKind::Bit:
      return 2;
    case ColumnKind::Currency:
    case ColumnKind::Double:
      return 8;
    case ColumnKind::Decimal:
      return 19;
    case ColumnKind::DateTime:
      return 16;
    case ColumnKind::Text:
      return declaredLength > 0 ? declaredLength : 1073741823;
    case ColumnKind::Unknown:
      break;
  }
  return 0;
}

}  // namespace orvosal
