#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "output/layout/layout.h"
#include "output/layout/layout_tokens.h"

namespace orvosal {

// Reads the typed attributes of one layout statement. Each read names an attribute the statement
// knows; fault() then answers the first fault of the statement: an attribute given twice or one
// that was never asked for before any bad or missing value, so a misspelt name is reported as
// such.
class LayoutAttributeReader {
 public:
  explicit LayoutAttributeReader(const LayoutStatement& statement);

  void text(std::string_view name, std::string& value, bool required = false);
  // A text with placeholders; its placeholders and formats must be well-formed.
  void layoutText(std::string_view name, std::string& value, bool required = false);
  void condition(std::string_view name, std::string& value, bool required = false);
  void length(std::string_view name, double& value, bool required = false, bool mayBeNegative = false);
  void integer(std::string_view name, int& value, bool required = false, int minimum = 1);
  void boolean(std::string_view name, bool& value);
  void color(std::string_view name, std::string& value);
  void align(std::string_view name, LayoutAlign& value);
  void align(std::string_view name, std::optional<LayoutAlign>& value);
  // The font attributes; `familyName` is "font" on elements and rows, "family" on `font`.
  void font(LayoutFont& value, std::string_view familyName = "font");

  std::optional<std::string> fault() const;

 private:
  const std::string* find(std::string_view name, bool required);
  void noteFault(std::string text);

  const LayoutStatement& statement_;
  std::set<std::string, std::less<>> known_;
  std::optional<std::string> valueFault_;
};

}  // namespace orvosal
