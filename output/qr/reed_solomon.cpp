#include "output/qr/reed_solomon.h"

#include <algorithm>
#include <array>
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

// Powers of 2 and their logarithms in the field: a * b = exp[log a + log b] for a, b != 0. The
// powers are written twice so that a sum of two logarithms needs no reduction.
struct FieldTables {
  std::array<uint8_t, 512> exp{};
  std::array<int, 256> log{};
};

FieldTables makeFieldTables() {
  FieldTables tables;
  uint8_t value = 1;
  for (int i = 0; i < 255; ++i) {
    tables.exp[static_cast<size_t>(i)] = tables.exp[static_cast<size_t>(i + 255)] = value;
    tables.log[value] = i;
    value = multiply(value, 0x02);
  }
  return tables;
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
  static const FieldTables kTables = makeFieldTables();
  // The generator's coefficients as logarithms, -1 for a zero coefficient.
  std::vector<int> generatorLog(generator.size());
  for (size_t i = 0; i < generator.size(); ++i)
    generatorLog[i] = generator[i] != 0 ? kTables.log[generator[i]] : -1;

  std::vector<uint8_t> result(generator.size(), 0);
  for (uint8_t value : data) {
    const uint8_t factor = value ^ result.front();
    std::copy(result.begin() + 1, result.end(), result.begin());
    result.back() = 0;
    if (factor == 0) continue;
    const int factorLog = kTables.log[factor];
    for (size_t i = 0; i < result.size(); ++i)
      if (generatorLog[i] >= 0) result[i] ^= kTables.exp[static_cast<size_t>(generatorLog[i] + factorLog)];
  }
  return result;
}

}  // namespace orvosal::qr
