#include "cli/sql_command.h"

#include <ostream>

#include "cli/table_output.h"
#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_statement_split.h"
#include "core/session.h"

namespace orvosal {

std::string checkSqlArguments(const ParsedArguments& arguments) {
  const size_t count = splitStatements(arguments.positional.front()).size();
  if (count == 0) return "Keine Anweisung angegeben: nur Leerzeichen, Bemerkungen oder \";\".";
  if (count > 1) {
    return "sql führt genau eine Anweisung aus; angegeben sind " + std::to_string(count) +
           " (durch \";\" getrennt). Es wurde nichts ausgeführt.";
  }
  return {};
}

int runSql(CommandContext& context) {
  const std::string& sql = context.arguments.positional.front();
  Connection& connection = GlobalConnection(context.session);
  try {
    if (!connection.returnsRows(sql)) {
      context.out << connection.execute(sql) << '\n';
      return kExitSuccess;
    }
    Recordset rs(connection, sql);
    std::vector<std::string> fields(static_cast<size_t>(rs.fieldCount()));
    for (int i = 0; i < rs.fieldCount(); ++i) fields[static_cast<size_t>(i)] = rs.fieldName(i);
    writeTableRow(context.out, fields);
    for (; !rs.eof(); rs.moveNext()) {
      for (int i = 0; i < rs.fieldCount(); ++i)
        fields[static_cast<size_t>(i)] = rs.field(rs.fieldName(i)).toText();
      writeTableRow(context.out, fields);
    }
    return kExitSuccess;
  } catch (const DbError& error) {
    context.session.errorLog().logFailedSql(sql, error.text());
    context.err << "Fehler " << error.number() << ": " << error.text() << '\n';
    return kExitFailure;
  }
}

}  // namespace orvosal
