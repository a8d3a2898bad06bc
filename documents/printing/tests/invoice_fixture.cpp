#include "documents/printing/tests/invoice_fixture.h"

#include "core/company/company.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"

namespace orvosal::testing {

void InvoiceFixture::SetUp() {
  DocumentFixture::SetUp();
  if (IsSkipped()) return;
  session().systemSettings()["Automatic"] = "1";
  Company company;
  company.name = "Nordlicht Werkzeuge GmbH";
  company.strasse = "Hafenstraße 12";
  company.plz = "20457";
  company.ort = "Hamburg";
  company.telefon = "040 1234567";
  company.email = "info@nordlicht-werkzeuge.de";
  company.internet = "www.nordlicht-werkzeuge.de";
  company.steuernummer = "27/123/45678";
  company.euIdentNr = "DE287654321";
  company.amtsgericht = "Amtsgericht Hamburg";
  company.hrgNummer = "HRB 123456";
  company.geschaeftsfuehrer = "Jana Petersen";
  company.bank = "Hamburger Sparkasse";
  company.iban = "DE89 3704 0044 0532 0130 00";
  company.bic = "HASPDEHHXXX";
  WriteCompany(db(), company);
}

int64_t InvoiceFixture::storeInvoice(const std::string& land, const std::string& euIdent, bool ohneMwSt,
                                     const std::string& type) {
  const int64_t partner = storeAddress(true, "Muster Technik GmbH", "", "K-10042");
  const int64_t belegId = storeDocument(typeId(type), partner);
  Recordset rs(db(), "SELECT * FROM Belegkopf WHERE ([BelegID] IN (" + std::to_string(belegId) + "))");
  rs.set("Anrede", Value("Firma"));
  rs.set("Name", Value("Muster Technik GmbH"));
  rs.set("Zusatz", Value("z. Hd. Herrn Klaus Berger"));
  rs.set("Straße", Value("Industrieweg 7"));
  rs.set("PLZ", Value("50667"));
  rs.set("Ort", Value("Köln"));
  rs.set("Land", Value(land));
  rs.set("EUIdent", Value(euIdent));
  rs.set("ohneMwst", Value(ohneMwSt ? 1 : 0));
  rs.set("Kundennummer", Value("K-10042"));
  rs.set("Sachbearbeiter", Value("Tim Hansen"));
  rs.set("LieferDatum", Value(*Date::fromYmd(2026, 3, 2)));
  rs.set("Belegdatum", Value(*Date::fromYmd(2026, 3, 5)));
  rs.set("Zahlungsziel", Value(14));
  rs.set("ZahlZiel", Value("14 Tage netto"));
  rs.set("Skonto", Value(Currency::fromInteger(2)));
  rs.set("ZahlFrist1", Value(*Date::fromYmd(2026, 3, 12)));
  rs.update();
  return belegId;
}

int64_t InvoiceFixture::addLine(int64_t belegId, int line, const std::string& text, const char* menge,
                                const char* preis, int mwst, const std::string& posTyp) {
  DocumentPosition position;
  position.zeilennummer = line;
  position.posnummer = std::to_string(line);
  position.artikelnummer = posTyp.empty() ? "A-" + std::to_string(1000 + line) : "";
  position.bezeichnung1 = text;
  position.menge = *Currency::parse(menge);
  position.verkaufsPreis = *Currency::parse(preis);
  position.mwst = mwst;
  position.einheit = posTyp.empty() ? "Stk." : "";
  position.posTyp = posTyp;
  return storePosition(belegId, position);
}

void InvoiceFixture::setTypeColumn(const std::string& type, const std::string& column, const Value& value) {
  Recordset rs(db(), "SELECT * FROM Belegarten WHERE ([ID] IN (" + std::to_string(typeId(type)) + "))");
  rs.set(column, value);
  rs.update();
}

std::filesystem::path InvoiceFixture::outputFolder() { return engine().folder() / "Ausgabe"; }

}  // namespace orvosal::testing
