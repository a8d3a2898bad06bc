#include "core/startup/reference_csv.h"

#include "core/codepage.h"
#include "core/text.h"

namespace orvosal {

std::string DecodeReferenceText(std::string_view bytes) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  return looksLikeUtf8(bytes) ? std::string(bytes) : windows1252ToUtf8(bytes);
}

bool CsvRecordReader::skipBlankLine() {
  const size_t end = text_.find('\n', pos_);
  const std::string_view line =
      text_.substr(pos_, end == std::string_view::npos ? std::string_view::npos : end - pos_);
  if (!trim(line).empty()) return false;
  pos_ = end == std::string_view::npos ? text_.size() : end + 1;
  ++currentLine_;
  return true;
}

bool CsvRecordReader::next(std::vector<std::string>& fields) {
  while (pos_ < text_.size() && skipBlankLine()) {
  }
  if (pos_ >= text_.size()) return false;
  recordLine_ = currentLine_;
  fields.clear();
  while (true) {
    std::string& field = fields.emplace_back();
    if (text_[pos_] == '"') {
      readQuoted(field);
    } else {
      readPlain(field);
    }
    if (pos_ >= text_.size()) return true;
    const char separator = text_[pos_++];
    if (separator == '\n') {
      ++currentLine_;
      return true;
    }
    if (pos_ >= text_.size()) {
      // A separator as the very last character still opens one more, empty field.
      fields.emplace_back();
      return true;
    }
  }
}

void CsvRecordReader::readQuoted(std::string& field) {
  const int opened = currentLine_;
  ++pos_;
  while (true) {
    if (pos_ >= text_.size()) {
      throw ReferenceFileError(opened,
                               "Ein Anführungszeichen wird bis zum Ende der Datei nicht geschlossen.");
    }
    const char c = text_[pos_++];
    if (c == '"') {
      if (pos_ < text_.size() && text_[pos_] == '"') {
        field += '"';
        ++pos_;
        continue;
      }
      break;
    }
    if (c == '\n') ++currentLine_;
    field += c;
  }
  const bool lineEndFollows = pos_ + 1 >= text_.size() || text_[pos_ + 1] == '\n';
  if (pos_ < text_.size() && text_[pos_] == '\r' && lineEndFollows) ++pos_;
  if (pos_ < text_.size() && text_[pos_] != ';' && text_[pos_] != '\n') {
    throw ReferenceFileError(currentLine_, "Nach einem schließenden Anführungszeichen folgt weiterer Text.");
  }
}

void CsvRecordReader::readPlain(std::string& field) {
  const size_t end = text_.find_first_of(";\n", pos_);
  field.assign(text_.substr(pos_, end == std::string_view::npos ? std::string_view::npos : end - pos_));
  pos_ = end == std::string_view::npos ? text_.size() : end;
  if (field.ends_with('\r') && (pos_ >= text_.size() || text_[pos_] == '\n')) field.pop_back();
}

}  // namespace orvosal
