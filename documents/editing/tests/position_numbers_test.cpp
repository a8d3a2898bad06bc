#include "documents/editing/position_numbers.h"

#include <gtest/gtest.h>

#include "documents/editing/tests/editing_fixture.h"

namespace orvosal::testing {
namespace {

struct CountCase {
  const char* before;
  const char* after;
};

const CountCase kCountCases[] = {
    {"1", "2"},   {"9", "10"},    {"99", "100"},   {"A9", "B0"},       {"1-9", "2-0"}, {"1.9", "2.0"},
    {"A", "B"},   {"12b", "12c"}, {"AZ", "B"},     {"Z", "1"},         {"z9", "10"},   {"", "1"},
    {"3.", "4."}, {"Y", "Z"},     {"9.9", "10.0"}, {"Pos 7", "Pos 8"},
};

TEST(PositionNumbers, CountingUpWorksFromTheRightEnd) {
  for (const CountCase& c : kCountCases) EXPECT_EQ(Nummer_Erhöhen(c.before), c.after) << c.before;
}

TEST(PositionNumbers, TheNextNumberFollowsTheLastNumberedPosition) {
  const auto numbered = [](std::initializer_list<const char*> numbers) {
    std::vector<DocumentPosition> positions;
    for (const char* number : numbers) {
      positions.emplace_back();
      positions.back().posnummer = number;
    }
    return positions;
  };
  EXPECT_EQ(nextPositionNumber(numbered({})), "1");
  EXPECT_EQ(nextPositionNumber(numbered({"", ""})), "1");
  EXPECT_EQ(nextPositionNumber(numbered({"1", "2", ""})), "3");
  EXPECT_EQ(nextPositionNumber(numbered({"4", "1.9", ""})), "2.0");
}

class ChangePosNumberTest : public EditingFixture {};

TEST_P(ChangePosNumberTest, RenumbersWholeNumbersInLineOrderAndKeepsTheRest) {
  const int64_t partner = storeAddress(true, "Krause");
  const int64_t beleg = storeDocument(typeId("Rechnung"), partner);
  const int64_t other = storeDocument(typeId("Rechnung"), partner);
  // Stored out of line order, so that the renumbering must follow Zeilennummer, not ID.
  struct Row {
    int line;
    const char* before;
    const char* after;
  };
  const Row rows[] = {{5, "5", "3"}, {1, "1", "1"}, {3, "2", "2"}, {2, "1.1", "1.1"}, {4, "", ""}};
  std::vector<int64_t> ids;
  const auto numbered = [](int line, const char* number) {
    DocumentPosition position;
    position.zeilennummer = line;
    position.posnummer = number;
    return position;
  };
  for (const Row& row : rows) ids.push_back(storePosition(beleg, numbered(row.line, row.before)));
  const int64_t untouched = storePosition(other, numbered(1, "7"));

  ASSERT_TRUE(Change_PosNumber(session(), beleg));

  for (size_t i = 0; i < ids.size(); ++i)
    EXPECT_EQ(readPosition(ids[i]).posnummer, rows[i].after) << rows[i].before;
  EXPECT_EQ(readPosition(untouched).posnummer, "7");
  EXPECT_FALSE(Change_PosNumber(session(), 0));
}

ORVOSAL_ON_BOTH_ENGINES(ChangePosNumberTest);

}  // namespace
}  // namespace orvosal::testing
