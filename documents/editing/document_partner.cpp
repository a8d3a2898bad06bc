#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/error_log.h"
#include "core/operation_guard.h"
#include "core/version.h"
#include "documents/editing/document_operation.h"
#include "documents/editing/open_document.h"
#include "documents/totals/amounts.h"
#include "masterdata/addresses/address_editor.h"

// The partner of an open document: its snapshot in the header, its creation from typed fields,
// and its credit limit.

namespace orvosal {
namespace {

// The amount still open on the partner's open-item documents other than `exceptId`.
Currency openAmountOf(Connection& connection, int64_t partnerId, int64_t exceptId) {
  Recordset rs(connection, "SELECT GesamtPreis, Bezahlt_Wieviel FROM Belegkopf WHERE ([KDNr] IN (" +
                               std::to_string(partnerId) +
                               ") AND [In_Offene_Posten] IN (1) AND [BelegID] <> " +
                               std::to_string(exceptId) + " AND [Storno] Is Null)");
  Currency open;
  for (; !rs.eof(); rs.moveNext()) {
    const Currency rest = rs["GesamtPreis"].toCurrency() - rs["Bezahlt_Wieviel"].toCurrency();
    if (rest > Currency()) open += rest;
  }
  return open;
}

}  // namespace

bool OpenDocument::choosePartner(int64_t adressenId) {
  const std::optional<Address> found = ReadAddress(*session_, adressenId);
  if (!found) return false;
  const Address& a = *found;
  DocumentHeader& h = header_;
  h.kdNr = a.id;
  h.kundennummer = a.kundennummer;
  h.anrede = a.anrede;
  h.titel = a.titel;
  h.name = a.name;
  h.vorname = a.vorname;
  h.zusatz = a.zusatz;
  h.straße = a.straße;
  h.plz = a.plz;
  h.ort = a.ort;
  h.land = a.land;
  h.telefon = a.telefon1;
  h.fax = a.fax;
  h.email = a.email;
  h.euIdent = a.euIdent;
  h.bank = a.bank;
  h.blz = a.blz;
  h.konto = a.konto;
  h.ansprechpartner = a.ansprechpartner;
  h.telefonAnprechpartner = a.telefonAnprechpartner;
  h.faxAnprechpartner = a.faxAnprechpartner;
  h.funkAnprechpartner = a.funkAnprechpartner;
  h.lieferanrede = a.lieferanrede;
  h.liefername = a.liefername;
  h.lieferzusatz = a.lieferzusatz;
  h.lieferstraße = a.lieferstraße;
  h.lieferort = a.lieferort;
  h.lieferland = a.lieferland;
  h.zahlungsziel = a.zahlungsziel;
  h.skonto = a.skonto;
  h.rabatt = a.rabatt;
  h.preisstaffel = a.preisstaffel;
  h.bestelllimit = a.bestelllimit;
  h.allgemeineStaffel = a.allgemeineStaffel;
  if (!a.standartZahlungsbedingung.empty()) h.zahlZiel = a.standartZahlungsbedingung;
  if (!a.standartVersand.empty()) h.versandart = a.standartVersand;
  h.ohneMwst = a.ohneMwst;
  return true;
}

bool OpenDocument::createPartner() {
  Address address = NewAddress(*session_, header_.kunde);
  address.anrede = header_.anrede;
  address.titel = header_.titel;
  address.name = header_.name;
  address.vorname = header_.vorname;
  address.zusatz = header_.zusatz;
  address.straße = header_.straße;
  address.plz = header_.plz;
  address.ort = header_.ort;
  address.land = header_.land;
  address.telefon1 = header_.telefon;
  address.fax = header_.fax;
  address.email = header_.email;
  address.euIdent = header_.euIdent;
  const AddressSaveResult result = SaveAddress(*session_, address);
  if (result.outcome == AddressSaveOutcome::LoadOther) return choosePartner(result.otherId);
  if (result.outcome != AddressSaveOutcome::Saved) return false;
  header_.kdNr = address.id;
  header_.kundennummer = address.kundennummer;
  return true;
}

Currency OpenDocument::grossOf(const DocumentPosition& position) const {
  const Currency net = position.menge * position.verkaufsPreis;
  if (header_.ohneMwst == 1) return net;
  return Brutto_Betrag(net, documentVatTable(header_.mwstGr, header_.mwstKl).rateOfGroup(position.mwst));
}

bool OpenDocument::creditLimitAccepted(Currency additionalGross) {
  if (header_.bestelllimit <= Currency() || header_.kdNr == 0) return true;
  const Currency open = runOperation(*session_, documentOperation("Check_Bestelllimit"), Currency(), [&] {
    return openAmountOf(GlobalConnection(*session_), header_.kdNr, header_.belegId);
  });
  if (open + totals_.gesamt + additionalGross <= header_.bestelllimit) return true;
  return session_->ui().askYesNo(std::string("Bestelllimit überschritten!") + "\n" + "Trotzdem fortfahren?",
                                 kProductName);
}

}  // namespace orvosal
