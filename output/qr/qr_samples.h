#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvosal::qr {

// The payload templates the QR code dialog offers: the list entry and the text it proposes.
struct QrSample {
  std::string_view name;
  std::string text;
};

const std::vector<QrSample>& qrSamples();

}  // namespace orvosal::qr
