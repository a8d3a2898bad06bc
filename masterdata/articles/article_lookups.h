#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/currency.h"
#include "core/session.h"

namespace orvosal {

// Look-ups other modules use to find articles by number. Each returns its neutral value (0 or
// empty text) when nothing is found or the database fails; the document window treats an empty
// result as no article (a free-text position).

int64_t Get_ArtikelID_By_Artikelnummer(Session& session, std::string_view number);
std::string Get_Artikelnummer_By_ArtikelID(Session& session, int64_t id);

// `SerienNummer`, `Baujahr` and `Barcode` of the first article (in ID order) with the number.
std::string Get_SerienNummer_By_Artikelnummer(Session& session, std::string_view number);
std::string Get_Baujahr_By_Artikelnummer(Session& session, std::string_view number);
std::string Get_Barcode_By_Artikelnummer(Session& session, std::string_view number);

// The supplier's own number (`Bestellummer`) and price of the article at that supplier.
std::string Get_Lieferanten_Artikelnummer(Session& session, int64_t articleId, int64_t supplierId);
Currency Get_Lieferanten_Artikel_Preis(Session& session, int64_t articleId, int64_t supplierId);

// A supplier-price row found by its ID (`byId`) or by the supplier's number, as "Artikel_ID;Preis;
// Bestellummer" (price with a decimal point); empty when not found.
std::string Load_Item_from_LieferantenPreise(Session& session, std::string_view key, bool byId);

// True when the article has a bill of materials.
bool Check_Artikel_Has_Stückliste(Session& session, int64_t articleId);

}  // namespace orvosal
