#include "documents/editing/document_list.h"

#include <map>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/error_log.h"
#include "core/operation_guard.h"
#include "core/text.h"
#include "documents/types/document_type_store.h"

namespace orvosal {
namespace {

std::string orderClause(const DocumentListFilter& filter) {
  const std::string direction = filter.descending ? " DESC" : " ASC";
  switch (filter.order) {
    case DocumentListOrder::Number:
      return "[Belegnummer]" + direction + ", [BelegID]" + direction;
    case DocumentListOrder::Partner:
      return "[Name]" + direction + ", [Vorname]" + direction + ", [BelegID]" + direction;
    case DocumentListOrder::Gross:
      return "[GesamtPreis]" + direction + ", [BelegID]" + direction;
    case DocumentListOrder::Date:
      break;
  }
  return "[Belegdatum]" + direction + ", [BelegID]" + direction;
}

std::string statusText(const Recordset& rs) {
  if (!rs["Storno"].isNull()) return "storniert";
  const Currency total = rs["GesamtPreis"].toCurrency();
  if (total != Currency() && rs["Bezahlt_Wieviel"].toCurrency() >= total) return "bezahlt";
  if (rs["Erledigt"].toInt() == 1) return "erledigt";
  return "offen";
}

}  // namespace

std::vector<DocumentListRow> ListDocuments(Session& session, const DocumentListFilter& filter) {
  return runOperation(
      session, operationName("frmBelegListe", OperationKind::Sub, "Load_List"),
      std::vector<DocumentListRow>(), [&] {
        std::map<int64_t, std::string> titles;
        for (const DocumentType& type : ListDocumentTypes(session, filter.salesArea))
          titles[type.id] = type.belegtitel;
        std::string where =
            CreateBooleanSelect(session.database().dialect, "Kunde", filter.salesArea, false) +
            " AND [Belegart] >= 0 AND [Belegart] <= 10000";
        if (filter.belegartenId)
          where += " AND [BelegartenID] IN (" + std::to_string(*filter.belegartenId) + ")";
        if (filter.partnerId) where += " AND [KDNr] IN (" + std::to_string(*filter.partnerId) + ")";
        const std::string_view search = trim(filter.search);
        if (!search.empty()) {
          const std::string pattern = "'%" + SqlText(search, Asterisk::Wildcard) + "%'";
          where += " AND ([Belegnummer] LIKE " + pattern + " OR [Name] LIKE " + pattern +
                   " OR [Vorname] LIKE " + pattern + " OR [Kundennummer] LIKE " + pattern + ")";
        }
        Recordset rs(
            GlobalConnection(session),
            "SELECT BelegID, Belegnummer, Belegdatum, BelegartenID, KDNr, Kundennummer, Name, Vorname, "
            "NettoPreisRabatt, GesamtPreis, Erledigt, Storno, Bezahlt_Wieviel FROM Belegkopf WHERE (" +
                where + ") ORDER BY " + orderClause(filter));
        std::vector<DocumentListRow> rows;
        for (; !rs.eof(); rs.moveNext()) {
          DocumentListRow row;
          row.belegId = rs["BelegID"].toInt();
          row.belegnummer = rs["Belegnummer"].toText();
          if (const auto moment = rs["Belegdatum"].toDateTime()) row.belegdatum = moment->date();
          row.belegart = titles[rs["BelegartenID"].toInt()];
          row.kdNr = rs["KDNr"].toInt();
          row.kundennummer = rs["Kundennummer"].toText();
          row.partner = rs["Name"].toText();
          const std::string vorname = rs["Vorname"].toText();
          if (!vorname.empty()) row.partner += ", " + vorname;
          row.netto = rs["NettoPreisRabatt"].toCurrency();
          row.gesamt = rs["GesamtPreis"].toCurrency();
          row.bezahlt = rs["Bezahlt_Wieviel"].toCurrency();
          row.erledigt = rs["Erledigt"].toInt() == 1;
          row.status = statusText(rs);
          rows.push_back(std::move(row));
        }
        return rows;
      });
}

}  // namespace orvosal
