#pragma once

#include <stdexcept>
#include <string>

namespace orvosal {

// Error numbers the layer reports, in the numbering the operations' error handling knows.
namespace db_errors {
inline constexpr long kConnectionClosed = 3704;  // the operation needs an open connection
inline constexpr long kConnectionLost = 3709;    // the connection broke off
inline constexpr long kStatementFailed = -2147217900;
inline constexpr long kRowChangedByOthers = -2147217864;
inline constexpr long kValueTooLong = -2147217887;
inline constexpr long kTypeMismatch = 13;
inline constexpr long kOverflow = 6;  // a number too large for the type that must hold it
inline constexpr long kNoCurrentRow = 3021;
inline constexpr long kFieldNotFound = 3265;
}  // namespace db_errors

// A failure inside the database layer: the number and text for the common error form, and the
// statement as the caller wrote it.
class DbError : public std::runtime_error {
 public:
  DbError(long number, std::string text, std::string sql = {})
      : std::runtime_error(text), number_(number), text_(std::move(text)), sql_(std::move(sql)) {}

  long number() const { return number_; }
  const std::string& text() const { return text_; }
  const std::string& sql() const { return sql_; }
  bool connectionLost() const {
    return number_ == db_errors::kConnectionLost || number_ == db_errors::kConnectionClosed;
  }

 private:
  long number_;
  std::string text_;
  std::string sql_;
};

// A number read from the database that the currency type cannot hold; `number` as the engine gave it.
inline DbError currencyOverflow(const std::string& number, std::string sql = {}) {
  return DbError(db_errors::kOverflow,
                 "Der Wert " + number +
                     " ist zu groß für einen Währungsbetrag (erlaubt sind höchstens 922337203685477,5807).",
                 std::move(sql));
}

}  // namespace orvosal
