#pragma once

#include <string>

#include "core/datetime.h"
#include "output/qr/qr_decoration.h"
#include "output/qr/qr_symbol.h"

namespace orvosal::qr {

// The text renderings of a symbol with a light border of quietZone modules and scale pixels
// (points for EPS) per module. Lines end with CR LF. HTML and SVG draw the decoration: marker
// modules in their colour, and the logo as an embedded PNG on its light square after the modules.
std::string renderHtml(const Symbol& symbol, int quietZone, int scale, const Decoration& decoration = {});
std::string renderSvg(const Symbol& symbol, int quietZone, int scale, const Decoration& decoration = {});
// The creation date is written in the form "Sun Dec 6 14:05:05 2026".
std::string renderEps(const Symbol& symbol, int quietZone, int scale, const DateTime& created);

}  // namespace orvosal::qr
