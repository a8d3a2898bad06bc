#include "documents/printing/document_list_report.h"

#include <string>
#include <vector>

#include "core/text.h"
#include "documents/types/document_type_store.h"
#include "masterdata/addresses/address_editor.h"
#include "masterdata/printing/list_report.h"

namespace orvosal {
namespace {

std::string filterText(Session& session, const DocumentListFilter& filter) {
  std::string text = filter.salesArea ? "Verkauf" : "Einkauf";
  if (filter.belegartenId) {
    if (const std::optional<DocumentType> type = ReadDocumentType(session, *filter.belegartenId))
      text += ", Belegart " + type->belegtitel;
  }
  if (filter.partnerId) {
    if (const std::optional<Address> partner = ReadAddress(session, *filter.partnerId)) {
      text += ", " + std::string(filter.salesArea ? "Kunde " : "Lieferant ") + partner->name;
      if (!partner->vorname.empty()) text += ", " + partner->vorname;
    }
  }
  const std::string_view search = trim(filter.search);
  if (!search.empty()) text += ", Suche „" + std::string(search) + "“";
  return text;
}

}  // namespace

ReportData DocumentListReport(Session& session, const DocumentListFilter& filter) {
  ReportData data;
  Currency netto;
  Currency brutto;
  Currency bezahlt;
  Currency offen;
  for (const DocumentListRow& row : ListDocuments(session, filter)) {
    const bool cancelled = row.status == "storniert";
    const Currency open = cancelled || row.bezahlt >= row.gesamt ? Currency() : row.gesamt - row.bezahlt;
    ReportValues& record = data.addRecord();
    record.defineNumber("Belegliste.BelegID", row.belegId);
    record.define("Belegliste.Belegnummer", row.belegnummer);
    if (row.belegdatum) {
      record.defineDate("Belegliste.Belegdatum", *row.belegdatum);
    } else {
      record.define("Belegliste.Belegdatum", "", ReportValueType::Date);
    }
    record.define("Belegliste.Belegart", row.belegart);
    record.defineNumber("Belegliste.KDNr", row.kdNr);
    record.define("Belegliste.Kundennummer", row.kundennummer);
    record.define("Belegliste.Name", row.partner);
    record.defineNumber("Belegliste.Netto", row.netto);
    record.defineNumber("Belegliste.Brutto", row.gesamt);
    record.defineNumber("Belegliste.Bezahlt", row.bezahlt);
    record.defineNumber("Belegliste.Offen", open);
    record.define("Belegliste.Status", row.status);
    record.defineBoolean("Belegliste.Erledigt", row.erledigt);
    if (cancelled) continue;
    netto += row.netto;
    brutto += row.gesamt;
    bezahlt += row.bezahlt;
    offen += open;
  }
  defineListVariables(session, data, "Belegliste", filterText(session, filter));
  data.variables.defineNumber("Summe_Netto", netto);
  data.variables.defineNumber("Summe_Brutto", brutto);
  data.variables.defineNumber("Summe_Bezahlt", bezahlt);
  data.variables.defineNumber("Summe_Offen", offen);
  return data;
}

}  // namespace orvosal
