#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/currency.h"
#include "core/session.h"
#include "documents/records/document_header.h"
#include "documents/records/document_position.h"
#include "documents/totals/vat_rates.h"

namespace orvosal {

// Net, VAT and gross of one VAT group (0, 1, 2) after the document discount.
struct VatGroupTotal {
  Currency rate;
  Currency net;  // the group's net after the document discount: the VAT base
  Currency vat;
};

// What the totals area shows and the header stores, each rounded to the shown decimals. How
// every position type enters these sums is written down in the README section "Rechenregeln".
struct DocumentTotals {
  Currency netto;          // NettoPreis: net of the charged positions
  Currency nettoRabatt;    // NettoPreisRabatt: net after the document discount
  Currency rabattBetrag;   // the document discount as an amount (netto - nettoRabatt)
  Currency mwst7;          // VAT at the reduced rate
  Currency mwst16;         // VAT at the standard rate
  Currency versandkosten;  // shipping kept out of the net ("in the totals" types), net amount
  Currency gesamt;         // GesamtPreis: gross total
  Currency teilzahlungen;  // partial payments entered on the document ("TZ")
  Currency zahlbetrag;     // gross less partial payments
  Currency reingewinn;     // profit
  Currency arbeitszeit;
  Currency gewicht;
  std::array<VatGroupTotal, 3> groups{};
  bool showDiscountLines = false;  // false when the discount changes nothing
  bool ohneMwSt = false;
  int decimals = 2;  // the decimals every amount above is rounded to and stored with
};

// The inputs of a computation besides the positions.
struct TotalsContext {
  VatTable rates;                 // the document's own rates
  Currency rabattProzent;         // the header's `Rabatt`
  bool ohneMwSt = false;          // document without VAT (tax-free partner)
  bool shippingInTotals = false;  // the type's `VersandVariante` 1
  int decimals = 2;               // decimals of the totals (`GP_NachkommaStellen`, 2 when 0)
};

// Computes the totals of positions in line order; pure, no database.
DocumentTotals computeDocumentTotals(std::span<const DocumentPosition> positions,
                                     const TotalsContext& context);

// The context of a stored header: its rates, discount, VAT flag, and its type's shipping variant
// and decimals.
TotalsContext totalsContextOf(Session& session, const DocumentHeader& header);

// Writes the totals into the header with the statement of the area (point decimals, the
// `BruttoMode` assignment through CreateBooleanSelect). Nothing for `belegId` 0. Throws DbError.
void storeDocumentTotals(Session& session, int64_t belegId, const DocumentTotals& totals, bool bruttoMode);

// Reads header and positions of a stored document, computes and stores its totals, and answers
// them; nothing when the document does not exist. Throws DbError.
std::optional<DocumentTotals> recomputeDocumentTotals(Session& session, int64_t belegId);

// The cash discount of the payment terms, shown beside the totals as information and never
// subtracted from the gross: the header's `Skonto` percentage, that share of the gross rounded as
// the totals, and the header's `ZahlFrist1` as the last day it may be taken.
struct CashDiscount {
  Currency prozent;
  Currency betrag;
  std::optional<Date> bis;
};
CashDiscount cashDiscountOf(const DocumentHeader& header, const DocumentTotals& totals);

// The sum of Menge * VerkaufsPreis over the marked positions that are charged, leaving out the
// types "NS", "TZ", "AG", "V", "AF" and "ZW"; a position marked twice is counted once; positions
// that no longer exist count nothing.
Currency Calculate_Positions(Session& session, std::span<const int64_t> positionIds);

}  // namespace orvosal
