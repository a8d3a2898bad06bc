#include "core/startup/reference_import.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/startup/reference_csv.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::SeededBothEngines;
using Records = std::vector<std::vector<std::string>>;
using namespace std::string_literals;
using namespace std::string_view_literals;

Records readAll(std::string_view text) {
  CsvRecordReader reader(text);
  Records records;
  std::vector<std::string> fields;
  while (reader.next(fields)) records.push_back(fields);
  return records;
}

TEST(CsvRecordReaderTest, QuotedFieldsKeepSeparatorsQuotesAndLineBreaks) {
  EXPECT_EQ(readAll("a;\"b;c\";\"sagt \"\"ja\"\"\"\n\"zwei\nZeilen\";x;\n"),
            (Records{{"a", "b;c", "sagt \"ja\""}, {"zwei\nZeilen", "x", ""}}));
}

TEST(CsvRecordReaderTest, CrLfBlankLinesAndMissingLastLineBreak) {
  CsvRecordReader reader("PLZ;Ort\r\n\r\n  \r\n10115;Berlin\r\n\"80331\";\"München\"\r\n;");
  std::vector<std::string> fields;
  ASSERT_TRUE(reader.next(fields));
  EXPECT_EQ(fields, (std::vector<std::string>{"PLZ", "Ort"}));
  ASSERT_TRUE(reader.next(fields));
  EXPECT_EQ(fields, (std::vector<std::string>{"10115", "Berlin"}));
  EXPECT_EQ(reader.line(), 4);
  ASSERT_TRUE(reader.next(fields));
  EXPECT_EQ(fields, (std::vector<std::string>{"80331", "München"}));
  ASSERT_TRUE(reader.next(fields));
  EXPECT_EQ(fields, (std::vector<std::string>{"", ""}));
  EXPECT_EQ(reader.line(), 6);
  EXPECT_FALSE(reader.next(fields));
}

TEST(CsvRecordReaderTest, LineNumbersCountLineBreaksInsideQuotes) {
  CsvRecordReader reader("Werte\n\"a\nb\"\nc\n");
  std::vector<std::string> fields;
  reader.next(fields);
  reader.next(fields);
  EXPECT_EQ(reader.line(), 2);
  reader.next(fields);
  EXPECT_EQ(reader.line(), 4);
}

int faultLine(std::string_view text) {
  try {
    readAll(text);
  } catch (const ReferenceFileError& fault) {
    return fault.line();
  }
  return 0;
}

TEST(CsvRecordReaderTest, BrokenQuotesNameTheirLine) {
  EXPECT_EQ(faultLine("Werte\nok\n\"offen;\nweiter\n"), 3);
  EXPECT_EQ(faultLine("Werte\n\"zu\"viel\n"), 2);
  EXPECT_EQ(faultLine("Werte\n\"a\"\r\n\"b\"\n"), 0);
}

TEST(DecodeReferenceTextTest, Utf8StaysWindows1252IsConverted) {
  EXPECT_EQ(DecodeReferenceText("M\xC3\xBCller"), "Müller");
  EXPECT_EQ(DecodeReferenceText("\xEF\xBB\xBFWerte"), "Werte");
  EXPECT_EQ(DecodeReferenceText("M\xFCller;Stra\xDF"
                                "e;\x80"),
            "Müller;Straße;€");
}

int decodeFaultLine(std::string_view bytes) {
  try {
    DecodeReferenceText(bytes);
  } catch (const ReferenceFileError& fault) {
    return fault.line();
  }
  return 0;
}

