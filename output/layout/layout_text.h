#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace orvosal {

// The text in German quotation marks: „text“.
std::string germanQuoted(std::string_view text);

// A piece of a layout text: literal text, or a placeholder "{Name}" / "{Name|format}".
struct TextPart {
  std::string literal;
  std::string name;    // empty for literal text
  std::string format;  // the text after "|"; empty: none
  bool isPlaceholder() const { return !name.empty(); }
};

// Splits a layout text into its parts; "{{" and "}}" are the braces themselves. Answers the German
// fault for an unclosed or empty placeholder, a lone "}" or a format that is not known.
std::variant<std::vector<TextPart>, std::string> parseLayoutText(std::string_view text);

enum class ConditionTest { NotEmpty, Empty, Equals, NotEquals };

// A condition `when`: "{Name}", "!{Name}", "{Name}=Text" or "{Name}!=Text".
struct LayoutCondition {
  TextPart value;
  ConditionTest test = ConditionTest::NotEmpty;
  std::string text;
};

// Reads a condition; the German fault when it has none of the four forms.
std::variant<LayoutCondition, std::string> parseLayoutCondition(std::string_view text);

}  // namespace orvosal
