#include "masterdata/articles/price_levels.h"

#include <string>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"

namespace orvosal {
namespace {

PriceLevelPercentages percentagesOfRow(const Recordset& rs) {
  PriceLevelPercentages percentages;
  for (int level = 2; level <= 9; ++level) {
    percentages[level - 2] = rs["Verkaufspreis" + std::to_string(level)].toCurrency();
  }
  return percentages;
}

// The product-group row of the article: by its product group, or by its main group when it has none,
// among the groups of all suppliers and of its own.
std::string groupRowSql(const Article& article) {
  const bool byGroup = !article.warengruppe.empty();
  const std::string column = byGroup ? "WarenGruppe" : "Hauptwarengruppe";
  const std::string name = byGroup ? article.warengruppe : article.hauptwarengruppe;
  return "SELECT Top 1 * FROM Warengruppe WHERE ([" + column + "] IN (" + SqlQuoted(name) +
         ") AND [Lieferant] IN (0," + std::to_string(article.lieferant) +
         ")) ORDER BY [Lieferant] DESC, [ID]";
}

}  // namespace

std::optional<PriceLevelPercentages> PriceLevelPercentagesOf(Session& session, const Article& article) {
  Connection& connection = GlobalConnection(session);
  if (article.rabattStaffelId > 0) {
    Recordset rs(connection, "SELECT Top 1 * FROM RabattStaffel where ([ID] IN (" +
                                 std::to_string(article.rabattStaffelId) + "))");
    if (rs.eof()) return std::nullopt;
    return percentagesOfRow(rs);
  }
  if (article.warengruppe.empty() && article.hauptwarengruppe.empty()) return std::nullopt;
  Recordset rs(connection, groupRowSql(article));
  if (rs.eof()) return std::nullopt;
  return percentagesOfRow(rs);
}

void ApplyPriceLevels(Article& article, const PriceLevelPercentages& percentages) {
  const Currency hundred = Currency::fromInteger(100);
  for (int level = 2; level <= 9; ++level) {
    sellingPrice(article, level) = article.verkaufspreis1 * (hundred - percentages[level - 2]) / 100;
  }
}

}  // namespace orvosal
