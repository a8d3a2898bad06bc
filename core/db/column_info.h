#pragma once

#include <string>

namespace orvosal {

// Field type codes in the numbering the operations test against (135 is date-time).
namespace field_types {
inline constexpr int kSmallInt = 2;
inline constexpr int kInteger = 3;
inline constexpr int kDouble = 5;
inline constexpr int kCurrency = 6;
inline constexpr int kBoolean = 11;
inline constexpr int kBigInt = 20;
inline constexpr int kNumeric = 131;
inline constexpr int kDateTime = 135;
inline constexpr int kText = 202;
inline constexpr int kLongText = 203;
}  // namespace field_types

// The kind of a column, as the layer needs it to convert values on their way in and out.
enum class ColumnKind { Integer, Bit, Currency, Decimal, Double, Text, DateTime, Unknown };

struct ColumnInfo {
  std::string name;  // as the engine reports it
  ColumnKind kind = ColumnKind::Unknown;
  int typeCode = 0;      // field_types
  long definedSize = 0;  // characters for text, bytes otherwise
  bool isKey = false;    // the table's auto-increment key
};

int typeCodeFor(ColumnKind kind, long definedSize);
long definedSizeFor(ColumnKind kind, long declaredLength);

}  // namespace orvosal
