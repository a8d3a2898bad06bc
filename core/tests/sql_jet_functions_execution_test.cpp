// Expressions in the old engines' SQL, translated and run on both engines: each must give the value
// the old engines give on a German system. PostgreSQL only when ORVOSAL_TEST_PG names a server.
#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "core/tests/sql_translator_test_support.h"

namespace orvosal::testing {
namespace {

struct JetCase {
  std::string_view expression;
  std::string_view expected;  // as text; numbers without trailing zeros of their decimals
};

// 2.50 and 2.0 as 2.5 and 2: the engines differ in how many decimals their numbers carry.
std::string withoutTrailingZeros(std::string text) {
  const size_t point = text.find('.');
  if (point == std::string::npos || text.find_first_not_of("-0123456789.") != std::string::npos) return text;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

template <typename Database>
class JetFunctions : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!db.available()) GTEST_SKIP() << "ORVOSAL_TEST_PG is not set";
  }

  void expectValues(const std::vector<JetCase>& cases) {
    for (const auto& [expression, expected] : cases) {
      const std::string sql = "SELECT " + std::string(expression);
      try {
        const Rows rows = db.query(sql);
        ASSERT_EQ(rows.size(), 1u) << sql;
        EXPECT_EQ(withoutTrailingZeros(rows.front()), expected) << sql;
      } catch (const std::exception& error) {
        ADD_FAILURE() << sql << ": " << error.what();
      }
    }
  }

  void expectRows(const std::vector<std::pair<std::string_view, Rows>>& cases) {
    for (const auto& [sql, expected] : cases) {
      try {
        EXPECT_EQ(db.query(sql), expected) << sql;
      } catch (const std::exception& error) {
        ADD_FAILURE() << sql << ": " << error.what();
      }
    }
  }

  Database db;
};

using JetFunctionEngines = ::testing::Types<SqliteTestDatabase, PostgresTestDatabase>;
TYPED_TEST_SUITE(JetFunctions, JetFunctionEngines);

TYPED_TEST(JetFunctions, Text) {
  this->expectValues({
      {"Len('Müller')", "6"},
      {"Len(12.5)", "4"},
      {"Len(Null)", "NULL"},
      {"Len(#3/5/2024#)", "10"},
      {"Mid('Rechnung', 3, 4)", "chnu"},
      {"Mid('Rechnung', 5)", "nung"},
      {"Mid('Größe', 3, 1)", "ö"},
      {"Mid('abc', 5)", ""},
      {"Left('Straße', 4)", "Stra"},
      {"Right('Straße', 3)", "aße"},
      {"Right('ab', 5)", "ab"},
      {"Left(Null, 2)", "NULL"},
      {"InStr('Müllerstraße', 'STRAßE')", "7"},
      {"InStr('abcabc', 'c')", "3"},
      {"InStr(4, 'abcabc', 'C')", "6"},
      {"InStr('Äpfel', 'äp')", "1"},
      {"InStr('abc', 'x')", "0"},
      {"InStr('abc', '')", "1"},
      {"InStr('', 'a')", "0"},
      {"InStr(Null, 'a')", "NULL"},
      {"UCase('straße ä')", "STRAßE Ä"},
      {"LCase('ÄÖÜ Abc')", "äöü abc"},
      {"Trim('  a b  ')", "a b"},
      {"LTrim('  a ')", "a "},
      {"RTrim('  a ')", "  a"},
  });
}

