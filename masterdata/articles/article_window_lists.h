#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/session.h"

namespace orvosal {

// The choice lists of the article window. Each list starts with its empty choice (ID 0), so that
// the window can show "none" as an entry of its own; a list that cannot be read holds only that
// entry.

// One entry of a choice list: the ID the article stores and the text the list shows.
struct ArticleChoice {
  int64_t id = 0;
  std::string caption;
  bool operator==(const ArticleChoice&) const = default;
};

// "Kein Lieferant", then the supplier addresses by name: "Name Vorname (Lieferantennummer)".
std::vector<ArticleChoice> SupplierChoices(Session& session);

// "Keine Rabattstaffel", then the discount scales (`RabattStaffel`) by title.
std::vector<ArticleChoice> DiscountScaleChoices(Session& session);

// "keine Warengruppe", then the product groups of the supplier and of all suppliers by name.
std::vector<ArticleChoice> ProductGroupChoices(Session& session, int64_t supplierId);

// "keine Hauptwarengruppe", then the main product groups of the supplier and of all suppliers.
std::vector<ArticleChoice> MainGroupChoices(Session& session, int64_t supplierId);

// "keine Provisionsklasse", then the commission classes (`Klassen`) by key.
std::vector<ArticleChoice> CommissionClassChoices(Session& session);

}  // namespace orvosal
