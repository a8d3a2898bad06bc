#pragma once

#include <string>
#include <string_view>

namespace orvosal {

inline constexpr std::string_view kReverseChargeNote =
    "Steuerschuldnerschaft des Leistungsempfängers (Reverse Charge)";
inline constexpr std::string_view kExportNote = "Steuerfreie Ausfuhrlieferung";
inline constexpr std::string_view kTaxFreeNote = "Umsatzsteuerfrei";

// The note a document without VAT prints to name why: a recipient in another EU state with a VAT
// identification number owes the tax himself (reverse charge); a recipient outside the EU
// receives a tax-free export; anything else is printed as tax-free. `land` is the country of the
// billing address (empty means Germany) as German or English name or ISO code.
std::string taxExemptionNote(std::string_view land, std::string_view euIdent);

// True for Germany (or no country given).
bool isGermany(std::string_view land);
// True for a member state of the EU other than Germany.
bool isOtherEuCountry(std::string_view land);

}  // namespace orvosal
