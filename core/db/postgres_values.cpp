#include "core/db/postgres_values.h"

#include <charconv>
#include <cstdio>

#include "core/db/db_error.h"
#include "core/text.h"

namespace orvosal {
namespace {

// PostgreSQL type ids of the built-in types the layer meets.
constexpr Oid kBool = 16, kInt8 = 20, kInt2 = 21, kInt4 = 23, kText = 25, kFloat4 = 700, kFloat8 = 701,
              kBpchar = 1042, kVarchar = 1043, kDate = 1082, kTimestamp = 1114, kTimestampTz = 1184,
              kNumeric = 1700;

ColumnInfo finish(std::string name, ColumnKind kind, long length) {
  ColumnInfo column;
  column.name = std::move(name);
  column.kind = kind;
  column.definedSize = definedSizeFor(kind, length);
  column.typeCode = typeCodeFor(kind, column.definedSize);
  return column;
}

long lengthInParentheses(std::string_view type) {
  const size_t open = type.find('(');
  if (open == std::string_view::npos) return 0;
  long length = 0;
  std::from_chars(type.data() + open + 1, type.data() + type.size(), length);
  return length;
}

// A numeric text ("-1234.5000") in German form ("-1234,5000"); numeric has no thousands separator.
std::string germanNumeric(std::string_view text) {
  std::string german(text);
  for (char& c : german) {
    if (c == '.') c = ',';
  }
  return german;
}

// A numeric text without the zeros that end its decimals, nor a point left without any.
std::string_view withoutTrailingZeros(std::string_view text) {
  if (text.find('.') == std::string_view::npos) return text;
  while (text.ends_with('0')) text.remove_suffix(1);
  if (text.ends_with('.')) text.remove_suffix(1);
  return text;
}

// A numeric that is no money column (a computed one, a sum, a decimal column) with all its digits.
// An amount of at most four decimals inside the currency range is exactly a currency value, as
// money is, and stays exact in further sums; a double holds a number whose shortest form reads
// back as the same digits (1e15, 0.0000001, 0.123456789), and so compares and computes as numbers
// do on SQLite; any longer number stays the exact text, in German form.
Value exactNumeric(std::string_view text) {
  const std::string_view plain = withoutTrailingZeros(text);
  const size_t point = plain.find('.');
  const bool fourDecimals = point == std::string_view::npos || plain.size() - point - 1 <= 4;
  if (fourDecimals) {
    if (std::optional<Currency> amount = Currency::parse(germanNumeric(plain))) return Value(*amount);
  }
  double number = 0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), number);
  if (error == std::errc() && end == plain.data() + plain.size()) {
    char buffer[400];  // fixed notation of any finite double fits
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::fixed);
    if (written.ec == std::errc() && std::string_view(buffer, written.ptr) == plain) return Value(number);
  }
  return Value(germanNumeric(text));
}

}  // namespace

ColumnInfo postgresColumnForType(std::string name, Oid type, int typeModifier) {
  switch (type) {
    case kBool:
      return finish(std::move(name), ColumnKind::Bit, 0);
    case kInt2:
    case kInt4:
    case kInt8:
      return finish(std::move(name), ColumnKind::Integer, 0);
    case kNumeric: {
      const bool money = typeModifier == ((19 << 16) | 4) + 4;
      return finish(std::move(name), money ? ColumnKind::Currency : ColumnKind::Decimal, 0);
    }
    case kFloat4:
    case kFloat8:
      return finish(std::move(name), ColumnKind::Double, 0);
    case kBpchar:
    case kVarchar:
      return finish(std::move(name), ColumnKind::Text, typeModifier > 4 ? typeModifier - 4 : 0);
    case kText:
      return finish(std::move(name), ColumnKind::Text, 0);
    case kDate:
    case kTimestamp:
    case kTimestampTz:
      return finish(std::move(name), ColumnKind::DateTime, 0);
    default:
      return finish(std::move(name), ColumnKind::Unknown, 0);
  }
}

ColumnInfo postgresColumnForCatalog(std::string name, std::string_view formattedType,
                                    std::string_view typeName) {
  if (typeName == "orvosal_bit" || formattedType == "boolean")
    return finish(std::move(name), ColumnKind::Bit, 0);
  if (formattedType == "smallint" || formattedType == "integer" || formattedType == "bigint") {
    return finish(std::move(name), ColumnKind::Integer, 0);
  }
  if (formattedType == "numeric(19,4)") return finish(std::move(name), ColumnKind::Currency, 0);
  if (formattedType.starts_with("numeric")) return finish(std::move(name), ColumnKind::Decimal, 0);
  if (formattedType.starts_with("character")) {
    return finish(std::move(name), ColumnKind::Text, lengthInParentheses(formattedType));
  }
  if (formattedType == "text") return finish(std::move(name), ColumnKind::Text, 0);
  if (formattedType.starts_with("timestamp") || formattedType == "date") {
    return finish(std::move(name), ColumnKind::DateTime, 0);
  }
  if (formattedType == "double precision" || formattedType == "real") {
    return finish(std::move(name), ColumnKind::Double, 0);
  }
  return finish(std::move(name), ColumnKind::Unknown, 0);
}

Value postgresValue(ColumnKind kind, std::string_view text) {
  switch (kind) {
    case ColumnKind::Bit:
      if (text == "t" || text == "f") return Value(int64_t{text == "t" ? 1 : 0});
      [[fallthrough]];
    case ColumnKind::Integer: {
      int64_t number = 0;
      std::from_chars(text.data(), text.data() + text.size(), number);
      return Value(number);
    }
    case ColumnKind::Currency: {
      // numeric(19,4) holds amounts beyond the currency range; one of them is an error, never 0.
      std::optional<Currency> amount = Currency::parse(germanNumeric(text));
      if (!amount) throw currencyOverflow(germanNumeric(text));
      return Value(*amount);
    }
    case ColumnKind::Decimal:
      return exactNumeric(text);
    case ColumnKind::Double: {
      double number = 0;
      std::from_chars(text.data(), text.data() + text.size(), number);
      return Value(number);
    }
    case ColumnKind::DateTime: {
      auto moment = DateTime::parse(text);
      return moment ? Value(*moment) : Value(std::string(text));
    }
    case ColumnKind::Text:
    case ColumnKind::Unknown:
      break;
  }
  return Value(std::string(text));
}

std::string postgresParameter(const Value& value) {
  if (value.isInteger() || value.isBool()) return std::to_string(value.toInt());
  if (value.isDouble()) {
    char buffer[32];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value.toDouble());
    return std::string(buffer, error == std::errc() ? end : buffer);
  }
  if (value.isCurrency()) return value.toCurrency().formatSql(4);
  if (value.isDateTime()) return value.toDateTime()->toIso();
  return value.toText();
}

void appendCopyField(std::string& out, const Value& value) {
  if (value.isNull()) {
    out += "\\N";
    return;
  }
  const std::string* text = value.textIfAny();
  if (text == nullptr) {
    // Numbers and moments have none of the characters COPY escapes.
    out += postgresParameter(value);
    return;
  }
  size_t plainFrom = 0;
  for (size_t i = 0; i < text->size(); ++i) {
    const char c = (*text)[i];
    const char* escaped = c == '\\'   ? "\\\\"
                          : c == '\t' ? "\\t"
                          : c == '\n' ? "\\n"
                          : c == '\r' ? "\\r"
                                      : nullptr;
    if (escaped == nullptr) continue;
    out.append(*text, plainFrom, i - plainFrom);
    out += escaped;
    plainFrom = i + 1;
  }
  out.append(*text, plainFrom);
}

}  // namespace orvosal
