#include <functional>
#include <set>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/transaction.h"
#include "core/users/rights.h"
#include "core/version.h"
#include "documents/pricing/position_pricing.h"
#include "documents/totals/document_totals.h"

namespace orvosal {
namespace {

const Currency kHundred = Currency::fromInteger(100);

bool isArticlePosition(const Value& posTyp) {
  const std::string type = posTyp.toText();
  return type.empty() || type == kBillOfMaterialsPosition;
}

// Gives each marked article position of the document the price `newPrice` makes of it; answers
// how many changed.
int repricePositions(Session& session, int64_t belegId, std::span<const int64_t> positionIds,
                     const std::function<Currency(const Recordset&)>& newPrice) {
  Connection& connection = GlobalConnection(session);
  const std::set<int64_t> marked(positionIds.begin(), positionIds.end());
  int changed = 0;
  DbTransaction transaction(connection);
  for (const int64_t id : marked) {
    Recordset rs(connection, "SELECT * FROM Belegpositionen WHERE ([ID] IN (" + std::to_string(id) +
                                 ") AND [BelegID] IN (" + std::to_string(belegId) + "))");
    if (rs.eof() || !isArticlePosition(rs["PosTyp"])) continue;
    const Currency price = newPrice(rs);
    if (price == rs["VerkaufsPreis"].toCurrency()) continue;
    rs.set("VerkaufsPreis", Value(price));
    rs.set("geändert", Value(session.clock().now()));
    rs.update();
    ++changed;
  }
  transaction.commit();
  if (changed > 0) recomputeDocumentTotals(session, belegId);
  return changed;
}

}  // namespace

int changePricesByPercent(Session& session, int64_t belegId, std::span<const int64_t> positionIds,
                          Currency percent, bool raise) {
  if (!RequireRight(session, "Change_Items")) return 0;
  if (percent <= Currency() || (!raise && percent > kHundred)) {
    session.ui().message("Bitte einen gültigen Prozentsatz angeben!", kProductName, MessageKind::Warning);
    return 0;
  }
  const Currency factor = raise ? kHundred + percent : kHundred - percent;
  return repricePositions(session, belegId, positionIds, [&](const Recordset& rs) {
    return rs["VerkaufsPreis"].toCurrency() * factor / kHundred;
  });
}

int usePurchasePrices(Session& session, int64_t belegId, std::span<const int64_t> positionIds) {
  if (!RequireRight(session, "Change_Items")) return 0;
  return repricePositions(session, belegId, positionIds,
                          [](const Recordset& rs) { return rs["EinkaufsPreis"].toCurrency(); });
}

}  // namespace orvosal
