#pragma once

#include "core/currency.h"

namespace orvosal {

// One hundred as an amount: the base of the percentages taken of prices and totals.
inline const Currency kHundred = Currency::fromInteger(100);

}  // namespace orvosal
