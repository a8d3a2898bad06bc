#include "masterdata/articles/price_import.h"

#include <gtest/gtest.h>

#include "core/db/recordset.h"
#include "masterdata/addresses/tests/address_test_support.h"
#include "masterdata/spreadsheets/csv_reader.h"
#include "masterdata/spreadsheets/tests/xlsx_test_file.h"

namespace orvosal {
namespace {

using orvosal::testing::AddressFixture;

Currency eurosOf(std::string_view text) { return *Currency::parse(text); }

SpreadsheetTable csv(std::string_view text) { return std::get<SpreadsheetTable>(ReadCsv(text, {})); }

PriceImportMapping mapping(std::string_view target, std::string number = "Artikelnummer",
                           std::string price = "Preis") {
  PriceImportMapping result;
  result.numberColumn = std::move(number);
  result.priceColumn = std::move(price);
  EXPECT_TRUE(setPriceImportTarget(result, target)) << target;
  return result;
}

class PriceImportTest : public AddressFixture {
 protected:
  void SetUp() override {
    AddressFixture::SetUp();
    signInWith({"Artikel", "Save_Artikel"});
  }

  int64_t storeArticle(const std::string& number, std::string_view purchase, std::string_view selling) {
    Recordset rs(db(), "SELECT Top 1 * FROM Artikel");
    rs.addNew();
    rs.set("Artikelnummer", Value(number));
    rs.set("Bezeichnung1", Value("Artikel " + number));
    rs.set("Einkaufspreis", Value(eurosOf(purchase)));
    rs.set("Verkaufspreis1", Value(eurosOf(selling)));
    rs.set("Verkaufspreis2", Value(eurosOf(selling)));
    rs.update();
    return rs["ID"].toInt();
  }

  void storeSupplierPrice(int64_t article, int64_t supplier, std::string_view price,
                          const std::string& orderNumber) {
    Recordset rs(db(), "SELECT Top 1 * FROM LieferantenPreise");
    rs.addNew();
    rs.set("Artikel_ID", Value(article));
    rs.set("LieferantenID", Value(supplier));
    rs.set("Preis", Value(eurosOf(price)));
    rs.set("Bestellummer", Value(orderNumber));
    rs.update();
  }

  Currency price(int64_t article, const std::string& column) {
    return Recordset(db(),
                     "SELECT [" + column + "] FROM Artikel WHERE [ID] = " + std::to_string(article))[column]
        .toCurrency();
  }

