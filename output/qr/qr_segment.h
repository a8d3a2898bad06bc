#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "output/qr/qr_tables.h"

namespace orvosal::qr {

// The three encoding modes, in the order the dialog lists them ("Numeric", "AlphaNumeric",
// "Binary").
enum class EncodingMode { Numeric = 0, AlphaNumeric = 1, Byte = 2 };

inline constexpr std::string_view kAlphaNumericCharset = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ $%*+-./:";

// Whether every byte of the data can be carried in that mode.
bool fitsMode(std::string_view data, EncodingMode mode);

// Width of the character count field of the mode at that version; it grows at versions 10 and 27.
int characterCountBits(EncodingMode mode, int version);

// The bits of one segment: mode indicator, character count and data, without terminator. Empty
// when the data does not fit the mode or its count field at that version.
std::optional<std::vector<bool>> segmentBits(std::string_view data, EncodingMode mode, int version);

// The data codewords of a symbol: the segment, terminator, bit padding and the pad codewords
// 0xEC 0x11 up to the capacity. Empty when the segment does not fit.
std::optional<std::vector<uint8_t>> dataCodewordsFor(const std::vector<bool>& segment, int version,
                                                     ErrorLevel level);

// Data codewords split into blocks, each followed by its error correction, and interleaved into
// the order they are placed in the symbol.
std::vector<uint8_t> interleaveWithErrorCorrection(const std::vector<uint8_t>& data, int version,
                                                   ErrorLevel level);

}  // namespace orvosal::qr
