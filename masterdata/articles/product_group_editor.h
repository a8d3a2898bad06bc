#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/session.h"
#include "masterdata/articles/product_group.h"

namespace orvosal {

// The rules of the product-group window (`frmWarengruppe`) and the group lists of the article
// window. Changes need the article rights (Save_Artikel, Delete_Artikel), ask and report through
// the session's Ui and write nothing when they refuse or the user declines.

// The groups of the kind that articles of the supplier can belong to: its own and those of all
// suppliers (`Lieferant` 0), by name, as the article window lists them.
std::vector<ProductGroup> GroupsOfSupplier(Session& session, GroupKind kind, int64_t supplierId);

// The article window's choice: first the empty choice ("keine Warengruppe" or "keine
// Hauptwarengruppe"), then each name of GroupsOfSupplier() once.
std::vector<std::string> GroupChoices(Session& session, GroupKind kind, int64_t supplierId);
const char* NoGroupChoice(GroupKind kind);

// Every group of the kind, of all suppliers, by name, supplier and ID: the window's list.
std::vector<ProductGroup> ListGroups(Session& session, GroupKind kind);

std::optional<ProductGroup> ReadProductGroup(Session& session, int64_t id);

// Stores a new group (`id` 0; the new ID is written back) or the changes of a stored one. Refused
// without a name ("Bitte Warengruppe angegeben!", "Bitte Hauptwarengruppe angegeben!"), with a
// percentage outside 0 to 100, or when the supplier already has a group of the kind by that name.
// A main group keeps no product-group name. True when written.
bool SaveProductGroup(Session& session, GroupKind kind, ProductGroup& group);

// Deletes the group after "Soll Warengruppe <name> gelöscht werden?". True when deleted.
bool DeleteProductGroup(Session& session, GroupKind kind, int64_t id);

}  // namespace orvosal
