#pragma once

#include <string>
#include <string_view>

#include "core/datetime.h"
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

  // An image drawn over the centre of the symbol in the picture renderings (preview, clipboard);
  // a high error level keeps such a symbol readable. Empty: no logo.
  void AddLogo(std::string_view imagePath) { logoPath_ = imagePath; }
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
  // Draws the finder, timing and alignment patterns in their own colour in the picture renderings.
  bool ShowMarkers = false;
  // Modules per side of the encoded symbol; 0 before a successful Encode.
  int Size() const { return symbol_.size; }
  // 0: the smallest version that holds the data; else 1 to 40.
  int Version = 0;

  // The encoded symbol (its version and mask among it).
  const qr::Symbol& symbol() const { return symbol_; }

 private:
  int zzGetBestMask() const { return FindBestMask ? -1 : 0; }

  qr::Symbol symbol_;
  std::string logoPath_;
};

}  // namespace orvosal
