#include "masterdata/articles/article_window_lists.h"

#include <algorithm>

#include "masterdata/articles/product_group_editor.h"
#include "masterdata/classes/class_editor.h"

namespace orvosal {
namespace {

// How well a row stands for its name in the list: a row of the kind itself (a product group also
// names its main group, but is no main-group row) before one that only names it, the supplier's
// own row before one of all suppliers.
int rank(const ProductGroup& group, GroupKind kind) {
  const bool ofTheKind = kind == GroupKind::ProductGroup || group.warenGruppe.empty();
  return (ofTheKind ? 2 : 0) + (group.lieferant != 0 ? 1 : 0);
}

}  // namespace

std::vector<IdChoice> ArticleGroupChoices(Session& session, GroupKind kind, int64_t supplierId) {
  std::vector<IdChoice> choices{{0, NoGroupChoice(kind)}};
  std::vector<int> ranks{0};
  for (const ProductGroup& group : GroupsOfSupplier(session, kind, supplierId)) {
    const std::string& name = groupName(group, kind);
    if (name.empty()) continue;
    const int groupRank = rank(group, kind);
    // A name that only product groups carry has no main-group row to point to.
    const int64_t id = groupRank >= 2 ? group.id : 0;
    const auto same = std::find_if(choices.begin() + 1, choices.end(),
                                   [&](const IdChoice& choice) { return choice.caption == name; });
    if (same == choices.end()) {
      choices.push_back({id, name});
      ranks.push_back(groupRank);
    } else if (const auto index = static_cast<size_t>(same - choices.begin()); groupRank > ranks[index]) {
      same->id = id;
      ranks[index] = groupRank;
    }
  }
  return choices;
}

std::vector<IdChoice> CommissionClassChoices(Session& session) {
  std::vector<IdChoice> choices{{0, "keine Provisionsklasse"}};
  for (const CommissionClass& commissionClass : ListCommissionClasses(session))
    choices.push_back({commissionClass.classId, commissionClass.className});
  return choices;
}

}  // namespace orvosal
