#include "accounting/einvoice/invoice_output.h"

#include <gtest/gtest.h>

#include "accounting/einvoice/tests/einvoice_fixture.h"

namespace orvosal::testing {
namespace {

class InvoiceOutputChoice : public EInvoiceFixture {};

TEST_P(InvoiceOutputChoice, TheCustomersChoiceElseTheOptions) {
  const int64_t customer = storeCustomer("Wahl");
  const int64_t id = storeInvoice(customer, "RE-1");
  const std::string where = " WHERE ([ID] IN (" + std::to_string(customer) + "))";
  const struct {
    const char* own;
    const char* option;  // nullptr: no setting
    InvoiceOutput output;
  } cases[] = {
      {"0", nullptr, InvoiceOutput::Zugferd},  {"0", "3", InvoiceOutput::XRechnungCii},
      {"0", "x", InvoiceOutput::Zugferd},      {"0", "9", InvoiceOutput::Zugferd},
      {"2", "3", InvoiceOutput::XRechnungUbl}, {"4", "1", InvoiceOutput::PlainPdf},
      {"7", "2", InvoiceOutput::XRechnungUbl},
  };
  for (const auto& c : cases) {
    execute(std::string("UPDATE Adressen SET [ERechnungFormat]=") + c.own + where);
    engine().session().systemSettings().erase("ERechnungFormat");
    if (c.option != nullptr) engine().session().systemSettings()["ERechnungFormat"] = c.option;
    EXPECT_EQ(invoiceOutputOf(engine().session(), id), c.output)
        << c.own << "/" << (c.option ? c.option : "-");
  }
  EXPECT_EQ(einvoiceFormatOf(InvoiceOutput::PlainPdf), std::nullopt);
  EXPECT_EQ(einvoiceFormatOf(InvoiceOutput::XRechnungCii), EInvoiceFormat::XRechnungCii);
}

ORVOSAL_ON_BOTH_ENGINES(InvoiceOutputChoice);

}  // namespace
}  // namespace orvosal::testing
