#include "documents/records/document_position.h"

namespace orvosal {
namespace {

using T = DocumentPosition;

const FieldDef<T> kFields[] = {
    {"ID", &T::id, true},
    {"BelegID", &T::belegId},
    {"Zeilennummer", &T::zeilennummer},
    {"Menge", &T::menge},
    {"Posnummer", &T::posnummer},
    {"Artikelnummer", &T::artikelnummer},
    {"Bezeichnung1", &T::bezeichnung1},
    {"Bezeichnung2", &T::bezeichnung2},
    {"Bezeichnung3", &T::bezeichnung3},
    {"Bezeichnung4", &T::bezeichnung4},
    {"Bezeichnung5", &T::bezeichnung5},
    {"Bezeichnung6", &T::bezeichnung6},
    {"Bezeichnung7", &T::bezeichnung7},
    {"Bezeichnung8", &T::bezeichnung8},
    {"Bezeichnung9", &T::bezeichnung9},
    {"Mwst", &T::mwst},
    {"VerkaufsPreis", &T::verkaufsPreis},
    {"EinkaufsPreis", &T::einkaufsPreis},
    {"Lieferant", &T::lieferant},
    {"Langtext", &T::langtext},
    {"erfasst", &T::erfasst},
    {"geändert", &T::geändert},
    {"PosTyp", &T::posTyp},
    {"Rabattsatz", &T::rabattsatz},
    {"OrginalPreis", &T::orginalPreis},
    {"Gewicht", &T::gewicht},
    {"Prov", &T::prov},
    {"Einheit", &T::einheit},
    {"Arbeitszeit", &T::arbeitszeit},
    {"Export", &T::exportFlag},
    {"Punkte", &T::punkte},
    {"Stunden", &T::stunden},
    {"Alter_Preis", &T::alterPreis},
    {"LagerOrt", &T::lagerOrt},
    {"Lieferant_ArtNr", &T::lieferantArtNr},
    {"ArtikelBeschreibung", &T::artikelBeschreibung},
    {"KeineBerechnung", &T::keineBerechnung},
    {"IstMenge", &T::istMenge},
    {"IstDatum", &T::istDatum},
};

}  // namespace

FieldTable<DocumentPosition> DocumentPositionFields() { return kFields; }

}  // namespace orvosal
