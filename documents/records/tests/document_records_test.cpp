#include <gtest/gtest.h>

#include "documents/tests/document_fixture.h"

namespace orvosal::testing {
namespace {

using DocumentRecords = DocumentFixture;

// Every column of header and position survives a write and a read on both engines; an ordinary
// position's type is stored as Null, so the area's "PosTyp Is Null" statements find it.
TEST_P(DocumentRecords, HeaderAndPositionRoundTrip) {
  const int64_t customer = storeAddress(true, "Muster", "Anna", "10001");
  const int64_t id = storeDocument(typeId("Rechnung"), customer);
  DocumentHeader header = readHeader(id);
  EXPECT_TRUE(header.kunde);
  EXPECT_EQ(header.kdNr, customer);
  EXPECT_EQ(header.mwstGr, Currency::fromInteger(19));

  DocumentPosition position;
  position.zeilennummer = 3;
  position.menge = Currency::fromDouble(2.5);
  position.posnummer = "1";
  position.bezeichnung1 = "Schraube M6 – verzinkt";
  position.verkaufsPreis = Currency::fromDouble(1.2345);
  position.mwst = 2;
  position.istDatum = Date::fromYmd(2026, 12, 1);
  const int64_t positionId = storePosition(id, position);
  position.id = positionId;
  position.belegId = id;
  EXPECT_EQ(differences(readPosition(positionId), position, DocumentPositionFields()),
            std::vector<std::string>{});
  EXPECT_EQ(countRows("Belegpositionen", "PosTyp Is Null"), 1);
}

ORVOSAL_ON_BOTH_ENGINES(DocumentRecords);

}  // namespace
}  // namespace orvosal::testing
