#pragma once

#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "core/records/field_table.h"
#include "output/report/report_data.h"

namespace orvosal {

// Defines every column of a record as a report value named "<table>.<Column>" (so a layout reads
// `{Adressen.Name}` or `{Artikel.Verkaufspreis1|#,##0.00}`): money and whole numbers as numbers,
// dates as dates, flags as "J"/"N", texts as they are. A date the record lacks is an empty text.
template <class Record>
void defineRecordFields(ReportValues& values, std::string_view table, const Record& record,
                        FieldTable<Record> fields) {
  for (const FieldDef<Record>& field : fields) {
    const std::string name = std::string(table) + "." + std::string(field.column);
    std::visit(
        [&](const auto& member) {
          using Member = std::decay_t<decltype(member)>;
          if constexpr (std::is_same_v<Member, NamedNumber<Record>>) {
            values.defineNumber(name, fieldValue(record, field).toInt());
          } else {
            const auto& held = record.*member;
            using Held = std::decay_t<decltype(held)>;
            if constexpr (std::is_same_v<Held, std::string>) {
              values.define(name, held);
            } else if constexpr (std::is_same_v<Held, bool>) {
              values.defineBoolean(name, held);
            } else if constexpr (std::is_same_v<Held, int> || std::is_same_v<Held, int64_t>) {
              values.defineNumber(name, static_cast<int64_t>(held));
            } else if constexpr (std::is_same_v<Held, double>) {
              values.defineNumber(name, Currency::fromDouble(held));
            } else if constexpr (std::is_same_v<Held, Currency>) {
              values.defineNumber(name, held);
            } else if (held) {
              values.defineDate(name, *held);
            } else {
              values.define(name, "", ReportValueType::Date);
            }
          }
        },
        field.member);
  }
}

}  // namespace orvosal
