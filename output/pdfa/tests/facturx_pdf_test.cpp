#include "output/pdfa/facturx_pdf.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QPdfWriter>
#include <fstream>

#include "core/tests/db_test_support.h"
#include "core/tests/einvoice_tools.h"
#include "core/tests/shell_command.h"

namespace orvosal {
namespace {

using orvosal::testing::TemporaryFolder;

void renderLetter(const std::filesystem::path& file) {
  QPdfWriter writer(QString::fromStdString(file.string()));
  writer.setResolution(300);
  QPainter painter(&writer);
  painter.setFont(QFont("DejaVu Sans", 11));
  painter.drawText(200, 400, "Rechnung RE-100 über 184,74 € – Müller & Söhne");
  painter.end();
}

const FacturXPdf kInfo{.title = "Rechnung RE-100",
                       .created = *DateTime::parse("2026-11-20 10:15:00"),
                       .conformanceLevel = "EN 16931"};

TEST(FacturXPdf, ARenderedLetterBecomesAPdfA3WithTheInvoiceThatPassesTheCheck) {
  const std::filesystem::path invoice = testing::einvoiceExample();
  TemporaryFolder folder;
  const std::filesystem::path plain = folder.path() / "brief.pdf";
  const std::filesystem::path result = folder.path() / "rechnung.pdf";
  renderLetter(plain);

  ASSERT_EQ(writeFacturXPdf(plain, testing::fileText(invoice), kInfo, result), "");
  const std::string pdf = testing::fileText(result);
  EXPECT_NE(pdf.find("<fx:ConformanceLevel>EN 16931</fx:ConformanceLevel>"), std::string::npos);
  EXPECT_NE(pdf.find("<xmp:CreateDate>2026-11-20T10:15:00+00:00</xmp:CreateDate>"), std::string::npos);

  const auto [status, output] =
      testing::runShellCommand(testing::einvoiceTool("einvoice-pdf-check").string() + " -q --no-preflight '" +
                               result.string() + "' 2>&1");
  EXPECT_EQ(status, 0) << output;
}

TEST(FacturXPdf, AFileThatIsNoPdfGivesAMessageAndNoOutput) {
  TemporaryFolder folder;
  const std::filesystem::path broken = folder.path() / "kaputt.pdf";
  std::ofstream(broken) << "kein PDF";
  const std::filesystem::path result = folder.path() / "rechnung.pdf";
  const std::string message = writeFacturXPdf(broken, "<x/>", kInfo, result);
  EXPECT_EQ(message.rfind("Die PDF-Datei " + broken.string() + " kann nicht zur E-Rechnung werden: ", 0), 0u)
      << message;
  EXPECT_FALSE(std::filesystem::exists(result));
}

}  // namespace
}  // namespace orvosal
