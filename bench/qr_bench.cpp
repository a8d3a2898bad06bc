// Encodes 1,000 payloads of mixed lengths (10 to 1,000 bytes, every level, best mask) and reports
// symbols per second, wall clock and processor time; built with libqrencode, the same payloads
// through it for comparison.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "output/qr/qr_symbol.h"

#ifdef ORVOSAL_WITH_QRENCODE
#include <qrencode.h>
#endif

namespace {

// Runs encode(i) for every payload and prints the figures; encode answers the modules drawn.
void measure(const char* name, size_t payloads, const std::function<size_t(size_t)>& encode) {
  const auto start = std::chrono::steady_clock::now();
  const std::clock_t cpuStart = std::clock();
  size_t modules = 0;
  for (size_t i = 0; i < payloads; ++i) modules += encode(i);
  const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%-11s %zu payloads in %.3f s (processor %.3f s): %.0f symbols/s (%zu modules)\n", name,
              payloads, seconds, cpu, static_cast<double>(payloads) / seconds, modules);
}

}  // namespace

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
  measure("orvosal", payloads.size(), [&](size_t i) -> size_t {
    const auto result = encodeSymbol(payloads[i], {.level = static_cast<ErrorLevel>(i % 4)});
    const auto* symbol = std::get_if<Symbol>(&result);
    return symbol != nullptr ? symbol->modules.size() : 0;
  });
#ifdef ORVOSAL_WITH_QRENCODE
  // Byte mode as above; libqrencode numbers the levels L, M, Q, H from 0 as well.
  measure("libqrencode", payloads.size(), [&](size_t i) -> size_t {
    QRcode* code = QRcode_encodeData(static_cast<int>(payloads[i].size()),
                                     reinterpret_cast<const unsigned char*>(payloads[i].data()), 0,
                                     static_cast<QRecLevel>(i % 4));
    if (code == nullptr) return 0;
    const auto modules = static_cast<size_t>(code->width * code->width);
    QRcode_free(code);
    return modules;
  });
#endif
  return 0;
}
