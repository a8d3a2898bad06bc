#include "core/users/user_history.h"

#include <gtest/gtest.h>

#include "core/tests/user_fixture.h"
#include "core/users/sign_in.h"

namespace orvosal {
namespace {

using testing::UserFixture;

class UserHistoryTest : public UserFixture {
 protected:
  void SetUp() override {
    UserFixture::SetUp();
    if (IsSkipped()) return;
    userId_ = addUser("Meier", "Sommer1");
    ASSERT_TRUE(CheckLogin(session(), "Meier", "Sommer1"));
  }
  void historyOn(const char* value) { session().systemSettings()["WriteUserHsitory"] = value; }

  int64_t userId_ = 0;
};

TEST_P(UserHistoryTest, NothingIsRecordedUnlessTheSettingIsOne) {
  WriteUserHistory(session(), "Kunde gespeichert", "frmKunden", 12);
  historyOn("0");
  WriteUserHistory(session(), "Kunde gespeichert", "frmKunden", 12);
  historyOn("2");
  WriteUserHistory(session(), "Kunde gespeichert", "frmKunden", 12);
  EXPECT_EQ(count("User_History"), 0);
}

TEST_P(UserHistoryTest, AnEmptyTextIsNotRecorded) {
  historyOn("1");
  WriteUserHistory(session(), "", "frmKunden", 12);
  EXPECT_EQ(count("User_History"), 0);
}

TEST_P(UserHistoryTest, RecordsUserDateTextWindowAndRecord) {
  historyOn("1");
  WriteUserHistory(session(), "Kunde gespeichert", "frmKunden", 12);
  Recordset rs(db(), "SELECT * FROM User_History");
  ASSERT_FALSE(rs.eof());
  EXPECT_EQ(rs["UserID"].toInt(), userId_);
  EXPECT_EQ(rs["Datum"].toDateTime()->date().toGerman(), "05.03.2024");
  EXPECT_EQ(rs["Infotext"].toText(), "Kunde gespeichert");
  EXPECT_EQ(rs["FormName"].toText(), "frmKunden");
  EXPECT_EQ(rs["IDNummer"].toInt(), 12);
  rs.moveNext();
  EXPECT_TRUE(rs.eof());
  expectNoErrors();
}

TEST_P(UserHistoryTest, TextsLongerThanTheirColumnsAreCut) {
  historyOn("1");
  std::string text;
  for (int i = 0; i < 160; ++i) text += "ä";
  WriteUserHistory(session(), text, "frmBenutzerverwaltung", 0);
  Recordset rs(db(), "SELECT * FROM User_History");
  ASSERT_FALSE(rs.eof());
  EXPECT_EQ(rs["Infotext"].toText(), text.substr(0, 300));
  EXPECT_EQ(rs["FormName"].toText(), "frmBenutzerverwaltun");
  expectNoErrors();
}

ORVOSAL_ON_BOTH_ENGINES(UserHistoryTest);

}  // namespace
}  // namespace orvosal
