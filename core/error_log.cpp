#include "core/error_log.h"

#include <fstream>

#include "core/text.h"

namespace orvosal {

std::string operationName(std::string_view module, OperationKind kind, std::string_view name) {
  std::string result(module);
  result += kind == OperationKind::Function ? "!Function " : "!Sub ";
  result += name;
  result += "()";
  return result;
}

std::string formatError(long number, std::string_view operation, int line, std::string_view description) {
  std::string entry = "Fehler ";
  entry.append(std::to_string(number)).append(" in ").append(operation);
  entry.append(" (Line = ").append(std::to_string(line)).append(")\nError = '");
  entry.append(description).append("'");
  return entry;
}

bool isSchemaStatement(std::string_view sql) {
  const std::string upper = toUpperGerman(sql);
  for (std::string_view marker : {"CREATE TABLE", "ALTER TABLE", "DROP COLUMN", "CREATE INDEX"}) {
    if (upper.find(marker) != std::string::npos) return true;
  }
  return false;
}

ErrorLog::ErrorLog(std::filesystem::path folder, const Clock& clock, Ui& ui)
    : folder_(std::move(folder)), clock_(clock), ui_(ui) {}

void ErrorLog::report(std::string_view operation, long number, std::string_view description, int line) {
  const std::string entry = formatError(number, operation, line, description);
  append(errorLogPath(), entry);
  ui_.showError(entry);
}

void ErrorLog::record(std::string_view operation, long number, std::string_view description, int line) {
  append(errorLogPath(), formatError(number, operation, line, description));
}

void ErrorLog::logFailedSql(std::string_view sql, std::string_view message) {
  if (isSchemaStatement(sql)) return;
  std::string entry = "SQL Fehler " + std::string(sql);
  if (!message.empty()) entry += "\n" + std::string(message);
  append(sqlLogPath(), entry);
}

void ErrorLog::append(const std::filesystem::path& file, std::string_view text) const {
  // A log that cannot be written must never stop the operation that reports.
  std::ofstream out(file, std::ios::app | std::ios::binary);
  if (!out) return;
  const DateTime now = clock_.now();
  out << now.toGermanWithTime() << " --> " << text << '\n';
}

}  // namespace orvosal
