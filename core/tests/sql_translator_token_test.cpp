#include <gtest/gtest.h>

#include "core/db/sql_statement_split.h"
#include "core/db/sql_token.h"
#include "core/tests/sql_translator_test_support.h"

namespace orvosal {
namespace {

struct TokenCase {
  std::string_view input;
  std::vector<std::pair<TokenKind, std::string_view>> tokens;
};

TEST(SqlTokenizer, SplitsStatementsIntoTokens) {
  using K = TokenKind;
  const std::vector<TokenCase> cases = {
      {"SELECT a FROM T", {{K::Word, "SELECT"}, {K::Word, "a"}, {K::Word, "FROM"}, {K::Word, "T"}}},
      {"[Rück ruf]]x]", {{K::Name, "[Rück ruf]]x]"}}},
      {"Übersichten.Größe", {{K::Word, "Übersichten"}, {K::Symbol, "."}, {K::Word, "Größe"}}},
      {"'O''Neil'", {{K::String, "'O''Neil'"}}},
      {"N'Straße'", {{K::String, "'Straße'"}}},
      {"\"Er sagte \"\"ja\"\"\"", {{K::JetString, "\"Er sagte \"\"ja\"\"\""}}},
      {"12 3.5 .25 1e3", {{K::Number, "12"}, {K::Number, "3.5"}, {K::Number, ".25"}, {K::Number, "1e3"}}},
      {"#1/31/2024 10:00:00#", {{K::Date, "#1/31/2024 10:00:00#"}}},
      {"a<>b<=c>=d",
       {{K::Word, "a"},
        {K::Symbol, "<>"},
        {K::Word, "b"},
        {K::Symbol, "<="},
        {K::Word, "c"},
        {K::Symbol, ">="},
        {K::Word, "d"}}},
      {"a & b;", {{K::Word, "a"}, {K::Symbol, "&"}, {K::Word, "b"}, {K::Symbol, ";"}}},
      {"? @p :name", {{K::Parameter, "?"}, {K::Parameter, "@p"}, {K::Parameter, ":name"}}},
      {"a -- note\n/* more */ b", {{K::Word, "a"}, {K::Word, "b"}}},
      {"a # b", {{K::Word, "a"}, {K::Symbol, "#"}, {K::Word, "b"}}},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.input);
    const TokenList list(row.input);
    ASSERT_EQ(list.size(), row.tokens.size());
    for (size_t i = 0; i < list.size(); ++i) {
      EXPECT_EQ(list[i].kind, row.tokens[i].first) << i;
      EXPECT_EQ(list[i].text, row.tokens[i].second) << i;
    }
  }
}

TEST(SqlTokenizer, RendersTheInputUnchanged) {
  for (std::string_view input : {"  SELECT  a,b FROM [T]  WHERE x = 'y' -- c\n ;  ", "", "  ",
                                 "SELECT 'unterminated", "/* only a comment */"}) {
    EXPECT_EQ(TokenList(input).render(), input);
  }
}

TEST(SqlTokenizer, KeepsWordsApartWhenTokensAreJoined) {
  TokenList list("a");
  list.insert(1, list.make(TokenKind::Word, "b", ""));
  EXPECT_EQ(list.render(), "a b");
}

TEST(SqlTokenizer, SplitsATextIntoItsStatements) {
  using Parts = std::vector<std::string_view>;
  const std::vector<std::pair<std::string_view, Parts>> cases = {
      {"SELECT 1", {"SELECT 1"}},
      {" SELECT 1; ", {"SELECT 1;"}},
      {"SELECT 1; -- Ende", {"SELECT 1;"}},
      {"SELECT ';' AS a;DELETE FROM T", {"SELECT ';' AS a;", "DELETE FROM T"}},
      {"SELECT 1;; /* x; */ SELECT 2 -- y", {"SELECT 1;", "SELECT 2 -- y"}},
      {"SELECT 'a; DELETE FROM T", {"SELECT 'a; DELETE FROM T"}},
      {"", {}},
      {" ; ;", {}},
      {"-- nur eine Bemerkung; mehr nicht", {}},
  };
  for (const auto& [text, parts] : cases) EXPECT_EQ(splitStatements(text), parts) << text;
}

TEST(SqlTokenizer, UnquotesNames) {
  EXPECT_EQ(unquoted(TokenList("[a]]b]")[0]), "a]b");
  EXPECT_EQ(unquoted(TokenList("'it''s'")[0]), "it's");
  EXPECT_EQ(unquoted(TokenList("Größe")[0]), "Größe");
  EXPECT_EQ(quoteString("it's"), "'it''s'");
}

}  // namespace
}  // namespace orvosal
