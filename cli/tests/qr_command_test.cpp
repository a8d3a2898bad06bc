#include <gtest/gtest.h>

#include <filesystem>

#include "cli/tests/cli_test_run.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::runCommandLine;
using orvosal::testing::TemporaryFolder;

TEST(QrCommand, WritesTheChosenFormat) {
  TemporaryFolder folder;
  const auto file = folder.path() / "code.txt";
  const auto run =
      runCommandLine({"--home", folder.path().string(), "qr", "~~d065", "--tilde", "--format", "html",
                      "--out", file.string(), "--scale", "3", "--quiet-zone", "0", "--level", "H"});
  ASSERT_EQ(run.status, 0) << run.err;
  // Version 1: 21 modules of 3 pixels.
  EXPECT_EQ(testing::fileText(file).rfind(
                "<div style='font-size:0;background-color:#ffffff;position:relative;width:63px;", 0),
            0u);
}

TEST(QrCommand, FailuresWriteNothing) {
  TemporaryFolder folder;
  const auto file = folder.path() / "code.svg";
  const auto home = folder.path().string();
  const struct {
    std::vector<std::string> args;
    int status;
    std::string_view message;
  } cases[] = {
      {{"--home", home, "qr", "", "--format", "svg", "--out", file.string()}, 1, "The code is empty !"},
      {{"--home", home, "qr", std::string(30, 'x'), "--format", "svg", "--out", file.string(), "--version",
        "1"},
       1,
       "Too many data or matrix size too small !"},
      {{"--home", home, "qr", "abc", "--format", "svg", "--out", file.string(), "--encoding", "numeric"},
       1,
       "There was an error encoding data!"},
      {{"--home", home, "qr", "abc", "--format", "png", "--out", file.string()}, 2, "Unbekanntes Format"},
      {{"--home", home, "qr", "abc", "--format", "svg", "--out", file.string(), "--version", "41"},
       2,
       "Die Version muss 1 bis 40 sein"},
      {{"--home", home, "qr", "abc", "--format", "svg", "--out", file.string(), "--level", "X"},
       2,
       "Unbekannte Fehlerkorrektur"},
  };
  for (const auto& c : cases) {
    const auto run = runCommandLine(c.args);
    EXPECT_EQ(run.status, c.status) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(file));
  }
}

}  // namespace
}  // namespace orvosal
