#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/db/connection.h"
#include "core/db/recordset.h"
#include "core/session.h"
#include "documents/records/document_header.h"
#include "documents/records/document_position.h"

namespace orvosal {

// Reading and writing the rows of one document, shared by the operations of the editing layer.

// "1,2,3": IDs for an IN list.
std::string joinIds(std::span<const int64_t> ids);

// The positions of a document in line order ("ORDER BY [Zeilennummer],[ID]").
std::vector<DocumentPosition> readPositions(Connection& connection, int64_t belegId);

// Assigns a position to the current or new row: every column but the key, `PosTyp` Null for an
// ordinary position, `Menge` and `EinkaufsPreis` Null for a subtotal.
void writePosition(Recordset& rs, const DocumentPosition& position);

// Adds the position as a new row and answers its ID.
int64_t insertPosition(Connection& connection, const DocumentPosition& position);

// Adds many positions in one bulk write (the caller holds the transaction).
void insertPositions(Connection& connection, std::span<const DocumentPosition> positions);

// The signed-in user's name, as documents record their clerk.
std::string signedInUserName(Session& session);

// Tells the user why an operation refuses.
void refuse(Session& session, std::string_view text);

}  // namespace orvosal
