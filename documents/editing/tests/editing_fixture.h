#pragma once

#include <cstdint>
#include <string>

#include "core/db/recordset.h"
#include "documents/editing/open_document.h"
#include "documents/tests/document_fixture.h"

namespace orvosal::testing {

// Documents opened through the editing layer, on a fixed day.
class EditingFixture : public DocumentFixture {
 protected:
  void SetUp() override {
    DocumentFixture::SetUp();
    engine().clock().set(*DateTime::fromParts(*Date::fromYmd(2024, 3, 14), 10, 30, 0));
    session().systemSettings()["WriteUserHsitory"] = "1";
  }

  // A new invoice for a stored customer.
  OpenDocument newInvoice(int64_t partnerId) {
    OpenDocument document(session(), true, typeId("Rechnung"));
    document.choosePartner(partnerId);
    return document;
  }

  static DocumentPosition item(const std::string& text, const char* menge, const char* price,
                               int vatGroup = 2) {
    DocumentPosition position;
    position.bezeichnung1 = text;
    position.menge = *Currency::parse(menge);
    position.verkaufsPreis = *Currency::parse(price);
    position.mwst = vatGroup;
    return position;
  }

  static Currency money(const char* text) { return *Currency::parse(text); }

  // The first value of a query.
  Value first(const std::string& sql, const std::string& column) {
    Recordset rs(db(), sql);
    return rs.eof() ? Value() : rs[column];
  }

  std::vector<std::string> historyTexts() {
    std::vector<std::string> texts;
    Recordset rs(db(), "SELECT Infotext FROM User_History ORDER BY ID");
    for (; !rs.eof(); rs.moveNext()) texts.push_back(rs["Infotext"].toText());
    return texts;
  }
};

}  // namespace orvosal::testing
