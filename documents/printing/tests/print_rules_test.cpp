#include <gtest/gtest.h>

#include <string>

#include "documents/printing/plain_text.h"
#include "documents/printing/tax_note.h"
#include "documents/printing/totals_lines.h"
#include "documents/printing/type_formats.h"

namespace orvosal {
namespace {

Currency money(const char* text) { return *Currency::parse(text); }

TEST(DocumentPrintRules, TaxExemptionNoteByCountryAndVatId) {
  struct Case {
    const char* land;
    const char* euIdent;
    std::string_view expected;
  } const cases[] = {
      {"Frankreich", "FR12345678901", kReverseChargeNote},
      {"AT", "ATU12345678", kReverseChargeNote},
      {"netherlands", "NL123456789B01", kReverseChargeNote},
      {"Österreich", "", kTaxFreeNote},  // EU without VAT id: no reverse charge
      {"Schweiz", "", kExportNote},
      {"USA", "", kExportNote},
      {"", "", kTaxFreeNote},
      {"Deutschland", "DE123456789", kTaxFreeNote},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(taxExemptionNote(c.land, c.euIdent), c.expected) << c.land << " / " << c.euIdent;
  }
}

TEST(DocumentPrintRules, NumberFormatsFollowDecimalsAndThousands) {
  struct Case {
    int menge, ep, gp;
    bool tausender;
    const char *expectMenge, *expectEp, *expectGp;
  } const cases[] = {
      {0, 0, 0, false, "0.##", "0.00", "0.00"},
      {2, 3, 2, true, "#,##0.00", "#,##0.000", "#,##0.00"},
      {1, 4, 0, false, "0.0", "0.0000", "0.00"},
  };
  for (const Case& c : cases) {
    DocumentType type;
    type.nachkommastellen = c.menge;
    type.epNachkommaStellen = c.ep;
    type.gpNachkommaStellen = c.gp;
    type.tausender = c.tausender;
    const TypeFormats formats = typeFormatsOf(type);
    EXPECT_EQ(formats.menge, c.expectMenge);
    EXPECT_EQ(formats.einzelpreis, c.expectEp);
    EXPECT_EQ(formats.gesamtpreis, c.expectGp);
  }
}

TEST(DocumentPrintRules, LongTextBecomesPlainLines) {
  struct Case {
    const char* stored;
    const char* expected;
  } const cases[] = {
      {"Zeile eins\r\nZeile zwei\r\n", "Zeile eins\nZeile zwei"},
      {"{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0\\green0\\blue0;}\\f0\\fs20 "
       "Gr\\'fc\\'dfe\\par "
       "\\b fett\\b0  und \\{Klammer\\}\\par}",
       "Grüße\nfett und {Klammer}"},
      {"<p>Erste &amp; <b>zweite</b></p><br>M&uuml;ller", "Erste & zweite\n\nMüller"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(plainLongText(c.stored), c.expected) << c.stored;
}

DocumentTotals sampleTotals() {
  DocumentTotals totals;
  totals.netto = money("1234,5");
  totals.nettoRabatt = money("1172,78");
  totals.rabattBetrag = money("61,72");
  totals.showDiscountLines = true;
  totals.groups[2] = {money("19"), money("1000"), money("190")};
  totals.groups[1] = {money("7"), money("172,78"), money("12,09")};
  totals.gesamt = money("1374,87");
  totals.zahlbetrag = totals.gesamt;
  return totals;
}

TEST(DocumentPrintRules, TotalsLinesOnlyWhatApplies) {
  const std::vector<TotalsLine> lines = totalsLinesOf(sampleTotals(), money("5"), true);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[1].label, "abzgl. 5 % Rabatt");
  EXPECT_EQ(lines[1].amount, money("-61,72"));
  EXPECT_EQ(lines[3].label, "zzgl. 7 % USt auf 172,78 €");  // rates in ascending order
  EXPECT_EQ(lines[4].label, "zzgl. 19 % USt auf 1.000,00 €");
  EXPECT_EQ(lines[5].label, "Gesamtbetrag");
  EXPECT_TRUE(lines[5].bold);

  DocumentTotals plain = sampleTotals();
  plain.showDiscountLines = false;
  plain.ohneMwSt = true;
  plain.teilzahlungen = money("100");
  plain.zahlbetrag = plain.gesamt - plain.teilzahlungen;
  const std::vector<TotalsLine> short_ = totalsLinesOf(plain, money("5"), false);
  ASSERT_EQ(short_.size(), 4u);
  EXPECT_EQ(short_[0].label, "Nettobetrag");
  EXPECT_FALSE(short_[1].bold);  // the gross is not the last amount when payments follow
  EXPECT_EQ(short_[2].label, "abzgl. Teilzahlungen");
  EXPECT_EQ(short_[3].label, "Zahlbetrag");
  EXPECT_EQ(short_[3].amount, money("1274,87"));
  EXPECT_EQ(percentText(money("5,5")), "5,5");
}

}  // namespace
}  // namespace orvosal
