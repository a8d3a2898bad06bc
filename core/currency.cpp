#include "core/currency.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "core/text.h"

namespace orvosal {

namespace {

// Wide enough for the exact product of two amounts and for an amount scaled by 10000.
__extension__ using Wide = __int128;

constexpr int kDecimals = 4;

Wide pow10(int exponent) {
  Wide result = 1;
  for (int i = 0; i < exponent; ++i) result *= 10;
  return result;
}

bool inRange(Wide units) {
  return units >= std::numeric_limits<int64_t>::min() && units <= std::numeric_limits<int64_t>::max();
}

Currency inCurrencyRange(Wide units) {
  if (!inRange(units)) throw std::overflow_error("Currency amount out of range");
  return Currency::fromUnits(static_cast<int64_t>(units));
}

// numerator / denominator rounded to an integer; the magnitudes used here stay far below the limits
// of Wide, so negating and doubling cannot overflow.
Wide divideRounded(Wide numerator, Wide denominator, Rounding mode) {
  if (denominator < 0) {
    numerator = -numerator;
    denominator = -denominator;
  }
  Wide quotient = numerator / denominator;
  const Wide remainder = numerator % denominator;
  const Wide twice = 2 * (remainder < 0 ? -remainder : remainder);
  const bool roundAway = twice > denominator ||
                         (twice == denominator && (mode == Rounding::HalfAwayFromZero || quotient % 2 != 0));
  if (roundAway) quotient += numerator < 0 ? -1 : 1;
  return quotient;
}

// The exact decimal rounded half to even to four decimals, or nullopt when the integer part alone
// is far out of range.
std::optional<Wide> unitsFromDecimal(const DecimalDigits& digits) {
  constexpr Wide kWholeLimit = std::numeric_limits<int64_t>::max() / Currency::kUnitsPerWhole + 1;
  Wide whole = 0;
  for (const char c : digits.integerDigits) {
    whole = whole * 10 + (c - '0');
    if (whole > kWholeLimit) return std::nullopt;
  }
  Wide units = whole;
  const std::string_view fraction = digits.fractionDigits;
  for (int i = 0; i < kDecimals; ++i) {
    units = units * 10 + (i < static_cast<int>(fraction.size()) ? fraction[i] - '0' : 0);
  }
  if (fraction.size() > kDecimals) {
    const std::string_view rest = fraction.substr(kDecimals);
    const bool aboveHalf = rest[0] > '5' || (rest[0] == '5' && rest.find_first_not_of('0', 1) != rest.npos);
    const bool half = rest[0] == '5' && !aboveHalf;
    if (aboveHalf || (half && units % 2 != 0)) ++units;
  }
  return digits.negative ? -units : units;
}

std::string formatAmount(int64_t units, int decimals, char decimalSeparator, bool grouped) {
  if (decimals < 0 || decimals > 6) decimals = 2;
  const int kept = std::min(decimals, kDecimals);
  const Wide rounded = divideRounded(units, pow10(kDecimals - kept), Rounding::HalfAwayFromZero);
  const Wide magnitude = rounded < 0 ? -rounded : rounded;
  const Wide scale = pow10(kept);

  std::string whole = std::to_string(static_cast<int64_t>(magnitude / scale));
  if (grouped) {
    for (size_t pos = whole.size(); pos > 3;) {
      pos -= 3;
      whole.insert(pos, 1, '.');
    }
  }
  std::string text = rounded < 0 ? "-" + whole : whole;
  if (decimals > 0) {
    const std::string fraction = std::to_string(static_cast<int64_t>(magnitude % scale + scale)).substr(1);
    text += decimalSeparator + fraction + std::string(decimals - kept, '0');
  }
  return text;
}

}  // namespace

Currency Currency::fromInteger(int64_t whole) { return inCurrencyRange(Wide(whole) * kUnitsPerWhole); }

Currency Currency::fromDouble(double value) {
  // An amount of at most four decimals well inside the range, as stored amounts are, is exact
  // without formatting: its shortest decimal form is the nearest multiple of 1/10000.
  if (std::abs(value) < 1e9) {
    const auto units = static_cast<int64_t>(std::llround(value * kUnitsPerWhole));
    if (static_cast<double>(units) / kUnitsPerWhole == value) return Currency(units);
  }
  if (!std::isfinite(value)) throw std::overflow_error("Currency from a non-finite double");
  // Fixed notation of the shortest round-trip form; the longest (denormals) has about 330 characters.
  char buffer[400];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  if (error != std::errc()) throw std::overflow_error("Currency from an unformattable double");
  std::string_view text(buffer, end - buffer);
  DecimalDigits digits;
  digits.negative = text.front() == '-';
  if (digits.negative) text.remove_prefix(1);
  const size_t point = text.find('.');
  digits.integerDigits = text.substr(0, point);
  if (point != text.npos) digits.fractionDigits = text.substr(point + 1);
  const std::optional<Wide> units = unitsFromDecimal(digits);
  if (!units) throw std::overflow_error("Currency from a double out of range");
  return inCurrencyRange(*units);
}

std::optional<Currency> Currency::parse(std::string_view text) {
  const std::optional<DecimalDigits> digits = splitDecimal(text);
  if (!digits) return std::nullopt;
  const std::optional<Wide> units = unitsFromDecimal(*digits);
  if (!units || !inRange(*units)) return std::nullopt;
  return Currency(static_cast<int64_t>(*units));
}

double Currency::toDouble() const { return static_cast<double>(units_) / kUnitsPerWhole; }

Currency Currency::rounded(int decimals, Rounding mode) const {
  const Wide step = pow10(kDecimals - std::clamp(decimals, 0, kDecimals));
  return inCurrencyRange(divideRounded(units_, step, mode) * step);
}

std::string Currency::format(int decimals) const { return formatAmount(units_, decimals, ',', false); }

std::string Currency::formatSql(int decimals) const { return formatAmount(units_, decimals, '.', false); }

std::string Currency::formatGrouped(int decimals) const { return formatAmount(units_, decimals, ',', true); }

Currency Currency::operator-() const { return inCurrencyRange(-Wide(units_)); }

Currency& Currency::operator+=(Currency other) {
  return *this = inCurrencyRange(Wide(units_) + other.units_);
}

Currency& Currency::operator-=(Currency other) {
  return *this = inCurrencyRange(Wide(units_) - other.units_);
}

Currency operator*(Currency a, Currency b) {
  return inCurrencyRange(
      divideRounded(Wide(a.units_) * b.units_, Currency::kUnitsPerWhole, Rounding::HalfEven));
}

Currency operator/(Currency a, Currency b) {
  if (b.units_ == 0) throw std::domain_error("Currency division by zero");
  return inCurrencyRange(
      divideRounded(Wide(a.units_) * Currency::kUnitsPerWhole, b.units_, Rounding::HalfEven));
}

Currency operator*(Currency a, int64_t factor) { return inCurrencyRange(Wide(a.units_) * factor); }

Currency operator/(Currency a, int64_t divisor) {
  if (divisor == 0) throw std::domain_error("Currency division by zero");
  return inCurrencyRange(divideRounded(a.units_, divisor, Rounding::HalfEven));
}

}  // namespace orvosal
