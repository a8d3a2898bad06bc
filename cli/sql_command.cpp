#include "cli/sql_command.h"

#include <ostream>

#include "cli/table_output.h"
#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/session.h"

namespace orvosal {

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
