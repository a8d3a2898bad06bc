#include "output/qr/cls_qr_code.h"

#include <algorithm>

#include "output/qr/qr_binary_render.h"
#include "output/qr/qr_text_render.h"
#include "output/qr/tilde_escape.h"

namespace orvosal {

std::string clsQRCode::AddLogo(std::string_view imagePath) {
  if (imagePath.empty()) {
    logoPath_.clear();
    logo_ = {};
    return {};
  }
  QImage logo(QString::fromUtf8(imagePath.data(), static_cast<qsizetype>(imagePath.size())));
  if (logo.isNull()) return "Das Logo \"" + std::string(imagePath) + "\" kann nicht als Bild gelesen werden.";
  logoPath_ = imagePath;
  logo_ = std::move(logo);
  return {};
}

std::string clsQRCode::Encode(std::string_view text) {
  symbol_ = {};
  std::string data = ApplyTilde ? qr::applyTildeEscapes(text) : std::string(text);
  if (!CaseSensitive && EncodingMode == qr::EncodingMode::AlphaNumeric)
    for (char& c : data)
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  if (QuietZone < 0) return std::string(qr::kMessageProcessing);

  // A logo hides modules; from level Q on there is room to correct them.
  const qr::ErrorLevel level = logo_.isNull() ? ErrorLevel : std::max(ErrorLevel, qr::ErrorLevel::Q);
  auto result = qr::encodeSymbol(
      data, {.mode = EncodingMode, .level = level, .version = Version, .mask = zzGetBestMask()});
  if (auto* message = std::get_if<std::string>(&result)) return *message;
  symbol_ = std::get<qr::Symbol>(std::move(result));
  return {};
}

std::string clsQRCode::GetBMP(int scale) const {
  if (symbol_.size == 0 || scale <= 0) return {};
  const qr::Decoration decorated = decoration();
  return decorated.active() ? qr::renderDecoratedBmp(symbol_, QuietZone, scale, decorated)
                            : qr::renderBmp(symbol_, QuietZone, scale);
}

std::string clsQRCode::GetEPS(int scale, const DateTime& created) const {
  return symbol_.size > 0 && scale > 0 ? qr::renderEps(symbol_, QuietZone, scale, created) : std::string();
}

std::string clsQRCode::GetHTML(int scale) const {
  return symbol_.size > 0 && scale > 0 ? qr::renderHtml(symbol_, QuietZone, scale, decoration())
                                       : std::string();
}

std::string clsQRCode::GetSVG(int scale) const {
  return symbol_.size > 0 && scale > 0 ? qr::renderSvg(symbol_, QuietZone, scale, decoration())
                                       : std::string();
}

std::string clsQRCode::GetWMF(int scale) const {
  return symbol_.size > 0 && scale > 0 ? qr::renderWmf(symbol_, QuietZone, scale) : std::string();
}

}  // namespace orvosal
