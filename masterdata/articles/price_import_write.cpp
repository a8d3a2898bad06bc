#include "masterdata/articles/price_import_write.h"

#include <algorithm>
#include <set>

#include "core/db/database.h"
#include "core/users/user_history.h"
#include "masterdata/articles/article_editor.h"

namespace orvosal {
namespace {

// Keys go into one IN list per this many.
constexpr size_t kIdsPerStatement = 1000;

std::string dateTimeLiteral(const DateTime& moment) { return "#" + moment.toIso() + "#"; }

// Writes new prices by key in statements of up to kIdsPerStatement rows each: `statement` gets the
// price expression "CASE [key] WHEN 5 THEN 12.5000 ... END" and the list of the keys. A file of
// thousands of lines so needs a handful of statements rather than one per line, which is what
// keeps an import fast on a server, where each statement is a round trip.
void updateInBatches(
    Connection& connection, std::string_view key, const std::vector<std::pair<int64_t, Currency>>& prices,
    const std::function<std::string(const std::string& price, const std::string& ids)>& statement) {
  for (size_t start = 0; start < prices.size(); start += kIdsPerStatement) {
    std::string price = "CASE [" + std::string(key) + "]";
    std::string ids;
    for (size_t i = start; i < std::min(prices.size(), start + kIdsPerStatement); ++i) {
      price += " WHEN " + std::to_string(prices[i].first) + " THEN " + prices[i].second.formatSql(4);
      ids += (i == start ? "" : ",") + std::to_string(prices[i].first);
    }
    connection.execute(statement(price + " END", ids));
  }
}

void writeArticlePrices(Session& session, const std::string& column,
                        const std::vector<PriceChange>& changes) {
  std::vector<std::pair<int64_t, Currency>> prices;
  for (const PriceChange& change : changes) prices.emplace_back(change.articleId, change.newPrice);
  const std::string changedAt = dateTimeLiteral(session.clock().now());
  updateInBatches(GlobalConnection(session), "ID", prices,
                  [&](const std::string& price, const std::string& ids) {
                    return "UPDATE Artikel SET [" + column + "] = " + price + ", [geändert] = " + changedAt +
                           " WHERE ([ID] IN (" + ids + "))";
                  });
}

void writeSupplierPrices(Session& session, int64_t supplierId, const std::vector<PriceChange>& changes) {
  Connection& connection = GlobalConnection(session);
  const Date today = session.clock().today();
  std::vector<std::pair<int64_t, Currency>> prices;
  std::vector<const PriceChange*> added;
  for (const PriceChange& change : changes) {
    if (change.oldPrice) {
      prices.emplace_back(change.articleId, change.newPrice);
    } else {
      added.push_back(&change);
    }
  }
  const std::string supplier = std::to_string(supplierId);
  updateInBatches(connection, "Artikel_ID", prices, [&](const std::string& price, const std::string& ids) {
    return "UPDATE LieferantenPreise SET [Preis] = " + price +
           ", [Datum] = " + dateTimeLiteral(DateTime(today)) + " WHERE ([LieferantenID] IN (" + supplier +
           ")) AND ([Artikel_ID] IN (" + ids + "))";
  });
  if (added.empty()) return;
  size_t next = 0;
  connection.insertRows(
      connection.tableSchema("LieferantenPreise"),
      {"Artikel_ID", "LieferantenID", "Preis", "Datum", "Bestellummer"}, [&](std::vector<Value>& row) {
        if (next == added.size()) return false;
        const PriceChange& change = *added[next++];
        row = {Value(change.articleId), Value(supplierId), Value(change.newPrice), Value(today), Value("")};
        return true;
      });
}

}  // namespace

void WriteImportedPrices(Session& session, const PriceImportMapping& mapping,
                         const std::vector<PriceChange>& changes) {
  if (mapping.target == PriceImportTarget::Lieferantenpreis) {
    writeSupplierPrices(session, mapping.supplierId, changes);
  } else {
    writeArticlePrices(session, priceImportTargetName(mapping), changes);
  }
  const std::string what = " geändert (Preisimport " + priceImportTargetName(mapping) + ")";
  std::set<int64_t> recorded;
  for (const PriceChange& change : changes) {
    if (recorded.insert(change.articleId).second) {
      WriteUserHistory(session, "Artikel-ID " + std::to_string(change.articleId) + what, kArticleWindow,
                       change.articleId);
    }
  }
}

}  // namespace orvosal
