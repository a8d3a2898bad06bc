#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "output/qr/qr_segment.h"
#include "output/qr/qr_tables.h"

namespace orvosal::qr {

// The messages of the encoder, shown as they are.
inline constexpr std::string_view kMessageEmpty = "The code is empty !";
inline constexpr std::string_view kMessageTooMuchData = "Too many data or matrix size too small !";
inline constexpr std::string_view kMessageProcessing = "There was an error processing the data!";
inline constexpr std::string_view kMessageEncoding = "There was an error encoding data!";

// A finished symbol: Size x Size modules, row by row, each kLight, kDark or kMarker.
struct Symbol {
  int version = 0;
  int size = 0;
  int mask = 0;
  std::vector<uint8_t> modules;
  ErrorLevel level = ErrorLevel::L;

  uint8_t at(int row, int column) const { return modules[static_cast<size_t>(row * size + column)]; }
  bool dark(int row, int column) const { return at(row, column) != 0; }
};

// What the encoder is asked for. Version 0 takes the smallest version that holds the data; mask
// -1 scores the eight masks and takes the lowest score (the first of equal scores).
struct SymbolRequest {
  EncodingMode mode = EncodingMode::Byte;
  ErrorLevel level = ErrorLevel::L;
  int version = 0;
  int mask = -1;
};

// Encodes the bytes of data into a symbol, or answers one of the messages above.
std::variant<Symbol, std::string> encodeSymbol(std::string_view data, const SymbolRequest& request);

// The symbol of these data codewords (before error correction) with that mask (0..7, or -1 for
// the best one).
Symbol symbolFromCodewords(const std::vector<uint8_t>& dataCodewords, int version, ErrorLevel level,
                           int mask);

}  // namespace orvosal::qr
