#pragma once

#include <string>
#include <string_view>

#include "core/db/column_info.h"
#include "core/db/value.h"

typedef unsigned int Oid;

namespace orvosal {

// Conversions between PostgreSQL's text forms and the layer's values and column kinds.
ColumnInfo postgresColumnForType(std::string name, Oid type, int typeModifier);
ColumnInfo postgresColumnForCatalog(std::string name, std::string_view formattedType,
                                    std::string_view typeName);
Value postgresValue(ColumnKind kind, std::string_view text);
std::string postgresParameter(const Value& value);

}  // namespace orvosal
