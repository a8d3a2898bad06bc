#include "documents/numbering/number_draw.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/db/recordset.h"
#include "core/rules/legacy_counters.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::SeededBothEngines;

// The clock of the test sessions stands in 2024.
class NumberDrawTest : public SeededBothEngines {
 protected:
  int64_t addRange(const Value& vortext, const Value& nummer, const Value& nachtext, int stellen) {
    Recordset rs(db(), "SELECT * FROM Nummerkreise WHERE (ID = 0)");
    rs.addNew();
    rs.set("Vortext", vortext);
    rs.set("Nummer", nummer);
    rs.set("Nachtext", nachtext);
    rs.set("Stellen", Value(stellen));
    rs.update();
    return rs["ID"].toInt();
  }

  int64_t storedRangeNumber(int64_t id) {
    Recordset rs(db(), "SELECT * FROM Nummerkreise WHERE ([ID] IN (" + std::to_string(id) + "))");
    return rs["Nummer"].toInt();
  }

  // A type of the area with its own counter, or drawing from a range or the legacy counter.
  int64_t addType(bool sales, const Value& beginntext, const Value& nummer, bool allgemeine = false,
                  int64_t range = 0) {
    Recordset rs(db(), "SELECT * FROM Belegarten WHERE (ID = 0)");
    rs.addNew();
    rs.set("Belegtitel", Value("Typ " + std::to_string(++types_)));
    rs.set("Formularname", Value("Typ" + std::to_string(types_)));
    rs.set("Kundenbereich", Value(sales));
    rs.set("Aktiv", Value(1));
    rs.set("Beginntext", beginntext);
    rs.set("Nummer", nummer);
    rs.set("Allgemeine", Value(allgemeine));
    rs.set("NummerkreisID", Value(range));
    rs.update();
    return rs["ID"].toInt();
  }

  Value typeCounter(int64_t type) {
    Recordset rs(db(), "SELECT * FROM Belegarten WHERE ([ID] IN (" + std::to_string(type) + "))");
    return rs["Nummer"];
  }

  int64_t addDocument(bool sales, const std::string& number, int64_t type = 0) {
    Recordset rs(db(), "SELECT Top 1 * FROM Belegkopf");
    rs.addNew();
    rs.set("Kunde", Value(sales));
    if (!number.empty()) rs.set("Belegnummer", Value(number));
    if (type > 0) rs.set("BelegartenID", Value(type));
    rs.update();
    return rs["BelegID"].toInt();
  }

  std::string documentNumber(int64_t id) {
    Recordset rs(db(), "SELECT * FROM Belegkopf WHERE ([BelegID] IN (" + std::to_string(id) + "))");
    return rs["Belegnummer"].toText();
  }

  std::string legacyCounter(const char* column) {
    Recordset rs(db(), "Select Top 1 * from Nummernkreise");
    return rs.eof() ? "(keine Zeile)" : rs[column].toText();
  }

  int types_ = 0;
};

TEST_P(NumberDrawTest, SharedRangesPadTheirNumberAndAdvanceOnlyWhenDrawn) {
  struct Case {
    const char* vortext;
    int nummer;
    const char* nachtext;
    int stellen;
    bool erhoehen;
    const char* expected;
    int storedAfter;
  };
  const Case cases[] = {
      {"RE-[JJJJ]-", 7, "", 4, true, "RE-2024-0007", 8},
      {"RE-[JJJJ]-", 7, "", 4, false, "RE-2024-0007", 7},
      {"", 1234, "", 3, true, "234", 1235},
      {"", 5, "", 0, true, "5", 6},
      {"[jahr]/", 1, "/[yy]", 2, true, "2024/01/24", 2},
      {"A", 3, "", -1, true, "", 4},
  };
  for (const Case& c : cases) {
    const int64_t range = addRange(Value(c.vortext), Value(c.nummer), Value(c.nachtext), c.stellen);
    EXPECT_EQ(Create_DB_Beleg_Nummer(session(), std::to_string(range), c.erhoehen), c.expected) << c.vortext;
    EXPECT_EQ(storedRangeNumber(range), c.storedAfter) << c.vortext;
  }
  EXPECT_EQ(Create_DB_Beleg_Nummer(session(), "abc", true), "");
  EXPECT_EQ(Create_DB_Beleg_Nummer(session(), "999", true), "");
  EXPECT_EQ(Create_DB_Beleg_Nummer(session(), "1) OR (1=1", true), "");
  EXPECT_TRUE(engine().ui().shown().empty());
}

TEST_P(NumberDrawTest, ATypesOwnCounterSkipsNumbersOfItsAreaButIsNotAdvancedPastTheAnswer) {
  const int64_t quote = addType(true, Value("AN"), Value(100));
  addDocument(true, "AN100");
  addDocument(false, "AN101");  // a purchase document does not take a sales number
  EXPECT_EQ(Create_DB_Beleg_Nummer_FROM_Belegart(session(), std::to_string(quote), false), "AN100");
  EXPECT_EQ(typeCounter(quote).toInt(), 100);
  EXPECT_EQ(Create_DB_Beleg_Nummer_FROM_Belegart(session(), std::to_string(quote), true), "AN101");
  EXPECT_EQ(typeCounter(quote).toInt(), 101);
  EXPECT_EQ(Create_DB_Beleg_Nummer_FROM_Belegart(session(), std::to_string(quote), true), "AN101");

  const int64_t fresh = addType(true, Value("RE-[JJ]-"), Value());
  EXPECT_EQ(Create_DB_Beleg_Nummer_FROM_Belegart(session(), std::to_string(fresh), false), "RE-24-1");
  EXPECT_EQ(typeCounter(fresh).toInt(), 1);
  EXPECT_EQ(Create_DB_Beleg_Nummer_FROM_Belegart(session(), "77", true), "");
  EXPECT_EQ(Create_DB_Beleg_Nummer_FROM_Belegart(session(), "x", true), "");
}

