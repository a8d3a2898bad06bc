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
// Appends the value as one field of COPY's text format: \N for Null, backslash, tab, line feed
// and carriage return escaped, everything else in the form of a bound parameter.
void appendCopyField(std::string& out, const Value& value);

}  // namespace orvosal
