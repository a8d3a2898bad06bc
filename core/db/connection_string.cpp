#include "core/db/connection_string.h"

#include <unistd.h>

#include <algorithm>

#include "core/text.h"

namespace orvosal {
namespace {

constexpr std::string_view kConnectionBlanks = " \t";

bool isBlank(char c) { return kConnectionBlanks.find(c) != std::string_view::npos; }

std::string localHostName(std::string host) {
  if (host.empty() || host == "." || equalsNoCase(host, "(local)") || equalsNoCase(host, computerName())) {
    return "localhost";
  }
  return host;
}

// Reads a value from `at` up to the ';' that ends it; a value that starts with a quote ends at
// the closing quote (a doubled quote inside stands for one).
std::string readValue(std::string_view text, size_t& at) {
  while (at < text.size() && isBlank(text[at])) ++at;
  if (at < text.size() && (text[at] == '"' || text[at] == '\'')) {
    const char quote = text[at++];
    std::string value;
    while (at < text.size()) {
      if (text[at] == quote) {
        if (at + 1 < text.size() && text[at + 1] == quote) {
          value += quote;
          at += 2;
          continue;
        }
        ++at;
        break;
      }
      value += text[at++];
    }
    while (at < text.size() && text[at] != ';') ++at;
    return value;
  }
  const size_t end = std::min(text.find(';', at), text.size());
  std::string value(trim(text.substr(at, end - at)));
  at = end;
  return value;
}

}  // namespace

std::string computerName() {
  char name[256] = {};
  if (gethostname(name, sizeof name - 1) != 0) return "localhost";
  return name;
}

std::string connectionStringValue(std::string_view value) {
  const bool plain = value.find(';') == std::string_view::npos &&
                     (value.empty() || (!isBlank(value.front()) && !isBlank(value.back()) &&
                                        value.front() != '"' && value.front() != '\''));
  if (plain) return std::string(value);
  const char quote =
      value.find('"') != std::string_view::npos && value.find('\'') == std::string_view::npos ? '\'' : '"';
  std::string quoted(1, quote);
  for (char c : value) {
    if (c == quote) quoted += quote;
    quoted += c;
  }
  return quoted + quote;
}

std::vector<std::pair<std::string, std::string>> connectionStringPairs(std::string_view text) {
  std::vector<std::pair<std::string, std::string>> pairs;
  size_t at = 0;
  while (at < text.size()) {
    const size_t equals = text.find('=', at);
    const size_t semicolon = text.find(';', at);
    if (equals == std::string_view::npos) break;
    if (semicolon < equals) {  // a part without a value
      at = semicolon + 1;
      continue;
    }
    const std::string key = toUpperGerman(trim(text.substr(at, equals - at)));
    at = equals + 1;
    std::string value = readValue(text, at);
    if (at < text.size()) ++at;  // the ';'
    const bool known = std::ranges::any_of(pairs, [&](const auto& pair) { return pair.first == key; });
    if (!key.empty() && !known) pairs.emplace_back(key, std::move(value));
  }
  return pairs;
}

PostgresParameters postgresParameters(std::string_view server, std::string_view database,
                                      std::string_view user, std::string_view password) {
  std::string host(trim(server));
  std::string port;
  if (const size_t backslash = host.find('\\'); backslash != std::string::npos) host.erase(backslash);
  if (const size_t separator = host.find_last_of(",:"); separator != std::string::npos) {
    port = trim(host.substr(separator + 1));
    host = trim(host.substr(0, separator));
  }
  PostgresParameters parameters{{"host", localHostName(host)}};
  if (!port.empty()) parameters.emplace_back("port", port);
  parameters.emplace_back("dbname", toLowerGerman(database));
  if (!user.empty()) parameters.emplace_back("user", user);
  if (!password.empty()) parameters.emplace_back("password", password);
  parameters.emplace_back("connect_timeout", "10");
  parameters.emplace_back("application_name", "Orvosal");
  return parameters;
}

std::string parameterValue(const PostgresParameters& parameters, std::string_view keyword) {
  for (const auto& [key, value] : parameters) {
    if (key == keyword) return value;
  }
  return {};
}

std::optional<DatabaseTarget> parseConnectionString(std::string_view connectionString) {
  const auto pairs = connectionStringPairs(connectionString);
  const auto get = [&](std::string_view key) {
    for (const auto& [name, value] : pairs) {
      if (name == key) return value;
    }
    return std::string();
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
    target.parameters = postgresParameters(get("SERVER"), get("DATABASE"), integrated ? "" : get("UID"),
                                           integrated ? "" : get("PWD"));
    return target;
  }
  return std::nullopt;
}

}  // namespace orvosal
