#include "accounting/einvoice/invoice_checks.h"

#include <algorithm>

namespace orvosal {
namespace {

bool uses(const InvoiceModel& model, VatCategory category) {
  return std::any_of(model.vat.begin(), model.vat.end(),
                     [category](const VatBreakdown& row) { return row.category == category; });
}

}  // namespace

bool isXRechnung(EInvoiceFormat format) { return format != EInvoiceFormat::ZugferdCii; }

std::vector<std::string> missingInvoiceItems(const InvoiceModel& model, EInvoiceFormat format) {
  std::vector<std::string> missing;
  const auto require = [&missing](bool present, const char* message) {
    if (!present) missing.emplace_back(message);
  };
  const bool xrechnung = isXRechnung(format);

  require(model.customerDocument, "Nur Belege an Kunden können als E-Rechnung ausgegeben werden");
  require(!model.number.empty(), "Belegnummer fehlt (Beleg)");
  require(model.issueDate.has_value(), "Belegdatum fehlt (Beleg)");
  require(!model.lines.empty(), "Der Beleg hat keine berechnete Position");
  require(model.decimals <= 2, "Die Belegart rechnet mit mehr als zwei Nachkommastellen (Belegarten)");
  require(model.storedTotalsMatch,
          "Die gespeicherten Summen des Belegs sind nicht aktuell (Beleg neu speichern)");

  const InvoiceParty& seller = model.seller;
  require(!seller.name.empty(), "Name des Verkäufers fehlt (Firmendaten)");
  require(!seller.street.empty(), "Straße des Verkäufers fehlt (Firmendaten)");
  require(!seller.postcode.empty(), "PLZ des Verkäufers fehlt (Firmendaten)");
  require(!seller.city.empty(), "Ort des Verkäufers fehlt (Firmendaten)");
  if (uses(model, VatCategory::ReverseCharge) || uses(model, VatCategory::Export)) {
    require(!seller.vatId.empty(), "USt-IdNr. des Verkäufers fehlt (Firmendaten)");
  } else {
    require(!seller.vatId.empty() || !seller.taxNumber.empty(),
            "USt-IdNr. oder Steuernummer des Verkäufers fehlt (Firmendaten)");
  }
  require(model.paymentMeansCode != "58" || model.sellerIbanValid,
          "IBAN des Verkäufers ist ungültig (Firmendaten)");
  if (xrechnung) {
    require(!seller.contactPhone.empty(), "Telefon des Verkäufers fehlt (Firmendaten)");
    require(!seller.electronicAddress.empty(), "E-Mail-Adresse des Verkäufers fehlt (Firmendaten)");
  }

  const InvoiceParty& buyer = model.buyer;
  require(!buyer.name.empty(), "Name des Käufers fehlt (Beleg)");
  require(!buyer.postcode.empty(), "PLZ des Käufers fehlt (Beleg)");
  require(!buyer.city.empty(), "Ort des Käufers fehlt (Beleg)");
  if (xrechnung) {
    require(!buyer.electronicAddress.empty(),
            "E-Rechnungsadresse oder E-Mail-Adresse des Käufers fehlt (Adresse)");
  }
  return missing;
}

}  // namespace orvosal
