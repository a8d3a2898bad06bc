#include "core/db/connection_string.h"

#include <unistd.h>

#include <map>

#include "core/text.h"

namespace orvosal {
namespace {

std::map<std::string, std::string> keyValues(std::string_view text) {
  std::map<std::string, std::string> result;
  for (const std::string& part : splitString(std::string(text), ";")) {
    const size_t equals = part.find('=');
    if (equals == std::string::npos) continue;
    result.emplace(toUpperGerman(trim(part.substr(0, equals))), trim(part.substr(equals + 1)));
  }
  return result;
}

std::string conninfoValue(std::string_view value) {
  std::string quoted = "'";
  for (char c : value) {
    if (c == '\'' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "'";
}

std::string localHostName(std::string host) {
  if (host.empty() || host == "." || equalsNoCase(host, "(local)") || equalsNoCase(host, computerName())) {
    return "localhost";
  }
  return host;
}

}  // namespace

std::string computerName() {
  char name[256] = {};
  if (gethostname(name, sizeof name - 1) != 0) return "localhost";
  return name;
}

std::string postgresConninfo(std::string_view server, std::string_view database, std::string_view user,
                             std::string_view password) {
  std::string host(trim(server));
  std::string port;
  if (const size_t backslash = host.find('\\'); backslash != std::string::npos) host.erase(backslash);
  if (const size_t separator = host.find_last_of(",:"); separator != std::string::npos) {
    port = trim(host.substr(separator + 1));
    host = trim(host.substr(0, separator));
  }
  std::string conninfo = "host=" + conninfoValue(localHostName(host));
  if (!port.empty()) conninfo += " port=" + conninfoValue(port);
  conninfo += " dbname=" + conninfoValue(toLowerGerman(database));
  if (!user.empty()) conninfo += " user=" + conninfoValue(user);
  if (!password.empty()) conninfo += " password=" + conninfoValue(password);
  return conninfo + " connect_timeout=10 application_name=Orvosal";
}

std::optional<DatabaseTarget> parseConnectionString(std::string_view connectionString) {
  const auto keys = keyValues(connectionString);
  const auto get = [&](const char* key) {
    auto found = keys.find(key);
    return found == keys.end() ? std::string() : found->second;
  };
  const std::string provider = toUpperGerman(get("PROVIDER"));
  DatabaseTarget target;
  if (provider == "MICROSOFT.JET.OLEDB.4.0" || provider == "MICROSOFT.ACE.OLEDB.12.0") {
    const std::string file = get("DATA SOURCE");
    if (file.empty()) return std::nullopt;
    target.engine = DatabaseTarget::Engine::Sqlite;
    target.file = file;
    return target;
  }
  if (provider == "SQLOLEDB") {
    const bool integrated = !get("INTEGRATED SECURITY").empty();
    target.engine = DatabaseTarget::Engine::Postgres;
    target.conninfo = postgresConninfo(get("SERVER"), get("DATABASE"), integrated ? "" : get("UID"),
                                       integrated ? "" : get("PWD"));
    return target;
  }
  return std::nullopt;
}

}  // namespace orvosal
