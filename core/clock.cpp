#include "core/clock.h"

#include <algorithm>
#include <chrono>
#include <ctime>

namespace orvosal {

DateTime SystemClock::now() const {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&seconds, &local);
  const auto day = Date::fromYmd(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
  return DateTime::fromParts(day.value(), local.tm_hour, local.tm_min, std::min(local.tm_sec, 59)).value();
}

}  // namespace orvosal
