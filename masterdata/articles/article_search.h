#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/currency.h"
#include "core/session.h"

namespace orvosal {

// What the typed text of the article search is matched against, and the order of the hits.
enum class ArticleSearchField {
  Number,            // `Artikelnummer` starts with the text; by number
  NumberInfix,       // `Artikelnummer` contains the text; by number
  Description,       // `Bezeichnung1` starts with the text; by description and number
  DescriptionInfix,  // `Bezeichnung1` contains the text; by description and number
  AnyDescription,    // one of `Bezeichnung1` to `Bezeichnung9` contains the text; by description
  Barcode,           // `Barcode`, else `EAN-Code` starts with the text; by that code and number
};

struct ArticleSearch {
  std::string text;  // as typed; "*" is a wildcard
  ArticleSearchField field = ArticleSearchField::Description;
  std::string warengruppe;       // only articles of this product group; all when empty
  std::string hauptwarengruppe;  // only articles of this main product group; all when empty
  // Only articles of this supplier: its main supplier (`Lieferant`) or one with a supplier price
  // of it (`LieferantenPreise`); all when 0.
  int64_t lieferant = 0;
  int limit = 200;
};

// One article found, with the columns the result list shows.
struct ArticleSearchRow {
  int64_t id = 0;
  std::string artikelnummer;
  std::string bezeichnung1;
  std::string einheit;
  Currency verkaufspreis1;
  Currency bestand;
  std::string warengruppe;
  std::string barcode;
  std::string eanCode;
  bool operator==(const ArticleSearchRow&) const = default;
};

// The articles matching the search, at most `limit` of them, the first ones in the field's order
// (German order: case ignored, "Ä" as "A", "ß" as "ss"; the same on both engines). Where the field
// names two columns, the hits on the first column come first, then those found only on the
// second. A blank text finds nothing unless a group or supplier is chosen: then it lists that
// group's or supplier's articles. A contains search for a text of one or two characters (too short
// for the trigram index) looks among the first 20,000 articles of the order only (2,000 for all
// description lines); a longer text among all. A database error gives an empty list.
std::vector<ArticleSearchRow> searchArticles(Session& session, const ArticleSearch& search);

// The names of the product groups (`Warengruppe` rows with a group name) for the group filter,
// each once, in German order.
std::vector<std::string> ArticleSearchGroups(Session& session);

// A supplier for the supplier filter: its address `ID` and "Name, Vorname (Kundennummer)".
struct ArticleSearchSupplier {
  int64_t id = 0;
  std::string caption;
  bool operator==(const ArticleSearchSupplier&) const = default;
};

// The supplier addresses, by name in German order.
std::vector<ArticleSearchSupplier> ArticleSearchSuppliers(Session& session);

}  // namespace orvosal
