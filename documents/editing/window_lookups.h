#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/currency.h"
#include "core/session.h"

namespace orvosal {

// The captions of the free header fields `Feld1` to `Feld4` of a document type (`SonderFelder`
// rows whose `Belegart` is the type's title and whose `Wo` is the field's number); a field
// without a caption is called "Feld" and its number.
std::array<std::string, 4> DocumentFieldCaptions(Session& session, std::string_view belegtitel);

// One row of the shipping cost table as the document window offers it.
struct ShippingCostRow {
  int64_t id = 0;
  std::string bezeichnung1;
  std::string bezeichnung2;
  Currency vk;
  int mwst = 0;
};

// Every row of `Versandkosten`, by description.
std::vector<ShippingCostRow> ListShippingCosts(Session& session);

// The article number a typed entry stands for: the text itself when an article has that number,
// else the number of the first article whose `Barcode` is the text; empty when neither exists.
std::string ArticleNumberForEntry(Session& session, std::string_view typed);

}  // namespace orvosal
