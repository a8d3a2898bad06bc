#include "core/schema/article_text_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "core/db/db_error.h"
#include "core/db/recordset.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::SeededBothEngines;

class ArticleTextIndexTest : public SeededBothEngines {
 protected:
  int64_t count(const std::string& sql) { return Recordset(db(), sql)["Anzahl"].toInt(); }
};

TEST_P(ArticleTextIndexTest, BuildsOnceAndLeavesTheTableListAsItWas) {
  const std::vector<std::string> before = db().tableNames();
  CreateArticleTextIndex(db());
  CreateArticleTextIndex(db());
  // The full-text table and the tables that hold its index are no tables of the program.
  EXPECT_EQ(db().tableNames(), before);
  EXPECT_EQ(HasArticleTextTable(db()), !onPostgres());
  if (onPostgres()) {
    for (std::string_view column : kArticleTextColumns) {
      std::string name = "artikel_idx_artikel_" + std::string(column) + "_trigramme";
      std::transform(name.begin(), name.end(), name.begin(), [](char c) { return std::tolower(c); });
      EXPECT_EQ(count("SELECT count(*) AS Anzahl FROM pg_indexes WHERE indexname = '" + name + "'"), 1)
          << name;
    }
  } else {
    for (const char* trigger :
         {"Artikel_Suchtext_Einfuegen", "Artikel_Suchtext_Loeschen", "Artikel_Suchtext_Aendern"})
      EXPECT_EQ(count("SELECT count(*) AS Anzahl FROM sqlite_master WHERE type = 'trigger' AND name = '" +
                      std::string(trigger) + "'"),
                1)
          << trigger;
  }
}

TEST_P(ArticleTextIndexTest, TheFileIndexFollowsEveryWriteOfTheArticles) {
  if (onPostgres()) GTEST_SKIP() << "the server's indexes are kept by the server";
  db().execute("INSERT INTO Artikel (Artikelnummer, Bezeichnung1) VALUES ('A1', 'Schraube verzinkt')");
  CreateArticleTextIndex(db());  // takes the article there is
  db().execute(
      "INSERT INTO Artikel (Artikelnummer, Bezeichnung1, Bezeichnung9) VALUES ('A2', 'Dübel', 'Nylon')");
  const auto hits = [&](const std::string& query) {
    return count("SELECT count(*) AS Anzahl FROM Artikel_Suchtext WHERE Artikel_Suchtext MATCH '" + query +
                 "'");
  };
  EXPECT_EQ(hits("\"schraube\""), 1);
  EXPECT_EQ(hits("\"DÜBEL\""), 1);
  EXPECT_EQ(hits("Bezeichnung9 : \"ylo\""), 1);
  db().execute("UPDATE Artikel SET Bezeichnung1 = 'Mutter verzinkt' WHERE Artikelnummer = 'A1'");
  EXPECT_EQ(hits("\"schraube\""), 0);
  EXPECT_EQ(hits("\"mutter\""), 1);
  // A change of other columns leaves the index alone; a deleted article leaves it.
  db().execute("UPDATE Artikel SET Bestand = 5 WHERE Artikelnummer = 'A1'");
  EXPECT_EQ(hits("\"verzinkt\""), 1);
  db().execute("DELETE FROM Artikel WHERE Artikelnummer = 'A2'");
  EXPECT_EQ(hits("\"dübel\""), 0);
  // The index agrees with the table it indexes.
  EXPECT_NO_THROW(
      db().executeEngineSql("INSERT INTO Artikel_Suchtext(Artikel_Suchtext, rank) VALUES "
                            "('integrity-check', 1)"));
}

TEST_P(ArticleTextIndexTest, EngineSqlRunsAsWrittenAndReportsItsStatement) {
  // Double quotes name a column on both engines here; the program's SQL would read them as text.
  db().execute("INSERT INTO Artikel (Artikelnummer) VALUES ('A1')");
  const std::string column = onPostgres() ? "\"artikelnummer\"" : "\"Artikelnummer\"";
  const std::string table = onPostgres() ? "artikel" : "Artikel";
  EXPECT_EQ(db().executeEngineSql("UPDATE " + table + " SET " + column + " = 'B1'"), 1);
  EXPECT_EQ(count("SELECT count(*) AS Anzahl FROM Artikel WHERE Artikelnummer = 'B1'"), 1);
  try {
    db().executeEngineSql("CREATE TRIGGER kaputt");
    FAIL() << "no error";
  } catch (const DbError& error) {
    EXPECT_EQ(error.sql(), "CREATE TRIGGER kaputt");
  }
}

ORVOSAL_ON_BOTH_ENGINES(ArticleTextIndexTest);

}  // namespace
}  // namespace orvosal
