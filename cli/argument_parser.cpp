#include "cli/argument_parser.h"

#include <algorithm>

namespace orvosal {

std::string ParsedArguments::value(std::string_view option) const {
  const auto found = options.find(option);
  return found == options.end() ? std::string() : found->second;
}

std::vector<std::string> ParsedArguments::values(std::string_view option) const {
  const auto found = repeated.find(option);
  return found == repeated.end() ? std::vector<std::string>{} : found->second;
}

std::variant<ParsedArguments, std::string> parseArguments(const std::vector<std::string>& args,
                                                          const std::vector<OptionSpec>& accepted,
                                                          bool stopAtPositional) {
  ParsedArguments parsed;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!arg.starts_with("--")) {
      if (stopAtPositional) {
        parsed.positional.assign(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
        break;
      }
      parsed.positional.push_back(arg);
      continue;
    }
    const auto known = std::find_if(accepted.begin(), accepted.end(),
                                    [&](const OptionSpec& option) { return option.name == arg; });
    if (known == accepted.end()) return "Unbekannte Option: " + arg;
    if (parsed.has(arg) && !known->repeatable) return "Die Option " + arg + " ist mehrfach angegeben.";
    std::string value;
    if (!known->valueName.empty()) {
      if (i + 1 >= args.size()) {
        return "Die Option " + arg + " braucht einen Wert (" + std::string(known->valueName) + ").";
      }
      value = args[++i];
    }
    if (known->repeatable) parsed.repeated[arg].push_back(value);
    parsed.options.insert_or_assign(arg, std::move(value));
  }
  return parsed;
}

}  // namespace orvosal
