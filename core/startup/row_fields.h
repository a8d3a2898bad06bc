#pragma once

#include <map>
#include <string>
#include <string_view>

#include "core/db/recordset.h"

namespace orvosal {

// Every field of the recordset's current row by column name. Names are spelt as the schema
// defines them for `table` (the server engine reports them in lower case), so the map reads the
// same on both engines.
std::map<std::string, Value, std::less<>> RowFields(const Recordset& rs, std::string_view table);

}  // namespace orvosal
