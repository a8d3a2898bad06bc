#include "core/db/value.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "core/text.h"

namespace orvosal {
namespace {

std::optional<double> parsedDouble(std::string_view text) {
  const auto digits = splitDecimal(text);
  if (!digits) return std::nullopt;
  const std::string plain = (digits->negative ? "-" : "") +
                            (digits->integerDigits.empty() ? "0" : digits->integerDigits) + "." +
                            (digits->fractionDigits.empty() ? "0" : digits->fractionDigits);
  double result = 0;
  std::from_chars(plain.data(), plain.data() + plain.size(), result);
  return result;
}

bool isTrueWord(std::string_view text) {
  return equalsNoCase(text, "True") || equalsNoCase(text, "Wahr") || equalsNoCase(text, "Ja");
}

// The shortest German form of a floating number ("1,5", "0,1", "1234").
std::string germanDouble(double value) {
  char buffer[32];
  auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string text(buffer, error == std::errc() ? end : buffer);
  for (char& c : text) {
    if (c == '.') c = ',';
  }
  return text;
}

std::string germanCurrency(Currency value) {
  std::string text = value.format(4);
  while (text.ends_with('0')) text.pop_back();
  if (text.ends_with(',')) text.pop_back();
  return text;
}

}  // namespace

int64_t Value::toInt() const {
  if (isInteger()) return std::get<int64_t>(data_);
  if (isBool()) return std::get<bool>(data_) ? 1 : 0;
  if (isNull()) return 0;
  return toCurrency().rounded(0, Rounding::HalfEven).units() / Currency::kUnitsPerWhole;
}

double Value::toDouble() const {
  if (isDouble()) return std::get<double>(data_);
  if (isInteger()) return static_cast<double>(std::get<int64_t>(data_));
  if (isCurrency()) return std::get<Currency>(data_).toDouble();
  if (isBool()) return std::get<bool>(data_) ? 1 : 0;
  if (isDateTime()) return std::get<DateTime>(data_).toOleDate();
  if (isText()) return parsedDouble(std::get<std::string>(data_)).value_or(0);
  return 0;
}

Currency Value::toCurrency() const {
  if (isCurrency()) return std::get<Currency>(data_);
  if (isInteger()) return Currency::fromInteger(std::get<int64_t>(data_));
  if (isDouble()) return Currency::fromDouble(std::get<double>(data_));
  if (isBool()) return Currency::fromInteger(std::get<bool>(data_) ? 1 : 0);
  if (isText()) {
    const std::string& text = std::get<std::string>(data_);
    if (std::optional<Currency> amount = Currency::parse(text)) return *amount;
    if (isNumeric(text)) throw std::overflow_error("Currency from a number out of range");
    return Currency();
  }
  if (isDateTime()) return Currency::fromDouble(std::get<DateTime>(data_).toOleDate());
  return Currency();
}

bool Value::toBool() const {
  if (isBool()) return std::get<bool>(data_);
  if (isText()) {
    const std::string_view text = trim(std::get<std::string>(data_));
    if (isTrueWord(text)) return true;
    return isNumeric(text) && toDouble() != 0;
  }
  if (isNull()) return false;
  return toDouble() != 0;
}

std::string Value::toText() const {
  if (isText()) return std::get<std::string>(data_);
  if (isInteger()) return std::to_string(std::get<int64_t>(data_));
  if (isDouble()) return germanDouble(std::get<double>(data_));
  if (isCurrency()) return germanCurrency(std::get<Currency>(data_));
  if (isBool()) return std::get<bool>(data_) ? "Wahr" : "Falsch";
  if (isDateTime()) {
    const DateTime moment = std::get<DateTime>(data_);
    const bool midnight = moment.hour() == 0 && moment.minute() == 0 && moment.second() == 0;
    return midnight ? moment.date().toGerman() : moment.toGermanWithTime();
  }
  return "";
}

std::optional<DateTime> Value::toDateTime() const {
  if (isDateTime()) return std::get<DateTime>(data_);
  if (isText()) return DateTime::parse(std::get<std::string>(data_));
  if (isNull() || isBool()) return std::nullopt;
  return DateTime::fromOleDate(toDouble());
}

}  // namespace orvosal
