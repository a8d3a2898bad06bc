#include <gtest/gtest.h>

#include "cli/tests/cli_test_run.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::CliRun;
using orvosal::testing::runCommandLine;
using orvosal::testing::TemporaryFolder;

class CliNextNumber : public ::testing::Test {
 protected:
  CliRun cli(std::vector<std::string> args) {
    args.insert(args.begin(), {"--home", home_.path().string()});
    return runCommandLine(args);
  }

  TemporaryFolder home_;
};

TEST_F(CliNextNumber, APreviewShowsWhatTheDrawThenHandsOut) {
  ASSERT_EQ(cli({"sql",
                 "INSERT INTO Nummerkreise (Vortext, Nummer, Nachtext, Stellen) "
                 "VALUES ('RE-', 41, '/B', 5)"})
                .status,
            0);
  const struct {
    std::vector<std::string> args;
    const char* out;
  } steps[] = {
      {{"next-number", "--range", "1", "--preview"}, "RE-00041/B\n"},
      {{"next-number", "--range", "1"}, "RE-00041/B\n"},
      {{"next-number", "--range", "1"}, "RE-00042/B\n"},
      {{"next-number", "--preview", "--range", "1"}, "RE-00043/B\n"},
      // The seeded invoice type counts on its own: a number handed out here is not handed out
      // again, though no document holds it.
      {{"next-number", "--type", "3", "--preview"}, "1\n"},
      {{"next-number", "--type", "3"}, "1\n"},
      {{"next-number", "--type", "3"}, "2\n"},
  };
  for (const auto& step : steps) {
    const CliRun run = cli(step.args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, step.out) << step.args.back();
  }
}

TEST_F(CliNextNumber, UnknownSourcesFailAndWrongCommandLinesAreUsageErrors) {
  const struct {
    std::vector<std::string> args;
    int status;
    const char* message;
  } cases[] = {
      {{"next-number", "--type", "99"}, 1, "Die Belegart 99 gibt es nicht."},
      {{"next-number", "--range", "7"}, 1, "Den Nummernkreis 7 gibt es nicht."},
      {{"next-number"}, 2, "Bitte genau eine Angabe: --type ID oder --range ID."},
      {{"next-number", "--type", "1", "--range", "1"}, 2, "Bitte genau eine Angabe"},
      {{"next-number", "--type", "1 OR 1=1"}, 2, "Die ID muss eine ganze Zahl sein"},
  };
  for (const auto& c : cases) {
    const CliRun run = cli(c.args);
    EXPECT_EQ(run.status, c.status) << c.args.back();
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
  }
}

}  // namespace
}  // namespace orvosal
