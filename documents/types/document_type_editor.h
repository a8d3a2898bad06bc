#pragma once

#include <cstdint>

#include "core/records/document_type.h"
#include "core/session.h"

namespace orvosal {

// The rules of the document-type editor. Each change needs the signed-in user's right "System",
// asks and reports through the session's Ui, then gives every document of the area its new
// `Belegart` index and reloads the session's lists of active types. A refused or unconfirmed change
// writes nothing.

// A new type of the area as the editor proposes it: active, drawing from its own counter from 1,
// stock and money moving as the area suggests (sales out of stock and into the account).
DocumentType NewDocumentType(bool sales);

// Adds the type (`id` 0; the new key is written back) or changes the stored one. Refused: an empty
// `Belegtitel` or `Formularname`, and a new type whose title or layout name another type of its
// area already has. True when written.
bool SaveDocumentType(Session& session, DocumentType& type);

// Activates an inactive type or deactivates an active one, after asking. True when switched.
bool SwitchDocumentTypeActive(Session& session, int64_t id);

// Deletes the type together with its document headers, after asking (differently when documents
// exist). True when deleted.
bool DeleteDocumentType(Session& session, int64_t id);

}  // namespace orvosal
