#include "accounting/einvoice/invoice_checks.h"

#include <gtest/gtest.h>

#include <functional>

#include "accounting/einvoice/tests/einvoice_fixture.h"
#include "core/company/company.h"

namespace orvosal::testing {
namespace {

class InvoiceChecks : public EInvoiceFixture {
 protected:
  InvoiceModel complete() {
    const int64_t id = storeInvoice(storeCustomer("Prüfung GmbH"), "RE-9");
    addLine(id, "Ware", "1", "10");
    recompute(id);
    return *buildInvoiceModel(engine().session(), id);
  }
};

TEST_P(InvoiceChecks, EachMissingItemIsNamedWithWhereToEnterIt) {
  const InvoiceModel base = complete();
  EXPECT_EQ(missingInvoiceItems(base, EInvoiceFormat::XRechnungUbl), std::vector<std::string>{});

  const struct {
    std::function<void(InvoiceModel&)> change;
    EInvoiceFormat format;
    std::vector<std::string> missing;
  } cases[] = {
      {[](InvoiceModel& m) { m.seller.vatId.clear(); }, EInvoiceFormat::XRechnungUbl, {}},
      {[](InvoiceModel& m) { m.seller.vatId.clear(), m.seller.taxNumber.clear(); },
       EInvoiceFormat::ZugferdCii,
       {"USt-IdNr. oder Steuernummer des Verkäufers fehlt (Firmendaten)"}},
      {[](InvoiceModel& m) { m.seller.vatId.clear(), m.vat[0].category = VatCategory::ReverseCharge; },
       EInvoiceFormat::XRechnungCii,
       {"USt-IdNr. des Verkäufers fehlt (Firmendaten)"}},
      {[](InvoiceModel& m) { m.seller.electronicAddress.clear(), m.seller.contactPhone.clear(); },
       EInvoiceFormat::XRechnungUbl,
       {"Telefon des Verkäufers fehlt (Firmendaten)", "E-Mail-Adresse des Verkäufers fehlt (Firmendaten)"}},
      {[](InvoiceModel& m) { m.seller.electronicAddress.clear(), m.seller.contactPhone.clear(); },
       EInvoiceFormat::ZugferdCii,
       {}},
      {[](InvoiceModel& m) { m.buyer.electronicAddress.clear(); },
       EInvoiceFormat::XRechnungCii,
       {"E-Rechnungsadresse oder E-Mail-Adresse des Käufers fehlt (Adresse)"}},
      {[](InvoiceModel& m) { m.buyer.postcode.clear(), m.buyer.city.clear(), m.buyer.name.clear(); },
       EInvoiceFormat::ZugferdCii,
       {"Name des Käufers fehlt (Beleg)", "PLZ des Käufers fehlt (Beleg)", "Ort des Käufers fehlt (Beleg)"}},
      {[](InvoiceModel& m) { m.seller.name.clear(), m.seller.street.clear(); },
       EInvoiceFormat::ZugferdCii,
       {"Name des Verkäufers fehlt (Firmendaten)", "Straße des Verkäufers fehlt (Firmendaten)"}},
      {[](InvoiceModel& m) { m.sellerIbanValid = false; },
       EInvoiceFormat::ZugferdCii,
       {"IBAN des Verkäufers ist ungültig (Firmendaten)"}},
      {[](InvoiceModel& m) { m.number.clear(), m.lines.clear(); },
       EInvoiceFormat::ZugferdCii,
       {"Belegnummer fehlt (Beleg)", "Der Beleg hat keine berechnete Position"}},
      {[](InvoiceModel& m) { m.decimals = 3, m.storedTotalsMatch = false; },
       EInvoiceFormat::ZugferdCii,
       {"Die Belegart rechnet mit mehr als zwei Nachkommastellen (Belegarten)",
        "Die gespeicherten Summen des Belegs sind nicht aktuell (Beleg neu speichern)"}},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    InvoiceModel model = base;
    cases[i].change(model);
    EXPECT_EQ(missingInvoiceItems(model, cases[i].format), cases[i].missing) << "Fall " << i;
  }
}

TEST_P(InvoiceChecks, ModelTakesBuyerReferenceAndAddressesInTheirOrder) {
  const int64_t customer = storeCustomer("Amt");
  const int64_t id = storeInvoice(customer, "RE-10");
  addLine(id, "Ware", "1", "10");
  recompute(id);
  const std::string where = " WHERE ([ID] IN (" + std::to_string(customer) + "))";
  EXPECT_EQ(buildInvoiceModel(engine().session(), id)->buyerReference,
            buildInvoiceModel(engine().session(), id)->buyer.id);
  setHeader(id, "[Käuferreferenz]='Bestellung 4711'");
  EXPECT_EQ(buildInvoiceModel(engine().session(), id)->buyerReference, "Bestellung 4711");
  execute("UPDATE Adressen SET [LeitwegID]='991-12345-67', [ERechnungAdresse]='x@amt.example'" + where);
  const InvoiceModel model = *buildInvoiceModel(engine().session(), id);
  EXPECT_EQ(model.buyerReference, "991-12345-67");
  EXPECT_EQ(model.buyer.electronicAddress, "x@amt.example");
  EXPECT_EQ(model.paymentMeansCode, "58");

  Company company = *ReadCompany(db());
  company.iban.clear();
  WriteCompany(db(), company);
  EXPECT_EQ(buildInvoiceModel(engine().session(), id)->paymentMeansCode, "1");
}

ORVOSAL_ON_BOTH_ENGINES(InvoiceChecks);

}  // namespace
}  // namespace orvosal::testing
