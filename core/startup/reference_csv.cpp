#include "core/startup/reference_csv.h"

#include <algorithm>
#include <optional>

#include "core/codepage.h"
#include "core/text.h"

namespace orvosal {

namespace {

int lineAt(std::string_view text, size_t position) {
  return 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(position), '\n'));
}

}  // namespace

std::string DecodeReferenceText(std::string_view bytes) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  const bool markedUtf8 = bytes.starts_with(kByteOrderMark);
  if (markedUtf8) bytes.remove_prefix(kByteOrderMark.size());
  // A NUL byte is no character of either encoding; one engine would keep it and the other refuse
  // the row, so the file is refused alike on both.
  if (const size_t nul = bytes.find('\0'); nul != std::string_view::npos) {
    throw ReferenceFileError(lineAt(bytes, nul), "Die Zeile enthält ein Nullzeichen (Byte 0).");
  }
  // A file is one encoding or the other: UTF-8 when its non-ASCII bytes all form UTF-8
  // characters, Windows-1252 when none does. A mixture would turn the UTF-8 characters into
  // garbage ("MÃ¼nchen"), so it is refused at the first byte that does not fit.
  bool utf8Seen = markedUtf8;
  std::optional<size_t> firstForeign;
  for (size_t i = 0; i < bytes.size();) {
    const size_t length = utf8SequenceLength(bytes.substr(i));
    if (length == 0) {
      if (!firstForeign) firstForeign = i;
      ++i;
      continue;
    }
    if (length > 1) utf8Seen = true;
    i += length;
  }
  if (!firstForeign) return std::string(bytes);
  if (!utf8Seen) return windows1252ToUtf8(bytes);
  throw ReferenceFileError(lineAt(bytes, *firstForeign),
                           "Die Datei ist sonst in UTF-8 geschrieben, diese Zeile aber nicht (Byte " +
                               std::to_string(static_cast<unsigned char>(bytes[*firstForeign])) +
                               "). Bitte speichern Sie die Datei einheitlich in UTF-8.");
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
