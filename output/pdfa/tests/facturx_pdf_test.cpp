#include "output/pdfa/facturx_pdf.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QPdfWriter>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::TemporaryFolder;

// The e-invoice tools: $ORVOSAL_EINVOICE_TOOLS, else ../shared/tools beside the sources.
std::optional<std::filesystem::path> toolsFolder() {
  std::vector<std::filesystem::path> candidates;
  if (const char* tools = std::getenv("ORVOSAL_EINVOICE_TOOLS")) candidates.emplace_back(tools);
  candidates.emplace_back(std::filesystem::path(ORVOSAL_SOURCE_DIR) / ".." / "shared" / "tools");
  for (const std::filesystem::path& folder : candidates) {
    if (std::filesystem::exists(folder / "einvoice-pdf-check")) return folder;
  }
  return std::nullopt;
}

std::string readText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

void renderLetter(const std::filesystem::path& file) {
  QPdfWriter writer(QString::fromStdString(file.string()));
  writer.setResolution(300);
  QPainter painter(&writer);
  painter.setFont(QFont("DejaVu Sans", 11));
  painter.drawText(200, 400, "Rechnung RE-100 über 184,74 € – Müller & Söhne");
  painter.end();
}

std::pair<int, std::string> run(const std::string& command) {
  std::string output;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return {-1, ""};
  std::array<char, 4096> buffer{};
  while (fgets(buffer.data(), buffer.size(), pipe) != nullptr) output += buffer.data();
  return {pclose(pipe), output};
}

const FacturXPdf kInfo{.title = "Rechnung RE-100",
                       .created = *DateTime::parse("2026-11-20 10:15:00"),
                       .conformanceLevel = "EN 16931"};

TEST(FacturXPdf, ARenderedLetterBecomesAPdfA3WithTheInvoiceThatPassesTheCheck) {
  const std::optional<std::filesystem::path> tools = toolsFolder();
  if (!tools) GTEST_SKIP() << "einvoice-pdf-check fehlt (ORVOSAL_EINVOICE_TOOLS oder ../shared/tools)";
  const std::filesystem::path invoice =
      *tools / ".." / "einvoice" / "examples" / "zugferd-EN16931_Einfach_factur-x.xml";
  if (!std::filesystem::exists(invoice)) GTEST_SKIP() << "Beispielrechnung fehlt: " << invoice;
  TemporaryFolder folder;
  const std::filesystem::path plain = folder.path() / "brief.pdf";
  const std::filesystem::path result = folder.path() / "rechnung.pdf";
  renderLetter(plain);

  ASSERT_EQ(writeFacturXPdf(plain, readText(invoice), kInfo, result), "");
  const std::string pdf = readText(result);
  EXPECT_NE(pdf.find("<fx:ConformanceLevel>EN 16931</fx:ConformanceLevel>"), std::string::npos);
  EXPECT_NE(pdf.find("<xmp:CreateDate>2026-11-20T10:15:00+00:00</xmp:CreateDate>"), std::string::npos);

  const auto [status, output] =
      run((*tools / "einvoice-pdf-check").string() + " -q --no-preflight '" + result.string() + "'");
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
