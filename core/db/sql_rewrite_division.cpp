#include "core/db/sql_expression.h"
#include "core/db/sql_rewrite.h"

namespace orvosal {

// The old engines always divide in floating point; SQLite and PostgreSQL truncate when both sides
// are integers (150/100*10 gives 10 instead of 15). A divisor that is not an integer fixes that.
void rewriteDivision(TokenList& tokens) {
  for (size_t slash = 0; slash < tokens.size(); ++slash) {
    if (!tokens[slash].isSymbol("/")) continue;
    const size_t begin = slash + 1;
    const size_t end = operandEnd(tokens, begin);
    if (end == begin) continue;
    Token& first = tokens[begin];
    if (end == begin + 1 && first.kind == TokenKind::Number) {
      if (first.text.find_first_of(".eE") == std::string_view::npos) {
        first.text = tokens.keep(std::string(first.text) + ".0");
      }
      continue;
    }
    const std::string_view space = first.space;
    first.space = " ";
    tokens.insert(end, Token{TokenKind::Symbol, ")", ""});
    tokens.insert(begin, {Token{TokenKind::Symbol, "(", space}, Token{TokenKind::Number, "1.0", ""},
                          Token{TokenKind::Symbol, "*", " "}});
  }
}

}  // namespace orvosal
