#include "cli/sql_command.h"

#include <ostream>

#include "core/db/database.h"
#include "core/db/recordset.h"

namespace orvosal {
namespace {

// Tabs and line breaks inside a value would break the line format; they are shown escaped.
std::string cell(const Value& value) {
  std::string text;
  for (char c : value.toText()) {
    if (c == '\t') {
      text += "\\t";
    } else if (c == '\n') {
      text += "\\n";
    } else if (c != '\r') {
      text += c;
    }
  }
  return text;
}

}  // namespace

int runSql(Session& session, const CliOptions& options, std::ostream& out, std::ostream& err) {
  if (options.arguments.size() != 1) {
    err << "Aufruf: orvosal-cli sql \"ANWEISUNG\"\n";
    return 2;
  }
  const std::string& sql = options.arguments.front();
  Connection& connection = GlobalConnection(session);
  try {
    if (!connection.returnsRows(sql)) {
      out << connection.execute(sql) << '\n';
      return 0;
    }
    Recordset rs(connection, sql);
    for (int i = 0; i < rs.fieldCount(); ++i) out << (i ? "\t" : "") << rs.fieldName(i);
    out << '\n';
    for (; !rs.eof(); rs.moveNext()) {
      for (int i = 0; i < rs.fieldCount(); ++i) out << (i ? "\t" : "") << cell(rs.field(rs.fieldName(i)));
      out << '\n';
    }
    return 0;
  } catch (const DbError& error) {
    session.errorLog().logFailedSql(sql, error.text());
    err << "Fehler " << error.number() << ": " << error.text() << '\n';
    return 1;
  }
}

}  // namespace orvosal
