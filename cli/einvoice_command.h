#pragma once

#include <string>

#include "cli/command_registry.h"

namespace orvosal {

// Refuses a command line of `einvoice` without a numeric --doc, an --out file and a --syntax of
// "ubl", "cii" or "zugferd".
std::string checkEInvoiceArguments(const ParsedArguments& arguments);

// `einvoice --doc ID --syntax ubl|cii|zugferd --out FILE` writes the electronic invoice of the
// document: XRechnung UBL, XRechnung CII, or the CII of the ZUGFeRD profile EN 16931. When an item
// is missing it names each one on the error stream, writes nothing and fails.
int runEInvoice(CommandContext& context);

}  // namespace orvosal
