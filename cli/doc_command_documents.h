#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "cli/command_registry.h"
#include "core/currency.h"
#include "documents/editing/open_document.h"

namespace orvosal {

// The stored document the command names by its ID, of either area; with --unlock the master
// password lifts the lock of a done document for this one command. Nothing, after the message,
// when there is no such document or the password does not unlock it.
std::optional<OpenDocument> openStoredDocument(CommandContext& context, int64_t belegId);

// An amount or quantity option as typed (German or point decimal); checked before the command runs.
Currency amountOption(const ParsedArguments& arguments, const std::string& option);

// A whole-number option above 0 (an ID); checked before the command runs.
int64_t idOption(const ParsedArguments& arguments, const std::string& option);

}  // namespace orvosal
