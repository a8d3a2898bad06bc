#include "masterdata/articles/supplier_prices.h"

#include <stdexcept>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/operation_guard.h"
#include "core/version.h"
#include "masterdata/articles/article_child_rows.h"

namespace orvosal {
namespace {

constexpr const char* kSupplierPriceWindow = "frmLieferantenPreise";

const FieldDef<SupplierPrice> kSupplierPriceFields[] = {
    {"ID", &SupplierPrice::id, true},
    {"LieferantenID", &SupplierPrice::lieferantenId},
    {"Preis", &SupplierPrice::preis},
    {"Artikel_ID", &SupplierPrice::artikelId},
    {"Datum", &SupplierPrice::datum},
    {"Bestellummer", &SupplierPrice::bestellummer},
    {"Bestellnummer", &SupplierPrice::bestellnummer},
};

}  // namespace

FieldTable<SupplierPrice> SupplierPriceFields() { return kSupplierPriceFields; }

SupplierPrice NewSupplierPrice(Session& session, int64_t articleId) {
  SupplierPrice price;
  price.artikelId = articleId;
  price.datum = session.clock().today();
  return price;
}

std::vector<SupplierPrice> ListSupplierPrices(Session& session, int64_t articleId) {
  return runOperation(session, operationName(kSupplierPriceWindow, OperationKind::Sub, "Load_List"),
                      std::vector<SupplierPrice>{}, [&] {
                        std::vector<SupplierPrice> prices;
                        Recordset rs(GlobalConnection(session), "SELECT * FROM LieferantenPreise " +
                                                                    WhereIdIn("Artikel_ID", articleId) +
                                                                    " ORDER BY Preis");
                        for (; !rs.eof(); rs.moveNext())
                          prices.push_back(readRecord(rs, SupplierPriceFields()));
                        return prices;
                      });
}

bool SaveSupplierPrice(Session& session, SupplierPrice& price) {
  return runOperation(
      session, operationName(kSupplierPriceWindow, OperationKind::Sub, "Save_Item"), false, [&] {
        Connection& connection = GlobalConnection(session);
        if (!AddressStored(session, price.lieferantenId)) {
          WarnAboutArticleRow(session, "Bitte zuerst den Lieferanten auswählen");
          return false;
        }
        if (!ArticleRowsChangeable(session, price.artikelId)) return false;
        const bool adding = price.id == 0;
        Recordset rs(connection, adding ? std::string("SELECT Top 1 * FROM LieferantenPreise")
                                        : "SELECT * FROM LieferantenPreise " + WhereIdIn("ID", price.id));
        if (adding) {
          rs.addNew();
          rs.set("Artikel_ID", Value(price.artikelId));
        } else if (rs.eof()) {
          throw std::runtime_error("Der Lieferantenpreis " + std::to_string(price.id) +
                                   " ist nicht mehr vorhanden.");
        }
        for (const char* column : {"Bestellummer", "Preis", "Datum", "LieferantenID"})
          rs.set(column, fieldValue(price, findField(SupplierPriceFields(), column)));
        rs.update();
        price = readRecord(rs, SupplierPriceFields());
        return true;
      });
}

bool DeleteSupplierPrice(Session& session, int64_t id) {
  return runOperation(
      session, operationName(kSupplierPriceWindow, OperationKind::Sub, "Delete_Item"), false, [&] {
        Connection& connection = GlobalConnection(session);
        Recordset rs(connection, "SELECT Artikel_ID FROM LieferantenPreise " + WhereIdIn("ID", id));
        if (rs.eof() || !ArticleRowsChangeable(session, rs["Artikel_ID"].toInt())) return false;
        if (!session.ui().askYesNo("markierten Lieferanten löschen?", kProductName)) return false;
        connection.execute("Delete FROM LieferantenPreise " + WhereIdIn("ID", id));
        return true;
      });
}

std::vector<SupplierArticle> ListSupplierArticles(Session& session, int64_t supplierId) {
  return runOperation(
      session, operationName("frmAdressen", OperationKind::Sub, "Load_Lieferanten_Artikel"),
      std::vector<SupplierArticle>{}, [&] {
        std::vector<SupplierArticle> articles;
        Recordset rs(
            GlobalConnection(session),
            "SELECT Artikel.ID, Artikel.Artikelnummer, Artikel.MwSt, Artikel.Bestand, "
            "Artikel.Einkaufspreis, Artikel.Bezeichnung1, Artikel.Bezeichnung2, "
            "LieferantenPreise.Bestellummer, LieferantenPreise.Bestellnummer, LieferantenPreise.Preis "
            "FROM LieferantenPreise INNER JOIN Artikel ON LieferantenPreise.Artikel_ID = Artikel.ID "
            "WHERE (LieferantenPreise.LieferantenID IN (" +
                std::to_string(supplierId) + ")) ORDER BY Artikel.Bezeichnung1;");
        for (; !rs.eof(); rs.moveNext()) {
          articles.push_back({rs["ID"].toInt(), rs["Artikelnummer"].toText(),
                              static_cast<int>(rs["MwSt"].toInt()), rs["Bestand"].toCurrency(),
                              rs["Einkaufspreis"].toCurrency(), rs["Bezeichnung1"].toText(),
                              rs["Bezeichnung2"].toText(), rs["Bestellummer"].toText(),
                              rs["Bestellnummer"].toText(), rs["Preis"].toCurrency()});
        }
        return articles;
      });
}

}  // namespace orvosal
