// orvosal-cli article: articles through the window's rules, on both engines.
#include <gtest/gtest.h>

#include "cli/tests/cli_test_run.h"
#include "core/db/recordset.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::CliRun;
using orvosal::testing::runCommandLine;

class CliArticle : public orvosal::testing::SeededBothEngines {
 protected:
  CliRun article(std::vector<std::string> args, const char* answer = nullptr) {
    args.insert(args.begin(), "article");
    if (answer != nullptr) args.insert(args.begin(), answer);
    args.insert(args.begin(), {"--home", engine().folder().string()});
    return runCommandLine(args);
  }
  int64_t articles() { return Recordset(db(), "SELECT count(*) as Anzahl FROM Artikel")["Anzahl"].toInt(); }
};

TEST_P(CliArticle, AddShowSetCopyAndDeleteRunTheWindowRules) {
  const CliRun added = article({"add", "Bezeichnung1=Schraube M6 \"verzinkt\"", "--set",
                                "Verkaufspreis1=1.234,5", "Empfohlener Verkaufspreis=2,75", "Einheit=Stk"});
  ASSERT_EQ(added.status, 0) << added.err;
  EXPECT_EQ(added.out, "1\t1\n");

  const CliRun shown = article({"show", "--number", "1"});
  ASSERT_EQ(shown.status, 0) << shown.err;
  for (const char* line : {"Bezeichnung1\tSchraube M6 \"verzinkt\"\n", "Verkaufspreis1\t1234,5\n",
                           "Empfohlener Verkaufspreis\t2,75\n", "Einheit\tStk\n"}) {
    EXPECT_NE(shown.out.find(line), std::string::npos) << line << shown.out;
  }

  // A changed base price: --yes lets levels 2 to 9 follow it through the article's discount scale,
  // --no (the answer without a terminal) keeps them.
  db().execute("INSERT INTO RabattStaffel (Titel, Verkaufspreis2) VALUES ('Händler', 10)");
  ASSERT_EQ(article({"set", "1", "RabattStaffelID=1"}).status, 0);
  ASSERT_EQ(article({"set", "1", "Verkaufspreis1=20"}).status, 0);
  EXPECT_NE(article({"show", "1"}).out.find("Verkaufspreis2\t0\n"), std::string::npos);
  ASSERT_EQ(article({"set", "1", "Verkaufspreis1=10"}, "--yes").status, 0);
  const std::string levels = article({"show", "1"}).out;
  EXPECT_NE(levels.find("Verkaufspreis2\t9\n"), std::string::npos) << levels;
  EXPECT_NE(levels.find("Verkaufspreis9\t10\n"), std::string::npos) << levels;

  const CliRun copied = article({"copy", "1"});
  ASSERT_EQ(copied.status, 0) << copied.err;
  EXPECT_EQ(copied.out, "2\t1 (Kopie)\n");
  EXPECT_EQ(article({"list"}).out,
            "ID\tArtikelnummer\tBezeichnung1\tEinheit\tVerkaufspreis1\tBestand\n"
            "1\t1\tSchraube M6 \"verzinkt\"\tStk\t10,00\t0,00\n"
            "2\t1 (Kopie)\tSchraube M6 \"verzinkt\" (Kopie)\tStk\t10,00\t0,00\n");

  ASSERT_EQ(article({"add", "Artikelnummer=V-10", "Bezeichnung1=Mutter", "Bezeichnung3=passend zu Schraube"})
                .status,
            0);
  EXPECT_EQ(article({"list", "--search", "SCHRAUBE"}).out,
            "ID\tArtikelnummer\tBezeichnung1\tEinheit\tVerkaufspreis1\tBestand\n"
            "3\tV-10\tMutter\t\t0,00\t0,00\n"
            "1\t1\tSchraube M6 \"verzinkt\"\tStk\t10,00\t0,00\n"
            "2\t1 (Kopie)\tSchraube M6 \"verzinkt\" (Kopie)\tStk\t10,00\t0,00\n");
  EXPECT_EQ(
      article({"list", "--search", "v-1"}).out,
      "ID\tArtikelnummer\tBezeichnung1\tEinheit\tVerkaufspreis1\tBestand\n3\tV-10\tMutter\t\t0,00\t0,00\n");

  EXPECT_EQ(article({"delete", "2"}).status, 1);  // not confirmed without a terminal
  EXPECT_EQ(articles(), 3);
  EXPECT_EQ(article({"delete", "2"}, "--yes").status, 0);
  EXPECT_EQ(articles(), 2);
}

TEST_P(CliArticle, BadInputIsNamedAndWritesNothing) {
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* message;
  };
  const Case cases[] = {
      {{"add", "Einheit=Stk"}, 1, "Bitte Bezeichnung1 angegeben!"},
      {{"add", "Bezeichnung1=x", "Farbe=rot"}, 1, "Unbekannte Spalte der Artikel: Farbe"},
      {{"add", "Bezeichnung1=x", "Verkaufspreis1=zehn"},
       1,
       "Der Wert passt nicht in die Spalte Verkaufspreis1: zehn"},
      {{"add", "Bezeichnung1=x", "Verarbeitungskennzeichen=ABCDEF"}, 1, "(höchstens 5 Zeichen)"},
      {{"add", "Bezeichnung1"}, 2, "Keine Angabe der Form Spalte=Wert: Bezeichnung1"},
      {{"show", "7"}, 1, "Kein Artikel mit der ID 7."},
      {{"show", "--number", "X"}, 1, "Kein Artikel mit der Artikelnummer X."},
      {{"copy"}, 2, "article copy braucht genau eine ID."},
      {{"list", "--number", "1"}, 2, "--number gilt nur für article show."},
      {{"rename", "1"}, 2, "Unbekannte Aktion für article: rename"},
  };
  for (const Case& c : cases) {
    const CliRun run = article(c.args);
    EXPECT_EQ(run.status, c.status) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
  EXPECT_EQ(articles(), 0);
}

ORVOSAL_ON_BOTH_ENGINES(CliArticle);

}  // namespace
}  // namespace orvosal
