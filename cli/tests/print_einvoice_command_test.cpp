// orvosal-cli print --doc: a PDF of an invoice carries the electronic invoice of the customer's
// format, or ZUGFeRD with --zugferd; a missing item ends the print with nothing written.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/tests/cli_engine_fixture.h"
#include "core/tests/pdf_reader.h"

namespace orvosal {
namespace {

using orvosal::testing::CliRun;

class CliPrintEInvoice : public orvosal::testing::CliOnBothEngines {
 protected:
  // An invoice numbered RE-7 to a customer who wants XRechnung UBL.
  std::string xrechnungInvoice() {
    const std::string customer = created({"address", "add", "Name=Hofmann", "PLZ=20095", "Ort=Hamburg",
                                          "Email=eva@hofmann.example", "ERechnungFormat=2"});
    const std::string id = created({"doc", "new", "--type", "3", "--partner", customer, "Belegnummer=RE-7"});
    created({"doc", "add", id, "--text", "Beratung", "--qty", "2", "--price", "100", "--vat", "2"});
    return id;
  }
};

TEST_P(CliPrintEInvoice, MissingItemsEndThePrintAndTheFormatFollowsTheCustomerOrZugferd) {
  const std::string id = xrechnungInvoice();
  const std::filesystem::path pdf = engine().folder() / "RE-7.pdf";
  const std::filesystem::path xml = engine().folder() / "RE-7.xml";

  const CliRun refused = cli({"print", "--doc", id, "--pdf", pdf.string()});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("Für die E-Rechnung im Format XRechnung (UBL) fehlt:\n"
                             "USt-IdNr. oder Steuernummer des Verkäufers fehlt (Firmendaten)\n"
                             "Telefon des Verkäufers fehlt (Firmendaten)\n"
                             "E-Mail-Adresse des Verkäufers fehlt (Firmendaten)\n"),
            std::string::npos)
      << refused.err;
  EXPECT_EQ(refused.out, "");
  EXPECT_FALSE(std::filesystem::exists(pdf));
  EXPECT_FALSE(std::filesystem::exists(xml));

  ASSERT_EQ(cli({"company", "set", "Steuernummer=12/345/67890", "Telefon=030 1", "Email=info@firma.example"})
                .status,
            0);
  const CliRun xrechnung = cli({"print", "--doc", id, "--pdf", pdf.string()});
  EXPECT_EQ(xrechnung.status, 0) << xrechnung.err;
  EXPECT_EQ(xrechnung.out, "RE-7\n" + pdf.string() + "\n" + xml.string() + "\n");
  EXPECT_EQ(testing::pdfAttachments(pdf).find("factur-x.xml"), std::string::npos);

  std::filesystem::remove(xml);
  const CliRun zugferd = cli({"print", "--doc", id, "--pdf", pdf.string(), "--zugferd"});
  EXPECT_EQ(zugferd.status, 0) << zugferd.err;
  EXPECT_EQ(zugferd.out, "RE-7\n" + pdf.string() + "\n");
  EXPECT_NE(testing::pdfAttachments(pdf).find("factur-x.xml"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(xml));
}

TEST_P(CliPrintEInvoice, ZugferdNeedsADocumentPrintedToPdf) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"print", "--doc", "1", "--printer", "HP", "--zugferd"}, "--zugferd gilt nur mit --pdf DATEI."},
      {{"print", "--list", "addresses", "--pdf", "x.pdf", "--zugferd"}, "--zugferd gilt nur mit --doc."},
  };
  for (const auto& c : cases) {
    const CliRun run = cli(c.args);
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
}

ORVOSAL_ON_BOTH_ENGINES(CliPrintEInvoice);

}  // namespace
}  // namespace orvosal
