#include "core/rules/legacy_counters.h"

#include <array>
#include <optional>

#include "core/ascii.h"
#include "core/db/database.h"
#include "core/db/transaction.h"
#include "core/operation_guard.h"

namespace orvosal {
namespace {

struct Counter {
  std::string_view code;
  std::string_view column;
  bool whole;  // an Int column; the others are texts
};

constexpr std::array<Counter, 9> kCounters{{
    {"K", "NextKunde", false},
    {"L", "NextLfd", false},
    {"KA", "NextKundeA", true},
    {"LA", "NextLfdA", true},
    {"A", "NextArtikel", false},
    {"E", "Einkauf", false},
    {"V", "Verkauf", false},
    {"B", "Barverkauf", false},
    {"KM", "Kommission", false},
}};

std::optional<Counter> counterOf(std::string_view code) {
  for (const Counter& counter : kCounters) {
    if (counter.code == code) return counter;
  }
  return std::nullopt;
}

Value counterValue(const Counter& counter, const std::string& text) {
  if (counter.whole) return Value(static_cast<int64_t>(std::stoll(text)));
  return Value(text);
}

}  // namespace

std::string countUp(std::string_view counter) {
  std::string result(counter);
  size_t first = result.size();
  for (size_t i = result.size(); i-- > 0;) {
    if (!isAsciiDigit(result[i])) continue;
    first = i;
    if (result[i] != '9') {
      ++result[i];
      return result;
    }
    result[i] = '0';
  }
  // Every digit was a 9 (or there was none): the number grows by a digit in front.
  if (first == result.size()) return result + "1";
  return result.insert(first, 1, '1');
}

void addCounterRow(Recordset& rs) {
  rs.addNew();
  for (const Counter& counter : kCounters) rs.set(counter.column, counterValue(counter, "1"));
  rs.set("VorgangsNummer", Value(1));
}

std::string drawLegacyCounter(Connection& connection, std::string_view code) {
  const std::optional<Counter> counter = counterOf(code);
  if (!counter) return {};
  DbTransaction draw(connection, kCounterLock);
  Recordset rs(connection, "Select Top 1 * from Nummernkreise");
  std::string current;
  if (rs.eof()) {
    addCounterRow(rs);
    rs.set(counter->column, counterValue(*counter, "2"));
    current = "1";
  } else {
    const Value stored = rs[counter->column];
    current = stored.toText();
    if (counter->whole) {
      rs.set(counter->column, Value(stored.isNull() ? int64_t{1} : stored.toInt() + 1));
    } else {
      rs.set(counter->column, Value(countUp(current)));
    }
  }
  rs.update();
  draw.commit();
  return current;
}

std::string Next_Nummernkreis_Wert(Session& session, std::string_view code) {
  return runOperation(session, operationName("mdl1System", OperationKind::Function, "Next_Nummernkreis_Wert"),
                      std::string(), [&] { return drawLegacyCounter(GlobalConnection(session), code); });
}

}  // namespace orvosal
