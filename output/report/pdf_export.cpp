#include "output/report/pdf_export.h"

#include <unistd.h>

#include <system_error>

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

#include "output/report/pdf_protection.h"

namespace orvosal {

namespace fs = std::filesystem;

namespace {

constexpr int kPdfResolution = 1200;

fs::path besideTarget(const fs::path& file, std::string_view purpose) {
  fs::path temporary = file;
  temporary.replace_filename("." + file.filename().string() + "." + std::string(purpose) + "-" +
                             std::to_string(::getpid()));
  return temporary;
}

bool paintAll(const ReportDocument& report, const fs::path& file, const PdfExportOptions& options) {
  QPdfWriter writer(QString::fromStdString(file.string()));
  writer.setResolution(kPdfResolution);
  writer.setPageSize(QPageSize(report.pageSizeMillimetres(), QPageSize::Millimeter));
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  writer.setTitle(QString::fromStdString(options.title));
  writer.setCreator(options.author.empty()
                        ? QStringLiteral("Orvosal")
                        : QString::fromStdString(options.author) + QStringLiteral(" (Orvosal)"));
  QPainter painter;
  if (!painter.begin(&writer)) return false;
  for (int page = 0; page < report.pageCount(); ++page) {
    if (page > 0 && !writer.newPage()) return false;
    report.paintPage(page, painter);
  }
  return painter.end();
}

}  // namespace

std::optional<std::string> writePdf(const ReportDocument& report, const fs::path& file,
                                    const PdfExportOptions& options) {
  const std::string failed = "Die PDF-Datei " + file.string() + " kann nicht geschrieben werden";
  if (report.pageCount() == 0) return failed + ": der Bericht hat keine Seite";
  std::error_code error;
  if (file.has_parent_path() && !fs::is_directory(file.parent_path(), error)) {
    return failed + ": der Ordner " + file.parent_path().string() + " fehlt";
  }
  const fs::path painted = besideTarget(file, "painting");
  if (!paintAll(report, painted, options) || !fs::exists(painted, error)) {
    fs::remove(painted, error);
    return failed;
  }
  fs::path finished = painted;
  if (options.protection) {
    finished = besideTarget(file, "protected");
    auto fault = protectPdf(painted, finished, *options.protection);
    fs::remove(painted, error);
    if (fault) {
      fs::remove(finished, error);
      return fault;
    }
  }
  fs::rename(finished, file, error);
  if (error) {
    fs::remove(finished, error);
    return failed + ": " + error.message();
  }
  return std::nullopt;
}

}  // namespace orvosal
