#include "cli/record_assignments.h"

namespace orvosal {

std::vector<std::string> assignmentsOf(const ParsedArguments& arguments) {
  const size_t first = arguments.positional.front() == "set" ? 2 : 1;
  std::vector<std::string> all;
  for (size_t i = first; i < arguments.positional.size(); ++i) all.push_back(arguments.positional[i]);
  for (const std::string& value : arguments.values("--set")) all.push_back(value);
  return all;
}

std::optional<int64_t> idArgument(const ParsedArguments& arguments) {
  if (arguments.positional.size() < 2) return std::nullopt;
  const std::optional<Value> id = wholeNumberValue(arguments.positional[1]);
  if (!id || id->toInt() <= 0) return std::nullopt;
  return id->toInt();
}

std::string checkAssignmentForms(const ParsedArguments& arguments) {
  for (const std::string& assignment : assignmentsOf(arguments)) {
    if (assignment.find('=') == std::string::npos || assignment.front() == '=')
      return "Keine Angabe der Form Spalte=Wert: " + assignment;
  }
  return "";
}

}  // namespace orvosal
