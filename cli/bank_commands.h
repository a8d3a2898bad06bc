#pragma once

#include <string>

#include "cli/command_registry.h"

namespace orvosal {

// `iban IBAN...` prints one line "IBAN<TAB>gültig<TAB>BIC<TAB>Bank" per IBAN after a header line:
// valid "ja" or "nein" by the check digits and, for a valid German IBAN, the BIC and the bank name
// that sBank holds for its bank code. Exit status 1 when any IBAN is invalid.
int runIban(CommandContext& context);

// Refuses a command line of `banks` other than "import" with at most one file.
std::string checkBanksArguments(const ParsedArguments& arguments);

// `banks import [FILE]` replaces sBank with the German bank directory (by default the one that
// libaqbanking-data installs) and prints how many banks it read; needs the right System.
int runBanks(CommandContext& context);

}  // namespace orvosal
