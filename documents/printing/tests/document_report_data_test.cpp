#include "documents/printing/document_report_data.h"

#include <gtest/gtest.h>

#include "documents/printing/tax_note.h"
#include "documents/printing/tests/invoice_fixture.h"

namespace orvosal::testing {
namespace {

class DocumentReportDataTest : public InvoiceFixture {
 protected:
  DocumentPrintData read(int64_t belegId) {
    std::optional<DocumentPrintData> data = readDocumentPrintData(session(), belegId);
    if (!data) throw std::logic_error("Beleg fehlt");
    return *data;
  }
  static std::string var(const DocumentPrintData& data, std::string_view name) {
    const ReportValue* value = data.report.variables.find(name);
    return value ? value->text : "<fehlt>";
  }
  static std::string field(const ReportValues& record, std::string_view name) {
    const ReportValue* value = record.find(name);
    return value ? value->text : "<fehlt>";
  }
};

TEST_P(DocumentReportDataTest, HeaderPartnerCompanyAndTotalsAsTypedVariables) {
  const int64_t id = storeInvoice();
  addLine(id, 1, "Akku-Bohrschrauber", "2", "149,90");
  addLine(id, 2, "Fachbuch Holzbau", "1", "39,00", 1);
  const DocumentPrintData data = read(id);

  EXPECT_EQ(data.layoutFile, "Rechnung.lst");
  EXPECT_EQ(var(data, "Belegtitel"), "Rechnung");
  EXPECT_EQ(var(data, "Belegkopf.Ort"), "Köln");
  EXPECT_EQ(data.report.variables.find("Belegkopf.Belegdatum")->type, ReportValueType::Date);
  EXPECT_EQ(data.report.variables.find("Belegkopf.Kunde")->text, "J");
  EXPECT_EQ(data.report.variables.find("Belegkopf.Rabatt")->type, ReportValueType::Number);
  EXPECT_EQ(var(data, "Adressen.Kundennummer"), "K-10042");
  EXPECT_EQ(var(data, "Belegarten.Formularname"), "Rechnung");
  EXPECT_EQ(var(data, "Firma_UStIdNr"), "DE287654321");
  EXPECT_EQ(var(data, "Firma_Handelsregister"), "HRB 123456");
  EXPECT_EQ(var(data, "Anschrift"),
            "Firma\nMuster Technik GmbH\nz. Hd. Herrn Klaus Berger\nIndustrieweg 7\n50667 Köln");
  EXPECT_EQ(var(data, "Lieferanschrift_Abweichend"), "N");
  EXPECT_EQ(var(data, "Faelligkeitsdatum"), "2026-03-19");
  EXPECT_EQ(var(data, "Lieferdatum_Text"), "Lieferdatum: 02.03.2026");
  EXPECT_EQ(var(data, "Steuerhinweis"), "");

  // 299,80 at 19 % and 39,00 at 7 %: groups in rate order.
  EXPECT_EQ(*Currency::parse(var(data, "Nettobetrag")), *Currency::parse("338.80"));
  EXPECT_EQ(*Currency::parse(var(data, "Steuer1_Satz")), Currency::fromInteger(7));
  EXPECT_EQ(*Currency::parse(var(data, "Steuer1_Betrag")), *Currency::parse("2.73"));
  EXPECT_EQ(*Currency::parse(var(data, "Steuer2_Basis")), *Currency::parse("299.80"));
  EXPECT_EQ(*Currency::parse(var(data, "Steuer2_Betrag")), *Currency::parse("56.96"));
  EXPECT_EQ(var(data, "Steuer3_Satz"), "");
  EXPECT_EQ(*Currency::parse(var(data, "Gesamtbetrag")), *Currency::parse("398.49"));
  EXPECT_EQ(*Currency::parse(var(data, "Skonto_Betrag")), *Currency::parse("7.97"));
  EXPECT_EQ(var(data, "Summe4_Text"), "Gesamtbetrag");
  EXPECT_EQ(var(data, "Summe5_Text"), "");
}

TEST_P(DocumentReportDataTest, ReverseChargeAndExportNotes) {
  struct Case {
    const char* land;
    const char* euIdent;
    std::string_view note;
  } const cases[] = {{"Frankreich", "FR12345678901", kReverseChargeNote}, {"Schweiz", "", kExportNote}};
  for (const Case& c : cases) {
    const int64_t id = storeInvoice(c.land, c.euIdent, true);
    addLine(id, 1, "Fräse", "1", "1000");
    const DocumentPrintData data = read(id);
    EXPECT_EQ(var(data, "Steuerhinweis"), c.note);
    EXPECT_EQ(var(data, "Steuerhinweis_Zusatz").empty(), c.note != kReverseChargeNote);
    EXPECT_EQ(*Currency::parse(var(data, "Gesamtbetrag")), Currency::fromInteger(1000));
    EXPECT_EQ(var(data, "Summe2_Text"), "Gesamtbetrag");  // no VAT line
    EXPECT_TRUE(
        var(data, "Anschrift").ends_with(c.land == std::string("Frankreich") ? "FRANKREICH" : "SCHWEIZ"));
  }
}

TEST_P(DocumentReportDataTest, PositionRecordsByLineKind) {
  const int64_t id = storeInvoice();
  addLine(id, 3, "Schleifpapier", "10", "1,25");
  addLine(id, 1, "Werkbank", "1", "499");
  addLine(id, 2, "Zwischensumme Werkstatt", "0", "499", 2, "ZW");
  addLine(id, 4, "", "0", "0", 2, "NS");
  addLine(id, 5, "Treuerabatt", "0", "20", 2, "AG");
  addLine(id, 6, "Anzahlung", "1", "100", 2, "TZ");
  const int64_t free = addLine(id, 7, "Musterteil", "1", "15");
  execute("UPDATE Belegpositionen SET KeineBerechnung = 1 WHERE ID = " + std::to_string(free));
  const DocumentPrintData data = read(id);

  ASSERT_EQ(data.report.records.size(), 7u);
  struct Expect {
    const char* zeilenart;
    const char* zeilenbetrag;
    const char* uebertrag;
  } const expected[] = {
      {"Position", "499", "499"}, {"ZW", "", "0"}, {"Position", "12.5", "12.5"}, {"NS", "", "0"},
      {"AG", "-20", "-20"},       {"TZ", "", "0"}, {"Position", "", "0"}};
  for (size_t i = 0; i < 7; ++i) {
    const ReportValues& record = data.report.records[i];
    EXPECT_EQ(field(record, "Belegpositionen.Zeilenart"), expected[i].zeilenart) << i;
    const std::string amount = field(record, "Belegpositionen.Zeilenbetrag");
    if (*expected[i].zeilenbetrag == 0) {
      EXPECT_EQ(amount, "") << i;
    } else {
      EXPECT_EQ(*Currency::parse(amount), *Currency::parse(expected[i].zeilenbetrag)) << i;
    }
    EXPECT_EQ(*Currency::parse(field(record, "Belegpositionen.Uebertragsbetrag")),
              *Currency::parse(expected[i].uebertrag))
        << i;
  }
  EXPECT_EQ(*Currency::parse(field(data.report.records[1], "Belegpositionen.Zwischensumme")),
            Currency::fromInteger(499));
  EXPECT_EQ(field(data.report.records[6], "Belegpositionen.Ohne_Berechnung"), "J");
  EXPECT_EQ(*Currency::parse(var(data, "Teilzahlungen")), Currency::fromInteger(100));
}

TEST_P(DocumentReportDataTest, TypeSwitchesNullMengenBruttoAusgabeShipping) {
  setTypeColumn("Rechnung", "NullMengen", Value(true));
  setTypeColumn("Rechnung", "BruttoAusgabe", Value(true));
  setTypeColumn("Rechnung", "VersandVariante", Value(1));
  setTypeColumn("Rechnung", "Tausender", Value(true));
  const int64_t id = storeInvoice();
  addLine(id, 1, "Hobel", "2", "100");
  addLine(id, 2, "Nicht geliefert", "0", "50");
  const int64_t note = addLine(id, 3, "Hinweistext", "0", "0", 2, "");
  execute("UPDATE Belegpositionen SET Artikelnummer = '' WHERE ID = " + std::to_string(note));
  addLine(id, 4, "Versand", "1", "10", 2, "V");
  const DocumentPrintData data = read(id);

  ASSERT_EQ(data.report.records.size(), 2u);  // the 0 line and the shipping line are not printed
  EXPECT_EQ(field(data.report.records[1], "Belegpositionen.Zeilenart"), "Text");
  EXPECT_EQ(*Currency::parse(field(data.report.records[0], "Belegpositionen.Einzelpreis")),
            Currency::fromInteger(119));
  EXPECT_EQ(*Currency::parse(field(data.report.records[0], "Belegpositionen.Zeilenbetrag")),
            Currency::fromInteger(238));
  EXPECT_EQ(*Currency::parse(var(data, "Versandkosten")), Currency::fromInteger(10));
  EXPECT_EQ(var(data, "Gesamtpreisformat"), "#,##0.00");
  EXPECT_EQ(var(data, "Preisangabe"), "brutto");
}

TEST_P(DocumentReportDataTest, MissingDocumentGivesNothing) {
  EXPECT_FALSE(readDocumentPrintData(session(), 4711).has_value());
}

ORVOSAL_ON_BOTH_ENGINES(DocumentReportDataTest);

}  // namespace
}  // namespace orvosal::testing
