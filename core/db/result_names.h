#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/db/connection.h"
#include "core/db/sql_translator.h"

namespace orvosal {

// The names the program gives the columns of a result, the same on every engine: a column with
// an alias in the statement keeps the alias as written; a computed column without alias is named
// by its expression as written; a plain table column is spelt as the schema spells it (else as
// the statement writes it); any other column keeps the engine's name.
// `spelling` may be empty.
std::vector<std::string> programColumnNames(const std::vector<ResultColumn>& columns,
                                            const TranslatedSql& statement, const ColumnSpelling& spelling);

// `rows` with the columns so named; `rows` itself when every name already is.
std::unique_ptr<RowSource> withProgramColumnNames(std::unique_ptr<RowSource> rows,
                                                  const TranslatedSql& statement,
                                                  const ColumnSpelling& spelling);

}  // namespace orvosal
