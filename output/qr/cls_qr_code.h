#pragma once

#include <QImage>
#include <string>
#include <string_view>

#include "core/datetime.h"
#include "output/qr/qr_decoration.h"
#include "output/qr/qr_symbol.h"

namespace orvosal {

// The QR code of one text: the settings below, Encode, and the renderings of the encoded symbol.
// The renderings take the scale in pixels (points for EPS) per module and draw the quiet zone.
class clsQRCode {
 public:
  // Tilde escapes ("~~", "~dNNN", "~hNN") are resolved before encoding.
  bool ApplyTilde = false;
  // Off: lower-case letters are written upper-case in the alphanumeric mode, which has none.
  bool CaseSensitive = true;

  // An image (PNG, JPEG, BMP, ...) drawn over the centre of the symbol in the BMP, SVG and HTML
  // renderings, on a light square of at most 5 % of the modules at level Q and 8 % at H. While a
  // logo is set, Encode raises the error level to at least Q. An empty path removes the logo.
  // Answers "" or, for a file that cannot be read as an image, the message; the logo set before
  // stays then.
  std::string AddLogo(std::string_view imagePath);
  const std::string& logoPath() const { return logoPath_; }

  // Encodes the text with the settings. Answers "" on success, else the message of the failure;
  // after a failure no symbol is held.
  std::string Encode(std::string_view text);

  qr::EncodingMode EncodingMode = qr::EncodingMode::Byte;
  qr::ErrorLevel ErrorLevel = qr::ErrorLevel::L;
  // On: the eight masks are scored and the lowest penalty wins. Off: mask 0.
  bool FindBestMask = true;

  // The renderings of the encoded symbol; empty when none is held.
  std::string GetBMP(int scale) const;
  std::string GetEPS(int scale, const DateTime& created) const;
  std::string GetHTML(int scale) const;
  std::string GetSVG(int scale) const;
  std::string GetWMF(int scale) const;

  // 0 for a light module, 1 for a dark one, 2 for a dark module of a finder, timing or alignment
  // pattern.
  int Matrix(int row, int column) const { return symbol_.at(row, column); }
  // Width of the light border in modules.
  int QuietZone = 4;
  // Draws the dark modules of the finder, timing and alignment patterns in their own colour
  // (kMarkerColour) in the BMP, SVG and HTML renderings: a view for checking a symbol by eye.
  bool ShowMarkers = false;
  // Modules per side of the encoded symbol; 0 before a successful Encode.
  int Size() const { return symbol_.size; }
  // 0: the smallest version that holds the data; else 1 to 40.
  int Version = 0;

  // The encoded symbol (its version and mask among it).
  const qr::Symbol& symbol() const { return symbol_; }

 private:
  int zzGetBestMask() const { return FindBestMask ? -1 : 0; }
  qr::Decoration decoration() const { return {.showMarkers = ShowMarkers, .logo = logo_}; }

  qr::Symbol symbol_;
  std::string logoPath_;
  QImage logo_;
};

}  // namespace orvosal
