#include "documents/printing/dunning_variables.h"

namespace orvosal {

void defineDunningVariables(ReportValues& variables, const DunningValues& values) {
  variables.defineNumber("Mahnstufe", static_cast<int64_t>(values.level));
  variables.defineNumber("Mahngebühr", values.fee);
  variables.defineDate("Mahnfrist", values.deadline);
  variables.defineNumber("Offener_Betrag", values.openAmount);
}

}  // namespace orvosal
