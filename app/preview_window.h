#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "output/report/report_document.h"

class QLabel;
class QScrollArea;

namespace orvosal {

// The preview of a print ("frmVorschau"): one page at a time, zoom in and out or fit the page
// width, page through with "Seite x von y", print from it or save it as a PDF file.
class frmVorschau : public QWidget {
  Q_OBJECT

 public:
  // `print` prints the report (through the printer dialog); it answers the German reason of a
  // failure, "" when the user cancelled.
  using PrintAction = std::function<std::optional<std::string>(const ReportDocument&)>;

  frmVorschau(ReportDocument report, const std::string& title, PrintAction print, QWidget* parent = nullptr);

  int page() const { return page_; }
  double zoom() const { return zoom_; }
  void showPage(int index);
  void setZoom(double zoom);
  void zoomIn();
  void zoomOut();
  void fitWidth();
  // Writes the report to the PDF file; the German reason on failure.
  std::optional<std::string> saveAsPdf(const std::filesystem::path& file);

 private:
  void render();
  void printReport();
  void chooseAndSavePdf();

  ReportDocument report_;
  std::string title_;
  PrintAction print_;
  int page_ = 0;
  double zoom_ = 1.0;
  QScrollArea* scroll_ = nullptr;
  QLabel* canvas_ = nullptr;
  QLabel* pageLabel_ = nullptr;
};

}  // namespace orvosal
