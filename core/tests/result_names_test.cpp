#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::SeededBothEngines;
using Names = std::vector<std::string>;

class ResultNamesTest : public SeededBothEngines {
 protected:
  Names header(const std::string& sql) {
    Recordset rs(db(), sql);
    Names names;
    for (int i = 0; i < rs.fieldCount(); ++i) names.push_back(rs.fieldName(i));
    return names;
  }
};

// The same statement gives the same field names on both engines: aliases as the statement writes
// them, table columns as the schema spells them, whatever case the statement uses.
TEST_P(ResultNamesTest, FieldsAreNamedAsTheStatementAndTheSchemaSpellThem) {
  const Names store = {"ID", "Bezeichnung", "Name", "Straße", "PLZ", "Ort", "Lager", "LagerPruefung"};
  Names storeAndCity = store;
  storeAndCity.push_back("Stadt");
  const struct {
    std::string sql;
    Names expected;
  } cases[] = {
      {"SELECT * FROM Lagerorte", store},
      {"SELECT * FROM LAGERORTE", store},
      {"SELECT Top 1 L.*, Ort AS Stadt FROM Lagerorte L", storeAndCity},
      {"SELECT belegnummer, BEZAHLT_WIEVIEL, [straße], Belegkopf.belegid FROM Belegkopf",
       {"Belegnummer", "Bezahlt_Wieviel", "Straße", "BelegID"}},
      {"SELECT [belegkopf].[belegnummer], k.plz FROM Belegkopf AS k, Belegkopf", {"Belegnummer", "PLZ"}},
      {"SELECT count(ID) as Anzahl, Max(id) AS höchste FROM Belegarten", {"Anzahl", "höchste"}},
      {"SELECT 1 AS x", {"x"}},
      {"SELECT 1 AS X", {"X"}},
      {"SELECT Count(*) Zahl FROM Lagerorte", {"Zahl"}},
      {"SELECT Bezeichnung AS bezeichnung, ID AS Nummer FROM Lagerorte", {"bezeichnung", "Nummer"}},
      {"SELECT x.Nr FROM (SELECT Bezeichnung AS Nr FROM Lagerorte) x", {"Nr"}},
      {"SELECT * FROM (SELECT Bezeichnung AS Nr, ort FROM Lagerorte) x", {"Nr", "Ort"}},
      {"SELECT DISTINCT ort, CAST(Lager AS VARCHAR(10)) AS LagerText FROM Lagerorte ORDER BY ort",
       {"Ort", "LagerText"}},
      {"SELECT Bezeichnung AS Name FROM Lagerorte UNION SELECT Name AS Andere FROM Lagerorte", {"Name"}},
  };
  for (const auto& item : cases) {
    try {
      EXPECT_EQ(header(item.sql), item.expected) << item.sql;
    } catch (const DbError& error) {
      ADD_FAILURE() << item.sql << ": " << error.text();
    }
  }
}

ORVOSAL_ON_BOTH_ENGINES(ResultNamesTest);

}  // namespace
}  // namespace orvosal
