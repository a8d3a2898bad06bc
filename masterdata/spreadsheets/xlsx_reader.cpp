#include "masterdata/spreadsheets/xlsx_reader.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "masterdata/spreadsheets/xml_events.h"
#include "masterdata/spreadsheets/zip_package.h"

namespace orvosal {
namespace {

// A worksheet as the workbook lists it: its name and the relationship that locates its part.
struct SheetEntry {
  std::string name;
  std::string relationId;
};

std::string damaged(std::string_view part, std::string_view reason) {
  return "Die Arbeitsmappe ist beschädigt (" + std::string(part) + ": " + std::string(reason) + ").";
}

// The worksheets of "xl/workbook.xml" in their order.
std::variant<std::vector<SheetEntry>, std::string> workbookSheets(const ZipPackage& package) {
  const std::optional<std::string> workbook = package.entry("xl/workbook.xml");
  if (!workbook) return std::string("Die Datei ist keine Arbeitsmappe (xl/workbook.xml fehlt).");
  std::vector<SheetEntry> sheets;
  XmlHandlers handlers;
  handlers.start = [&](std::string_view name, const XmlAttributes& attributes) {
    if (name != "sheet") return;
    sheets.push_back({std::string(attribute(attributes, "name")), std::string(attribute(attributes, "id"))});
  };
  if (const std::string error = readXml(*workbook, handlers); !error.empty()) {
    return damaged("xl/workbook.xml", error);
  }
  if (sheets.empty()) return std::string("Die Arbeitsmappe hat kein Tabellenblatt.");
  return sheets;
}

// The part a relationship of the workbook points to, as a name inside the package. Targets are
// relative to the folder "xl/" or absolute from the package root.
std::optional<std::string> relationTarget(const ZipPackage& package, std::string_view relationId) {
  const std::optional<std::string> relations = package.entry("xl/_rels/workbook.xml.rels");
  if (!relations) return std::nullopt;
  std::optional<std::string> target;
  XmlHandlers handlers;
  handlers.start = [&](std::string_view name, const XmlAttributes& attributes) {
    if (name == "Relationship" && attribute(attributes, "Id") == relationId) {
      target = std::string(attribute(attributes, "Target"));
    }
  };
  if (!readXml(*relations, handlers).empty() || !target) return std::nullopt;
  if (target->starts_with('/')) return target->substr(1);
  return "xl/" + *target;
}

// The texts of "xl/sharedStrings.xml" by index: each item's text runs joined, phonetic hints left
// out. A workbook without shared strings has none.
std::variant<std::vector<std::string>, std::string> sharedStrings(const ZipPackage& package) {
  std::vector<std::string> strings;
  const std::optional<std::string> part = package.entry("xl/sharedStrings.xml");
  if (!part) return strings;
  bool inText = false;
  int phonetic = 0;
  XmlHandlers handlers;
  handlers.start = [&](std::string_view name, const XmlAttributes&) {
    if (name == "si") strings.emplace_back();
    if (name == "rPh") ++phonetic;
    if (name == "t") inText = phonetic == 0 && !strings.empty();
  };
  handlers.end = [&](std::string_view name) {
    if (name == "rPh") --phonetic;
    if (name == "t") inText = false;
  };
  handlers.text = [&](std::string_view text) {
    if (inText) strings.back() += text;
  };
  if (const std::string error = readXml(*part, handlers); !error.empty()) {
    return damaged("xl/sharedStrings.xml", error);
  }
  return strings;
}

// The column of a cell reference such as "AB12".
std::optional<size_t> columnOfReference(std::string_view reference) {
  size_t letters = 0;
  while (letters < reference.size() && std::isalpha(static_cast<unsigned char>(reference[letters])))
    ++letters;
  return columnOfLetters(reference.substr(0, letters));
}

std::optional<int> positiveNumber(std::string_view text) {
  int number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size() || number <= 0) return std::nullopt;
  return number;
}

// The text a number cell shows in its simplest form: whole numbers without decimals (article
// numbers stored as numbers), others as the file writes them.
SpreadsheetCell numberCell(std::string_view stored) {
  double number = 0;
  const auto [end, error] = std::from_chars(stored.data(), stored.data() + stored.size(), number);
  if (error != std::errc() || end != stored.data() + stored.size())
    return {std::string(stored), std::nullopt};
  if (std::floor(number) == number && std::fabs(number) < 1e15) {
    return {std::to_string(static_cast<int64_t>(number)), number};
  }
  return {std::string(stored), number};
}

// Reads the cells of a worksheet part row by row.
class SheetReader {
 public:
  explicit SheetReader(const std::vector<std::string>& strings) : strings_(strings) {}

