#pragma once

#include <QImage>
#include <QRect>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "output/qr/qr_symbol.h"

namespace orvosal::qr {

// What the picture renderings (BMP, SVG, HTML) draw beyond the plain symbol.
struct Decoration {
  // The dark modules of the finder, timing and alignment patterns in the marker colour.
  bool showMarkers = false;
  // Drawn centred over the symbol on a light square; a null image draws none.
  QImage logo;

  bool active() const { return showMarkers || !logo.isNull(); }
};

inline constexpr std::string_view kMarkerColour = "#c00000";

// The share of modules a logo may cover: 5 % at level Q, 8 % at H, none below Q. A covered
// square spoils more codewords than it has modules (at its edges, codewords are cut), so the
// shares stay well under the 25 % and 30 % of codewords those levels correct.
double logoShare(ErrorLevel level);

// Where a logo goes, in pixels of a rendering with that quiet zone and scale: the light square
// of whole modules at the centre, and the logo inside it scaled to fit with its aspect ratio kept.
// Both empty when the symbol's level allows no logo.
// Alignment patterns the square meets are drawn again over the logo (readers need the one at the
// centre of larger symbols): their 5 x 5 module areas, in pixels.
struct LogoPlacement {
  QRect square;
  QRect image;
  std::vector<QRect> alignmentAreas;
};
LogoPlacement placeLogo(const Symbol& symbol, int quietZone, int scale, const QImage& logo);

// Calls visit(row, column, x, y) for every module, light or dark, of the areas (in pixels), x and
// y being its top left corner.
void forEachAreaModule(const Symbol& symbol, int quietZone, int scale, const std::vector<QRect>& areas,
                       const std::function<void(int, int, int, int)>& visit);

// "#ffffff" for a light module, the marker colour for a marker module when markers are shown,
// else "#000000".
std::string_view moduleColour(const Symbol& symbol, const Decoration& decoration, int row, int column);

// A BMP with 24 bits per pixel: the symbol as renderBmp draws it, marker modules in their colour
// and the logo over the centre.
std::string renderDecoratedBmp(const Symbol& symbol, int quietZone, int scale, const Decoration& decoration);

// The logo as a "data:image/png;base64,..." address for SVG and HTML.
std::string logoDataUrl(const QImage& logo);

}  // namespace orvosal::qr
