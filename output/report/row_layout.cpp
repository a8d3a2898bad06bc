#include "output/report/row_layout.h"

#include <algorithm>

#include "output/report/band_layout.h"
#include "output/report/text_measure.h"

namespace orvosal {

namespace {

Qt::Alignment cellAlign(LayoutAlign align) {
  return align == LayoutAlign::Right ? Qt::AlignRight
                                     : (align == LayoutAlign::Center ? Qt::AlignHCenter : Qt::AlignLeft);
}

struct PreparedCell {
  QRectF box;  // top and height set when the row's height is known
  std::vector<QString> lines;
  QFont font;
  Qt::Alignment align;
};

}  // namespace

PlacedBlock layoutRow(const LayoutRow& row, const LayoutTable& table, RenderState& state,
                      const ReportValues* record) {
  ReportTextContext context = state.context(record);
  const std::vector<LayoutColumn>& columns = table.columns;
  std::vector<PreparedCell> cells;
  double textHeight = 0;
  for (const LayoutCell& cell : row.cells) {
    auto first = std::ranges::find(columns, cell.column, &LayoutColumn::name);
    if (first == columns.end()) continue;
    const LayoutColumn& last = *(first + (cell.span - 1));
    PreparedCell prepared;
    prepared.box = QRectF(first->x, row.padding, last.x + last.width - first->x, 0);
    prepared.font = resolveFont(state.layout.font, row.font, cell.font);
    prepared.lines =
        wrapText(QString::fromStdString(context.expand(cell.text)), prepared.font, prepared.box.width());
    prepared.align = cellAlign(cell.align.value_or(first->align));
    state.noteFault(context, cell.line);
    textHeight = std::max(textHeight, prepared.lines.size() * lineHeight(prepared.font));
    cells.push_back(std::move(prepared));
  }
  PlacedBlock block;
  block.height = textHeight + 2 * row.padding;
  double left = columns.front().x;
  double right = left;
  for (const LayoutColumn& column : columns) {
    left = std::min(left, column.x);
    right = std::max(right, column.x + column.width);
  }
  if (!row.fill.empty()) {
    block.primitives.push_back(PlacedBox{QRectF(left, 0, right - left, block.height), 0, Qt::black,
                                         QColor(QString::fromStdString(row.fill))});
  }
  for (const PreparedCell& cell : cells) {
    placeTextLines(block.primitives, cell.lines, cell.font, cell.box, cell.align, Qt::black);
  }
  if (row.ruleBelow)
    block.primitives.push_back(PlacedLine{QLineF(left, block.height, right, block.height), 0.2, Qt::black});
  return block;
}

}  // namespace orvosal
