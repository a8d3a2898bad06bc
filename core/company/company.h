#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/db/connection.h"
#include "core/records/field_table.h"

namespace orvosal {

// The company's own master data (`Firmendaten`): what every printed document shows as sender,
// with the bank connections and register data. The table holds one row; the session keeps it as
// loaded at start and after every save.
struct Company {
  int64_t id = 0;
  std::string name;
  std::string strasse;
  std::string plz;
  std::string ort;
  std::string telefon;
  std::string fax;
  std::string blz;
  std::string bank;
  std::string kontonummer;
  std::string ortDerBank;
  std::string internet;
  std::string email;
  std::string blz2;
  std::string bank2;
  std::string kontonummer2;
  std::string ortDerBank2;
  std::string steuernummer;
  std::string amtsgericht;
  std::string geschaeftsfuehrer;
  std::string hrgNummer;
  std::string euIdentNr;
  std::string masterPassword;
  std::string iban;
  std::string bic;
  std::string iban2;
  std::string bic2;
  std::string logo;  // file name of the logo inside the program folder

  bool operator==(const Company&) const = default;
};

// The columns of `Firmendaten` and where Company keeps them, the key first.
FieldTable<Company> CompanyFields();

// The first `Firmendaten` row by `ID`; empty when the table holds none.
std::optional<Company> ReadCompany(Connection& connection);

// Writes every column but the key into the first row, or adds the row when the table is empty;
// answers the row's key.
int64_t WriteCompany(Connection& connection, const Company& company);

}  // namespace orvosal
