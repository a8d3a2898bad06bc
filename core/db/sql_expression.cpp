#include "core/db/sql_expression.h"

#include <algorithm>
#include <array>

namespace orvosal {
namespace {

// Sorted, upper case.
constexpr std::array<std::string_view, 84> kKeywords = {
    "ACTION",
    "ADD",
    "ALL",
    "ALTER",
    "AND",
    "ANY",
    "AS",
    "ASC",
    "BETWEEN",
    "BY",
    "CASCADE",
    "CASE",
    "CAST",
    "CHECK",
    "COLLATE",
    "COLUMN",
    "CONSTRAINT",
    "CREATE",
    "CROSS",
    "CURRENT_DATE",
    "CURRENT_TIMESTAMP",
    "DATABASE",
    "DEFAULT",
    "DELETE",
    "DESC",
    "DISTINCT",
    "DROP",
    "ELSE",
    "END",
    "ESCAPE",
    "EXCEPT",
    "EXISTS",
    "FALSE",
    "FIRST",
    "FOREIGN",
    "FROM",
    "FULL",
    "GROUP",
    "HAVING",
    "IF",
    "ILIKE",
    "IN",
    "INDEX",
    "INNER",
    "INSERT",
    "INTERSECT",
    "INTO",
    "IS",
    "JOIN",
    "KEY",
    "LAST",
    "LEFT",
    "LIKE",
    "LIMIT",
    "LOCALTIMESTAMP",
    "NATURAL",
    "NO",
    "NOT",
    "NULL",
    "NULLS",
    "OFFSET",
    "ON",
    "OR",
    "ORDER",
    "OUTER",
    "OVER",
    "PARTITION",
    "PRIMARY",
    "REFERENCES",
    "RESTRICT",
    "RIGHT",
    "SELECT",
    "SET",
    "TABLE",
    "THEN",
    "TRUE",
    "UNION",
    "UNIQUE",
    "UPDATE",
    "USING",
    "VALUES",
    "WHEN",
    "WHERE",
    "WITH",
};
static_assert(std::is_sorted(kKeywords.begin(), kKeywords.end()));

// Keywords that are also called like functions.
constexpr std::array<std::string_view, 5> kCallableKeywords = {"CAST", "FIRST", "LAST", "LEFT", "RIGHT"};

bool upperIn(const Token& token, const auto& words) {
  if (token.kind != TokenKind::Word || token.text.size() > 20) return false;
  char buffer[20];
  for (size_t i = 0; i < token.text.size(); ++i) {
    const char c = token.text[i];
    buffer[i] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 0x20) : c;
  }
  return std::binary_search(words.begin(), words.end(), std::string_view(buffer, token.text.size()));
}

bool isOperator(const Token& token) {
  if (token.kind != TokenKind::Symbol) return false;
  static constexpr std::string_view kOperators[] = {"+", "-", "*", "/", "%", "||", "&"};
  return std::find(std::begin(kOperators), std::end(kOperators), token.text) != std::end(kOperators);
}

// A token after which "-" or "+" can only be a sign.
bool opensOperand(const Token& token) {
  if (token.kind == TokenKind::Symbol) return !token.isSymbol(")");
  return isKeyword(token) && !token.is("END") && !token.is("NULL") && !token.is("TRUE") && !token.is("FALSE");
}

}  // namespace

bool isKeyword(const Token& token) { return upperIn(token, kKeywords); }

bool isFunctionCall(const TokenList& tokens, size_t word) {
  return word + 1 < tokens.size() && tokens[word].kind == TokenKind::Word && tokens[word + 1].isSymbol("(") &&
         (!isKeyword(tokens[word]) || upperIn(tokens[word], kCallableKeywords));
}

size_t caseEnd(const TokenList& tokens, size_t caseToken) {
  int depth = 0;
  for (size_t i = caseToken; i < tokens.size(); ++i) {
    if (tokens[i].is("CASE")) ++depth;
    if (tokens[i].is("END") && --depth == 0) return i;
  }
  return tokens.size();
}

bool isComparison(const Token& token) {
  if (token.kind != TokenKind::Symbol) return false;
  static constexpr std::string_view kComparisons[] = {"=", "<>", "!=", "<", ">", "<=", ">="};
  return std::find(std::begin(kComparisons), std::end(kComparisons), token.text) != std::end(kComparisons);
}

size_t operandEnd(const TokenList& tokens, size_t begin) {
  size_t i = begin;
  while (i < tokens.size() && (tokens[i].isSymbol("-") || tokens[i].isSymbol("+"))) ++i;
  if (i >= tokens.size()) return begin;
  const Token& token = tokens[i];
  if (token.isSymbol("(")) return std::min(tokens.closing(i) + 1, tokens.size());
  if (token.is("CASE")) return std::min(caseEnd(tokens, i) + 1, tokens.size());
  if (isFunctionCall(tokens, i)) return std::min(tokens.closing(i + 1) + 1, tokens.size());
  if (token.kind == TokenKind::Name || (token.kind == TokenKind::Word && !isKeyword(token))) {
    size_t end = i + 1;
    while (end + 1 < tokens.size() && tokens[end].isSymbol(".") &&
           (tokens[end + 1].isNameLike() || tokens[end + 1].isSymbol("*"))) {
      end += 2;
    }
    return end;
  }
  const bool literal = token.kind == TokenKind::String || token.kind == TokenKind::JetString ||
                       token.kind == TokenKind::Number || token.kind == TokenKind::Date ||
                       token.kind == TokenKind::Parameter || token.kind == TokenKind::Raw ||
                       token.is("NULL") || token.is("TRUE") || token.is("FALSE");
  return literal ? i + 1 : begin;
}

size_t expressionBegin(const TokenList& tokens, size_t end, bool& compound) {
  compound = false;
  size_t start = end;
  while (start > 0) {
    size_t last = start - 1;
    size_t first = last;
    const Token& token = tokens[last];
    if (token.isSymbol(")")) {
      first = tokens.opening(last);
      if (first == tokens.size()) return start;
      if (first > 0 && isFunctionCall(tokens, first - 1)) --first;
    } else if (token.is("END")) {
      int depth = 0;
      for (size_t i = last + 1; i-- > 0;) {
        if (tokens[i].is("END")) ++depth;
        if (tokens[i].is("CASE") && --depth == 0) {
          first = i;
          break;
        }
      }
    } else if (token.isNameLike() && !isKeyword(token)) {
      while (first >= 2 && tokens[first - 1].isSymbol(".") && tokens[first - 2].isNameLike()) first -= 2;
    } else if (operandEnd(tokens, last) != last + 1) {
      return start;
    }
    if (start != end) compound = true;
    start = first;
    if (start == 0 || !isOperator(tokens[start - 1])) return start;
    const size_t op = start - 1;
    const bool sign = tokens[op].isSymbol("-") || tokens[op].isSymbol("+");
    if (sign && (op == 0 || opensOperand(tokens[op - 1]))) {
      compound = true;
      return op;
    }
    start = op;
  }
  return start;
}

}  // namespace orvosal
