// doc show and doc list: a document with its positions and totals, and the document lists.
#include <optional>
#include <ostream>
#include <string>

#include "cli/doc_command_actions.h"
#include "cli/doc_command_documents.h"
#include "cli/record_assignments.h"
#include "cli/table_output.h"
#include "documents/editing/document_list.h"
#include "documents/totals/amounts.h"
#include "documents/totals/document_totals.h"
#include "documents/types/document_type_store.h"

namespace orvosal {
namespace {

// A quantity, rate or unit price with the decimals it needs: at least `minimum`, trailing zeros of
// the four stored decimals dropped ("2", "2,5", "19", "12,50", "0,1234").
std::string trimmedNumber(Currency value, int minimum) {
  std::string text = value.format(4);
  const size_t comma = text.find(',');
  const size_t keep = minimum > 0 ? comma + 1 + static_cast<size_t>(minimum) : comma;
  while (text.size() > keep && text.back() == '0') text.pop_back();
  if (text.back() == ',') text.pop_back();
  return text;
}

void writeHeader(std::ostream& out, const DocumentHeader& header) {
  for (const FieldDef<DocumentHeader>& field : DocumentHeaderFields()) {
    writeTableRow(out, {std::string(field.column), fieldValue(header, field).toText()});
  }
}

void writePositions(std::ostream& out, const OpenDocument& document) {
  writeTableRow(out, {"ID", "Posnummer", "PosTyp", "Artikelnummer", "Bezeichnung1", "Menge", "Einheit",
                      "VerkaufsPreis", "MwSt", "KeineBerechnung"});
  for (const DocumentPosition& position : document.positions()) {
    writeTableRow(out, {std::to_string(position.id), position.posnummer, position.posTyp,
                        position.artikelnummer, position.bezeichnung1, trimmedNumber(position.menge, 0),
                        position.einheit, trimmedNumber(position.verkaufsPreis, 2),
                        std::to_string(position.mwst), std::to_string(position.keineBerechnung)});
  }
}

// The totals area: the discount lines only when the discount changes the net, VAT per rate unless
// the document is without VAT, shipping kept out of the net, partial payments when there are any,
// and the cash discount of the payment terms as information.
void writeTotals(std::ostream& out, const DocumentHeader& header, const DocumentTotals& totals) {
  const auto line = [&](const std::string& caption, Currency amount) {
    writeTableRow(out, {caption, formatAmount(amount, totals.decimals)});
  };
  line("Netto", totals.netto);
  if (totals.showDiscountLines) {
    line("Rabatt", totals.rabattBetrag);
    line("Netto nach Rabatt", totals.nettoRabatt);
  }
  if (!totals.ohneMwSt) {
    line("MwSt " + trimmedNumber(totals.groups[1].rate, 0) + " %", totals.mwst7);
    line("MwSt " + trimmedNumber(totals.groups[2].rate, 0) + " %", totals.mwst16);
  }
  if (totals.versandkosten != Currency()) line("Versandkosten", totals.versandkosten);
  line("Brutto", totals.gesamt);
  if (totals.teilzahlungen != Currency()) {
    line("Teilzahlungen", totals.teilzahlungen);
    line("Zahlbetrag", totals.zahlbetrag);
  }
  const CashDiscount skonto = cashDiscountOf(header, totals);
  if (skonto.prozent != Currency()) {
    line("Skonto " + trimmedNumber(skonto.prozent, 0) + " %", skonto.betrag);
    if (skonto.bis) writeTableRow(out, {"Skonto bis", skonto.bis->toGerman()});
  }
}

}  // namespace

int showDocument(CommandContext& context) {
  const std::optional<OpenDocument> document = openStoredDocument(context, *idArgument(context.arguments));
  if (!document) return kExitFailure;
  writeHeader(context.out, document->header());
  context.out << '\n';
  writePositions(context.out, *document);
  context.out << '\n';
  writeTotals(context.out, document->header(), document->totals());
  return kExitSuccess;
}

// The documents of one area (sales unless --purchase or the area of --type), newest first.
int listDocuments(CommandContext& context) {
  const ParsedArguments& arguments = context.arguments;
  DocumentListFilter filter;
  filter.salesArea = !arguments.has("--purchase");
  if (arguments.has("--type")) {
    const int64_t typeId = idOption(arguments, "--type");
    const std::optional<DocumentType> type = ReadDocumentType(context.session, typeId);
    if (!type) {
      context.err << "Keine Belegart mit der ID " << typeId << ".\n";
      return kExitFailure;
    }
    filter.salesArea = type->kundenbereich;
    filter.belegartenId = typeId;
  }
  if (!OpenDocument::mayOpen(context.session, filter.salesArea)) return kExitFailure;
  if (arguments.has("--partner")) filter.partnerId = idOption(arguments, "--partner");
  filter.search = arguments.value("--search");
  writeTableRow(context.out, {"BelegID", "Belegnummer", "Datum", "Belegart", "Kundennummer", "Name", "Netto",
                              "Brutto", "Status"});
  for (const DocumentListRow& row : ListDocuments(context.session, filter)) {
    writeTableRow(context.out, {std::to_string(row.belegId), row.belegnummer,
                                row.belegdatum ? row.belegdatum->toGerman() : std::string(), row.belegart,
                                row.kundennummer, row.partner, formatAmount(row.netto),
                                formatAmount(row.gesamt), row.status});
  }
  return kExitSuccess;
}

}  // namespace orvosal
