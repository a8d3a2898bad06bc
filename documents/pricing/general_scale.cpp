#include "documents/pricing/general_scale.h"

#include <map>
#include <optional>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/db/transaction.h"
#include "core/error_log.h"
#include "core/operation_guard.h"
#include "core/text.h"
#include "documents/records/document_position.h"
#include "documents/totals/document_totals.h"
#include "masterdata/articles/article.h"

namespace orvosal {
namespace {

constexpr std::string_view kModule = "mdlPreise";

const Currency kHundred = Currency::fromInteger(100);

// The articles of a document by number, each read once; none for a number no article has.
class ArticleCache {
 public:
  explicit ArticleCache(Connection& connection) : connection_(connection) {}

  const Article* find(const std::string& artikelnummer) {
    auto [entry, added] = articles_.try_emplace(artikelnummer);
    if (added) {
      Recordset rs(connection_, "SELECT * FROM Artikel WHERE ([Artikelnummer] IN (" +
                                    SqlQuoted(artikelnummer) + ")) ORDER BY [ID]");
      if (!rs.eof()) entry->second = readRecord(rs, ArticleFields());
    }
    return entry->second ? &*entry->second : nullptr;
  }

  // The article of an ordinary position when the article allows general scales.
  const Article* scalable(const DocumentPosition& position) {
    if (!position.isOrdinary() || position.artikelnummer.empty()) return nullptr;
    const Article* article = find(position.artikelnummer);
    return article && article->staffelMoeglich == 1 ? article : nullptr;
  }

 private:
  Connection& connection_;
  std::map<std::string, std::optional<Article>> articles_;
};

std::string belegIn(int64_t belegId) { return "([BelegID] IN (" + std::to_string(belegId) + "))"; }

std::vector<DocumentPosition> chargedPositions(Connection& connection, int64_t belegId) {
  std::vector<DocumentPosition> positions;
  for (Recordset rs(connection, "SELECT * FROM Belegpositionen WHERE ([BelegID] IN (" +
                                    std::to_string(belegId) + ") AND [KeineBerechnung] IN (0));");
       !rs.eof(); rs.moveNext()) {
    positions.push_back(readRecord(rs, DocumentPositionFields()));
  }
  return positions;
}

// Gives every ordinary position back the price a scale replaced. Only rows that remember one
// are restored, and they forget it then: a position that no scale priced keeps its price, and a
// price changed by hand after the scale was switched off is not overwritten later.
void restorePreviousPrices(Connection& connection, int64_t belegId) {
  Recordset count(
      connection,
      "SELECT count(id) as Anzahl FROM Belegpositionen WHERE (([Alter_Preis]> 0 ) AND ([Postyp] Is null) "
      "AND ([BelegID] IN (" +
          std::to_string(belegId) + ")));");
  if (count["Anzahl"].toInt() == 0) return;
  connection.execute("UPDATE Belegpositionen SET VerkaufsPreis = Alter_Preis, Alter_Preis = 0 WHERE ((" +
                     belegIn(belegId) + ") AND ((PosTyp) Is Null) AND ([Alter_Preis] > 0));");
}

bool scaleIsActive(Connection& connection, std::string_view name) {
  Recordset rs(connection, "SELECT count(id) as Anzahl FROM Preisstaffeln WHERE (([Staffel] IN (" +
                               SqlQuoted(name) + ")) AND ([Aktiv] IN (1)));");
  return rs["Anzahl"].toInt() > 0;
}

struct ScaleStep {
  Currency rabatt;
  int preisArt = 1;
};

// The row with the largest discount whose threshold the document reaches: a quantity row by the
// total quantity, an amount row by the total amount.
std::optional<ScaleStep> reachedStep(Connection& connection, std::string_view name, Currency totalQuantity,
                                     Currency totalAmount) {
  std::optional<ScaleStep> step;
  for (Recordset rs(connection, "SELECT * FROM Preisstaffeln WHERE (([Staffel] IN (" + SqlQuoted(name) +
                                    ")) AND ([Aktiv] IN (1))) ORDER BY Rabatt;");
       !rs.eof(); rs.moveNext()) {
    const Currency wert = rs["Wert"].toCurrency();
    const bool reached = rs["Option"].toInt() > 0 ? totalAmount >= wert : totalQuantity >= wert;
    if (reached) step = ScaleStep{rs["Rabatt"].toCurrency(), static_cast<int>(rs["PreisArt"].toInt())};
  }
  return step;
}

// The price a scale row starts from. A row without a valid level (0, or beyond 9, as rows written
// before the editor checked the level may hold) starts from `Verkaufspreis1`, the article's base
// price, which is what a row of level 1 does.
Currency startingPrice(const Article& article, int preisArt) {
  return sellingPrice(article, preisArt >= 1 && preisArt <= 9 ? preisArt : 1);
}

void applyScale(Connection& connection, int64_t belegId, std::string_view name) {
  if (!scaleIsActive(connection, name)) return;
  ArticleCache articles(connection);
  const std::vector<DocumentPosition> positions = chargedPositions(connection, belegId);
  Currency totalQuantity;
  Currency totalAmount;
  for (const DocumentPosition& position : positions) {
    if (!articles.scalable(position)) continue;
    totalQuantity += position.menge;
    totalAmount += position.menge * position.verkaufsPreis;
  }
  const std::optional<ScaleStep> step = reachedStep(connection, name, totalQuantity, totalAmount);
  if (!step) return;
  for (const DocumentPosition& position : positions) {
    const Article* article = articles.scalable(position);
    if (!article || position.verkaufsPreis <= Currency()) continue;
    const Currency price = startingPrice(*article, step->preisArt) * (kHundred - step->rabatt) / kHundred;
    connection.execute(
        "UPDATE Belegpositionen SET Alter_Preis = " + SqlNumber(Value(position.verkaufsPreis), 4) +
        ", VerkaufsPreis = " + SqlNumber(Value(price), 4) + " WHERE ([ID] IN (" +
        std::to_string(position.id) + "));");
  }
}

}  // namespace

bool Staffel_Rabatt_Ermitteln(Session& session, int64_t belegId, std::string_view name) {
  return runOperation(
      session, operationName(kModule, OperationKind::Function, "Staffel_Rabatt_Ermitteln"), false, [&] {
        return RetryOnLostConnection(session, [&] {
          Connection& connection = GlobalConnection(session);
          if (Recordset(connection, "SELECT Allgemeine_Staffel, Preisstaffel FROM Belegkopf WHERE ((" +
                                        belegIn(belegId) + "));")
                  .eof())
            return false;
          const std::string_view chosen = trim(name);
          const bool none = chosen.empty() || chosen == kNoGeneralScale;
          DbTransaction transaction(connection);
          restorePreviousPrices(connection, belegId);
          connection.execute(
              "UPDATE Belegkopf SET Allgemeine_Staffel = " + SqlQuoted(none ? std::string_view() : chosen) +
              " WHERE ((" + belegIn(belegId) + "));");
          if (!none) applyScale(connection, belegId, chosen);
          transaction.commit();
          recomputeDocumentTotals(session, belegId);
          return true;
        });
      });
}

}  // namespace orvosal
