#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace orvosal {

enum class TokenKind : std::uint8_t {
  Word,       // bare name or keyword
  Name,       // [bracketed] or `back-quoted` name; the text keeps the quotes
  String,     // 'text' with '' inside
  JetString,  // "text" with "" inside, a string literal in the old engines
  Number,
  Date,       // #...#
  Symbol,     // operators and punctuation
  Parameter,  // ?, @name, :name
  Raw,        // produced by a rewrite and emitted as it is
};

struct Token {
  TokenKind kind = TokenKind::Raw;
  std::string_view text;
  std::string_view space;  // blanks and comments in front of the token

  // A bare word equal to `upperWord` regardless of case.
  bool is(std::string_view upperWord) const;
  bool isSymbol(std::string_view symbol) const { return kind == TokenKind::Symbol && text == symbol; }
  bool isNameLike() const { return kind == TokenKind::Word || kind == TokenKind::Name; }
};

// `text` equals `upperWord` when ASCII letters are compared without regard to case.
bool equalsUpper(std::string_view text, std::string_view upperWord);

// True for the bytes that may appear in a bare name: ASCII letters, digits, '_', and every byte
// of a multi-byte UTF-8 character (umlauts, ß, ...).
bool isNameByte(char c);

// The statement as tokens. Token texts view into the statement and into texts kept by the list,
// so the statement must outlive the list.
class TokenList {
 public:
  explicit TokenList(std::string_view sql);

  std::vector<Token>& tokens() { return tokens_; }
  const std::vector<Token>& tokens() const { return tokens_; }
  size_t size() const { return tokens_.size(); }
  Token& operator[](size_t i) { return tokens_[i]; }
  const Token& operator[](size_t i) const { return tokens_[i]; }

  // Stores a text made by a rewrite for as long as the list lives.
  std::string_view keep(std::string text);
  Token make(TokenKind kind, std::string text, std::string_view space = " ");

  void insert(size_t at, Token token) { tokens_.insert(tokens_.begin() + static_cast<ptrdiff_t>(at), token); }
  void insert(size_t at, const std::vector<Token>& more);
  // Removes tokens [from, to); the token then at `from` keeps its own spacing.
  void erase(size_t from, size_t to);

  // Index of the ")" matching the "(" at `open`, or size() when it is missing.
  size_t closing(size_t open) const;
  // Index of the "(" matching the ")" at `close`, or size() when it is missing.
  size_t opening(size_t close) const;
  // Index of the "(" of the innermost group around `at`, or size() at the top level.
  size_t enclosingGroup(size_t at) const;

  // A German syntax error naming the quote (' " [ `) or comment (/*) that the statement opens and
  // never closes, with its character position; empty when everything is closed. Such a part runs
  // to the end of the statement as one token or comment.
  std::string unclosedMessage() const;

  // The statement text again, with the original spacing where nothing was rewritten.
  std::string render() const { return render(0, tokens_.size()); }
  std::string render(size_t from, size_t to) const;

 private:
  std::vector<Token> tokens_;
  std::string_view trailing_;
  std::string_view unclosed_;  // from the unclosed quote or comment to the end
  size_t unclosedPosition_ = 0;
  std::deque<std::string> kept_;
};

// The name a Name, Word or string token stands for: brackets, back quotes and quotes removed,
// doubled closing quotes undone.
std::string unquoted(const Token& token);

// A single-quoted SQL string literal for `text`.
std::string quoteString(std::string_view text);

}  // namespace orvosal
