#include <stdexcept>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/error_log.h"
#include "core/operation_guard.h"
#include "core/version.h"
#include "documents/editing/document_operation.h"
#include "documents/editing/document_rows.h"
#include "documents/editing/open_document.h"
#include "documents/totals/amounts.h"

// The special positions of the document window: subtotal, page break, shipping costs, deduction,
// surcharge and partial payment. Each is added at the end of the document like a position.

namespace orvosal {
namespace {

// A percentage as the window writes it into a text: "5", "2,5".
std::string percentText(Currency percent) {
  std::string text = percent.format(4);
  while (!text.empty() && text.back() == '0') text.pop_back();
  if (!text.empty() && text.back() == ',') text.pop_back();
  return text;
}

std::string systemSetting(Session& session, std::string_view name) {
  const auto& settings = session.systemSettings();
  const auto found = settings.find(name);
  return found == settings.end() ? std::string() : found->second;
}

}  // namespace

std::optional<int64_t> OpenDocument::insertSubtotal(std::span<const int64_t> marked, int vatGroup,
                                                    std::optional<std::string> text) {
  if (!mayWritePositions()) return std::nullopt;
  return runOperation(*session_, documentOperation("Zwischensumme_Einfügen"), std::optional<int64_t>(),
                      [&]() -> std::optional<int64_t> {
                        const Currency sum = Calculate_Positions(*session_, marked);
                        if (!text) {
                          const int decimals = totalsContextOf(*session_, header_).decimals;
                          text = session_->ui().inputText("Text für Zwischensumme angeben", kProductName,
                                                          "Zwischensumme für " + formatAmount(sum, decimals));
                        }
                        if (!text || text->empty()) return std::nullopt;
                        DocumentPosition row;
                        row.posTyp = kSubtotalPosition;
                        row.bezeichnung1 = *text;
                        row.mwst = vatGroup;
                        row.verkaufsPreis = sum;
                        return appendRows({row});
                      });
}

std::optional<int64_t> OpenDocument::insertPageBreak() {
  if (!mayWritePositions()) return std::nullopt;
  return runOperation(*session_, documentOperation("Seitenumbruch_Einfügen"), std::optional<int64_t>(),
                      [&]() -> std::optional<int64_t> {
                        DocumentPosition row;
                        row.posTyp = kPageBreakPosition;
                        return appendRows({row});
                      });
}

std::optional<int64_t> OpenDocument::insertShipping(int64_t versandkostenId) {
  if (!mayWritePositions()) return std::nullopt;
  return runOperation(
      *session_, documentOperation("Versandkosten_Einfügen"), std::optional<int64_t>(),
      [&]() -> std::optional<int64_t> {
        Recordset rs(GlobalConnection(*session_),
                     "SELECT * FROM Versandkosten WHERE ([ID] IN (" + std::to_string(versandkostenId) + "))");
        if (rs.eof()) {
          refuse(*session_, "Versandkosten " + std::to_string(versandkostenId) + " nicht gefunden!");
          return std::nullopt;
        }
        DocumentPosition row;
        row.posTyp = kShippingPosition;
        row.bezeichnung1 = rs["Bezeichnung1"].toText();
        row.bezeichnung2 = rs["Bezeichnung2"].toText();
        row.mwst = static_cast<int>(rs["Mwst"].toInt());
        row.verkaufsPreis = rs["VK"].toCurrency();
        row.einkaufsPreis = rs["EK"].toCurrency();
        row.menge = Currency::fromInteger(1);
        return appendRows({row});
      });
}

std::optional<int64_t> OpenDocument::insertDeductionOrSurcharge(std::span<const int64_t> marked,
                                                                bool surcharge, Currency percent,
                                                                std::string text, int vatGroup) {
  if (marked.empty()) {
    refuse(*session_, "Fehler, es sind keine Positionen markiert");
    return std::nullopt;
  }
  if (!mayWritePositions()) return std::nullopt;
  const auto failed = [&] {
    refuse(*session_,
           std::string("es ist ein Fehler bei den Angaben ist aufgetreten") + "\n" + "Funktion Abgebrochen!");
    return std::nullopt;
  };
  if (percent <= Currency()) return failed();
  const std::optional<Currency> sum =
      runOperation(*session_, documentOperation("Abgebot_Einfügen"), std::optional<Currency>(),
                   [&] { return std::optional(Calculate_Positions(*session_, marked)); });
  if (!sum) return std::nullopt;
  DocumentPosition row;
  try {
    row.verkaufsPreis = *sum * percent / 100;
  } catch (const std::exception&) {
    return failed();
  }
  if (text.empty()) text = systemSetting(*session_, surcharge ? "Auftext" : "Abtext");
  // Without a text of its own or from the settings the line still says what it is.
  if (trim(text).empty()) text = surcharge ? "Aufschlag" : "Abgebot/Rabatt";
  row.posTyp = surcharge ? kSurchargePosition : kDeductionPosition;
  row.bezeichnung1 = percentText(percent) + "% " + text;
  row.artikelnummer = percentText(percent);
  row.menge = *sum;
  row.mwst = vatGroup;
  return runOperation(*session_, documentOperation("Abgebot_Einfügen"), std::optional<int64_t>(),
                      [&]() -> std::optional<int64_t> { return appendRows({row}); });
}

std::optional<int64_t> OpenDocument::insertPartPayment(Currency amount, std::string text) {
  if (!mayWritePositions()) return std::nullopt;
  return runOperation(*session_, documentOperation("Teilzahlung_Einfügen"), std::optional<int64_t>(),
                      [&]() -> std::optional<int64_t> {
                        DocumentPosition row;
                        row.posTyp = kPartPaymentPosition;
                        row.bezeichnung1 = std::move(text);
                        row.menge = Currency::fromInteger(1);
                        row.verkaufsPreis = amount;
                        return appendRows({row});
                      });
}

}  // namespace orvosal
