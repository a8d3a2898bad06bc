#pragma once

#include <string>
#include <string_view>

#include "core/session.h"

namespace orvosal {

// The profile a tag block is built for: "XRechnung" (UBL) or anything else (ZUGFeRD comfort).
inline constexpr std::string_view kXRechnungProfile = "XRechnung";

// The report variables that receive a tag block when a layout uses them.
inline constexpr std::string_view kXRechnungVariable = "GotoMax_XRechnung";
inline constexpr std::string_view kZugferdVariable = "GotoMax_ZUGFERD";

// The block of tag lines (each ending with CR LF) that a printed invoice carries for the PDF
// converter: header, one row per charged item, totals, VAT rows, profile and seller. Empty for a
// `belegId` that is not numeric, a document that does not exist, a purchase document or one with a
// negative `Belegart` (cash receipts). Positions marked "keine Berechnung" and page breaks carry no
// item row; hour positions are items like any other (unit from `Einheit`).
std::string buildTagBlock(Session& session, std::string_view belegId, std::string_view profile);

}  // namespace orvosal
