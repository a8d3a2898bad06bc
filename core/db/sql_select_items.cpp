#include "core/db/sql_select_items.h"

#include <algorithm>

#include "core/db/sql_expression.h"

namespace orvosal {
namespace {

// Words that end the select list when they stand outside any parentheses.
bool endsSelectList(const Token& token) {
  return token.isSymbol(";") || token.is("FROM") || token.is("INTO") || token.is("WHERE") ||
         token.is("GROUP") || token.is("HAVING") || token.is("ORDER") || token.is("UNION") ||
         token.is("EXCEPT") || token.is("INTERSECT") || token.is("LIMIT");
}

// ALL, DISTINCT, DISTINCTROW and TOP n [PERCENT] in front of the first item.
size_t firstItem(const TokenList& tokens) {
  size_t i = 1;
  while (i < tokens.size() &&
         (tokens[i].is("ALL") || tokens[i].is("DISTINCT") || tokens[i].is("DISTINCTROW")))
    ++i;
  if (i + 1 < tokens.size() && tokens[i].is("TOP")) {
    i = tokens[i + 1].isSymbol("(") ? tokens.closing(i + 1) + 1 : i + 2;
    if (i < tokens.size() && tokens[i].is("PERCENT")) ++i;
  }
  return i;
}

bool isNameToken(const Token& token) {
  return token.kind == TokenKind::Name || (token.kind == TokenKind::Word && !isKeyword(token));
}

// A token after which a name is an alias written without AS: the end of an operand.
bool endsOperand(const Token& token) {
  return token.isSymbol(")") || isNameToken(token) || token.is("END") || token.is("NULL") ||
         token.kind == TokenKind::String || token.kind == TokenKind::JetString ||
         token.kind == TokenKind::Number || token.kind == TokenKind::Date;
}

SelectItemName itemName(const TokenList& tokens, size_t begin, size_t end) {
  SelectItemName item;
  const size_t count = end - begin;
  const Token& last = tokens[end - 1];
  if (last.isSymbol("*")) {
    item.star = count == 1 || tokens[end - 2].isSymbol(".");
    return item;
  }
  if (count >= 2 && last.isNameLike()) {
    const Token& before = tokens[end - 2];
    if (before.is("AS") || (isNameToken(last) && !before.isSymbol(".") && endsOperand(before))) {
      item.alias = unquoted(last);
      return item;
    }
  }
  bool columnReference = count % 2 == 1;
  for (size_t i = begin; i < end && columnReference; ++i)
    columnReference = (i - begin) % 2 == 0 ? isNameToken(tokens[i]) : tokens[i].isSymbol(".");
  if (columnReference) {
    item.column = unquoted(last);
  } else {
    // Token by token, so that comments and blanks behind the item stay out.
    for (size_t i = begin; i < end; ++i) {
      if (i > begin) item.written += tokens[i].space;
      item.written += tokens[i].text;
    }
  }
  return item;
}

}  // namespace

std::vector<SelectItemName> selectItemNames(const TokenList& tokens) {
  std::vector<SelectItemName> items;
  if (tokens.size() == 0 || !tokens[0].is("SELECT")) return items;
  size_t begin = firstItem(tokens);
  for (size_t i = begin; begin < tokens.size(); ++i) {
    const bool atEnd = i >= tokens.size() || endsSelectList(tokens[i]);
    if (atEnd || tokens[i].isSymbol(",")) {
      if (i > begin) items.push_back(itemName(tokens, begin, i));
      if (atEnd) break;
      begin = i + 1;
    } else if (tokens[i].isSymbol("(")) {
      i = std::min(tokens.closing(i), tokens.size() - 1);
    } else if (tokens[i].is("CASE")) {
      i = std::min(caseEnd(tokens, i), tokens.size() - 1);
    }
  }
  return items;
}

std::vector<std::string> writtenAliases(const TokenList& tokens) {
  std::vector<std::string> aliases;
  for (size_t i = 1; i + 1 < tokens.size(); ++i) {
    if (!tokens[i].is("AS") || !tokens[i + 1].isNameLike()) continue;
    const size_t group = tokens.enclosingGroup(i);
    if (group != tokens.size() && group > 0 && tokens[group - 1].is("CAST")) continue;
    aliases.push_back(unquoted(tokens[i + 1]));
  }
  return aliases;
}

}  // namespace orvosal
