#include "masterdata/addresses/quoted_printable.h"

namespace orvosal {
namespace {

constexpr size_t kMaxLine = 76;
constexpr char kHex[] = "0123456789ABCDEF";

std::string hexByte(unsigned char byte) { return {'=', kHex[byte >> 4], kHex[byte & 0x0F]}; }

bool isBlank(unsigned char byte) { return byte == ' ' || byte == '\t'; }

bool staysLiteral(unsigned char byte) { return (byte >= 33 && byte <= 126 && byte != '=') || isBlank(byte); }

void encodeTrailingBlank(std::string& line) {
  if (line.empty() || !isBlank(static_cast<unsigned char>(line.back()))) return;
  const unsigned char blank = static_cast<unsigned char>(line.back());
  line.pop_back();
  line += hexByte(blank);
}

int hexValue(char digit) {
  if (digit >= '0' && digit <= '9') return digit - '0';
  if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
  if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
  return -1;
}

}  // namespace

std::string encodeQuotedPrintable(std::string_view bytes, size_t firstLineUsed) {
  std::string encoded;
  std::string line;
  size_t lineStart = firstLineUsed;  // characters in front of `line` on its physical line
  for (const char c : bytes) {
    const unsigned char byte = static_cast<unsigned char>(c);
    std::string token =
        staysLiteral(byte) && !(isBlank(byte) && line.empty()) ? std::string(1, c) : hexByte(byte);
    // A blank may turn into three characters when it ends the line, and the soft break needs one.
    const size_t needed = isBlank(byte) ? 3 : token.size();
    if (!line.empty() && lineStart + line.size() + needed + 1 > kMaxLine) {
      encodeTrailingBlank(line);
      encoded += line + "=\r\n";
      line.clear();
      lineStart = 0;
      if (isBlank(byte)) token = hexByte(byte);
    }
    line += token;
  }
  encodeTrailingBlank(line);
  return encoded + line;
}

std::optional<std::string> decodeQuotedPrintable(std::string_view encoded) {
  std::string decoded;
  for (size_t i = 0; i < encoded.size(); ++i) {
    if (encoded[i] != '=') {
      decoded += encoded[i];
      continue;
    }
    if (i + 2 >= encoded.size()) return std::nullopt;
    const int high = hexValue(encoded[i + 1]);
    const int low = hexValue(encoded[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    decoded += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return decoded;
}

}  // namespace orvosal
