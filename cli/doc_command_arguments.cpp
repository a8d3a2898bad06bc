// The checks of a `doc` command line, made before the start-up: which options each action and
// each form of `add` takes, which it needs, and that numbers, IDs and dates read as such.
#include <initializer_list>
#include <string_view>

#include "cli/doc_command.h"
#include "cli/record_assignments.h"
#include "core/currency.h"
#include "core/datetime.h"
#include "core/records/field_text.h"

namespace orvosal {
namespace {

using Names = std::initializer_list<std::string_view>;

bool among(std::string_view name, Names names) {
  for (const std::string_view candidate : names) {
    if (candidate == name) return true;
  }
  return false;
}

// The first option given that `what` does not take, or that it needs and lacks, as a message.
std::string checkOptions(const ParsedArguments& arguments, std::string_view what, Names allowed,
                         Names required = {}) {
  for (const auto& [name, value] : arguments.options) {
    if (!among(name, allowed)) return name + " gilt nicht für " + std::string(what) + ".";
  }
  for (const std::string_view name : required) {
    if (!arguments.has(name)) return std::string(what) + " braucht " + std::string(name) + ".";
  }
  return "";
}

// Values that must read as what they stand for.
std::string checkValues(const ParsedArguments& arguments) {
  for (const char* option : {"--qty", "--price", "--percent", "--amount"}) {
    if (arguments.has(option) && !Currency::parse(arguments.value(option)))
      return std::string(option) + " braucht eine Zahl: " + arguments.value(option);
  }
  for (const char* option : {"--type", "--partner", "--shipping"}) {
    if (!arguments.has(option)) continue;
    const std::optional<Value> id = wholeNumberValue(arguments.value(option));
    if (!id || id->toInt() <= 0) return std::string(option) + " braucht eine ID: " + arguments.value(option);
  }
  if (arguments.has("--vat") && !among(arguments.value("--vat"), {"0", "1", "2"}))
    return "--vat ist 0 (ohne MwSt), 1 (ermäßigt) oder 2 (voll): " + arguments.value("--vat");
  if (arguments.has("--date") && !Date::parse(arguments.value("--date")))
    return "--date braucht ein Datum (JJJJ-MM-TT): " + arguments.value("--date");
  if (arguments.has("--form") && !among(arguments.value("--form"), {"plain", "with-stock", "without-stock"}))
    return "--form ist plain, with-stock oder without-stock: " + arguments.value("--form");
  if (arguments.has("--lines")) {
    const std::string lines = arguments.value("--lines");
    if (lines.empty() || lines.front() == ',' || lines.back() == ',' || lines.find(",,") != std::string::npos)
      return "--lines braucht Positionsnummern, durch Kommas getrennt: " + lines;
  }
  return "";
}

// The forms of `doc add`: an article, a free text line, or one of the special positions.
std::string checkAdd(const ParsedArguments& arguments) {
  if (arguments.has("--article") && arguments.has("--special"))
    return "doc add nimmt entweder --article, --text mit Preis oder --special.";
  if (arguments.has("--article")) {
    return checkOptions(arguments, "doc add --article",
                        {"--article", "--qty", "--price", "--no-charge", "--unlock"}, {"--qty"});
  }
  if (!arguments.has("--special")) {
    if (!arguments.has("--text")) return "doc add braucht --article, --text oder --special.";
    return checkOptions(arguments, "doc add --text",
                        {"--text", "--qty", "--price", "--vat", "--unit", "--no-charge", "--unlock"},
                        {"--qty", "--price", "--vat"});
  }
  const std::string kind = arguments.value("--special");
  const std::string what = "doc add --special " + kind;
  if (kind == "ZW")
    return checkOptions(arguments, what, {"--special", "--lines", "--text", "--vat", "--unlock"});
  if (kind == "NS") return checkOptions(arguments, what, {"--special", "--unlock"});
  if (kind == "AG" || kind == "AF") {
    return checkOptions(arguments, what, {"--special", "--percent", "--lines", "--text", "--vat", "--unlock"},
                        {"--percent"});
  }
  if (kind == "TZ")
    return checkOptions(arguments, what, {"--special", "--amount", "--text", "--unlock"}, {"--amount"});
  if (kind == "V") {
    if (arguments.has("--shipping"))
      return checkOptions(arguments, what, {"--special", "--shipping", "--unlock"});
    return checkOptions(arguments, what, {"--special", "--text", "--amount", "--vat", "--unlock"},
                        {"--text", "--amount"});
  }
  return "Unbekannte Sonderposition: " + kind + " (ZW, NS, V, AG, AF, TZ).";
}

std::string checkAction(const ParsedArguments& arguments) {
  const std::string& action = arguments.positional.front();
  const size_t count = arguments.positional.size();
  const std::string what = "doc " + action;
  if (action == "new") {
    if (const std::string fault = checkAssignmentForms(arguments); !fault.empty()) return fault;
    return checkOptions(arguments, what, {"--type", "--partner", "--date", "--set"}, {"--type", "--partner"});
  }
  if (action == "list") {
    if (count != 1) return "doc list nimmt keine weiteren Argumente.";
    return checkOptions(arguments, what, {"--type", "--partner", "--search", "--purchase"});
  }
  if (!among(action, {"add", "set", "show", "delete", "copy"}))
    return "Unbekannte Aktion für doc: " + action + " (new, add, set, show, list, delete, copy).";
  if (!idArgument(arguments)) return what + " braucht die ID des Belegs.";
  if (action == "set") {
    if (const std::string fault = checkAssignmentForms(arguments); !fault.empty()) return fault;
    if (assignmentsOf(arguments).empty() && !arguments.has("--partner") && !arguments.has("--date"))
      return "doc set braucht mindestens eine Angabe.";
    return checkOptions(arguments, what, {"--set", "--partner", "--date", "--unlock"});
  }
  if (count != 2) return what + " nimmt genau eine ID.";
  if (action == "add") return checkAdd(arguments);
  if (action == "show") return checkOptions(arguments, what, {});
  if (action == "delete") return checkOptions(arguments, what, {"--unlock"});
  return checkOptions(arguments, what, {"--form"});
}

}  // namespace

std::string checkDocArguments(const ParsedArguments& arguments) {
  if (const std::string fault = checkAction(arguments); !fault.empty()) return fault;
  return checkValues(arguments);
}

}  // namespace orvosal
