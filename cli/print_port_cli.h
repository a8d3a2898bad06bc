#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cli/argument_parser.h"
#include "output/report/print_job.h"

namespace orvosal {

// The output options every printing command accepts: --pdf FILE, --png FILE, --printer NAME,
// --copies N, --preview (refused: a terminal has no preview), --pdf-password and
// --pdf-owner-password.
const std::vector<OptionSpec>& printOutputOptions();

// The output the options ask for, or the German reason why they ask for none or for more than one.
std::variant<PrintChoice, std::string> printChoiceFromOptions(const ParsedArguments& arguments);

// The protection of an exported PDF, when a password option is given.
std::optional<PdfProtection> pdfProtectionFromOptions(const ParsedArguments& arguments);

// The windows of a print on the command line: the output comes from the options, so the options
// step is never asked; printing goes straight to the named printer.
class CliPrintPort final : public PrintPort {
 public:
  explicit CliPrintPort(std::ostream& err) : err_(err) {}

  PrintChoice chooseOutput(std::string_view title, const std::vector<std::string>& outputs) override;
  void showPreview(const ReportDocument& report, std::string_view title) override;
  std::optional<std::string> printOnPrinter(const ReportDocument& report, std::string_view printerName,
                                            bool askUser, int copies) override;
  void openDesigner(const std::filesystem::path& file, std::string_view caption,
                    const std::vector<std::string>& names) override;

 private:
  std::ostream& err_;
};

}  // namespace orvosal
