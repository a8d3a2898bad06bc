#include "masterdata/articles/serial_numbers.h"

#include <gtest/gtest.h>

#include "masterdata/articles/tests/article_child_fixture.h"

namespace orvosal {
namespace {

class SerialNumbersTest : public testing::ArticleChildFixture {
 protected:
  int64_t storeDocument(const std::string& number) {
    Recordset rs(db(), "SELECT Top 1 * FROM Belegkopf");
    rs.addNew();
    rs.set("Belegnummer", Value(number));
    rs.update();
    return rs["BelegID"].toInt();
  }

  SerialNumber added(int64_t articleId, const std::string& number, int64_t documentId = 0) {
    SerialNumber serial{0, articleId, number, documentId};
    EXPECT_TRUE(AddSerialNumber(session(), serial)) << number;
    EXPECT_NE(serial.id, 0);
    return serial;
  }

  // "number @ document number" per listed serial number.
  std::vector<std::string> listed(int64_t articleId) {
    std::vector<std::string> texts;
    for (const ListedSerialNumber& row : ListSerialNumbers(session(), articleId))
      texts.push_back(row.serial.serienNummer + " @ " + row.belegnummer);
    return texts;
  }
};

TEST_P(SerialNumbersTest, ListedByDocumentAndNumberWithTheDocumentNumber) {
  const int64_t camera = storeArticle("C-1", "Kamera");
  const int64_t invoice = storeDocument("RE-100");
  const int64_t later = storeDocument("RE-101");
  const int64_t unnumbered = storeDocument("");
  const SerialNumber inStock = added(camera, " SN-20 ");
  added(camera, "SN-10");
  added(camera, "SN-30", later);
  added(camera, "SN-31", invoice);
  added(camera, "SN-32", unnumbered);
  added(camera, "SN-40", later + 100);
  added(storeArticle("C-2", "Objektiv"), "SN-99");

  EXPECT_EQ(listed(camera),
            (std::vector<std::string>{"SN-10 @ k. Nummer", "SN-20 @ k. Nummer", "SN-31 @ RE-100",
                                      "SN-30 @ RE-101", "SN-32 @ k. Nummer", "SN-40 @ k. Nummer"}));
  testing::expectSameRecords({ListSerialNumbers(session(), camera)[1].serial},
                             {SerialNumber{inStock.id, camera, "SN-20", 0}}, SerialNumberFields());
  EXPECT_EQ(SerialNumbersCaption(session(), camera), "Seriennummern für C-1 Kamera");
}

TEST_P(SerialNumbersTest, RefusedNumbersStoreNothingAndSaysWhy) {
  const int64_t article = storeArticle("S-1", "Säge");
  struct Case {
    const char* what;
    SerialNumber serial;
    const char* message;
  };
  const Case cases[] = {
      {"empty", {0, article, "", 0}, "Bitte eine Seriennummer angegeben!"},
      {"blank", {0, article, "   ", 0}, "Bitte eine Seriennummer angegeben!"},
      {"article not stored", {0, 0, "X-1", 0}, "Bitte zuerst den Artikel speichern"},
  };
  for (const Case& c : cases) {
    SerialNumber serial = c.serial;
    EXPECT_FALSE(AddSerialNumber(session(), serial)) << c.what;
    EXPECT_EQ(messages().back(), c.message) << c.what;
  }
  signInWith({});
  SerialNumber serial{0, article, "X-2", 0};
  EXPECT_FALSE(AddSerialNumber(session(), serial));
  EXPECT_EQ(messages().back(), "Keine Berechtigung für diesen Programmteil");
  EXPECT_EQ(countRows("SerienNummern"), 0);
}

TEST_P(SerialNumbersTest, DeletingTheMarkedOnesAsksOnce) {
  const int64_t article = storeArticle("S-2", "Bohrer");
  const SerialNumber first = added(article, "B-1");
  added(article, "B-2");
  const SerialNumber third = added(article, "B-3");
  EXPECT_FALSE(DeleteSerialNumbers(session(), {})) << "nothing marked, nothing asked";
  ui().answer(false);
  EXPECT_FALSE(DeleteSerialNumbers(session(), {first.id, third.id}));
  EXPECT_EQ(listed(article).size(), 3u);
  ui().answer(true);
  EXPECT_TRUE(DeleteSerialNumbers(session(), {first.id, third.id}));
  EXPECT_EQ(listed(article), (std::vector<std::string>{"B-2 @ k. Nummer"}));
  EXPECT_EQ(questions(), (std::vector<std::string>{"Sollen markierte Seriennummern gelöscht werden?",
                                                   "Sollen markierte Seriennummern gelöscht werden?"}));
}

ORVOSAL_ON_BOTH_ENGINES(SerialNumbersTest);

}  // namespace
}  // namespace orvosal
