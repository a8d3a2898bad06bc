#pragma once

#include <string_view>

namespace orvosal {

// The spelling of a column as the schema writes it ("Belegnummer", "Straße", "Bezahlt_Wieviel"),
// found by table and column name in any case, as PostgreSQL's catalog or a statement spells them;
// empty when the schema has no such column.
std::string_view schemaColumnSpelling(std::string_view table, std::string_view column);

}  // namespace orvosal
