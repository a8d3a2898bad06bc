#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/currency.h"
#include "core/session.h"
#include "documents/records/document_header.h"
#include "documents/records/document_position.h"

namespace orvosal {

// Fills a position from the article with that number for the document: number, descriptions,
// unit, VAT group, long text, weight, working time, purchase price, list price (`OrginalPreis`)
// and the unit price. A sales document is priced by priceArticle with the header's price level,
// partner and general scale; a purchase document by the supplier's price for this article
// (`LieferantenPreise.Preis`, also giving `Lieferant_ArtNr`), else the article's
// `Einkaufspreis`. The quantity must be set before. False when no article has the number.
// Throws DbError.
bool fillPositionFromArticle(Session& session, const DocumentHeader& header, std::string_view artikelnummer,
                             DocumentPosition& position);

// The text of the position that opens a taken-over bill of materials.
inline constexpr std::string_view kBillOfMaterialsIntro = "dieser Artikel besteht aus";

// The positions that take over the bill of materials of a master article: first a text position
// "dieser Artikel besteht aus", then each component that still exists, in list order, as a
// position of type "SL" with the list row's quantity, priced like any article of the document.
// Nothing is stored; empty when the master has no bill of materials. Throws DbError.
std::vector<DocumentPosition> billOfMaterialsPositions(Session& session, const DocumentHeader& header,
                                                       int64_t masterArticleId);

// The article positions among the marked ones (ordinary and "SL"; other types, positions of other
// documents and IDs that no longer exist are passed over) get a new unit price. Both work in
// currency arithmetic with four decimals, rounded half to even; `Alter_Preis` is left as it is,
// so switching a general scale off still restores the price the scale replaced. Each needs the
// right "Change_Items" and answers the number of positions whose price changed; the document's
// totals are then recomputed. The window refuses a locked document before it calls them.
// Throws DbError.

// "Preise um .. Prozent erhöhen" / "... senken": price * (100 + percent) / 100 when `raise`,
// else price * (100 - percent) / 100. A percentage of 0 or less, or a lowering by more than 100,
// is refused with "Bitte einen gültigen Prozentsatz angeben!" and changes nothing.
int changePricesByPercent(Session& session, int64_t belegId, std::span<const int64_t> positionIds,
                          Currency percent, bool raise);

// "Einkaufspreise verwenden": the unit price becomes the position's purchase price
// (`EinkaufsPreis`) exactly.
int usePurchasePrices(Session& session, int64_t belegId, std::span<const int64_t> positionIds);

}  // namespace orvosal
