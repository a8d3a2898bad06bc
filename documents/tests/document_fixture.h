#pragma once

#include <cstdint>
#include <string>

#include "documents/records/document_header.h"
#include "documents/records/document_position.h"
#include "masterdata/articles/tests/article_test_support.h"

namespace orvosal::testing {

// A seeded database with a user who holds the document, address and article rights, and ways to
// store documents and positions directly (not through the window's rules).
class DocumentFixture : public ArticleFixture {
 protected:
  void SetUp() override;

  // The `Belegarten.ID` of a seeded type by its title ("Rechnung", "Angebot", "Bestellung", ...).
  int64_t typeId(const std::string& belegtitel);

  // Stores a header of that type for the partner (area from the type, `Belegart` its list index,
  // date today, rates 19/7) and answers its `BelegID`.
  int64_t storeDocument(int64_t belegartenId, int64_t partnerId);

  // Stores a position as given (its `belegId` set to the document, `PosTyp` Null when empty)
  // and answers its ID.
  int64_t storePosition(int64_t belegId, DocumentPosition position);

  // Reads back what is stored.
  DocumentHeader readHeader(int64_t belegId);
  DocumentPosition readPosition(int64_t positionId);
};

}  // namespace orvosal::testing