TEST(DecodeReferenceTextTest, MixedEncodingsAndNulBytesAreRefusedAtTheirLine) {
  const std::pair<std::string_view, int> cases[] = {
      {"Ort\nM\xC3\xBCnchen\nK\xF6ln\n", 3},  // UTF-8 first, then one Windows-1252 byte
      {"Ort\nK\xF6ln\nM\xC3\xBCnchen\n", 2},  // the other way round
      {"\xEF\xBB\xBFOrt\nK\xF6ln\n", 2},      // the byte-order mark promises UTF-8
      {"Ort\nBer\0lin\n"sv, 2},               // NUL, even in ASCII text
      {"Ort\nK\xF6ln\nM\xFCnchen\n", 0},      // Windows-1252 throughout
  };
  for (const auto& [bytes, line] : cases) EXPECT_EQ(decodeFaultLine(bytes), line) << bytes;
}

class ReferenceImportTest : public SeededBothEngines {
 protected:
  std::filesystem::path file(std::string_view name) { return engine().folder() / name; }

  void write(std::string_view name, std::string_view content) {
    std::ofstream out(file(name), std::ios::binary);
    out << content;
  }

  // Every row of the table, its fields joined by "|", in key order.
  std::vector<std::string> rows(const std::string& table, const std::vector<std::string>& columns) {
    std::vector<std::string> result;
    for (Recordset rs(db(), "SELECT * FROM " + table + " ORDER BY ID"); !rs.eof(); rs.moveNext()) {
      std::string row;
      for (const auto& column : columns) row += (row.empty() ? "" : "|") + rs[column].toText();
      result.push_back(row);
    }
    return result;
  }

  void addBank(std::string_view name) {
    Recordset rs(db(), "SELECT Top 1 * FROM sBank");
    rs.addNew();
    rs.set("Bankname", Value(name));
    rs.update();
  }

  std::vector<std::string> messages() { return engine().ui().texts("message"); }
  std::vector<std::string> errors() { return engine().ui().texts("error"); }
};

TEST_P(ReferenceImportTest, AGoodFileReplacesTheTableOnceAndIsRenamed) {
  addBank("Alte Bank");
  write("sBank.csv",
        "bankleitzahl;BANKNAME;Ort\n"
        "10000000;Bundesbank;Berlin\n"
        "\"37040044\";\"Commerzbank; Köln\";\n");
  EXPECT_TRUE(ImportReferenceFile(session(), "sBank.csv", "sBank"));
  EXPECT_EQ(rows("sBank", {"Bankleitzahl", "Bankname", "Ort"}),
            (std::vector<std::string>{"10000000|Bundesbank|Berlin", "37040044|Commerzbank; Köln|"}));
  EXPECT_TRUE(Recordset(db(), "SELECT * FROM sBank WHERE [Bankleitzahl] IN ('37040044')")["Ort"].isNull());
  EXPECT_FALSE(std::filesystem::exists(file("sBank.csv")));
  EXPECT_TRUE(std::filesystem::exists(file("sBank.csv.imported")));

  addBank("Von Hand");
  ImportReferenceLists(session());
  EXPECT_EQ(rows("sBank", {"Bankname"}).size(), 3u);
  EXPECT_TRUE(messages().empty());
  EXPECT_TRUE(errors().empty());
}

TEST_P(ReferenceImportTest, AllFourListsAreImportedAtStart) {
  write("sPLZ.csv", "PLZ;Ort;Vorwahl\n10115;Berlin;030\n80331;München;089\n");
  write("sBank.csv", "Bankname;BIC\nBundesbank;MARKDEF1100\n");
  write("CSV_Database_of_Last_Names.csv", "Werte\nMüller\n");
  write("CSV_Database_of_First_Names.csv", "Werte\nAnna\nBernd\n");
  ImportReferenceLists(session());
  EXPECT_EQ(rows("sPLZ", {"PLZ", "Ort", "Vorwahl"}),
            (std::vector<std::string>{"10115|Berlin|030", "80331|München|089"}));
  EXPECT_EQ(rows("sBank", {"Bankname", "BIC"}), (std::vector<std::string>{"Bundesbank|MARKDEF1100"}));
  EXPECT_EQ(rows("Find_Nachnamen", {"Werte"}), (std::vector<std::string>{"Müller"}));
  EXPECT_EQ(rows("Find_Vornamen", {"Werte"}), (std::vector<std::string>{"Anna", "Bernd"}));
  for (const char* name :
       {"sPLZ.csv", "sBank.csv", "CSV_Database_of_Last_Names.csv", "CSV_Database_of_First_Names.csv"}) {
    EXPECT_TRUE(std::filesystem::exists(file(std::string(name) + ".imported"))) << name;
  }
}

