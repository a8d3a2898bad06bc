#include "masterdata/articles/tests/article_test_support.h"

#include "core/db/recordset.h"

namespace orvosal::testing {

void ArticleFixture::SetUp() {
  AddressFixture::SetUp();
  signInWith({"Artikel", "Save_Artikel", "Delete_Artikel", "Kunden", "Lieferanten"});
}

int64_t ArticleFixture::storeArticle(const std::string& number, const std::string& description,
                                     Currency basePrice) {
  Recordset rs(db(), "SELECT Top 1 * FROM Artikel");
  rs.addNew();
  rs.set("Artikelnummer", Value(number));
  rs.set("Bezeichnung1", Value(description));
  rs.set("Verkaufspreis1", Value(basePrice));
  rs.update();
  return rs["ID"].toInt();
}

void ArticleFixture::execute(const std::string& sql) { db().execute(sql); }

}  // namespace orvosal::testing
