#pragma once

#include <string>
#include <string_view>

#include "accounting/einvoice/invoice_model.h"

namespace orvosal {

// Which e-invoice standard a CII file claims: XRechnung 3.0, or ZUGFeRD / Factur-X profile EN 16931
// (the file embedded into the PDF).
enum class CiiProfile { XRechnung, Zugferd };

inline constexpr std::string_view kEn16931Guideline = "urn:cen.eu:en16931:2017";

// UN/CEFACT Cross Industry Invoice D16B.
std::string writeCii(const InvoiceModel& model, CiiProfile profile);

}  // namespace orvosal
