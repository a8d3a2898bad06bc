#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace orvosal {

// A reference file that cannot be read as a whole: the line where the fault was found and what
// is wrong, in words for the user.
class ReferenceFileError : public std::runtime_error {
 public:
  ReferenceFileError(int line, std::string reason) : std::runtime_error(reason), line_(line) {}
  int line() const { return line_; }

 private:
  int line_;
};

// The text of a reference file in UTF-8: a file that is valid UTF-8 (a byte-order mark is
// dropped) is taken as it is, one without any UTF-8 character is read as Windows-1252. Throws
// ReferenceFileError for a file that mixes both or holds a NUL byte.
std::string DecodeReferenceText(std::string_view bytes);

// Reads the records of semicolon-separated text one after the other. A field may be enclosed in
// double quotes; inside them ";" and line breaks are part of the value and "" stands for one
// quote. Lines that hold nothing but blanks are skipped; LF and CR LF both end a line.
class CsvRecordReader {
 public:
  explicit CsvRecordReader(std::string_view text) : text_(text) {}

  // Fills `fields` with the next record; false at the end of the text. Throws
  // ReferenceFileError for a quote that is never closed or text after a closing quote.
  bool next(std::vector<std::string>& fields);
  // The line (from 1) on which the record last read begins.
  int line() const { return recordLine_; }

 private:
  bool skipBlankLine();
  void readQuoted(std::string& field);
  void readPlain(std::string& field);

  std::string_view text_;
  size_t pos_ = 0;
  int currentLine_ = 1;
  int recordLine_ = 0;
};

}  // namespace orvosal
