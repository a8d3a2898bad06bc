#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/currency.h"
#include "core/datetime.h"
#include "core/session.h"

namespace orvosal {

// VAT categories of EN 16931 (UNCL 5305 subset) the program writes. The reduced and the standard
// rate are both "S" with their rate; a 0 % position on a taxed document is zero rated ("Z"); a
// document without VAT is a reverse charge to an EU partner with a VAT id ("AE"), an export to a
// partner outside the EU ("G") or else tax exempt ("E").
enum class VatCategory { Standard, ZeroRated, Exempt, ReverseCharge, Export };
std::string_view vatCategoryCode(VatCategory category);

struct InvoiceParty {
  std::string id;  // the buyer's customer number; empty for the seller
  std::string name;
  std::string street;
  std::string postcode;
  std::string city;
  std::string countryCode;        // ISO 3166-1 alpha-2
  std::string vatId;              // USt-IdNr. (BT-31, BT-48)
  std::string taxNumber;          // Steuernummer (BT-32), seller only
  std::string electronicAddress;  // e-mail address, scheme "EM" (BT-34, BT-49)
  std::string contactName;
  std::string contactPhone;
  std::string contactEmail;
};

struct InvoiceLine {
  std::string id;  // position number, else the running number
  std::string sellerItemId;
  std::string name;
  std::string description;
  Currency quantity;
  std::string unitCode;
  Currency netPrice;   // never negative: a negative price turns the quantity negative
  Currency netAmount;  // quantity x price, rounded to cents
  VatCategory category = VatCategory::Standard;
  Currency rate;
};

// A document-level allowance (`charge` false) or charge: "AG"/"AF" positions, the document
// discount, shipping "am Schluß", and the cents the rounding of the single lines leaves.
struct AllowanceCharge {
  bool charge = false;
  Currency amount;  // never negative
  std::string reason;
  std::string reasonCode;  // UNCL 5189 (allowances) or UNCL 7161 (charges); may be empty
  VatCategory category = VatCategory::Standard;
  Currency rate;
};

struct VatBreakdown {
  VatCategory category = VatCategory::Standard;
  Currency rate;
  Currency base;  // the group's VAT base as the document stores and prints it
  Currency tax;
  std::string exemptionReason;
  std::string exemptionCode;
};

// Everything an electronic invoice carries, taken from one stored document (header, positions and
// the totals as documents/totals computes and the header stores them), its partner's address and
// the company data.
struct InvoiceModel {
  int64_t belegId = 0;
  bool customerDocument = true;
  bool creditNote = false;  // the document type's title says "Gutschrift": type code 381
  std::string number;
  std::optional<Date> issueDate;
  std::optional<Date> dueDate;
  std::string currency = "EUR";
  std::string buyerReference;  // Leitweg-ID, else the document's reference, else the customer number
  std::string note;
  InvoiceParty seller;
  InvoiceParty buyer;
  std::optional<Date> deliveryDate;
  std::optional<Date> periodStart;
  std::optional<Date> periodEnd;
  std::string paymentMeansCode;  // "58" SEPA credit transfer with the IBAN, else "1"
  std::string iban;
  std::string bic;
  std::string paymentTerms;
  std::vector<InvoiceLine> lines;
  std::vector<AllowanceCharge> allowancesCharges;
  std::vector<VatBreakdown> vat;
  Currency lineTotal;
  Currency allowanceTotal;
  Currency chargeTotal;
  Currency taxExclusive;
  Currency taxTotal;
  Currency taxInclusive;
  Currency prepaid;  // partial payments ("TZ")
  Currency payable;
  int decimals = 2;               // the decimals the document type computes its totals with
  bool storedTotalsMatch = true;  // the header's stored totals equal those computed now
  bool sellerIbanValid = true;
};

// Builds the model of a stored document; nothing when the document does not exist. Throws DbError.
std::optional<InvoiceModel> buildInvoiceModel(Session& session, int64_t belegId);

// The invoice type code: 381 for a credit note, else 380.
std::string_view invoiceTypeCode(const InvoiceModel& model);

}  // namespace orvosal
