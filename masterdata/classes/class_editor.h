#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/session.h"
#include "masterdata/classes/commission_class.h"

namespace orvosal {

// The rules of the commission-class window (`frmKlassen`): commission classes and marketing
// statuses of customers. Every change needs the signed-in user's right "Provision", asks and
// reports through the session's Ui and writes nothing when it refuses or the user declines.

// All classes, all statuses, in the order of their keys.
std::vector<CommissionClass> ListCommissionClasses(Session& session);
std::vector<MarketingStatus> ListMarketingStatuses(Session& session);

std::optional<CommissionClass> ReadCommissionClass(Session& session, int64_t classId);
std::optional<MarketingStatus> ReadMarketingStatus(Session& session, int64_t marketingId);

// Stores a new class "Neue Klasse" worth 5 % (active, priority "Klassenzuordnung") under the
// greatest `class_id` plus one and answers it; nothing when refused.
std::optional<CommissionClass> AddCommissionClass(Session& session);

// Stores a new status "Marketing-Status 1" paying 10 under the greatest `marketing_id` plus one and
// answers it; nothing when refused.
std::optional<MarketingStatus> AddMarketingStatus(Session& session);

// Stores the changes of a stored class. Refused without a name ("Bitte Bezeichnung eintragen") or
// a value ("Bitte Provisionswert eintragen"); an unchanged class is not written. True when written.
bool SaveCommissionClass(Session& session, CommissionClass& commissionClass);

// Stores the changes of a stored status. Refused without its amount ("Bitte Provisionshöhe
// eintragen"); an unchanged status is not written. True when written.
bool SaveMarketingStatus(Session& session, MarketingStatus& status);

// Deletes the class and its customer assignments after asking; refused while an article or a
// customer carries the class. True when deleted.
bool DeleteCommissionClass(Session& session, int64_t classId);

// Deletes the status after asking; refused while a customer carries it. True when deleted.
bool DeleteMarketingStatus(Session& session, int64_t marketingId);

}  // namespace orvosal
