#pragma once

#include "cli/command_registry.h"

namespace orvosal {

// The actions of `doc` beside creating, changing, deleting and copying a document (doc_command.cpp).
int addDocumentPosition(CommandContext& context);  // doc add
int showDocument(CommandContext& context);         // doc show
int listDocuments(CommandContext& context);        // doc list

}  // namespace orvosal
