#pragma once

#include <string>

#include "cli/command_registry.h"

namespace orvosal {

// Refuses an unknown format, level or encoding and a version, scale or quiet zone out of range.
std::string checkQrArguments(const ParsedArguments& arguments);

// `qr TEXT --format F --out FILE [...]` writes the QR code of TEXT into FILE; a text the symbol
// cannot take gives the encoder's message, exit status 1 and no file.
int runQr(CommandContext& context);

}  // namespace orvosal