TYPED_TEST(JetFunctions, Format) {
  this->expectValues({
      {"Format(#3/5/2024 14:07:09#, 'dd.mm.yyyy')", "05.03.2024"},
      {"Format(#3/5/2024#, 'yyyy-mm-dd')", "2024-03-05"},
      {"Format(#3/5/2024#, 'mm/yyyy')", "03.2024"},
      {"Format(#3/5/2024#, 'yyyy')", "2024"},
      {"Format(#3/5/2024#, 'd.m.yy')", "5.3.24"},
      {"Format(#3/5/2024 14:07:09#, 'hh:nn:ss')", "14:07:09"},
      {"Format(#3/5/2024 14:07:09#, 'hh:mm')", "14:07"},
      {"Format(#3/5/2024#, 'Short Date')", "05.03.2024"},
      {"Format(#3/5/2024#, '\"KW\" ww, q. \"Quartal\"')", "KW 10, 1. Quartal"},
      {"Format('2024-03-05', 'dd.mm.yyyy')", "05.03.2024"},
      {"Format(1234.5, '0.00')", "1234,50"},
      {"Format(1234.5, '#,##0.00')", "1.234,50"},
      {"Format(1234567, '#,##0')", "1.234.567"},
      {"Format(42, '00000')", "00042"},
      {"Format(2.5, '0')", "3"},
      {"Format(-2.5, '0')", "-3"},
      {"Format(0.5, '#.00')", ",50"},
      {"Format(0.456, '0.0%')", "45,6%"},
      {"Format(3.1, '0.00 €')", "3,10 €"},
      {"Format(1234.5, 'Standard')", "1.234,50"},
      {"Format('12,5', '0.00')", "12,50"},
      {"Format('abc', '0.00')", "abc"},
      {"Format(Null, '0.00')", "NULL"},
  });
}

TYPED_TEST(JetFunctions, Dates) {
  this->expectValues({
      {"DateAdd('m', 1, #1/31/2024#)", "2024-02-29 00:00:00"},
      {"DateAdd('yyyy', 1, #2/29/2024#)", "2025-02-28 00:00:00"},
      {"DateAdd('q', 1, #11/30/2024#)", "2025-02-28 00:00:00"},
      {"DateAdd('d', -1, #3/1/2024 10:15:00#)", "2024-02-29 10:15:00"},
      {"DateAdd('ww', 2, #3/5/2024#)", "2024-03-19 00:00:00"},
      {"DateAdd('h', 25, #3/5/2024 23:30:00#)", "2024-03-07 00:30:00"},
      {"DateAdd('n', -90, #3/5/2024 00:30:00#)", "2024-03-04 23:00:00"},
      {"DateAdd('s', 45, #3/5/2024 23:59:30#)", "2024-03-06 00:00:15"},
      {"DateAdd(day, 1, #3/5/2024#)", "2024-03-06 00:00:00"},
      {"DateAdd('d', 1, '05.03.2024')", "2024-03-06 00:00:00"},
      {"DateAdd('x', 1, #3/5/2024#)", "NULL"},
      {"DateAdd('d', 1, Null)", "NULL"},
      {"DateDiff('yyyy', #12/31/2023#, #1/1/2024#)", "1"},
      {"DateDiff('q', #3/31/2024#, #4/1/2024#)", "1"},
      {"DateDiff('m', #1/31/2024#, #2/1/2024#)", "1"},
      {"DateDiff('d', #3/1/2024 23:00:00#, #3/2/2024 01:00:00#)", "1"},
      {"DateDiff('d', #3/5/2024#, #3/1/2024#)", "-4"},
      {"DateDiff('w', #3/1/2024#, #3/14/2024#)", "1"},
      {"DateDiff('ww', #3/2/2024#, #3/3/2024#)", "1"},
      {"DateDiff('ww', #3/3/2024#, #3/9/2024#)", "0"},
      {"DateDiff('h', #3/5/2024 10:59:59#, #3/5/2024 11:00:00#)", "1"},
      {"DateDiff('n', #3/5/2024 10:00:00#, #3/5/2024 09:58:30#)", "-2"},
      {"DateDiff('s', #3/5/2024 10:00:00#, #3/5/2024 10:01:05#)", "65"},
      {"DateDiff(month, #1/15/2024#, #3/1/2024#)", "2"},
      {"DatePart('yyyy', #3/5/2024#)", "2024"},
      {"DatePart('q', #8/5/2024#)", "3"},
      {"DatePart('m', #3/5/2024#)", "3"},
      {"DatePart('y', #3/5/2024#)", "65"},
      {"DatePart('d', #3/5/2024#)", "5"},
      {"DatePart('w', #3/5/2024#)", "3"},
      {"DatePart('w', #3/3/2024#)", "1"},
      {"DatePart('ww', #3/5/2024#)", "10"},
      {"DatePart('ww', #1/1/2022#)", "1"},
      {"DatePart('ww', #1/2/2022#)", "2"},
      {"DatePart('h', #3/5/2024 14:07:09#)", "14"},
      {"DatePart('n', #3/5/2024 14:07:09#)", "7"},
      {"DatePart('s', #3/5/2024 14:07:09#)", "9"},
      {"Year(#3/5/2024#) * 100 + Month(#3/5/2024#)", "202403"},
      {"Day(#3/5/2024#)", "5"},
  });
}

