#include "documents/tests/document_fixture.h"

#include <stdexcept>

#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"

namespace orvosal::testing {

void DocumentFixture::SetUp() {
  ArticleFixture::SetUp();
  signInWith({"Rechnungen", "Bestellungen", "Change_Beleg", "Change_Items", "Delete_Items", "Kunden",
              "Lieferanten", "Artikel", "Save_Artikel", "Save_Kunde", "Save_Lieferant"});
}

int64_t DocumentFixture::typeId(const std::string& belegtitel) {
  Recordset rs(db(), "SELECT ID FROM Belegarten WHERE ([Belegtitel] IN (" + SqlQuoted(belegtitel) + "))");
  if (rs.eof()) throw std::logic_error("Belegart fehlt: " + belegtitel);
  return rs["ID"].toInt();
}

int64_t DocumentFixture::storeDocument(int64_t belegartenId, int64_t partnerId) {
  Recordset type(db(), "SELECT * FROM Belegarten WHERE ([ID] IN (" + std::to_string(belegartenId) + "))");
  DocumentHeader header;
  header.belegartenId = static_cast<int>(belegartenId);
  header.kunde = type["Kundenbereich"].toBool();
  // The list index: the type's place among the active types of its area.
  Recordset before(db(), "SELECT count(ID) as Anzahl FROM Belegarten WHERE ([Aktiv] IN (1) AND [ID] < " +
                             std::to_string(belegartenId) + " AND " +
                             CreateBooleanSelect(db().dialect(), "Kundenbereich", header.kunde, true) + ")");
  header.belegart = static_cast<int>(before["Anzahl"].toInt());
  header.kdNr = partnerId;
  header.name = "Partner " + std::to_string(partnerId);
  header.belegdatum = engine().clock().today();
  header.mwstGr = Currency::fromInteger(19);
  header.mwstKl = Currency::fromInteger(7);
  Recordset rs(db(), "SELECT Top 1 * FROM Belegkopf");
  rs.addNew();
  writeRecord(rs, header, DocumentHeaderFields());
  rs.update();
  return rs["BelegID"].toInt();
}

int64_t DocumentFixture::storePosition(int64_t belegId, DocumentPosition position) {
  position.belegId = belegId;
  Recordset rs(db(), "SELECT Top 1 * FROM Belegpositionen");
  rs.addNew();
  writeRecord(rs, position, DocumentPositionFields());
  if (position.posTyp.empty()) rs.set("PosTyp", Value());
  rs.update();
  return rs["ID"].toInt();
}

DocumentHeader DocumentFixture::readHeader(int64_t belegId) {
  Recordset rs(db(), "SELECT * FROM Belegkopf WHERE ([BelegID] IN (" + std::to_string(belegId) + "))");
  if (rs.eof()) throw std::logic_error("Beleg fehlt");
  return readRecord(rs, DocumentHeaderFields());
}

DocumentPosition DocumentFixture::readPosition(int64_t positionId) {
  Recordset rs(db(), "SELECT * FROM Belegpositionen WHERE ([ID] IN (" + std::to_string(positionId) + "))");
  if (rs.eof()) throw std::logic_error("Position fehlt");
  return readRecord(rs, DocumentPositionFields());
}

}  // namespace orvosal::testing
