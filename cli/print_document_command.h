#pragma once

#include <string>
#include <vector>

#include "cli/command_registry.h"

namespace orvosal {

// Prints a document (--doc ID) as a PDF file (--pdf FILE) or on a printer (--printer NAME): its
// number is drawn first when it has none, and it is stamped as printed only when the output was
// produced. A PDF of an invoice carries the customer's electronic invoice (ZUGFeRD with --zugferd):
// ZUGFeRD inside the PDF, XRechnung as an XML file beside it. When the electronic invoice lacks
// items, the user is asked whether to write a plain PDF instead; without a terminal or with --no
// the answer is no, and nothing is written. Prints the document's number and every file written.
int runPrintDocument(CommandContext& context);

// --doc with a whole number, exactly one output, and --zugferd only with --pdf.
std::string checkPrintDocumentArguments(const ParsedArguments& arguments);

// --doc and the output options of every print.
std::vector<OptionSpec> printDocumentOptions();

}  // namespace orvosal
