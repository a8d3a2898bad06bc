#pragma once

#include <string>
#include <vector>

#include "cli/command_registry.h"

namespace orvosal {

// Prints a document (--doc ID) as a PDF file (--pdf FILE) or on a printer (--printer NAME): its
// number is drawn first when it has none, and it is stamped as printed only when the output was
// produced. Prints the document's number and, for a file, the file's path.
int runPrintDocument(CommandContext& context);

// --doc with a whole number, and exactly one output.
std::string checkPrintDocumentArguments(const ParsedArguments& arguments);

// --doc and the output options of every print.
std::vector<OptionSpec> printDocumentOptions();

}  // namespace orvosal
