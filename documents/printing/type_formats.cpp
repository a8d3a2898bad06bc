#include "documents/printing/type_formats.h"

#include <algorithm>

namespace orvosal {
namespace {

constexpr int kMaxDecimals = 6;

std::string numberFormat(bool thousands, int fixedDecimals, int optionalDecimals) {
  std::string format = thousands ? "#,##0" : "0";
  if (fixedDecimals + optionalDecimals > 0) format += '.';
  format.append(static_cast<size_t>(fixedDecimals), '0');
  format.append(static_cast<size_t>(optionalDecimals), '#');
  return format;
}

int priceDecimals(int stored) { return stored <= 0 ? 2 : std::min(stored, kMaxDecimals); }

}  // namespace

TypeFormats typeFormatsOf(const DocumentType& type) {
  const int quantityDecimals = std::clamp(type.nachkommastellen, 0, kMaxDecimals);
  return TypeFormats{
      .menge = quantityDecimals == 0 ? numberFormat(type.tausender, 0, 2)
                                     : numberFormat(type.tausender, quantityDecimals, 0),
      .einzelpreis = numberFormat(type.tausender, priceDecimals(type.epNachkommaStellen), 0),
      .gesamtpreis = numberFormat(type.tausender, priceDecimals(type.gpNachkommaStellen), 0),
  };
}

int totalsDecimalsOf(const DocumentType& type) { return priceDecimals(type.gpNachkommaStellen); }

}  // namespace orvosal
