#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "output/layout/layout.h"

namespace orvosal {

// The designer's changes to the columns of the record table. Each answers nullopt when done, or
// the reason in German why it refused; a refused change leaves the layout as it was. Lengths are
// rounded to 0.1 mm.

// Adds a column after the last one, named "Spalte N" (the first free N), right of the last column
// where it fits, else at the right margin; every row form gets an empty cell in it. Refused when
// the layout has no table or no room is left on the page.
std::optional<std::string> addTableColumn(Layout& layout);

// Removes the column and its cells from every row form; a cell that spans it loses one column.
// Refused for the table's only column.
std::optional<std::string> removeTableColumn(Layout& layout, int column);

// Places the column at x with the width and alignment. Refused when it would lie outside the page
// or have no width.
std::optional<std::string> setTableColumn(Layout& layout, int column, double x, double width,
                                          LayoutAlign align);

// The text of the header row's cell that starts in the column; "" when it has none.
std::string columnHeading(const Layout& layout, int column);

// Sets that text, giving the table a header row and the column a header cell when they have none.
// Refused when another header cell spans the column.
std::optional<std::string> setColumnHeading(Layout& layout, int column, std::string_view text);

}  // namespace orvosal
