#include "masterdata/articles/discount_scale_editor.h"

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/transaction.h"
#include "core/error_log.h"
#include "core/operation_guard.h"
#include "core/text.h"
#include "core/users/rights.h"
#include "core/users/user_history.h"
#include "core/version.h"
#include "masterdata/articles/level_percentages.h"
#include "masterdata/articles/row_store.h"
#include "masterdata/user_messages.h"

namespace orvosal {
namespace {

constexpr const char* kScaleWindow = "frmRabattStaffel";

std::string scaleOperation(OperationKind kind, const char* name) {
  return operationName(kScaleWindow, kind, name);
}

bool carriedByAnArticle(Session& session, int64_t id) {
  return !Recordset(GlobalConnection(session),
                    "SELECT Top 1 ID FROM Artikel WHERE ([RabattStaffelID] IN (" + std::to_string(id) + "))")
              .eof();
}

}  // namespace

std::vector<DiscountScale> ListDiscountScales(Session& session) {
  return runOperation(session, scaleOperation(OperationKind::Function, "Liste_Laden"),
                      std::vector<DiscountScale>{}, [&] {
                        return row_store::readAll(session, "SELECT * FROM RabattStaffel ORDER BY Titel, ID;",
                                                  DiscountScaleFields());
                      });
}

std::vector<IdChoice> DiscountScaleChoices(Session& session) {
  std::vector<IdChoice> choices = {{0, "Keine Rabattstaffel"}};
  for (const DiscountScale& scale : ListDiscountScales(session)) choices.push_back({scale.id, scale.titel});
  return choices;
}

std::optional<DiscountScale> ReadDiscountScale(Session& session, int64_t id) {
  return runOperation(
      session, scaleOperation(OperationKind::Function, "Load_Item"), std::optional<DiscountScale>(), [&] {
        return row_store::readOne(session, "SELECT Top 1 * FROM RabattStaffel where " + row_store::keyIs(id),
                                  DiscountScaleFields());
      });
}

bool SaveDiscountScale(Session& session, DiscountScale& scale) {
  return runOperation(session, scaleOperation(OperationKind::Sub, "Save_Item"), false, [&] {
    if (!RequireRight(session, "Save_Artikel")) return false;
    DiscountScale entered = scale;
    entered.titel = std::string(trim(entered.titel));
    if (entered.titel.empty()) {
      warnUser(session, "Bitte RabattStaffel angegeben!");
      return false;
    }
    if (const std::string problem = LevelPercentagesProblem(levelPercentages(entered)); !problem.empty()) {
      warnUser(session, problem);
      return false;
    }
    if (entered.id == 0) {
      row_store::insert(session, "RabattStaffel", entered, DiscountScaleFields());
      WriteUserHistory(session, "Rabattstaffel-ID " + std::to_string(entered.id) + " erfasst", kScaleWindow,
                       entered.id);
      informUser(session, "Daten gespeichert");
    } else {
      if (!row_store::updateChanged(session, "RabattStaffel", entered, DiscountScaleFields())) {
        informUser(session, "Keine Änderung!, nicht gespeichert");
        return false;
      }
      WriteUserHistory(session, "Rabattstaffel-ID " + std::to_string(entered.id) + " geändert", kScaleWindow,
                       entered.id);
      informUser(session, "Änderungen gespeichert");
    }
    scale = entered;
    return true;
  });
}

bool DeleteDiscountScale(Session& session, int64_t id) {
  return runOperation(session, scaleOperation(OperationKind::Sub, "Delete_Item"), false, [&] {
    if (!RequireRight(session, "Delete_Artikel")) return false;
    const std::optional<DiscountScale> scale = row_store::readOne(
        session, "SELECT * FROM RabattStaffel WHERE " + row_store::keyIs(id), DiscountScaleFields());
    if (!scale) return false;
    // An article keeps deriving its levels from its scale; without it the levels could no longer
    // be recalculated, so the scale stays until no article carries it.
    if (carriedByAnArticle(session, id)) {
      warnUser(session, "Die Rabattstaffel " + scale->titel +
                            " ist Artikeln zugeordnet und kann daher nicht gelöscht werden!");
      return false;
    }
    if (!session.ui().askYesNo("Soll Rabattstaffel " + scale->titel + " gelöscht werden?", kProductName))
      return false;
    Connection& connection = GlobalConnection(session);
    DbTransaction transaction(connection);
    connection.execute("Delete FROM RabattToAdressen WHERE ([RabattStaffelID] IN (" + std::to_string(id) +
                       "))");
    connection.execute("Delete FROM RabattStaffel WHERE ([ID] IN (" + std::to_string(id) + "))");
    transaction.commit();
    WriteUserHistory(session, "Rabattstaffel-ID " + std::to_string(id) + " gelöscht", kScaleWindow, id);
    return true;
  });
}

}  // namespace orvosal
