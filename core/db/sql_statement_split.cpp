#include "core/db/sql_statement_split.h"

#include "core/db/sql_token.h"

namespace orvosal {

std::vector<std::string_view> splitStatements(std::string_view sql) {
  const TokenList tokens(sql);
  const auto offset = [&](size_t token) {
    return static_cast<size_t>(tokens[token].text.data() - sql.data());
  };
  std::vector<std::string_view> statements;
  size_t start = std::string_view::npos;  // of the statement under way
  for (size_t i = 0; i < tokens.size(); ++i) {
    const bool separator = tokens[i].isSymbol(";");
    if (separator && start != std::string_view::npos) {
      statements.push_back(sql.substr(start, offset(i) + 1 - start));
      start = std::string_view::npos;
    } else if (!separator && start == std::string_view::npos) {
      start = offset(i);
    }
  }
  if (start != std::string_view::npos) statements.push_back(sql.substr(start));
  return statements;
}

}  // namespace orvosal
