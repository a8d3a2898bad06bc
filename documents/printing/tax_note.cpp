#include "documents/printing/tax_note.h"

#include <array>

#include "core/text.h"

namespace orvosal {
namespace {

struct Country {
  std::string_view code;
  std::string_view german;
  std::string_view english;
};

// The member states of the EU besides Germany.
constexpr std::array<Country, 26> kOtherEuCountries{{
    {"AT", "Österreich", "Austria"}, {"BE", "Belgien", "Belgium"},         {"BG", "Bulgarien", "Bulgaria"},
    {"CY", "Zypern", "Cyprus"},      {"CZ", "Tschechien", "Czechia"},      {"DK", "Dänemark", "Denmark"},
    {"EE", "Estland", "Estonia"},    {"ES", "Spanien", "Spain"},           {"FI", "Finnland", "Finland"},
    {"FR", "Frankreich", "France"},  {"GR", "Griechenland", "Greece"},     {"HR", "Kroatien", "Croatia"},
    {"HU", "Ungarn", "Hungary"},     {"IE", "Irland", "Ireland"},          {"IT", "Italien", "Italy"},
    {"LT", "Litauen", "Lithuania"},  {"LU", "Luxemburg", "Luxembourg"},    {"LV", "Lettland", "Latvia"},
    {"MT", "Malta", "Malta"},        {"NL", "Niederlande", "Netherlands"}, {"PL", "Polen", "Poland"},
    {"PT", "Portugal", "Portugal"},  {"RO", "Rumänien", "Romania"},        {"SE", "Schweden", "Sweden"},
    {"SI", "Slowenien", "Slovenia"}, {"SK", "Slowakei", "Slovakia"},
}};

bool names(const Country& country, std::string_view land) {
  return equalsNoCase(land, country.code) || equalsNoCase(land, country.german) ||
         equalsNoCase(land, country.english);
}

}  // namespace

bool isGermany(std::string_view land) {
  const std::string_view name = trim(land);
  return name.empty() || equalsNoCase(name, "DE") || equalsNoCase(name, "D") ||
         equalsNoCase(name, "Deutschland") || equalsNoCase(name, "Germany");
}

bool isOtherEuCountry(std::string_view land) {
  const std::string_view name = trim(land);
  for (const Country& country : kOtherEuCountries) {
    if (names(country, name)) return true;
  }
  return false;
}

std::string taxExemptionNote(std::string_view land, std::string_view euIdent) {
  if (isOtherEuCountry(land) && !trim(euIdent).empty()) return std::string(kReverseChargeNote);
  if (!isGermany(land) && !isOtherEuCountry(land)) return std::string(kExportNote);
  return std::string(kTaxFreeNote);
}

}  // namespace orvosal
