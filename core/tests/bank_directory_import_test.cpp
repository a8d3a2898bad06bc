#include "core/startup/bank_directory_import.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/rules/iban_to_bic.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

constexpr const char* kSample =
    "# Kommentar\n"
    "bankId=\"10000000\"\n"
    "bic=\"MARKDEF1100\"\n"
    "bankName=\"Bundesbank\"\n"
    "location=\"Berlin\"\n"
    "zipcode=\"10591\"\n"
    "city=\"Berlin\"\n"
    "services {\n"
    "}\n"
    "\n"
    "bankId=\"10010010\"\n"
    "bic=\"PBNKDEFFXXX\"\n"
    "bankName=\"Bank f%C3%BCr Sozialwirtschaft mit einem Namen, der l%C3%A4nger als f%C3%BCnfzig Zeichen "
    "ist\"\n"
    "zipcode=\"50667\"\n"
    "city=\"K%C3%B6ln\"\n"
    "services {\n"
    "  element {\n"
    "    type=\"HBCI\"\n"
    "    address=\"https%3A%2F%2Fhbci.example.de\"\n"
    "  }\n"
    "}\n"
    "\n"
    "bankId=\"10010010\"\n"
    "bic=\"\"\n"
    "bankName=\"Zweigstelle\"\n"
    "city=\"Potsdam\"\n"
    "\n"
    "bankId=\"20000000\"\n"
    "bic=\"\"\n"
    "bankName=\"Ohne BIC\"\n";

class BankDirectoryImportTest : public testing::SeededBothEngines {
 protected:
  std::filesystem::path write(const std::string& content) {
    const std::filesystem::path path = engine().folder() / "banks.data";
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }

  std::vector<std::string> banks() {
    std::vector<std::string> rows;
    for (Recordset rs(db(), "SELECT * FROM sBank ORDER BY Bankleitzahl"); !rs.eof(); rs.moveNext()) {
      rows.push_back(rs["Bankleitzahl"].toText() + "|" + rs["BIC"].toText() + "|" + rs["Bankname"].toText() +
                     "|" + rs["PLZ"].toText() + "|" + rs["Ort"].toText());
    }
    return rows;
  }

  void addBank(const char* name) {
    Recordset rs(db(), "SELECT Top 1 * FROM sBank");
    rs.addNew();
    rs.set("Bankname", Value(name));
    rs.update();
  }
};

TEST_P(BankDirectoryImportTest, ReplacesTheTableWithOneRowPerBankCode) {
  addBank("Alte Bank");
  const BankDirectoryImport result = ImportBankDirectory(session(), write(kSample));
  EXPECT_TRUE(result.ok()) << result.error;
  EXPECT_EQ(result.banks, 3);
  EXPECT_EQ(banks(), (std::vector<std::string>{
                         "10000000|MARKDEF1100|Bundesbank|10591|Berlin",
                         "10010010|PBNKDEFFXXX|Bank für Sozialwirtschaft mit einem Namen, der län|50667|Köln",
                         "20000000||Ohne BIC||",
                     }));
}

TEST_P(BankDirectoryImportTest, FaultyFilesNameFileAndLineAndChangeNothing) {
  addBank("Alte Bank");
  const std::pair<std::string, std::string> cases[] = {
      {std::string(kSample) + "bankName Fehler\n", "Zeile 31: Die Zeile hat nicht die Form name=\"Wert\""},
      {std::string(kSample) + "services {\n",
       "Zeile 31: Eine mit { geöffnete Gruppe wird nicht geschlossen."},
      {std::string(kSample) + "}\n", "Zeile 31: Zu dieser } gehört keine {."},
      {std::string(kSample) + "\nbankName=\"Ohne Code\"\n", "Zeile 32: Der Eintrag hat keine Bankleitzahl"},
      {"bankId=\"1234567\"\n", "Zeile 1: Der Eintrag hat keine Bankleitzahl aus 8 Ziffern ('1234567')."},
      {"bankId=\"10000000\"\nbankName=\"100%\"\n", "Zeile 2: Das Zeichen % steht nicht"},
      {"# nur ein Kommentar\n", "Die Datei enthält keine Bank."},
  };
  for (const auto& [content, reason] : cases) {
    const std::filesystem::path path = write(content);
    const BankDirectoryImport result = ImportBankDirectory(session(), path);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.banks, 0);
    EXPECT_TRUE(
        result.error.starts_with("Das Bankverzeichnis \"" + path.string() + "\" wurde nicht eingelesen.\n"))
        << result.error;
    EXPECT_NE(result.error.find(reason), std::string::npos) << result.error;
    EXPECT_EQ(banks(), (std::vector<std::string>{"||Alte Bank||"}));
  }
  const BankDirectoryImport missing = ImportBankDirectory(session(), engine().folder() / "fehlt.data");
  EXPECT_NE(missing.error.find("fehlt.data\" wurde nicht eingelesen.\nDie Datei kann nicht gelesen werden."),
            std::string::npos)
      << missing.error;
  EXPECT_EQ(banks().size(), 1u);
}

TEST_P(BankDirectoryImportTest, TheInstalledGermanDirectory) {
  if (!std::filesystem::exists(DefaultBankDirectoryPath()))
    GTEST_SKIP() << "libaqbanking-data is not installed: " << DefaultBankDirectoryPath();
  const BankDirectoryImport result = ImportBankDirectory(session(), DefaultBankDirectoryPath());
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_GT(result.banks, 1000);
  EXPECT_EQ(Recordset(db(), "SELECT count(*) AS n FROM sBank")["n"].toInt(), result.banks);
  std::string bic;
  std::string name;
  IBAN_To_BIC(session(), "DE21100000000000000000", bic, name);
  EXPECT_EQ(bic, "MARKDEF1100");
  EXPECT_EQ(name, "Bundesbank");
}

ORVOSAL_ON_BOTH_ENGINES(BankDirectoryImportTest);

}  // namespace
}  // namespace orvosal
