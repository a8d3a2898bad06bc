// orvosal-cli layouts: listing the program folder's layouts and checking one file.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "cli/tests/cli_test_run.h"

namespace orvosal {
namespace {

namespace fs = std::filesystem;
using orvosal::testing::runCommandLine;

class CliLayouts : public ::testing::Test {
 protected:
  void SetUp() override {
    home = fs::temp_directory_path() / ("cli_layouts_" + std::to_string(::getpid()));
    fs::create_directories(home / "Formulare");
    write("Rechnung.lst", "layout version=1 title=\"Rechnung\"\n");
    write("1Mahn.crd", "layout version=1 title=\"1. Mahnung\"\n");
    write("Adressen.lbl",
          "layout version=1 title=Etiketten\nlabels columns=3 rows=8 w=70 h=37\n"
          "band kind=label height=37\n");
    write("Kaputt.lst", "layout version=1\n\nband kind=totals\n  text x=1 y=1 widht=3 h=4 text=a\n");
    write("notiz.txt", "kein Formular");
  }
  void TearDown() override { fs::remove_all(home); }

  void write(const std::string& name, const std::string& text) {
    std::ofstream(home / "Formulare" / name) << text;
  }

  fs::path home;
};

TEST_F(CliLayouts, ListsLayoutsWithKindAndTitle) {
  const auto run = runCommandLine({"--home", home.string(), "layouts", "list"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(
      run.out,
      "Name\tArt\tTitel\n"
      "1Mahn.crd\tCRD\t1. Mahnung\n"
      "Adressen.lbl\tLBL\tEtiketten\n"
      "Kaputt.lst\tLST\t(fehlerhaft: Fehler im Formular Kaputt.lst, Zeile 4: Unbekanntes Attribut „widht“)\n"
      "Rechnung.lst\tLST\tRechnung\n");
}

TEST_F(CliLayouts, CheckReportsTheFaultWithFileAndLine) {
  const auto broken = runCommandLine(
      {"--home", home.string(), "layouts", "check", (home / "Formulare" / "Kaputt.lst").string()});
  EXPECT_EQ(broken.status, 1);
  EXPECT_EQ(broken.err, "Fehler im Formular Kaputt.lst, Zeile 4: Unbekanntes Attribut „widht“\n");
  EXPECT_EQ(broken.out, "");
  const auto good = runCommandLine(
      {"--home", home.string(), "layouts", "check", (home / "Formulare" / "Rechnung.lst").string()});
  EXPECT_EQ(good.status, 0) << good.err;
  EXPECT_EQ(good.out, "Formular Rechnung.lst in Ordnung\n");
  const auto missing =
      runCommandLine({"--home", home.string(), "layouts", "check", (home / "fehlt.lst").string()});
  EXPECT_EQ(missing.status, 1);
  const auto wrong = runCommandLine({"--home", home.string(), "layouts", "prüfen"});
  EXPECT_EQ(wrong.status, 2);
}

}  // namespace
}  // namespace orvosal
