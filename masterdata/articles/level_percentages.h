#pragma once

#include <string>

#include "masterdata/articles/price_levels.h"

namespace orvosal {

// What is wrong with the percentages of levels 2 to 9 of a product group or discount scale: each
// must lie between 0 and 100, since a level below 0 % would raise the price above `Verkaufspreis1`
// and one above 100 % would make it negative. Empty when all are valid.
std::string LevelPercentagesProblem(const PriceLevelPercentages& percentages);

}  // namespace orvosal
