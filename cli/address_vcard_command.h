#pragma once

#include <string>

#include "cli/command_registry.h"

namespace orvosal {

// Refuses a command line of `address export-vcf` without --out or with IDs that are no positive
// numbers, and of `address import-vcf` without files or with --out; neither takes --set or
// --search.
std::string checkAddressVcardArguments(const ParsedArguments& arguments);

// `address export-vcf --out DIR [--customer|--supplier] [ID...]` writes one vCard file per address
// (the IDs given, or all of the kind; customers when no kind is named) and prints each file's path.
int runAddressExportVcf(CommandContext& context);

// `address import-vcf [--customer|--supplier] FILE...` reads every file first and saves nothing when
// one of them is malformed; then saves each card as a new address of the kind with the checks of
// the address window and prints the new IDs.
int runAddressImportVcf(CommandContext& context);

}  // namespace orvosal
