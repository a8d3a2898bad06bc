#include <algorithm>

#include "core/db/sql_expression.h"
#include "core/db/sql_rewrite.h"
#include "core/db/sql_unicode.h"

namespace orvosal {
namespace {

// A deterministic German collation: LIKE refuses the case-insensitive one of the text columns.
constexpr std::string_view kLikeCollation = "COLLATE \"de-DE-x-icu\"";

bool endsOrderItems(const Token& token) {
  return token.isSymbol(")") || token.isSymbol(";") || token.is("LIMIT") || token.is("OFFSET") ||
         token.is("UNION") || token.is("EXCEPT") || token.is("INTERSECT") || token.is("FETCH") ||
         token.is("FOR");
}

// A word right after these names a table even when "(" follows (INSERT INTO T (a, b)).
bool namesTableNext(const Token& token) {
  return token.is("INTO") || token.is("TABLE") || token.is("UPDATE") || token.is("REFERENCES") ||
         token.is("JOIN") || token.is("FROM");
}

// The type words in CAST(x AS type).
bool isCastType(const TokenList& tokens, size_t at) {
  const size_t open = tokens.enclosingGroup(at);
  if (open == tokens.size() || open == 0 || !tokens[open - 1].is("CAST")) return false;
  for (size_t i = at; i-- > open + 1;) {
    if (tokens[i].isSymbol("(")) return false;
    if (tokens[i].is("AS")) return true;
  }
  return false;
}

bool isName(const TokenList& tokens, size_t at) {
  const Token& token = tokens[at];
  if (token.kind == TokenKind::Name) return true;
  if (token.kind != TokenKind::Word) return false;
  const bool member = at > 0 && tokens[at - 1].isSymbol(".");
  if (member) return true;
  if (isKeyword(token)) return false;
  if (at + 1 < tokens.size() && tokens[at + 1].isSymbol("(") &&
      (at == 0 || !namesTableNext(tokens[at - 1]))) {
    return false;
  }
  return !isCastType(tokens, at);
}

}  // namespace

void rewriteLikeForPostgres(TokenList& tokens) {
  for (size_t like = 1; like < tokens.size(); ++like) {
    if (!tokens[like].is("LIKE")) continue;
    const size_t end = tokens[like - 1].is("NOT") ? like - 1 : like;
    bool compound = false;
    const size_t begin = expressionBegin(tokens, end, compound);
    tokens[like].text = "ILIKE";
    if (begin == end) continue;
    tokens.insert(end, Token{TokenKind::Raw, kLikeCollation, " "});
    if (compound) {
      tokens.insert(end, Token{TokenKind::Symbol, ")", ""});
      tokens.insert(begin, Token{TokenKind::Symbol, "(", tokens[begin].space});
      tokens[begin + 1].space = "";
      like += 2;
    }
    ++like;
  }
}

void addNullsOrder(TokenList& tokens) {
  for (size_t order = 0; order + 1 < tokens.size(); ++order) {
    if (!tokens[order].is("ORDER") || !tokens[order + 1].is("BY")) continue;
    bool hasNulls = false;
    bool descending = false;
    for (size_t i = order + 2;; ++i) {
      const bool atEnd = i >= tokens.size() || endsOrderItems(tokens[i]) || tokens[i].isSymbol(",");
      if (atEnd) {
        if (!hasNulls) {
          tokens.insert(i, {Token{TokenKind::Word, "NULLS", " "},
                            Token{TokenKind::Word, descending ? "LAST" : "FIRST", " "}});
          i += 2;
        }
        if (i >= tokens.size() || !tokens[i].isSymbol(",")) break;
        hasNulls = descending = false;
        continue;
      }
      if (tokens[i].isSymbol("(")) {
        i = std::min(tokens.closing(i), tokens.size() - 1);
      } else {
        hasNulls = hasNulls || tokens[i].is("NULLS");
        descending = tokens[i].is("DESC") || (descending && !tokens[i].is("ASC"));
      }
    }
  }
}

void quotePostgresNames(TokenList& tokens) {
  for (size_t i = 0; i < tokens.size(); ++i) {
    if (!isName(tokens, i)) continue;
    Token& token = tokens[i];
    token = tokens.make(TokenKind::Raw, quotePostgresName(unquoted(token)), token.space);
  }
}

}  // namespace orvosal
