#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "documents/tests/document_fixture.h"

namespace orvosal::testing {

// A seeded database with full company data, automatic numbers and the shipped layouts, and a way
// to store invoices with the values a German invoice must show.
class InvoiceFixture : public DocumentFixture {
 protected:
  void SetUp() override;

  // Stores an invoice (type "Rechnung" unless named) for a customer "Muster Technik GmbH" in
  // `land` with `euIdent`, without VAT when `ohneMwSt`, delivery date 02.03.2026, 14 days, 2 %
  // Skonto; no positions. Answers its `BelegID`.
  int64_t storeInvoice(const std::string& land = "", const std::string& euIdent = "", bool ohneMwSt = false,
                       const std::string& type = "Rechnung");

  // Stores a charged article position with text, quantity, unit price and VAT group (2 full, 1
  // reduced); answers its ID.
  int64_t addLine(int64_t belegId, int line, const std::string& text, const char* menge, const char* preis,
                  int mwst = 2, const std::string& posTyp = "");

  // Sets one column of the document's type.
  void setTypeColumn(const std::string& type, const std::string& column, const Value& value);

  std::filesystem::path outputFolder();
};

}  // namespace orvosal::testing
