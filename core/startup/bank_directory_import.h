#pragma once

#include <filesystem>
#include <string>

#include "core/session.h"

namespace orvosal {

// Where Debian's package libaqbanking-data installs the German bank directory.
std::filesystem::path DefaultBankDirectoryPath();

// The outcome of reading a bank directory: how many banks went into sBank, or why none did.
struct BankDirectoryImport {
  int banks = 0;
  std::string error;  // empty when sBank was replaced

  bool ok() const { return error.empty(); }
};

// Replaces the rows of sBank with the banks of a German bank directory in the text form of that
// package: one block of lines key="value" per bank (bankId, bic, bankName, location, zipcode,
// city), blocks separated by blank lines, nested groups in braces (the bank's online services,
// not needed here) and comment lines starting with "#"; values are percent-encoded UTF-8.
//
// sBank holds one row per bank code: of several branches with the same code the first (the head
// office) is kept. Names longer than the column are cut to its 50 characters. Everything happens
// in one transaction; a file that cannot be read, a malformed line or a block without an eight-digit
// bank code leaves sBank as it was and answers a German message naming the file and the line.
BankDirectoryImport ImportBankDirectory(Session& session, const std::filesystem::path& path);

}  // namespace orvosal
