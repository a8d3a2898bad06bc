#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/currency.h"
#include "documents/totals/vat_rates.h"

namespace orvosal {

// The calculation functions of the totals, in currency arithmetic (four decimals, ties to even).
Currency Steuer(Currency netto, Currency satz);              // netto / 100 * satz
Currency Brutto_Betrag(Currency netto, Currency satz);       // netto * (100 + satz) / 100; netto at 0 %
Currency Netto_Betrag(Currency brutto, Currency satz);       // brutto / ((100 + satz) / 100); brutto at 0 %
Currency RabattErechnet(Currency betrag, Currency prozent);  // betrag - prozent * (betrag / 100)

// The same from texts as typed (German or point decimal): a non-numeric rate is the standard
// rate of `inForce`, a non-numeric amount gives 0; a non-numeric percentage of RabattErechnet
// returns the amount.
Currency Steuer(std::string_view netto, std::string_view satz, const VatTable& inForce);
Currency Brutto_Betrag(std::string_view netto, std::string_view satz, const VatTable& inForce);
Currency Netto_Betrag(std::string_view brutto, std::string_view satz, const VatTable& inForce);
Currency RabattErechnet(std::string_view betrag, std::string_view prozent);

// An amount as the totals area shows it: "###0.00" for two decimals ("###0" for none, up to
// "###0.000000"), decimal comma, no thousands separator, rounded half away from zero as the
// format rounds.
std::string formatAmount(Currency value, int decimals = 2);

// The same amount with a decimal point, as it is inlined into the statements that store totals.
std::string amountForSql(Currency value, int decimals = 2);

}  // namespace orvosal
