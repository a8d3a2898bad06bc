#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/db/recordset.h"
#include "core/records/field_table.h"
#include "core/text.h"
#include "masterdata/articles/tests/article_test_support.h"

namespace orvosal::testing {

// Articles and addresses on both engines, a user with the article rights, and what the rows of
// an article's windows are checked by.
class ArticleChildFixture : public ArticleFixture {
 protected:
  Value articleColumn(int64_t id, const char* column) {
    return Recordset(db(), "SELECT * FROM Artikel WHERE ([ID] IN (" + std::to_string(id) + "))")[column];
  }

  std::vector<std::string> messages() { return ui().texts("message"); }
  std::vector<std::string> questions() { return ui().texts("question"); }
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
