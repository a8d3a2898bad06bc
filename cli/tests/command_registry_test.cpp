// The command table, its usage text and the exit codes of a wrong command line.
#include <gtest/gtest.h>

#include "cli/command_registry.h"
#include "cli/tests/cli_test_run.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::runCommandLine;
using orvosal::testing::TemporaryFolder;

TEST(CliCommandLine, AWrongCommandLineExitsWithTwoAndChangesNothing) {
  struct Case {
    std::vector<std::string> args;  // after --home
    std::vector<std::string> told;  // each in the error output
  };
  const std::vector<Case> cases = {
      {{}, {"Aufruf: orvosal-cli [Optionen] BEFEHL", "Befehle:"}},
      {{"gibtsnicht"}, {"Unbekannter Befehl: gibtsnicht\n\nAufruf: orvosal-cli [Optionen] BEFEHL"}},
      {{"--gibtsnicht", "status"}, {"Unbekannte Option: --gibtsnicht\n\nAufruf: orvosal-cli [Optionen]"}},
      {{"--user"}, {"Die Option --user braucht einen Wert (NAME)."}},
      {{"--db", "null", "status"}, {"Die Option --db braucht eine Datenbanknummer ab 1."}},
      {{"--yes", "--no", "status"}, {"Die Optionen --yes und --no schließen sich aus."}},
      {{"sql"}, {"Zu wenige Argumente für sql.\n\nAufruf: orvosal-cli sql \"ANWEISUNG\"\n"}},
      {{"sql", "SELECT 1", "SELECT 2"}, {"Zu viele Argumente für sql.", "Aufruf: orvosal-cli sql"}},
      {{"status", "--farbe"}, {"Unbekannte Option: --farbe\n\nAufruf: orvosal-cli status\n"}},
      {{"create-db", "--title"}, {"Die Option --title braucht einen Wert (TITEL).", "orvosal-cli create-db"}},
      {{"create-db", "--title", "a", "--title", "b"}, {"Die Option --title ist mehrfach angegeben."}},
      {{"copy-to-server", "2"}, {"Zu viele Argumente für copy-to-server.", "copy-to-server --db N"}},
  };
  TemporaryFolder folder;
  const auto home = folder.path() / "nie angelegt";
  for (const Case& row : cases) {
    std::vector<std::string> args{"--home", home.string()};
    args.insert(args.end(), row.args.begin(), row.args.end());
    SCOPED_TRACE(::testing::PrintToString(args));
    const auto run = runCommandLine(args);
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_EQ(run.out, "");
    for (const std::string& text : row.told) EXPECT_NE(run.err.find(text), std::string::npos) << run.err;
  }
  EXPECT_FALSE(std::filesystem::exists(home)) << "a wrong command line must not create the program folder";
}

TEST(CliCommandLine, HelpPrintsTheUsageOfTheTable) {
  const auto all = runCommandLine({"--help"});
  EXPECT_EQ(all.status, kExitSuccess);
  EXPECT_EQ(all.out, cliUsage());
  for (const CliCommand& command : cliCommands()) {
    EXPECT_NE(all.out.find("\n  " + std::string(command.name)), std::string::npos) << command.name;
    const auto one = runCommandLine({"--help", std::string(command.name)});
    EXPECT_EQ(one.status, kExitSuccess);
    EXPECT_EQ(one.out, commandUsage(command));
  }
  EXPECT_EQ(runCommandLine({"-h", "sql"}).out.rfind("Aufruf: orvosal-cli sql \"ANWEISUNG\"\n", 0), 0u);
}

TEST(CliCommandLine, EveryOptionOfACommandIsShownInItsUsage) {
  for (const CliCommand& command : cliCommands()) {
    const std::string usage = commandUsage(command);
    for (const OptionSpec& option : command.options) {
      EXPECT_NE(usage.find(std::string(option.name) + " " + std::string(option.valueName)), std::string::npos)
          << command.name << " " << option.name;
    }
  }
}

TEST(CliCommandLine, OptionsStandAnywhereAmongTheArgumentsOfACommand) {
  const std::vector<OptionSpec> accepted = {{"--title", "TITEL", ""}, {"--force", "", ""}};
  const auto parsed =
      std::get<ParsedArguments>(parseArguments({"a", "--title", "--b", "c", "--force"}, accepted));
  EXPECT_EQ(parsed.positional, (std::vector<std::string>{"a", "c"}));
  EXPECT_EQ(parsed.value("--title"), "--b");
  EXPECT_TRUE(parsed.has("--force"));
  EXPECT_EQ(parsed.value("--force"), "");
  EXPECT_FALSE(parsed.has("--other"));
  // Before a command, the command and everything after it are left to the command.
  const auto global =
      std::get<ParsedArguments>(parseArguments({"--force", "sql", "--title"}, accepted, true));
  EXPECT_EQ(global.positional, (std::vector<std::string>{"sql", "--title"}));
}

}  // namespace
}  // namespace orvosal
