#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/currency.h"
#include "core/datetime.h"
#include "core/records/field_table.h"
#include "core/session.h"

namespace orvosal {

// One `LieferantenPreise` row: what the article costs at one supplier and under which number the
// supplier sells it (`Bestellummer`, the column the windows write; `Bestellnummer` is only listed).
struct SupplierPrice {
  int64_t id = 0;
  int64_t lieferantenId = 0;
  Currency preis;
  int64_t artikelId = 0;
  std::optional<Date> datum;
  std::string bestellummer;
  std::string bestellnummer;
  bool operator==(const SupplierPrice&) const = default;
};

// Every column of `LieferantenPreise` and where SupplierPrice keeps it; the key first.
FieldTable<SupplierPrice> SupplierPriceFields();

// A new supplier price of the article, dated today.
SupplierPrice NewSupplierPrice(Session& session, int64_t articleId);

// The supplier prices of the article, the cheapest first.
std::vector<SupplierPrice> ListSupplierPrices(Session& session, int64_t articleId);

// Adds the supplier price (`id` 0; the new key is written back) or saves a stored one: the
// supplier's number, price, date and supplier, and the article only when new. Refused without a
// stored supplier, for an article that is not stored, and without the right to save articles.
// True when written.
bool SaveSupplierPrice(Session& session, SupplierPrice& price);

// Deletes the supplier price after asking, with the right to save articles. True when deleted.
bool DeleteSupplierPrice(Session& session, int64_t id);

// One article a supplier delivers, as the supplier window lists it.
struct SupplierArticle {
  int64_t id = 0;
  std::string artikelnummer;
  int mwst = 0;
  Currency bestand;
  Currency einkaufspreis;
  std::string bezeichnung1;
  std::string bezeichnung2;
  std::string bestellummer;
  std::string bestellnummer;
  Currency preis;
  bool operator==(const SupplierArticle&) const = default;
};

// The articles with a price of the supplier, by their first description.
std::vector<SupplierArticle> ListSupplierArticles(Session& session, int64_t supplierId);

}  // namespace orvosal
