#include "cli/address_command.h"

#include <limits>
#include <optional>
#include <ostream>
#include <vector>

#include "cli/address_vcard_command.h"
#include "cli/record_assignments.h"
#include "cli/table_output.h"
#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/records/field_text.h"
#include "core/session.h"
#include "core/text.h"
#include "masterdata/addresses/address_editor.h"
#include "masterdata/addresses/address_search.h"

namespace orvosal {
namespace {

std::string applyAssignments(CommandContext& context, Address& address) {
  return applyAssignments(context.session, context.arguments, address, AddressFields(), "Adressen",
                          "der Adressen", {"Kunde"});
}

int reportAddressSave(CommandContext& context, const Address& address, const AddressSaveResult& result) {
  switch (result.outcome) {
    case AddressSaveOutcome::Saved:
    case AddressSaveOutcome::Unchanged:
      writeTableRow(context.out, {std::to_string(address.id), address.kundennummer});
      return kExitSuccess;
    case AddressSaveOutcome::LoadOther:
      context.err << "Adresse " << result.otherId << " übernommen, nichts gespeichert.\n";
      return kExitFailure;
    case AddressSaveOutcome::Refused:
      break;
  }
  return kExitFailure;
}

int add(CommandContext& context) {
  Address address = NewAddress(context.session, !context.arguments.has("--supplier"));
  if (const std::string fault = applyAssignments(context, address); !fault.empty()) {
    context.err << fault << '\n';
    return kExitFailure;
  }
  const AddressSaveResult result = SaveAddress(context.session, address);
  return reportAddressSave(context, address, result);
}

std::optional<Address> storedAddress(CommandContext& context) {
  const int64_t id = *idArgument(context.arguments);
  std::optional<Address> address = ReadAddress(context.session, id);
  if (!address) context.err << "Keine Adresse mit der ID " << id << ".\n";
  return address;
}

int setAddress(CommandContext& context) {
  std::optional<Address> address = storedAddress(context);
  if (!address) return kExitFailure;
  if (const std::string fault = applyAssignments(context, *address); !fault.empty()) {
    context.err << fault << '\n';
    return kExitFailure;
  }
  const AddressSaveResult result = SaveAddress(context.session, *address);
  return reportAddressSave(context, *address, result);
}

int showAddress(CommandContext& context) {
  const std::optional<Address> address = storedAddress(context);
  if (!address) return kExitFailure;
  for (const FieldDef<Address>& field : AddressFields()) {
    writeTableRow(context.out, {std::string(field.column), fieldValue(*address, field).toText()});
  }
  return kExitSuccess;
}

// Every address of the kind (or of both) in ID order; with --search those whose number, names,
// street, town, e-mail or telephone contain the text, in German order of their names.
int listAddresses(CommandContext& context) {
  Session& session = context.session;
  std::optional<bool> kind;
  if (context.arguments.has("--customer") || context.arguments.has("--supplier"))
    kind = context.arguments.has("--customer");
  writeTableRow(context.out, {"ID", "Art", "Kundennummer", "Name", "Vorname", "Straße", "PLZ", "Ort"});
  const auto write = [&](const AddressSearchRow& row) {
    writeTableRow(context.out, {std::to_string(row.id), row.kunde ? "Kunde" : "Lieferant", row.kundennummer,
                                row.name, row.vorname, row.straße, row.plz, row.ort});
  };
  if (context.arguments.has("--search")) {
    const AddressSearch search{.text = context.arguments.value("--search"),
                               .field = AddressSearchField::FreeText,
                               .isCustomer = kind,
                               .limit = std::numeric_limits<int>::max()};
    for (const AddressSearchRow& row : searchAddresses(session, search)) write(row);
    return kExitSuccess;
  }
  const std::string where =
      kind ? " WHERE (" + CreateBooleanSelect(session.database().dialect, "Kunde", *kind, false) + ")" : "";
  for (Recordset rs(GlobalConnection(session), "SELECT * FROM Adressen" + where + " ORDER BY [ID]");
       !rs.eof(); rs.moveNext()) {
    write({.id = rs["ID"].toInt(),
           .kundennummer = rs["Kundennummer"].toText(),
           .name = rs["Name"].toText(),
           .vorname = rs["Vorname"].toText(),
           .straße = rs["Straße"].toText(),
           .plz = rs["PLZ"].toText(),
           .ort = rs["Ort"].toText(),
           .telefon1 = {},
           .kunde = rs["Kunde"].toBool()});
  }
  return kExitSuccess;
}

int removeAddress(CommandContext& context) {
  const std::optional<Address> address = storedAddress(context);
  if (!address) return kExitFailure;
  return DeleteAddress(context.session, address->id) ? kExitSuccess : kExitFailure;
}

}  // namespace

std::string checkAddressArguments(const ParsedArguments& arguments) {
  const std::string& action = arguments.positional.front();
  const size_t count = arguments.positional.size();
  if (arguments.has("--customer") && arguments.has("--supplier"))
    return "Bitte nur eines von --customer und --supplier angeben.";
  if (action == "export-vcf" || action == "import-vcf") return checkAddressVcardArguments(arguments);
  if (arguments.has("--out")) return "--out gilt nur für address export-vcf.";
  if (action == "add" || action == "set") {
    if (action == "set" && !idArgument(arguments)) return "address set braucht die ID der Adresse.";
    if (const std::string fault = checkAssignmentForms(arguments); !fault.empty()) return fault;
    if (action == "set" && assignmentsOf(arguments).empty())
      return "address set braucht mindestens eine Angabe.";
    return "";
  }
  if (arguments.has("--set")) return "--set gilt nur für address add und address set.";
  if (action == "show" || action == "delete") {
    if (count != 2 || !idArgument(arguments)) return "address " + action + " braucht genau eine ID.";
    return "";
  }
  if (action == "list") return count == 1 ? "" : "address list nimmt keine weiteren Argumente.";
  return "Unbekannte Aktion für address: " + action +
         " (add, show, set, list, delete, export-vcf, import-vcf).";
}

int runAddress(CommandContext& context) {
  const std::string& action = context.arguments.positional.front();
  if (action == "add") return add(context);
  if (action == "set") return setAddress(context);
  if (action == "show") return showAddress(context);
  if (action == "list") return listAddresses(context);
  if (action == "export-vcf") return runAddressExportVcf(context);
  if (action == "import-vcf") return runAddressImportVcf(context);
  return removeAddress(context);
}

}  // namespace orvosal
