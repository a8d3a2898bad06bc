#include "core/db/sql_token.h"

#include "core/ascii.h"

namespace orvosal {
namespace {

constexpr size_t kNeverClosed = std::string_view::npos;

// Length of the blanks and comments starting at `pos`; `unclosed` is set to the position of a
// comment that runs to the end without its "*/".
size_t spaceLength(std::string_view sql, size_t pos, size_t& unclosed) {
  const size_t start = pos;
  while (pos < sql.size()) {
    const char c = sql[pos];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v') {
      ++pos;
    } else if (sql.substr(pos, 2) == "--") {
      const size_t end = sql.find('\n', pos);
      pos = end == std::string_view::npos ? sql.size() : end;
    } else if (sql.substr(pos, 2) == "/*") {
      const size_t end = sql.find("*/", pos + 2);
      if (end == std::string_view::npos) unclosed = pos;
      pos = end == std::string_view::npos ? sql.size() : end + 2;
    } else {
      break;
    }
  }
  return pos - start;
}

// Position behind a quoted part opened at `pos` and closed by `close`, where a doubled `close`
// stands for the character itself; kNeverClosed when the text ends before the part does.
size_t quotedEnd(std::string_view sql, size_t pos, char close) {
  for (size_t i = pos + 1; i < sql.size(); ++i) {
    if (sql[i] != close) continue;
    if (i + 1 < sql.size() && sql[i + 1] == close) {
      ++i;
      continue;
    }
    return i + 1;
  }
  return kNeverClosed;
}

// A date literal "#...#" on one line made of digits, letters, blanks and date punctuation.
size_t dateEnd(std::string_view sql, size_t pos) {
  for (size_t i = pos + 1; i < sql.size() && i < pos + 40; ++i) {
    const char c = sql[i];
    if (c == '#') return i > pos + 1 ? i + 1 : 0;
    const bool fits = isAsciiDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '/' ||
                      c == '-' || c == '.' || c == ':' || c == ' ';
    if (!fits) return 0;
  }
  return 0;
}

size_t numberEnd(std::string_view sql, size_t pos) {
  size_t i = pos;
  while (i < sql.size() && isAsciiDigit(sql[i])) ++i;
  if (i < sql.size() && sql[i] == '.') {
    ++i;
    while (i < sql.size() && isAsciiDigit(sql[i])) ++i;
  }
  if (i < sql.size() && (sql[i] == 'e' || sql[i] == 'E')) {
    size_t exponent = i + 1;
    if (exponent < sql.size() && (sql[exponent] == '+' || sql[exponent] == '-')) ++exponent;
    if (exponent < sql.size() && isAsciiDigit(sql[exponent])) {
      i = exponent;
      while (i < sql.size() && isAsciiDigit(sql[i])) ++i;
    }
  }
  return i;
}

size_t nameEnd(std::string_view sql, size_t pos) {
  while (pos < sql.size() && isNameByte(sql[pos])) ++pos;
  return pos;
}

size_t symbolLength(std::string_view sql, size_t pos) {
  static constexpr std::string_view kPairs[] = {"<>", "<=", ">=", "!=", "||", "::"};
  for (std::string_view pair : kPairs) {
    if (sql.substr(pos, 2) == pair) return 2;
  }
  return 1;
}

struct Lexeme {
  TokenKind kind;
  size_t begin;
  size_t end;
  bool closed = true;
};

// A quoted part from `begin`; one that the text never closes runs to the end.
Lexeme quoted(TokenKind kind, std::string_view sql, size_t begin, char close) {
  const size_t end = quotedEnd(sql, begin, close);
  return {kind, begin, end == kNeverClosed ? sql.size() : end, end != kNeverClosed};
}

Lexeme lexeme(std::string_view sql, size_t pos) {
  const char c = sql[pos];
  const char next = pos + 1 < sql.size() ? sql[pos + 1] : '\0';
  switch (c) {
    case '[':
      return quoted(TokenKind::Name, sql, pos, ']');
    case '`':
      return quoted(TokenKind::Name, sql, pos, '`');
    case '\'':
      return quoted(TokenKind::String, sql, pos, '\'');
    case '"':
      return quoted(TokenKind::JetString, sql, pos, '"');
    case '#':
      if (const size_t end = dateEnd(sql, pos); end != 0) return {TokenKind::Date, pos, end};
      break;
    case '?':
      return {TokenKind::Parameter, pos, pos + 1};
    case '@':
      if (next == '@' || isNameByte(next)) return {TokenKind::Parameter, pos, nameEnd(sql, pos + 2)};
      break;
    case ':':
      if (isNameByte(next)) return {TokenKind::Parameter, pos, nameEnd(sql, pos + 1)};
      break;
    case 'N':
    case 'n':
      // N'text' is a T-SQL Unicode string: the same as 'text' here.
      if (next == '\'') return quoted(TokenKind::String, sql, pos + 1, '\'');
      break;
    default:
      break;
  }
  if (isAsciiDigit(c) || (c == '.' && isAsciiDigit(next)))
    return {TokenKind::Number, pos, numberEnd(sql, pos)};
  if (isNameByte(c)) return {TokenKind::Word, pos, nameEnd(sql, pos)};
  return {TokenKind::Symbol, pos, pos + symbolLength(sql, pos)};
}

}  // namespace

