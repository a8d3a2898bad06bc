#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvosal {

enum class Rounding { HalfEven, HalfAwayFromZero };

// A money amount stored as a signed 64-bit count of 1/10000 units, the same representation as the
// COM CURRENCY type. The range is -922337203685477.5808 .. 922337203685477.5807. Every operation
// whose result leaves the range throws std::overflow_error. Results that need rounding to four
// decimals are rounded half to even (banker's rounding), as the COM arithmetic does.
class Currency {
 public:
  static constexpr int64_t kUnitsPerWhole = 10000;

  constexpr Currency() = default;

  static constexpr Currency fromUnits(int64_t tenThousandths) { return Currency(tenThousandths); }
  static Currency fromInteger(int64_t whole);

  // Rounds the number as written in its shortest decimal form (the one that reads back as the same
  // double) to four decimals, half to even: 0.00005 gives 0.0000, 0.00015 gives 0.0002, 2.00005
  // gives 2.0000. NaN and infinities throw std::overflow_error like values out of range.
  static Currency fromDouble(double value);

  // Reads German input with the rules of splitDecimal() in core/text.h: "1.234,56", "1234,5",
  // "-12,50", " 7 ". Without a comma, points grouping three digits are thousands separators
  // ("1.234" is 1234), any other single point is a decimal point ("1.5", "1234.56"). More than four
  // decimals are rounded half to even. Invalid text and amounts out of range give nullopt.
  static std::optional<Currency> parse(std::string_view text);

  constexpr int64_t units() const { return units_; }
  double toDouble() const;

  // Rounds to 0..4 decimals; other counts are clamped into that range.
  Currency rounded(int decimals, Rounding mode) const;

  // "1234,50": no thousands separator, decimal comma, `decimals` digits (0..6, any other count means
  // 2), rounded half away from zero for display. An amount that rounds to zero has no minus sign.
  std::string format(int decimals) const;
  // As format() with a decimal point, the form written into SQL text: "1234.50".
  std::string formatSql(int decimals = 2) const;
  // As format() with thousands points, for display: "1.234,56".
  std::string formatGrouped(int decimals) const;

  Currency operator-() const;
  Currency& operator+=(Currency other);
  Currency& operator-=(Currency other);

  friend Currency operator+(Currency a, Currency b) { return a += b; }
  friend Currency operator-(Currency a, Currency b) { return a -= b; }
  friend Currency operator*(Currency a, Currency b);
  // Throws std::domain_error when dividing by zero.
  friend Currency operator/(Currency a, Currency b);
  friend Currency operator*(Currency a, int64_t factor);
  friend Currency operator*(int64_t factor, Currency a) { return a * factor; }
  friend Currency operator/(Currency a, int64_t divisor);

  friend constexpr auto operator<=>(Currency, Currency) = default;
  friend constexpr bool operator==(Currency, Currency) = default;

 private:
  explicit constexpr Currency(int64_t units) : units_(units) {}

  int64_t units_ = 0;
};

}  // namespace orvosal
