#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/currency.h"
#include "core/datetime.h"

namespace orvosal {

// How a `SystemSettings` value is written: every value is text, numbers and dates in the German
// form the default rows use ("19", "5,50", "01.07.2020", "1").
enum class SettingForm {
  Flag,            // "1" on, "0" off; any number above 0 reads as on
  Rate,            // a percentage 0..100 with at most two decimals
  Date,            // a calendar date
  Days,            // a whole number of days, 0 or more
  Copies,          // a whole number of copies, 1 or more
  Money,           // an amount of 0 or more with at most two decimals
  EInvoiceFormat,  // 1 ZUGFeRD, 2 XRechnung UBL, 3 XRechnung CII, 4 plain PDF
};

// A setting that documents and printing read: its row name, its form and the caption it is
// named by in messages.
struct DocumentSettingDef {
  std::string_view name;
  SettingForm form;
  std::string_view caption;
};

// The settings in the order they are listed and shown.
std::span<const DocumentSettingDef> DocumentSettingDefs();
// The setting of that row name (letter case ignored); null for any other name.
const DocumentSettingDef* FindDocumentSetting(std::string_view name);

// The readers of the forms; nullopt for text that is not a value of the form.
std::optional<bool> ReadFlag(std::string_view text);
std::optional<Currency> ReadRate(std::string_view text);
std::optional<Date> ReadDate(std::string_view text);
std::optional<int> ReadDays(std::string_view text);
std::optional<int> ReadCopies(std::string_view text);
std::optional<Currency> ReadMoney(std::string_view text);
std::optional<int> ReadEInvoiceFormat(std::string_view text);
// The names of the e-invoice formats as the windows offer them, for the values 1 to 4 in order.
std::span<const std::string_view> EInvoiceFormatNames();

// Amounts and rates as stored: whole ones without decimals ("19"), others with two ("5,50").
std::string SettingAmountText(Currency amount);

// A typed value checked against its setting: the text to store, or the German message that
// refuses it (then `stored` is empty).
struct CheckedSetting {
  std::string stored;
  std::string refusal;
};
CheckedSetting CheckSettingValue(const DocumentSettingDef& setting, std::string_view text);

}  // namespace orvosal
