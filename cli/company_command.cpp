#include "cli/company_command.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <vector>

#include "core/company/company.h"
#include "core/company/save_company.h"
#include "core/session.h"
#include "core/text.h"

namespace orvosal {
namespace {

// The key and the master password are not shown and not changed here.
bool isPublic(const FieldDef<Company>& field) {
  return !field.key && !equalsNoCase(field.column, "MasterPassword");
}

const FieldDef<Company>* publicField(std::string_view column) {
  for (const FieldDef<Company>& field : CompanyFields()) {
    if (isPublic(field) && equalsNoCase(field.column, column)) return &field;
  }
  return nullptr;
}

std::vector<std::string> companyAssignments(const ParsedArguments& arguments) {
  std::vector<std::string> all(arguments.positional.begin() + 1, arguments.positional.end());
  for (const std::string& value : arguments.values("--set")) all.push_back(value);
  return all;
}

int showCompany(CommandContext& context) {
  const Company& company = context.session.area<Company>();
  for (const FieldDef<Company>& field : CompanyFields()) {
    if (isPublic(field)) context.out << field.column << '\t' << fieldValue(company, field).toText() << '\n';
  }
  return kExitSuccess;
}

int setCompany(CommandContext& context) {
  Company company = context.session.area<Company>();
  std::optional<std::filesystem::path> newLogo;
  for (const std::string& assignment : companyAssignments(context.arguments)) {
    const size_t equals = assignment.find('=');
    const std::string column = assignment.substr(0, equals);
    const std::string value = assignment.substr(equals + 1);
    const FieldDef<Company>* field = publicField(column);
    if (field == nullptr) {
      context.err << "Unbekannte Spalte der Firmendaten: " << column << '\n';
      return kExitFailure;
    }
    if (equalsNoCase(field->column, "Logo") && !value.empty()) {
      newLogo = value;
    } else {
      setFieldValue(company, *field, Value(value));
    }
  }
  const CompanyChangeOutcome outcome = SaveCompany(context.session, company, newLogo);
  if (!outcome.message.empty()) context.err << outcome.message << '\n';
  if (!outcome.changed) return kExitFailure;
  context.out << company.id << '\n';
  return kExitSuccess;
}

}  // namespace

std::string checkCompanyArguments(const ParsedArguments& arguments) {
  const std::string& action = arguments.positional.front();
  if (action == "show") {
    if (arguments.positional.size() > 1 || arguments.has("--set"))
      return "company show nimmt keine Argumente.";
    return "";
  }
  if (action != "set") return "Unbekannte Aktion für company: " + action + " (show oder set).";
  const std::vector<std::string> all = companyAssignments(arguments);
  if (all.empty()) return "company set braucht mindestens eine Angabe Spalte=Wert.";
  for (const std::string& assignment : all) {
    if (assignment.find('=') == std::string::npos || assignment.front() == '=')
      return "Keine Angabe der Form Spalte=Wert: " + assignment;
  }
  return "";
}

int runCompany(CommandContext& context) {
  return context.arguments.positional.front() == "show" ? showCompany(context) : setCompany(context);
}

}  // namespace orvosal
