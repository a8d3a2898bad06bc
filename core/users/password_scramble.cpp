#include "core/users/password_scramble.h"

#include <optional>

namespace orvosal {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr unsigned char kFirstChain = 0x3C;

unsigned char keyAt(size_t position) { return static_cast<unsigned char>(0xA7 + 31 * position); }

std::optional<unsigned char> hexNibble(char digit) {
  if (digit >= '0' && digit <= '9') return static_cast<unsigned char>(digit - '0');
  if (digit >= 'A' && digit <= 'F') return static_cast<unsigned char>(digit - 'A' + 10);
  if (digit >= 'a' && digit <= 'f') return static_cast<unsigned char>(digit - 'a' + 10);
  return std::nullopt;
}

}  // namespace

std::string ScramblePassword(std::string_view password) {
  std::string scrambled;
  scrambled.reserve(password.size() * 2);
  unsigned char chain = kFirstChain;
  for (size_t i = 0; i < password.size(); ++i) {
    const auto mixed = static_cast<unsigned char>(static_cast<unsigned char>(password[i]) ^ keyAt(i) ^ chain);
    scrambled += kHexDigits[mixed >> 4];
    scrambled += kHexDigits[mixed & 0x0F];
    chain = mixed;
  }
  return scrambled;
}

std::string UnscramblePassword(std::string_view scrambled) {
  if (scrambled.size() % 2 != 0) return "";
  std::string password;
  password.reserve(scrambled.size() / 2);
  unsigned char chain = kFirstChain;
  for (size_t i = 0; i < scrambled.size() / 2; ++i) {
    const auto high = hexNibble(scrambled[2 * i]);
    const auto low = hexNibble(scrambled[2 * i + 1]);
    if (!high || !low) return "";
    const auto mixed = static_cast<unsigned char>(*high << 4 | *low);
    password += static_cast<char>(mixed ^ keyAt(i) ^ chain);
    chain = mixed;
  }
  return password;
}

}  // namespace orvosal
