#include "masterdata/articles/discount_scale.h"

namespace orvosal {
namespace {

using S = DiscountScale;

const FieldDef<S> kScaleFields[] = {
    {"ID", &S::id, true},
    {"Titel", &S::titel},
    {"Verkaufspreis2", &S::verkaufspreis2},
    {"Verkaufspreis3", &S::verkaufspreis3},
    {"Verkaufspreis4", &S::verkaufspreis4},
    {"Verkaufspreis5", &S::verkaufspreis5},
    {"Verkaufspreis6", &S::verkaufspreis6},
    {"Verkaufspreis7", &S::verkaufspreis7},
    {"Verkaufspreis8", &S::verkaufspreis8},
    {"Verkaufspreis9", &S::verkaufspreis9},
};

}  // namespace

FieldTable<DiscountScale> DiscountScaleFields() { return kScaleFields; }

PriceLevelPercentages levelPercentages(const DiscountScale& scale) {
  return {scale.verkaufspreis2, scale.verkaufspreis3, scale.verkaufspreis4, scale.verkaufspreis5,
          scale.verkaufspreis6, scale.verkaufspreis7, scale.verkaufspreis8, scale.verkaufspreis9};
}

}  // namespace orvosal
