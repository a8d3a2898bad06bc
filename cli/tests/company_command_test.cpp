// orvosal-cli company: showing and changing the company data on both engines.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli/argument_parser.h"
#include "cli/tests/cli_test_run.h"
#include "core/db/recordset.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::CliRun;
using orvosal::testing::runCommandLine;
using orvosal::testing::TemporaryFolder;

class CliCompany : public orvosal::testing::SeededBothEngines {
 protected:
  CliRun company(std::vector<std::string> args) {
    args.insert(args.begin(), {"--home", engine().folder().string(), "company"});
    return runCommandLine(args);
  }
  // The whole stored row, column by column, to see that a refused change wrote nothing.
  std::string row() {
    Recordset rs(db(), "SELECT * FROM Firmendaten ORDER BY ID");
    std::string text;
    for (; !rs.eof(); rs.moveNext()) {
      for (int i = 0; i < rs.fieldCount(); ++i)
        text += rs.fieldName(i) + "=" + rs[rs.fieldName(i)].toText() + ";";
      text += "\n";
    }
    return text;
  }
  std::string stored(const std::string& column) {
    return Recordset(db(), "SELECT Top 1 * FROM Firmendaten ORDER BY ID")[column].toText();
  }
};

TEST_P(CliCompany, ShowPrintsEveryColumnButTheKeyAndTheMasterPassword) {
  const CliRun run = company({"show"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "Name\tMusterfirma\nStraße\tMustergasse\nPLZ\txxxxx\nOrt\tMusterhausen\nTelefon\t\nFax\t\nBLZ\t\n"
            "Bank\t\nKontonummer\t\nOrtderBank\t\nInternet\t\nEmail\t\nBLZ2\t\nBank2\t\nKontonummer2\t\n"
            "OrtderBank2\t\nSteuernummer\t\nAmtsgericht\t\nGeschäftsführer\t\nHRG_Nummer\t\nEuIdentNr\t\n"
            "IBAN\t\nBIC\t\nIBAN2\t\nBIC2\t\nLogo\t\n");
}

TEST_P(CliCompany, SetChangesTheNamedColumnsAndPrintsTheKey) {
  const CliRun run = company({"set", "Name=Holzbau Lehmann", "iban=de89 3704 0044 0532 0130 00", "--set",
                              "BIC=DEUTDEFF", "--set", "Ort=Dresden = Altstadt", "Telefon="});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, Recordset(db(), "SELECT Top 1 * FROM Firmendaten ORDER BY ID")["ID"].toText() + "\n");
  EXPECT_EQ(run.err, "Änderungen gespeichert\n");
  EXPECT_EQ(stored("Name"), "Holzbau Lehmann");
  EXPECT_EQ(stored("IBAN"), "DE89370400440532013000");
  EXPECT_EQ(stored("BIC"), "DEUTDEFF");
  EXPECT_EQ(stored("Ort"), "Dresden = Altstadt");
  EXPECT_EQ(stored("Straße"), "Mustergasse") << "a column not named keeps its value";
  EXPECT_NE(company({"show"}).out.find("\nIBAN\tDE89370400440532013000\n"), std::string::npos);
}

TEST_P(CliCompany, ALogoFileIsCopiedIntoTheProgramFolder) {
  TemporaryFolder images;
  const std::string png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
  std::ofstream(images.path() / "logo.png", std::ios::binary) << png;
  const CliRun run = company({"set", "Logo=" + (images.path() / "logo.png").string()});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(stored("Logo"), "Firmenlogo.png");
  EXPECT_TRUE(std::filesystem::exists(engine().folder() / "Firmenlogo.png"));
}

TEST_P(CliCompany, RefusedChangesExitWithTheirStatusAndWriteNothing) {
  TemporaryFolder files;
  std::ofstream(files.path() / "text.png") << "kein Bild";
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* told;
  };
  const std::vector<Case> cases = {
      {{"set", "Name=Neu", "Farbe=rot"}, 1, "Unbekannte Spalte der Firmendaten: Farbe"},
      {{"set", "MasterPassword=99"}, 1, "Unbekannte Spalte der Firmendaten: MasterPassword"},
      {{"set", "ID=7"}, 1, "Unbekannte Spalte der Firmendaten: ID"},
      {{"set", "Name=Neu", "--set", "IBAN=DE89370400440532013001"}, 1, "Die IBAN der Bank 1"},
      {{"set", "Name="}, 1, "Bitte den Namen der Firma eingeben!"},
      {{"set", "Name=Musterfirma"}, 1, "Keine Änderung!, nicht gespeichert"},
      {{"set", "Logo=" + (files.path() / "text.png").string()}, 1, "ist kein Bild"},
      {{}, 2, "Zu wenige Argumente für company."},
      {{"set"}, 2, "company set braucht mindestens eine Angabe Spalte=Wert."},
      {{"set", "Name"}, 2, "Keine Angabe der Form Spalte=Wert: Name"},
      {{"set", "=Neu"}, 2, "Keine Angabe der Form Spalte=Wert: =Neu"},
      {{"show", "Name"}, 2, "company show nimmt keine Argumente."},
      {{"show", "--set", "Name=Neu"}, 2, "company show nimmt keine Argumente."},
      {{"drucken"}, 2, "Unbekannte Aktion für company: drucken"},
  };
  const std::string before = row();
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    const CliRun run = company(c.args);
    EXPECT_EQ(run.status, c.status);
    EXPECT_NE(run.err.find(c.told), std::string::npos) << run.err;
    if (c.status == 2) {
      EXPECT_NE(run.err.find("Aufruf: orvosal-cli company"), std::string::npos);
    }
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(row(), before);
  }
  EXPECT_FALSE(std::filesystem::exists(engine().folder() / "Firmenlogo.png"));
}

TEST_P(CliCompany, AUserWithoutTheSystemRightIsRefused) {
  db().execute("UPDATE Benutzer SET [System] = 0");
  const std::string before = row();
  const CliRun run = company({"set", "Name=Neu"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Keine Berechtigung für diesen Programmteil"), std::string::npos) << run.err;
  EXPECT_EQ(row(), before);
}

TEST(CliArguments, ARepeatableOptionKeepsEveryValueInOrder) {
  const std::vector<OptionSpec> accepted = {{"--set", "X", "", true}, {"--title", "T", ""}};
  const auto parsed = std::get<ParsedArguments>(
      parseArguments({"--set", "a=1", "x", "--set", "b=2", "--title", "t"}, accepted));
  EXPECT_EQ(parsed.values("--set"), (std::vector<std::string>{"a=1", "b=2"}));
  EXPECT_EQ(parsed.values("--title"), std::vector<std::string>{});
  EXPECT_EQ(parsed.positional, std::vector<std::string>{"x"});
  EXPECT_EQ(std::get<std::string>(parseArguments({"--title", "a", "--title", "b"}, accepted)),
            "Die Option --title ist mehrfach angegeben.");
}

ORVOSAL_ON_BOTH_ENGINES(CliCompany);

}  // namespace
}  // namespace orvosal
