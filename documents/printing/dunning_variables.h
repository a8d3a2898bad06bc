#pragma once

#include "core/currency.h"
#include "core/datetime.h"
#include "output/report/report_data.h"

namespace orvosal {

// What a dunning letter adds to the variables of the dunned invoice's print.
struct DunningValues {
  int level = 1;        // 1 to 4: the letter is "<level>Mahn.crd"
  Currency fee;         // 0: the fee line is left out
  Date deadline;        // the day by which the amount is to be paid
  Currency openAmount;  // what is still open of the invoice, without the fee
};

// Defines "Mahnstufe", "Mahngebühr", "Mahnfrist" and "Offener_Betrag".
void defineDunningVariables(ReportValues& variables, const DunningValues& values);

}  // namespace orvosal
