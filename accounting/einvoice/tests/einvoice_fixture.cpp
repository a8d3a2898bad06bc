#include "accounting/einvoice/tests/einvoice_fixture.h"

#include "core/company/company.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "documents/totals/document_totals.h"

namespace orvosal::testing {

void EInvoiceFixture::SetUp() {
  DocumentFixture::SetUp();
  Company company = ReadCompany(db()).value_or(Company{});
  company.name = "Muster & Söhne GmbH";
  company.strasse = "Hauptstraße 1";
  company.plz = "10115";
  company.ort = "Berlin";
  company.telefon = "030 123456";
  company.email = "rechnung@muster-soehne.de";
  company.euIdentNr = "DE123456789";
  company.steuernummer = "12/345/67890";
  company.iban = "DE02120300000000202051";
  company.bic = "BYLADEM1001";
  company.geschaeftsfuehrer = "Max Muster";
  WriteCompany(db(), company);
  execute("INSERT INTO countries (countries_name, countries_iso_code_2) VALUES ('Österreich', 'AT')");
  execute("INSERT INTO countries (countries_name, countries_iso_code_2) VALUES ('Schweiz', 'CH')");
  execute("INSERT INTO countries (countries_name, countries_iso_code_2) VALUES ('Deutschland', 'DE')");
}

int64_t EInvoiceFixture::storeCustomer(const std::string& name, const std::string& land,
                                       const std::string& vatId) {
  const int64_t id = storeAddress(true, name, "", "K" + std::to_string(countRows("Adressen") + 1000));
  execute("UPDATE Adressen SET [Straße]='Kundenweg 7', [PLZ]='20095', [Ort]='Hamburg', [Land]=" +
          SqlQuoted(land) + ", [EuIdent]=" + SqlQuoted(vatId) +
          ", [Email]='einkauf@kunde.example' WHERE ([ID] IN (" + std::to_string(id) + "))");
  return id;
}

int64_t EInvoiceFixture::storeInvoice(int64_t customerId, const std::string& number, const std::string& date,
                                      const std::string& typeTitle) {
  const int64_t id = storeDocument(typeId(typeTitle), customerId);
  Recordset address(db(), "SELECT * FROM Adressen WHERE ([ID] IN (" + std::to_string(customerId) + "))");
  execute("UPDATE Belegkopf SET [Belegnummer]=" + SqlQuoted(number) + ", [Kundennummer]=" +
          SqlQuoted(address["Kundennummer"].toText()) + ", [Name]=" + SqlQuoted(address["Name"].toText()) +
          ", [Straße]=" + SqlQuoted(address["Straße"].toText()) +
          ", [PLZ]=" + SqlQuoted(address["PLZ"].toText()) + ", [Ort]=" + SqlQuoted(address["Ort"].toText()) +
          ", [Land]=" + SqlQuoted(address["Land"].toText()) +
          ", [EuIdent]=" + SqlQuoted(address["EuIdent"].toText()) +
          ", [Zahlungsziel]=14, [Belegdatum]=" + SqlDate(db().dialect(), Value(*Date::parse(date))) +
          " WHERE ([BelegID] IN (" + std::to_string(id) + "))");
  return id;
}

int64_t EInvoiceFixture::addLine(int64_t belegId, const std::string& text, const std::string& menge,
                                 const std::string& preis, int mwst, const std::string& einheit) {
  DocumentPosition position;
  position.zeilennummer = ++lineNumber_;
  position.posnummer = std::to_string(lineNumber_);
  position.artikelnummer = "A-" + std::to_string(lineNumber_);
  position.bezeichnung1 = text;
  position.menge = *Currency::parse(menge);
  position.verkaufsPreis = *Currency::parse(preis);
  position.mwst = mwst;
  position.einheit = einheit;
  return storePosition(belegId, position);
}

int64_t EInvoiceFixture::addSpecial(int64_t belegId, const std::string& posTyp, const std::string& text,
                                    const std::string& menge, const std::string& preis, int mwst) {
  DocumentPosition position;
  position.zeilennummer = ++lineNumber_;
  position.posTyp = posTyp;
  position.bezeichnung1 = text;
  position.menge = *Currency::parse(menge);
  position.verkaufsPreis = *Currency::parse(preis);
  position.mwst = mwst;
  return storePosition(belegId, position);
}

void EInvoiceFixture::setHeader(int64_t belegId, const std::string& assignments) {
  execute("UPDATE Belegkopf SET " + assignments + " WHERE ([BelegID] IN (" + std::to_string(belegId) + "))");
}

void EInvoiceFixture::recompute(int64_t belegId) { recomputeDocumentTotals(engine().session(), belegId); }

int64_t EInvoiceFixture::addSalesType(const std::string& title, int versandVariante) {
  Recordset source(db(), "SELECT * FROM Belegarten WHERE ([Belegtitel] IN ('Rechnung'))");
  Recordset target(db(), "SELECT Top 1 * FROM Belegarten");
  target.addNew();
  for (int column = 0; column < source.fieldCount(); ++column) {
    const std::string name = source.fieldName(column);
    if (name != "ID") target.set(name, source[name]);
  }
  target.set("Belegtitel", Value(title));
  target.set("Kurztitel", Value(title));
  target.set("VersandVariante", Value(int64_t{versandVariante}));
  target.update();
  return target["ID"].toInt();
}

}  // namespace orvosal::testing
