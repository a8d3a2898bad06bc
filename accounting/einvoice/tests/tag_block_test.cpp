#include "accounting/einvoice/tag_block.h"

#include <gtest/gtest.h>

#include "accounting/einvoice/tests/einvoice_fixture.h"
#include "core/db/recordset.h"

namespace orvosal::testing {
namespace {

class TagBlock : public EInvoiceFixture {
 protected:
  std::string block(int64_t belegId, std::string_view profile = "ZUGFeRD") {
    return buildTagBlock(engine().session(), std::to_string(belegId), profile);
  }
  std::string customerNumber(int64_t customer) {
    Recordset rs(db(),
                 "SELECT Kundennummer FROM Adressen WHERE ([ID] IN (" + std::to_string(customer) + "))");
    return rs["Kundennummer"].toText();
  }
};

TEST_P(TagBlock, ItemsTotalsVatAndSellerInOrder) {
  const int64_t customer = storeCustomer("Beispiel AG");
  const int64_t id = storeInvoice(customer, "RE-1");
  addLine(id, "Ware vom [datum]", "3", "49,90", 2, "kg");
  addLine(id, "Beratung", "2", "12,50", 2, "Parsec");
  addSpecial(id, "AG", "Abgebot", "174,70", "10", 2);
  const int64_t free = addLine(id, "Muster", "1", "20", 2);
  execute("UPDATE Belegpositionen SET [KeineBerechnung]=1 WHERE ([ID] IN (" + std::to_string(free) + "))");
  recompute(id);

  const std::string id_ = std::to_string(id);
  const std::string expected =
      "@@xi BUYER_ID=" + customerNumber(customer) +
      "@@\r\n"
      "@@xi BUYER_NAME=Beispiel AG @@\r\n"
      "@@xi BUYER_ADDRESS_LINE=Kundenweg 7@@\r\n"
      "@@xi BUYER_ADDRESS_ZIP=20095@@\r\n"
      "@@xi BUYER_ADDRESS_CITY=Hamburg@@\r\n"
      "@@xi BUYER_ADDRESS_COUNTRY=DE@@\r\n"
      "@@xi BUYER_ORDER_ID=" +
      id_ +
      "@@\r\n"
      "@@xi VOUCHER_ID=RE-1@@\r\n"
      "@@xi VOUCHER_DATE=20.11.2026@@\r\n"
      "@@xi DELIVERY_DATE=@@\r\n"
      "@@xi PAYMENT_TERMS_DUE_DATE=04.12.2026@@\r\n"
      "@@xr table=ITEM_DETAILS|ITEM_LINE_ID=1|ITEM_SELLER_ID=A-1|ITEM_NAME=Ware vom "
      "20.11.2026|ITEM_QUANTITY=3,00000"
      "|ITEM_UNIT=KGM|ITEM_GROSS_PRICE=49,90000|ITEM_TOTAL_AMOUNT=149,70000|ITEM_VAT_PERCENT=19@@\r\n"
      "@@xr table=ITEM_DETAILS|ITEM_LINE_ID=2|ITEM_SELLER_ID=A-2|ITEM_NAME=Beratung|ITEM_QUANTITY=2,00000"
      "|ITEM_UNIT=C62|ITEM_GROSS_PRICE=12,50000|ITEM_TOTAL_AMOUNT=25,00000|ITEM_VAT_PERCENT=19@@\r\n"
      "@@xi NET_AMOUNT=164,70000@@\r\n"
      "@@xi TAX_AMOUNT=31,29000@@\r\n"
      "@@xi TAX_PERCENT=19@@\r\n"
      "@@xi GROSS_AMOUNT=195,99000@@\r\n"
      "@@xi CURRENCY=EUR@@\r\n"
      "@@xi PAYMENT_REFERENCE=@@\r\n"
      "@@xr table=VAT|VAT_PERCENT=19|BASIS_AMOUNT=174,70000|VAT_AMOUNT=33,19300@@\r\n"
      "@@xt gotomaxx.invoice.zugferd.comfort@@\r\n"
      "@@xi SELLER_NAME=Muster & Söhne GmbH@@\r\n"
      "@@xi SELLER_ADDRESS_LINE=Hauptstraße 1@@\r\n"
      "@@xi SELLER_ADDRESS_ZIP=10115@@\r\n"
      "@@xi SELLER_ADDRESS_CITY=Berlin@@\r\n"
      "@@xi SELLER_ADDRESS_COUNTRY=DE@@\r\n"
      "@@xi SELLER_TAX_ID=12/345/67890@@\r\n"
      "@@xi SELLER_IBAN=DE02120300000000202051@@\r\n"
      "@@xi SELLER_BIC=BYLADEM1001@@\r\n";
  EXPECT_EQ(block(id), expected);
}

TEST_P(TagBlock, OneVatRowPerUsedClassAndTheXRechnungProfile) {
  const int64_t customer = storeCustomer("Gemischt KG", "Österreich");
  const int64_t id = storeInvoice(customer, "RE-2");
  addLine(id, "Voll", "1", "100", 2);
  addLine(id, "Buch", "2", "10", 1);
  addLine(id, "Porto", "1", "5", 0);
  addSpecial(id, "V", "Versand", "1", "4,90", 2);
  recompute(id);
  const std::string text = block(id, kXRechnungProfile);
  EXPECT_NE(text.find("@@xi BUYER_ADDRESS_COUNTRY=AT@@\r\n"), std::string::npos);
  EXPECT_NE(text.find("@@xr table=VAT|VAT_PERCENT=0|BASIS_AMOUNT=5,00000|VAT_AMOUNT=0,00000@@\r\n"
                      "@@xr table=VAT|VAT_PERCENT=7|BASIS_AMOUNT=20,00000|VAT_AMOUNT=1,40000@@\r\n"
                      "@@xr table=VAT|VAT_PERCENT=19|BASIS_AMOUNT=100,00000|VAT_AMOUNT=19,00000@@\r\n"
                      "@@xt gotomaxx.invoice.xrechnung.ubl@@\r\n"),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find("Versand"), std::string::npos);
}

TEST_P(TagBlock, EmptyForSupplierDocumentsCashReceiptsAndBadIds) {
  const int64_t supplier = storeAddress(false, "Lieferant");
  const int64_t order = storeDocument(typeId("Bestellung"), supplier);
  addLine(order, "Einkauf", "1", "10");
  EXPECT_EQ(block(order), "");

  const int64_t receipt = storeInvoice(storeCustomer("Bar"), "KA-1");
  addLine(receipt, "Bar", "1", "10");
  setHeader(receipt, "[Belegart]=-1");
  EXPECT_EQ(block(receipt), "");

  EXPECT_EQ(buildTagBlock(engine().session(), "abc", "ZUGFeRD"), "");
  EXPECT_EQ(buildTagBlock(engine().session(), "999999", "ZUGFeRD"), "");
}

ORVOSAL_ON_BOTH_ENGINES(TagBlock);

}  // namespace
}  // namespace orvosal::testing
