#include "masterdata/articles/price_runs.h"

#include <optional>
#include <string>
#include <vector>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/db/transaction.h"
#include "core/error_log.h"
#include "core/operation_guard.h"
#include "core/text.h"
#include "core/users/rights.h"
#include "core/version.h"
#include "masterdata/articles/article.h"
#include "masterdata/articles/article_editor.h"
#include "masterdata/articles/price_levels.h"
#include "masterdata/user_messages.h"

namespace orvosal {
namespace {

constexpr int kProgressStep = 500;

std::string priceRunOperation(const char* name) {
  return operationName(kArticleWindow, OperationKind::Sub, name);
}

std::string priceColumn(int level) { return "Verkaufspreis" + std::to_string(level); }

// Sets levels 2 to 9 of the current article row from its discount scale or product group and
// writes the levels that changed. False when the article has neither.
bool adjustLevels(Session& session, Recordset& rs) {
  const Article stored = readRecord(rs, ArticleFields());
  const std::optional<PriceLevelPercentages> percentages = PriceLevelPercentagesOf(session, stored);
  if (!percentages) return false;
  Article adjusted = stored;
  ApplyPriceLevels(adjusted, *percentages);
  bool changed = false;
  for (int level = 2; level <= 9; ++level) {
    if (sellingPrice(adjusted, level) == sellingPrice(stored, level)) continue;
    rs.set(priceColumn(level), Value(sellingPrice(adjusted, level)));
    changed = true;
  }
  if (changed) rs.update();
  return true;
}

// The percentage typed for a level: German or point decimals, a trailing "%" allowed.
std::optional<Currency> typedPercent(std::string_view typed) {
  std::string_view text = trim(typed);
  if (!text.empty() && text.back() == '%') text = trim(text.substr(0, text.size() - 1));
  return Currency::parse(text);
}

struct LevelPercent {
  int level;
  Currency percent;
};

// Asks for levels 2 to 5; nothing when an answer is refused.
std::optional<std::vector<LevelPercent>> askLevelPercents(Session& session) {
  std::vector<LevelPercent> asked;
  for (int level = 2; level <= 5; ++level) {
    const std::optional<std::string> answer =
        session.ui().inputText(priceColumn(level) + " um wieviel Prozent anpassen?,", kProductName, "");
    if (!answer || trim(*answer).empty()) continue;
    const std::optional<Currency> percent = typedPercent(*answer);
    if (!percent) {
      warnUser(session, "\"" + std::string(trim(*answer)) + "\" ist keine Zahl. Bitte den Prozentsatz für " +
                            priceColumn(level) +
                            " als Zahl angeben, z. B. 10 oder 2,5. Es wurden keine Preise geändert.");
      return std::nullopt;
    }
    if (*percent > Currency::fromInteger(100)) {
      warnUser(
          session,
          "Der Prozentsatz für " + priceColumn(level) +
              " darf höchstens 100 sein, sonst würde der Preis negativ. Es wurden keine Preise geändert.");
      return std::nullopt;
    }
    asked.push_back({level, *percent});
  }
  return asked;
}

// The condition on the articles a customer price is carried over to; empty when the article lacks
// the group the scope asks for (the user has been told).
std::string scopeCondition(Session& session, const Recordset& article, CustomerPriceScope scope) {
  const std::string others = "[ID] <> " + std::to_string(article["ID"].toInt());
  if (scope == CustomerPriceScope::All) return "(" + others + ")";
  const bool mainGroup = scope == CustomerPriceScope::SameMainGroup;
  const char* column = mainGroup ? "Hauptwarengruppe" : "Warengruppe";
  const std::string group = std::string(trim(article[column].toText()));
  if (group.empty()) {
    warnUser(session, mainGroup ? "Der Artikel gehört zu keiner Hauptwarengruppe."
                                : "Der Artikel gehört zu keiner Warengruppe.");
    return "";
  }
  return "([" + std::string(column) + "] IN (" + SqlQuoted(group) + ") AND " + others + ")";
}

// Updates every row of the customer's price for the article, or adds one.
void storeCustomerPrice(Connection& connection, int64_t articleId, int64_t customerId, Currency price) {
  Recordset rs(connection, "SELECT * FROM  Artikel_Preisstufen WHERE (([Artikel_ID] IN (" +
                               std::to_string(articleId) + ")) AND ([Kunden_ID] IN (" +
                               std::to_string(customerId) + ")))");
  if (rs.eof()) {
    rs.addNew();
    rs.set("Artikel_ID", Value(articleId));
    rs.set("Kunden_ID", Value(customerId));
    rs.set("Preis", Value(price));
    rs.update();
    return;
  }
  for (; !rs.eof(); rs.moveNext()) {
    if (rs["Preis"].toCurrency() == price) continue;
    rs.set("Preis", Value(price));
    rs.update();
  }
}

}  // namespace

bool AdjustAllSellingPrices(Session& session) {
  return runOperation(session, priceRunOperation("Verkaufspreise_Anpassen"), false, [&] {
    if (!RequireRight(session, "Save_Artikel")) return false;
    if (!session.ui().askYesNo("Sollen die Verkaufspreise angepasst werden?", kProductName)) return false;
    Connection& connection = GlobalConnection(session);
    DbTransaction transaction(connection);
    int done = 0;
    for (Recordset rs(connection, "SELECT * FROM Artikel ORDER BY ID"); !rs.eof(); rs.moveNext()) {
      adjustLevels(session, rs);
      if (++done % kProgressStep == 0) session.ui().progress("Verkaufspreise werden angepasst", done, 0);
    }
    transaction.commit();
    informUser(session, "Fertig, Preise angepasst");
    return true;
  });
}

bool AdjustPriceLevelsByPercent(Session& session) {
  return runOperation(session, priceRunOperation("Preisstufen_Prozentual_Anpassen"), false, [&] {
    if (!RequireRight(session, "Save_Artikel")) return false;
    const std::optional<std::vector<LevelPercent>> asked = askLevelPercents(session);
    if (!asked || asked->empty()) return false;
    Connection& connection = GlobalConnection(session);
    DbTransaction transaction(connection);
    for (const LevelPercent& adjust : *asked) {
      connection.execute("UPDATE Artikel SET Artikel." + priceColumn(adjust.level) +
                         " = Artikel.Verkaufspreis1 -(Artikel.Verkaufspreis1 /100 * " +
                         adjust.percent.formatSql(4) + ") ;");
    }
    transaction.commit();
    informUser(session, "Fertig, Preise angepasst");
    return true;
  });
}

bool ApplyCustomerPriceInBulk(Session& session, int64_t customerPriceRowId, CustomerPriceScope scope) {
  return runOperation(session, priceRunOperation("Kundenpreise_Uebertragen"), false, [&] {
    if (!RequireRight(session, "Save_Artikel")) return false;
    Connection& connection = GlobalConnection(session);
    const Recordset row(connection, "SELECT * FROM Artikel_Preisstufen WHERE ([ID] IN (" +
                                        std::to_string(customerPriceRowId) + "))");
    if (row.eof()) {
      warnUser(session, "Der Kundenpreis wurde nicht gefunden");
      return false;
    }
    const Recordset article(connection, "SELECT * FROM Artikel WHERE ([ID] IN (" +
                                            std::to_string(row["Artikel_ID"].toInt()) + "))");
    if (article.eof()) {
      warnUser(session, "Artikel wurde nicht gefunden");
      return false;
    }
    // The percentage is the customer price's distance below Verkaufspreis1; an article without a
    // positive Verkaufspreis1 has no such percentage, and dividing by it would fail.
    const Currency basePrice = article["Verkaufspreis1"].toCurrency();
    if (basePrice <= Currency()) {
      warnUser(session,
               "Der Artikel hat keinen Verkaufspreis1, daher lässt sich der Abstand des Kundenpreises in "
               "Prozent nicht "
               "bestimmen.");
      return false;
    }
    const std::string condition = scopeCondition(session, article, scope);
    if (condition.empty()) return false;
    const Currency customerPrice = row["Preis"].toCurrency();
    const int64_t customerId = row["Kunden_ID"].toInt();
    DbTransaction transaction(connection);
    for (Recordset target(connection,
                          "SELECT ID, Verkaufspreis1 FROM Artikel WHERE " + condition + " ORDER BY ID");
         !target.eof(); target.moveNext()) {
      const Currency targetBase = target["Verkaufspreis1"].toCurrency();
      // A customer price replaces every other price on documents, so an article without a selling
      // price would be given away at 0; it gets no customer price.
      if (targetBase <= Currency()) continue;
      // Verkaufspreis1 × price / base is Verkaufspreis1 reduced by the percentage, without
      // rounding the percentage first.
      storeCustomerPrice(connection, target["ID"].toInt(), customerId,
                         targetBase * customerPrice / basePrice);
    }
    transaction.commit();
    informUser(session, "Fertig");
    return true;
  });
}

}  // namespace orvosal