TEST_P(ReferenceImportTest, Windows1252UmlautsArriveAsTheyWereMeant) {
  write("CSV_Database_of_Last_Names.csv",
        "Werte\r\nM\xFCller\r\nSch\xE4"
        "fer\r\nGro\xDF\r\n");
  EXPECT_TRUE(ImportReferenceFile(session(), "CSV_Database_of_Last_Names.csv", "Find_Nachnamen"));
  EXPECT_EQ(rows("Find_Nachnamen", {"Werte"}), (std::vector<std::string>{"Müller", "Schäfer", "Groß"}));
  EXPECT_EQ(
      Recordset(db(), "SELECT count(*) AS n FROM Find_Nachnamen WHERE [Werte] = 'Schäfer'")["n"].toInt(), 1);
}

TEST_P(ReferenceImportTest, AMalformedLineLeavesTheTableAndNamesFileAndLine) {
  addBank("Alte Bank");
  write("sBank.csv", "Bankname;Ort\nErste;Berlin\n\nZweite;Hamburg;zuviel\nDritte;Bonn\n");
  EXPECT_FALSE(ImportReferenceFile(session(), "sBank.csv", "sBank"));
  EXPECT_EQ(rows("sBank", {"Bankname"}), (std::vector<std::string>{"Alte Bank"}));
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0],
            "Die Datei \"sBank.csv\" wurde nicht eingelesen.\n"
            "Zeile 4: Die Zeile hat 3 Felder, die Kopfzeile nennt 2 Spalten.\n"
            "Die Tabelle sBank bleibt unverändert. Bitte berichtigen Sie die Datei; sie wird beim nächsten "
            "Start erneut eingelesen.");
  EXPECT_TRUE(std::filesystem::exists(file("sBank.csv")));
  EXPECT_FALSE(std::filesystem::exists(file("sBank.csv.imported")));
  EXPECT_TRUE(errors().empty());

  // The table stays usable: the corrected file goes in.
  write("sBank.csv", "Bankname;Ort\nErste;Berlin\n");
  EXPECT_TRUE(ImportReferenceFile(session(), "sBank.csv", "sBank"));
  EXPECT_EQ(rows("sBank", {"Bankname", "Ort"}), (std::vector<std::string>{"Erste|Berlin"}));
}

