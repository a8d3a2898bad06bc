#include "documents/types/number_range_editor.h"

#include <gtest/gtest.h>

#include "documents/types/tests/types_fixture.h"

namespace orvosal {
namespace {

class NumberRangeEditorTest : public testing::TypesFixture {
 protected:
  int64_t addRange(const std::string& vortext, int64_t nummer) {
    Recordset rs(db(), "SELECT Top 1 * FROM Nummerkreise");
    rs.addNew();
    rs.set("Vortext", Value(vortext));
    rs.set("Nummer", Value(nummer));
    rs.set("Stellen", Value(4));
    rs.update();
    return rs["ID"].toInt();
  }

  std::optional<NumberRange> stored(int64_t id) {
    for (const NumberRange& range : ListNumberRanges(session())) {
      if (range.id == id) return range;
    }
    return std::nullopt;
  }
};

TEST_P(NumberRangeEditorTest, BrowsingWalksTheRangesInIdOrderAndStopsAtBothEnds) {
  const int64_t a = addRange("A", 1);
  const int64_t b = addRange("B", 2);
  const int64_t c = addRange("C", 3);
  struct Case {
    BrowseStep step;
    int64_t from;
    std::optional<int64_t> expected;
  };
  const Case cases[] = {
      {BrowseStep::First, c, a},
      {BrowseStep::Last, a, c},
      {BrowseStep::Next, a, b},
      {BrowseStep::Next, b, c},
      {BrowseStep::Next, c, std::nullopt},
      {BrowseStep::Previous, c, b},
      {BrowseStep::Previous, b, a},
      {BrowseStep::Previous, a, std::nullopt},
  };
  for (const Case& row : cases) {
    const auto found = BrowseNumberRange(session(), row.step, row.from);
    EXPECT_EQ(found ? std::optional<int64_t>(found->id) : std::nullopt, row.expected)
        << static_cast<int>(row.step) << " from " << row.from;
  }
  EXPECT_EQ(BrowseNumberRange(session(), BrowseStep::Next, a)->vortext, "B");
  expectNoErrors();
}

TEST_P(NumberRangeEditorTest, AnIncompleteRangeIsRefusedAndAStoredOneConfirmed) {
  struct Case {
    const char* nummer;
    int stellen;
    const char* message;
  };
  const Case cases[] = {
      {"", 4, "Daten unvollständig!"},           {"abc", 4, "Daten unvollständig!"},
      {"12a", 4, "Daten unvollständig!"},        {"-1", 4, "Daten unvollständig!"},
      {"3000000000", 4, "Daten unvollständig!"}, {"7", 11, "Daten unvollständig!"},
      {"7", -1, "Daten unvollständig!"},         {" 7 ", 4, "Daten gespeichert!"},
      {"2147483647", 10, "Daten gespeichert!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.nummer);
    const int64_t before = count("Nummerkreise");
    NumberRangeDraft draft{0, "RE-[JJJJ]-", c.nummer, "/x", c.stellen};
    const bool saved = SaveNumberRange(session(), draft);
    EXPECT_EQ(lastMessage(), c.message);
    EXPECT_EQ(count("Nummerkreise"), before + (saved ? 1 : 0));
    if (saved) {
      EXPECT_EQ(stored(draft.id),
                (NumberRange{draft.id, "RE-[JJJJ]-", std::stoll(c.nummer), "/x", c.stellen}));
    }
  }

  NumberRangeDraft change = DraftOf(*BrowseNumberRange(session(), BrowseStep::First, 0));
  change.nachtext = "";
  change.nummer = "8";
  ASSERT_TRUE(SaveNumberRange(session(), change));
  EXPECT_EQ(lastMessage(), "Daten geändert!");
  EXPECT_EQ(stored(change.id), (NumberRange{change.id, "RE-[JJJJ]-", 8, "", 4}));
  EXPECT_EQ(count("Nummerkreise"), 2);
  expectNoErrors();
}

TEST_P(NumberRangeEditorTest, DeletingAsksFirst) {
  const int64_t id = addRange("A", 1);
  ui().answer(false);
  EXPECT_FALSE(DeleteNumberRange(session(), id));
  EXPECT_TRUE(stored(id));
  ui().answer(true);
  EXPECT_TRUE(DeleteNumberRange(session(), id));
  EXPECT_EQ(ui().texts("question"), (std::vector<std::string>(2, "Nummernkreis wirklich löschen ?")));
  EXPECT_FALSE(stored(id));
  expectNoErrors();
}

TEST_P(NumberRangeEditorTest, ARangeThatDocumentTypesDrawFromIsKept) {
  const int64_t id = addRange("A", 1);
  db().execute("UPDATE Belegarten SET NummerkreisID = " + std::to_string(id) +
               " WHERE Belegtitel IN ('Rechnung', 'Angebot')");
  EXPECT_FALSE(DeleteNumberRange(session(), id));
  EXPECT_EQ(lastMessage(),
            "Der Nummernkreis wird noch von diesen Belegarten verwendet: Angebot, Rechnung. Er kann nicht "
            "gelöscht werden.");
  EXPECT_TRUE(ui().texts("question").empty());
  EXPECT_TRUE(stored(id));
}

TEST_P(NumberRangeEditorTest, LeavingAChangedRangeOffersToSaveIt) {
  const int64_t id = addRange("A", 1);
  const NumberRangeDraft shown = DraftOf(*stored(id));
  const std::string question = "Daten wurden geändert und noch nicht gepeichert!\nJetzt speichern?";

  NumberRangeDraft unchanged = shown;
  EXPECT_TRUE(LeaveNumberRange(session(), shown, unchanged));
  EXPECT_TRUE(ui().texts("question").empty());

  NumberRangeDraft declined = shown;
  declined.vortext = "B";
  ui().answer(false);
  EXPECT_TRUE(LeaveNumberRange(session(), shown, declined));
  EXPECT_EQ(stored(id)->vortext, "A");

  NumberRangeDraft incomplete = shown;
  incomplete.nummer = "";
  ui().answer(true);
  EXPECT_FALSE(LeaveNumberRange(session(), shown, incomplete));
  EXPECT_EQ(lastMessage(), "Daten unvollständig!");

  NumberRangeDraft accepted = shown;
  accepted.vortext = "C";
  ui().answer(true);
  EXPECT_TRUE(LeaveNumberRange(session(), shown, accepted));
  EXPECT_EQ(stored(id)->vortext, "C");
  EXPECT_EQ(ui().texts("question"), (std::vector<std::string>(3, question)));
  expectNoErrors();
}

TEST_P(NumberRangeEditorTest, WithoutTheSystemRightNothingIsSavedOrDeleted) {
  const int64_t id = addRange("A", 1);
  withoutSystemRight();
  NumberRangeDraft added{0, "B", "1", "", 0};
  EXPECT_FALSE(SaveNumberRange(session(), added));
  EXPECT_EQ(lastMessage(), "Keine Berechtigung für diesen Programmteil");
  NumberRangeDraft changed = DraftOf(*stored(id));
  changed.vortext = "Z";
  EXPECT_FALSE(SaveNumberRange(session(), changed));
  EXPECT_FALSE(DeleteNumberRange(session(), id));
  EXPECT_EQ(ui().texts("message"), std::vector<std::string>(3, "Keine Berechtigung für diesen Programmteil"));
  EXPECT_TRUE(ui().texts("question").empty());
  EXPECT_EQ(stored(id)->vortext, "A");
  EXPECT_EQ(count("Nummerkreise"), 1);
  expectNoErrors();
}

ORVOSAL_ON_BOTH_ENGINES(NumberRangeEditorTest);

}  // namespace
}  // namespace orvosal
