#include "documents/editing/window_lookups.h"

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/error_log.h"
#include "core/operation_guard.h"
#include "core/text.h"

namespace orvosal {
namespace {

constexpr const char* kModule = "frmRechnung";

}  // namespace

std::array<std::string, 4> DocumentFieldCaptions(Session& session, std::string_view belegtitel) {
  std::array<std::string, 4> captions;
  for (size_t field = 0; field < captions.size(); ++field)
    captions[field] = "Feld" + std::to_string(field + 1);
  runOperation(session, operationName(kModule, OperationKind::Sub, "Load_SonderFelder"), 0, [&] {
    Recordset rs(GlobalConnection(session), "SELECT * FROM SonderFelder WHERE ([Belegart] IN (" +
                                                SqlQuoted(belegtitel) + ")) ORDER BY [ID]");
    for (; !rs.eof(); rs.moveNext()) {
      const int64_t field = rs["Wo"].toInt();
      const std::string text(trim(rs["Text"].toText()));
      if (field >= 1 && field <= 4 && !text.empty()) captions[static_cast<size_t>(field - 1)] = text;
    }
    return 0;
  });
  return captions;
}

std::vector<ShippingCostRow> ListShippingCosts(Session& session) {
  return runOperation(
      session, operationName(kModule, OperationKind::Function, "Versandkosten_suchen"),
      std::vector<ShippingCostRow>(), [&] {
        std::vector<ShippingCostRow> rows;
        Recordset rs(GlobalConnection(session), "SELECT * FROM Versandkosten ORDER BY [Bezeichnung1], [ID]");
        for (; !rs.eof(); rs.moveNext()) {
          rows.push_back({rs["ID"].toInt(), rs["Bezeichnung1"].toText(), rs["Bezeichnung2"].toText(),
                          rs["VK"].toCurrency(), static_cast<int>(rs["Mwst"].toInt())});
        }
        return rows;
      });
}

std::string ArticleNumberForEntry(Session& session, std::string_view typed) {
  const std::string text(trim(typed));
  if (text.empty()) return "";
  return runOperation(
      session, operationName(kModule, OperationKind::Function, "Artikel_By_Eingabe"), std::string(), [&] {
        Connection& db = GlobalConnection(session);
        Recordset byNumber(db, "SELECT Top 1 Artikelnummer FROM Artikel WHERE ([Artikelnummer] IN (" +
                                   SqlQuoted(text) + ")) ORDER BY [ID]");
        if (!byNumber.eof()) return byNumber["Artikelnummer"].toText();
        Recordset byCode(db, "SELECT Top 1 Artikelnummer FROM Artikel WHERE ([Barcode] IN (" +
                                 SqlQuoted(text) + ")) ORDER BY [ID]");
        return byCode.eof() ? std::string() : byCode["Artikelnummer"].toText();
      });
}

}  // namespace orvosal
