#include <charconv>
#include <string>
#include <vector>

#include "core/db/sql_date.h"
#include "core/db/sql_expression.h"
#include "core/db/sql_rewrite.h"
#include "core/db/sql_types.h"

namespace orvosal {
namespace {

// Indexes of the commas that separate the arguments of the call whose "(" is at `open`.
std::vector<size_t> argumentCommas(const TokenList& tokens, size_t open, size_t close) {
  std::vector<size_t> commas;
  for (size_t i = open + 1; i < close; ++i) {
    if (tokens[i].isSymbol("(")) {
      i = tokens.closing(i);
    } else if (tokens[i].is("CASE")) {
      i = caseEnd(tokens, i);
    } else if (tokens[i].isSymbol(",")) {
      commas.push_back(i);
    }
  }
  return commas;
}

// Replaces tokens [from, to) with one raw text.
void replaceWithRaw(TokenList& tokens, size_t from, size_t to, std::string text) {
  const Token replacement = tokens.make(TokenKind::Raw, std::move(text), tokens[from].space);
  tokens.erase(from + 1, to);
  tokens[from] = replacement;
}

void ensureSpace(Token& token) {
  if (token.space.empty()) token.space = " ";
}

// Now() or Date(): inlined from the clock in statements, evaluated on insert in DDL defaults.
std::string clockValue(RewriteContext& context, bool withTime) {
  if (context.columnDefault) {
    if (context.engine == SqlEngine::Postgres)
      return withTime ? "LOCALTIMESTAMP(0)" : "CAST(CURRENT_DATE AS timestamp)";
    return withTime ? "orvosal_now()" : "(substr(orvosal_now(), 1, 10) || ' 00:00:00')";
  }
  context.usesClock = true;
  const DateTime now = context.clock.now();
  return dateLiteral(context.engine, withTime ? now : DateTime(now.date()));
}

// IIf(c, a, b) -> CASE WHEN c THEN a ELSE b END.
void rewriteIIf(TokenList& tokens, size_t at, size_t close, const std::vector<size_t>& commas) {
  if (commas.size() != 2) return;
  tokens[at].text = "CASE";
  const std::pair<size_t, std::string_view> words[] = {
      {at + 1, "WHEN"}, {commas[0], "THEN"}, {commas[1], "ELSE"}, {close, "END"}};
  for (const auto& [index, word] : words) {
    tokens[index] = Token{TokenKind::Word, word, " "};
    if (index + 1 < tokens.size() && index != close) ensureSpace(tokens[index + 1]);
  }
}

// CONVERT(type, value[, style]): dates become literals, everything else a CAST.
void rewriteConvert(TokenList& tokens, size_t at, size_t close, const std::vector<size_t>& commas,
                    SqlEngine engine) {
  if (commas.empty() || !tokens[at + 2].isNameLike()) return;
  const size_t valueEnd = commas.size() > 1 ? commas[1] : close;
  const size_t value = commas[0] + 1;
  std::vector<std::string> arguments;
  for (size_t i = at + 4; i < commas[0] && tokens[at + 3].isSymbol("("); ++i) {
    if (tokens[i].kind == TokenKind::Number || tokens[i].kind == TokenKind::Word)
      arguments.emplace_back(tokens[i].text);
  }
  const MappedType type = mapType(engine, unquoted(tokens[at + 2]), arguments);
  if (type.kind == ColumnKind::DateTime) {
    if (valueEnd == value + 1 && tokens[value].is("NULL"))
      return replaceWithRaw(tokens, at, close + 1, "NULL");
    if (valueEnd == value + 1 && tokens[value].kind == TokenKind::String) {
      int style = 0;
      if (commas.size() > 1 && commas[1] + 2 == close && tokens[commas[1] + 1].kind == TokenKind::Number) {
        const std::string_view digits = tokens[commas[1] + 1].text;
        std::from_chars(digits.data(), digits.data() + digits.size(), style);
      }
      const std::optional<DateTime> moment = parseDateText(unquoted(tokens[value]), dateOrderOfStyle(style));
      return replaceWithRaw(tokens, at, close + 1, moment ? dateLiteral(engine, *moment) : "NULL");
    }
    // SQLite keeps dates as their text already.
    if (engine == SqlEngine::Sqlite) {
      tokens[at + 1].space = tokens[at].space;
      tokens[value].space = "";
      tokens.erase(valueEnd, close);
      tokens.erase(at + 2, value);
      tokens.erase(at, at + 1);
      return;
    }
  }
  tokens.erase(valueEnd, close);
  tokens.insert(valueEnd, {Token{TokenKind::Word, "AS", " "}, tokens.make(TokenKind::Raw, type.name)});
  tokens.erase(at + 2, value);
  tokens[at].text = "CAST";
  if (at + 2 < tokens.size()) tokens[at + 2].space = "";
}

}  // namespace

void rewriteFunctions(TokenList& tokens, RewriteContext& context) {
  for (size_t at = 0; at + 2 < tokens.size(); ++at) {
    if (tokens[at].kind != TokenKind::Word || !tokens[at + 1].isSymbol("(")) continue;
    const Token& name = tokens[at];
    if ((name.is("NOW") || name.is("GETDATE") || name.is("DATE")) && tokens[at + 2].isSymbol(")")) {
      replaceWithRaw(tokens, at, at + 3, clockValue(context, !name.is("DATE")));
      continue;
    }
    const size_t close = tokens.closing(at + 1);
    if (close == tokens.size()) continue;
    const std::vector<size_t> commas = argumentCommas(tokens, at + 1, close);
    if (name.is("NZ") && commas.size() <= 1) {
      tokens[at].text = "COALESCE";
      if (commas.empty()) {
        tokens.insert(close, {Token{TokenKind::Symbol, ",", ""}, Token{TokenKind::Number, "0", " "}});
      }
    } else if (name.is("IIF")) {
      rewriteIIf(tokens, at, close, commas);
    } else if (name.is("CONVERT")) {
      rewriteConvert(tokens, at, close, commas, context.engine);
    }
  }
}

void rewriteDateLiterals(TokenList& tokens, SqlEngine engine) {
  for (Token& token : tokens.tokens()) {
    if (token.kind != TokenKind::Date) continue;
    const std::string_view inside = token.text.substr(1, token.text.size() - 2);
    if (equalsUpper(inside, "NULL")) {
      token = Token{TokenKind::Word, "NULL", token.space};
    } else if (const std::optional<DateTime> moment = parseDateText(inside, DateOrder::MonthDayYear)) {
      token = tokens.make(TokenKind::Raw, dateLiteral(engine, *moment), token.space);
    }
  }
}

}  // namespace orvosal
