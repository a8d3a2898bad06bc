// orvosal-cli einvoice: an electronic invoice is written only when nothing is missing, on both
// engines.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/tests/cli_engine_fixture.h"

namespace orvosal {
namespace {

using orvosal::testing::CliRun;

class CliEInvoice : public orvosal::testing::CliOnBothEngines {
 protected:
  std::string numberedInvoice() {
    const std::string customer =
        created({"address", "add", "Name=Hofmann", "PLZ=20095", "Ort=Hamburg", "Email=eva@hofmann.example"});
    const std::string id = created({"doc", "new", "--type", "3", "--partner", customer, "Belegnummer=RE-7"});
    created({"doc", "add", id, "--text", "Beratung", "--qty", "2", "--price", "100", "--vat", "2"});
    return id;
  }
};

TEST_P(CliEInvoice, MissingCompanyDataIsNamedAndNothingIsWritten) {
  const std::string id = numberedInvoice();
  const std::filesystem::path file = engine().folder() / "re.xml";
  const CliRun refused = cli({"einvoice", "--doc", id, "--syntax", "ubl", "--out", file.string()});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err,
            "USt-IdNr. oder Steuernummer des Verkäufers fehlt (Firmendaten)\n"
            "Telefon des Verkäufers fehlt (Firmendaten)\n"
            "E-Mail-Adresse des Verkäufers fehlt (Firmendaten)\n");
  EXPECT_FALSE(std::filesystem::exists(file));

  ASSERT_EQ(cli({"company", "set", "Steuernummer=12/345/67890", "Telefon=030 1", "Email=info@firma.example"})
                .status,
            0);
  for (const char* syntax : {"ubl", "cii", "zugferd"}) {
    const CliRun run = cli({"einvoice", "--doc", id, "--syntax", syntax, "--out", file.string()});
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string xml = testing::fileText(file);
    EXPECT_NE(xml.find(">RE-7<"), std::string::npos) << syntax;
    EXPECT_NE(xml.find(">238.00<"), std::string::npos) << syntax;
  }
}

TEST_P(CliEInvoice, WrongCommandLinesAreUsageErrors) {
  const struct {
    std::vector<std::string> args;
    int status;
    const char* message;
  } cases[] = {
      {{"einvoice", "--doc", "1", "--syntax", "pdf", "--out", "x.xml"}, 2, "Unbekannte Syntax 'pdf'"},
      {{"einvoice", "--doc", "1 OR 1=1", "--syntax", "ubl", "--out", "x.xml"},
       2,
       "Die Beleg-ID muss eine ganze Zahl"},
      {{"einvoice", "--doc", "1", "--syntax", "ubl"},
       2,
       "Bitte --doc ID, --syntax ubl|cii|zugferd und --out DATEI"},
      {{"einvoice", "--doc", "424242", "--syntax", "cii", "--out", "x.xml"},
       1,
       "Beleg 424242 nicht gefunden"},
  };
  for (const auto& c : cases) {
    const CliRun run = cli(c.args);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
}

ORVOSAL_ON_BOTH_ENGINES(CliEInvoice);

}  // namespace
}  // namespace orvosal
