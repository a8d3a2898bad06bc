#include "output/layout/layout_text.h"

#include "core/text.h"
#include "output/layout/value_format.h"

namespace orvosal {

namespace {

using PartsOrFault = std::variant<std::vector<TextPart>, std::string>;

PartsOrFault textFault(std::string text) { return PartsOrFault(std::in_place_index<1>, std::move(text)); }

std::variant<TextPart, std::string> readPlaceholder(std::string_view inside) {
  TextPart part;
  const std::size_t bar = inside.find('|');
  part.name = std::string(trim(inside.substr(0, bar)));
  if (part.name.empty()) return std::string("Platzhalter ohne Namen: „{") + std::string(inside) + "}“";
  if (bar != std::string_view::npos) {
    part.format = std::string(inside.substr(bar + 1));
    if (!parseValueFormat(part.format)) return "Unbekanntes Format „" + part.format + "“";
  }
  return part;
}

}  // namespace

std::string germanQuoted(std::string_view text) { return "„" + std::string(text) + "“"; }

std::variant<std::vector<TextPart>, std::string> parseLayoutText(std::string_view text) {
  std::vector<TextPart> parts;
  std::string literal;
  auto endLiteral = [&] {
    if (!literal.empty()) parts.push_back(TextPart{std::move(literal), {}, {}});
    literal.clear();
  };
  std::size_t at = 0;
  while (at < text.size()) {
    const char c = text[at];
    if ((c == '{' || c == '}') && at + 1 < text.size() && text[at + 1] == c) {
      literal += c;
      at += 2;
    } else if (c == '}') {
      return textFault("„}“ ohne öffnende Klammer (für die Klammer selbst „}}“ schreiben)");
    } else if (c == '{') {
      const std::size_t close = text.find('}', at);
      const std::size_t nextOpen = text.find('{', at + 1);
      if (close == std::string_view::npos || nextOpen < close)
        return textFault("Platzhalter ohne schließende Klammer");
      auto placeholder = readPlaceholder(text.substr(at + 1, close - at - 1));
      if (placeholder.index() == 1) return textFault(std::get<1>(placeholder));
      endLiteral();
      parts.push_back(std::move(std::get<0>(placeholder)));
      at = close + 1;
    } else {
      literal += c;
      ++at;
    }
  }
  endLiteral();
  return parts;
}

std::variant<LayoutCondition, std::string> parseLayoutCondition(std::string_view text) {
  const std::string bad = "Ungültige Bedingung „" + std::string(text) + "“";
  LayoutCondition condition;
  std::string_view rest = trim(text);
  if (rest.starts_with("!")) {
    condition.test = ConditionTest::Empty;
    rest.remove_prefix(1);
  }
  if (!rest.starts_with("{")) return bad;
  const std::size_t close = rest.find('}');
  if (close == std::string_view::npos) return bad;
  auto parts = parseLayoutText(rest.substr(0, close + 1));
  if (parts.index() == 1) return bad + ": " + std::get<1>(parts);
  const auto& placeholder = std::get<0>(parts);
  if (placeholder.size() != 1 || !placeholder.front().isPlaceholder()) return bad;
  condition.value = placeholder.front();
  rest.remove_prefix(close + 1);
  if (rest.empty()) return condition;
  if (condition.test == ConditionTest::Empty) return bad;
  if (rest.starts_with("!=")) {
    condition.test = ConditionTest::NotEquals;
    rest.remove_prefix(2);
  } else if (rest.starts_with("=")) {
    condition.test = ConditionTest::Equals;
    rest.remove_prefix(1);
  } else {
    return bad;
  }
  condition.text = std::string(rest);
  return condition;
}

}  // namespace orvosal
