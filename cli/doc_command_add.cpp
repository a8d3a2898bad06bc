// doc add: one position at the end of a stored document, in the forms the document window offers:
// an article, a free text line with its price, or a special position.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/doc_command_actions.h"
#include "cli/doc_command_documents.h"
#include "cli/record_assignments.h"
#include "core/operation_guard.h"
#include "core/text.h"
#include "documents/pricing/position_pricing.h"

namespace orvosal {
namespace {

// The VAT group of a special position: --vat, else the standard rate the window's selector starts on.
int vatGroupOption(const ParsedArguments& arguments) {
  return arguments.has("--vat") ? std::stoi(arguments.value("--vat")) : 2;
}

// The IDs of the positions --lines names by their position numbers (`Posnummer`) as `doc show`
// prints them; every position holding a named number is marked. Nothing when a number names none.
std::optional<std::vector<int64_t>> markedPositions(CommandContext& context, const OpenDocument& document) {
  std::vector<int64_t> marked;
  if (!context.arguments.has("--lines")) return marked;
  for (const std::string& number : splitString(context.arguments.value("--lines"), ",")) {
    const std::string wanted(trim(number));
    bool found = false;
    for (const DocumentPosition& position : document.positions()) {
      if (position.posnummer != wanted) continue;
      marked.push_back(position.id);
      found = true;
    }
    if (!found) {
      context.err << "Keine Position mit der Nummer " << wanted << " im Beleg " << document.id() << ".\n";
      return std::nullopt;
    }
  }
  return marked;
}

std::optional<int64_t> addArticle(CommandContext& context, OpenDocument& document) {
  const ParsedArguments& arguments = context.arguments;
  const std::string number = arguments.value("--article");
  DocumentPosition position;
  position.menge = amountOption(arguments, "--qty");
  const std::optional<bool> found = runOperation(context.session, "doc add", std::optional<bool>(), [&] {
    return std::optional<bool>(fillPositionFromArticle(context.session, document.header(), number, position));
  });
  if (!found) return std::nullopt;  // the database's failure is reported
  if (!*found) {
    context.err << "Kein Artikel mit der Artikelnummer " << number << ".\n";
    return std::nullopt;
  }
  if (arguments.has("--price")) position.verkaufsPreis = amountOption(arguments, "--price");
  if (arguments.has("--no-charge")) position.keineBerechnung = 1;
  return document.addPosition(position);
}

std::optional<int64_t> addTextLine(CommandContext& context, OpenDocument& document) {
  const ParsedArguments& arguments = context.arguments;
  DocumentPosition position;
  position.bezeichnung1 = arguments.value("--text");
  position.menge = amountOption(arguments, "--qty");
  position.verkaufsPreis = amountOption(arguments, "--price");
  position.mwst = vatGroupOption(arguments);
  position.einheit = arguments.value("--unit");
  if (arguments.has("--no-charge")) position.keineBerechnung = 1;
  return document.addPosition(position);
}

// Shipping: the row of the shipping cost table --shipping names, or a line of its own with text
// and net amount, quantity 1.
std::optional<int64_t> addShipping(CommandContext& context, OpenDocument& document) {
  const ParsedArguments& arguments = context.arguments;
  if (arguments.has("--shipping")) return document.insertShipping(idOption(arguments, "--shipping"));
  DocumentPosition position;
  position.posTyp = kShippingPosition;
  position.bezeichnung1 = arguments.value("--text");
  position.menge = Currency::fromInteger(1);
  position.verkaufsPreis = amountOption(arguments, "--amount");
  position.mwst = vatGroupOption(arguments);
  return document.addPosition(position);
}

std::optional<int64_t> addSpecial(CommandContext& context, OpenDocument& document) {
  const ParsedArguments& arguments = context.arguments;
  const std::string kind = arguments.value("--special");
  if (kind == kPageBreakPosition) return document.insertPageBreak();
  if (kind == kShippingPosition) return addShipping(context, document);
  if (kind == kPartPaymentPosition)
    return document.insertPartPayment(amountOption(arguments, "--amount"), arguments.value("--text"));
  const std::optional<std::vector<int64_t>> marked = markedPositions(context, document);
  if (!marked) return std::nullopt;
  if (kind == kSubtotalPosition) {
    std::optional<std::string> text;
    if (arguments.has("--text")) text = arguments.value("--text");
    return document.insertSubtotal(*marked, vatGroupOption(arguments), text);
  }
  return document.insertDeductionOrSurcharge(*marked, kind == kSurchargePosition,
                                             amountOption(arguments, "--percent"), arguments.value("--text"),
                                             vatGroupOption(arguments));
}

}  // namespace

int addDocumentPosition(CommandContext& context) {
  std::optional<OpenDocument> document = openStoredDocument(context, *idArgument(context.arguments));
  if (!document) return kExitFailure;
  std::optional<int64_t> positionId;
  if (context.arguments.has("--article")) {
    positionId = addArticle(context, *document);
  } else if (context.arguments.has("--special")) {
    positionId = addSpecial(context, *document);
  } else {
    positionId = addTextLine(context, *document);
  }
  if (!positionId) return kExitFailure;
  context.out << *positionId << '\n';
  return kExitSuccess;
}

}  // namespace orvosal
