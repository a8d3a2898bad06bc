#include "cli/doc_command_documents.h"

#include <ostream>

#include "core/records/field_text.h"

namespace orvosal {

std::optional<OpenDocument> openStoredDocument(CommandContext& context, int64_t belegId) {
  std::optional<OpenDocument> document = OpenDocument::load(context.session, true, belegId);
  if (!document) document = OpenDocument::load(context.session, false, belegId);
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
