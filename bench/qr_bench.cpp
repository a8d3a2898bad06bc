// Encodes 1,000 payloads of mixed lengths (10 to 1,000 bytes, every level, best mask) and reports
// symbols per second.
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "output/qr/qr_symbol.h"

int main() {
  using namespace orvosal::qr;
  std::mt19937 random(42);
  std::vector<std::string> payloads;
  for (int i = 0; i < 1000; ++i) {
    std::string text;
    const size_t length = 10 + random() % 991;
    for (size_t j = 0; j < length; ++j) text += static_cast<char>('!' + random() % 90);
    payloads.push_back(text);
  }
  const auto start = std::chrono::steady_clock::now();
  size_t modules = 0;
  for (size_t i = 0; i < payloads.size(); ++i) {
    const auto result = encodeSymbol(payloads[i], {.level = static_cast<ErrorLevel>(i % 4)});
    if (const auto* symbol = std::get_if<Symbol>(&result)) modules += symbol->modules.size();
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%zu payloads in %.3f s: %.0f symbols/s (%zu modules)\n", payloads.size(), seconds,
              static_cast<double>(payloads.size()) / seconds, modules);
  return 0;
}
