#pragma once

#include <string>
#include <string_view>

#include "core/db/connection_string.h"
#include "core/db/db_error.h"

struct pg_conn;

namespace orvosal {

// The sentence every failed opening starts with; the reason follows after ": ".
inline constexpr std::string_view kCannotOpenDatabase = "Datenbank kann nicht geöffnet werden";

// Why a database could not be opened, in words for the user; the engine's own text is the
// error's text, for the error log.
class DbOpenError : public DbError {
 public:
  DbOpenError(std::string reason, std::string engineText)
      : DbError(db_errors::kConnectionClosed, std::move(engineText)), reason_(std::move(reason)) {}
  const std::string& reason() const { return reason_; }

 private:
  std::string reason_;
};

namespace open_reasons {
inline constexpr std::string_view kDiskFull = "Der Datenträger ist voll.";
inline constexpr std::string_view kNotADatabase = "Die Datei ist keine Datenbank.";
inline constexpr std::string_view kReadOnly = "Die Datenbankdatei ist schreibgeschützt.";
inline constexpr std::string_view kDamaged = "Die Datenbankdatei ist beschädigt.";
inline constexpr std::string_view kNoAccess = "Auf die Datenbankdatei kann nicht zugegriffen werden.";
inline constexpr std::string_view kLocked = "Die Datenbankdatei ist von einem anderen Programm gesperrt.";
inline constexpr std::string_view kWrongPassword = "Benutzername oder Kennwort ist falsch.";
inline constexpr std::string_view kPasswordMissing = "Der Datenbankserver verlangt ein Kennwort.";
inline constexpr std::string_view kSignInRefused = "Der Datenbankserver hat die Anmeldung abgelehnt.";
inline constexpr std::string_view kServerBusy = "Der Datenbankserver nimmt gerade keine Verbindung an.";
inline constexpr std::string_view kUnknownConnection =
    "Die Verbindungszeichenfolge nennt keine bekannte Datenbank.";
inline constexpr std::string_view kOther = "Die Datenbank meldet einen Fehler (siehe error_log.txt).";
}  // namespace open_reasons

// "Datenbank kann nicht geöffnet werden: " + reason.
std::string cannotOpenMessage(std::string_view reason);

std::string missingFolderReason(const std::filesystem::path& folder);
std::string missingServerDatabaseReason(std::string_view database);
std::string unreachableServerReason(std::string_view host, std::string_view port);

// The reason for an SQLite result code met while opening (extended codes are welcome), or for
// the operating system's error number behind it (ENOSPC is a full disk whatever the code).
std::string sqliteOpenFailureReason(int code, int systemError = 0);

// The reason for a PostgreSQL SQLSTATE met while opening; empty when the state tells none.
std::string postgresStateReason(std::string_view sqlState);

// Why libpq could not connect with these parameters, found out by asking the server: whether it
// answers at all, whether it wanted a password, and whether the same login reaches its
// maintenance database.
std::string postgresConnectFailureReason(pg_conn* failed, const PostgresParameters& parameters);

}  // namespace orvosal
