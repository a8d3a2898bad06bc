#include "core/rules/bank_code_editor.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/db/recordset.h"
#include "core/tests/db_test_support.h"
#include "core/users/current_user.h"

namespace orvosal {
namespace {

class BankCodeEditorTest : public testing::SeededBothEngines {
 protected:
  void SetUp() override {
    SeededBothEngines::SetUp();
    if (IsSkipped()) return;
    signInWithSystemRight();
    session().systemSettings()["WriteUserHsitory"] = "1";
  }
  int rows() { return Recordset(db(), "SELECT count(*) AS n FROM sBank")["n"].toInt(); }
  std::vector<std::string> messages() { return engine().ui().texts("message"); }
};

TEST_P(BankCodeEditorTest, AddChangeBrowseAndDelete) {
  EXPECT_FALSE(BrowseBankCode(session(), BankStep::First, 0));
  BankCode first{0, "Bundesbank", "10000000", "markdef1100", "10591", "Berlin"};
  ASSERT_TRUE(SaveBankCode(session(), first));
  EXPECT_GT(first.id, 0);
  EXPECT_EQ(first.bic, "MARKDEF1100");
  BankCode second{0, "Commerzbank", " 37040044 ", "", "50447", "Köln"};
  ASSERT_TRUE(SaveBankCode(session(), second));
  EXPECT_EQ(second.bankleitzahl, "37040044");

  EXPECT_EQ(BrowseBankCode(session(), BankStep::First, 0), first);
  EXPECT_EQ(BrowseBankCode(session(), BankStep::Next, first.id), second);
  EXPECT_EQ(BrowseBankCode(session(), BankStep::Previous, second.id), first);
  EXPECT_EQ(BrowseBankCode(session(), BankStep::Last, 0), second);
  EXPECT_FALSE(BrowseBankCode(session(), BankStep::Next, second.id));
  EXPECT_FALSE(BrowseBankCode(session(), BankStep::Previous, first.id));

  BankCode unchanged = second;
  EXPECT_FALSE(SaveBankCode(session(), unchanged));
  second.ort = "Frankfurt";
  EXPECT_TRUE(SaveBankCode(session(), second));
  EXPECT_EQ(BrowseBankCode(session(), BankStep::Last, 0)->ort, "Frankfurt");
  EXPECT_EQ(messages(),
            (std::vector<std::string>{"Daten gespeichert", "Daten gespeichert",
                                      "Keine Änderung!, nicht gespeichert", "Änderungen gespeichert"}));

  engine().ui().answer(false);
  EXPECT_FALSE(DeleteBankCode(session(), first.id));
  engine().ui().answer(true);
  EXPECT_TRUE(DeleteBankCode(session(), first.id));
  EXPECT_EQ(BrowseBankCode(session(), BankStep::First, 0), second);
  EXPECT_EQ(rows(), 1);
}

TEST_P(BankCodeEditorTest, BadInputIsRefusedWithItsReasonAndStoresNothing) {
  const std::pair<BankCode, std::string> cases[] = {
      {{0, "Bank", "1000000", "", "", ""}, "Die Bankleitzahl muss aus 8 Ziffern bestehen."},
      {{0, "Bank", "1000000X", "", "", ""}, "Die Bankleitzahl muss aus 8 Ziffern bestehen."},
      {{0, "Bank", "10000000", "MARK", "", ""}, "Die BIC ist ungültig"},
      {{0, std::string(51, 'x'), "10000000", "", "", ""}, "Der Text für Bankname ist länger als 50 Zeichen."},
      {{0, "Bank", "10000000", "", "", std::string(71, 'o')}, "Der Text für Ort ist länger als 70 Zeichen."},
  };
  for (const auto& [entered, reason] : cases) {
    BankCode bank = entered;
    EXPECT_FALSE(SaveBankCode(session(), bank));
    ASSERT_FALSE(messages().empty());
    EXPECT_TRUE(messages().back().starts_with(reason)) << messages().back();
  }
  BankCode umlauts{0, "", "10000000", "", "", ""};
  for (int i = 0; i < 50; ++i) umlauts.bankname += "ä";  // fifty characters, a hundred bytes
  EXPECT_TRUE(SaveBankCode(session(), umlauts));
  EXPECT_EQ(rows(), 1);
}

TEST_P(BankCodeEditorTest, SavingWritesTheUserHistory) {
  BankCode bank{0, "Bundesbank", "10000000", "", "", ""};
  ASSERT_TRUE(SaveBankCode(session(), bank));
  Recordset history(db(), "SELECT * FROM User_History ORDER BY ID DESC");
  ASSERT_FALSE(history.eof());
  EXPECT_EQ(history["Infotext"].toText(), "Bankleitzahl 10000000 erfasst");
}

TEST_P(BankCodeEditorTest, WithoutTheSystemRightNothingChanges) {
  BankCode bank{0, "Bundesbank", "10000000", "", "", ""};
  ASSERT_TRUE(SaveBankCode(session(), bank));
  session().area<CurrentUser>().rights["System"] = 0;
  BankCode other{0, "Andere", "20000000", "", "", ""};
  EXPECT_FALSE(SaveBankCode(session(), other));
  EXPECT_FALSE(DeleteBankCode(session(), bank.id));
  EXPECT_FALSE(ReadBankDirectory(session(), "/nicht/da"));
  EXPECT_EQ(messages().back(), "Keine Berechtigung für diesen Programmteil");
  EXPECT_EQ(rows(), 1);
}

TEST_P(BankCodeEditorTest, ReadingTheDirectoryAsksAndTellsTheCount) {
  const std::filesystem::path file = engine().folder() / "banks.data";
  std::ofstream(file)
      << "bankId=\"10000000\"\nbankName=\"Bundesbank\"\n\nbankId=\"20000000\"\nbankName=\"B\"\n";
  engine().ui().answer(false);
  EXPECT_FALSE(ReadBankDirectory(session(), file.string()));
  EXPECT_EQ(rows(), 0);
  engine().ui().answer(true);
  EXPECT_TRUE(ReadBankDirectory(session(), file.string()));
  EXPECT_EQ(messages().back(), "2 Banken eingelesen");
  EXPECT_EQ(rows(), 2);
}

ORVOSAL_ON_BOTH_ENGINES(BankCodeEditorTest);

}  // namespace
}  // namespace orvosal
