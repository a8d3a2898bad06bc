#include "core/system_settings/setting_forms.h"

#include <charconv>

#include "core/text.h"

namespace orvosal {
namespace {

constexpr DocumentSettingDef kDocumentSettings[] = {
    {"Automatic", SettingForm::Flag, "Automatische Nummernvergabe"},
    {"MwStSatzGroß", SettingForm::Rate, "Normalsatz"},
    {"MwStSatzKlein", SettingForm::Rate, "Ermäßigter Satz"},
    {"MwStSatzSonderGroß", SettingForm::Rate, "Sondersatz (normal)"},
    {"MwStSatzSonderKlein", SettingForm::Rate, "Sondersatz (ermäßigt)"},
    {"SRVon", SettingForm::Date, "Beginn der Sonderregelung"},
    {"SRBis", SettingForm::Date, "Ende der Sonderregelung"},
    {"ZahlFrist1", SettingForm::Days, "Zahlungsziel"},
    {"Druckkopien", SettingForm::Copies, "Druckkopien"},
    {"ERechnungFormat", SettingForm::EInvoiceFormat, "E-Rechnungsformat"},
    {"Frist1", SettingForm::Days, "Frist der Mahnstufe 1"},
    {"Mahngebühr1", SettingForm::Money, "Mahngebühr der Mahnstufe 1"},
    {"Frist2", SettingForm::Days, "Frist der Mahnstufe 2"},
    {"Mahngebühr2", SettingForm::Money, "Mahngebühr der Mahnstufe 2"},
    {"Frist3", SettingForm::Days, "Frist der Mahnstufe 3"},
    {"Mahngebühr3", SettingForm::Money, "Mahngebühr der Mahnstufe 3"},
    {"Frist4", SettingForm::Days, "Frist der Mahnstufe 4"},
    {"Mahngebühr4", SettingForm::Money, "Mahngebühr der Mahnstufe 4"},
};

// Percentages and fees are kept to the cent: four-decimal units that are whole hundreds.
constexpr int64_t kUnitsPerCent = Currency::kUnitsPerWhole / 100;

std::optional<int> readWhole(std::string_view text, int least) {
  const std::string_view digits = trim(text);
  int value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || digits.front() == '-' || error != std::errc() || end != digits.data() + digits.size())
    return std::nullopt;
  if (value < least) return std::nullopt;
  return value;
}

std::optional<Currency> readCents(std::string_view text, Currency most) {
  const std::optional<Currency> amount = Currency::parse(text);
  if (!amount || *amount < Currency{} || *amount > most || amount->units() % kUnitsPerCent != 0)
    return std::nullopt;
  return amount;
}

std::string rule(SettingForm form) {
  switch (form) {
    case SettingForm::Flag:
      return "1 (ein) oder 0 (aus)";
    case SettingForm::Rate:
      return "ein Prozentsatz von 0 bis 100 mit höchstens zwei Nachkommastellen";
    case SettingForm::Date:
      return "ein gültiges Datum (TT.MM.JJJJ)";
    case SettingForm::Days:
      return "eine ganze Zahl von Tagen ab 0";
    case SettingForm::Copies:
      return "eine ganze Zahl ab 1";
    case SettingForm::Money:
      return "ein Betrag ab 0 mit höchstens zwei Nachkommastellen";
    case SettingForm::EInvoiceFormat:
      return "1 (ZUGFeRD), 2 (XRechnung UBL), 3 (XRechnung CII) oder 4 (PDF ohne E-Rechnung)";
  }
  return "";
}

std::optional<std::string> storedForm(SettingForm form, std::string_view text) {
  switch (form) {
    case SettingForm::Flag:
      if (const auto on = ReadFlag(text)) return *on ? "1" : "0";
      break;
    case SettingForm::Rate:
      if (const auto rate = ReadRate(text)) return SettingAmountText(*rate);
      break;
    case SettingForm::Date:
      if (const auto date = ReadDate(text)) return date->toGerman();
      break;
    case SettingForm::Days:
      if (const auto days = ReadDays(text)) return std::to_string(*days);
      break;
    case SettingForm::Copies:
      if (const auto copies = ReadCopies(text)) return std::to_string(*copies);
      break;
    case SettingForm::Money:
      if (const auto fee = ReadMoney(text)) return SettingAmountText(*fee);
      break;
    case SettingForm::EInvoiceFormat:
      if (const auto format = ReadEInvoiceFormat(text)) return std::to_string(*format);
      break;
  }
  return std::nullopt;
}

}  // namespace

std::span<const DocumentSettingDef> DocumentSettingDefs() { return kDocumentSettings; }

const DocumentSettingDef* FindDocumentSetting(std::string_view name) {
  for (const DocumentSettingDef& setting : kDocumentSettings) {
    if (equalsNoCase(setting.name, name)) return &setting;
  }
  return nullptr;
}

std::optional<bool> ReadFlag(std::string_view text) {
  const std::optional<Currency> value = Currency::parse(text);
  if (!value) return std::nullopt;
  return *value > Currency{};
}

std::optional<Currency> ReadRate(std::string_view text) {
  return readCents(text, Currency::fromInteger(100));
}

std::optional<Date> ReadDate(std::string_view text) { return Date::parse(text); }

std::optional<int> ReadDays(std::string_view text) { return readWhole(text, 0); }

std::optional<int> ReadCopies(std::string_view text) { return readWhole(text, 1); }

std::optional<Currency> ReadMoney(std::string_view text) {
  return readCents(text, Currency::fromInteger(1'000'000'000));
}

std::optional<int> ReadEInvoiceFormat(std::string_view text) {
  const std::optional<int> format = readWhole(text, 1);
  if (!format || *format > 4) return std::nullopt;
  return format;
}

std::span<const std::string_view> EInvoiceFormatNames() {
  static constexpr std::string_view kNames[] = {"ZUGFeRD", "XRechnung (UBL)", "XRechnung (CII)",
                                                "PDF ohne E-Rechnung"};
  return kNames;
}

std::string SettingAmountText(Currency amount) {
  return amount.units() % Currency::kUnitsPerWhole == 0 ? amount.format(0) : amount.format(2);
}

CheckedSetting CheckSettingValue(const DocumentSettingDef& setting, std::string_view text) {
  if (std::optional<std::string> stored = storedForm(setting.form, text)) return {std::move(*stored), ""};
  // The row name follows the caption, so that a message also tells the name used on the command line.
  std::string named(setting.caption);
  if (setting.caption != setting.name) named += " (" + std::string(setting.name) + ")";
  return {"", named + " muss " + rule(setting.form) + " sein, nicht '" + std::string(trim(text)) + "'."};
}

}  // namespace orvosal
