#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/db/column_info.h"
#include "core/db/sql_engine.h"

namespace orvosal {

// A column type of Jet or T-SQL DDL in the engine's dialect.
struct MappedType {
  std::string name;  // without collation: INTEGER, MONEY REAL, varchar(50), ...
  ColumnKind kind = ColumnKind::Unknown;
  std::string collation;            // the German case-insensitive collation of text columns
  bool identity = false;            // COUNTER / AUTOINCREMENT: the table's generated key
  std::string declaration() const;  // the name with the collation where it applies
};

// `type` as written (brackets removed), `arguments` the values in parentheses after it
// (varchar(50), decimal(18, 4), nvarchar(max)).
MappedType mapType(SqlEngine engine, std::string_view type, const std::vector<std::string>& arguments);

}  // namespace orvosal
