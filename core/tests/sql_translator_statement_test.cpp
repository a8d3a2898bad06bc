#include <gtest/gtest.h>

#include "core/tests/sql_translator_test_support.h"

namespace orvosal::testing {
namespace {

using Kind = TranslatedSql::Kind;

struct KindCase {
  std::string_view input;
  Kind kind;
  std::string_view table;
  std::string_view sqlite;
  std::string_view postgres;
};

TEST(SqlTranslatorStatements, SpecialStatementsAreAnswered) {
  const std::vector<KindCase> cases = {
      {"SET IDENTITY_INSERT [Artikel] ON", Kind::NoOp, "", "", ""},
      {"SET IDENTITY_INSERT [dbo].[Rückruf] OFF", Kind::IdentityInsertOff, "Rückruf", "", ""},
      {"SET NOCOUNT ON;", Kind::NoOp, "", "", ""},
      {"Truncate TABLE [Artikel]", Kind::Statement, "",
       "DELETE FROM [Artikel]; DELETE FROM sqlite_sequence WHERE name = 'Artikel' COLLATE NOCASE",
       "TRUNCATE TABLE \"artikel\" RESTART IDENTITY"},
      {"CREATE DATABASE Orvosal", Kind::CreateDatabase, "Orvosal", "CREATE DATABASE Orvosal",
       "CREATE DATABASE \"orvosal\""},
      {"SELECT * INTO [Belege 2023] IN 'C:\\Archiv\\arch.db' FROM Belege WHERE Jahr = 2023",
       Kind::SelectIntoFile, "Belege 2023", "SELECT * FROM Belege WHERE Jahr = 2023",
       "SELECT * FROM \"belege\" WHERE \"jahr\" = 2023"},
      {"SELECT a, b INTO Kopie FROM T", Kind::SelectIntoTable, "Kopie",
       "CREATE TABLE Kopie AS SELECT a, b FROM T",
       "CREATE TABLE \"kopie\" AS SELECT \"a\", \"b\" FROM \"t\""},
      {"UPDATE A SET x = 1; UPDATE B SET y = 2;", Kind::Statement, "",
       "UPDATE A SET x = 1;; UPDATE B SET y = 2;",
       "UPDATE \"a\" SET \"x\" = 1;; UPDATE \"b\" SET \"y\" = 2;"},
      {"  ", Kind::NoOp, "", "", ""},
  };
  FixedClock clock(testMoment());
  for (const SqlEngine engine : {SqlEngine::Sqlite, SqlEngine::Postgres}) {
    SqlTranslator translator(engine, clock);
    for (const auto& row : cases) {
      SCOPED_TRACE(row.input);
      const TranslatedSql translated = translator.translate(row.input);
      EXPECT_EQ(translated.kind, row.kind);
      EXPECT_EQ(translated.table, row.table);
      EXPECT_EQ(joinedStatements(translated), engine == SqlEngine::Sqlite ? row.sqlite : row.postgres);
    }
  }
}

TEST(SqlTranslatorStatements, ArchiveFileIsUnquoted) {
  FixedClock clock(testMoment());
  SqlTranslator translator(SqlEngine::Sqlite, clock);
  EXPECT_EQ(translator.translate("SELECT * INTO Alt IN 'C:\\O''Neil\\a.db' FROM T").file, "C:\\O'Neil\\a.db");
  EXPECT_EQ(translator.translate("SELECT * INTO Alt IN \"D:\\b.db\" FROM T").file, "D:\\b.db");
}

TEST(SqlTranslatorStatements, TellsWhetherRowsComeBack) {
  const std::vector<std::pair<std::string_view, bool>> cases = {
      {"SELECT 1", true},
      {"  select * from T", true},
      {"SELECT * INTO X IN 'a.db' FROM T", false},
      {"SELECT * INTO X FROM T", false},
      {"UPDATE T SET a = 1", false},
      {"INSERT INTO T SELECT * FROM U", false},
      {"CREATE TABLE T (A int)", false},
  };
  FixedClock clock(testMoment());
  SqlTranslator translator(SqlEngine::Postgres, clock);
  for (const auto& [input, rows] : cases) EXPECT_EQ(translator.translate(input).returnsRows, rows) << input;
}

TEST(SqlTranslatorStatements, CachedTranslationsAnswerTheSame) {
  FixedClock clock(testMoment());
  SqlTranslator translator(SqlEngine::Postgres, clock);
  const std::string sql = "SELECT TOP 3 [Name] FROM Kunden WHERE Aktiv = 'True' ORDER BY Name";
  const TranslatedSql first = translator.translate(sql);
  const TranslatedSql second = translator.translate(sql);
  EXPECT_EQ(first.statements, second.statements);
  translator.setColumnKindLookup([](std::string_view) { return ColumnKind::Text; });
  EXPECT_EQ(translator.translate(sql).statements.front(),
            "SELECT \"name\" FROM \"kunden\" WHERE \"aktiv\" = 'True' ORDER BY \"name\" NULLS FIRST LIMIT 3");
}

}  // namespace
}  // namespace orvosal::testing
