#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/company/company.h"
#include "masterdata/articles/tests/article_test_support.h"
#include "masterdata/printing/address_report.h"
#include "masterdata/printing/article_report.h"

namespace orvosal {
namespace {

using orvosal::testing::ArticleFixture;

std::string text(const ReportValues& values, const std::string& name) {
  const ReportValue* value = values.find(name);
  return value ? value->text : "<fehlt>";
}

std::vector<std::string> column(const ReportData& data, const std::string& name) {
  std::vector<std::string> texts;
  for (const ReportValues& record : data.records) texts.push_back(text(record, name));
  return texts;
}

class ListReportTest : public ArticleFixture {};

TEST_P(ListReportTest, AddressListHoldsTheFilteredAddressesInNameOrder) {
  storeAddress(true, "Zander", "Uwe", "K3");
  storeAddress(false, "Meier", "Hans", "L1");
  storeAddress(true, "Ärmel", "Anna", "K1");
  storeAddress(true, "Becker", "Jörg", "K2");
  struct Case {
    AddressListFilter filter;
    std::vector<std::string> names;
    std::string filterText;
  };
  const Case cases[] = {
      {{}, {"Ärmel", "Becker", "Meier", "Zander"}, ""},
      {{.search = "", .isCustomer = true, .field = AddressSearchField::FreeText},
       {"Ärmel", "Becker", "Zander"},
       "Kunden"},
      {{.search = "", .isCustomer = false, .field = AddressSearchField::FreeText}, {"Meier"}, "Lieferanten"},
      {{.search = "er", .isCustomer = std::nullopt, .field = AddressSearchField::FreeText},
       {"Becker", "Meier", "Zander"},
       "Suche „er“"},
      {{.search = "er", .isCustomer = true, .field = AddressSearchField::FreeText},
       {"Becker", "Zander"},
       "Kunden, Suche „er“"},
      {{.search = "Niemand", .isCustomer = std::nullopt, .field = AddressSearchField::FreeText},
       {},
       "Suche „Niemand“"},
      {{.search = "Be", .isCustomer = std::nullopt, .field = AddressSearchField::Name},
       {"Becker"},
       "Suche „Be“"},
  };
  for (const Case& c : cases) {
    const ReportData data = AddressListReport(session(), c.filter);
    EXPECT_EQ(column(data, "Adressen.Name"), c.names) << c.filterText;
    EXPECT_EQ(text(data.variables, "Filter"), c.filterText);
    EXPECT_EQ(text(data.variables, "Anzahl"), std::to_string(c.names.size()));
    EXPECT_EQ(text(data.variables, "Titel"), "Adressliste");
  }
}

TEST_P(ListReportTest, AddressFieldsKeepTheirKinds) {
  const int64_t id = storeAddress(false, "Meier", "Hans", "L1");
  execute("UPDATE Adressen SET Rabatt = 2.5, Zahlungsziel = 14, GebDat = #3/5/1970# WHERE ID = " +
          std::to_string(id));
  const ReportData data = AddressListReport(session(), {});
  ASSERT_EQ(data.records.size(), 1u);
  const ReportValues& record = data.records.front();
  struct Case {
    const char* name;
    ReportValue expected;
  };
  const Case cases[] = {
      {"Adressen.ID", {std::to_string(id), ReportValueType::Number}},
      {"Adressen.Name", {"Meier", ReportValueType::Text}},
      {"adressen.vorname", {"Hans", ReportValueType::Text}},
      {"Adressen.Kunde", {"N", ReportValueType::Boolean}},
      {"Adressen.Rabatt", {"2.5000", ReportValueType::Number}},
      {"Adressen.Zahlungsziel", {"14", ReportValueType::Number}},
      {"Adressen.GebDat", {"1970-03-05", ReportValueType::Date}},
      {"Adressen.Geändert", {"", ReportValueType::Date}},
      {"Adressart", {"Lieferant", ReportValueType::Text}},
      {"Anschrift", {"Hans Meier", ReportValueType::Text}},
  };
  for (const Case& c : cases) {
    const ReportValue* value = record.find(c.name);
    ASSERT_NE(value, nullptr) << c.name;
    EXPECT_EQ(*value, c.expected) << c.name;
  }
}

TEST(AddressBlockTest, LeavesOutEmptyLinesAndTheHomeCountry) {
  struct Case {
    const char* anrede;
    const char* titel;
    const char* vorname;
    const char* name;
    const char* zusatz;
    const char* straße;
    const char* plz;
    const char* ort;
    const char* land;
    const char* block;
  };
  const Case cases[] = {
      {"Herrn", "Dr.", "Hans", "Meier", "c/o Büro", "Hauptstraße 1", "10115", "Berlin", "Deutschland",
       "Herrn\nDr. Hans Meier\nc/o Büro\nHauptstraße 1\n10115 Berlin"},
      {"", "Dr.", "", "Meier", "", "Hauptstraße 1", "10115", "Berlin", "",
       "Dr. Meier\nHauptstraße 1\n10115 Berlin"},
      {"", "", "", "Muster SARL", "", "1 rue de la Paix", "75002", "Paris", "Frankreich",
       "Muster SARL\n1 rue de la Paix\n75002 Paris\nFrankreich"},
      {"", "", "", "Muster GmbH", " ", "", "", "Köln", "DE", "Muster GmbH\nKöln"},
  };
  for (const Case& c : cases) {
    Address address;
    address.anrede = c.anrede;
    address.titel = c.titel;
    address.vorname = c.vorname;
    address.name = c.name;
    address.zusatz = c.zusatz;
    address.straße = c.straße;
    address.plz = c.plz;
    address.ort = c.ort;
    address.land = c.land;
    EXPECT_EQ(AddressBlock(address), c.block);
  }
}

TEST_P(ListReportTest, ListVariablesCarryTheCompanyButNotItsMasterPassword) {
  Company company;
  company.name = "Muster & Söhne GmbH";
  company.iban = "DE02120300000000202051";
  company.masterPassword = "geheim";
  company.logo = "logo.png";
  session().area<Company>() = company;
  const ReportData data = AddressListReport(session(), {});
  EXPECT_EQ(text(data.variables, "Firma_Name"), "Muster & Söhne GmbH");
  EXPECT_EQ(text(data.variables, "Firma_IBAN"), "DE02120300000000202051");
  for (const auto& [name, value] : data.variables.all()) EXPECT_NE(value.text, "geheim") << name;
  const ReportValue* logo = data.variables.find("Firma_Logo");
  ASSERT_NE(logo, nullptr);
  EXPECT_EQ(logo->type, ReportValueType::Picture);
  EXPECT_EQ(logo->text, (engine().folder() / "logo.png").string());
  const ReportValue* printed = data.variables.find("Druckdatum");
  ASSERT_NE(printed, nullptr);
  EXPECT_EQ(printed->type, ReportValueType::Date);
}

TEST_P(ListReportTest, ArticleListSumsStockAndStockValue) {
  storeArticle("A-2", "Schraube M4", Currency::fromInteger(1));
  storeArticle("A-1", "Mutter M4", Currency::fromInteger(2));
  storeArticle("B-1", "Dübel", Currency::fromInteger(3));
  execute(
      "UPDATE Artikel SET Bestand = 10, Einkaufspreis = 0.25, Warengruppe = 'Schrauben' WHERE Artikelnummer "
      "= 'A-2'");
  execute(
      "UPDATE Artikel SET Bestand = 4, Einkaufspreis = 1.5, Warengruppe = 'Schrauben' WHERE Artikelnummer = "
      "'A-1'");
  execute(
      "UPDATE Artikel SET Bestand = 100, Einkaufspreis = 0.1, Warengruppe = 'Dübel' WHERE Artikelnummer = "
      "'B-1'");
  struct Case {
    ArticleListFilter filter;
    std::vector<std::string> numbers;
    std::string stock;
    std::string stockValue;
    std::string filterText;
  };
  const Case cases[] = {
      {{}, {"A-1", "A-2", "B-1"}, "114.0000", "18.5000", ""},
      {{.search = "", .warengruppe = "Schrauben", .field = std::nullopt, .lieferant = 0},
       {"A-1", "A-2"},
       "14.0000",
       "8.5000",
       "Warengruppe „Schrauben“"},
      {{.search = "M4", .warengruppe = "", .field = std::nullopt, .lieferant = 0},
       {"A-1", "A-2"},
       "14.0000",
       "8.5000",
       "Suche „M4“"},
      {{.search = "1", .warengruppe = "", .field = std::nullopt, .lieferant = 0},
       {"A-1", "B-1"},
       "104.0000",
       "16.0000",
       "Suche „1“"},
      {{.search = "A", .warengruppe = "", .field = ArticleSearchField::Number, .lieferant = 0},
       {"A-1", "A-2"},
       "14.0000",
       "8.5000",
       "Suche „A“"},
  };
  for (const Case& c : cases) {
    const ReportData data = ArticleListReport(session(), c.filter);
    EXPECT_EQ(column(data, "Artikel.Artikelnummer"), c.numbers) << c.filterText;
    EXPECT_EQ(text(data.variables, "Summe_Bestand"), c.stock) << c.filterText;
    EXPECT_EQ(text(data.variables, "Summe_Lagerwert"), c.stockValue) << c.filterText;
    EXPECT_EQ(text(data.variables, "Filter"), c.filterText);
    EXPECT_EQ(text(data.variables, "Titel"), "Artikelliste");
  }
  const ReportData all = ArticleListReport(session(), {});
  EXPECT_EQ(column(all, "Lagerwert"), (std::vector<std::string>{"6.0000", "2.5000", "10.0000"}));
  EXPECT_EQ(column(all, "Artikel.Warengruppe"),
            (std::vector<std::string>{"Schrauben", "Schrauben", "Dübel"}));
}

ORVOSAL_ON_BOTH_ENGINES(ListReportTest);

}  // namespace
}  // namespace orvosal
