#include "cli/doc_command.h"

#include <optional>
#include <ostream>

#include "cli/doc_command_actions.h"
#include "cli/doc_command_documents.h"
#include "cli/record_assignments.h"
#include "documents/editing/document_lifecycle.h"
#include "documents/editing/open_document.h"
#include "documents/types/document_type_store.h"

namespace orvosal {
namespace {

// The columns `set` leaves alone: the area and the type are fixed at creation, the partner
// changes only with --partner, which takes the whole snapshot of the address.
int applyHeaderChanges(CommandContext& context, OpenDocument& document) {
  const ParsedArguments& arguments = context.arguments;
  if (arguments.has("--partner")) {
    const int64_t partnerId = idOption(arguments, "--partner");
    if (!document.choosePartner(partnerId)) {
      context.err << "Keine Adresse mit der ID " << partnerId << ".\n";
      return kExitFailure;
    }
  }
  if (arguments.has("--date")) document.header().belegdatum = Date::parse(arguments.value("--date"));
  const std::string fault =
      applyAssignments(context.session, arguments, document.header(), DocumentHeaderFields(), "Belegkopf",
                       "der Belege", {"Kunde", "BelegartenID", "Belegart", "KDNr"});
  if (!fault.empty()) {
    context.err << fault << '\n';
    return kExitFailure;
  }
  if (!document.saveHeader()) return kExitFailure;
  context.out << document.id() << '\n';
  return kExitSuccess;
}

int create(CommandContext& context) {
  const int64_t typeId = idOption(context.arguments, "--type");
  const std::optional<DocumentType> type = ReadDocumentType(context.session, typeId);
  if (!type) {
    context.err << "Keine Belegart mit der ID " << typeId << ".\n";
    return kExitFailure;
  }
  if (!OpenDocument::mayOpen(context.session, type->kundenbereich)) return kExitFailure;
  OpenDocument document(context.session, type->kundenbereich, typeId);
  return applyHeaderChanges(context, document);
}

int change(CommandContext& context) {
  std::optional<OpenDocument> document = openStoredDocument(context, *idArgument(context.arguments));
  return document ? applyHeaderChanges(context, *document) : kExitFailure;
}

int remove(CommandContext& context) {
  const std::optional<OpenDocument> document = openStoredDocument(context, *idArgument(context.arguments));
  if (!document) return kExitFailure;
  // A done document was opened only when --unlock held the master password.
  const bool unlocked = context.arguments.has("--unlock");
  return DeleteDocument(context.session, document->id(), unlocked) ? kExitSuccess : kExitFailure;
}

DuplicateForm duplicateForm(const ParsedArguments& arguments) {
  const std::string form = arguments.value("--form");
  if (form == "with-stock") return DuplicateForm::WithDeliveredStock;
  if (form == "without-stock") return DuplicateForm::WithoutDeliveredStock;
  return DuplicateForm::Plain;
}

int copyDocument(CommandContext& context) {
  const std::optional<OpenDocument> document = openStoredDocument(context, *idArgument(context.arguments));
  if (!document) return kExitFailure;
  const std::optional<int64_t> copyId =
      DuplicateDocument(context.session, document->id(), duplicateForm(context.arguments));
  if (!copyId) return kExitFailure;
  context.out << *copyId << '\n';
  return kExitSuccess;
}

}  // namespace

int runDoc(CommandContext& context) {
  const std::string& action = context.arguments.positional.front();
  if (action == "new") return create(context);
  if (action == "add") return addDocumentPosition(context);
  if (action == "set") return change(context);
  if (action == "show") return showDocument(context);
  if (action == "list") return listDocuments(context);
  if (action == "delete") return remove(context);
  return copyDocument(context);
}

}  // namespace orvosal
