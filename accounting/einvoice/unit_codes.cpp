#include "accounting/einvoice/unit_codes.h"

#include <array>
#include <utility>

#include "core/text.h"

namespace orvosal {
namespace {

// Unit texts as users type them. The written-out metric names ("Quadratmeter") are matched in any
// letter case like all others, so that "QUADRATMETER" and "Quadratmeter" give the same code.
constexpr std::array<std::pair<std::string_view, std::string_view>, 28> kUnits{{
    {"STK", "C62"},
    {"STÜCK", "C62"},
    {"TAG", "DAY"},
    {"HEKTAR", "HAR"},
    {"STUNDE", "HUR"},
    {"STD", "HUR"},
    {"KILOGRAM", "KGM"},
    {"KG", "KGM"},
    {"KILOMETER", "KTM"},
    {"KM", "KTM"},
    {"KILOWATTSTUNDE", "KWH"},
    {"KW", "KWH"},
    {"PAUSCHALE", "LS"},
    {"LITER", "LTR"},
    {"LTR", "LTR"},
    {"SET", "SET"},
    {"WOCHE", "WEE"},
    {"MINUTE", "MIN"},
    {"Quadratmillimeter", "MMK"},
    {"Millimeter", "MMT"},
    {"Quadratmeter", "MTK"},
    {"Kubikmeter", "MTQ"},
    {"Meter", "MTR"},
    {"MTR", "MTR"},
    {"Anzahl Artikel", "NAR"},
    {"Anzahl Paare", "NPR"},
    {"Prozent", "P1"},
    {"TONNE", "TNE"},
}};

}  // namespace

std::string unitCodeOf(std::string_view einheit) {
  const std::string unit = toUpperGerman(trim(einheit));
  for (const auto& [text, code] : kUnits) {
    if (toUpperGerman(text) == unit) return std::string(code);
  }
  return "C62";
}

}  // namespace orvosal
