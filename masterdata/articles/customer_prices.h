#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/currency.h"
#include "core/records/field_table.h"
#include "core/session.h"

namespace orvosal {

// One `Artikel_Preisstufen` row: the fixed price of the article for one customer, which documents
// for that customer take instead of the price levels.
struct CustomerPrice {
  int64_t id = 0;
  std::string stufe;
  Currency preis;
  int64_t artikelId = 0;
  int64_t kundenId = 0;
  bool operator==(const CustomerPrice&) const = default;
};

// Every column of `Artikel_Preisstufen` and where CustomerPrice keeps it; the key first.
FieldTable<CustomerPrice> CustomerPriceFields();

// A customer price with the customer's name ("Name Vorname") for the list.
struct ListedCustomerPrice {
  CustomerPrice price;
  std::string kundenName;
};

// The customer prices of the article in the order they were entered.
std::vector<ListedCustomerPrice> ListCustomerPrices(Session& session, int64_t articleId);

// Adds the customer price (`id` 0; the new key is written back) or saves a stored one. Refused
// without a stored customer, when the customer already has another price for the article, for a
// negative price, for an article that is not stored, and without the right to save articles.
// True when written.
bool SaveCustomerPrice(Session& session, CustomerPrice& price);

// Deletes the customer price after asking, with the right to save articles. True when deleted.
bool DeleteCustomerPrice(Session& session, int64_t id);

}  // namespace orvosal
