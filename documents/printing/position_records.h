#pragma once

#include "core/currency.h"
#include "core/db/recordset.h"
#include "core/records/document_type.h"
#include "documents/records/document_position.h"
#include "documents/totals/document_totals.h"
#include "output/report/report_data.h"

namespace orvosal {

// How the positions of one document print: the type's switches and the document's rates.
struct PositionPrintRules {
  TotalsContext totals;
  bool nullMengen = false;     // positions with quantity 0 are left out
  bool bruttoAusgabe = false;  // prices and amounts printed gross
};

// The kind of line a position prints as: "Position", "SL", "ZW", "NS", "V", "AG", "AF", "TZ" or
// "Text" (no article, quantity or price: a line of text only).
std::string lineKindOf(const DocumentPosition& position);

// False for a position the printout leaves out: quantity 0 under `NullMengen`, shipping that the
// type keeps in the totals.
bool isPrinted(const DocumentPosition& position, const PositionPrintRules& rules);

// Adds the record of a printed position: every column of the recordset's current row as
// "Belegpositionen.<Column>" and the computed fields (Zeilenart, Einzelpreis, Zeilenbetrag,
// Uebertragsbetrag, Zwischensumme, Steuersatz, Beschreibung, Langtext, Ohne_Berechnung).
void addPositionRecord(ReportData& report, const Recordset& row, const DocumentPosition& position,
                       const PositionPrintRules& rules);

}  // namespace orvosal
