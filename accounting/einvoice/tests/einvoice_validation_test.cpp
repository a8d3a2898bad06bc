#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <regex>

#include "accounting/einvoice/cii_writer.h"
#include "accounting/einvoice/einvoice_export.h"
#include "accounting/einvoice/invoice_model.h"
#include "accounting/einvoice/tests/einvoice_fixture.h"
#include "accounting/einvoice/ubl_writer.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/tests/einvoice_tools.h"
#include "core/tests/shell_command.h"

namespace orvosal::testing {
namespace {

// A set of documents that covers what the totals know, each written in the three formats and
// validated together with the official rules; the amounts of every file are those the header stores.
class EInvoiceValidation : public EInvoiceFixture {
 protected:
  struct Written {
    std::string label;
    int64_t belegId;
    std::filesystem::path file;
  };

  void writeAll(const std::string& label, int64_t belegId) {
    recompute(belegId);
    const std::array<std::pair<EInvoiceFormat, const char*>, 3> formats{{
        {EInvoiceFormat::XRechnungUbl, "-ubl.xml"},
        {EInvoiceFormat::XRechnungCii, "-cii.xml"},
        {EInvoiceFormat::ZugferdCii, "-factur-x.xml"},
    }};
    for (const auto& [format, suffix] : formats) {
      const std::filesystem::path file = engine().folder() / (label + suffix);
      const EInvoiceResult result = writeEInvoice(engine().session(), belegId, format, file);
      ASSERT_TRUE(result.written) << label << ": "
                                  << (result.problems.empty() ? "" : result.problems.front());
      written_.push_back({label, belegId, file});
    }
  }

  // The value of the first element `name` (any prefix, any attributes).
  static std::string element(const std::string& xml, const std::string& name) {
    std::smatch match;
    if (!std::regex_search(xml, match, std::regex("<[a-z]+:" + name + "(?: [^>]*)?>([^<]*)<"))) return "";
    return match[1];
  }

