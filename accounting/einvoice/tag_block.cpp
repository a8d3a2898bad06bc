#include "accounting/einvoice/tag_block.h"

#include <array>
#include <optional>

#include "accounting/einvoice/unit_codes.h"
#include "core/company/company.h"
#include "core/currency.h"
#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/operation_guard.h"
#include "core/text.h"
#include "documents/records/document_position.h"
#include "documents/totals/amounts.h"
#include "documents/totals/vat_rates.h"

namespace orvosal {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Quantities and amounts: "###0.00000" with the decimal comma; percentages "###0".
std::string tagAmount(Currency value) { return value.format(5); }
std::string tagPercent(Currency value) { return value.format(0); }

std::string tagDateText(const Value& value) {
  const std::optional<DateTime> moment = value.toDateTime();
  return moment ? moment->date().toGerman() : std::string();
}

void tagSingle(std::string& block, std::string_view key, std::string_view value) {
  block += "@@xi " + std::string(key) + "=" + std::string(value) + "@@" + std::string(kLineEnd);
}

std::string tagCountryCode(Session& session, const std::string& land) {
  Recordset rs(
      GlobalConnection(session),
      "SELECT countries_iso_code_2 FROM countries WHERE (countries_name IN ('" + SqlText(land) + "'))");
  if (rs.eof() || rs["countries_iso_code_2"].toText().empty()) return "DE";
  return rs["countries_iso_code_2"].toText();
}

std::string tagDueDate(const Recordset& header) {
  const std::optional<DateTime> date = header["Belegdatum"].toDateTime();
  const Value term = header["Zahlungsziel"];
  if (date && !term.isNull() && isNumeric(term.toText())) {
    return date->date().addDays(term.toInt()).toGerman();
  }
  return tagDateText(header["Belegdatum"]);
}

// The rates of the VAT classes 0, 1, 2: the document's own rates where stored, else the
// configured ones.
std::array<Currency, 3> tagClassRates(Session& session, const Recordset& header) {
  const VatTable configured = loadVatRates(session).normal;
  const Value reduced = header["MwStKl"];
  const Value full = header["MwStGr"];
  return {Currency(), reduced.isNull() ? configured.reduced() : reduced.toCurrency(),
          full.isNull() ? configured.standard() : full.toCurrency()};
}

bool tagIsItem(const Recordset& position) {
  static constexpr std::array<std::string_view, 6> kNoItem{kShippingPosition,  kPartPaymentPosition,
                                                           kSubtotalPosition,  kDeductionPosition,
                                                           kSurchargePosition, kPageBreakPosition};
  const std::string type = position["PosTyp"].toText();
  for (std::string_view other : kNoItem) {
    if (type == other) return false;
  }
  return !position["Menge"].isNull() && !position["VerkaufsPreis"].isNull() &&
         position["KeineBerechnung"].toInt() == 0;
}

// The item name: `Bezeichnung1` with "[Datum]" (any case) replaced by the document date.
std::string tagItemName(const std::string& text, const std::string& documentDate) {
  std::string name = text;
  const std::string upper = toUpperGerman(name);
  for (size_t at = upper.rfind("[DATUM]"); at != std::string::npos;
       at = at == 0 ? std::string::npos : upper.rfind("[DATUM]", at - 1)) {
    name.replace(at, 7, documentDate);
  }
  return name;
}

std::string tagBuild(Session& session, int64_t id, std::string_view profile) {
  Recordset header(GlobalConnection(session),
                   "SELECT * FROM BelegKopf WHERE ([BelegID] IN (" + std::to_string(id) + "))");
  if (header.eof() || !header["Kunde"].toBool() || header["BelegArt"].toInt() < 0) return {};

  std::string block;
  tagSingle(block, "BUYER_ID", header["Kundennummer"].toText());
  tagSingle(block, "BUYER_NAME", header["Name"].toText() + " " + header["Vorname"].toText());
  tagSingle(block, "BUYER_ADDRESS_LINE", header["Straße"].toText());
  tagSingle(block, "BUYER_ADDRESS_ZIP", header["PLZ"].toText());
  tagSingle(block, "BUYER_ADDRESS_CITY", header["ORT"].toText());
  tagSingle(block, "BUYER_ADDRESS_COUNTRY", tagCountryCode(session, header["Land"].toText()));
  tagSingle(block, "BUYER_ORDER_ID", std::to_string(id));
  tagSingle(block, "VOUCHER_ID", header["Belegnummer"].toText());
  const std::string documentDate = tagDateText(header["Belegdatum"]);
  tagSingle(block, "VOUCHER_DATE", documentDate);
  tagSingle(block, "DELIVERY_DATE", tagDateText(header["LieferDatum"]));
  tagSingle(block, "PAYMENT_TERMS_DUE_DATE", tagDueDate(header));

  const std::array<Currency, 3> rates = tagClassRates(session, header);
  std::array<Currency, 3> classNet{};
  Recordset positions(GlobalConnection(session), "SELECT * FROM Belegpositionen WHERE ([BelegID] IN (" +
                                                     std::to_string(id) + ")) ORDER BY [Zeilennummer],[ID]");
  for (; !positions.eof(); positions.moveNext()) {
    if (!tagIsItem(positions)) continue;
    const int64_t vatClass = positions["MwSt"].toInt();
    const size_t group = vatClass >= 0 && vatClass <= 2 ? static_cast<size_t>(vatClass) : 2;
    const Currency quantity = positions["Menge"].toCurrency();
    const Currency price = positions["VerkaufsPreis"].toCurrency();
    classNet[group] += price * quantity;
    block += "@@xr table=ITEM_DETAILS|ITEM_LINE_ID=" + positions["PosNummer"].toText() +
             "|ITEM_SELLER_ID=" + positions["Artikelnummer"].toText() +
             "|ITEM_NAME=" + tagItemName(positions["Bezeichnung1"].toText(), documentDate) +
             "|ITEM_QUANTITY=" + tagAmount(quantity) +
             "|ITEM_UNIT=" + unitCodeOf(positions["Einheit"].toText()) +
             "|ITEM_GROSS_PRICE=" + tagAmount(price) + "|ITEM_TOTAL_AMOUNT=" + tagAmount(price * quantity) +
             "|ITEM_VAT_PERCENT=" + tagPercent(rates[group]) + "@@" + std::string(kLineEnd);
  }

  tagSingle(block, "NET_AMOUNT", tagAmount(header["NettoPreis"].toCurrency()));
  tagSingle(block, "TAX_AMOUNT", tagAmount(header["MwSt16"].toCurrency()));
  tagSingle(block, "TAX_PERCENT", tagPercent(header["MwStGr"].toCurrency()));
  tagSingle(block, "GROSS_AMOUNT", tagAmount(header["Gesamtpreis"].toCurrency()));
  block += "@@xi CURRENCY=EUR@@" + std::string(kLineEnd);
  block += "@@xi PAYMENT_REFERENCE=@@" + std::string(kLineEnd);
  for (size_t group = 0; group < classNet.size(); ++group) {
    if (classNet[group] == Currency()) continue;
    block += "@@xr table=VAT|VAT_PERCENT=" + tagPercent(rates[group]) +
             "|BASIS_AMOUNT=" + tagAmount(classNet[group]) +
             "|VAT_AMOUNT=" + tagAmount(Steuer(classNet[group], rates[group])) + "@@" + std::string(kLineEnd);
  }

  block += profile == kXRechnungProfile ? "@@xt gotomaxx.invoice.xrechnung.ubl@@"
                                        : "@@xt gotomaxx.invoice.zugferd.comfort@@";
  block += kLineEnd;
  const Company company = ReadCompany(GlobalConnection(session)).value_or(Company{});
  tagSingle(block, "SELLER_NAME", company.name);
  tagSingle(block, "SELLER_ADDRESS_LINE", company.strasse);
  tagSingle(block, "SELLER_ADDRESS_ZIP", company.plz);
  tagSingle(block, "SELLER_ADDRESS_CITY", company.ort);
  block += "@@xi SELLER_ADDRESS_COUNTRY=DE@@" + std::string(kLineEnd);
  tagSingle(block, "SELLER_TAX_ID", company.steuernummer);
  tagSingle(block, "SELLER_IBAN", company.iban);
  tagSingle(block, "SELLER_BIC", company.bic);
  return block;
}

}  // namespace

std::string buildTagBlock(Session& session, std::string_view belegId, std::string_view profile) {
  const std::string_view id = trim(belegId);
  if (!isNumeric(id)) return {};
  return runOperation(session, "mdlEInvoice!Function buildTagBlock()", std::string(),
                      [&] { return tagBuild(session, Value(id).toInt(), profile); });
}

}  // namespace orvosal
