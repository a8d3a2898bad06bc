#include "output/report/paginator.h"

#include "output/report/band_layout.h"
#include "output/report/row_layout.h"

namespace orvosal {

Paginator::Paginator(RenderState& state, QSizeF pageSize)
    : state_(state), layout_(state.layout), pageSize_(pageSize) {}

std::vector<PagePlan> Paginator::run() {
  setCarried();
  if (layout_.labels) {
    placeLabels();
    return std::move(pages_);
  }
  startPage();
  if (layout_.table) {
    placeTableHeader();
    placeRecords();
  }
  placeClosingBand(LayoutBandKind::Totals);
  placeClosingBand(LayoutBandKind::Closing);
  finishPage();
  return std::move(pages_);
}

void Paginator::setCarried() { state_.engineValues.defineNumber("Übertrag", carried_); }

void Paginator::startPage() {
  pages_.emplace_back();
  state_.engineValues.defineNumber("Seite", static_cast<int64_t>(pages_.size()));
  const LayoutBand* header = layout_.band(LayoutBandKind::PageHeader);
  if (pages_.size() == 1 && layout_.band(LayoutBandKind::FirstHeader) != nullptr) {
    header = layout_.band(LayoutBandKind::FirstHeader);
  }
  y_ = 0;
  if (header != nullptr) {
    PlacedBlock block = layoutBand(*header, state_);
    y_ = block.height;
    placeBlock(pages_.back(), std::move(block), 0, 0);
  }
  y_ = std::max(y_, layout_.page.marginTop);
  if (layout_.table) y_ += layout_.table->gapAbove;
  const LayoutBand* footer = layout_.band(LayoutBandKind::PageFooter);
  limit_ = pageSize_.height() - layout_.page.marginBottom - (footer != nullptr ? footer->height : 0);
  rowsOnPage_ = false;
}

void Paginator::finishPage() {
  const LayoutBand* footer = layout_.band(LayoutBandKind::PageFooter);
  if (footer != nullptr) placeBlock(pages_.back(), layoutBand(*footer, state_), 0, limit_);
}

void Paginator::place(const PlacedBlock& block) {
  placeBlock(pages_.back(), block, 0, y_);
  y_ += block.height;
}

void Paginator::placeTableHeader() {
  if (layout_.table->header) place(layoutRow(*layout_.table->header, *layout_.table, state_));
}

void Paginator::breakTablePage() {
  const LayoutTable& table = *layout_.table;
  if (table.carryFoot) place(layoutRow(*table.carryFoot, table, state_));
  finishPage();
  startPage();
  placeTableHeader();
  if (table.carryHead) place(layoutRow(*table.carryHead, table, state_));
}

void Paginator::placeRecords() {
  const LayoutTable& table = *layout_.table;
  const double footReserve = table.carryFoot ? layoutRow(*table.carryFoot, table, state_).height : 0;
  for (const ReportValues& record : state_.data.records) {
    ReportTextContext context = state_.context(&record);
    if (!table.pageBreakWhen.empty() && context.holds(table.pageBreakWhen)) {
      if (rowsOnPage_) breakTablePage();
      continue;
    }
    auto form =
        std::ranges::find_if(table.rows, [&](const LayoutRow& row) { return context.holds(row.when); });
    if (form == table.rows.end()) continue;
    PlacedBlock block = layoutRow(*form, table, state_, &record);
    if (rowsOnPage_ && y_ + block.height + footReserve > limit_) breakTablePage();
    place(block);
    rowsOnPage_ = true;
    if (!table.carrySum.empty()) {
      if (const ReportValue* value = record.find(table.carrySum)) {
        if (auto amount = Currency::parse(value->text)) carried_ += *amount;
      }
      setCarried();
    }
  }
}

void Paginator::placeClosingBand(LayoutBandKind kind) {
  const LayoutBand* band = layout_.band(kind);
  if (band == nullptr) return;
  PlacedBlock block = layoutBand(*band, state_);
  if (y_ + block.height > limit_) {
    finishPage();
    startPage();
  }
  place(block);
}

void Paginator::placeLabels() {
  const LayoutLabelSheet& sheet = *layout_.labels;
  const LayoutBand& label = *layout_.band(LayoutBandKind::Label);
  const std::size_t perPage = static_cast<std::size_t>(sheet.columns) * static_cast<std::size_t>(sheet.rows);
  for (std::size_t i = 0; i < state_.data.records.size(); ++i) {
    const std::size_t slot = i % perPage;
    if (slot == 0) {
      pages_.emplace_back();
      state_.engineValues.defineNumber("Seite", static_cast<int64_t>(pages_.size()));
    }
    const auto column = static_cast<double>(slot % static_cast<std::size_t>(sheet.columns));
    const auto row = static_cast<double>(slot / static_cast<std::size_t>(sheet.columns));
    placeBlock(pages_.back(), layoutBand(label, state_, &state_.data.records[i]),
               sheet.left + column * (sheet.width + sheet.gapX),
               sheet.top + row * (sheet.height + sheet.gapY));
  }
  if (pages_.empty()) pages_.emplace_back();
}

}  // namespace orvosal