TEST_P(ReferenceImportTest, EncodingFaultsLeaveTheTableAndReachTheLog) {
  write("sPLZ.csv", "PLZ;Ort\n10115;Berlin\n");
  ASSERT_TRUE(ImportReferenceFile(session(), "sPLZ.csv", "sPLZ"));
  write("sPLZ.csv", "PLZ;Ort\n80331;M\xC3\xBCnchen\n50667;K\xF6ln\n");
  EXPECT_FALSE(ImportReferenceFile(session(), "sPLZ.csv", "sPLZ"));
  write("sPLZ.csv", "PLZ;Ort\n20095;Ham\0burg\n"s);
  EXPECT_FALSE(ImportReferenceFile(session(), "sPLZ.csv", "sPLZ"));
  EXPECT_EQ(rows("sPLZ", {"PLZ", "Ort"}), (std::vector<std::string>{"10115|Berlin"}));
  ASSERT_EQ(messages().size(), 2u);
  EXPECT_NE(messages()[0].find("Zeile 3: Die Datei ist sonst in UTF-8 geschrieben, diese Zeile aber nicht"),
            std::string::npos)
      << messages()[0];
  EXPECT_NE(messages()[1].find("Zeile 2: Die Zeile enthält ein Nullzeichen (Byte 0)."), std::string::npos)
      << messages()[1];
  std::ifstream log(engine().folder() / "error_log.txt");
  const std::string logged((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
  EXPECT_NE(logged.find("Zeile 2: Die Zeile enthält ein Nullzeichen"), std::string::npos) << logged;
}

TEST_P(ReferenceImportTest, HeaderFaultsAreReportedOnLineOne) {
  const std::pair<const char*, const char*> cases[] = {
      {"PLZ;Stadt\n", "Zeile 1: Die Spalte 'Stadt' gibt es in der Tabelle sPLZ nicht."},
      {"ID;PLZ\n", "Zeile 1: Die Spalte 'ID' wird vom Programm vergeben"},
      {"PLZ;plz\n", "Zeile 1: Die Spalte 'plz' steht zweimal in der Kopfzeile."},
      {"PLZ;;Ort\n", "Zeile 1: Die Kopfzeile enthält eine Spalte ohne Namen."},
      {"\n\n", "Zeile 1: Die Datei enthält keine Kopfzeile."},
  };
  for (const auto& [content, expected] : cases) {
    SCOPED_TRACE(content);
    write("sPLZ.csv", content);
    EXPECT_FALSE(ImportReferenceFile(session(), "sPLZ.csv", "sPLZ"));
    ASSERT_FALSE(messages().empty());
    EXPECT_NE(messages().back().find(expected), std::string::npos) << messages().back();
  }
}

TEST_P(ReferenceImportTest, AValueThatDoesNotFitNamesLineAndColumn) {
  write("sPLZ.csv", "PLZ;ort\n10115;Berlin\n20095;" + std::string(51, 'x') + "\n");
  EXPECT_FALSE(ImportReferenceFile(session(), "sPLZ.csv", "sPLZ"));
  EXPECT_TRUE(rows("sPLZ", {"PLZ"}).empty());
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_NE(
      messages()[0].find("Zeile 3: Der Text für die Spalte 'ort' ist länger als die erlaubten 50 Zeichen."),
      std::string::npos)
      << messages()[0];

  write("sVorwahlen.csv", "Ortsnetzname;KennzeichenAktiv\nBerlin;1\nHamburg;ja\n");
  EXPECT_FALSE(ImportReferenceFile(session(), "sVorwahlen.csv", "sVorwahlen"));
  ASSERT_EQ(messages().size(), 2u);
  EXPECT_NE(messages()[1].find("Zeile 3: Der Wert 'ja' passt nicht in die Spalte 'KennzeichenAktiv'."),
            std::string::npos)
      << messages()[1];
  EXPECT_EQ(Recordset(db(), "SELECT count(*) AS n FROM sVorwahlen")["n"].toInt(), 0);
}

TEST_P(ReferenceImportTest, AFileWithoutDataLinesDoesNotEmptyTheTable) {
  addBank("Alte Bank");
  write("sBank.csv", "Bankname\n");
  EXPECT_FALSE(ImportReferenceFile(session(), "sBank.csv", "sBank"));
  EXPECT_EQ(rows("sBank", {"Bankname"}), (std::vector<std::string>{"Alte Bank"}));
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_NE(messages()[0].find("Die Datei enthält keine Datenzeilen."), std::string::npos);
}

TEST_P(ReferenceImportTest, AMissingFileIsSkipped) {
  addBank("Alte Bank");
  EXPECT_FALSE(ImportReferenceFile(session(), "sBank.csv", "sBank"));
  ImportReferenceLists(session());
  EXPECT_EQ(rows("sBank", {"Bankname"}), (std::vector<std::string>{"Alte Bank"}));
  EXPECT_TRUE(messages().empty());
  EXPECT_TRUE(errors().empty());
}

ORVOSAL_ON_BOTH_ENGINES(ReferenceImportTest);

}  // namespace
}  // namespace orvosal
