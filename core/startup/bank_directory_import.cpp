#include "core/startup/bank_directory_import.h"

#include <fstream>
#include <set>
#include <vector>

#include "core/db/database.h"
#include "core/db/transaction.h"
#include "core/operation_guard.h"
#include "core/startup/reference_csv.h"
#include "core/text.h"

namespace orvosal {
namespace {

constexpr int kBankProgressStep = 1000;
constexpr size_t kNameLength = 50;

struct Bank {
  std::string code, bic, name, zip, city;
  int line = 0;  // where its block starts
};

bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

int hexDigitValue(char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; }

std::string percentDecoded(std::string_view value, int line) {
  std::string out;
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '%') {
      out += value[i];
      continue;
    }
    if (i + 2 >= value.size() || !isHexDigit(value[i + 1]) || !isHexDigit(value[i + 2]))
      throw ReferenceFileError(line, "Das Zeichen % steht nicht vor zwei Hexadezimalziffern.");
    out += static_cast<char>(hexDigitValue(value[i + 1]) * 16 + hexDigitValue(value[i + 2]));
    i += 2;
  }
  return out;
}

// The first `count` characters of a UTF-8 text.
std::string firstCharacters(const std::string& text, size_t count) {
  size_t end = 0;
  for (size_t characters = 0; end < text.size() && characters < count; ++characters) {
    ++end;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  }
  return text.substr(0, end);
}

bool isBankCode(const std::string& code) {
  return code.size() == 8 && code.find_first_not_of("0123456789") == std::string::npos;
}

// Reads the banks of the directory text, the first block of each bank code only.
class DirectoryReader {
 public:
  std::vector<Bank> read(std::istream& in) {
    std::string raw;
    while (std::getline(in, raw)) {
      ++line_;
      if (!raw.empty() && raw.back() == '\r') raw.pop_back();
      readLine(trim(raw));
    }
    if (depth_ > 0) throw ReferenceFileError(line_, "Eine mit { geöffnete Gruppe wird nicht geschlossen.");
    finishBlock();
    return std::move(banks_);
  }

 private:
  void readLine(std::string_view text) {
    if (text.starts_with("#")) return;
    if (text.empty()) {
      if (depth_ == 0) finishBlock();
      return;
    }
    if (text == "}") {
      if (depth_ == 0) throw ReferenceFileError(line_, "Zu dieser } gehört keine {.");
      --depth_;
      return;
    }
    if (text.ends_with("{")) {
      ++depth_;
      return;
    }
    const size_t equals = text.find('=');
    if (equals == std::string_view::npos || equals == 0 || text.size() < equals + 3 ||
        text[equals + 1] != '"' || text.back() != '"') {
      throw ReferenceFileError(line_, "Die Zeile hat nicht die Form name=\"Wert\": " + std::string(text));
    }
    if (depth_ > 0) return;
    assign(text.substr(0, equals), percentDecoded(text.substr(equals + 2, text.size() - equals - 3), line_));
  }

  void assign(std::string_view key, std::string value) {
    if (!current_.line) current_.line = line_;
    if (key == "bankId") current_.code = std::move(value);
    if (key == "bic") current_.bic = std::move(value);
    if (key == "bankName") current_.name = firstCharacters(value, kNameLength);
    if (key == "zipcode") current_.zip = std::move(value);
    if (key == "city") current_.city = std::move(value);
  }

  void finishBlock() {
    if (!current_.line) return;
    if (!isBankCode(current_.code)) {
      throw ReferenceFileError(current_.line,
                               "Der Eintrag hat keine Bankleitzahl aus 8 Ziffern ('" + current_.code + "').");
    }
    if (codes_.insert(current_.code).second) banks_.push_back(std::move(current_));
    current_ = Bank();
  }

  int line_ = 0;
  int depth_ = 0;
  Bank current_;
  std::set<std::string> codes_;
  std::vector<Bank> banks_;
};

Value importedTextOrNull(std::string text) { return text.empty() ? Value() : Value(std::move(text)); }

void replaceBanks(Session& session, const std::vector<Bank>& banks) {
  Connection& connection = GlobalConnection(session);
  const TableSchema& schema = connection.tableSchema("sBank");
  const std::vector<std::string> columns = {"Bankleitzahl", "Bankname", "BIC", "PLZ", "Ort"};
  DbTransaction transaction(connection);
  connection.execute("DELETE FROM [sBank]");
  size_t next = 0;
  connection.insertRows(schema, columns, [&](std::vector<Value>& row) {
    if (next == banks.size()) return false;
    const Bank& bank = banks[next++];
    row = {Value(bank.code), importedTextOrNull(bank.name), importedTextOrNull(bank.bic),
           importedTextOrNull(bank.zip), importedTextOrNull(bank.city)};
    if (next % kBankProgressStep == 0)
      session.ui().progress("Bankverzeichnis wird eingelesen", static_cast<int>(next),
                            static_cast<int>(banks.size()));
    return true;
  });
  transaction.commit();
}

}  // namespace

std::filesystem::path DefaultBankDirectoryPath() { return "/usr/share/aqbanking/bankinfo/de/banks.data"; }

BankDirectoryImport ImportBankDirectory(Session& session, const std::filesystem::path& path) {
  const std::string failed = "Das Bankverzeichnis \"" + path.string() + "\" wurde nicht eingelesen.\n";
  std::ifstream in(path, std::ios::binary);
  if (!in || std::filesystem::is_directory(path))
    return {0, failed + "Die Datei kann nicht gelesen werden. Die Tabelle sBank bleibt unverändert."};
  std::vector<Bank> banks;
  try {
    banks = DirectoryReader().read(in);
  } catch (const ReferenceFileError& fault) {
    return {0, failed + "Zeile " + std::to_string(fault.line()) + ": " + fault.what() +
                   "\nDie Tabelle sBank bleibt unverändert."};
  }
  if (banks.empty())
    return {0, failed + "Die Datei enthält keine Bank. Die Tabelle sBank bleibt unverändert."};
  const bool written = runOperation(
      session, operationName("mdlHauptmodul", OperationKind::Function, "ImportBankDirectory"), false, [&] {
        replaceBanks(session, banks);
        return true;
      });
  if (!written) return {0, failed + "Die Tabelle sBank bleibt unverändert."};
  return {static_cast<int>(banks.size()), ""};
}

}  // namespace orvosal
