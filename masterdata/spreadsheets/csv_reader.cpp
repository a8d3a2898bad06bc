#include "masterdata/spreadsheets/csv_reader.h"

#include <string>

#include "core/codepage.h"

namespace orvosal {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

void appendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// UTF-16 text after its byte-order mark (what spreadsheet programs save as "Unicode text") as
// UTF-8; unpaired surrogates become '?'.
std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
  const auto unit = [&](size_t at) {
    const auto first = static_cast<unsigned char>(bytes[at]);
    const auto second = static_cast<unsigned char>(bytes[at + 1]);
    return static_cast<char32_t>(bigEndian ? (first << 8 | second) : (second << 8 | first));
  };
  std::string out;
  for (size_t at = 0; at + 1 < bytes.size(); at += 2) {
    const char32_t code = unit(at);
    if (code >= 0xD800 && code < 0xDC00 && at + 3 < bytes.size() && unit(at + 2) >= 0xDC00 &&
        unit(at + 2) < 0xE000) {
      appendUtf8(out, 0x10000 + ((code - 0xD800) << 10) + (unit(at + 2) - 0xDC00));
      at += 2;
    } else {
      appendUtf8(out, code >= 0xD800 && code < 0xE000 ? U'?' : code);
    }
  }
  return out;
}

// The file's text as UTF-8, or nothing when UTF-8 was demanded and the bytes are none.
std::optional<std::string> decoded(std::string_view bytes, TextEncoding encoding) {
  if (bytes.starts_with(kByteOrderMark)) return std::string(bytes.substr(kByteOrderMark.size()));
  if (bytes.starts_with(kUtf16LittleEndianMark)) return utf16ToUtf8(bytes.substr(2), false);
  if (bytes.starts_with(kUtf16BigEndianMark)) return utf16ToUtf8(bytes.substr(2), true);
  switch (encoding) {
    case TextEncoding::Utf8:
      if (!looksLikeUtf8(bytes)) return std::nullopt;
      return std::string(bytes);
    case TextEncoding::Windows1252:
      return windows1252ToUtf8(bytes);
    case TextEncoding::Automatic:
      break;
  }
  return looksLikeUtf8(bytes) ? std::string(bytes) : windows1252ToUtf8(bytes);
}

bool rowHasText(const SpreadsheetRow& row) {
  for (const SpreadsheetCell& cell : row.cells) {
    if (!cell.text.empty()) return true;
  }
  return false;
}

// Splits the text into rows; the line of a row is the line its first field starts on.
class CsvParser {
 public:
  CsvParser(std::string_view text, char separator) : text_(text), separator_(separator) {}

  SpreadsheetReadResult parse() {
    row_.line = line_;
    while (at_ < text_.size()) {
      const char c = text_[at_];
      if (c == '"' && field_.empty() && !quotedBefore_) {
        if (!readQuoted()) {
          return "Zeile " + std::to_string(row_.line) + ": Das Anführungszeichen wird nicht geschlossen.";
        }
      } else if (c == separator_) {
        endField();
        ++at_;
      } else if (c == '\r' || c == '\n') {
        skipLineBreak();
        endRow();
      } else {
        field_ += c;
        ++at_;
      }
    }
    if (!field_.empty() || quotedBefore_ || !row_.cells.empty()) endRow();
    return std::move(table_);
  }

 private:
  // Reads a field enclosed in quotes, standing on its opening quote; false when it never closes.
  // Text after the closing quote up to the next separator is kept as it stands.
  bool readQuoted() {
    ++at_;
    while (at_ < text_.size()) {
      const char c = text_[at_];
      if (c == '"') {
        if (at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
          field_ += '"';
          at_ += 2;
          continue;
        }
        ++at_;
        quotedBefore_ = true;
        return true;
      }
      if (c == '\r' || c == '\n') {
        skipLineBreak();
        field_ += '\n';
        continue;
      }
      field_ += c;
      ++at_;
    }
    return false;
  }

  void skipLineBreak() {
    if (text_[at_] == '\r' && at_ + 1 < text_.size() && text_[at_ + 1] == '\n') ++at_;
    ++at_;
    ++line_;
  }

  void endField() {
    row_.cells.push_back(SpreadsheetCell{std::move(field_), std::nullopt});
    field_.clear();
    quotedBefore_ = false;
  }

  void endRow() {
    endField();
    if (rowHasText(row_)) table_.rows.push_back(std::move(row_));
    row_ = SpreadsheetRow{.line = line_, .cells = {}};
  }

  std::string_view text_;
  char separator_;
  size_t at_ = 0;
  int line_ = 1;
  std::string field_;
  bool quotedBefore_ = false;  // the field so far was enclosed in quotes (it may be empty)
  SpreadsheetRow row_;
  SpreadsheetTable table_;
};

}  // namespace

char DetectCsvSeparator(std::string_view text) {
  int semicolons = 0, tabs = 0, commas = 0;
  bool quoted = false;
  for (const char c : text) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\r' || c == '\n') break;
    semicolons += c == ';';
    tabs += c == '\t';
    commas += c == ',';
  }
  if (tabs > semicolons && tabs >= commas) return '\t';
  if (commas > semicolons && commas > tabs) return ',';
  return ';';
}

SpreadsheetReadResult ReadCsv(std::string_view bytes, const SpreadsheetOptions& options) {
  const std::optional<std::string> text = decoded(bytes, options.encoding);
  if (!text) return std::string("Die Datei ist nicht in UTF-8 geschrieben.");
  const char separator = options.separator != 0 ? options.separator : DetectCsvSeparator(*text);
  return CsvParser(*text, separator).parse();
}

}  // namespace orvosal
