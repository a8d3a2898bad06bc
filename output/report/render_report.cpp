#include <QString>

#include "core/clock.h"
#include "output/layout/paper_size.h"
#include "output/report/paginator.h"
#include "output/report/report_document.h"

namespace orvosal {

namespace {

// "{Seiten}" is known only when every page is laid out: it is set as this mark first and filled
// in afterwards. The painter aligns each line within its box, so the width may change.
const QString kPageCountMark = QString(QChar(0xE000));

void fillPageCount(std::vector<PagePlan>& pages) {
  const QString count = QString::number(pages.size());
  for (PagePlan& page : pages) {
    for (PagePrimitive& primitive : page.primitives) {
      if (auto* text = std::get_if<PlacedText>(&primitive)) text->text.replace(kPageCountMark, count);
    }
  }
}

// The header band on the first page and the footer band leave no room between them.
std::optional<LayoutFault> checkPageRoom(const Layout& layout, double pageHeight) {
  const LayoutBand* footer = layout.band(LayoutBandKind::PageFooter);
  const double footerHeight = footer != nullptr ? footer->height : 0;
  for (LayoutBandKind kind : {LayoutBandKind::FirstHeader, LayoutBandKind::PageHeader}) {
    const LayoutBand* header = layout.band(kind);
    if (header != nullptr && header->height + footerHeight + layout.page.marginBottom >= pageHeight) {
      return LayoutFault{{}, header->line, "Kopf- und Fußbereich zusammen sind höher als die Seite"};
    }
  }
  return std::nullopt;
}

}  // namespace

std::variant<ReportDocument, LayoutFault> renderReport(const Layout& layout, const ReportData& data) {
  const std::optional<PaperSize> paper = parsePaperSize(layout.page.size);
  if (!paper) return LayoutFault{{}, 0, "Unbekanntes Papierformat „" + layout.page.size + "“"};
  QSizeF size(paper->width, paper->height);
  if (layout.page.landscape) size.transpose();
  if (auto fault = checkPageRoom(layout, size.height())) return *fault;

  RenderState state{layout, data, {}, {}, std::nullopt};
  state.engineValues.define("Seiten", kPageCountMark.toStdString());
  if (data.variables.find("Druckdatum") == nullptr)
    state.engineValues.defineDate("Druckdatum", SystemClock().now());
  std::vector<PagePlan> pages = Paginator(state, size).run();
  if (state.fault) return *state.fault;
  fillPageCount(pages);

  auto plan = std::make_shared<ReportDocument::Pages>();
  plan->size = size;
  plan->pages = std::move(pages);
  return ReportDocument(std::move(plan));
}

}  // namespace orvosal