  std::vector<Written> written_;
};

TEST_P(EInvoiceValidation, DocumentSetPassesTheValidatorWithTheStoredAmounts) {
  // Mixed rates, discount, every special position, long and special-character texts.
  const int64_t mixed = storeInvoice(storeCustomer("Müller & Co. <Einkauf> \"Süd\" 'Ost'"), "RE-100");
  addLine(mixed, "Ware 19 % – Größe ä ö ü ß € & < > \" '", "3", "49,90", 2);
  addLine(mixed, "Bücher", "2", "12,50", 1, "Stück");
  addLine(mixed, "Pfand", "1", "0,15", 0);
  addSpecial(mixed, "ZW", "Zwischensumme", "0", "0");
  addSpecial(mixed, "NS", "", "0", "0");
  addSpecial(mixed, "AG", "Abgebot 10 %", "149,70", "14,97", 2);
  addSpecial(mixed, "AF", "Mindermengenzuschlag", "25", "2,50", 1);
  addSpecial(mixed, "V", "Versandkosten", "1", "5,90", 2);
  addSpecial(mixed, "SL", "Stücklistenteil", "2", "3,3333", 2);
  addSpecial(mixed, "TZ", "Anzahlung", "1", "50", 2);
  const int64_t free = addLine(mixed, "Gratisprobe", "1", "20", 2);
  execute("UPDATE Belegpositionen SET [KeineBerechnung]=1, [Langtext]='" + std::string(600, 'x') +
          "' WHERE ([ID] IN (" + std::to_string(free) + "))");
  setHeader(mixed, "[Rabatt]=5, [LieferDatum]=" + SqlDate(db().dialect(), Value(*Date::parse("2026-11-18"))) +
                       ", [Bemerkung]='" + std::string(400, 'B') + " & Ende'");
  writeAll("mixed", mixed);

  // Shipping "am Schluß" with a discount: a document-level charge outside the discount.
  addSalesType("Rechnung Versand", 1);
  const int64_t shipping =
      storeInvoice(storeCustomer("Versand GmbH"), "RE-101", "2026-11-21", "Rechnung Versand");
  addLine(shipping, "Ware", "3", "49,90", 2);
  addLine(shipping, "Bücher", "2", "12,50", 1);
  addSpecial(shipping, "AG", "Abgebot", "149,70", "14,97", 2);
  addSpecial(shipping, "V", "Versandkosten", "1", "5,90", 2);
  addSpecial(shipping, "TZ", "Anzahlung", "1", "50", 2);
  setHeader(shipping, "[Rabatt]=5, [Skonto]=2, [ZahlFrist1]=" +
                          SqlDate(db().dialect(), Value(*Date::parse("2026-12-01"))));
  writeAll("shipping", shipping);

  // Tax exempt: a German partner invoiced without VAT.
  const int64_t exempt = storeInvoice(storeCustomer("Verein e. V."), "RE-105");
  addLine(exempt, "Kursgebühr", "12", "35", 2);
  setHeader(exempt, "[OhneMwSt]=1");
  writeAll("exempt", exempt);

  // Reverse charge to an EU partner with VAT id, export to a partner outside the EU.
  const int64_t reverse = storeInvoice(storeCustomer("Wien Handel", "Österreich", "ATU12345678"), "RE-102");
  addLine(reverse, "Maschine", "1", "1000", 2);
  setHeader(reverse, "[OhneMwSt]=1");
  writeAll("reverse-charge", reverse);
  const int64_t export_ = storeInvoice(storeCustomer("Zürich AG", "Schweiz"), "RE-103");
  addLine(export_, "Maschine", "2", "999,99", 2);
  addLine(export_, "Handbuch", "1", "10", 1);
  setHeader(export_, "[OhneMwSt]=1");
  writeAll("export", export_);

  // A credit note.
  addSalesType("Gutschrift");
  const int64_t credit = storeInvoice(storeCustomer("Retoure KG"), "GS-1", "2026-11-22", "Gutschrift");
  addLine(credit, "Rücknahme", "2", "49,90", 2);
  addLine(credit, "Buch", "1", "12,50", 1);
  writeAll("credit-note", credit);

  // The special rates of the second half of 2020.
  const int64_t special = storeInvoice(storeCustomer("Sonderzeit"), "RE-2020-1", "2020-08-15");
  addLine(special, "Ware 16 %", "3", "19,99", 2);
  addLine(special, "Buch 5 %", "7", "8,49", 1);
  setHeader(special, "[MwStGr]=16, [MwStKl]=5, [Leistungszeitraum]='01.07.2020 - 31.07.2020'");
  writeAll("special-period", special);

  // Many lines with prices of four decimals: the lines' cent rounding is settled at document level.
  const int64_t many = storeInvoice(storeCustomer("Großabnehmer"), "RE-104");
  for (int i = 1; i <= 60; ++i) {
    addLine(many, "Kleinteil " + std::to_string(i), std::to_string(i % 7 + 1) + ",5",
            "0," + std::to_string(1000 + i * 37), i % 3 == 0 ? 1 : 2);
  }
  execute(
      "UPDATE Adressen SET [LeitwegID]='04011000-12345-03', [ERechnungAdresse]='eingang@behoerde.example' "
      "WHERE ([Name] IN ('Großabnehmer'))");
  writeAll("many-lines", many);

  for (const Written& file : written_) {
    const std::string xml = fileText(file.file);
    Recordset header(db(),
                     "SELECT * FROM Belegkopf WHERE ([BelegID] IN (" + std::to_string(file.belegId) + "))");
    const Currency gesamt = header["GesamtPreis"].toCurrency();
    const Currency tax = header["MwSt7"].toCurrency() + header["MwSt16"].toCurrency();
    const std::optional<InvoiceModel> model = buildInvoiceModel(engine().session(), file.belegId);
    ASSERT_TRUE(model.has_value());
    EXPECT_EQ(model->taxInclusive, gesamt) << file.label;
    EXPECT_EQ(model->taxTotal, tax) << file.label;
    EXPECT_EQ(model->taxExclusive, gesamt - tax) << file.label;
    if (file.file.string().ends_with("-ubl.xml")) {
      EXPECT_EQ(element(xml, "TaxInclusiveAmount"), gesamt.formatSql(2)) << file.label;
      EXPECT_EQ(element(xml, "TaxExclusiveAmount"), (gesamt - tax).formatSql(2)) << file.label;
      EXPECT_EQ(element(xml, "TaxAmount"), tax.formatSql(2)) << file.label;
      EXPECT_EQ(element(xml, "PayableAmount"), model->payable.formatSql(2)) << file.label;
    } else {
      EXPECT_EQ(element(xml, "GrandTotalAmount"), gesamt.formatSql(2)) << file.label;
      EXPECT_EQ(element(xml, "TaxBasisTotalAmount"), (gesamt - tax).formatSql(2)) << file.label;
      EXPECT_EQ(element(xml, "TaxTotalAmount"), tax.formatSql(2)) << file.label;
      EXPECT_EQ(element(xml, "DuePayableAmount"), model->payable.formatSql(2)) << file.label;
    }
  }
  EXPECT_EQ(buildInvoiceModel(engine().session(), mixed)->prepaid, Currency::fromInteger(50));
  EXPECT_EQ(buildInvoiceModel(engine().session(), many)->buyerReference, "04011000-12345-03");
  EXPECT_NE(fileText(engine().folder() / "credit-note-ubl.xml").find("<cbc:CreditNoteTypeCode>381<"),
            std::string::npos);
  EXPECT_NE(fileText(engine().folder() / "reverse-charge-cii.xml").find("<ram:CategoryCode>AE<"),
            std::string::npos);
  EXPECT_NE(fileText(engine().folder() / "export-ubl.xml").find("<cbc:ID>G</cbc:ID>"), std::string::npos);
  EXPECT_NE(fileText(engine().folder() / "exempt-cii.xml").find("<ram:ExemptionReason>Umsatzsteuerfrei<"),
            std::string::npos);
  EXPECT_NE(fileText(engine().folder() / "shipping-ubl.xml").find("#SKONTO#TAGE=10#PROZENT=2.00#\n"),
            std::string::npos);
  EXPECT_NE(fileText(engine().folder() / "mixed-ubl.xml")
                .find("Müller &amp; Co. &lt;Einkauf&gt; &quot;Süd&quot; &apos;Ost&apos;"),
            std::string::npos);

  std::string command = einvoiceTool("einvoice-validate").string() + " -q";
  for (const Written& file : written_) command += " '" + file.file.string() + "'";
  const ShellResult validation = runShellCommand(command + " 2>&1");
  EXPECT_EQ(validation.status, 0) << validation.output;
}

ORVOSAL_ON_BOTH_ENGINES(EInvoiceValidation);

}  // namespace
}  // namespace orvosal::testing
