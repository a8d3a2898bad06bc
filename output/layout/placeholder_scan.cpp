#include "output/layout/placeholder_scan.h"

namespace orvosal {

std::string rewritePlaceholders(
    std::string_view text,
    const std::function<std::string(std::string_view name, std::string_view format)>& replace) {
  std::string result;
  size_t index = 0;
  while (index < text.size()) {
    const char current = text[index];
    const bool doubled = index + 1 < text.size() && text[index + 1] == current;
    if ((current == '{' || current == '}') && doubled) {
      result.append(2, current);
      index += 2;
      continue;
    }
    const size_t close = current == '{' ? text.find('}', index) : std::string_view::npos;
    if (close == std::string_view::npos) {
      result += current;
      ++index;
      continue;
    }
    const std::string_view inside = text.substr(index + 1, close - index - 1);
    const size_t bar = inside.find('|');
    result += bar == std::string_view::npos ? replace(inside, {})
                                            : replace(inside.substr(0, bar), inside.substr(bar + 1));
    index = close + 1;
  }
  return result;
}

std::string placeholderText(std::string_view name, std::string_view format) {
  std::string text = "{";
  text += name;
  if (!format.empty()) {
    text += '|';
    text += format;
  }
  text += '}';
  return text;
}

}  // namespace orvosal
