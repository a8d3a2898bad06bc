#include "accounting/einvoice/cii_writer.h"

#include "accounting/einvoice/ubl_writer.h"
#include "accounting/einvoice/xml_writer.h"

namespace orvosal {
namespace {

std::string ciiCompactDate(const Date& date) {
  std::string iso = date.toIso();
  std::erase(iso, '-');
  return iso;
}

void ciiDateTime(XmlWriter& xml, std::string_view element, const Date& date) {
  xml.open(element);
  xml.text("udt:DateTimeString", ciiCompactDate(date), {{"format", "102"}});
  xml.close();
}

void ciiTradeTax(XmlWriter& xml, std::string_view element, VatCategory category, Currency rate) {
  xml.open(element);
  xml.text("ram:TypeCode", "VAT");
  xml.text("ram:CategoryCode", vatCategoryCode(category));
  xml.text("ram:RateApplicablePercent", xmlDecimal(rate));
  xml.close();
}

void ciiLine(XmlWriter& xml, const InvoiceLine& line) {
  xml.open("ram:IncludedSupplyChainTradeLineItem");
  xml.open("ram:AssociatedDocumentLineDocument");
  xml.text("ram:LineID", line.id);
  xml.close();
  xml.open("ram:SpecifiedTradeProduct");
  xml.optionalText("ram:SellerAssignedID", line.sellerItemId);
  xml.text("ram:Name", line.name);
  xml.optionalText("ram:Description", line.description);
  xml.close();
  xml.open("ram:SpecifiedLineTradeAgreement");
  xml.open("ram:NetPriceProductTradePrice");
  xml.text("ram:ChargeAmount", xmlDecimal(line.netPrice));
  xml.close();
  xml.close();
  xml.open("ram:SpecifiedLineTradeDelivery");
  xml.text("ram:BilledQuantity", xmlDecimal(line.quantity), {{"unitCode", line.unitCode}});
  xml.close();
  xml.open("ram:SpecifiedLineTradeSettlement");
  ciiTradeTax(xml, "ram:ApplicableTradeTax", line.category, line.rate);
  xml.open("ram:SpecifiedTradeSettlementLineMonetarySummation");
  xml.text("ram:LineTotalAmount", xmlAmount(line.netAmount));
  xml.close();
  xml.close();
  xml.close();
}

void ciiParty(XmlWriter& xml, std::string_view role, const InvoiceParty& party, bool seller) {
  xml.open(role);
  xml.optionalText("ram:ID", party.id);
  xml.text("ram:Name", party.name);
  if (seller) {
    xml.open("ram:DefinedTradeContact");
    xml.optionalText("ram:PersonName", party.contactName);
    if (!party.contactPhone.empty()) {
      xml.open("ram:TelephoneUniversalCommunication");
      xml.text("ram:CompleteNumber", party.contactPhone);
      xml.close();
    }
    if (!party.contactEmail.empty()) {
      xml.open("ram:EmailURIUniversalCommunication");
      xml.text("ram:URIID", party.contactEmail);
      xml.close();
    }
    xml.close();
  }
  xml.open("ram:PostalTradeAddress");
  xml.optionalText("ram:PostcodeCode", party.postcode);
  xml.optionalText("ram:LineOne", party.street);
  xml.optionalText("ram:CityName", party.city);
  xml.text("ram:CountryID", party.countryCode);
  xml.close();
  if (!party.electronicAddress.empty()) {
    xml.open("ram:URIUniversalCommunication");
    xml.text("ram:URIID", party.electronicAddress, {{"schemeID", "EM"}});
    xml.close();
  }
  if (!party.vatId.empty()) {
    xml.open("ram:SpecifiedTaxRegistration");
    xml.text("ram:ID", party.vatId, {{"schemeID", "VA"}});
    xml.close();
  }
  if (seller && !party.taxNumber.empty()) {
    xml.open("ram:SpecifiedTaxRegistration");
    xml.text("ram:ID", party.taxNumber, {{"schemeID", "FC"}});
    xml.close();
  }
  xml.close();
}

void ciiPaymentMeans(XmlWriter& xml, const InvoiceModel& model) {
  xml.open("ram:SpecifiedTradeSettlementPaymentMeans");
  xml.text("ram:TypeCode", model.paymentMeansCode);
  if (!model.iban.empty()) {
    xml.open("ram:PayeePartyCreditorFinancialAccount");
    xml.text("ram:IBANID", model.iban);
    xml.optionalText("ram:AccountName", model.seller.name);
    xml.close();
    if (!model.bic.empty()) {
      xml.open("ram:PayeeSpecifiedCreditorFinancialInstitution");
      xml.text("ram:BICID", model.bic);
      xml.close();
    }
  }
  xml.close();
}

void ciiVatBreakdown(XmlWriter& xml, const VatBreakdown& row) {
  xml.open("ram:ApplicableTradeTax");
  xml.text("ram:CalculatedAmount", xmlAmount(row.tax));
  xml.text("ram:TypeCode", "VAT");
  xml.optionalText("ram:ExemptionReason", row.exemptionReason);
  xml.text("ram:BasisAmount", xmlAmount(row.base));
  xml.text("ram:CategoryCode", vatCategoryCode(row.category));
  xml.optionalText("ram:ExemptionReasonCode", row.exemptionCode);
  xml.text("ram:RateApplicablePercent", xmlDecimal(row.rate));
  xml.close();
}

void ciiAllowanceCharge(XmlWriter& xml, const AllowanceCharge& entry) {
  xml.open("ram:SpecifiedTradeAllowanceCharge");
  xml.open("ram:ChargeIndicator");
  xml.text("udt:Indicator", entry.charge ? "true" : "false");
  xml.close();
  xml.text("ram:ActualAmount", xmlAmount(entry.amount));
  xml.optionalText("ram:ReasonCode", entry.reasonCode);
  xml.optionalText("ram:Reason", entry.reason);
  ciiTradeTax(xml, "ram:CategoryTradeTax", entry.category, entry.rate);
  xml.close();
}

void ciiSummation(XmlWriter& xml, const InvoiceModel& model) {
  xml.open("ram:SpecifiedTradeSettlementHeaderMonetarySummation");
  xml.text("ram:LineTotalAmount", xmlAmount(model.lineTotal));
  if (model.chargeTotal != Currency()) xml.text("ram:ChargeTotalAmount", xmlAmount(model.chargeTotal));
  if (model.allowanceTotal != Currency())
    xml.text("ram:AllowanceTotalAmount", xmlAmount(model.allowanceTotal));
  xml.text("ram:TaxBasisTotalAmount", xmlAmount(model.taxExclusive));
  xml.text("ram:TaxTotalAmount", xmlAmount(model.taxTotal), {{"currencyID", model.currency}});
  xml.text("ram:GrandTotalAmount", xmlAmount(model.taxInclusive));
  if (model.prepaid != Currency()) xml.text("ram:TotalPrepaidAmount", xmlAmount(model.prepaid));
  xml.text("ram:DuePayableAmount", xmlAmount(model.payable));
  xml.close();
}

void ciiSettlement(XmlWriter& xml, const InvoiceModel& model) {
  xml.open("ram:ApplicableHeaderTradeSettlement");
  xml.optionalText("ram:PaymentReference", model.number);
  xml.text("ram:InvoiceCurrencyCode", model.currency);
  ciiPaymentMeans(xml, model);
  for (const VatBreakdown& row : model.vat) ciiVatBreakdown(xml, row);
  if (model.periodStart && model.periodEnd) {
    xml.open("ram:BillingSpecifiedPeriod");
    ciiDateTime(xml, "ram:StartDateTime", *model.periodStart);
    ciiDateTime(xml, "ram:EndDateTime", *model.periodEnd);
    xml.close();
  }
  for (const AllowanceCharge& entry : model.allowancesCharges) ciiAllowanceCharge(xml, entry);
  if (!model.paymentTerms.empty() || model.dueDate) {
    xml.open("ram:SpecifiedTradePaymentTerms");
    xml.optionalText("ram:Description", model.paymentTerms);
    if (model.dueDate) ciiDateTime(xml, "ram:DueDateDateTime", *model.dueDate);
    xml.close();
  }
  ciiSummation(xml, model);
  xml.close();
}

}  // namespace

std::string writeCii(const InvoiceModel& model, CiiProfile profile) {
  XmlWriter xml;
  xml.open(
      "rsm:CrossIndustryInvoice",
      {{"xmlns:rsm", "urn:un:unece:uncefact:data:standard:CrossIndustryInvoice:100"},
       {"xmlns:ram", "urn:un:unece:uncefact:data:standard:ReusableAggregateBusinessInformationEntity:100"},
       {"xmlns:qdt", "urn:un:unece:uncefact:data:standard:QualifiedDataType:100"},
       {"xmlns:udt", "urn:un:unece:uncefact:data:standard:UnqualifiedDataType:100"}});
  xml.open("rsm:ExchangedDocumentContext");
  if (profile == CiiProfile::XRechnung) {
    xml.open("ram:BusinessProcessSpecifiedDocumentContextParameter");
    xml.text("ram:ID", kPeppolBillingProcess);
    xml.close();
  }
  xml.open("ram:GuidelineSpecifiedDocumentContextParameter");
  xml.text("ram:ID", profile == CiiProfile::XRechnung ? kXRechnungCustomization : kEn16931Guideline);
  xml.close();
  xml.close();

  xml.open("rsm:ExchangedDocument");
  xml.text("ram:ID", model.number);
  xml.text("ram:TypeCode", invoiceTypeCode(model));
  if (model.issueDate) ciiDateTime(xml, "ram:IssueDateTime", *model.issueDate);
  if (!model.note.empty()) {
    xml.open("ram:IncludedNote");
    xml.text("ram:Content", model.note);
    xml.close();
  }
  xml.close();

  xml.open("rsm:SupplyChainTradeTransaction");
  for (const InvoiceLine& entry : model.lines) ciiLine(xml, entry);
  xml.open("ram:ApplicableHeaderTradeAgreement");
  xml.text("ram:BuyerReference", model.buyerReference);
  ciiParty(xml, "ram:SellerTradeParty", model.seller, true);
  ciiParty(xml, "ram:BuyerTradeParty", model.buyer, false);
  xml.close();
  xml.open("ram:ApplicableHeaderTradeDelivery");
  if (model.deliveryDate) {
    xml.open("ram:ActualDeliverySupplyChainEvent");
    ciiDateTime(xml, "ram:OccurrenceDateTime", *model.deliveryDate);
    xml.close();
  } else {
    // Without a delivery date the ZUGFeRD rules want at least the country delivered to: the
    // buyer's address.
    xml.open("ram:ShipToTradeParty");
    xml.text("ram:Name", model.buyer.name);
    xml.open("ram:PostalTradeAddress");
    xml.optionalText("ram:PostcodeCode", model.buyer.postcode);
    xml.optionalText("ram:LineOne", model.buyer.street);
    xml.optionalText("ram:CityName", model.buyer.city);
    xml.text("ram:CountryID", model.buyer.countryCode);
    xml.close();
    xml.close();
  }
  xml.close();
  ciiSettlement(xml, model);
  return xml.finish();
}

}  // namespace orvosal
