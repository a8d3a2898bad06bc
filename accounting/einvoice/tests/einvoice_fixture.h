#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "documents/tests/document_fixture.h"

namespace orvosal::testing {

// Documents for electronic invoices: a complete company, customers with the data the standards
// ask for, and documents whose totals are computed and stored as the window stores them.
class EInvoiceFixture : public DocumentFixture {
 protected:
  void SetUp() override;

  // A customer with number, address block, e-mail and optionally country name and VAT id.
  int64_t storeCustomer(const std::string& name, const std::string& land = "Deutschland",
                        const std::string& vatId = "");
  // An invoice (or a document of `typeTitle`) to the customer, its snapshot taken from the address,
  // numbered `number`, dated `date`.
  int64_t storeInvoice(int64_t customerId, const std::string& number, const std::string& date = "2026-11-20",
                       const std::string& typeTitle = "Rechnung");
  // An ordinary position: quantity, price, VAT group, unit.
  int64_t addLine(int64_t belegId, const std::string& text, const std::string& menge,
                  const std::string& preis, int mwst = 2, const std::string& einheit = "Stk");
  // A special position of `posTyp` with quantity and price.
  int64_t addSpecial(int64_t belegId, const std::string& posTyp, const std::string& text,
                     const std::string& menge, const std::string& preis, int mwst = 2);
  // Sets header columns ("[Rabatt]=5, [OhneMwSt]=1") and recomputes and stores the totals.
  void setHeader(int64_t belegId, const std::string& assignments);
  void recompute(int64_t belegId);
  // A document type titled `title` of the sales area, as a copy of "Rechnung" with that title.
  int64_t addSalesType(const std::string& title, int versandVariante = 0);

 private:
  int lineNumber_ = 0;
};

}  // namespace orvosal::testing
