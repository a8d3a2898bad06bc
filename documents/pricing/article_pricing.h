#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/currency.h"
#include "core/session.h"

namespace orvosal {

// The unit price of an article on a sales document: goods-group discount of the partner, else
// the price level when the partner is assigned to the article's discount scale, else
// `Verkaufspreis1`; then the document's general price scale (every matching row in ascending
// threshold); a partner-specific price replaces what was reached; the last counting quantity tier
// of the article takes its discount off. `menge` and `staffel` as typed (a non-numeric quantity
// skips scale and tiers; an empty scale or "Keine" is none). A partner of 0 stands for none (no
// partner-specific price). Nothing when the article does not exist. Throws DbError.
std::optional<Currency> priceArticle(Session& session, int64_t artikelId, int preisstufe, int64_t kundenId,
                                     std::string_view menge, std::string_view staffel);

// The same as the text the window shows ("0,00" for a non-numeric ID or a missing article),
// reporting database errors in the common form.
std::string Artikel_Preis_Ermitteln(Session& session, std::string_view artikelId, int preisstufe,
                                    std::string_view kundenId, std::string_view menge,
                                    std::string_view staffel);

// The partner's goods-group discount (`WarengruppenRabatt.Prozentsatz`), 0 when absent.
Currency goodsGroupDiscount(Session& session, int64_t adressenId, int64_t warengruppenId);

// True when the partner is assigned to the discount scale (`RabattToAdressen`).
bool partnerHasDiscountScale(Session& session, int64_t adressenId, int64_t rabattStaffelId);

}  // namespace orvosal
