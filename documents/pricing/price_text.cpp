#include "documents/pricing/price_text.h"

namespace orvosal {

std::string unitPriceText(Currency price) {
  std::string text = price.format(4);
  // Two of the four decimals always stay.
  while (text.size() > 3 && text.back() == '0' && text[text.size() - 3] != ',') text.pop_back();
  return text;
}

std::string plainNumberText(Currency value) {
  std::string text = value.format(4);
  while (text.back() == '0') text.pop_back();
  if (text.back() == ',') text.pop_back();
  return text;
}

}  // namespace orvosal
