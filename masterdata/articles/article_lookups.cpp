#include "masterdata/articles/article_lookups.h"

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/operation_guard.h"
#include "core/records/field_text.h"

namespace orvosal {
namespace {

constexpr const char* kArticleLookupsModule = "mdlArtikel";

// The first row's column of the statement as text, or the empty text.
std::string firstText(Session& session, const char* function, const std::string& sql, const char* column) {
  return runOperation(session, operationName(kArticleLookupsModule, OperationKind::Function, function),
                      std::string(), [&] {
                        Recordset rs(GlobalConnection(session), sql);
                        return rs.eof() ? std::string() : rs[column].toText();
                      });
}

std::string firstByNumber(Session& session, const char* function, const char* column,
                          std::string_view number) {
  return firstText(session, function,
                   "SELECT Top 1 " + std::string(column) +
                       " FROM Artikel WHERE ([Artikelnummer] = " + SqlQuoted(number) + ") ORDER BY [ID]",
                   column);
}

std::string supplierPriceSql(int64_t articleId, int64_t supplierId) {
  return "SELECT * FROM LieferantenPreise WHERE ([Artikel_ID] IN (" + std::to_string(articleId) +
         ") and [LieferantenID] IN (" + std::to_string(supplierId) + "))";
}

}  // namespace

int64_t Get_ArtikelID_By_Artikelnummer(Session& session, std::string_view number) {
  return runOperation(
      session,
      operationName(kArticleLookupsModule, OperationKind::Function, "Get_ArtikelID_By_Artikelnummer"),
      int64_t{0}, [&] {
        Recordset rs(GlobalConnection(session), "SELECT ID FROM Artikel WHERE ([Artikelnummer] IN (" +
                                                    SqlQuoted(number) + ")) ORDER BY [ID]");
        return rs.eof() ? int64_t{0} : rs["ID"].toInt();
      });
}

std::string Get_Artikelnummer_By_ArtikelID(Session& session, int64_t id) {
  return firstText(session, "Get_Artikelnummer_By_ArtikelID",
                   "SELECT Artikelnummer FROM Artikel WHERE ([ID] IN (" + std::to_string(id) + "))",
                   "Artikelnummer");
}

std::string Get_SerienNummer_By_Artikelnummer(Session& session, std::string_view number) {
  return firstByNumber(session, "Get_SerienNummer_By_Artikelnummer", "SerienNummer", number);
}

std::string Get_Baujahr_By_Artikelnummer(Session& session, std::string_view number) {
  return firstByNumber(session, "Get_Baujahr_By_Artikelnummer", "Baujahr", number);
}

std::string Get_Barcode_By_Artikelnummer(Session& session, std::string_view number) {
  return firstByNumber(session, "Get_Barcode_By_Artikelnummer", "Barcode", number);
}

std::string Get_Lieferanten_Artikelnummer(Session& session, int64_t articleId, int64_t supplierId) {
  return firstText(session, "Get_Lieferanten_Artikelnummer", supplierPriceSql(articleId, supplierId),
                   "Bestellummer");
}

Currency Get_Lieferanten_Artikel_Preis(Session& session, int64_t articleId, int64_t supplierId) {
  return runOperation(
      session, operationName(kArticleLookupsModule, OperationKind::Function, "Get_Lieferanten_Artikel_Preis"),
      Currency(), [&] {
        Recordset rs(GlobalConnection(session), supplierPriceSql(articleId, supplierId));
        return rs.eof() ? Currency() : rs["Preis"].toCurrency();
      });
}

std::string Load_Item_from_LieferantenPreise(Session& session, std::string_view key, bool byId) {
  return runOperation(
      session,
      operationName(kArticleLookupsModule, OperationKind::Function, "Load_Item_from_LieferantenPreise"),
      std::string(), [&] {
        std::string condition = "[Bestellummer] IN (" + SqlQuoted(key) + ")";
        if (byId) {
          const std::optional<Value> id = wholeNumberValue(key);
          if (!id) return std::string();
          condition = "[ID] IN (" + std::to_string(id->toInt()) + ")";
        }
        Recordset rs(GlobalConnection(session),
                     "SELECT * FROM LieferantenPreise WHERE (" + condition + ") ORDER BY [ID]");
        if (rs.eof()) return std::string();
        return rs["Artikel_ID"].toText() + ";" + rs["Preis"].toCurrency().formatSql(4) + ";" +
               rs["Bestellummer"].toText();
      });
}

bool Check_Artikel_Has_Stückliste(Session& session, int64_t articleId) {
  return runOperation(
      session, operationName(kArticleLookupsModule, OperationKind::Function, "Check_Artikel_Has_Stückliste"),
      false, [&] {
        Recordset rs(GlobalConnection(session),
                     "SELECT count(ArtikelID) as Anzahl From Stuecklisten WHERE ([StammArtikelID] IN (" +
                         std::to_string(articleId) + "));");
        return !rs.eof() && rs["Anzahl"].toInt() > 0;
      });
}

}  // namespace orvosal
