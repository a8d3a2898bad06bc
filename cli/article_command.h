#pragma once

#include <string>

#include "cli/command_registry.h"

namespace orvosal {

// Refuses a command line of `article` whose action is unknown or lacks what the action needs.
std::string checkArticleArguments(const ParsedArguments& arguments);

// `article add|show|set|list|copy|delete`: articles through the rules of the article window.
// `add` and `set` take "Column=Value" (positional or after --set) and print "ID<TAB>Artikelnummer";
// the questions of saving (a number another article holds, levels 2 to 9 after a changed base
// price) and of deleting are answered by --yes or --no (also the answer when no terminal can ask).
int runArticle(CommandContext& context);

}  // namespace orvosal
