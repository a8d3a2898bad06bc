#include <algorithm>
#include <array>
#include <string>

#include "core/db/sql_expression.h"
#include "core/db/sql_rewrite.h"

namespace orvosal {
namespace {

// The old engines' functions that both engines get as helper functions of the same semantics,
// called jet_<name>. Sorted, upper case.
constexpr std::array<std::string_view, 23> kJetFunctions = {
    "CDATE", "CDBL",   "CINT",  "CLNG",  "CSTR",  "DATEADD", "DATEDIFF", "DATEPART",
    "FIX",   "FORMAT", "INSTR", "INT",   "LCASE", "LEFT",    "LEN",      "LTRIM",
    "MID",   "RIGHT",  "ROUND", "RTRIM", "TRIM",  "UCASE",   "VAL",
};
static_assert(std::is_sorted(kJetFunctions.begin(), kJetFunctions.end()));

// The interval words of T-SQL's DATEADD(day, ...) and their letters in the old engines.
struct IntervalWord {
  std::string_view word;
  std::string_view interval;
};
constexpr IntervalWord kIntervalWords[] = {
    {"YEAR", "yyyy"}, {"YY", "yyyy"}, {"YYYY", "yyyy"}, {"QUARTER", "q"},   {"QQ", "q"},  {"Q", "q"},
    {"MONTH", "m"},   {"MM", "m"},    {"M", "m"},       {"DAYOFYEAR", "y"}, {"DY", "y"},  {"Y", "y"},
    {"DAY", "d"},     {"DD", "d"},    {"D", "d"},       {"WEEK", "ww"},     {"WK", "ww"}, {"WW", "ww"},
    {"WEEKDAY", "w"}, {"DW", "w"},    {"W", "w"},       {"HOUR", "h"},      {"HH", "h"},  {"H", "h"},
    {"MINUTE", "n"},  {"MI", "n"},    {"N", "n"},       {"SECOND", "s"},    {"SS", "s"},  {"S", "s"},
};

std::string upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 0x20) : c;
  return out;
}

// DATEADD(day, 1, x) -> DATEADD('d', 1, x): a bare interval word becomes the old engines' letter.
void quoteIntervalWord(TokenList& tokens, size_t first) {
  if (first + 1 >= tokens.size() || tokens[first].kind != TokenKind::Word || !tokens[first + 1].isSymbol(","))
    return;
  for (const auto& [word, interval] : kIntervalWords) {
    if (!tokens[first].is(word)) continue;
    tokens[first] = tokens.make(TokenKind::String, quoteString(interval), tokens[first].space);
    return;
  }
}

// A word after these names a table even when "(" follows (INSERT INTO Format (a, b)).
bool namesTable(const TokenList& tokens, size_t at) {
  if (at == 0) return false;
  const Token& before = tokens[at - 1];
  return before.isSymbol(".") || before.is("INTO") || before.is("TABLE") || before.is("UPDATE") ||
         before.is("FROM") || before.is("JOIN") || before.is("REFERENCES");
}

// The helpers that return text, and concat.
bool returnsText(const Token& token) {
  static constexpr std::string_view kTextHelpers[] = {"concat",    "jet_cstr",  "jet_format", "jet_lcase",
                                                      "jet_left",  "jet_ltrim", "jet_mid",    "jet_right",
                                                      "jet_rtrim", "jet_trim",  "jet_ucase"};
  return token.kind == TokenKind::Word &&
         std::find(std::begin(kTextHelpers), std::end(kTextHelpers), token.text) != std::end(kTextHelpers);
}

}  // namespace

void collateTextCalls(TokenList& tokens) {
  for (size_t at = 0; at + 1 < tokens.size(); ++at) {
    if (!returnsText(tokens[at]) || !tokens[at + 1].isSymbol("(")) continue;
    const size_t close = tokens.closing(at + 1);
    if (close == tokens.size() || (close + 1 < tokens.size() && tokens[close + 1].is("COLLATE"))) continue;
    tokens.insert(close + 1, Token{TokenKind::Raw, "COLLATE ORVOSAL_CI", " "});
  }
}

void rewriteJetCalls(TokenList& tokens) {
  for (size_t at = 0; at + 1 < tokens.size(); ++at) {
    if (!isFunctionCall(tokens, at) || namesTable(tokens, at)) continue;
    const std::string name = upper(tokens[at].text);
    if (!std::binary_search(kJetFunctions.begin(), kJetFunctions.end(), name)) continue;
    if (name.starts_with("DATE")) quoteIntervalWord(tokens, at + 2);
    std::string helper = "jet_" + name;
    for (char& c : helper) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 0x20) : c;
    tokens[at] = tokens.make(TokenKind::Word, std::move(helper), tokens[at].space);
  }
}

}  // namespace orvosal
