#pragma once

#include "output/report/print_job.h"

class QWidget;

namespace orvosal {

// The windows of a print on the desktop: the print-options dialog, the preview window, the
// printer dialog and the layout designer, all opened over `parent`.
class DesktopPrintPort final : public PrintPort {
 public:
  explicit DesktopPrintPort(QWidget* parent, const ReportData* sample = nullptr)
      : parent_(parent), sample_(sample) {}

  PrintChoice chooseOutput(std::string_view title, const std::vector<std::string>& outputs) override;
  void showPreview(const ReportDocument& report, std::string_view title) override;
  std::optional<std::string> printOnPrinter(const ReportDocument& report, std::string_view printerName,
                                            bool askUser, int copies) override;
  void openDesigner(const std::filesystem::path& file, std::string_view caption,
                    const std::vector<std::string>& names) override;

 private:
  QWidget* parent_;
  const ReportData* sample_;
};

// Prints through the printer dialog, preset with the named printer (empty: the default one).
// Answers "" when the user cancels the dialog, the German reason when printing fails.
std::optional<std::string> printWithDialog(QWidget* parent, const ReportDocument& report,
                                           std::string_view printerName, int copies);

}  // namespace orvosal
