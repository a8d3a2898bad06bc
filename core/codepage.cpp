#include "core/codepage.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

namespace orvosal {

namespace {

constexpr const char* kUtf8 = "UTF-8";
constexpr const char* kWindows1252 = "WINDOWS-1252";
constexpr const char* kCp850 = "CP850";
constexpr const char* kCp437 = "CP437";

class Iconv {
 public:
  Iconv(const char* to, const char* from) : handle_(iconv_open(to, from)) {
    if (handle_ == reinterpret_cast<iconv_t>(-1))
      throw std::runtime_error("iconv cannot convert to " + std::string(to));
  }
  ~Iconv() { iconv_close(handle_); }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;

  // Converts everything, putting '?' in place of each unconvertible character: a whole character
  // when the UTF-8 input is valid but has no place in the target, otherwise a single byte.
  std::string convert(std::string_view input, bool inputIsUtf8) {
    std::string out;
    char buffer[4096];
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    while (inLeft > 0) {
      char* outPos = buffer;
      size_t outLeft = sizeof buffer;
      const size_t result = iconv(handle_, &in, &inLeft, &outPos, &outLeft);
      out.append(buffer, outPos);
      if (result != static_cast<size_t>(-1) || errno == E2BIG) continue;
      out += '?';
      const size_t skip = inputIsUtf8 ? std::max<size_t>(1, utf8SequenceLength({in, inLeft})) : 1;
      in += skip;
      inLeft -= skip;
    }
    return out;
  }

 private:
  iconv_t handle_;
};

std::string fromUtf8(std::string_view utf8, const char* codepage) {
  return Iconv(codepage, kUtf8).convert(utf8, true);
}

std::string toUtf8(std::string_view text, const char* codepage) {
  return Iconv(kUtf8, codepage).convert(text, false);
}

}  // namespace

size_t utf8SequenceLength(std::string_view text) {
  const auto byte = [text](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  size_t length = 0;
  // Allowed range of the second byte; narrower than usual where it excludes overlong forms,
  // surrogates and code points above U+10FFFF.
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (size_t i = 2; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
  }
  return length;
}

std::string utf8ToWindows1252(std::string_view utf8) { return fromUtf8(utf8, kWindows1252); }

std::string windows1252ToUtf8(std::string_view text) { return toUtf8(text, kWindows1252); }

std::string utf8ToCp850(std::string_view utf8) { return fromUtf8(utf8, kCp850); }

std::string cp850ToUtf8(std::string_view text) { return toUtf8(text, kCp850); }

std::string utf8ToCp437(std::string_view utf8) { return fromUtf8(utf8, kCp437); }

std::string cp437ToUtf8(std::string_view text) { return toUtf8(text, kCp437); }

bool looksLikeUtf8(std::string_view text) {
  while (!text.empty()) {
    const size_t length = utf8SequenceLength(text);
    if (length == 0) return false;
    text.remove_prefix(length);
  }
  return true;
}

}  // namespace orvosal
