#include "documents/printing/row_values.h"

#include <string>

#include "core/db/column_info.h"

namespace orvosal {
namespace {

void defineField(ReportValues& values, const std::string& name, int typeCode, const Value& value) {
  if (value.isNull()) {
    values.define(name, "");
    return;
  }
  switch (typeCode) {
    case field_types::kBoolean:
      values.defineBoolean(name, value.toBool());
      return;
    case field_types::kDateTime:
      if (const std::optional<DateTime> moment = value.toDateTime()) {
        values.defineDate(name, *moment);
      } else {
        values.define(name, "");
      }
      return;
    case field_types::kSmallInt:
    case field_types::kInteger:
    case field_types::kBigInt:
      values.defineNumber(name, value.toInt());
      return;
    case field_types::kDouble:
    case field_types::kCurrency:
    case field_types::kNumeric:
      values.defineNumber(name, value.toCurrency());
      return;
    default:
      values.define(name, value.toText());
  }
}

}  // namespace

void defineRowValues(ReportValues& values, std::string_view table, const Recordset& row) {
  const std::string prefix = std::string(table) + ".";
  for (int index = 0; index < row.fieldCount(); ++index) {
    const std::string column = row.fieldName(index);
    defineField(values, prefix + column, row.fieldType(column), row.field(column));
  }
}

void defineEmptyRowValues(ReportValues& values, std::string_view table, const Recordset& shape) {
  const std::string prefix = std::string(table) + ".";
  for (int index = 0; index < shape.fieldCount(); ++index) values.define(prefix + shape.fieldName(index), "");
}

}  // namespace orvosal
