#pragma once

#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace orvosal {

// One option a command line accepts.
struct OptionSpec {
  std::string_view name;         // "--title"
  std::string_view valueName;    // "TITEL"; empty for a switch without value
  std::string_view description;  // for the usage text; may be empty
  bool repeatable = false;       // may be given more than once ("--set A=1 --set B=2")
};

// What the parser found: the options given (a switch with an empty value) and the other arguments
// in their order.
struct ParsedArguments {
  std::map<std::string, std::string, std::less<>> options;
  // Every value of a repeatable option in the order given (options holds the last one).
  std::map<std::string, std::vector<std::string>, std::less<>> repeated;
  std::vector<std::string> positional;

  bool has(std::string_view option) const { return options.find(option) != options.end(); }
  // The option's value; empty when it was not given.
  std::string value(std::string_view option) const;
  // Every value of a repeatable option; none when it was not given.
  std::vector<std::string> values(std::string_view option) const;
};

// Parses arguments against the accepted options. Options may stand anywhere among the other
// arguments; with `stopAtPositional` the first other argument ends the options and it and all after
// it are taken as they are. Answers a German message for an unknown option, for a repeated one
// that is not repeatable and for an option without its value.
std::variant<ParsedArguments, std::string> parseArguments(const std::vector<std::string>& args,
                                                          const std::vector<OptionSpec>& accepted,
                                                          bool stopAtPositional = false);

}  // namespace orvosal
