#include "documents/pricing/article_pricing.h"

#include <array>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/error_log.h"
#include "core/operation_guard.h"
#include "core/text.h"
#include "documents/pricing/general_scale.h"
#include "documents/pricing/price_text.h"
#include "masterdata/articles/article.h"

namespace orvosal {
namespace {

constexpr std::string_view kModule = "mdlPreise";

const Currency kHundred = Currency::fromInteger(100);

// price * (100 - percent) / 100 in currency arithmetic.
Currency lessPercent(Currency price, Currency percent) { return price * (kHundred - percent) / kHundred; }

std::optional<Article> readArticle(Connection& connection, int64_t artikelId) {
  Recordset rs(connection, "SELECT * FROM Artikel WHERE ([ID] IN (" + std::to_string(artikelId) + "))");
  if (rs.eof()) return std::nullopt;
  return readRecord(rs, ArticleFields());
}

// The price before scales: goods-group discount on `Verkaufspreis1`, else the partner's level
// when he is assigned to the article's discount scale, else `Verkaufspreis1`.
Currency basePrice(Session& session, const Article& article, int preisstufe, int64_t kundenId) {
  const Currency discount = goodsGroupDiscount(session, kundenId, article.warengruppenId);
  if (discount > Currency()) return lessPercent(article.verkaufspreis1, discount);
  if (partnerHasDiscountScale(session, kundenId, article.rabattStaffelId)) {
    return preisstufe >= 1 && preisstufe <= 9 ? sellingPrice(article, preisstufe) : article.einkaufspreis;
  }
  return article.verkaufspreis1;
}

// Every quantity row of the scale for this level whose threshold the quantity reaches takes its
// discount off the price reached so far, in ascending threshold.
Currency applyGeneralScale(Connection& connection, Currency price, int preisstufe, Currency menge,
                           std::string_view staffel) {
  Recordset rs(connection,
               "SELECT * FROM Preisstaffeln WHERE ([Option] IN (0) AND [Aktiv] IN (1) AND [Staffel] IN (" +
                   SqlQuoted(staffel) + ") AND [PreisArt] IN (" + std::to_string(preisstufe) +
                   ") ) ORDER BY Wert ASC");
  for (; !rs.eof(); rs.moveNext()) {
    const Value wert = rs["Wert"];
    const Value rabatt = rs["Rabatt"];
    if (wert.isNull() || rabatt.isNull()) continue;
    if (wert.toCurrency() <= menge) price = lessPercent(price, rabatt.toCurrency());
  }
  return price;
}

std::optional<Currency> partnerPrice(Connection& connection, int64_t artikelId, int64_t kundenId) {
  Recordset rs(connection, "SELECT * FROM Artikel_Preisstufen WHERE (([Artikel_ID] IN (" +
                               std::to_string(artikelId) + ")) AND ([Kunden_ID] IN (" +
                               std::to_string(kundenId) + ")))");
  if (rs.eof()) return std::nullopt;
  return rs["Preis"].toCurrency();
}

// The discount of the last of the article's three quantity tiers that the quantity reaches.
std::optional<Currency> tierDiscount(const Article& article, Currency menge) {
  const std::array<std::pair<Currency, Currency>, 3> tiers = {
      {{article.stk1, article.nl1}, {article.stk2, article.nl2}, {article.stk3, article.nl3}}};
  std::optional<Currency> discount;
  for (const auto& [stueck, nachlass] : tiers) {
    if (stueck > Currency() && nachlass > Currency() && menge >= stueck) discount = nachlass;
  }
  return discount;
}

bool namesScale(std::string_view staffel) {
  const std::string_view name = trim(staffel);
  return !name.empty() && name != kNoGeneralScale;
}

}  // namespace

Currency goodsGroupDiscount(Session& session, int64_t adressenId, int64_t warengruppenId) {
  Recordset rs(GlobalConnection(session), "SELECT Top 1 * FROM WarengruppenRabatt where ([AdressenID] IN (" +
                                              std::to_string(adressenId) + ") AND [WarengruppenID] IN (" +
                                              std::to_string(warengruppenId) + "))");
  if (rs.eof()) return Currency();
  return rs["Prozentsatz"].toCurrency();
}

bool partnerHasDiscountScale(Session& session, int64_t adressenId, int64_t rabattStaffelId) {
  return !Recordset(GlobalConnection(session),
                    "SELECT Top 1 * FROM RabattToAdressen where ([AdressenID] IN (" +
                        std::to_string(adressenId) + ") AND [RabattStaffelID] IN (" +
                        std::to_string(rabattStaffelId) + "))")
              .eof();
}

std::optional<Currency> priceArticle(Session& session, int64_t artikelId, int preisstufe, int64_t kundenId,
                                     std::string_view menge, std::string_view staffel) {
  Connection& connection = GlobalConnection(session);
  const std::optional<Article> article = readArticle(connection, artikelId);
  if (!article) return std::nullopt;
  const std::optional<Currency> quantity = Currency::parse(menge);

  Currency price = basePrice(session, *article, preisstufe, kundenId);
  if (article->staffelMoeglich == 1 && preisstufe >= 1 && quantity && namesScale(staffel)) {
    price = applyGeneralScale(connection, price, preisstufe, *quantity, trim(staffel));
  }
  if (kundenId > 0) {
    if (const std::optional<Currency> fixed = partnerPrice(connection, artikelId, kundenId)) price = *fixed;
  }
  if (!quantity) return price;
  if (const std::optional<Currency> discount = tierDiscount(*article, *quantity)) {
    price = price * (Currency::fromInteger(1) - *discount / kHundred);
  }
  return price;
}

std::string Artikel_Preis_Ermitteln(Session& session, std::string_view artikelId, int preisstufe,
                                    std::string_view kundenId, std::string_view menge,
                                    std::string_view staffel) {
  const std::string none = "0,00";
  if (!isNumeric(artikelId)) return none;
  return runOperation(
      session, operationName(kModule, OperationKind::Function, "Artikel_Preis_Ermitteln"), none, [&] {
        const int64_t id = Currency::parse(artikelId)->units() / Currency::kUnitsPerWhole;
        const std::optional<Currency> partner = Currency::parse(kundenId);
        const int64_t kunde = partner ? partner->units() / Currency::kUnitsPerWhole : 0;
        const std::optional<Currency> price = RetryOnLostConnection(
            session, [&] { return priceArticle(session, id, preisstufe, kunde, menge, staffel); });
        return price ? unitPriceText(*price) : none;
      });
}

}  // namespace orvosal
