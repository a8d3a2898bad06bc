#include "output/layout/layout_history.h"

namespace orvosal {

namespace {

constexpr size_t kMaximumSteps = 200;

std::optional<Layout> historyStep(std::vector<Layout>& from, std::vector<Layout>& to, const Layout& current) {
  if (from.empty()) return std::nullopt;
  to.push_back(current);
  Layout previous = std::move(from.back());
  from.pop_back();
  return previous;
}

}  // namespace

void LayoutHistory::record(const Layout& current) {
  undo_.push_back(current);
  if (undo_.size() > kMaximumSteps) undo_.erase(undo_.begin());
  redo_.clear();
}

std::optional<Layout> LayoutHistory::undo(const Layout& current) {
  return historyStep(undo_, redo_, current);
}

std::optional<Layout> LayoutHistory::redo(const Layout& current) {
  return historyStep(redo_, undo_, current);
}

}  // namespace orvosal
