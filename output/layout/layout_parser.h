#pragma once

#include <optional>
#include <string>

#include "output/layout/layout.h"
#include "output/layout/layout_tokens.h"

namespace orvosal {

// Builds a Layout from its statements one after the other, remembering which band, table and row
// the following statements belong to.
class LayoutParser {
 public:
  // Takes the next statement; answers the German fault that stops reading.
  std::optional<std::string> add(const LayoutStatement& statement);
  // Checks what only the whole file shows; answers the fault and its line.
  std::optional<std::pair<int, std::string>> finish();

  Layout& layout() { return layout_; }

 private:
  std::optional<std::string> addHead(const LayoutStatement& statement);
  std::optional<std::string> addBand(const LayoutStatement& statement);
  std::optional<std::string> addElement(const LayoutStatement& statement);
  std::optional<std::string> addTablePart(const LayoutStatement& statement);
  std::optional<std::string> addRow(const LayoutStatement& statement);
  std::optional<std::string> addCell(const LayoutStatement& statement);
  std::optional<std::string> addLabels(const LayoutStatement& statement);

  Layout layout_;
  bool started_ = false;
  LayoutBand* band_ = nullptr;  // the band that takes elements
  bool inTable_ = false;        // the table takes columns and rows
  LayoutRow* row_ = nullptr;    // the row that takes cells
};

}  // namespace orvosal
