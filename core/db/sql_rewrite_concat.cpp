#include <vector>

#include "core/db/sql_expression.h"
#include "core/db/sql_rewrite.h"

namespace orvosal {
namespace {

bool isArithmetic(const Token& token) {
  if (token.kind != TokenKind::Symbol) return false;
  return token.text == "+" || token.text == "-" || token.text == "*" || token.text == "/" ||
         token.text == "%" || token.text == "||" || token.text == "&";
}

// One past the last operand of the chain of operands and operators that continues at `begin`.
size_t operandChainEnd(const TokenList& tokens, size_t begin) {
  size_t at = begin;
  while (true) {
    const size_t end = operandEnd(tokens, at);
    if (end == at) return at;
    at = end;
    if (at >= tokens.size() || !isArithmetic(tokens[at])) return at;
    ++at;
  }
}

// The "&" of the chain [begin, end) that are not inside a group of it.
std::vector<size_t> topLevelAmpersands(const TokenList& tokens, size_t begin, size_t end) {
  std::vector<size_t> found;
  for (size_t i = begin; i < end; ++i) {
    if (tokens[i].isSymbol("(")) {
      i = tokens.closing(i);
    } else if (tokens[i].is("CASE")) {
      i = caseEnd(tokens, i);
    } else if (tokens[i].isSymbol("&")) {
      found.push_back(i);
    }
  }
  return found;
}

// On PostgreSQL each operand but a text literal goes through jet_cstr, so that numbers and dates
// read as on SQLite, where concat writes them the same way: a & 'x' -> jet_cstr(a) & 'x'.
void wrapOperands(TokenList& tokens, size_t begin, size_t end) {
  std::vector<size_t> bounds = topLevelAmpersands(tokens, begin, end);
  bounds.insert(bounds.begin(), begin);
  for (size_t i = 1; i < bounds.size(); ++i) ++bounds[i];
  bounds.push_back(end + 1);
  for (size_t i = bounds.size() - 1; i-- > 0;) {
    const size_t operand = bounds[i];
    const size_t stop = bounds[i + 1] - 1;
    if (operand + 1 == stop && tokens[operand].kind == TokenKind::String) continue;
    tokens.insert(stop, Token{TokenKind::Symbol, ")", ""});
    tokens.insert(operand, {Token{TokenKind::Word, "jet_cstr", tokens[operand].space},
                            Token{TokenKind::Symbol, "(", ""}});
    tokens[operand + 2].space = "";
  }
}

}  // namespace

// The old engines' & binds weaker than arithmetic and takes Null as empty text; the || of both
// engines binds stronger and gives Null. a & b + 1 & c -> concat(a, b + 1, c).
void rewriteConcatenation(TokenList& tokens, SqlEngine engine) {
  for (size_t at = 0; at < tokens.size(); ++at) {
    if (!tokens[at].isSymbol("&")) continue;
    bool compound = false;
    const size_t begin = expressionBegin(tokens, at, compound);
    // Without an operand on each side there is nothing to join: left to the engine as it is.
    if (begin == at || operandChainEnd(tokens, at + 1) == at + 1 ||
        operandChainEnd(tokens, begin) <= at + 1) {
      tokens[at].text = "||";
      continue;
    }
    if (engine == SqlEngine::Postgres) wrapOperands(tokens, begin, operandChainEnd(tokens, at + 1));
    const size_t end = operandChainEnd(tokens, begin);
    for (const size_t separator : topLevelAmpersands(tokens, begin, end))
      tokens[separator] = Token{TokenKind::Symbol, ",", ""};
    tokens.insert(end, Token{TokenKind::Symbol, ")", ""});
    tokens.insert(begin,
                  {Token{TokenKind::Word, "concat", tokens[begin].space}, Token{TokenKind::Symbol, "(", ""}});
    tokens[begin + 2].space = "";
  }
}

}  // namespace orvosal
