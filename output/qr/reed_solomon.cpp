#include "output/qr/reed_solomon.h"

#include <cstddef>

namespace orvosal::qr {

namespace {

uint8_t multiply(uint8_t a, uint8_t b) {
  int product = 0;
  for (int bit = 7; bit >= 0; --bit) {
    product = (product << 1) ^ ((product >> 7) * 0x11D);
    product ^= ((b >> bit) & 1) * a;
  }
  return static_cast<uint8_t>(product);
}

}  // namespace

std::vector<uint8_t> reedSolomonGenerator(int degree) {
  // Coefficients from the highest power down; the leading 1 is left out.
  std::vector<uint8_t> result(static_cast<size_t>(degree), 0);
  result.back() = 1;
  uint8_t root = 1;
  for (int i = 0; i < degree; ++i) {
    // Multiply the product so far by (x - root).
    for (size_t j = 0; j < result.size(); ++j) {
      result[j] = multiply(result[j], root);
      if (j + 1 < result.size()) result[j] ^= result[j + 1];
    }
    root = multiply(root, 0x02);
  }
  return result;
}

std::vector<uint8_t> reedSolomonRemainder(const std::vector<uint8_t>& data,
                                          const std::vector<uint8_t>& generator) {
  std::vector<uint8_t> result(generator.size(), 0);
  for (uint8_t value : data) {
    const uint8_t factor = value ^ result.front();
    result.erase(result.begin());
    result.push_back(0);
    for (size_t i = 0; i < result.size(); ++i) result[i] ^= multiply(generator[i], factor);
  }
  return result;
}

}  // namespace orvosal::qr