  std::string read(std::string_view part) {
    XmlHandlers handlers;
    handlers.start = [this](std::string_view name, const XmlAttributes& attributes) {
      start(name, attributes);
    };
    handlers.end = [this](std::string_view name) { end(name); };
    handlers.text = [this](std::string_view text) {
      if (collecting_) value_ += text;
    };
    if (std::string error = readXml(part, handlers); !error.empty()) return error;
    return fault_;
  }

  SpreadsheetTable table() && { return std::move(table_); }

 private:
  void start(std::string_view name, const XmlAttributes& attributes) {
    if (name == "row") {
      const std::optional<int> number = positiveNumber(attribute(attributes, "r"));
      row_ = SpreadsheetRow{.line = number.value_or(previousLine_ + 1), .cells = {}};
      column_ = 0;
    } else if (name == "c") {
      const std::string_view reference = attribute(attributes, "r");
      const std::optional<size_t> column = reference.empty() ? column_ : columnOfReference(reference);
      if (!column) fail("Zellbezug " + std::string(reference));
      column_ = column.value_or(column_);
      type_ = attribute(attributes, "t");
      value_.clear();
      inCell_ = true;
    } else if (inCell_ && (name == "v" || (name == "t" && type_ == "inlineStr"))) {
      collecting_ = true;
    }
  }

  void end(std::string_view name) {
    if (name == "v" || name == "t") {
      collecting_ = false;
    } else if (name == "c") {
      inCell_ = false;
      place(cellValue());
      ++column_;
    } else if (name == "row") {
      previousLine_ = row_.line;
      bool hasText = false;
      for (const SpreadsheetCell& cell : row_.cells) hasText = hasText || !cell.text.empty();
      if (hasText) table_.rows.push_back(std::move(row_));
      row_ = SpreadsheetRow{};
    }
  }

  SpreadsheetCell cellValue() {
    if (type_ == "s") {
      size_t position = 0;
      const auto [end, error] = std::from_chars(value_.data(), value_.data() + value_.size(), position);
      if (error != std::errc() || end != value_.data() + value_.size() || position >= strings_.size()) {
        fail("gemeinsamer Text " + value_);
        return {};
      }
      return {strings_[position], std::nullopt};
    }
    if (type_.empty() || type_ == "n") return value_.empty() ? SpreadsheetCell{} : numberCell(value_);
    return {value_, std::nullopt};
  }

  void place(SpreadsheetCell cell) {
    if (cell.text.empty()) return;
    if (row_.cells.size() <= column_) row_.cells.resize(column_ + 1);
    row_.cells[column_] = std::move(cell);
  }

  void fail(std::string reason) {
    if (fault_.empty()) fault_ = "ungültiger " + std::move(reason);
  }

  const std::vector<std::string>& strings_;
  SpreadsheetTable table_;
  SpreadsheetRow row_;
  int previousLine_ = 0;
  size_t column_ = 0;
  std::string type_;
  std::string value_;
  bool inCell_ = false;
  bool collecting_ = false;
  std::string fault_;
};

std::string notAWorkbook(const std::filesystem::path& file) {
  return "Die Datei " + file.string() + " ist keine lesbare Arbeitsmappe.";
}

}  // namespace

std::variant<std::vector<std::string>, std::string> XlsxSheetNames(const std::filesystem::path& file) {
  const ZipPackage package(file);
  if (!package.isOpen()) return notAWorkbook(file);
  auto sheets = workbookSheets(package);
  if (const auto* error = std::get_if<std::string>(&sheets)) return *error;
  std::vector<std::string> names;
  for (const SheetEntry& sheet : std::get<std::vector<SheetEntry>>(sheets)) names.push_back(sheet.name);
  return names;
}

SpreadsheetReadResult ReadXlsx(const std::filesystem::path& file, std::string_view sheetName) {
  const ZipPackage package(file);
  if (!package.isOpen()) return notAWorkbook(file);
  auto sheets = workbookSheets(package);
  if (const auto* error = std::get_if<std::string>(&sheets)) return *error;
  const SheetEntry* chosen = nullptr;
  for (const SheetEntry& sheet : std::get<std::vector<SheetEntry>>(sheets)) {
    if (chosen == nullptr && (sheetName.empty() || sheet.name == sheetName)) chosen = &sheet;
  }
  if (chosen == nullptr) return "Die Arbeitsmappe hat kein Tabellenblatt \"" + std::string(sheetName) + "\".";
  const std::optional<std::string> partName = relationTarget(package, chosen->relationId);
  const std::optional<std::string> part = partName ? package.entry(*partName) : std::nullopt;
  if (!part) return damaged("Tabellenblatt " + chosen->name, "nicht gefunden");
  auto strings = sharedStrings(package);
  if (const auto* error = std::get_if<std::string>(&strings)) return *error;
  SheetReader reader(std::get<std::vector<std::string>>(strings));
  if (const std::string error = reader.read(*part); !error.empty()) return damaged(*partName, error);
  return std::move(reader).table();
}

}  // namespace orvosal
