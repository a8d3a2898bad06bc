#include "accounting/einvoice/invoice_model.h"

#include <algorithm>
#include <array>
#include <map>

#include "accounting/einvoice/unit_codes.h"
#include "core/company/company.h"
#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/records/document_type.h"
#include "core/rules/iban_check.h"
#include "core/text.h"
#include "documents/records/document_header.h"
#include "documents/records/document_position.h"
#include "documents/totals/document_totals.h"
#include "documents/types/document_type_store.h"
#include "masterdata/addresses/address.h"

namespace orvosal {
namespace {

// The member states of the European Union besides Germany: a partner there with a VAT id
// receives a reverse-charge invoice.
constexpr std::array<std::string_view, 26> kEuPartners{"AT", "BE", "BG", "CY", "CZ", "DK", "EE", "ES", "FI",
                                                       "FR", "GR", "HR", "HU", "IE", "IT", "LT", "LU", "LV",
                                                       "MT", "NL", "PL", "PT", "RO", "SE", "SI", "SK"};

Currency cents(Currency value) { return value.rounded(2, Rounding::HalfAwayFromZero); }

std::string joinedName(const std::string& name, const std::string& firstName) {
  return std::string(trim(name + " " + firstName));
}

std::string countryCodeOfName(Session& session, const std::string& land) {
  if (trim(land).empty()) return "DE";
  Recordset rs(
      GlobalConnection(session),
      "SELECT countries_iso_code_2 FROM countries WHERE (countries_name IN ('" + SqlText(land) + "'))");
  if (!rs.eof() && !rs["countries_iso_code_2"].toText().empty()) return rs["countries_iso_code_2"].toText();
  // A stored two-letter code is taken as it is.
  const std::string upper = toUpperGerman(trim(land));
  return upper.size() == 2 ? upper : "DE";
}

std::optional<Address> readAddress(Session& session, int64_t id) {
  Recordset rs(GlobalConnection(session),
               "SELECT * FROM Adressen WHERE ([ID] IN (" + std::to_string(id) + "))");
  if (rs.eof()) return std::nullopt;
  return readRecord(rs, AddressFields());
}

std::vector<DocumentPosition> readPositions(Session& session, int64_t belegId) {
  std::vector<DocumentPosition> positions;
  Recordset rs(GlobalConnection(session), "SELECT * FROM Belegpositionen WHERE ([BelegID] IN (" +
                                              std::to_string(belegId) + ")) ORDER BY [Zeilennummer],[ID]");
  for (; !rs.eof(); rs.moveNext()) positions.push_back(readRecord(rs, DocumentPositionFields()));
  return positions;
}

VatCategory taxFreeCategory(const InvoiceParty& buyer) {
  const bool eu = std::find(kEuPartners.begin(), kEuPartners.end(), buyer.countryCode) != kEuPartners.end();
  if (eu && !buyer.vatId.empty()) return VatCategory::ReverseCharge;
  if (!eu && buyer.countryCode != "DE") return VatCategory::Export;
  return VatCategory::Exempt;
}

void setExemption(VatBreakdown& row) {
  switch (row.category) {
    case VatCategory::ReverseCharge:
      row.exemptionCode = "VATEX-EU-AE";
      row.exemptionReason = "Steuerschuldnerschaft des Leistungsempfängers";
      break;
    case VatCategory::Export:
      row.exemptionCode = "VATEX-EU-G";
      row.exemptionReason = "Steuerfreie Ausfuhrlieferung";
      break;
    case VatCategory::Exempt:
      row.exemptionReason = "Umsatzsteuerfrei";
      break;
    default:
      break;
  }
}

// "01.07.2026 - 31.07.2026" (any separator between two German dates) as a service period.
void readServicePeriod(const std::string& text, InvoiceModel& model) {
  std::vector<Date> dates;
  for (size_t at = 0; at + 10 <= text.size() && dates.size() < 2;) {
    if (const std::optional<Date> date = Date::parse(text.substr(at, 10))) {
      dates.push_back(*date);
      at += 10;
    } else {
      ++at;
    }
  }
  if (dates.size() == 2 && dates[0] <= dates[1]) {
    model.periodStart = dates[0];
    model.periodEnd = dates[1];
  }
}

std::string paymentTerms(const DocumentHeader& header, const std::optional<Date>& due) {
  std::string terms = replaceAll(trim(header.zahlZiel), "#", "");
  if (terms.empty() && due) terms = "Zahlbar bis zum " + due->toGerman() + " ohne Abzug.";
  if (header.skonto > Currency() && header.zahlFrist1 && header.belegdatum) {
    const int64_t days = header.belegdatum->daysUntil(*header.zahlFrist1);
    if (days >= 0) {
      // The structured cash discount line of the German CIUS, ended by a line break.
      terms += "\n#SKONTO#TAGE=" + std::to_string(days) + "#PROZENT=" + header.skonto.formatSql(2) + "#\n";
    }
  }
  return terms;
}

struct GroupSums {
  Currency lines;
  Currency allowances;
  Currency charges;
  bool used = false;
};

void addAllowanceCharge(InvoiceModel& model, GroupSums& sums, Currency signedAmount, std::string reason,
                        std::string code, VatCategory category, Currency rate) {
  if (signedAmount == Currency()) return;
  AllowanceCharge entry{.charge = signedAmount > Currency(),
                        .amount = signedAmount > Currency() ? signedAmount : -signedAmount,
                        .reason = std::move(reason),
                        .reasonCode = std::move(code),
                        .category = category,
                        .rate = rate};
  (entry.charge ? sums.charges : sums.allowances) += entry.amount;
  sums.used = true;
  model.allowancesCharges.push_back(std::move(entry));
}

}  // namespace

std::string_view vatCategoryCode(VatCategory category) {
  switch (category) {
    case VatCategory::Standard:
      return "S";
    case VatCategory::ZeroRated:
      return "Z";
    case VatCategory::Exempt:
      return "E";
    case VatCategory::ReverseCharge:
      return "AE";
    case VatCategory::Export:
      return "G";
  }
  return "S";
}

std::string_view invoiceTypeCode(const InvoiceModel& model) { return model.creditNote ? "381" : "380"; }

std::optional<InvoiceModel> buildInvoiceModel(Session& session, int64_t belegId) {
  Recordset rs(GlobalConnection(session),
               "SELECT * FROM Belegkopf WHERE ([BelegID] IN (" + std::to_string(belegId) + "))");
  if (rs.eof()) return std::nullopt;
  const DocumentHeader header = readRecord(rs, DocumentHeaderFields());
  const std::vector<DocumentPosition> positions = readPositions(session, belegId);
  const TotalsContext context = totalsContextOf(session, header);
  const DocumentTotals totals = computeDocumentTotals(positions, context);
  const std::optional<DocumentType> type = ReadDocumentType(session, header.belegartenId);
  const std::optional<Address> partner = readAddress(session, header.kdNr);
  const Company company = ReadCompany(GlobalConnection(session)).value_or(Company{});

  InvoiceModel model;
  model.belegId = belegId;
  model.customerDocument = header.kunde && header.belegart >= 0;
  model.creditNote = type && toUpperGerman(type->belegtitel).find("GUTSCHRIFT") != std::string::npos;
  model.number = header.belegnummer;
  model.issueDate = header.belegdatum;
  model.note = std::string(trim(header.bemerkung));
  model.decimals = totals.decimals;
  model.storedTotalsMatch = header.gesamtPreis == totals.gesamt && header.nettoPreis == totals.netto &&
                            header.mwst16 == totals.mwst16 && header.mwst7 == totals.mwst7;

  InvoiceParty& seller = model.seller;
  seller.name = company.name;
  seller.street = company.strasse;
  seller.postcode = company.plz;
  seller.city = company.ort;
  seller.countryCode = "DE";
  seller.vatId = toUpperGerman(replaceAll(trim(company.euIdentNr), " ", ""));
  seller.taxNumber = std::string(trim(company.steuernummer));
  seller.electronicAddress = std::string(trim(company.email));
  seller.contactName = std::string(trim(header.sachbearbeiter));
  if (seller.contactName.empty()) seller.contactName = std::string(trim(company.geschaeftsfuehrer));
  if (seller.contactName.empty()) seller.contactName = company.name;
  seller.contactPhone = std::string(trim(company.telefon));
  seller.contactEmail = seller.electronicAddress;

  InvoiceParty& buyer = model.buyer;
  buyer.id = header.kundennummer;
  buyer.name = joinedName(header.name, header.vorname);
  buyer.street = header.straße;
  buyer.postcode = header.plz;
  buyer.city = header.ort;
  buyer.countryCode = countryCodeOfName(session, header.land);
  buyer.vatId = toUpperGerman(replaceAll(trim(header.euIdent), " ", ""));
  if (buyer.vatId.empty() && partner)
    buyer.vatId = toUpperGerman(replaceAll(trim(partner->euIdent), " ", ""));
  buyer.electronicAddress = partner ? std::string(trim(partner->eRechnungAdresse)) : std::string();
  if (buyer.electronicAddress.empty()) buyer.electronicAddress = std::string(trim(header.email));
  if (buyer.electronicAddress.empty() && partner) buyer.electronicAddress = std::string(trim(partner->email));

  model.buyerReference = partner ? std::string(trim(partner->leitwegId)) : std::string();
  if (model.buyerReference.empty()) model.buyerReference = std::string(trim(header.käuferreferenz));
  if (model.buyerReference.empty()) model.buyerReference = header.kundennummer;

  if (header.belegdatum) model.dueDate = header.belegdatum->addDays(std::max(header.zahlungsziel, 0));
  model.deliveryDate = header.lieferDatum;
  if (!model.deliveryDate) readServicePeriod(header.leistungszeitraum, model);

  const IdentifierCheck iban = CheckIban(company.iban);
  if (!trim(company.iban).empty()) {
    model.paymentMeansCode = "58";
    model.iban = iban.valid() ? iban.normalized : replaceAll(trim(company.iban), " ", "");
    model.bic = replaceAll(trim(company.bic), " ", "");
    model.sellerIbanValid = iban.valid();
  } else {
    model.paymentMeansCode = "1";
  }
  model.paymentTerms = paymentTerms(header, model.dueDate);

  // Category and rate of each VAT group, as the totals count them.
  std::array<VatCategory, 3> categories{VatCategory::ZeroRated, VatCategory::Standard, VatCategory::Standard};
  if (totals.ohneMwSt) categories.fill(taxFreeCategory(buyer));
  const auto groupOf = [&](const DocumentPosition& position) -> size_t {
    if (totals.ohneMwSt) return 0;
    return position.mwst >= 0 && position.mwst <= 2 ? static_cast<size_t>(position.mwst) : 2;
  };
  std::array<GroupSums, 3> sums{};

  int running = 0;
  for (const DocumentPosition& position : positions) {
    if (!position.charged()) continue;
    const std::string_view kind = position.posTyp;
    const size_t group = groupOf(position);
    const Currency rate = totals.groups[group].rate;
    const Currency amount = cents(position.menge * position.verkaufsPreis);
    if (kind == kSubtotalPosition || kind == kPageBreakPosition || kind == kPartPaymentPosition) continue;
    if (kind == kDeductionPosition || kind == kSurchargePosition) {
      const Currency signedAmount =
          kind == kSurchargePosition ? cents(position.verkaufsPreis) : -cents(position.verkaufsPreis);
      const std::string reason = std::string(trim(position.bezeichnung1));
      addAllowanceCharge(model, sums[group], signedAmount,
                         reason.empty() ? (kind == kSurchargePosition ? "Aufschlag" : "Abgebot") : reason,
                         kind == kSurchargePosition ? "" : "95", categories[group], rate);
      continue;
    }
    if (kind == kShippingPosition && context.shippingInTotals) {
      addAllowanceCharge(model, sums[group], amount, "Versandkosten", "FC", categories[group], rate);
      continue;
    }
    InvoiceLine line;
    ++running;
    line.id =
        trim(position.posnummer).empty() ? std::to_string(running) : std::string(trim(position.posnummer));
    line.sellerItemId = position.artikelnummer;
    line.name = std::string(trim(position.bezeichnung1));
    if (line.name.empty()) line.name = kind == kShippingPosition ? "Versandkosten" : "Position " + line.id;
    line.description = std::string(trim(position.langtext));
    const bool negativePrice = position.verkaufsPreis < Currency();
    line.quantity = negativePrice ? -position.menge : position.menge;
    line.netPrice = negativePrice ? -position.verkaufsPreis : position.verkaufsPreis;
    line.netAmount = amount;
    line.unitCode = unitCodeOf(position.einheit);
    line.category = categories[group];
    line.rate = rate;
    sums[group].lines += amount;
    sums[group].used = true;
    model.lines.push_back(std::move(line));
  }

  // The document discount, and whatever the cent rounding of single lines leaves, make each
  // group's base the one the document stores and prints.
  for (size_t group = 0; group < sums.size(); ++group) {
    const Currency base = totals.groups[group].net;
    const Currency gap = base - (sums[group].lines - sums[group].allowances + sums[group].charges);
    const bool discount = header.rabatt != Currency() && gap < Currency();
    addAllowanceCharge(model, sums[group], gap,
                       discount ? "Rabatt " + header.rabatt.format(2) + " %" : "Rundungsdifferenz",
                       discount ? "95" : "", categories[group], totals.groups[group].rate);
    if (!sums[group].used && base == Currency()) continue;
    VatBreakdown row{.category = categories[group],
                     .rate = totals.groups[group].rate,
                     .base = base,
                     .tax = totals.groups[group].vat,
                     .exemptionReason = {},
                     .exemptionCode = {}};
    setExemption(row);
    model.lineTotal += sums[group].lines;
    model.allowanceTotal += sums[group].allowances;
    model.chargeTotal += sums[group].charges;
    model.taxTotal += row.tax;
    model.vat.push_back(std::move(row));
  }
  // Groups sharing category and rate (all groups of a document without VAT) form one row.
  std::map<std::pair<std::string_view, int64_t>, size_t> seen;
  std::vector<VatBreakdown> merged;
  for (const VatBreakdown& row : model.vat) {
    const auto key = std::make_pair(vatCategoryCode(row.category), row.rate.units());
    if (const auto it = seen.find(key); it != seen.end()) {
      merged[it->second].base += row.base;
      merged[it->second].tax += row.tax;
    } else {
      seen.emplace(key, merged.size());
      merged.push_back(row);
    }
  }
  model.vat = std::move(merged);
  model.taxExclusive = model.lineTotal - model.allowanceTotal + model.chargeTotal;
  model.taxInclusive = model.taxExclusive + model.taxTotal;
  model.prepaid = totals.teilzahlungen;
  model.payable = model.taxInclusive - model.prepaid;
  return model;
}

}  // namespace orvosal