  // Every price column of every article, to see that a refused import changed none.
  std::string allPrices() {
    std::string all;
    for (Recordset rs(db(), "SELECT * FROM Artikel ORDER BY [ID]"); !rs.eof(); rs.moveNext()) {
      for (const char* column : {"Einkaufspreis", "Verkaufspreis1", "Verkaufspreis2", "geändert"}) {
        all += rs[column].toText() + ";";
      }
    }
    for (Recordset rs(db(), "SELECT * FROM LieferantenPreise ORDER BY [ID]"); !rs.eof(); rs.moveNext()) {
      all += rs["Artikel_ID"].toText() + "/" + rs["Preis"].toText() + ";";
    }
    return all;
  }
};

TEST_P(PriceImportTest, GermanAndPointDecimalsSetTheLevelTheChangeDateAndTheHistory) {
  session().systemSettings()["WriteUserHsitory"] = "1";
  const int64_t a = storeArticle("4711", "1", "10");
  const int64_t b = storeArticle("B-2", "1", "12,50");
  const int64_t c = storeArticle("C-3", "1", "3");
  const int64_t untouched = storeArticle("D-4", "1", "4");
  const PriceImportResult result =
      ImportPrices(session(), csv("Artikelnummer;Preis\n4711;1.234,56\nB-2;12.50\n\"c-3\";\"7,1\u00A0€\"\n"),
                   mapping("Verkaufspreis2"));
  ASSERT_EQ(result.error, "");
  EXPECT_TRUE(result.written);
  EXPECT_EQ(result.changes, (std::vector<PriceChange>{{2, a, "4711", eurosOf("10"), eurosOf("1234,56")},
                                                      {4, c, "C-3", eurosOf("3"), eurosOf("7,10")}}));
  EXPECT_EQ(result.unchanged, 1);
  EXPECT_EQ(price(a, "Verkaufspreis2"), eurosOf("1234,56"));
  EXPECT_EQ(price(a, "Verkaufspreis1"), eurosOf("10"));
  EXPECT_EQ(price(c, "Verkaufspreis2"), eurosOf("7,1"));
  EXPECT_EQ(price(untouched, "Verkaufspreis2"), eurosOf("4"));
  const auto changedAt = [&](int64_t id) {
    return Recordset(db(), "SELECT [geändert] FROM Artikel WHERE [ID] = " + std::to_string(id))["geändert"]
        .toDateTime();
  };
  EXPECT_EQ(changedAt(a), session().clock().now());
  EXPECT_EQ(changedAt(b), std::nullopt);
  EXPECT_EQ(countRows("User_History", "[FormName] = 'frmArtikel'"), 2);
  EXPECT_EQ(countRows("User_History",
                      "[Infotext] = 'Artikel-ID " + std::to_string(c) +
                          " geändert (Preisimport Verkaufspreis2)' AND [IDNummer] = " + std::to_string(c)),
            1);
}

TEST_P(PriceImportTest, ABadLineStopsTheImportNamesTheLineAndChangesNothing) {
  storeArticle("4711", "1", "10");
  storeArticle("4712", "2", "20");
  const std::string before = allPrices();
  struct Case {
    std::string file;
    PriceImportMapping mapping;
    std::string message;
  };
  const Case cases[] = {
      {"Artikelnummer;Preis\n4711;11\n4712;zwölf\n", mapping("Einkaufspreis"),
       "Zeile 3: \"zwölf\" ist kein Preis"},
      {"Artikelnummer;Preis\n4711;11\n\n4712;-1\n", mapping("Einkaufspreis"),
       "Zeile 4: \"-1\" ist kein Preis"},
      {"Artikelnummer;Preis\n4711;11\n4712;\n", mapping("Verkaufspreis1"), "Zeile 3: Preis fehlt"},
      {"Artikelnummer;Preis\n4711;11\n;12\n", mapping("Verkaufspreis1"), "Zeile 3: Artikelnummer fehlt"},
      {"Artikelnummer;Preis\n4711;11\n4712;1\n4711;12\n", mapping("Verkaufspreis1"),
       "Zeile 4: Artikelnummer 4711 steht schon in Zeile 2 mit einem anderen Preis"},
      {"Artikelnummer;Preis\n4711;11\n4712;12\n9999;13\n", mapping("Verkaufspreis1"),
       "Zeile 4: Artikelnummer 9999 unbekannt"},
      {"Artikelnummer;Preis\n4711;11\n", mapping("Verkaufspreis1", "Nummer"),
       "Die Spalte \"Nummer\" gibt es nicht."},
      {"Artikelnummer;Preis\n4711;11\n", mapping("Verkaufspreis1", ""),
       "Bitte die Spalte der Artikelnummer angeben."},
      {"Artikelnummer;Preis\n", mapping("Verkaufspreis1"), "Die Datei enthält keine Zeilen mit Preisen."},
      {"Artikelnummer;Preis\n4711;11\n", mapping("Lieferantenpreis"), "Bitte den Lieferanten auswählen."},
  };
  for (const Case& c : cases) {
    const PriceImportResult result = ImportPrices(session(), csv(c.file), c.mapping);
    EXPECT_EQ(result.error, c.message) << c.file;
    EXPECT_FALSE(result.written) << c.file;
    EXPECT_TRUE(result.changes.empty()) << c.file;
  }
  EXPECT_EQ(allPrices(), before);
}

TEST_P(PriceImportTest, UnknownNumbersAreSkippedAndListedWhenTheUserChoosesSo) {
  const int64_t known = storeArticle("4711", "1", "10");
  PriceImportMapping skipping = mapping("Einkaufspreis", "A", "2");
  skipping.headerRow = false;
  skipping.skipUnknown = true;
  const PriceImportResult result = ImportPrices(session(), csv("X-1;5\n4711;6\n\nX-2;7\n"), skipping);
  ASSERT_EQ(result.error, "");
  EXPECT_EQ(result.skipped, (std::vector<std::string>{"Zeile 1: Artikelnummer X-1 unbekannt",
                                                      "Zeile 4: Artikelnummer X-2 unbekannt"}));
  EXPECT_EQ(result.changes.size(), 1u);
  EXPECT_EQ(price(known, "Einkaufspreis"), eurosOf("6"));
}

TEST_P(PriceImportTest, ArticlesSharingANumberAllTakeThePrice) {
  const int64_t first = storeArticle("7", "1", "10");
  const int64_t second = storeArticle("7", "1", "11");
  const PriceImportResult result =
      ImportPrices(session(), csv("Artikelnummer;Preis\n7;11\n"), mapping("Verkaufspreis1"));
  ASSERT_EQ(result.error, "");
  EXPECT_EQ(result.changes, (std::vector<PriceChange>{{2, first, "7", eurosOf("10"), eurosOf("11")}}));
  EXPECT_EQ(result.unchanged, 1);
  EXPECT_EQ(price(first, "Verkaufspreis1"), eurosOf("11"));
  EXPECT_EQ(price(second, "Verkaufspreis1"), eurosOf("11"));
}

TEST_P(PriceImportTest, ASupplierPriceIsUpdatedOrAddedForThatSupplierOnly) {
  const int64_t supplier = storeAddress(false, "Großhandel");
  const int64_t other = storeAddress(false, "Anderer");
  const int64_t customer = storeAddress(true, "Kunde");
  const int64_t a = storeArticle("A", "1", "10");
  const int64_t b = storeArticle("B", "1", "10");
  storeSupplierPrice(a, supplier, "5", "GH-A");
  storeSupplierPrice(a, other, "4", "AN-A");
  PriceImportMapping toSupplier = mapping("Lieferantenpreis", "Nr", "EK netto");
  toSupplier.supplierId = supplier;
  const PriceImportResult result =
      ImportPrices(session(), csv("Nr,EK netto\nA,5.5\nB,\"6,25\"\n"), toSupplier);
  ASSERT_EQ(result.error, "");
  EXPECT_EQ(result.changes, (std::vector<PriceChange>{{2, a, "A", eurosOf("5"), eurosOf("5,5")},
                                                      {3, b, "B", std::nullopt, eurosOf("6,25")}}));
  const std::string rows = std::to_string(supplier) + ")) ORDER BY [Artikel_ID]";
  Recordset rs(db(), "SELECT * FROM LieferantenPreise WHERE ([LieferantenID] IN (" + rows);
  ASSERT_FALSE(rs.eof());
  EXPECT_EQ(rs["Preis"].toCurrency(), eurosOf("5,5"));
  EXPECT_EQ(rs["Bestellummer"].toText(), "GH-A");
  EXPECT_EQ(rs["Datum"].toDateTime(), DateTime(session().clock().today()));
  rs.moveNext();
  ASSERT_FALSE(rs.eof());
  EXPECT_EQ(rs["Artikel_ID"].toInt(), b);
  EXPECT_EQ(rs["Preis"].toCurrency(), eurosOf("6,25"));
  EXPECT_EQ(rs["Bestellummer"].toText(), "");
  EXPECT_EQ(countRows("LieferantenPreise", "[LieferantenID] = " + std::to_string(other) + " AND [Preis] = 4"),
            1);
  EXPECT_EQ(price(a, "Einkaufspreis"), eurosOf("1"));

  toSupplier.supplierId = customer;
  EXPECT_EQ(ImportPrices(session(), csv("Nr,EK netto\nA,9\n"), toSupplier).error,
            "Lieferant " + std::to_string(customer) + " nicht gefunden.");
}

TEST_P(PriceImportTest, APreviewListsTheChangesAndWritesNothing) {
  const int64_t a = storeArticle("4711", "1", "10");
  const std::string before = allPrices();
  const PriceImportResult preview =
      PlanPriceImport(session(), csv("Artikelnummer;Preis\n4711;2\n"), mapping("Einkaufspreis"));
  ASSERT_EQ(preview.error, "");
  EXPECT_FALSE(preview.written);
  EXPECT_EQ(preview.changes, (std::vector<PriceChange>{{2, a, "4711", eurosOf("1"), eurosOf("2")}}));
  EXPECT_EQ(allPrices(), before);
}

TEST_P(PriceImportTest, WithoutTheRightToSaveArticlesNothingIsWritten) {
  storeArticle("4711", "1", "10");
  signInWith({"Artikel"});
  const std::string before = allPrices();
  const PriceImportResult result =
      ImportPrices(session(), csv("Artikelnummer;Preis\n4711;2\n"), mapping("Einkaufspreis"));
  EXPECT_EQ(result.error, "Keine Berechtigung für diesen Programmteil");
  EXPECT_EQ(allPrices(), before);
}

TEST_P(PriceImportTest, WorkbookNumbersKeepTheirDecimalPoint) {
  const int64_t a = storeArticle("4711", "1", "10");
  const int64_t b = storeArticle("4712", "1", "10");
  const std::filesystem::path file = engine().folder() / "preise.xlsx";
  orvosal::testing::writeZip(
      file, orvosal::testing::workbookParts(
                {{"Preise",
                  "<row r=\"1\"><c r=\"B1\" t=\"s\"><v>0</v></c>"
                  "<c r=\"D1\" t=\"s\"><v>1</v></c></row>"
                  "<row r=\"2\"><c r=\"B2\"><v>4711</v></c><c r=\"D2\"><v>1.234</v></c></row>"
                  "<row r=\"3\"><c r=\"B3\" t=\"s\"><v>2</v></c><c r=\"D3\" t=\"s\"><v>3</v></c>"
                  "</row>"}},
                {"<t>Art.-Nr.</t>", "<t>EK</t>", "<t>4712</t>", "<t>1.234,5</t>"}));
  const SpreadsheetTable table = std::get<SpreadsheetTable>(ReadSpreadsheet(file, {}));
  const PriceImportResult result = ImportPrices(session(), table, mapping("Einkaufspreis", "art.-nr.", "D"));
  ASSERT_EQ(result.error, "");
  EXPECT_EQ(price(a, "Einkaufspreis"), eurosOf("1,234"));
  EXPECT_EQ(price(b, "Einkaufspreis"), eurosOf("1234,5"));
}

TEST(PriceImportTargets, NamesAndTargetsConvertBothWays) {
  for (const std::string& name : priceImportTargetNames()) {
    PriceImportMapping mapping;
    ASSERT_TRUE(setPriceImportTarget(mapping, name)) << name;
    EXPECT_EQ(priceImportTargetName(mapping), name);
  }
  EXPECT_EQ(priceImportTargetNames().size(), 11u);
  PriceImportMapping mapping;
  for (const char* wrong : {"Verkaufspreis0", "Verkaufspreis10", "Preis", ""}) {
    EXPECT_FALSE(setPriceImportTarget(mapping, wrong)) << wrong;
  }
}

TEST(PriceImportTargets, PricesAreShownWithTwoToFourDecimals) {
  const std::pair<const char*, const char*> prices[] = {
      {"5", "5,00"},    {"7,1", "7,10"}, {"0", "0,00"}, {"0,125", "0,125"}, {"1.234,5678", "1234,5678"},
      {"10,5", "10,50"}};
  for (const auto& [amount, shown] : prices) EXPECT_EQ(shownPrice(eurosOf(amount)), shown) << amount;
}

ORVOSAL_ON_BOTH_ENGINES(PriceImportTest);

}  // namespace
}  // namespace orvosal
