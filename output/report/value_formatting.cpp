#include "output/report/value_formatting.h"

#include <optional>

#include "core/ascii.h"
#include "core/datetime.h"
#include "core/text.h"

namespace orvosal {

namespace {

struct Digits {
  bool negative = false;
  std::string whole;
  std::string fraction;
};

// Reads "-1234.5" (the form numbers are defined in) or German "1.234,5".
std::optional<Digits> readDigits(std::string_view text) {
  text = trim(text);
  Digits digits;
  std::string_view rest = text;
  if (rest.starts_with("-") || rest.starts_with("+")) {
    digits.negative = rest.front() == '-';
    rest.remove_prefix(1);
  }
  const std::size_t point = rest.find('.');
  const std::string_view whole = rest.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : rest.substr(point + 1);
  auto allDigits = [](std::string_view part) {
    for (char c : part) {
      if (!isAsciiDigit(c)) return false;
    }
    return true;
  };
  if (!whole.empty() && allDigits(whole) && allDigits(fraction) &&
      fraction.find('.') == std::string_view::npos) {
    digits.whole = std::string(whole);
    digits.fraction = std::string(fraction);
    return digits;
  }
  auto german = splitDecimal(text);
  if (!german) return std::nullopt;
  return Digits{german->negative, german->integerDigits.empty() ? "0" : german->integerDigits,
                german->fractionDigits};
}

// Rounds the magnitude to `decimals` places, half away from zero.
void roundDigits(Digits& digits, int decimals) {
  const auto keep = static_cast<std::size_t>(decimals);
  if (digits.fraction.size() <= keep) return;
  const bool up = digits.fraction[keep] >= '5';
  digits.fraction.resize(keep);
  if (!up) return;
  std::string all = digits.whole + digits.fraction;
  std::size_t at = all.size();
  while (at > 0) {
    --at;
    if (all[at] != '9') {
      ++all[at];
      break;
    }
    all[at] = '0';
    if (at == 0) all.insert(all.begin(), '1');
  }
  digits.whole = all.substr(0, all.size() - keep);
  digits.fraction = all.substr(all.size() - keep);
}

std::string groupThousands(const std::string& whole) {
  std::string grouped;
  for (std::size_t i = 0; i < whole.size(); ++i) {
    if (i > 0 && (whole.size() - i) % 3 == 0) grouped += '.';
    grouped += whole[i];
  }
  return grouped;
}

std::string twoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

}  // namespace

std::string formatNumber(std::string_view value, const NumberFormat& format) {
  auto digits = readDigits(value);
  if (!digits) return std::string(value);
  roundDigits(*digits, format.maxDecimals);
  while (static_cast<int>(digits->fraction.size()) > format.minDecimals && digits->fraction.ends_with('0')) {
    digits->fraction.pop_back();
  }
  digits->fraction.resize(
      std::max<std::size_t>(digits->fraction.size(), static_cast<std::size_t>(format.minDecimals)), '0');
  std::size_t firstNonZero = digits->whole.find_first_not_of('0');
  digits->whole = firstNonZero == std::string::npos ? "0" : digits->whole.substr(firstNonZero);
  const bool zero = digits->whole == "0" && digits->fraction.find_first_not_of('0') == std::string::npos;
  std::string text = digits->negative && !zero ? "-" : "";
  text += format.grouping ? groupThousands(digits->whole) : digits->whole;
  if (!digits->fraction.empty()) text += "," + digits->fraction;
  return text;
}

std::string formatDate(std::string_view value, const DateFormat& format) {
  auto moment = DateTime::parse(value);
  if (!moment) return std::string(value);
  const Date date = moment->date();
  const std::string_view pattern = format.pattern;
  std::string text;
  std::size_t at = 0;
  auto take = [&](std::string_view letters) {
    if (!pattern.substr(at).starts_with(letters)) return false;
    at += letters.size();
    return true;
  };
  while (at < pattern.size()) {
    if (take("yyyy")) {
      text += std::to_string(date.year());
    } else if (take("yy")) {
      text += twoDigits(date.year() % 100);
    } else if (take("dd")) {
      text += twoDigits(date.day());
    } else if (take("d")) {
      text += std::to_string(date.day());
    } else if (take("MM")) {
      text += twoDigits(date.month());
    } else if (take("M")) {
      text += std::to_string(date.month());
    } else if (take("HH")) {
      text += twoDigits(moment->hour());
    } else if (take("mm")) {
      text += twoDigits(moment->minute());
    } else if (take("ss")) {
      text += twoDigits(moment->second());
    } else {
      text += pattern[at++];
    }
  }
  return text;
}

std::string displayValue(const ReportValue& value) {
  switch (value.type) {
    case ReportValueType::Number:
      if (readDigits(value.text)) return replaceAll(value.text, ".", ",");
      return value.text;
    case ReportValueType::Date:
      return formatDate(value.text, DateFormat{value.text.size() > 10 ? "dd.MM.yyyy HH:mm" : "dd.MM.yyyy"});
    default:
      return value.text;
  }
}

std::string formatValue(const ReportValue& value, const ValueFormat& format) {
  if (const auto* number = std::get_if<NumberFormat>(&format)) {
    if (value.type == ReportValueType::Number || value.type == ReportValueType::Text) {
      return formatNumber(value.text, *number);
    }
  } else if (const auto* date = std::get_if<DateFormat>(&format)) {
    if (value.type == ReportValueType::Date || value.type == ReportValueType::Text)
      return formatDate(value.text, *date);
  }
  return displayValue(value);
}

}  // namespace orvosal
