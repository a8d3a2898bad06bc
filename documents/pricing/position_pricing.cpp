#include "documents/pricing/position_pricing.h"

#include <optional>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "documents/pricing/article_pricing.h"
#include "masterdata/articles/article.h"

namespace orvosal {
namespace {

std::optional<Article> articleWhere(Session& session, const std::string& condition) {
  Recordset rs(GlobalConnection(session), "SELECT * FROM Artikel WHERE (" + condition + ") ORDER BY [ID]");
  if (rs.eof()) return std::nullopt;
  return readRecord(rs, ArticleFields());
}

// The supplier's number and price of the article, as the purchase side takes them.
struct SupplierOffer {
  std::string bestellummer;
  std::optional<Currency> preis;  // none when the supplier has no price for it
};

SupplierOffer supplierOffer(Session& session, int64_t artikelId, int64_t lieferantenId) {
  Recordset rs(GlobalConnection(session), "SELECT * FROM LieferantenPreise WHERE ([Artikel_ID] IN (" +
                                              std::to_string(artikelId) + ") and [LieferantenID] IN (" +
                                              std::to_string(lieferantenId) + "))");
  if (rs.eof()) return {};
  const Value preis = rs["Preis"];
  return {rs["Bestellummer"].toText(),
          preis.isNull() ? std::nullopt : std::optional<Currency>(preis.toCurrency())};
}

void copyArticleTexts(const Article& article, DocumentPosition& position) {
  position.artikelnummer = article.artikelnummer;
  position.bezeichnung1 = article.bezeichnung1;
  position.bezeichnung2 = article.bezeichnung2;
  position.bezeichnung3 = article.bezeichnung3;
  position.bezeichnung4 = article.bezeichnung4;
  position.bezeichnung5 = article.bezeichnung5;
  position.bezeichnung6 = article.bezeichnung6;
  position.bezeichnung7 = article.bezeichnung7;
  position.bezeichnung8 = article.bezeichnung8;
  position.bezeichnung9 = article.bezeichnung9;
  position.einheit = article.einheit;
  position.mwst = article.mwst;
  position.langtext = article.langtext;
  position.artikelBeschreibung = article.artikelBeschreibung;
  position.gewicht = article.gewicht;
  position.arbeitszeit = article.arbeitszeit;
}

void fillFromArticle(Session& session, const DocumentHeader& header, const Article& article,
                     DocumentPosition& position) {
  copyArticleTexts(article, position);
  position.einkaufsPreis = article.einkaufspreis;
  if (header.kunde) {
    position.orginalPreis = article.verkaufspreis1;
    position.verkaufsPreis = priceArticle(session, article.id, header.preisstaffel, header.kdNr,
                                          position.menge.format(4), header.allgemeineStaffel)
                                 .value_or(Currency());
    return;
  }
  // Purchase side: the supplier's price when he has one, else the article's purchase price; it
  // is both the position's price and its purchase price.
  const SupplierOffer offer = supplierOffer(session, article.id, header.kdNr);
  position.lieferant = static_cast<int>(header.kdNr);
  position.lieferantArtNr = offer.bestellummer;
  position.orginalPreis = article.einkaufspreis;
  position.verkaufsPreis = offer.preis.value_or(article.einkaufspreis);
  position.einkaufsPreis = position.verkaufsPreis;
}

}  // namespace

bool fillPositionFromArticle(Session& session, const DocumentHeader& header, std::string_view artikelnummer,
                             DocumentPosition& position) {
  if (artikelnummer.empty()) return false;
  const std::optional<Article> article =
      articleWhere(session, "[Artikelnummer] IN (" + SqlQuoted(artikelnummer) + ")");
  if (!article) return false;
  fillFromArticle(session, header, *article, position);
  return true;
}

std::vector<DocumentPosition> billOfMaterialsPositions(Session& session, const DocumentHeader& header,
                                                       int64_t masterArticleId) {
  struct Component {
    int64_t artikelId;
    Currency menge;
  };
  std::vector<Component> components;
  for (Recordset rs(GlobalConnection(session),
                    "SELECT ArtikelID, Menge FROM Stuecklisten WHERE (StammArtikelID IN (" +
                        std::to_string(masterArticleId) + ")) ORDER BY [Pos], [ID]");
       !rs.eof(); rs.moveNext()) {
    components.push_back({rs["ArtikelID"].toInt(), rs["Menge"].toCurrency()});
  }
  std::vector<DocumentPosition> positions;
  if (components.empty()) return positions;
  DocumentPosition intro;
  intro.bezeichnung1 = kBillOfMaterialsIntro;
  positions.push_back(intro);
  for (const Component& component : components) {
    const std::optional<Article> article =
        articleWhere(session, "[ID] IN (" + std::to_string(component.artikelId) + ")");
    if (!article) continue;
    DocumentPosition position;
    position.posTyp = kBillOfMaterialsPosition;
    position.menge = component.menge;
    fillFromArticle(session, header, *article, position);
    positions.push_back(position);
  }
  return positions;
}

}  // namespace orvosal
