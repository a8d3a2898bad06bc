#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/company/company.h"
#include "core/company/company_logo.h"
#include "core/company/save_company.h"
#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/tests/db_test_support.h"
#include "core/tests/file_text.h"
#include "core/users/current_user.h"

namespace orvosal {
namespace {

using orvosal::testing::SeededBothEngines;
using orvosal::testing::TemporaryFolder;

const std::string kPngBytes("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
const std::string kJpegBytes("\xff\xd8\xff\xe0\0\x10JFIF", 10);

void writeFile(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

// Company data a German invoice can be printed with.
Company validCompany() {
  Company company;
  company.name = "Holzbau Lehmann GmbH";
  company.strasse = "Am Sägewerk 3";
  company.plz = "01067";
  company.ort = "Dresden";
  company.bank = "Ostsächsische Sparkasse";
  company.iban = "DE89370400440532013000";
  company.bic = "DEUTDEFF";
  company.euIdentNr = "DE123456789";
  company.masterPassword = "17";
  return company;
}

class CompanyTest : public SeededBothEngines {
 protected:
  void SetUp() override {
    SeededBothEngines::SetUp();
    if (IsSkipped()) return;
    signInWithSystemRight();
    session().systemSettings()["WriteUserHsitory"] = "1";
  }

  Company stored() { return ReadCompany(db()).value_or(Company{}); }
  int64_t count(const std::string& table) {
    return Recordset(db(), "SELECT count(*) AS n FROM " + table)["n"].toInt();
  }
  std::vector<std::string> messages() { return engine().ui().texts("message"); }
  void expectNoErrors() {
    EXPECT_TRUE(engine().ui().texts("error").empty()) << engine().ui().texts("error").front();
  }
};

TEST_P(CompanyTest, EveryColumnSurvivesWritingAndReadingBack) {
  // A distinct text per column, short enough for the narrowest one (BIC, 11 characters).
  Company written;
  int index = 0;
  for (const FieldDef<Company>& field : CompanyFields()) {
    if (!field.key) setFieldValue(written, field, Value("W" + std::to_string(++index) + "äß"));
  }
  const int64_t id = WriteCompany(db(), written);
  written.id = id;
  EXPECT_EQ(differences(written, stored(), CompanyFields()), std::vector<std::string>{});
  EXPECT_EQ(count("Firmendaten"), 1) << "the seeded row is overwritten, not joined by another";

  db().execute("DELETE FROM Firmendaten");
  EXPECT_FALSE(ReadCompany(db()).has_value());
  written.id = WriteCompany(db(), written);
  EXPECT_EQ(count("Firmendaten"), 1);
  EXPECT_EQ(differences(written, stored(), CompanyFields()), std::vector<std::string>{});
}

TEST_P(CompanyTest, EveryColumnOfTheTableHasItsField) {
  Recordset rs(db(), "SELECT Top 1 * FROM Firmendaten");
  ASSERT_EQ(rs.fieldCount(), static_cast<int>(CompanyFields().size()));
  for (int i = 0; i < rs.fieldCount(); ++i) EXPECT_NO_THROW(findField(CompanyFields(), rs.fieldName(i)));
}

TEST_P(CompanyTest, SavingNormalisesTheIdentifiersReloadsTheSessionAndRecordsIt) {
  Company company = validCompany();
  company.iban = "de89 3704 0044 0532 0130 00";
  company.bic2 = "cobade hd055";
  company.euIdentNr = "de 123 456 789";
  const CompanyChangeOutcome outcome = SaveCompany(session(), company);
  EXPECT_TRUE(outcome.changed);
  EXPECT_EQ(outcome.message, "Änderungen gespeichert");
  const Company now = stored();
  EXPECT_EQ(now.iban, "DE89370400440532013000");
  EXPECT_EQ(now.bic2, "COBADEHD055");
  EXPECT_EQ(now.euIdentNr, "DE123456789");
  EXPECT_EQ(now.name, "Holzbau Lehmann GmbH");
  EXPECT_EQ(company, now);
  EXPECT_EQ(session().area<Company>(), now);
  EXPECT_EQ(count("User_History WHERE ([FormName] = 'Firmendaten')"), 1);

  // Typed again in another form, the same identifiers are no change.
  Company again = now;
  again.iban = "DE89 3704 0044 0532 0130 00";
  again.euIdentNr = "de123456789";
  const CompanyChangeOutcome unchanged = SaveCompany(session(), again);
  EXPECT_FALSE(unchanged.changed);
  EXPECT_EQ(unchanged.message, "Keine Änderung!, nicht gespeichert");
  EXPECT_EQ(count("User_History WHERE ([FormName] = 'Firmendaten')"), 1);
  expectNoErrors();
}

TEST_P(CompanyTest, AnEmptyTableGetsItsRow) {
  db().execute("DELETE FROM Firmendaten");
  Company company = validCompany();
  const CompanyChangeOutcome outcome = SaveCompany(session(), company);
  EXPECT_EQ(outcome.message, "Daten gespeichert");
  EXPECT_EQ(count("Firmendaten"), 1);
  EXPECT_EQ(stored().name, "Holzbau Lehmann GmbH");
  EXPECT_EQ(session().area<Company>().id, stored().id);
}

TEST_P(CompanyTest, InvalidDataIsRefusedWithItsMessageAndNothingIsWritten) {
  struct Case {
    void (*change)(Company&);
    const char* message;  // a part of the message
  };
  const Case cases[] = {
      {[](Company& c) { c.name = "  "; }, "Bitte den Namen der Firma eingeben!"},
      {[](Company& c) { c.iban = "DE89370400440532013001"; }, "Die IBAN der Bank 1 'DE89370400440532013001'"},
      {[](Company& c) { c.iban2 = "DE89 3704 0044"; }, "Die IBAN der Bank 2"},
      {[](Company& c) { c.bic = "DEUTDEF"; }, "Die BIC der Bank 1 'DEUTDEF' ist ungültig"},
      {[](Company& c) { c.bic2 = "DEUTDEFF5"; }, "Die BIC der Bank 2"},
      {[](Company& c) { c.euIdentNr = "DE12345678"; }, "Die USt-IdNr. 'DE12345678' ist ungültig"},
  };
  const Company before = stored();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    Company company = validCompany();
    c.change(company);
    const Company entered = company;
    const CompanyChangeOutcome outcome = SaveCompany(session(), company);
    EXPECT_FALSE(outcome.changed);
    EXPECT_NE(outcome.message.find(c.message), std::string::npos) << outcome.message;
    EXPECT_EQ(differences(before, stored(), CompanyFields()), std::vector<std::string>{});
    EXPECT_EQ(company, entered) << "a refused save leaves the entries as typed";
  }
  EXPECT_EQ(count("User_History"), 0);
  expectNoErrors();
}

TEST_P(CompanyTest, WithoutTheSystemRightTheUserIsToldAndNothingIsWritten) {
  session().area<CurrentUser>().rights["System"] = 0;
  const Company before = stored();
  Company company = validCompany();
  const CompanyChangeOutcome outcome = SaveCompany(session(), company);
  EXPECT_FALSE(outcome.changed);
  EXPECT_EQ(messages(), std::vector<std::string>{"Keine Berechtigung für diesen Programmteil"});
  EXPECT_EQ(stored(), before);
}

TEST_P(CompanyTest, ANewLogoIsCopiedAndReplacesTheOlderOne) {
  TemporaryFolder images;
  writeFile(images.path() / "logo klein.PNG", kPngBytes);
  writeFile(images.path() / "foto.jpeg", kJpegBytes);
  const std::filesystem::path& folder = engine().folder();

  Company company = validCompany();
  EXPECT_TRUE(SaveCompany(session(), company, images.path() / "logo klein.PNG").changed);
  EXPECT_EQ(stored().logo, "Firmenlogo.png");
  EXPECT_EQ(fileText(folder / "Firmenlogo.png"), kPngBytes);

  EXPECT_TRUE(SaveCompany(session(), company, images.path() / "foto.jpeg").changed);
  EXPECT_EQ(stored().logo, "Firmenlogo.jpg");
  EXPECT_EQ(session().area<Company>().logo, "Firmenlogo.jpg");
  EXPECT_EQ(fileText(folder / "Firmenlogo.jpg"), kJpegBytes);
  EXPECT_FALSE(std::filesystem::exists(folder / "Firmenlogo.png"));

  // The installed logo chosen again is kept as it is.
  EXPECT_TRUE(SaveCompany(session(), company, folder / "Firmenlogo.jpg").changed);
  EXPECT_EQ(fileText(folder / "Firmenlogo.jpg"), kJpegBytes);
  expectNoErrors();
}

TEST_P(CompanyTest, AFileThatIsNoImageIsRefusedAndNothingIsCopied) {
  TemporaryFolder files;
  writeFile(files.path() / "brief.png", "Sehr geehrte Damen und Herren");
  writeFile(files.path() / "leer.jpg", "");
  struct Case {
    std::filesystem::path file;
    const char* message;
  };
  const Case cases[] = {
      {files.path() / "brief.png", "ist kein Bild im Format PNG, JPEG, GIF oder BMP"},
      {files.path() / "leer.jpg", "ist kein Bild"},
      {files.path() / "fehlt.png", "ist nicht vorhanden oder nicht lesbar"},
      {files.path(), "ist nicht vorhanden oder nicht lesbar"},
  };
  const Company before = stored();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file.string());
    Company company = validCompany();
    const CompanyChangeOutcome outcome = SaveCompany(session(), company, c.file);
    EXPECT_FALSE(outcome.changed);
    EXPECT_NE(outcome.message.find(c.message), std::string::npos) << outcome.message;
    EXPECT_EQ(stored(), before);
  }
  for (const char* name : {"Firmenlogo.png", "Firmenlogo.jpg"})
    EXPECT_FALSE(std::filesystem::exists(engine().folder() / name));
}

TEST(CompanyLogo, TheImageTypeComesFromTheFirstBytesNotTheName) {
  TemporaryFolder files;
  struct Case {
    const char* name;
    std::string bytes;
    const char* type;  // nullptr: no image
  };
  const Case cases[] = {
      {"a.jpg", kPngBytes, "png"},    {"b.png", kJpegBytes, "jpg"},
      {"c", "GIF89a\x01\x00", "gif"}, {"d.gif", "GIF87a", "gif"},
      {"e.bmp", "BM\x36\x00", "bmp"}, {"f.png", std::string(kPngBytes, 0, 7), nullptr},
      {"g.jpg", "\xff\xd8", nullptr}, {"h.txt", "PNG", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    writeFile(files.path() / c.name, c.bytes);
    const auto type = LogoImageType(files.path() / c.name);
    if (c.type == nullptr) {
      EXPECT_FALSE(type.has_value());
    } else {
      EXPECT_EQ(type.value_or("-"), c.type);
      EXPECT_EQ(LogoFileName(files.path() / c.name), std::string("Firmenlogo.") + c.type);
    }
  }
}

ORVOSAL_ON_BOTH_ENGINES(CompanyTest);

}  // namespace
}  // namespace orvosal
