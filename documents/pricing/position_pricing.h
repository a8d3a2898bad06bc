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

// The marked ordinary positions' prices raised (`raise`) or lowered by a percentage:
// price * (100 +/- percent) / 100, in currency arithmetic. Answers the number of positions
// changed; totals are recomputed. Throws DbError.
int changePricesByPercent(Session& session, int64_t belegId, std::span<const int64_t> positionIds,
                          Currency percent, bool raise);

// "Einkaufspreise verwenden": the marked ordinary positions take their purchase price
// (`EinkaufsPreis`) as unit price. Answers the number changed; totals are recomputed.
int usePurchasePrices(Session& session, int64_t belegId, std::span<const int64_t> positionIds);

}  // namespace orvosal
