#include "cli/cli_startup.h"

#include <istream>
#include <ostream>

#include "core/startup/startup_sequence.h"
#include "core/text.h"
#include "core/users/sign_in.h"

namespace orvosal {

std::optional<int> CliStartupWindows::chooseDatabase(const std::vector<DatabaseEntry>& entries,
                                                     int preselected) {
  if (!interactive_) return preselected;
  err_ << "Datenbank auswählen:\n";
  for (size_t i = 0; i < entries.size(); ++i)
    err_ << "  " << entries[i].number << ") " << entries[i].title << '\n';
  err_ << "Nummer [" << entries[static_cast<size_t>(preselected)].number << "]: " << std::flush;
  std::string line;
  if (!std::getline(in_, line)) return std::nullopt;
  const std::string_view answer = trim(line);
  if (answer.empty()) return preselected;
  for (size_t i = 0; i < entries.size(); ++i) {
    if (std::to_string(entries[i].number) == answer) return static_cast<int>(i);
  }
  return std::nullopt;
}

bool CliStartupWindows::signIn(Session& session) {
  SignInRequest request;
  request.name = options_.user;
  request.password = options_.password.value_or("");
  if (request.name.empty() && interactive_) {
    err_ << "Benutzername: " << std::flush;
    std::getline(in_, request.name);
  }
  if (request.password.empty() && interactive_) {
    err_ << "Kennwort: " << std::flush;
    std::getline(in_, request.password);
  }
  const SignInOutcome outcome = SignIn(session, request);
  if (!outcome.signedIn()) err_ << outcome.message << '\n';
  return outcome.signedIn();
}

bool StartForCommand(Session& session, const CliOptions& options, std::istream& in, std::ostream& err,
                     bool interactive) {
  CliStartupWindows windows(options, in, err, interactive);
  const std::optional<int> database =
      options.database > 0 ? std::optional<int>(options.database) : std::nullopt;
  const StartupResult result = Main(session, windows, database);
  if (result == StartupResult::Cancelled) err << "Programm beendet: keine Anmeldung.\n";
  return result == StartupResult::Ready;
}

}  // namespace orvosal
