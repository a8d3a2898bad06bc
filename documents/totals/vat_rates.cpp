#include "documents/totals/vat_rates.h"

#include "core/system_settings/document_settings.h"

namespace orvosal {
namespace {

VatTable tableOf(const VatRates& rates) { return documentVatTable(rates.standard, rates.reduced); }

}  // namespace

Currency VatTable::rateOfGroup(int group) const {
  return group >= 0 && group <= 2 ? rates[group] : standard();
}

bool VatRegimes::isSpecialPeriod(Date day) const {
  return specialFrom && specialTo && *specialFrom <= day && day <= *specialTo;
}

const VatTable& VatRegimes::inForce(Date day) const { return isSpecialPeriod(day) ? special : normal; }

VatRegimes loadVatRates(Session& session) {
  const DocumentSettings settings = ReadDocumentSettings(session);
  return VatRegimes{
      .normal = tableOf(settings.normalRates),
      .special = tableOf(settings.specialRates),
      .specialFrom = settings.specialFrom,
      .specialTo = settings.specialTo,
  };
}

VatTable documentVatTable(Currency standardRate, Currency reducedRate) {
  return VatTable{.rates = {Currency(), reducedRate, standardRate}};
}

}  // namespace orvosal
