#pragma once

#include "core/session.h"
#include "documents/editing/document_list.h"
#include "output/report/report_data.h"

namespace orvosal {

// The document list as the list window shows it with its filter, for the layout "Belegliste.lst":
// one record per document with the fields "Belegliste.BelegID", ".Belegnummer", ".Belegdatum",
// ".Belegart", ".KDNr", ".Kundennummer", ".Name", ".Netto", ".Brutto", ".Bezahlt", ".Offen"
// (gross less paid, never below 0; 0 for a cancelled document), ".Status" and ".Erledigt"; the list
// variables with the title "Belegliste" and the filter in words ("Verkauf, Belegart Rechnung,
// Suche „Müller“"), and the sums "Summe_Netto", "Summe_Brutto", "Summe_Bezahlt", "Summe_Offen"
// over the documents that are not cancelled.
ReportData DocumentListReport(Session& session, const DocumentListFilter& filter);

}  // namespace orvosal
