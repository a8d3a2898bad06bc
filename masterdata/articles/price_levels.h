#pragma once

#include <array>
#include <optional>

#include "core/currency.h"
#include "core/session.h"
#include "masterdata/articles/article.h"

namespace orvosal {

// For price levels 2 to 9 (index 0 is level 2) the percentage by which each lies below
// `Verkaufspreis1`.
using PriceLevelPercentages = std::array<Currency, 8>;

// The percentages of the article: from its discount scale (`RabattStaffel`) when `RabattStaffelID`
// is set, otherwise from its product-group row (by `Warengruppe`, or by `Hauptwarengruppe` when no
// product group is set) of its supplier or of all suppliers. Nothing when no such row exists.
std::optional<PriceLevelPercentages> PriceLevelPercentagesOf(Session& session, const Article& article);

// Sets levels 2 to 9 to `Verkaufspreis1` reduced by their percentages; a level of 0 percent gets
// `Verkaufspreis1` itself.
void ApplyPriceLevels(Article& article, const PriceLevelPercentages& percentages);

}  // namespace orvosal
