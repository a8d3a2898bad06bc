#pragma once

#include <optional>
#include <string_view>

#include "core/session.h"
#include "output/report/report_data.h"

namespace orvosal {

// The data a list, label or dunning layout prints, for the designer's list of names and its
// preview: "Belegliste.lst" the sales documents, "Adressliste.lst" and "Adressetiketten.lbl" every
// address, "Artikelliste.lst" every article; "1Mahn.crd" .. "4Mahn.crd" the newest sales
// document with its open amount, the level's fee (5,00 € a level above the first) and a deadline
// in 14 days. Empty for any other layout.
std::optional<ReportData> ListLayoutData(Session& session, std::string_view layoutFile);

}  // namespace orvosal
