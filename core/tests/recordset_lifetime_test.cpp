#include <gtest/gtest.h>

#include <functional>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::SeededBothEngines;

class RecordsetLifetimeTest : public SeededBothEngines {
 protected:
  int64_t addStore(const std::string& name) {
    Recordset rs(db(), "SELECT Top 1 * FROM Lagerorte");
    rs.addNew();
    rs.set("Bezeichnung", Value(name));
    rs.update();
    return rs["ID"].toInt();
  }

  std::string storeName(int64_t id) {
    Recordset back(db(), "SELECT Bezeichnung FROM Lagerorte WHERE ID = " + std::to_string(id));
    return back["Bezeichnung"].toText();
  }
};

// The catalog cache is dropped by every schema statement and by an outer rollback; a recordset
// opened before must still write to its own table afterwards.
TEST_P(RecordsetLifetimeTest, AnOpenRecordsetStillWritesAfterTheCatalogCacheWasDropped) {
  const struct {
    const char* what;
    std::function<void(Connection&)> change;
  } cases[] = {
      {"schema statement", [](Connection& db) { db.execute("CREATE TABLE [Zwischenablage] ([Nr] INT)"); }},
      {"outer rollback",
       [](Connection& db) {
         db.begin();
         db.execute("UPDATE Belegarten SET Belegtitel = 'Zurückgenommen'");
         db.rollback();
       }},
  };
  for (const auto& item : cases) {
    SCOPED_TRACE(item.what);
    const int64_t id = addStore("Alt");
    Recordset rs(db(), "SELECT * FROM Lagerorte WHERE ID = " + std::to_string(id));
    rs.set("Bezeichnung", Value("Zwischenstand"));
    item.change(db());
    // Other tables' catalogs are read into the cache again meanwhile.
    db().tableSchema("Belegarten");
    db().tableSchema("Adressen");
    rs.set("Name", Value("Neu"));
    rs.update();
    EXPECT_EQ(storeName(id), "Zwischenstand");
    Recordset back(db(), "SELECT Name FROM Lagerorte WHERE ID = " + std::to_string(id));
    EXPECT_EQ(back["Name"].toText(), "Neu");
  }
}

TEST_P(RecordsetLifetimeTest, AnUpdateOfAFieldTheTableDoesNotHaveIsRefusedAndChangesNothing) {
  const int64_t id = addStore("Bleibt");
  const TableSchema& schema = db().tableSchema("Lagerorte");
  try {
    db().updateRow(schema, Value(id), {{"Bezeichnung", Value("Geändert")}, {"Gibtsnicht", Value(1)}}, {});
    FAIL() << "an unknown field was accepted";
  } catch (const DbError& error) {
    EXPECT_EQ(error.number(), db_errors::kFieldNotFound);
    EXPECT_TRUE(error.text().starts_with("Das Feld 'Gibtsnicht' gibt es in der Tabelle '")) << error.text();
  }
  EXPECT_EQ(storeName(id), "Bleibt");
}

ORVOSAL_ON_BOTH_ENGINES(RecordsetLifetimeTest);

}  // namespace
}  // namespace orvosal
