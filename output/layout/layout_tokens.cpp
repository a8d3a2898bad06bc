#include "output/layout/layout_tokens.h"

namespace orvosal {

namespace {

bool isLayoutBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Reads a quoted value starting after its opening quote; `at` ends behind the closing quote.
std::variant<std::string, std::string> readQuoted(std::string_view line, std::size_t& at) {
  std::string value;
  while (at < line.size()) {
    const char c = line[at++];
    if (c == '"') return std::variant<std::string, std::string>(std::in_place_index<0>, std::move(value));
    if (c != '\\') {
      value += c;
      continue;
    }
    if (at >= line.size()) break;
    const char escaped = line[at++];
    if (escaped == 'n') {
      value += '\n';
    } else if (escaped == '"' || escaped == '\\') {
      value += escaped;
    } else {
      return std::variant<std::string, std::string>(
          std::in_place_index<1>, std::string("Unbekannte Escape-Folge „\\") + escaped + "“");
    }
  }
  return std::variant<std::string, std::string>(std::in_place_index<1>, "Anführungszeichen ohne Ende");
}

}  // namespace

std::variant<LayoutStatement, std::string> tokenizeLayoutLine(std::string_view line, int lineNumber) {
  LayoutStatement statement;
  statement.line = lineNumber;
  std::size_t at = 0;
  while (at < line.size() && isLayoutBlank(line[at])) ++at;
  if (at == line.size() || line[at] == '#') return statement;
  while (at < line.size() && !isLayoutBlank(line[at])) statement.keyword += line[at++];
  while (true) {
    while (at < line.size() && isLayoutBlank(line[at])) ++at;
    if (at == line.size()) return statement;
    LayoutAttribute attribute;
    while (at < line.size() && !isLayoutBlank(line[at]) && line[at] != '=') attribute.name += line[at++];
    if (at == line.size() || line[at] != '=' || attribute.name.empty()) {
      std::string word = attribute.name;
      while (at < line.size() && !isLayoutBlank(line[at])) word += line[at++];
      return "Erwartet name=wert statt „" + word + "“";
    }
    ++at;
    if (at < line.size() && line[at] == '"') {
      ++at;
      auto quoted = readQuoted(line, at);
      if (quoted.index() == 1) return std::get<1>(quoted);
      attribute.value = std::move(std::get<0>(quoted));
    } else {
      while (at < line.size() && !isLayoutBlank(line[at])) attribute.value += line[at++];
    }
    statement.attributes.push_back(std::move(attribute));
  }
}

std::string quoteLayoutValue(std::string_view value) {
  bool plain = !value.empty() && value.front() != '"';
  for (char c : value) {
    if (isLayoutBlank(c) || c == '\n' || c == '\\' || c == '"') plain = false;
  }
  if (plain) return std::string(value);
  std::string quoted = "\"";
  for (char c : value) {
    if (c == '\n') {
      quoted += "\\n";
    } else {
      if (c == '"' || c == '\\') quoted += '\\';
      quoted += c;
    }
  }
  return quoted + '"';
}

}  // namespace orvosal