bool isNameByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x80 || isAsciiDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool equalsUpper(std::string_view text, std::string_view upperWord) {
  if (text.size() != upperWord.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if ((c >= 'a' && c <= 'z' ? static_cast<char>(c - 0x20) : c) != upperWord[i]) return false;
  }
  return true;
}

bool Token::is(std::string_view upperWord) const {
  return kind == TokenKind::Word && equalsUpper(text, upperWord);
}

TokenList::TokenList(std::string_view sql) {
  tokens_.reserve(sql.size() / 4 + 4);
  size_t pos = 0;
  size_t unclosed = std::string_view::npos;  // none so far
  while (true) {
    const size_t spaceEnd = pos + spaceLength(sql, pos, unclosed);
    if (spaceEnd >= sql.size()) {
      trailing_ = sql.substr(pos);
      break;
    }
    const Lexeme found = lexeme(sql, spaceEnd);
    tokens_.push_back(
        {found.kind, sql.substr(found.begin, found.end - found.begin), sql.substr(pos, spaceEnd - pos)});
    if (!found.closed) unclosed = found.begin;
    pos = found.end;
  }
  if (unclosed == std::string_view::npos) return;
  unclosed_ = sql.substr(unclosed);
  // The position counts UTF-8 characters, not bytes, as an editor shows them.
  for (size_t i = 0; i < unclosed; ++i) {
    if ((static_cast<unsigned char>(sql[i]) & 0xC0) != 0x80) ++unclosedPosition_;
  }
}

std::string TokenList::unclosedMessage() const {
  if (unclosed_.empty()) return {};
  const bool comment = unclosed_.starts_with("/*");
  const std::string_view opener = comment ? unclosed_.substr(0, 2) : unclosed_.substr(0, 1);
  const std::string_view closer = comment ? "*/" : opener == "[" ? "]" : opener;
  return "Syntaxfehler: Zu " + std::string(opener) + " an Stelle " + std::to_string(unclosedPosition_ + 1) +
         " fehlt das schließende " + std::string(closer) + ".";
}

std::string_view TokenList::keep(std::string text) { return kept_.emplace_back(std::move(text)); }

Token TokenList::make(TokenKind kind, std::string text, std::string_view space) {
  return {kind, keep(std::move(text)), space};
}

void TokenList::insert(size_t at, const std::vector<Token>& more) {
  tokens_.insert(tokens_.begin() + static_cast<ptrdiff_t>(at), more.begin(), more.end());
}

void TokenList::erase(size_t from, size_t to) {
  tokens_.erase(tokens_.begin() + static_cast<ptrdiff_t>(from), tokens_.begin() + static_cast<ptrdiff_t>(to));
}

size_t TokenList::closing(size_t open) const {
  int depth = 0;
  for (size_t i = open; i < tokens_.size(); ++i) {
    if (tokens_[i].isSymbol("(")) ++depth;
    if (tokens_[i].isSymbol(")") && --depth == 0) return i;
  }
  return tokens_.size();
}

size_t TokenList::opening(size_t close) const {
  int depth = 0;
  for (size_t i = close + 1; i-- > 0;) {
    if (tokens_[i].isSymbol(")")) ++depth;
    if (tokens_[i].isSymbol("(") && --depth == 0) return i;
  }
  return tokens_.size();
}

size_t TokenList::enclosingGroup(size_t at) const {
  int depth = 0;
  for (size_t i = at; i-- > 0;) {
    if (tokens_[i].isSymbol(")")) ++depth;
    if (tokens_[i].isSymbol("(") && depth-- == 0) return i;
  }
  return tokens_.size();
}

std::string TokenList::render(size_t from, size_t to) const {
  std::string out;
  char previous = '\0';
  for (size_t i = from; i < to; ++i) {
    const Token& token = tokens_[i];
    if (i > from) {
      out += token.space;
      // Two tokens that would run into one another once glued need a blank between them.
      const char first = token.text.empty() ? '\0' : token.text.front();
      const bool merges = (isNameByte(previous) && isNameByte(first)) || (previous == '-' && first == '-') ||
                          (previous == '/' && first == '*');
      if (token.space.empty() && merges) out += ' ';
    } else if (from == 0) {
      out += token.space;
    }
    out += token.text;
    if (!token.text.empty()) previous = token.text.back();
  }
  if (to == tokens_.size()) out += trailing_;
  return out;
}

std::string unquoted(const Token& token) {
  std::string_view text = token.text;
  if (token.kind == TokenKind::Word || text.size() < 2) return std::string(text);
  const char close = text.back();
  text = text.substr(1, text.size() - 2);
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    out += text[i];
    if (text[i] == close && i + 1 < text.size() && text[i + 1] == close) ++i;
  }
  return out;
}

std::string quoteString(std::string_view text) {
  std::string out = "'";
  for (char c : text) {
    if (c == '\'') out += '\'';
    out += c;
  }
  out += '\'';
  return out;
}

}  // namespace orvosal