TYPED_TEST(JetFunctions, ConversionsAndRounding) {
  this->expectValues({
      {"Val('12abc')", "12"},
      {"Val('  1 2 ')", "12"},
      {"Val('-3.5e2x')", "-350"},
      {"Val('.5')", "0.5"},
      {"Val('1,5')", "1"},
      {"Val('abc')", "0"},
      {"Val('')", "0"},
      {"Val(2.5)", "2.5"},
      {"CStr(2.5)", "2,5"},
      {"CStr(12)", "12"},
      {"CStr(#3/5/2024#)", "05.03.2024"},
      {"CStr(#3/5/2024 14:30:15#)", "05.03.2024 14:30:15"},
      {"CInt(2.5)", "2"},
      {"CInt(3.5)", "4"},
      {"CInt(-2.5)", "-2"},
      {"CLng('7,5')", "8"},
      {"CInt('abc')", "NULL"},
      {"CDbl('1,5')", "1.5"},
      {"CDbl(3)", "3"},
      {"CDate('05.03.2024')", "2024-03-05 00:00:00"},
      {"CDate('2024-03-05 10:00')", "2024-03-05 10:00:00"},
      {"CDate('kein Datum')", "NULL"},
      {"ccur(2.71828)", "2.7183"},
      {"Abs(-3)", "3"},
      {"Int(-2.5)", "-3"},
      {"Int(2.7)", "2"},
      {"Fix(-2.5)", "-2"},
      {"Fix(2.7)", "2"},
      {"Round(2.5)", "2"},
      {"Round(3.5)", "4"},
      {"Round(-2.5)", "-2"},
      {"Round(2.675, 2)", "2.68"},
      {"Round(0.125, 2)", "0.12"},
      {"Round(1.005, 2)", "1"},
      {"Round(2.4449, 2)", "2.44"},
      {"Round(Null, 2)", "NULL"},
      {"IIf(1 > 2, 'a', 'b')", "b"},
      {"Nz(Null, 'x')", "x"},
  });
}

TYPED_TEST(JetFunctions, Concatenation) {
  this->expectValues({
      {"Null & 'x'", "x"},
      {"'a' & Null & 'b'", "ab"},
      {"'Nr. ' & 1 + 2", "Nr. 3"},
      {"'x' & 2.5", "x2,5"},
      {"'Datum: ' & #3/5/2024#", "Datum: 05.03.2024"},
      {"UCase('a' & 'b') & Left('cd', 1)", "ABc"},
      {"Len('ab' & Null)", "2"},
      {"Null + 1", "NULL"},
  });
}

