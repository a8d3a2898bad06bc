#include "output/report/printer_output.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace orvosal {

void preparePrinter(QPrinter& printer, const ReportDocument& report, std::string_view documentName) {
  const QSizeF size = report.pageSizeMillimetres();
  const bool landscape = size.width() > size.height();
  const QPageSize pageSize(landscape ? size.transposed() : size, QPageSize::Millimeter);
  printer.setPageLayout(QPageLayout(pageSize, landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                    QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
  printer.setFullPage(true);
  printer.setDocName(QString::fromUtf8(documentName.data(), static_cast<int>(documentName.size())));
}

std::optional<std::string> paintOnPrinter(const ReportDocument& report, QPrinter& printer) {
  QPainter painter;
  if (!painter.begin(&printer)) {
    return "Der Drucker „" + printer.printerName().toStdString() + "“ nimmt den Druckauftrag nicht an.";
  }
  for (int page = 0; page < report.pageCount(); ++page) {
    if (page > 0 && !printer.newPage()) {
      painter.end();
      return "Der Drucker „" + printer.printerName().toStdString() + "“ hat den Druckauftrag abgebrochen.";
    }
    report.paintPage(page, painter);
  }
  if (!painter.end()) {
    return "Der Drucker „" + printer.printerName().toStdString() + "“ hat den Druckauftrag abgebrochen.";
  }
  return std::nullopt;
}

std::optional<std::string> printOnNamedPrinter(const ReportDocument& report, std::string_view printerName,
                                               int copies, std::string_view documentName) {
  const QString name = QString::fromUtf8(printerName.data(), static_cast<int>(printerName.size()));
  QPrinterInfo info = name.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(name);
  if (info.isNull() && name.isEmpty() && !QPrinterInfo::availablePrinters().isEmpty()) {
    info = QPrinterInfo::availablePrinters().first();
  }
  if (info.isNull()) {
    if (QPrinterInfo::availablePrinters().isEmpty()) return std::string("Es ist kein Drucker eingerichtet.");
    return "Der Drucker „" + std::string(printerName) + "“ ist nicht eingerichtet.";
  }
  QPrinter printer(info, QPrinter::HighResolution);
  preparePrinter(printer, report, documentName);
  printer.setCopyCount(copies > 0 ? copies : 1);
  return paintOnPrinter(report, printer);
}

}  // namespace orvosal
