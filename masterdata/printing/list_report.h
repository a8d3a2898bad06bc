#pragma once

#include <string>
#include <string_view>

#include "core/session.h"
#include "output/report/report_data.h"

namespace orvosal {

// The variables every printed list shares, defined after its records: "Titel", "Filter" (which
// rows the list holds, in words; empty for all), "Druckdatum" (the session's now), "Anzahl" (the
// number of records) and the company's data for the letterhead as a document print names it
// ("Firma_Name", "Firma_Strasse", "Firma_IBAN", ..., "Firma_Logo"; see documents/printing/README.md).
void defineListVariables(Session& session, ReportData& data, std::string_view title, std::string filter);

}  // namespace orvosal
