#pragma once

#include <optional>
#include <string>

#include "output/layout/layout.h"
#include "output/layout/paper_size.h"

namespace orvosal {

// The designer's changes to the page and to the heights of the bands. Each answers nullopt when
// done, or the reason in German why it refused; a refused change leaves the layout as it was.

// A length rounded to 0.1 mm, as the designer stores it.
double roundedLength(double millimetres);

// A length for a message, rounded to 0.1 mm: "12,5 mm".
std::string millimetreText(double value);

// The paper as it lies: landscape swaps width and height; A4 when the size is unknown.
PaperSize orientedPaper(const LayoutPage& page);

// The height between the top and the bottom margin, where a band has to fit.
double printableHeight(const LayoutPage& page);

// Sets the band's height (rounded to 0.1 mm). Refused when negative or taller than the printable
// part of the page.
std::optional<std::string> setBandHeight(Layout& layout, int band, double height);

// Replaces the page settings. Refused for an unknown paper size, a negative margin, margins that
// leave no room, and a page on which a band or a table column no longer fits.
std::optional<std::string> setPageSettings(Layout& layout, const LayoutPage& page);

}  // namespace orvosal
