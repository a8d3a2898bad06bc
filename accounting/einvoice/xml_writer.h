#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/currency.h"
#include "core/datetime.h"

namespace orvosal {

// Writes indented UTF-8 XML: elements are opened and closed in order, text and attribute values
// are escaped (& < > " '). Control characters XML 1.0 does not allow are dropped.
class XmlWriter {
 public:
  using Attributes = std::vector<std::pair<std::string_view, std::string>>;

  XmlWriter();
  void open(std::string_view name, const Attributes& attributes = {});
  void close();
  // One element with text content.
  void text(std::string_view name, std::string_view value, const Attributes& attributes = {});
  // As text(), but nothing when the value is empty.
  void optionalText(std::string_view name, std::string_view value, const Attributes& attributes = {});
  // Closes every open element and answers the document.
  std::string finish();

 private:
  void startTag(std::string_view name, const Attributes& attributes);
  std::string out_;
  std::vector<std::string> open_;
};

// An amount with a decimal point and exactly two decimals ("1234.50", "-0.05").
std::string xmlAmount(Currency value);
// A quantity, price or rate with a decimal point and no trailing zeros ("2", "12.3456").
std::string xmlDecimal(Currency value);

}  // namespace orvosal
