#pragma once

#include <optional>
#include <vector>

#include "output/layout/layout.h"

namespace orvosal {

// The designer's undo and redo: the layout as it was before each change. A new change empties
// the redo side.
class LayoutHistory {
 public:
  // Call before changing `current`.
  void record(const Layout& current);
  bool canUndo() const { return !undo_.empty(); }
  bool canRedo() const { return !redo_.empty(); }
  // The layout before the last change, `current` going to the redo side; nullopt when none.
  std::optional<Layout> undo(const Layout& current);
  std::optional<Layout> redo(const Layout& current);

 private:
  std::vector<Layout> undo_;
  std::vector<Layout> redo_;
};

}  // namespace orvosal
