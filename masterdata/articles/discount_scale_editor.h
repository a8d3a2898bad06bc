#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/session.h"
#include "masterdata/articles/discount_scale.h"
#include "masterdata/articles/supplier_choices.h"

namespace orvosal {

// The rules of the discount-scale window (`frmRabattStaffel`). Changes need the article rights
// (Save_Artikel, Delete_Artikel), ask and report through the session's Ui and write nothing when
// they refuse or the user declines.

// Every scale by title, then ID.
std::vector<DiscountScale> ListDiscountScales(Session& session);

// The article window's choice: first "Keine Rabattstaffel" (ID 0), then every scale by title.
std::vector<IdChoice> DiscountScaleChoices(Session& session);

std::optional<DiscountScale> ReadDiscountScale(Session& session, int64_t id);

// Stores a new scale (`id` 0; the new ID is written back) or the changes of a stored one. Refused
// without a title ("Bitte RabattStaffel angegeben!") or with a percentage outside 0 to 100. True
// when written.
bool SaveDiscountScale(Session& session, DiscountScale& scale);

// Deletes the scale and its assignments to customers after "Soll Rabattstaffel <title> gelöscht
// werden?"; refused while an article carries it. True when deleted.
bool DeleteDiscountScale(Session& session, int64_t id);

}  // namespace orvosal
