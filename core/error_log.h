#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/clock.h"
#include "core/ui.h"

namespace orvosal {

enum class OperationKind { Function, Sub };

// The name an operation reports itself under: module or window + "!" + "Function"/"Sub" + " " +
// name + "()", for example "mdl1System!Function Create_DB_Beleg_Nummer()".
std::string operationName(std::string_view module, OperationKind kind, std::string_view name);

// The common error form, without the date prefix:
// "Fehler 3709 in mdl!Function X() (Line = 12)\nError = 'text'".
std::string formatError(long number, std::string_view operation, int line, std::string_view description);

// Schema statements fail by design while the schema is ensured; their failures are not logged.
bool isSchemaStatement(std::string_view sql);

// The two error logs in the program folder: "error_log.txt" for failed operations (also shown in
// the error window) and "db_error_log.txt" for failed SQL statements.
class ErrorLog {
 public:
  ErrorLog(std::filesystem::path folder, const Clock& clock, Ui& ui);

  // Writes the entry in the common form and shows it through the error window.
  void report(std::string_view operation, long number, std::string_view description, int line = 0);
  // Writes the entry in the common form without showing it, for failures the caller tells the
  // user about in words of its own.
  void record(std::string_view operation, long number, std::string_view description, int line = 0);
  // Appends "SQL Fehler " + statement (and the database's message on the next line), unless it
  // is a schema statement.
  void logFailedSql(std::string_view sql, std::string_view message = {});

  std::filesystem::path errorLogPath() const { return folder_ / "error_log.txt"; }
  std::filesystem::path sqlLogPath() const { return folder_ / "db_error_log.txt"; }

 private:
  void append(const std::filesystem::path& file, std::string_view text) const;

  std::filesystem::path folder_;
  const Clock& clock_;
  Ui& ui_;
};

}  // namespace orvosal
