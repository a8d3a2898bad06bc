#include "masterdata/articles/price_import_write.h"

#include <algorithm>
#include <map>
#include <set>

#include "core/db/database.h"
#include "core/db/transaction.h"
#include "core/users/user_history.h"
#include "masterdata/articles/article_editor.h"

namespace orvosal {
namespace {

// Keys go into one IN list per this many.
constexpr size_t kIdsPerStatement = 1000;

std::string dateTimeLiteral(const DateTime& moment) { return "#" + moment.toIso() + "#"; }

// Runs `assignment` once per new price and up to kIdsPerStatement keys: price lists repeat their
// prices often, so a file of thousands of lines needs far fewer statements than lines.
void updateByPrice(Connection& connection, const std::map<Currency, std::vector<int64_t>>& idsByPrice,
                   const std::function<std::string(Currency price, const std::string& ids)>& statement) {
  for (const auto& [price, ids] : idsByPrice) {
    for (size_t start = 0; start < ids.size(); start += kIdsPerStatement) {
      std::string list;
      for (size_t i = start; i < std::min(ids.size(), start + kIdsPerStatement); ++i) {
        list += (i == start ? "" : ",") + std::to_string(ids[i]);
      }
      connection.execute(statement(price, list));
    }
  }
}

void writeArticlePrices(Session& session, const std::string& column,
                        const std::vector<PriceChange>& changes) {
  std::map<Currency, std::vector<int64_t>> idsByPrice;
  for (const PriceChange& change : changes) idsByPrice[change.newPrice].push_back(change.articleId);
  const std::string changedAt = dateTimeLiteral(session.clock().now());
  updateByPrice(GlobalConnection(session), idsByPrice, [&](Currency price, const std::string& ids) {
    return "UPDATE Artikel SET [" + column + "] = " + price.formatSql(4) + ", [geändert] = " + changedAt +
           " WHERE ([ID] IN (" + ids + "))";
  });
}

void writeSupplierPrices(Session& session, int64_t supplierId, const std::vector<PriceChange>& changes) {
  Connection& connection = GlobalConnection(session);
  const Date today = session.clock().today();
  std::map<Currency, std::vector<int64_t>> idsByPrice;
  std::vector<const PriceChange*> added;
  for (const PriceChange& change : changes) {
    if (change.oldPrice) {
      idsByPrice[change.newPrice].push_back(change.articleId);
    } else {
      added.push_back(&change);
    }
  }
  const std::string supplier = std::to_string(supplierId);
  updateByPrice(connection, idsByPrice, [&](Currency price, const std::string& ids) {
    return "UPDATE LieferantenPreise SET [Preis] = " + price.formatSql(4) +
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
  DbTransaction transaction(GlobalConnection(session));
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
  transaction.commit();
}

}  // namespace orvosal
