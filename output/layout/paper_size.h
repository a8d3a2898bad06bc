#pragma once

#include <optional>
#include <string_view>

namespace orvosal {

struct PaperSize {
  double width = 0;  // millimetres, portrait
  double height = 0;
};

// The paper of a layout's `page size`: "A4", "A5", "A6", "Letter" or "<width>x<height>" in
// millimetres; nullopt for anything else.
std::optional<PaperSize> parsePaperSize(std::string_view size);

}  // namespace orvosal
