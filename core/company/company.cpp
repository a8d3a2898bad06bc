#include "core/company/company.h"

#include "core/db/recordset.h"

namespace orvosal {
namespace {

constexpr FieldDef<Company> kCompanyFields[] = {
    {"ID", &Company::id, true},
    {"Name", &Company::name},
    {"Straße", &Company::strasse},
    {"PLZ", &Company::plz},
    {"Ort", &Company::ort},
    {"Telefon", &Company::telefon},
    {"Fax", &Company::fax},
    {"BLZ", &Company::blz},
    {"Bank", &Company::bank},
    {"Kontonummer", &Company::kontonummer},
    {"OrtderBank", &Company::ortDerBank},
    {"Internet", &Company::internet},
    {"Email", &Company::email},
    {"BLZ2", &Company::blz2},
    {"Bank2", &Company::bank2},
    {"Kontonummer2", &Company::kontonummer2},
    {"OrtderBank2", &Company::ortDerBank2},
    {"Steuernummer", &Company::steuernummer},
    {"Amtsgericht", &Company::amtsgericht},
    {"Geschäftsführer", &Company::geschaeftsfuehrer},
    {"HRG_Nummer", &Company::hrgNummer},
    {"EuIdentNr", &Company::euIdentNr},
    {"MasterPassword", &Company::masterPassword},
    {"IBAN", &Company::iban},
    {"BIC", &Company::bic},
    {"IBAN2", &Company::iban2},
    {"BIC2", &Company::bic2},
    {"Logo", &Company::logo},
};

constexpr const char* kFirstRow = "SELECT Top 1 * FROM Firmendaten ORDER BY ID";

}  // namespace

FieldTable<Company> CompanyFields() { return kCompanyFields; }

std::optional<Company> ReadCompany(Connection& connection) {
  Recordset rs(connection, kFirstRow);
  if (rs.eof()) return std::nullopt;
  return readRecord(rs, CompanyFields());
}

int64_t WriteCompany(Connection& connection, const Company& company) {
  Recordset rs(connection, kFirstRow);
  if (rs.eof()) rs.addNew();
  writeRecord(rs, company, CompanyFields());
  rs.update();
  return rs["ID"].toInt();
}

}  // namespace orvosal
