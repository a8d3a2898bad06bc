#pragma once

#include <string>

#include "cli/command_registry.h"

namespace orvosal {

// Refuses a command line of `prices` that lacks a column or the target, names an unknown target,
// separator or encoding, or gives a supplier where none belongs (or none where one is needed).
std::string checkPriceImportArguments(const ParsedArguments& arguments);

// `prices import FILE`: purchase, selling or supplier prices from a CSV file or workbook. Prints
// "Artikelnummer<TAB>Alt<TAB>Neu" and one line per price it changed (or, with --dry-run, would
// change); the lines left out and the count go to the error stream.
int runPriceImport(CommandContext& context);

}  // namespace orvosal
