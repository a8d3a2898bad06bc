#include "masterdata/articles/article_leave.h"

#include <gtest/gtest.h>

#include <string>

#include "masterdata/articles/article_editor.h"
#include "masterdata/articles/tests/article_test_support.h"

namespace orvosal {
namespace {

const std::string kQuestion = "Daten wurden geändert und noch nicht gespeichert!\nJetzt speichern?";

class ArticleLeaveTest : public testing::ArticleFixture {
 protected:
  Article storedArticle() { return *ReadArticle(session(), storeArticle("L-1", "Leiter")); }
};

TEST_P(ArticleLeaveTest, AnUnchangedArticleLeavesWithoutAQuestion) {
  const Article shown = storedArticle();
  Article entered = shown;
  EXPECT_TRUE(LeaveArticle(session(), shown, entered, ""));
  EXPECT_TRUE(ui().shown().empty());
}

TEST_P(ArticleLeaveTest, AChangedArticleIsSavedOnlyWhenTheUserSaysYesAndItCanBe) {
  struct Case {
    const char* name;
    bool yes;
    std::string description;
    std::string problem;
    bool leaves;
    std::string storedDescription;
    std::string message;
  };
  const Case cases[] = {
      {"declined", false, "Leiter 3 m", "", true, "Leiter", ""},
      {"saved", true, "Leiter 3 m", "", true, "Leiter 3 m", "Änderungen gespeichert"},
      {"refused by the rules", true, "", "", false, "Leiter", "Bitte Bezeichnung1 angegeben!"},
      {"typed text no value", true, "Leiter 4 m", "Bitte eine gültige Zahl eingeben.", false, "Leiter",
       "Bitte eine gültige Zahl eingeben."},
  };
  for (const Case& c : cases) {
    db().execute("DELETE FROM Artikel");
    const Article shown = storedArticle();
    Article entered = shown;
    entered.bezeichnung1 = c.description;
    ui().answer(c.yes);
    const size_t before = ui().texts("question").size();
    EXPECT_EQ(LeaveArticle(session(), shown, entered, c.problem), c.leaves) << c.name;
    EXPECT_EQ(ui().texts("question").size(), before + 1) << c.name;
    EXPECT_EQ(ui().texts("question").back(), kQuestion) << c.name;
    EXPECT_EQ(ReadArticle(session(), shown.id)->bezeichnung1, c.storedDescription) << c.name;
    if (!c.message.empty()) {
      EXPECT_EQ(ui().texts("message").back(), c.message) << c.name;
    }
  }
}

TEST_P(ArticleLeaveTest, ATypedTextThatIsNoValueCountsAsAChangeEvenWhenItReadsAsTheStoredValue) {
  const Article shown = storedArticle();
  Article entered = shown;
  ui().answer(false);
  EXPECT_TRUE(LeaveArticle(session(), shown, entered, "Bitte eine gültige Zahl eingeben."));
  EXPECT_EQ(ui().texts("question"), std::vector<std::string>{kQuestion});
}

ORVOSAL_ON_BOTH_ENGINES(ArticleLeaveTest);

}  // namespace
}  // namespace orvosal
