#include "core/schema/seed_document_types.h"

#include "core/db/recordset.h"

namespace orvosal {
namespace {

struct DefaultDocumentType {
  const char* title;  // also the short title and the layout name
  bool sales;
  int openItems;
  bool booksStock;
  int intoStock;
  int intoAccount;
};

constexpr DefaultDocumentType kDefaultTypes[] = {
    {"Angebot", true, 0, false, 0, 1},
    {"Auftragsbestätigung", true, 0, false, 0, 1},
    {"Rechnung", true, 1, true, 0, 1},
    {"Bestellung", false, 1, true, 1, 0},
};

void addType(Recordset& rs, const DefaultDocumentType& type) {
  rs.addNew();
  rs.set("Belegtitel", Value(type.title));
  rs.set("Kurztitel", Value(type.title));
  rs.set("Formularname", Value(type.title));
  rs.set("Kundenbereich", Value(type.sales));
  rs.set("In_Offene_Posten", Value(type.openItems));
  rs.set("Lagerbuchen", Value(type.booksStock));
  rs.set("InsLager", Value(type.intoStock));
  rs.set("InsKonto", Value(type.intoAccount));
  // What all default types share.
  rs.set("Aktiv", Value(1));
  rs.set("Aufgabe", Value(true));
  rs.set("Aktivität", Value(true));
  rs.set("NullMengen", Value(false));
  rs.set("Tausender", Value(false));
  rs.set("Nummer", Value(1));
  rs.set("BeginnText", Value());
  rs.set("Endtext", Value());
  rs.set("Nachkommastellen", Value(0));
  rs.set("VersandVariante", Value(0));
  rs.set("Allgemeine", Value(false));
  rs.set("BruttoAusgabe", Value(false));
  rs.set("Paketdienst", Value(0));
  rs.set("Provision", Value(0));
  rs.set("Tpye_Absender", Value(1));
  rs.set("Type_Email", Value(1));
  rs.set("OutlookPreview", Value(0));
  rs.set("Priorität", Value(1));
  rs.set("Nachverfolgung", Value(1));
  rs.set("EmailEmpfaengerEmail", Value("[Email-Adresse]"));
  rs.set("EmailEmpfaengerName", Value("[Vorname] [Nachname]"));
  rs.update();
}

}  // namespace

void seedDocumentTypes(Connection& connection) {
  Recordset rs(connection, "SELECT Top 1 * FROM Belegarten");
  if (!rs.eof()) return;
  for (const DefaultDocumentType& type : kDefaultTypes) addType(rs, type);
}

}  // namespace orvosal
