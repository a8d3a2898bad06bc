#include "cli/bank_commands.h"

#include <ostream>

#include "cli/table_output.h"
#include "core/rules/iban_check.h"
#include "core/rules/iban_to_bic.h"
#include "core/startup/bank_directory_import.h"
#include "core/users/rights.h"

namespace orvosal {
namespace {

bool isGerman(const std::string& iban) {
  return iban.size() >= 2 && (iban[0] | 0x20) == 'd' && (iban[1] | 0x20) == 'e';
}

}  // namespace

int runIban(CommandContext& context) {
  writeTableRow(context.out, {"IBAN", "gültig", "BIC", "Bank"});
  bool allValid = true;
  for (const std::string& iban : context.arguments.positional) {
    const bool valid = IBANOK(iban);
    allValid = allValid && valid;
    std::string bic;
    std::string bank;
    if (valid && isGerman(iban)) IBAN_To_BIC(context.session, iban, bic, bank);
    writeTableRow(context.out, {iban, valid ? "ja" : "nein", bic, bank});
  }
  return allValid ? kExitSuccess : kExitFailure;
}

std::string checkBanksArguments(const ParsedArguments& arguments) {
  if (arguments.positional.front() != "import")
    return "Unbekannte Aktion '" + arguments.positional.front() + "': erlaubt ist import.";
  return {};
}

int runBanks(CommandContext& context) {
  if (!RequireRight(context.session, "System")) return kExitFailure;
  const std::vector<std::string>& positional = context.arguments.positional;
  const std::filesystem::path path =
      positional.size() > 1 ? std::filesystem::path(positional[1]) : DefaultBankDirectoryPath();
  const BankDirectoryImport result = ImportBankDirectory(context.session, path);
  if (!result.ok()) {
    context.err << result.error << '\n';
    return kExitFailure;
  }
  context.out << result.banks << '\n';
  return kExitSuccess;
}

}  // namespace orvosal
