#include "output/layout/paper_size.h"

#include <charconv>

namespace orvosal {

namespace {

std::optional<double> positiveNumber(std::string_view text) {
  double value = 0;
  auto [stop, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (text.empty() || error != std::errc() || stop != text.data() + text.size() || value <= 0)
    return std::nullopt;
  return value;
}

}  // namespace

std::optional<PaperSize> parsePaperSize(std::string_view size) {
  if (size == "A4") return PaperSize{210, 297};
  if (size == "A5") return PaperSize{148, 210};
  if (size == "A6") return PaperSize{105, 148};
  if (size == "Letter") return PaperSize{215.9, 279.4};
  const std::size_t cross = size.find('x');
  if (cross == std::string_view::npos) return std::nullopt;
  auto width = positiveNumber(size.substr(0, cross));
  auto height = positiveNumber(size.substr(cross + 1));
  if (!width || !height) return std::nullopt;
  return PaperSize{*width, *height};
}

}  // namespace orvosal
