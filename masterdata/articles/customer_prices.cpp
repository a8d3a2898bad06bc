#include "masterdata/articles/customer_prices.h"

#include <stdexcept>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/operation_guard.h"
#include "core/version.h"
#include "masterdata/articles/article_child_rows.h"

namespace orvosal {
namespace {

constexpr const char* kCustomerPriceWindow = "frmArtikelPreisstufen";

const FieldDef<CustomerPrice> kCustomerPriceFields[] = {
    {"ID", &CustomerPrice::id, true},        {"Stufe", &CustomerPrice::stufe},
    {"Preis", &CustomerPrice::preis},        {"Artikel_ID", &CustomerPrice::artikelId},
    {"Kunden_ID", &CustomerPrice::kundenId},
};

// True when another row of the article is for the same customer.
bool customerHasOtherPrice(Connection& connection, const CustomerPrice& price) {
  Recordset rs(connection, "SELECT count(ID) as Anzahl FROM Artikel_Preisstufen WHERE (([Artikel_ID] IN (" +
                               std::to_string(price.artikelId) + ")) AND ([Kunden_ID] IN (" +
                               std::to_string(price.kundenId) + ")) AND ([ID] <> " +
                               std::to_string(price.id) + "))");
  return rs["Anzahl"].toInt() > 0;
}

// The reason the price cannot be saved, empty when it can.
std::string customerPriceRefusal(Session& session, Connection& connection, const CustomerPrice& price) {
  if (!AddressStored(session, price.kundenId)) return "Bitte zuerst den Kunden auswählen";
  if (price.preis < Currency()) return "Der Preis darf nicht negativ sein";
  if (customerHasOtherPrice(connection, price)) return "Für diesen Kunden ist bereits ein Preis hinterlegt";
  return "";
}

}  // namespace

FieldTable<CustomerPrice> CustomerPriceFields() { return kCustomerPriceFields; }

std::vector<ListedCustomerPrice> ListCustomerPrices(Session& session, int64_t articleId) {
  return runOperation(session, operationName(kCustomerPriceWindow, OperationKind::Sub, "Load_List"),
                      std::vector<ListedCustomerPrice>{}, [&] {
                        std::vector<ListedCustomerPrice> prices;
                        Recordset rs(GlobalConnection(session), "SELECT * FROM Artikel_Preisstufen " +
                                                                    WhereIdIn("Artikel_ID", articleId) +
                                                                    " ORDER BY [ID]");
                        for (; !rs.eof(); rs.moveNext()) {
                          CustomerPrice price = readRecord(rs, CustomerPriceFields());
                          prices.push_back({price, AddressNameOf(session, price.kundenId)});
                        }
                        return prices;
                      });
}

bool SaveCustomerPrice(Session& session, CustomerPrice& price) {
  return runOperation(
      session, operationName(kCustomerPriceWindow, OperationKind::Sub, "Save_Item"), false, [&] {
        Connection& connection = GlobalConnection(session);
        if (const std::string reason = customerPriceRefusal(session, connection, price); !reason.empty()) {
          WarnAboutArticleRow(session, reason);
          return false;
        }
        if (!ArticleRowsChangeable(session, price.artikelId)) return false;
        const bool adding = price.id == 0;
        Recordset rs(connection, adding ? std::string("SELECT Top 1 * FROM Artikel_Preisstufen")
                                        : "SELECT * FROM Artikel_Preisstufen " + WhereIdIn("ID", price.id));
        if (adding) {
          rs.addNew();
        } else if (rs.eof()) {
          throw std::runtime_error("Der Kundenpreis " + std::to_string(price.id) +
                                   " ist nicht mehr vorhanden.");
        }
        writeRecord(rs, price, CustomerPriceFields());
        rs.update();
        price.id = rs["ID"].toInt();
        return true;
      });
}

bool DeleteCustomerPrice(Session& session, int64_t id) {
  return runOperation(
      session, operationName(kCustomerPriceWindow, OperationKind::Sub, "Delete_Item"), false, [&] {
        Connection& connection = GlobalConnection(session);
        Recordset rs(connection, "SELECT Artikel_ID FROM Artikel_Preisstufen " + WhereIdIn("ID", id));
        if (rs.eof() || !ArticleRowsChangeable(session, rs["Artikel_ID"].toInt())) return false;
        if (!session.ui().askYesNo("markierten Kundenpreis löschen?", kProductName)) return false;
        connection.execute("Delete FROM Artikel_Preisstufen " + WhereIdIn("ID", id));
        return true;
      });
}

}  // namespace orvosal
