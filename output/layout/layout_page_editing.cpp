#include "output/layout/layout_page_editing.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "output/layout/layout_design_sheet.h"

namespace orvosal {

namespace {

std::optional<std::string> bandFits(const LayoutBand& band, const LayoutPage& page) {
  const double room = printableHeight(page);
  if (band.height <= room) return std::nullopt;
  return std::string("Der Bereich „") + bandCaption(band.kind) + "“ ist mit " + millimetreText(band.height) +
         " höher als der bedruckbare Teil der Seite (" + millimetreText(room) + ").";
}

std::optional<std::string> columnsFit(const Layout& layout, const LayoutPage& page) {
  if (!layout.table) return std::nullopt;
  const double width = orientedPaper(page).width;
  for (const LayoutColumn& column : layout.table->columns) {
    if (column.x + column.width > width) {
      return "Die Spalte „" + column.name + "“ reicht bis " + millimetreText(column.x + column.width) +
             " und damit über die Seite hinaus (" + millimetreText(width) + " breit).";
    }
  }
  return std::nullopt;
}

}  // namespace

double roundedLength(double millimetres) { return std::round(millimetres * 10) / 10; }

std::string millimetreText(double value) {
  char buffer[32];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, roundedLength(value));
  std::string text(buffer, error == std::errc() ? end : buffer);
  std::replace(text.begin(), text.end(), '.', ',');
  return text + " mm";
}

PaperSize orientedPaper(const LayoutPage& page) {
  const PaperSize paper = parsePaperSize(page.size).value_or(PaperSize{210, 297});
  return page.landscape ? PaperSize{paper.height, paper.width} : paper;
}

double printableHeight(const LayoutPage& page) {
  return orientedPaper(page).height - page.marginTop - page.marginBottom;
}

std::optional<std::string> setBandHeight(Layout& layout, int band, double height) {
  LayoutBand changed = layout.bands.at(static_cast<std::size_t>(band));
  changed.height = roundedLength(height);
  if (changed.height < 0) return "Die Höhe eines Bereichs kann nicht negativ sein.";
  if (auto fault = bandFits(changed, layout.page)) return fault;
  layout.bands[static_cast<std::size_t>(band)] = std::move(changed);
  return std::nullopt;
}

std::optional<std::string> setPageSettings(Layout& layout, const LayoutPage& page) {
  if (!parsePaperSize(page.size)) return "Unbekanntes Papierformat „" + page.size + "“.";
  if (page.marginLeft < 0 || page.marginTop < 0 || page.marginRight < 0 || page.marginBottom < 0)
    return "Ein Rand kann nicht negativ sein.";
  const PaperSize paper = orientedPaper(page);
  if (page.marginLeft + page.marginRight >= paper.width) {
    return "Der linke und der rechte Rand (" + millimetreText(page.marginLeft) + " und " +
           millimetreText(page.marginRight) + ") lassen auf der " + millimetreText(paper.width) +
           " breiten Seite keinen Platz.";
  }
  if (page.marginTop + page.marginBottom >= paper.height) {
    return "Der obere und der untere Rand (" + millimetreText(page.marginTop) + " und " +
           millimetreText(page.marginBottom) + ") lassen auf der " + millimetreText(paper.height) +
           " hohen Seite keinen Platz.";
  }
  for (const LayoutBand& band : layout.bands) {
    if (auto fault = bandFits(band, page)) return fault;
  }
  if (auto fault = columnsFit(layout, page)) return fault;
  layout.page = page;
  return std::nullopt;
}

}  // namespace orvosal
