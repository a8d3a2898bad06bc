#include "output/report/report_data.h"

#include <algorithm>

namespace orvosal {

namespace {

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool ReportNameLess::operator()(std::string_view left, std::string_view right) const {
  return std::lexicographical_compare(left.begin(), left.end(), right.begin(), right.end(),
                                      [](char a, char b) { return asciiLower(a) < asciiLower(b); });
}

void ReportValues::define(std::string_view name, std::string text, ReportValueType type) {
  values_.insert_or_assign(std::string(name), ReportValue{std::move(text), type});
}

void ReportValues::defineNumber(std::string_view name, Currency value) {
  define(name, value.formatSql(4), ReportValueType::Number);
}

void ReportValues::defineNumber(std::string_view name, int64_t value) {
  define(name, std::to_string(value), ReportValueType::Number);
}

void ReportValues::defineDate(std::string_view name, const Date& value) {
  define(name, value.toIso(), ReportValueType::Date);
}

void ReportValues::defineDate(std::string_view name, const DateTime& value) {
  define(name, value.toIso(), ReportValueType::Date);
}

void ReportValues::defineBoolean(std::string_view name, bool value) {
  define(name, value ? "J" : "N", ReportValueType::Boolean);
}

void ReportValues::definePicture(std::string_view name, std::string path) {
  define(name, std::move(path), ReportValueType::Picture);
}

const ReportValue* ReportValues::find(std::string_view name) const {
  auto found = values_.find(name);
  return found == values_.end() ? nullptr : &found->second;
}

const ReportValue* ReportData::lookup(std::string_view name, const ReportValues* record) const {
  if (record != nullptr) {
    if (const ReportValue* field = record->find(name)) return field;
  }
  return variables.find(name);
}

}  // namespace orvosal
