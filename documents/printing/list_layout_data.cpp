#include "documents/printing/list_layout_data.h"

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/error_log.h"
#include "core/operation_guard.h"
#include "core/text.h"
#include "documents/printing/document_list_report.h"
#include "documents/printing/document_report_data.h"
#include "documents/printing/dunning_variables.h"
#include "masterdata/printing/address_report.h"
#include "masterdata/printing/article_report.h"

namespace orvosal {
namespace {

// The dunning level of "1Mahn.crd" .. "4Mahn.crd"; 0 for any other name.
int dunningLevel(std::string_view layoutFile) {
  if (layoutFile.size() != 9 || layoutFile[0] < '1' || layoutFile[0] > '4') return 0;
  return equalsNoCase(layoutFile.substr(1), "Mahn.crd") ? layoutFile[0] - '0' : 0;
}

ReportData dunningData(Session& session, int level) {
  ReportData data;
  Currency open;
  Recordset newest(GlobalConnection(session),
                   "SELECT Top 1 BelegID, GesamtPreis, Bezahlt_Wieviel FROM Belegkopf WHERE (" +
                       CreateBooleanSelect(session.database().dialect, "Kunde", true, false) +
                       ") ORDER BY [BelegID] DESC");
  if (!newest.eof()) {
    if (std::optional<DocumentPrintData> document = readDocumentPrintData(session, newest["BelegID"].toInt()))
      data = std::move(document->report);
    open = newest["GesamtPreis"].toCurrency() - newest["Bezahlt_Wieviel"].toCurrency();
  }
  defineDunningVariables(data.variables, {.level = level,
                                          .fee = Currency::fromInteger(5 * (level - 1)),
                                          .deadline = session.clock().today().addDays(14),
                                          .openAmount = open});
  return data;
}

}  // namespace

std::optional<ReportData> ListLayoutData(Session& session, std::string_view layoutFile) {
  return runOperation(
      session, operationName("frmFormulare", OperationKind::Function, "Formulardaten"),
      std::optional<ReportData>(), [&]() -> std::optional<ReportData> {
        if (equalsNoCase(layoutFile, "Belegliste.lst")) return DocumentListReport(session, {});
        if (equalsNoCase(layoutFile, "Adressliste.lst") || equalsNoCase(layoutFile, "Adressetiketten.lbl"))
          return AddressListReport(session, {});
        if (equalsNoCase(layoutFile, "Artikelliste.lst")) return ArticleListReport(session, {});
        if (const int level = dunningLevel(layoutFile); level != 0) return dunningData(session, level);
        return std::nullopt;
      });
}

}  // namespace orvosal
