#include "masterdata/articles/product_group_editor.h"

#include <algorithm>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
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

constexpr const char* kGroupWindow = "frmWarengruppe";
const std::vector<std::string> kNullWhenEmpty = {"WarenGruppe", "Hauptwarengruppe"};

std::string groupOperation(OperationKind kind, const char* name) {
  return operationName(kGroupWindow, kind, name);
}

const char* nameColumn(GroupKind kind) {
  return kind == GroupKind::ProductGroup ? "Warengruppe" : "Hauptwarengruppe";
}

// A main group is a row without a product-group name.
constexpr const char* kNoProductGroupName = "(WarenGruppe Is NULL OR WarenGruppe = '')";

std::string trimmed(const std::string& text) { return std::string(trim(text)); }

// True when another group of the kind of the same supplier has the name: the price levels of an
// article are looked up by group name and supplier, so the name must be unambiguous there.
bool nameTaken(Session& session, GroupKind kind, const ProductGroup& group) {
  std::string sql = "SELECT count(ID) as Anzahl FROM Warengruppe WHERE ([" + std::string(nameColumn(kind)) +
                    "] IN (" + SqlQuoted(groupName(group, kind)) + ") AND [Lieferant] IN (" +
                    std::to_string(group.lieferant) + ") AND [ID] <> " + std::to_string(group.id);
  if (kind == GroupKind::MainGroup) sql += " AND " + std::string(kNoProductGroupName);
  sql += ")";
  return Recordset(GlobalConnection(session), sql)["Anzahl"].toInt() > 0;
}

}  // namespace

const char* NoGroupChoice(GroupKind kind) {
  return kind == GroupKind::ProductGroup ? "keine Warengruppe" : "keine Hauptwarengruppe";
}

std::vector<ProductGroup> GroupsOfSupplier(Session& session, GroupKind kind, int64_t supplierId) {
  return runOperation(session, groupOperation(OperationKind::Function, "Warengruppen_Laden"),
                      std::vector<ProductGroup>{}, [&] {
                        const std::string column = nameColumn(kind);
                        return row_store::readAll(session,
                                                  "SELECT * FROM Warengruppe WHERE ([Lieferant] IN (0," +
                                                      std::to_string(supplierId) + ") AND (" + column +
                                                      " Is NOT NULL OR " + column + " <> '')) ORDER BY [" +
                                                      column + "]",
                                                  ProductGroupFields());
                      });
}

std::vector<std::string> GroupChoices(Session& session, GroupKind kind, int64_t supplierId) {
  std::vector<std::string> choices = {NoGroupChoice(kind)};
  // Product groups name their main group too, and a name may be held by a group of all suppliers
  // and one of this supplier: each name is offered once, and an empty name not at all.
  for (const ProductGroup& group : GroupsOfSupplier(session, kind, supplierId)) {
    const std::string& name = groupName(group, kind);
    if (!name.empty() && std::find(choices.begin() + 1, choices.end(), name) == choices.end())
      choices.push_back(name);
  }
  return choices;
}

std::vector<ProductGroup> ListGroups(Session& session, GroupKind kind) {
  return runOperation(
      session, groupOperation(OperationKind::Function, "Liste_Laden"), std::vector<ProductGroup>{}, [&] {
        const std::string sql =
            kind == GroupKind::ProductGroup
                ? "SELECT * FROM Warengruppe WHERE (WarenGruppe Is NOT NULL AND WarenGruppe <> '') "
                  "ORDER BY [WarenGruppe], [Lieferant], [ID]"
                : "SELECT * FROM Warengruppe WHERE (" + std::string(kNoProductGroupName) +
                      " AND Hauptwarengruppe Is NOT NULL AND Hauptwarengruppe <> '') "
                      "ORDER BY [Hauptwarengruppe], [Lieferant], [ID]";
        return row_store::readAll(session, sql, ProductGroupFields());
      });
}

std::optional<ProductGroup> ReadProductGroup(Session& session, int64_t id) {
  return runOperation(
      session, groupOperation(OperationKind::Function, "Load_Item"), std::optional<ProductGroup>(), [&] {
        return row_store::readOne(session, "SELECT * FROM Warengruppe WHERE " + row_store::keyIs(id),
                                  ProductGroupFields());
      });
}

bool SaveProductGroup(Session& session, GroupKind kind, ProductGroup& group) {
  return runOperation(session, groupOperation(OperationKind::Sub, "Save_Item"), false, [&] {
    if (!RequireRight(session, "Save_Artikel")) return false;
    ProductGroup entered = group;
    entered.warenGruppe = kind == GroupKind::MainGroup ? "" : trimmed(entered.warenGruppe);
    entered.hauptwarengruppe = trimmed(entered.hauptwarengruppe);
    entered.beschreibung = trimmed(entered.beschreibung);
    const std::string& name = groupName(entered, kind);
    if (name.empty()) {
      warnUser(session, kind == GroupKind::ProductGroup ? "Bitte Warengruppe angegeben!"
                                                        : "Bitte Hauptwarengruppe angegeben!");
      return false;
    }
    if (const std::string problem = LevelPercentagesProblem(levelPercentages(entered)); !problem.empty()) {
      warnUser(session, problem);
      return false;
    }
    if (nameTaken(session, kind, entered)) {
      warnUser(session, std::string(kind == GroupKind::ProductGroup ? "Warengruppe " : "Hauptwarengruppe ") +
                            name + " ist für diesen Lieferanten bereits vorhanden!");
      return false;
    }
    if (entered.id == 0) {
      row_store::insert(session, "Warengruppe", entered, ProductGroupFields(), kNullWhenEmpty);
      WriteUserHistory(session, "Warengruppe-ID " + std::to_string(entered.id) + " erfasst", kGroupWindow,
                       entered.id);
      informUser(session, "Daten gespeichert");
    } else {
      if (!row_store::updateChanged(session, "Warengruppe", entered, ProductGroupFields(), kNullWhenEmpty)) {
        informUser(session, "Keine Änderung!, nicht gespeichert");
        return false;
      }
      WriteUserHistory(session, "Warengruppe-ID " + std::to_string(entered.id) + " geändert", kGroupWindow,
                       entered.id);
      informUser(session, "Änderungen gespeichert");
    }
    group = entered;
    return true;
  });
}

bool DeleteProductGroup(Session& session, GroupKind kind, int64_t id) {
  return runOperation(session, groupOperation(OperationKind::Sub, "Delete_Item"), false, [&] {
    if (!RequireRight(session, "Delete_Artikel")) return false;
    const std::optional<ProductGroup> group = row_store::readOne(
        session, "SELECT * FROM Warengruppe WHERE " + row_store::keyIs(id), ProductGroupFields());
    if (!group) return false;
    if (!session.ui().askYesNo("Soll Warengruppe " + groupName(*group, kind) + " gelöscht werden?",
                               kProductName))
      return false;
    GlobalConnection(session).execute("Delete FROM Warengruppe WHERE ([ID] IN (" + std::to_string(id) + "))");
    WriteUserHistory(session, "Warengruppe-ID " + std::to_string(id) + " gelöscht", kGroupWindow, id);
    return true;
  });
}

}  // namespace orvosal
