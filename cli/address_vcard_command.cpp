#include "cli/address_vcard_command.h"

#include <ostream>
#include <vector>

#include <filesystem>
#include "masterdata/addresses/address_editor.h"
#include "masterdata/addresses/vcard.h"

namespace orvosal {
namespace {

bool isCustomerKind(const ParsedArguments& arguments) { return !arguments.has("--supplier"); }

std::vector<std::string> operands(const ParsedArguments& arguments) {
  return {arguments.positional.begin() + 1, arguments.positional.end()};
}

bool isPositiveNumber(const std::string& text) {
  return !text.empty() && text.size() < 19 && text.find_first_not_of("0123456789") == std::string::npos &&
         std::stoll(text) > 0;
}

}  // namespace

std::string checkAddressVcardArguments(const ParsedArguments& arguments) {
  const std::string& action = arguments.positional.front();
  if (arguments.has("--set") || arguments.has("--search"))
    return "address " + action + " nimmt kein --set und kein --search.";
  if (action == "export-vcf") {
    if (!arguments.has("--out")) return "address export-vcf braucht --out VERZEICHNIS.";
    for (const std::string& id : operands(arguments)) {
      if (!isPositiveNumber(id)) return "Keine gültige ID: " + id;
    }
    return "";
  }
  if (arguments.has("--out")) return "address import-vcf nimmt kein --out.";
  if (operands(arguments).empty()) return "address import-vcf braucht mindestens eine VCard-Datei.";
  return "";
}

int runAddressExportVcf(CommandContext& context) {
  std::vector<int64_t> ids;
  for (const std::string& id : operands(context.arguments)) ids.push_back(std::stoll(id));
  const auto written =
      ExportVCards(context.session, isCustomerKind(context.arguments), context.arguments.value("--out"), ids);
  if (!written) return kExitFailure;
  for (const std::filesystem::path& file : *written) context.out << file.string() << '\n';
  return kExitSuccess;
}

int runAddressImportVcf(CommandContext& context) {
  const bool isCustomer = isCustomerKind(context.arguments);
  const std::vector<std::string> files = operands(context.arguments);
  std::vector<Address> cards;
  bool malformed = false;
  for (const std::string& file : files) {
    const VCardReading reading = ReadVCardFile(file, NewAddress(context.session, isCustomer));
    if (reading.address) {
      cards.push_back(*reading.address);
    } else {
      context.err << reading.error << '\n';
      malformed = true;
    }
  }
  if (malformed) {
    context.err << "Keine Adresse importiert\n";
    return kExitFailure;
  }
  int status = kExitSuccess;
  for (size_t i = 0; i < cards.size(); ++i) {
    if (SaveAddress(context.session, cards[i]).outcome == AddressSaveOutcome::Saved) {
      context.out << cards[i].id << '\n';
    } else {
      context.err << "Nicht importiert: " << files[i] << '\n';
      status = kExitFailure;
    }
  }
  return status;
}

}  // namespace orvosal
