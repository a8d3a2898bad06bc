// The field tables of `Belegarten` and `Nummerkreise`: every column is named once, each with a
// member of its own, and a row written from a record reads back as the same record.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/db/database.h"
#include "core/records/document_type.h"
#include "core/records/number_range.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::SeededBothEngines;

// A value for the i-th column that no other column of the record holds.
template <class Record>
Value distinctValue(const FieldDef<Record>& field, int i) {
  switch (field.member.index()) {
    case 0:
      return Value("T" + std::to_string(i));
    case 1:
      return Value(true);
    default:
      return Value(int64_t{i + 2});
  }
}

class DocumentRecordsTest : public SeededBothEngines {
 protected:
  std::set<std::string> tableColumns(const std::string& table) {
    Recordset rs(db(), "SELECT * FROM " + table);
    std::set<std::string> names;
    for (int i = 0; i < rs.fieldCount(); ++i) names.insert(toLowerGerman(rs.fieldName(i)));
    return names;
  }

  template <class Record>
  static std::set<std::string> tableFields(FieldTable<Record> table) {
    std::set<std::string> names;
    for (const auto& field : table) names.insert(toLowerGerman(field.column));
    return names;
  }

  // Writes a record whose every column holds a value of its own, reads the row back and names the
  // columns that did not keep their value.
  template <class Record>
  std::vector<std::string> roundTrip(const std::string& table, FieldTable<Record> fields) {
    Record written{};
    int i = 0;
    for (const auto& field : fields) setFieldValue(written, field, distinctValue(field, i++));
    Recordset add(db(), "SELECT Top 1 * FROM " + table);
    add.addNew();
    writeRecord(add, written, fields);
    add.update();
    const int64_t id = add["ID"].toInt();
    Recordset rs(db(), "SELECT * FROM " + table + " WHERE ([ID] IN (" + std::to_string(id) + "))");
    const Record read = readRecord(rs, fields);
    std::vector<std::string> lost;
    i = 0;
    for (const auto& field : fields) {
      const Value expected = field.key ? Value(id) : distinctValue(field, i);
      if (fieldValue(read, field) != expected) lost.emplace_back(field.column);
      ++i;
    }
    return lost;
  }
};

TEST_P(DocumentRecordsTest, TheFieldTablesNameEveryColumnOfTheirTable) {
  EXPECT_EQ(tableFields(DocumentTypeFields()), tableColumns("Belegarten"));
  EXPECT_EQ(DocumentTypeFields().size(), tableColumns("Belegarten").size());
  EXPECT_EQ(tableFields(NumberRangeFields()), tableColumns("Nummerkreise"));
  EXPECT_EQ(NumberRangeFields().size(), tableColumns("Nummerkreise").size());
}

TEST_P(DocumentRecordsTest, EveryColumnKeepsItsOwnValue) {
  EXPECT_EQ(roundTrip("Belegarten", DocumentTypeFields()), std::vector<std::string>{});
  EXPECT_EQ(roundTrip("Nummerkreise", NumberRangeFields()), std::vector<std::string>{});
}

ORVOSAL_ON_BOTH_ENGINES(DocumentRecordsTest);

}  // namespace
}  // namespace orvosal
