#include "documents/totals/amounts.h"

#include <limits>
#include <stdexcept>

namespace orvosal {
namespace {

__extension__ using Wide = __int128;

const Currency kHundred = Currency::fromInteger(100);

// a * b / c with a single rounding to four decimals, half to even, so that a rate or percentage
// with decimals (5,5 %) costs no precision in an intermediate step.
Currency productOver(Currency a, Currency b, Currency c) {
  if (c.units() == 0) throw std::domain_error("Currency division by zero");
  Wide numerator = Wide(a.units()) * b.units();
  Wide denominator = c.units();
  if (denominator < 0) {
    numerator = -numerator;
    denominator = -denominator;
  }
  Wide quotient = numerator / denominator;
  const Wide remainder = numerator % denominator;
  const Wide twice = 2 * (remainder < 0 ? -remainder : remainder);
  if (twice > denominator || (twice == denominator && quotient % 2 != 0)) quotient += numerator < 0 ? -1 : 1;
  if (quotient > std::numeric_limits<int64_t>::max() || quotient < std::numeric_limits<int64_t>::min())
    throw std::overflow_error("Currency out of range");
  return Currency::fromUnits(static_cast<int64_t>(quotient));
}

Currency rateOrStandard(std::string_view satz, const VatTable& inForce) {
  return Currency::parse(satz).value_or(inForce.standard());
}

}  // namespace

Currency Steuer(Currency netto, Currency satz) { return productOver(netto, satz, kHundred); }

Currency Brutto_Betrag(Currency netto, Currency satz) {
  if (satz == Currency()) return netto;
  return productOver(netto, kHundred + satz, kHundred);
}

Currency Netto_Betrag(Currency brutto, Currency satz) {
  if (satz == Currency()) return brutto;
  return productOver(brutto, kHundred, kHundred + satz);
}

Currency RabattErechnet(Currency betrag, Currency prozent) {
  return betrag - productOver(betrag, prozent, kHundred);
}

Currency Steuer(std::string_view netto, std::string_view satz, const VatTable& inForce) {
  const std::optional<Currency> amount = Currency::parse(netto);
  return amount ? Steuer(*amount, rateOrStandard(satz, inForce)) : Currency();
}

Currency Brutto_Betrag(std::string_view netto, std::string_view satz, const VatTable& inForce) {
  const std::optional<Currency> amount = Currency::parse(netto);
  return amount ? Brutto_Betrag(*amount, rateOrStandard(satz, inForce)) : Currency();
}

Currency Netto_Betrag(std::string_view brutto, std::string_view satz, const VatTable& inForce) {
  const std::optional<Currency> amount = Currency::parse(brutto);
  return amount ? Netto_Betrag(*amount, rateOrStandard(satz, inForce)) : Currency();
}

Currency RabattErechnet(std::string_view betrag, std::string_view prozent) {
  const std::optional<Currency> amount = Currency::parse(betrag);
  if (!amount) return Currency();
  const std::optional<Currency> percentage = Currency::parse(prozent);
  return percentage ? RabattErechnet(*amount, *percentage) : *amount;
}

std::string formatAmount(Currency value, int decimals) { return value.format(decimals); }

std::string amountForSql(Currency value, int decimals) { return value.formatSql(decimals); }

}  // namespace orvosal
