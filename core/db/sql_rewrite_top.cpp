#include <string>
#include <vector>

#include "core/db/sql_rewrite.h"

namespace orvosal {
namespace {

bool isSetOperator(const Token& token) {
  return token.is("UNION") || token.is("EXCEPT") || token.is("INTERSECT");
}

// Where the SELECT at `select` ends: at the ")" closing its group, a ";", UNION, or the end.
size_t selectEnd(const TokenList& tokens, size_t select) {
  for (size_t i = select + 1; i < tokens.size(); ++i) {
    const Token& token = tokens[i];
    if (token.isSymbol("(")) {
      i = tokens.closing(i);
      continue;
    }
    if (token.isSymbol(")") || token.isSymbol(";") || isSetOperator(token)) return i;
  }
  return tokens.size();
}

// The ORDER BY of [select, end) outside its groups, or `end`.
size_t orderBy(const TokenList& tokens, size_t select, size_t end) {
  for (size_t i = select + 1; i + 1 < end; ++i) {
    if (tokens[i].isSymbol("(")) {
      i = tokens.closing(i);
    } else if (tokens[i].is("ORDER") && tokens[i + 1].is("BY")) {
      return i;
    }
  }
  return end;
}

// SELECT TOP ... joined to other SELECTs by UNION, EXCEPT or INTERSECT.
bool inCompound(const TokenList& tokens, size_t select, size_t end) {
  size_t before = select;
  if (before > 0 && tokens[before - 1].is("ALL")) --before;
  return (before > 0 && isSetOperator(tokens[before - 1])) ||
         (end < tokens.size() && isSetOperator(tokens[end]));
}

// LIMIT n, or for n PERCENT the share of the rows of `rows`, rounded up.
std::vector<Token> limitClause(TokenList& tokens, const Token& count, bool percent,
                               const std::vector<Token>& rows) {
  std::vector<Token> limit = {Token{TokenKind::Word, "LIMIT", " "}};
  if (!percent) {
    limit.push_back(Token{TokenKind::Number, count.text, " "});
    return limit;
  }
  // n / 100 as a fraction of whole numbers, so that the engines round up in integer arithmetic:
  // 12.5 PERCENT -> (COUNT(*) * 125 + 999) / 1000.
  std::string numerator(count.text);
  std::string denominator = "100";
  if (const size_t point = numerator.find('.'); point != std::string::npos) {
    denominator.append(numerator.size() - point - 1, '0');
    numerator.erase(point, 1);
  }
  const std::string below = std::to_string(std::stoull(denominator) - 1);
  limit.push_back(tokens.make(
      TokenKind::Raw, "(SELECT (COUNT(*) * " + numerator + " + " + below + ") / " + denominator + " FROM ("));
  limit.insert(limit.end(), rows.begin(), rows.end());
  limit.push_back(tokens.make(TokenKind::Raw, ") AS orvosal_rows)", ""));
  limit[2].space = "";
  return limit;
}

}  // namespace

void rewriteTop(TokenList& tokens) {
  for (size_t select = 0; select < tokens.size(); ++select) {
    if (!tokens[select].is("SELECT")) continue;
    size_t top = select + 1;
    while (top < tokens.size() && (tokens[top].is("DISTINCT") || tokens[top].is("ALL"))) ++top;
    if (top + 1 >= tokens.size() || !tokens[top].is("TOP")) continue;
    size_t countAt = top + 1;
    size_t topEnd = top + 2;
    if (tokens[countAt].isSymbol("(") && top + 3 < tokens.size() && tokens[top + 3].isSymbol(")")) {
      countAt = top + 2;
      topEnd = top + 4;
    }
    const Token count = tokens[countAt];
    const bool percent = topEnd < tokens.size() && tokens[topEnd].is("PERCENT");
    // A share is computed from a plain decimal number of percent.
    const bool plain = count.kind == TokenKind::Number &&
                       count.text.find_first_of("eE") == std::string_view::npos && count.text.size() < 12;
    if (percent ? !plain : count.kind != TokenKind::Number && count.kind != TokenKind::Parameter) continue;
    tokens.erase(top, topEnd + (percent ? 1 : 0));
    const size_t end = selectEnd(tokens, select);
    const bool compound = inCompound(tokens, select, end);
    const size_t order = orderBy(tokens, select, end);
    const std::vector<Token> rows(tokens.tokens().begin() + static_cast<ptrdiff_t>(select),
                                  tokens.tokens().begin() + static_cast<ptrdiff_t>(order));
    const std::vector<Token> limit = limitClause(tokens, count, percent, rows);
    if (!compound) {
      tokens.insert(end, limit);
      continue;
    }
    // A LIMIT inside a compound query needs a query of its own: ... UNION SELECT * FROM (SELECT
    // ... LIMIT n) AS orvosal_part, with an ORDER BY of the whole query left behind.
    tokens.insert(order, limit);
    tokens.insert(order + limit.size(), Token{TokenKind::Raw, ") AS orvosal_part", ""});
    tokens.insert(select, tokens.make(TokenKind::Raw, "SELECT * FROM (", tokens[select].space));
    tokens[select + 1].space = "";
  }
}

}  // namespace orvosal
