#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/currency.h"
#include "core/datetime.h"

namespace orvosal {

// What a print hands to the report engine: variables, defined once, and the records of the table,
// each a set of fields. Every module prints through this one interface: it defines its values by
// name ("Firma_Name", "Belegkopf.Belegnummer", "Belegpositionen.Menge": table.column or a plain
// column name) and lets the layout decide what to show where.

enum class ReportValueType {
  Text,
  Number,   // text with a decimal point and no grouping: "1234.5000", "-3"
  Date,     // "yyyy-mm-dd" or "yyyy-mm-dd hh:mm:ss"
  Boolean,  // "J" or "N"
  Picture,  // the path of an image file
  Barcode,  // the text a code symbol encodes
};

struct ReportValue {
  std::string text;
  ReportValueType type = ReportValueType::Text;
  bool operator==(const ReportValue&) const = default;
};

// Names compare without regard to ASCII case, as layouts are typed by hand.
struct ReportNameLess {
  bool operator()(std::string_view left, std::string_view right) const;
  using is_transparent = void;
};

// One set of named values: the variables of a print, or the fields of one record. Defining a name
// again replaces its value.
class ReportValues {
 public:
  void define(std::string_view name, std::string text, ReportValueType type = ReportValueType::Text);
  void defineNumber(std::string_view name, Currency value);
  void defineNumber(std::string_view name, int64_t value);
  void defineDate(std::string_view name, const Date& value);
  void defineDate(std::string_view name, const DateTime& value);
  void defineBoolean(std::string_view name, bool value);  // "J" / "N"
  void definePicture(std::string_view name, std::string path);

  const ReportValue* find(std::string_view name) const;
  const std::map<std::string, ReportValue, ReportNameLess>& all() const { return values_; }

 private:
  std::map<std::string, ReportValue, ReportNameLess> values_;
};

struct ReportData {
  ReportValues variables;
  std::vector<ReportValues> records;

  ReportValues& addRecord() { return records.emplace_back(); }
  // A placeholder's value: the record's field first, then the variable; null when neither has it.
  const ReportValue* lookup(std::string_view name, const ReportValues* record) const;
};

}  // namespace orvosal
