#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/records/document_type.h"
#include "core/session.h"

namespace orvosal {

// "Verkauf" for the sales area, "Einkauf" for the purchase area.
std::string AreaName(bool sales);

// Every type of an area, active and inactive, in ascending `ID` order.
std::vector<DocumentType> ListDocumentTypes(Session& session, bool sales);

// The stored type with that `ID`; empty when there is none.
std::optional<DocumentType> ReadDocumentType(Session& session, int64_t id);

}  // namespace orvosal
