#include <optional>
#include <string>

#include "core/db/sql_expression.h"
#include "core/db/sql_rewrite.h"
#include "core/db/sql_unicode.h"

namespace orvosal {
namespace {

// What a truth value stands against.
struct Counterpart {
  enum class Kind { Nothing, Column, UnnamedColumn, Expression };
  Kind kind = Kind::Nothing;
  std::string column;
};

Counterpart columnAt(const TokenList& tokens, size_t last) {
  if (!tokens[last].isNameLike() || isKeyword(tokens[last])) return {Counterpart::Kind::Expression, {}};
  return {Counterpart::Kind::Column, unquoted(tokens[last])};
}

// The column a comparison operand starting at `first` names, when it is a plain column.
Counterpart columnFrom(const TokenList& tokens, size_t first) {
  if (first >= tokens.size() || !tokens[first].isNameLike() || isKeyword(tokens[first])) {
    return {Counterpart::Kind::Expression, {}};
  }
  size_t last = first;
  while (last + 2 < tokens.size() && tokens[last + 1].isSymbol(".") && tokens[last + 2].isNameLike())
    last += 2;
  if (last + 1 < tokens.size() && tokens[last + 1].isSymbol("(")) return {Counterpart::Kind::Expression, {}};
  return columnAt(tokens, last);
}

// The column named at `position` in the column list of INSERT INTO T (a, b, ...).
Counterpart insertColumn(const TokenList& tokens, size_t position) {
  if (tokens.size() < 4 || !tokens[0].is("INSERT") || !tokens[1].is("INTO")) {
    return {Counterpart::Kind::UnnamedColumn, {}};
  }
  size_t open = 2;
  while (open < tokens.size() && !tokens[open].isSymbol("(") && !tokens[open].is("VALUES")) ++open;
  if (open >= tokens.size() || !tokens[open].isSymbol("(")) return {Counterpart::Kind::UnnamedColumn, {}};
  size_t index = 0;
  const size_t close = tokens.closing(open);
  for (size_t i = open + 1; i < close; ++i) {
    if (tokens[i].isSymbol(",")) {
      ++index;
    } else if (index == position && tokens[i].isNameLike()) {
      return columnFrom(tokens, i);
    }
  }
  return {Counterpart::Kind::UnnamedColumn, {}};
}

// Position of the item [first, last] in the comma list of the group opened at `open`, when the
// item is those tokens alone.
std::optional<size_t> listPosition(const TokenList& tokens, size_t open, size_t first, size_t last) {
  const bool alone = (tokens[first - 1].isSymbol("(") || tokens[first - 1].isSymbol(",")) &&
                     last + 1 < tokens.size() &&
                     (tokens[last + 1].isSymbol(",") || tokens[last + 1].isSymbol(")"));
  if (!alone) return std::nullopt;
  size_t position = 0;
  for (size_t i = open + 1; i < first; ++i) {
    if (tokens[i].isSymbol("(")) {
      i = tokens.closing(i);
    } else if (tokens[i].isSymbol(",")) {
      ++position;
    }
  }
  return position;
}

// What the literal of tokens [first, last] stands against.
Counterpart counterpartOf(const TokenList& tokens, size_t first, size_t last) {
  if (first >= 2 && isComparison(tokens[first - 1])) return columnAt(tokens, first - 2);
  if (last + 1 < tokens.size() && isComparison(tokens[last + 1])) return columnFrom(tokens, last + 2);
  size_t open = tokens.enclosingGroup(first);
  if (open == tokens.size() || open == 0) return {};
  const std::optional<size_t> position = listPosition(tokens, open, first, last);
  if (!position) return {};
  if (tokens[open - 1].is("IN")) {
    size_t before = open - 1;
    if (before > 0 && tokens[before - 1].is("NOT")) --before;
    return before > 0 ? columnAt(tokens, before - 1) : Counterpart{};
  }
  // VALUES (...), (...): walk back over the earlier rows.
  while (open >= 2 && tokens[open - 1].isSymbol(",") && tokens[open - 2].isSymbol(")")) {
    open = tokens.opening(open - 2);
    if (open == tokens.size() || open == 0) return {};
  }
  if (tokens[open - 1].is("VALUES")) return insertColumn(tokens, *position);
  return {};
}

// A "-" at `at` that is the sign of -1, not a subtraction.
bool isMinusOne(const TokenList& tokens, size_t at) {
  if (!tokens[at].isSymbol("-") || at + 1 >= tokens.size() || tokens[at + 1].kind != TokenKind::Number ||
      tokens[at + 1].text != "1") {
    return false;
  }
  if (at == 0) return true;
  const Token& before = tokens[at - 1];
  return (before.kind == TokenKind::Symbol && !before.isSymbol(")")) ||
         (isKeyword(before) && !before.is("NULL") && !before.is("END"));
}

// Words after which a condition starts, and tokens with which one ends.
bool startsCondition(const Token& token) {
  return token.is("WHERE") || token.is("AND") || token.is("OR") || token.is("NOT") || token.is("ON") ||
         token.is("HAVING") || token.is("WHEN");
}

bool endsCondition(const Token& token) {
  return token.is("AND") || token.is("OR") || token.is("THEN") || token.isSymbol(")") ||
         token.isSymbol(";") || token.is("ORDER") || token.is("GROUP") || token.is("HAVING") ||
         token.is("UNION") || token.is("LIMIT");
}

}  // namespace

// PostgreSQL wants a boolean where the old engines took any number as a condition.
void rewriteBitConditions(TokenList& tokens, const ColumnKindLookup& columnKind) {
  if (!columnKind) return;
  for (size_t begin = 1; begin < tokens.size(); ++begin) {
    if (!startsCondition(tokens[begin - 1]) || !tokens[begin].isNameLike() || isKeyword(tokens[begin]))
      continue;
    size_t end = begin + 1;
    while (end + 1 < tokens.size() && tokens[end].isSymbol(".") && tokens[end + 1].isNameLike()) end += 2;
    if (end < tokens.size() && !endsCondition(tokens[end])) continue;
    if (columnKind(lowerName(unquoted(tokens[end - 1]))) != ColumnKind::Bit) continue;
    tokens.insert(end, {Token{TokenKind::Symbol, "<>", " "}, Token{TokenKind::Number, "0", " "}});
  }
}

void rewriteBooleans(TokenList& tokens, const ColumnKindLookup& columnKind) {
  for (size_t i = 0; i < tokens.size(); ++i) {
    // True is -1 in the old engines; true/false columns hold 1.
    if (columnKind && isMinusOne(tokens, i)) {
      const Counterpart against = counterpartOf(tokens, i, i + 1);
      if (against.kind == Counterpart::Kind::Column &&
          columnKind(lowerName(against.column)) == ColumnKind::Bit) {
        tokens[i + 1].space = tokens[i].space;
        tokens.erase(i, i + 1);
      }
      continue;
    }
    Token& token = tokens[i];
    const bool bare = token.is("TRUE") || token.is("FALSE");
    std::string written;
    if (token.kind == TokenKind::String) {
      written = unquoted(token);
      if (!equalsUpper(written, "TRUE") && !equalsUpper(written, "FALSE")) continue;
    } else if (bare) {
      written = std::string(token.text);
    } else {
      continue;
    }
    const Counterpart against = counterpartOf(tokens, i, i);
    bool asNumber = bare;
    if (against.kind == Counterpart::Kind::UnnamedColumn) {
      asNumber = true;
    } else if (against.kind == Counterpart::Kind::Column) {
      asNumber = !columnKind || columnKind(lowerName(against.column)) != ColumnKind::Text;
    }
    if (asNumber) {
      token.text = equalsUpper(written, "TRUE") ? "1" : "0";
      token.kind = TokenKind::Number;
    } else if (bare) {
      token.text = tokens.keep(quoteString(written));
      token.kind = TokenKind::String;
    }
  }
}

}  // namespace orvosal
