#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/datetime.h"
#include "core/db/sql_engine.h"

namespace orvosal {

// What differs between the two engines in the SQL text the program writes, in one small value.
// The program writes its statements once, in the file database's or the server's conventions, and
// the connection translates them for the engine; the few places where the written text itself
// differs ask the dialect instead of carrying a flag beside the session or connection:
// - literals: the date literal and the true/false word (`SqlDate`, `CreateBooleanSelect` build on
//   them),
// - schema statements: the table that holds only its auto-numbered key, the words that add a
//   column, and the choice between the two spellings of a column type or a fixed statement.
// Every connection has the dialect of its engine; the open database's dialect is in the session's
// `DatabaseState`, set as soon as its connection string is known.
class Dialect {
 public:
  explicit Dialect(SqlEngine engine) : engine_(engine) {}

  SqlEngine engine() const { return engine_; }
  bool operator==(const Dialect&) const = default;

  // "CONVERT(datetime,'05.03.2024', 104)" on the server (day first), "#3/5/2024#" on the file
  // database (month first, no leading zeros).
  std::string dateLiteral(const Date& day) const;
  // "'True'" / "'False'" on the server, unquoted "True" / "False" on the file database.
  std::string booleanLiteral(bool value) const;

  // Creates a table with only its key column: "COUNTER" on the file database; on the server an
  // "[int] IDENTITY(1,1)" with the clustered primary key "PK_" + table.
  std::string keyTableStatement(std::string_view table, std::string_view key) const;
  // The same table created with further columns after the key, each given as its definition
  // ("[Name] CHAR(50) NULL"), in one statement.
  std::string tableStatement(std::string_view table, std::string_view key,
                             std::span<const std::string> columnDefinitions) const;
  // What follows "ALTER TABLE " + table to add a column: "ADD" on the server, "ADD COLUMN" on the
  // file database.
  std::string_view addColumnWords() const;
  // Of a text the program writes in both spellings (a column type, a fixed creation statement),
  // the one of this dialect.
  std::string_view spelling(std::string_view serverForm, std::string_view fileForm) const;

 private:
  bool server() const { return engine_ == SqlEngine::Postgres; }

  SqlEngine engine_;
};

}  // namespace orvosal
