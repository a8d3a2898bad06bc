#include "output/report/report_text.h"

#include "core/currency.h"
#include "core/text.h"
#include "output/layout/value_format.h"
#include "output/report/value_formatting.h"

namespace orvosal {

const ReportValue* ReportTextContext::find(std::string_view name) const {
  if (const ReportValue* own = engine_.find(name)) return own;
  return data_.lookup(name, record_);
}

std::string ReportTextContext::placeholderText(const TextPart& part) {
  const ReportValue* value = find(part.name);
  if (value == nullptr) return {};
  if (part.format.empty()) return displayValue(*value);
  std::optional<ValueFormat> format = parseValueFormat(part.format);
  if (const auto* variable = std::get_if<VariableFormat>(&*format)) {
    const ReportValue* named = data_.lookup(variable->variable, record_);
    if (named == nullptr || named->text.empty()) return displayValue(*value);
    format = parseValueFormat(named->text);
    if (!format || std::holds_alternative<VariableFormat>(*format)) {
      if (!fault_) {
        fault_ = "Unbekanntes Format " + germanQuoted(named->text) + " aus der Variablen " +
                 germanQuoted(variable->variable);
      }
      return displayValue(*value);
    }
  }
  return formatValue(*value, *format);
}

std::string ReportTextContext::expand(std::string_view text) {
  if (text.find_first_of("{}") == std::string_view::npos) return std::string(text);
  auto parts = parseLayoutText(text);
  if (parts.index() == 1) return std::string(text);
  std::string result;
  for (const TextPart& part : std::get<0>(parts)) {
    result += part.isPlaceholder() ? placeholderText(part) : part.literal;
  }
  return result;
}

bool ReportTextContext::holds(std::string_view condition) {
  if (condition.empty()) return true;
  auto parsed = parseLayoutCondition(condition);
  if (parsed.index() == 1) return false;
  const LayoutCondition& test = std::get<0>(parsed);
  const std::string shown = placeholderText(test.value);
  if (test.test == ConditionTest::NotEmpty || test.test == ConditionTest::Empty) {
    const ReportValue* value = find(test.value.name);
    bool set = !shown.empty() && shown != "N";
    if (set && value != nullptr && value->type == ReportValueType::Number) {
      auto number = Currency::parse(value->text);
      set = !number || number->units() != 0;
    }
    return set == (test.test == ConditionTest::NotEmpty);
  }
  bool equal = equalsNoCase(shown, test.text);
  if (!equal) {
    const ReportValue* value = find(test.value.name);
    if (value != nullptr && value->type == ReportValueType::Number) {
      auto left = Currency::parse(value->text);
      auto right = Currency::parse(test.text);
      equal = left && right && *left == *right;
    }
  }
  return equal == (test.test == ConditionTest::Equals);
}

}  // namespace orvosal
