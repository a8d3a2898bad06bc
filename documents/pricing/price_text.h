#pragma once

#include <string>

#include "core/currency.h"

namespace orvosal {

// A unit price as the document window shows it: decimal comma, no thousands separator, at least
// two and at most four decimals ("85,50", "12,3456").
std::string unitPriceText(Currency price);

// A number as typed into an editor, without needless decimals ("5", "12,5", "0,125").
std::string plainNumberText(Currency value);

}  // namespace orvosal
