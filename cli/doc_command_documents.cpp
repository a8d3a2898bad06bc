#include "cli/doc_command_documents.h"

#include <ostream>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/operation_guard.h"
#include "core/records/field_text.h"

namespace orvosal {
namespace {

// The area a stored document belongs to (true: sales), so that it is opened with the right of
// that area alone; nothing when there is no such document.
std::optional<bool> areaOf(Session& session, int64_t belegId) {
  return runOperation(session, "doc", std::optional<bool>(), [&]() -> std::optional<bool> {
    Recordset rs(GlobalConnection(session),
                 "SELECT Kunde FROM Belegkopf WHERE ([BelegID] IN (" + std::to_string(belegId) + "))");
    if (rs.eof()) return std::nullopt;
    return rs["Kunde"].toBool();
  });
}

}  // namespace

std::optional<OpenDocument> openStoredDocument(CommandContext& context, int64_t belegId) {
  const std::optional<bool> sales = areaOf(context.session, belegId);
  std::optional<OpenDocument> document;
  if (sales) {
    if (!OpenDocument::mayOpen(context.session, *sales)) return std::nullopt;
    document = OpenDocument::load(context.session, *sales, belegId);
  }
  if (!document) {
    context.err << "Kein Beleg mit der ID " << belegId << ".\n";
    return std::nullopt;
  }
  if (document->locked() && context.arguments.has("--unlock") &&
      !document->unlock(context.arguments.value("--unlock"))) {
    context.err << "Das Kennwort hebt die Sperre des Belegs " << belegId << " nicht auf.\n";
    return std::nullopt;
  }
  return document;
}

Currency amountOption(const ParsedArguments& arguments, const std::string& option) {
  return Currency::parse(arguments.value(option)).value_or(Currency());
}

int64_t idOption(const ParsedArguments& arguments, const std::string& option) {
  const std::optional<Value> id = wholeNumberValue(arguments.value(option));
  return id ? id->toInt() : 0;
}

}  // namespace orvosal
