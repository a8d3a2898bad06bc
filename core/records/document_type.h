#pragma once

#include <cstdint>
#include <string>

#include "core/records/field_table.h"

namespace orvosal {

// One `Belegarten` row: a document type with its area, its stock and account direction, its
// number source, its print settings and the texts its documents start with.
struct DocumentType {
  int64_t id = 0;
  std::string belegtitel;
  std::string kurztitel;
  std::string formularname;   // the report layout without ".lst"
  bool kundenbereich = true;  // true: sales ("Verkauf"), false: purchase ("Einkauf")
  int aktiv = 1;
  bool lagerbuchen = false;
  int insLager = 0;  // 0 out of stock, 1 into stock
  int insKonto = 0;  // 1 income, 0 expense
  int inOffenePosten = 0;
  bool allgemeine = false;  // the number comes from a shared range (or the legacy counter)
  int nummerkreisId = 0;
  std::string beginntext;  // the type's own counter: text before, next number, text after
  int64_t nummer = 0;
  std::string endtext;
  int nachkommastellen = 0;
  int epNachkommaStellen = 0;
  int gpNachkommaStellen = 0;
  bool tausender = false;
  bool nullMengen = false;
  bool bruttoAusgabe = false;
  int versandVariante = 0;  // 0 shipping as a position, 1 in the totals
  int provision = 0;
  int paketdienst = 0;
  bool aufgabe = false;
  bool aktivität = false;
  std::string schlusstext;
  int standartSchlusstext = 0;
  int lieferdatumMitnehmen = 0;
  int belegErledigen = 0;
  int belegfrei = 0;
  int noLagerCheck = 0;
  int ticketsystem = 0;
  int vermietSystem = 0;
  std::string zahlungsZielText;
  std::string pdfPath;
  std::string emailText;
  std::string kopieEmail;
  int tpyeAbsender = 0;
  int typeEmail = 0;
  int outlookPreview = 0;
  std::string emailEmpfaengerName;
  std::string emailEmpfaengerEmail;
  int priorität = 0;
  int nachverfolgung = 0;

  bool isActive() const { return aktiv == 1; }
  bool operator==(const DocumentType&) const = default;
};

// Every column of `Belegarten` and where DocumentType keeps it; the key first.
FieldTable<DocumentType> DocumentTypeFields();

}  // namespace orvosal