TEST_P(NumberDrawTest, TypesOnASharedRangeOrTheAreaCounterDrawPastTakenNumbers) {
  const int64_t range = addRange(Value("R"), Value(5), Value(), 0);
  const int64_t invoice = addType(true, Value(), Value(1), true, range);
  addDocument(true, "R5");
  addDocument(true, "R6");
  EXPECT_EQ(Create_DB_Beleg_Nummer_FROM_Belegart(session(), std::to_string(invoice), false), "R5");
  EXPECT_EQ(Create_DB_Beleg_Nummer_FROM_Belegart(session(), std::to_string(invoice), true), "R7");
  EXPECT_EQ(storedRangeNumber(range), 8);

  // No range named: the legacy counter of the area, its row made on first use.
  const int64_t sales = addType(true, Value(), Value(1), true);
  const int64_t purchase = addType(false, Value(), Value(1), true);
  EXPECT_EQ(Create_DB_Beleg_Nummer_FROM_Belegart(session(), std::to_string(sales), false), "1");
  EXPECT_EQ(legacyCounter("Verkauf"), "(keine Zeile)");
  EXPECT_EQ(Create_DB_Beleg_Nummer_FROM_Belegart(session(), std::to_string(sales), true), "1");
  EXPECT_EQ(legacyCounter("Verkauf"), "2");
  EXPECT_EQ(legacyCounter("Einkauf"), "1");
  addDocument(false, "1");
  addDocument(false, "2");
  EXPECT_EQ(Create_DB_Beleg_Nummer_FROM_Belegart(session(), std::to_string(purchase), true), "3");
  EXPECT_EQ(legacyCounter("Einkauf"), "4");
}

TEST_P(NumberDrawTest, LegacyCountersCountTheirDigitsUpInPlace) {
  EXPECT_EQ(Next_Nummernkreis_Wert(session(), "K"), "1");
  EXPECT_EQ(legacyCounter("NextKunde"), "2");
  EXPECT_EQ(legacyCounter("NextLfd"), "1");
  EXPECT_EQ(legacyCounter("VorgangsNummer"), "1");
  db().execute("UPDATE Nummernkreise SET NextKunde = 'K-0099/B', NextKundeA = 41, Kommission = Null");
  EXPECT_EQ(Next_Nummernkreis_Wert(session(), "K"), "K-0099/B");
  EXPECT_EQ(legacyCounter("NextKunde"), "K-0100/B");
  EXPECT_EQ(Next_Nummernkreis_Wert(session(), "KA"), "41");
  EXPECT_EQ(legacyCounter("NextKundeA"), "42");
  EXPECT_EQ(Next_Nummernkreis_Wert(session(), "KM"), "");
  EXPECT_EQ(legacyCounter("Kommission"), "1");
  EXPECT_EQ(Next_Nummernkreis_Wert(session(), "X"), "");
  EXPECT_EQ(Next_Nummernkreis_Wert(session(), "k"), "");
  EXPECT_EQ(legacyCounter("NextKunde"), "K-0100/B");
}

TEST(CountUp, DigitsAsOneNumberInTheirPlaces) {
  const std::pair<const char*, const char*> cases[] = {
      {"K0099", "K0100"}, {"R-09/B", "R-10/B"}, {"9", "10"},
      {"199", "200"},     {"A9B9", "A10B0"},    {"A1B2", "A1B3"},
      {"", "1"},          {"ABC", "ABC1"},      {"007", "008"},
  };
  for (const auto& [from, to] : cases) EXPECT_EQ(countUp(from), to) << from;
}

TEST_P(NumberDrawTest, PrintingGivesADocumentWithoutNumberOneAndMovesTheOwnCounterPast) {
  session().systemSettings()["Automatic"] = "1";
  const int64_t type = addType(true, Value("LS"), Value(1));
  addDocument(true, "LS1");
  const int64_t first = addDocument(true, "", type);
  const int64_t second = addDocument(true, "", type);
  const int64_t typed = addDocument(true, "eigene 7", type);
  EXPECT_EQ(assignDocumentNumber(session(), first), "LS2");
  EXPECT_EQ(documentNumber(first), "LS2");
  EXPECT_EQ(typeCounter(type).toInt(), 3);
  EXPECT_EQ(assignDocumentNumber(session(), first), "");
  EXPECT_EQ(documentNumber(first), "LS2");
  EXPECT_EQ(assignDocumentNumber(session(), typed), "");
  EXPECT_EQ(documentNumber(typed), "eigene 7");
  EXPECT_EQ(assignDocumentNumber(session(), 987654), "");

  session().systemSettings()["Automatic"] = "0";
  EXPECT_EQ(assignDocumentNumber(session(), second), "");
  EXPECT_EQ(documentNumber(second), "");
  session().systemSettings()["Automatic"] = "1";
  EXPECT_EQ(assignDocumentNumber(session(), second), "LS3");

  // A type whose counter is set up by the draw answers its first number unchecked; the document
  // still receives a free one.
  const int64_t fresh = addType(true, Value("N"), Value());
  addDocument(true, "N1");
  const int64_t third = addDocument(true, "", fresh);
  EXPECT_EQ(assignDocumentNumber(session(), third), "N2");
  EXPECT_EQ(typeCounter(fresh).toInt(), 3);
}

ORVOSAL_ON_BOTH_ENGINES(NumberDrawTest);

}  // namespace
}  // namespace orvosal
