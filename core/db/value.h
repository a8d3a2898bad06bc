#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "core/currency.h"
#include "core/datetime.h"

namespace orvosal {

// One field value as it travels between the database and the operations: Null, a whole number,
// a floating number, a currency amount, a text, a date-time or a truth value. Conversions follow
// the old engines' rules (German number and date forms when text is involved).
class Value {
 public:
  Value() = default;
  Value(std::nullptr_t) {}
  Value(int v) : data_(static_cast<int64_t>(v)) {}
  Value(int64_t v) : data_(v) {}
  Value(double v) : data_(v) {}
  Value(Currency v) : data_(v) {}
  Value(std::string v) : data_(std::move(v)) {}
  Value(std::string_view v) : data_(std::string(v)) {}
  Value(const char* v) : data_(std::string(v)) {}
  Value(DateTime v) : data_(v) {}
  Value(Date v) : data_(DateTime(v)) {}
  Value(bool v) : data_(v) {}

  bool isNull() const { return std::holds_alternative<std::monostate>(data_); }
  bool isText() const { return std::holds_alternative<std::string>(data_); }
  bool isInteger() const { return std::holds_alternative<int64_t>(data_); }
  bool isDouble() const { return std::holds_alternative<double>(data_); }
  bool isCurrency() const { return std::holds_alternative<Currency>(data_); }
  bool isDateTime() const { return std::holds_alternative<DateTime>(data_); }
  bool isBool() const { return std::holds_alternative<bool>(data_); }
  bool isNumber() const { return isInteger() || isDouble() || isCurrency() || isBool(); }

  // Null gives the neutral value (0, empty text, false); a text that is no number gives 0. A number
  // beyond the currency range throws std::overflow_error from toCurrency() and toInt().
  int64_t toInt() const;
  double toDouble() const;
  Currency toCurrency() const;
  bool toBool() const;
  // Numbers in German form ("1234,5"), dates as "dd.mm.yyyy" or "dd.mm.yyyy hh:mm:ss".
  std::string toText() const;
  // The text a text value holds, without a copy; null for any other kind.
  const std::string* textIfAny() const { return std::get_if<std::string>(&data_); }
  // Empty for Null and for text that is no date (German or ISO form).
  std::optional<DateTime> toDateTime() const;

  bool operator==(const Value& other) const = default;

 private:
  std::variant<std::monostate, int64_t, double, Currency, std::string, DateTime, bool> data_;
};

}  // namespace orvosal
