#pragma once

#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "core/records/field_table.h"
#include "core/text.h"

namespace orvosal {

// A whole number as typed, optionally signed; empty text is 0. Nothing for anything else or a
// number beyond 64 bits.
inline std::optional<Value> wholeNumberValue(std::string_view typed) {
  if (typed.empty()) return Value(int64_t{0});
  int64_t number = 0;
  const char* end = typed.data() + typed.size();
  const auto [stop, error] = std::from_chars(typed.data() + (typed.front() == '+' ? 1 : 0), end, number);
  if (error != std::errc() || stop != end) return std::nullopt;
  return Value(number);
}

// Reads a value typed for a column (on the command line, from an import) as the kind of the
// column's member: whole numbers, amounts with a German or a point decimal, dates in German or ISO
// form, and for true/false "1", "0", "-1", "ja", "nein", "true", "false", "wahr", "falsch". An
// empty text is Null (no date, 0, false, empty text). Nothing when the text does not read as the
// kind.
template <class Record>
std::optional<Value> valueFromText(const FieldDef<Record>& field, std::string_view text) {
  const std::string_view typed = trim(text);
  return std::visit(
      [&](const auto& member) -> std::optional<Value> {
        using Member = std::decay_t<decltype(member)>;
        if constexpr (std::is_same_v<Member, NamedNumber<Record>>) {
          return wholeNumberValue(typed);
        } else {
          using Held = std::decay_t<decltype(std::declval<Record&>().*member)>;
          if constexpr (std::is_same_v<Held, std::string>) {
            return Value(std::string(text));
          } else if constexpr (std::is_same_v<Held, bool>) {
            if (typed.empty()) return Value(false);
            for (const char* yes : {"1", "-1", "ja", "true", "wahr"})
              if (equalsNoCase(typed, yes)) return Value(true);
            for (const char* no : {"0", "nein", "false", "falsch"})
              if (equalsNoCase(typed, no)) return Value(false);
            return std::nullopt;
          } else if constexpr (std::is_same_v<Held, int> || std::is_same_v<Held, int64_t>) {
            return wholeNumberValue(typed);
          } else if constexpr (std::is_same_v<Held, double> || std::is_same_v<Held, Currency>) {
            if (typed.empty()) return Value(Currency());
            const std::optional<Currency> amount = Currency::parse(typed);
            if (!amount) return std::nullopt;
            return Value(*amount);
          } else {
            if (typed.empty()) return std::optional<Value>(std::in_place);
            const std::optional<DateTime> moment = DateTime::parse(typed);
            if (!moment) return std::nullopt;
            return Value(*moment);
          }
        }
      },
      field.member);
}

}  // namespace orvosal
