#include "app/desktop_print_port.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "app/layout_designer_launch.h"
#include "app/preview_window.h"
#include "app/print_options_dialog.h"
#include "app/qt_text.h"
#include "output/report/printer_output.h"

namespace orvosal {

std::optional<std::string> printWithDialog(QWidget* parent, const ReportDocument& report,
                                           std::string_view printerName, int copies) {
  if (QPrinterInfo::availablePrinters().isEmpty()) return std::string("Es ist kein Drucker eingerichtet.");
  QPrinter printer(QPrinter::HighResolution);
  if (!printerName.empty()) printer.setPrinterName(toQString(printerName));
  preparePrinter(printer, report, "Orvosal");
  printer.setCopyCount(copies > 0 ? copies : 1);
  printer.setFromTo(1, report.pageCount());
  QPrintDialog dialog(&printer, parent);
  dialog.setMinMax(1, report.pageCount());
  if (dialog.exec() != QDialog::Accepted) return std::string();
  return paintOnPrinter(report, printer);
}

PrintChoice DesktopPrintPort::chooseOutput(std::string_view title, const std::vector<std::string>& outputs) {
  frmDruckoptionen dialog{std::string(title), outputs, parent_};
  dialog.exec();
  return dialog.choice();
}

void DesktopPrintPort::showPreview(const ReportDocument& report, std::string_view title) {
  QWidget* parent = parent_;
  auto* preview = new frmVorschau(
      report, std::string(title),
      [parent](const ReportDocument& shown) { return printWithDialog(parent, shown, {}, 1); }, parent_);
  preview->show();
  preview->fitWidth();
}

std::optional<std::string> DesktopPrintPort::printOnPrinter(const ReportDocument& report,
                                                            std::string_view printerName, bool askUser,
                                                            int copies) {
  if (askUser) return printWithDialog(parent_, report, printerName, copies);
  return printOnNamedPrinter(report, printerName, copies, "Orvosal");
}

void DesktopPrintPort::openDesigner(const std::filesystem::path& file, std::string_view caption,
                                    const std::vector<std::string>& names) {
  openLayoutDesigner(parent_, file, std::string(caption), names, sample_);
}

}  // namespace orvosal
