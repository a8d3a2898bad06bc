#include "cli/next_number_command.h"

#include <ostream>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/text.h"
#include "documents/numbering/number_draw.h"

namespace orvosal {
namespace {

bool rowExists(Session& session, const std::string& table, const std::string& id) {
  Recordset rs(GlobalConnection(session), "SELECT ID FROM " + table + " WHERE ([ID] IN (" + id + "))");
  return !rs.eof();
}

}  // namespace

std::string checkNextNumberArguments(const ParsedArguments& arguments) {
  if (arguments.has("--type") == arguments.has("--range"))
    return "Bitte genau eine Angabe: --type ID oder --range ID.";
  const std::string id = arguments.value(arguments.has("--type") ? "--type" : "--range");
  if (id.empty() || id.find_first_not_of("0123456789") != std::string::npos)
    return "Die ID muss eine ganze Zahl sein: '" + id + "'.";
  return {};
}

int runNextNumber(CommandContext& context) {
  Session& session = context.session;
  const bool forType = context.arguments.has("--type");
  const std::string id = context.arguments.value(forType ? "--type" : "--range");
  const bool draw = !context.arguments.has("--preview");
  if (!rowExists(session, forType ? "Belegarten" : "Nummerkreise", id)) {
    context.err << (forType ? "Die Belegart " : "Den Nummernkreis ") << id << " gibt es nicht.\n";
    return kExitFailure;
  }
  std::string number;
  if (forType) {
    number =
        draw ? handOutDocumentNumber(session, id) : Create_DB_Beleg_Nummer_FROM_Belegart(session, id, false);
  } else {
    number = Create_DB_Beleg_Nummer(session, id, draw);
  }
  if (number.empty()) {
    context.err << "Es wurde keine Nummer erzeugt.\n";
    return kExitFailure;
  }
  context.out << number << '\n';
  return kExitSuccess;
}

}  // namespace orvosal
