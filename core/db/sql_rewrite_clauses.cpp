#include "core/db/sql_expression.h"
#include "core/db/sql_rewrite.h"

namespace orvosal {
namespace {

// Removes [from, to) and gives the token then at `from` the spacing of the first removed one.
void eraseKeepingSpace(TokenList& tokens, size_t from, size_t to) {
  if (to < tokens.size()) tokens[to].space = tokens[from].space;
  tokens.erase(from, to);
}

// One past the end of the name chain a.b.c starting at `at`.
size_t nameChainEnd(const TokenList& tokens, size_t at) {
  size_t end = at + 1;
  while (end + 1 < tokens.size() && tokens[end].isSymbol(".") && tokens[end + 1].isNameLike()) end += 2;
  return end;
}

}  // namespace

void rewriteJetStrings(TokenList& tokens) {
  for (Token& token : tokens.tokens()) {
    if (token.kind != TokenKind::JetString) continue;
    token.text = tokens.keep(quoteString(unquoted(token)));
    token.kind = TokenKind::String;
  }
}

void removeSchemaPrefix(TokenList& tokens) {
  for (size_t i = 0; i + 2 < tokens.size(); ++i) {
    if (tokens[i].isNameLike() && tokens[i + 1].isSymbol(".") && tokens[i + 2].isNameLike() &&
        (i == 0 || !tokens[i - 1].isSymbol(".")) && equalsUpper(unquoted(tokens[i]), "DBO")) {
      eraseKeepingSpace(tokens, i, i + 2);
    }
  }
}

void rewriteDistinctRow(TokenList& tokens) {
  for (Token& token : tokens.tokens()) {
    if (token.is("DISTINCTROW")) token.text = "DISTINCT";
  }
}

void rewriteDelete(TokenList& tokens) {
  if (tokens.size() < 2 || !tokens[0].is("DELETE")) return;
  if (tokens[1].is("DISTINCT") || tokens[1].is("DISTINCTROW")) tokens.erase(1, 2);
  if (tokens.size() > 1 && tokens[1].isSymbol("*")) {
    tokens.erase(1, 2);
  } else if (tokens.size() > 3 && tokens[1].isNameLike() && tokens[2].isSymbol(".") &&
             tokens[3].isSymbol("*")) {
    tokens.erase(1, 4);
  }
  if (tokens.size() > 1 && tokens[1].isNameLike() && !tokens[1].is("FROM")) {
    tokens.insert(1, Token{TokenKind::Word, "FROM", " "});
    if (tokens[2].space.empty()) tokens[2].space = " ";
  }
}

void rewriteUpdateTargets(TokenList& tokens) {
  if (tokens.size() == 0 || !tokens[0].is("UPDATE")) return;
  bool inSet = false;
  bool atTarget = false;
  for (size_t i = 1; i < tokens.size(); ++i) {
    const Token& token = tokens[i];
    if (token.isSymbol("(")) {
      i = tokens.closing(i);
      continue;
    }
    if (token.is("SET")) {
      inSet = atTarget = true;
      continue;
    }
    if (token.is("WHERE") || token.is("FROM")) inSet = false;
    if (inSet && token.isSymbol(",")) {
      atTarget = true;
      continue;
    }
    if (!inSet || !atTarget) continue;
    atTarget = false;
    const size_t end = token.isNameLike() ? nameChainEnd(tokens, i) : i;
    if (end > i + 1 && end < tokens.size() && tokens[end].isSymbol("="))
      eraseKeepingSpace(tokens, i, end - 1);
  }
}

}  // namespace orvosal
