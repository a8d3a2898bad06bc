#pragma once

#include <cstdint>
#include <vector>

namespace orvosal::qr {

// Reed-Solomon error correction over GF(256) with the QR field polynomial x^8+x^4+x^3+x^2+1.
// The generator of degree n has the roots 2^0 .. 2^(n-1).
std::vector<uint8_t> reedSolomonGenerator(int degree);
// The n error correction codewords of one block of data codewords.
std::vector<uint8_t> reedSolomonRemainder(const std::vector<uint8_t>& data,
                                          const std::vector<uint8_t>& generator);

}  // namespace orvosal::qr
