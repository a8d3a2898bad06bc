#pragma once

#include <memory>
#include <variant>

#include <QSizeF>

#include "output/layout/layout.h"
#include "output/report/report_data.h"

class QPainter;

namespace orvosal {

// A report laid out into pages: the layout filled with the data, the table broken across pages
// with its header and carried sums, page numbers known. Painting a page needs no further data, so
// the preview, the printer and the PDF file show the same pages.
class ReportDocument {
 public:
  class Pages;  // the laid-out pages (defined with the renderer)

  explicit ReportDocument(std::shared_ptr<const Pages> pages);

  int pageCount() const;
  QSizeF pageSizeMillimetres() const;
  // Paints page `index` (0-based) onto the painter, filling the painter's device: a QPdfWriter or
  // QPrinter page, or an image of the preview. The scale follows the device's resolution.
  void paintPage(int index, QPainter& painter) const;

 private:
  std::shared_ptr<const Pages> pages_;
};

// Lays out the report. A fault of the layout that shows only with data (a format that cannot be
// applied, a band higher than the page) answers a LayoutFault naming the line.
std::variant<ReportDocument, LayoutFault> renderReport(const Layout& layout, const ReportData& data);

}  // namespace orvosal
