#include "core/db/open_failure.h"

#include <sqlite3.h>

#include <cerrno>

namespace orvosal {

std::string cannotOpenMessage(std::string_view reason) {
  return std::string(kCannotOpenDatabase) + ": " + std::string(reason);
}

std::string missingFolderReason(const std::filesystem::path& folder) {
  return "Den Ordner '" + folder.string() + "' gibt es nicht.";
}

std::string missingServerDatabaseReason(std::string_view database) {
  return "Die Datenbank '" + std::string(database) + "' gibt es auf dem Server nicht.";
}

std::string unreachableServerReason(std::string_view host, std::string_view port) {
  return "Der Datenbankserver " + std::string(host) + (port.empty() ? "" : ":" + std::string(port)) +
         " ist nicht erreichbar.";
}

std::string sqliteOpenFailureReason(int code, int systemError) {
  if (systemError == ENOSPC) return std::string(open_reasons::kDiskFull);
  if (systemError == EROFS) return std::string(open_reasons::kReadOnly);
  switch (code & 0xFF) {
    case SQLITE_FULL:
      return std::string(open_reasons::kDiskFull);
    case SQLITE_NOTADB:
      return std::string(open_reasons::kNotADatabase);
    case SQLITE_READONLY:
      return std::string(open_reasons::kReadOnly);
    case SQLITE_CORRUPT:
      return std::string(open_reasons::kDamaged);
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
      return std::string(open_reasons::kNoAccess);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return std::string(open_reasons::kLocked);
    default:
      return std::string(open_reasons::kOther);
  }
}

std::string postgresStateReason(std::string_view sqlState) {
  if (sqlState == "53100") return std::string(open_reasons::kDiskFull);
  if (sqlState == "28P01") return std::string(open_reasons::kWrongPassword);
  if (sqlState == "28000") return std::string(open_reasons::kSignInRefused);
  if (sqlState == "53300" || sqlState == "57P03") return std::string(open_reasons::kServerBusy);
  return {};
}

}  // namespace orvosal
