#pragma once

#include <cstdint>
#include <string>

#include "core/currency.h"
#include "documents/tests/document_fixture.h"

namespace orvosal::testing {

// Documents with the rows that pricing reads: article columns, partner conditions and general
// price scales, written directly.
class PricingFixture : public DocumentFixture {
 protected:
  static Currency money(const char* text) { return Currency::parse(text).value(); }

  // Sets columns of an article, e.g. "[Verkaufspreis3] = 80, [Staffel_Moeglich] = 1".
  void setArticle(int64_t articleId, const std::string& assignments) {
    execute("UPDATE Artikel SET " + assignments + " WHERE ([ID] IN (" + std::to_string(articleId) + "))");
  }

  // One row of a general price scale.
  void addScaleRow(const std::string& staffel, int option, int wert, const std::string& rabatt, int preisArt,
                   int aktiv = 1) {
    execute(
        "INSERT INTO Preisstaffeln (Bezeichnung, Aktiv, [Option], Staffel, Wert, Rabatt, PreisArt) VALUES "
        "('" +
        staffel + " ab " + std::to_string(wert) + "', " + std::to_string(aktiv) + ", " +
        std::to_string(option) + ", '" + staffel + "', " + std::to_string(wert) + ", " + rabatt + ", " +
        std::to_string(preisArt) + ")");
  }

  void addGoodsGroupDiscount(int64_t partner, int group, const std::string& percent) {
    execute("INSERT INTO WarengruppenRabatt (AdressenID, WarengruppenID, Prozentsatz) VALUES (" +
            std::to_string(partner) + ", " + std::to_string(group) + ", " + percent + ")");
  }

  void assignDiscountScale(int64_t partner, int scale) {
    execute("INSERT INTO RabattToAdressen (AdressenID, RabattStaffelID) VALUES (" + std::to_string(partner) +
            ", " + std::to_string(scale) + ")");
  }

  void addCustomerPrice(int64_t article, int64_t partner, const std::string& price) {
    execute("INSERT INTO Artikel_Preisstufen (Artikel_ID, Kunden_ID, Preis) VALUES (" +
            std::to_string(article) + ", " + std::to_string(partner) + ", " + price + ")");
  }

  void addSupplierPrice(int64_t article, int64_t supplier, const std::string& price,
                        const std::string& number) {
    execute("INSERT INTO LieferantenPreise (Artikel_ID, LieferantenID, Preis, Bestellummer) VALUES (" +
            std::to_string(article) + ", " + std::to_string(supplier) + ", " + price + ", '" + number + "')");
  }
};

}  // namespace orvosal::testing
