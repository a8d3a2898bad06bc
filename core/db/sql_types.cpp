#include "core/db/sql_types.h"

#include <algorithm>
#include <array>

namespace orvosal {
namespace {

enum class Shape { Plain, Sized, Decimal, Identity, LongText };

struct TypeRule {
  std::string_view name;  // lower case
  ColumnKind kind;
  Shape shape;
  std::string_view sqlite;
  std::string_view postgres;
};

// The declared types on SQLite are what the layer reads back to know a column's kind.
constexpr std::array<TypeRule, 41> kRules = {{
    {"alphanumeric", ColumnKind::Text, Shape::Sized, "VARCHAR", "varchar"},
    {"autoincrement", ColumnKind::Integer, Shape::Identity, "INTEGER", "integer"},
    {"bigint", ColumnKind::Integer, Shape::Plain, "BIGINT", "bigint"},
    {"binary", ColumnKind::Unknown, Shape::Plain, "BLOB", "bytea"},
    {"bit", ColumnKind::Bit, Shape::Plain, "BIT", "orvosal_bit"},
    {"boolean", ColumnKind::Bit, Shape::Plain, "BIT", "orvosal_bit"},
    {"byte", ColumnKind::Integer, Shape::Plain, "SMALLINT", "smallint"},
    {"char", ColumnKind::Text, Shape::Sized, "VARCHAR", "varchar"},
    {"character", ColumnKind::Text, Shape::Sized, "VARCHAR", "varchar"},
    {"counter", ColumnKind::Integer, Shape::Identity, "INTEGER", "integer"},
    {"currency", ColumnKind::Currency, Shape::Plain, "MONEY REAL", "numeric(19,4)"},
    {"date", ColumnKind::DateTime, Shape::Plain, "DATETIME", "timestamp"},
    {"datetime", ColumnKind::DateTime, Shape::Plain, "DATETIME", "timestamp"},
    {"datetime2", ColumnKind::DateTime, Shape::Plain, "DATETIME", "timestamp"},
    {"dec", ColumnKind::Decimal, Shape::Decimal, "DECIMAL REAL", "numeric"},
    {"decimal", ColumnKind::Decimal, Shape::Decimal, "DECIMAL REAL", "numeric"},
    {"double", ColumnKind::Double, Shape::Plain, "DOUBLE", "double precision"},
    {"float", ColumnKind::Double, Shape::Plain, "DOUBLE", "double precision"},
    {"image", ColumnKind::Unknown, Shape::Plain, "BLOB", "bytea"},
    {"int", ColumnKind::Integer, Shape::Plain, "INTEGER", "integer"},
    {"integer", ColumnKind::Integer, Shape::Plain, "INTEGER", "integer"},
    {"logical", ColumnKind::Bit, Shape::Plain, "BIT", "orvosal_bit"},
    {"long", ColumnKind::Integer, Shape::Plain, "INTEGER", "integer"},
    {"longbinary", ColumnKind::Unknown, Shape::Plain, "BLOB", "bytea"},
    {"longchar", ColumnKind::Text, Shape::LongText, "TEXT", "text"},
    {"longtext", ColumnKind::Text, Shape::LongText, "TEXT", "text"},
    {"memo", ColumnKind::Text, Shape::LongText, "TEXT", "text"},
    {"money", ColumnKind::Currency, Shape::Plain, "MONEY REAL", "numeric(19,4)"},
    {"nchar", ColumnKind::Text, Shape::Sized, "VARCHAR", "varchar"},
    {"ntext", ColumnKind::Text, Shape::LongText, "TEXT", "text"},
    {"numeric", ColumnKind::Decimal, Shape::Decimal, "DECIMAL REAL", "numeric"},
    {"nvarchar", ColumnKind::Text, Shape::Sized, "VARCHAR", "varchar"},
    {"real", ColumnKind::Double, Shape::Plain, "REAL", "real"},
    {"single", ColumnKind::Double, Shape::Plain, "REAL", "real"},
    {"smalldatetime", ColumnKind::DateTime, Shape::Plain, "DATETIME", "timestamp"},
    {"smallint", ColumnKind::Integer, Shape::Plain, "SMALLINT", "smallint"},
    {"smallmoney", ColumnKind::Currency, Shape::Plain, "MONEY REAL", "numeric(19,4)"},
    {"text", ColumnKind::Text, Shape::LongText, "TEXT", "text"},
    {"tinyint", ColumnKind::Integer, Shape::Plain, "SMALLINT", "smallint"},
    {"varchar", ColumnKind::Text, Shape::Sized, "VARCHAR", "varchar"},
    {"yesno", ColumnKind::Bit, Shape::Plain, "BIT", "orvosal_bit"},
}};

std::string lowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 0x20);
  }
  return out;
}

std::string joined(const std::vector<std::string>& arguments) {
  std::string out;
  for (const auto& argument : arguments) {
    if (!out.empty()) out += ',';
    out += argument;
  }
  return out;
}

}  // namespace

std::string MappedType::declaration() const {
  return collation.empty() ? name : name + " COLLATE " + collation;
}

MappedType mapType(SqlEngine engine, std::string_view type, const std::vector<std::string>& arguments) {
  const std::string lower = lowerAscii(type);
  const auto* rule =
      std::lower_bound(kRules.begin(), kRules.end(), lower,
                       [](const TypeRule& r, const std::string& name) { return r.name < name; });
  const bool postgres = engine == SqlEngine::Postgres;
  MappedType mapped;
  if (rule == kRules.end() || rule->name != lower) {
    const std::string name = postgres ? lower : std::string(type);
    mapped.name = arguments.empty() ? name : name + "(" + joined(arguments) + ")";
    return mapped;
  }
  mapped.name = postgres ? rule->postgres : rule->sqlite;
  mapped.kind = rule->kind;
  const bool unlimited = !arguments.empty() && lowerAscii(arguments.front()) == "max";
  switch (rule->shape) {
    case Shape::Plain:
      break;
    case Shape::Identity:
      mapped.identity = true;
      break;
    case Shape::Sized:
    case Shape::LongText:
      mapped.collation = postgres ? "orvosal_ci" : "ORVOSAL_CI";
      if (unlimited || (rule->shape == Shape::LongText && arguments.empty())) {
        mapped.name = postgres ? "text" : "TEXT";
      } else {
        const std::string size = arguments.empty() ? "255" : arguments.front();
        mapped.name = (postgres ? "varchar(" : "VARCHAR(") + size + ")";
      }
      break;
    case Shape::Decimal:
      mapped.name += "(" + (arguments.empty() ? std::string("18,0") : joined(arguments)) + ")";
      break;
  }
  return mapped;
}

}  // namespace orvosal
