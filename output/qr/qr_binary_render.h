#pragma once

#include <string>

#include "output/qr/qr_symbol.h"

namespace orvosal::qr {

// A Windows bitmap ("BM") with one bit per pixel: colour 0 black, colour 1 white, rows bottom up,
// each padded to whole 4-byte units; every module is scale x scale pixels, the quiet zone
// included. The bytes of the file.
std::string renderBmp(const Symbol& symbol, int quietZone, int scale);

// A placeable Windows metafile (96 units per inch, one unit per pixel): a white rectangle over
// the whole drawing, then one black filled rectangle per dark module, drawn without outline.
std::string renderWmf(const Symbol& symbol, int quietZone, int scale);

}  // namespace orvosal::qr