TYPED_TEST(JetFunctions, FiltersOnColumns) {
  auto& db = this->db;
  db.translator().setColumnKindLookup([](std::string_view column) {
    if (column == "aktiv") return ColumnKind::Bit;
    if (column == "datum") return ColumnKind::DateTime;
    return column == "name" ? ColumnKind::Text : ColumnKind::Integer;
  });
  db.execute("CREATE TABLE K (ID COUNTER PRIMARY KEY, Name TEXT(30), Datum DATETIME, Menge int, Aktiv BIT)");
  db.execute("INSERT INTO K (Name, Datum, Menge, Aktiv) VALUES ('Müller', #3/5/2024#, 3, True)");
  db.execute("INSERT INTO K (Name, Datum, Menge, Aktiv) VALUES ('Schmidt', #12/24/2023 18:00:00#, Null, 0)");
  db.execute("INSERT INTO K (Name, Datum, Menge, Aktiv) VALUES (Null, Null, 7, -1)");
  this->expectRows({
      {"SELECT ID FROM K WHERE InStr(Name, 'LL') > 0", Rows{"1"}},
      {"SELECT ID FROM K WHERE UCase(Name) = 'MÜLLER'", Rows{"1"}},
      {"SELECT ID FROM K WHERE Left(Name, 2) = 'sc'", Rows{"2"}},
      {"SELECT ID FROM K WHERE Name & 'x' = 'MÜLLERX'", Rows{"1"}},
      {"SELECT ID FROM K WHERE Len(Trim(Name)) = 7", Rows{"2"}},
      {"SELECT Format(Datum, 'dd.mm.yyyy') FROM K ORDER BY ID", (Rows{"05.03.2024", "24.12.2023", "NULL"})},
      {"SELECT ID FROM K WHERE Year(Datum) = 2023", Rows{"2"}},
      {"SELECT ID FROM K WHERE DateDiff('d', Datum, #3/6/2024#) = 1", Rows{"1"}},
      {"SELECT ID FROM K WHERE Datum < DateAdd('m', -2, #3/5/2024#)", Rows{"2"}},
      {"SELECT Name & ' (' & Menge & ')' FROM K ORDER BY ID", (Rows{"Müller (3)", "Schmidt ()", " (7)"})},
      {"SELECT ID FROM K WHERE Aktiv = -1 ORDER BY ID", (Rows{"1", "3"})},
      {"SELECT ID FROM K WHERE [Aktiv] = True ORDER BY ID", (Rows{"1", "3"})},
      {"SELECT ID FROM K WHERE [Aktiv] <> 0 ORDER BY ID", (Rows{"1", "3"})},
      {"SELECT ID FROM K WHERE Not [Aktiv]", Rows{"2"}},
      {"SELECT ID FROM K WHERE Aktiv IN (-1) AND Menge - 1 = 2", Rows{"1"}},
      {"SELECT ID FROM K WHERE -1 = K.Aktiv AND Menge > 5", Rows{"3"}},
  });
  db.execute("UPDATE K SET Aktiv = -1 WHERE ID = 2");
  EXPECT_EQ(db.query("SELECT Count(*) FROM K WHERE Aktiv = True"), Rows{"3"});
}

TYPED_TEST(JetFunctions, TopPercentAndUnion) {
  auto& db = this->db;
  db.execute("CREATE TABLE P (ID COUNTER PRIMARY KEY, Name TEXT(20))");
  for (const char* name : {"a", "b", "c", "d", "e"})
    db.execute(std::string("INSERT INTO P (Name) VALUES ('") + name + "')");
  this->expectRows({
      {"SELECT TOP 40 PERCENT Name FROM P ORDER BY ID DESC", (Rows{"e", "d"})},
      {"SELECT TOP 50 PERCENT Name FROM P ORDER BY ID", (Rows{"a", "b", "c"})},
      {"SELECT TOP 100 PERCENT Name FROM P WHERE ID > 3 ORDER BY ID", (Rows{"d", "e"})},
      {"SELECT TOP 1 PERCENT Name FROM P WHERE ID > 9", Rows{}},
      {"SELECT TOP 30.5 PERCENT Name FROM P ORDER BY ID", (Rows{"a", "b"})},
      {"SELECT DISTINCT TOP 2 Name FROM P WHERE ID < 3 UNION SELECT Name FROM P WHERE ID = 5 ORDER BY Name",
       (Rows{"a", "b", "e"})},
      {"SELECT Name FROM P WHERE ID = 5 UNION ALL SELECT TOP 20 PERCENT Name FROM P WHERE ID = 1 ORDER BY "
       "Name",
       (Rows{"a", "e"})},
      {"SELECT Name FROM P WHERE ID IN (SELECT TOP 2 ID FROM P ORDER BY ID DESC) ORDER BY Name",
       (Rows{"d", "e"})},
  });
  EXPECT_EQ(db.query("SELECT TOP 2 Name FROM P UNION ALL SELECT TOP 1 Name FROM P ORDER BY Name").size(), 3u);
}

}  // namespace
}  // namespace orvosal::testing
