#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/db/recordset.h"
#include "core/records/field_table.h"
#include "core/text.h"
#include "masterdata/addresses/tests/address_detail_fixture.h"

namespace orvosal::testing {

// Articles and addresses on both engines and a user who may save articles.
class ArticleChildFixture : public AddressDetailFixture {
 protected:
  void SetUp() override {
    AddressDetailFixture::SetUp();
    if (IsSkipped()) return;
    signInWith({"Save_Artikel"});
  }

  // Stores an article directly (not through the article window's rules) and answers its ID.
  int64_t storeArticle(const std::string& number, const std::string& description) {
    Recordset rs(db(), "SELECT Top 1 * FROM Artikel");
    rs.addNew();
    rs.set("Artikelnummer", Value(number));
    rs.set("Bezeichnung1", Value(description));
    for (const char* flag : {"StücklistenArtikel", "MasterArtikel", "Bestand", "Min", "Export", "Rabatt"})
      rs.set(flag, Value(0));
    rs.update();
    return rs["ID"].toInt();
  }

  Value articleColumn(int64_t id, const char* column) {
    return Recordset(db(), "SELECT * FROM Artikel WHERE ([ID] IN (" + std::to_string(id) + "))")[column];
  }
};

// Compares two lists of records column by column and names the columns that differ.
template <class Record>
void expectSameRecords(const std::vector<Record>& actual, const std::vector<Record>& expected,
                       FieldTable<Record> fields) {
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < actual.size(); ++i) {
    const std::vector<std::string> differing = differences(actual[i], expected[i], fields);
    EXPECT_TRUE(differing.empty()) << "row " << i << " differs in " << joinStrings(differing, ", ");
  }
}

}  // namespace orvosal::testing
