#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/currency.h"
#include "core/datetime.h"
#include "core/session.h"

namespace orvosal {

// One line of a document list.
struct DocumentListRow {
  int64_t belegId = 0;
  std::string belegnummer;
  std::optional<Date> belegdatum;
  std::string belegart;  // the type's title
  int64_t kdNr = 0;
  std::string kundennummer;
  std::string partner;  // name, first name
  Currency netto;       // NettoPreisRabatt
  Currency gesamt;
  Currency bezahlt;       // Bezahlt_Wieviel
  bool erledigt = false;  // Erledigt 1
  std::string status;     // "offen", "erledigt", "bezahlt", "storniert"
};

enum class DocumentListOrder { Number, Date, Partner, Gross };

// Which documents a list shows: the area (its type range "[Belegart] >= 0 AND [Belegart] <= 10000"
// for sales), optionally one type, one partner, and a search text matched against number, name,
// customer number and texts.
struct DocumentListFilter {
  bool salesArea = true;
  std::optional<int64_t> belegartenId;
  std::optional<int64_t> partnerId;
  std::string search;
  DocumentListOrder order = DocumentListOrder::Date;
  bool descending = true;
};

std::vector<DocumentListRow> ListDocuments(Session& session, const DocumentListFilter& filter);

}  // namespace orvosal
