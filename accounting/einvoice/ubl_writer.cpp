#include "accounting/einvoice/ubl_writer.h"

#include "accounting/einvoice/xml_writer.h"

namespace orvosal {
namespace {

struct UblNames {
  std::string_view root;
  std::string_view ns;
  std::string_view typeCode;
  std::string_view line;
  std::string_view quantity;
};

constexpr UblNames kInvoice{"Invoice", "urn:oasis:names:specification:ubl:schema:xsd:Invoice-2",
                            "cbc:InvoiceTypeCode", "cac:InvoiceLine", "cbc:InvoicedQuantity"};
constexpr UblNames kCreditNote{"CreditNote", "urn:oasis:names:specification:ubl:schema:xsd:CreditNote-2",
                               "cbc:CreditNoteTypeCode", "cac:CreditNoteLine", "cbc:CreditedQuantity"};

XmlWriter::Attributes ublCurrency(const InvoiceModel& model) { return {{"currencyID", model.currency}}; }

void ublAmount(XmlWriter& xml, std::string_view name, const InvoiceModel& model, Currency value) {
  xml.text(name, xmlAmount(value), ublCurrency(model));
}

void ublTaxScheme(XmlWriter& xml, std::string_view scheme = "VAT") {
  xml.open("cac:TaxScheme");
  xml.text("cbc:ID", scheme);
  xml.close();
}

void ublTaxCategory(XmlWriter& xml, std::string_view element, VatCategory category, Currency rate,
                    const VatBreakdown* breakdown = nullptr) {
  xml.open(element);
  xml.text("cbc:ID", vatCategoryCode(category));
  xml.text("cbc:Percent", xmlDecimal(rate));
  if (breakdown != nullptr) {
    xml.optionalText("cbc:TaxExemptionReasonCode", breakdown->exemptionCode);
    xml.optionalText("cbc:TaxExemptionReason", breakdown->exemptionReason);
  }
  ublTaxScheme(xml);
  xml.close();
}

void ublAddress(XmlWriter& xml, const InvoiceParty& party) {
  xml.open("cac:PostalAddress");
  xml.optionalText("cbc:StreetName", party.street);
  xml.optionalText("cbc:CityName", party.city);
  xml.optionalText("cbc:PostalZone", party.postcode);
  xml.open("cac:Country");
  xml.text("cbc:IdentificationCode", party.countryCode);
  xml.close();
  xml.close();
}

void ublParty(XmlWriter& xml, std::string_view role, const InvoiceParty& party, bool seller) {
  xml.open(role);
  xml.open("cac:Party");
  xml.optionalText("cbc:EndpointID", party.electronicAddress, {{"schemeID", "EM"}});
  if (!party.id.empty()) {
    xml.open("cac:PartyIdentification");
    xml.text("cbc:ID", party.id);
    xml.close();
  }
  ublAddress(xml, party);
  if (!party.vatId.empty()) {
    xml.open("cac:PartyTaxScheme");
    xml.text("cbc:CompanyID", party.vatId);
    ublTaxScheme(xml);
    xml.close();
  }
  if (seller && !party.taxNumber.empty()) {
    xml.open("cac:PartyTaxScheme");
    xml.text("cbc:CompanyID", party.taxNumber);
    ublTaxScheme(xml, "FC");
    xml.close();
  }
  xml.open("cac:PartyLegalEntity");
  xml.text("cbc:RegistrationName", party.name);
  xml.close();
  if (seller) {
    xml.open("cac:Contact");
    xml.optionalText("cbc:Name", party.contactName);
    xml.optionalText("cbc:Telephone", party.contactPhone);
    xml.optionalText("cbc:ElectronicMail", party.contactEmail);
    xml.close();
  }
  xml.close();
  xml.close();
}

void ublPaymentMeans(XmlWriter& xml, const InvoiceModel& model) {
  xml.open("cac:PaymentMeans");
  xml.text("cbc:PaymentMeansCode", model.paymentMeansCode);
  xml.optionalText("cbc:PaymentID", model.number);
  if (!model.iban.empty()) {
    xml.open("cac:PayeeFinancialAccount");
    xml.text("cbc:ID", model.iban);
    xml.optionalText("cbc:Name", model.seller.name);
    if (!model.bic.empty()) {
      xml.open("cac:FinancialInstitutionBranch");
      xml.text("cbc:ID", model.bic);
      xml.close();
    }
    xml.close();
  }
  xml.close();
}

void ublAllowanceCharge(XmlWriter& xml, const InvoiceModel& model, const AllowanceCharge& entry) {
  xml.open("cac:AllowanceCharge");
  xml.text("cbc:ChargeIndicator", entry.charge ? "true" : "false");
  xml.optionalText("cbc:AllowanceChargeReasonCode", entry.reasonCode);
  xml.optionalText("cbc:AllowanceChargeReason", entry.reason);
  ublAmount(xml, "cbc:Amount", model, entry.amount);
  ublTaxCategory(xml, "cac:TaxCategory", entry.category, entry.rate);
  xml.close();
}

void ublTaxTotal(XmlWriter& xml, const InvoiceModel& model) {
  xml.open("cac:TaxTotal");
  ublAmount(xml, "cbc:TaxAmount", model, model.taxTotal);
  for (const VatBreakdown& row : model.vat) {
    xml.open("cac:TaxSubtotal");
    ublAmount(xml, "cbc:TaxableAmount", model, row.base);
    ublAmount(xml, "cbc:TaxAmount", model, row.tax);
    ublTaxCategory(xml, "cac:TaxCategory", row.category, row.rate, &row);
    xml.close();
  }
  xml.close();
}

void ublMonetaryTotal(XmlWriter& xml, const InvoiceModel& model) {
  xml.open("cac:LegalMonetaryTotal");
  ublAmount(xml, "cbc:LineExtensionAmount", model, model.lineTotal);
  ublAmount(xml, "cbc:TaxExclusiveAmount", model, model.taxExclusive);
  ublAmount(xml, "cbc:TaxInclusiveAmount", model, model.taxInclusive);
  if (model.allowanceTotal != Currency())
    ublAmount(xml, "cbc:AllowanceTotalAmount", model, model.allowanceTotal);
  if (model.chargeTotal != Currency()) ublAmount(xml, "cbc:ChargeTotalAmount", model, model.chargeTotal);
  if (model.prepaid != Currency()) ublAmount(xml, "cbc:PrepaidAmount", model, model.prepaid);
  ublAmount(xml, "cbc:PayableAmount", model, model.payable);
  xml.close();
}

void ublLine(XmlWriter& xml, const InvoiceModel& model, const InvoiceLine& line, const UblNames& names) {
  xml.open(names.line);
  xml.text("cbc:ID", line.id);
  xml.text(names.quantity, xmlDecimal(line.quantity), {{"unitCode", line.unitCode}});
  ublAmount(xml, "cbc:LineExtensionAmount", model, line.netAmount);
  xml.open("cac:Item");
  xml.optionalText("cbc:Description", line.description);
  xml.text("cbc:Name", line.name);
  if (!line.sellerItemId.empty()) {
    xml.open("cac:SellersItemIdentification");
    xml.text("cbc:ID", line.sellerItemId);
    xml.close();
  }
  ublTaxCategory(xml, "cac:ClassifiedTaxCategory", line.category, line.rate);
  xml.close();
  xml.open("cac:Price");
  xml.text("cbc:PriceAmount", xmlDecimal(line.netPrice), ublCurrency(model));
  xml.close();
  xml.close();
}

}  // namespace

std::string writeUbl(const InvoiceModel& model) {
  const UblNames& names = model.creditNote ? kCreditNote : kInvoice;
  XmlWriter xml;
  xml.open(names.root,
           {{"xmlns", std::string(names.ns)},
            {"xmlns:cac", "urn:oasis:names:specification:ubl:schema:xsd:CommonAggregateComponents-2"},
            {"xmlns:cbc", "urn:oasis:names:specification:ubl:schema:xsd:CommonBasicComponents-2"}});
  xml.text("cbc:CustomizationID", kXRechnungCustomization);
  xml.text("cbc:ProfileID", kPeppolBillingProcess);
  xml.text("cbc:ID", model.number);
  xml.text("cbc:IssueDate", model.issueDate ? model.issueDate->toIso() : "");
  if (!model.creditNote && model.dueDate) xml.text("cbc:DueDate", model.dueDate->toIso());
  xml.text(names.typeCode, invoiceTypeCode(model));
  xml.optionalText("cbc:Note", model.note);
  xml.text("cbc:DocumentCurrencyCode", model.currency);
  xml.text("cbc:BuyerReference", model.buyerReference);
  if (model.periodStart && model.periodEnd) {
    xml.open("cac:InvoicePeriod");
    xml.text("cbc:StartDate", model.periodStart->toIso());
    xml.text("cbc:EndDate", model.periodEnd->toIso());
    xml.close();
  }
  ublParty(xml, "cac:AccountingSupplierParty", model.seller, true);
  ublParty(xml, "cac:AccountingCustomerParty", model.buyer, false);
  if (model.deliveryDate) {
    xml.open("cac:Delivery");
    xml.text("cbc:ActualDeliveryDate", model.deliveryDate->toIso());
    xml.close();
  }
  ublPaymentMeans(xml, model);
  if (!model.paymentTerms.empty()) {
    xml.open("cac:PaymentTerms");
    xml.text("cbc:Note", model.paymentTerms);
    xml.close();
  }
  for (const AllowanceCharge& entry : model.allowancesCharges) ublAllowanceCharge(xml, model, entry);
  ublTaxTotal(xml, model);
  ublMonetaryTotal(xml, model);
  for (const InvoiceLine& entry : model.lines) ublLine(xml, model, entry, names);
  return xml.finish();
}

}  // namespace orvosal
