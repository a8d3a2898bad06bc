#include "documents/records/document_position.h"

namespace orvosal {
namespace {

const FieldDef<DocumentPosition> kPositionFields[] = {
    {"ID", &DocumentPosition::id, true},
    {"BelegID", &DocumentPosition::belegId},
    {"Zeilennummer", &DocumentPosition::zeilennummer},
    {"Menge", &DocumentPosition::menge},
    {"Posnummer", &DocumentPosition::posnummer},
    {"Artikelnummer", &DocumentPosition::artikelnummer},
    {"Bezeichnung1", &DocumentPosition::bezeichnung1},
    {"Bezeichnung2", &DocumentPosition::bezeichnung2},
    {"Bezeichnung3", &DocumentPosition::bezeichnung3},
    {"Bezeichnung4", &DocumentPosition::bezeichnung4},
    {"Bezeichnung5", &DocumentPosition::bezeichnung5},
    {"Bezeichnung6", &DocumentPosition::bezeichnung6},
    {"Bezeichnung7", &DocumentPosition::bezeichnung7},
    {"Bezeichnung8", &DocumentPosition::bezeichnung8},
    {"Bezeichnung9", &DocumentPosition::bezeichnung9},
    {"Mwst", &DocumentPosition::mwst},
    {"VerkaufsPreis", &DocumentPosition::verkaufsPreis},
    {"EinkaufsPreis", &DocumentPosition::einkaufsPreis},
    {"Lieferant", &DocumentPosition::lieferant},
    {"Langtext", &DocumentPosition::langtext},
    {"erfasst", &DocumentPosition::erfasst},
    {"geändert", &DocumentPosition::geändert},
    {"PosTyp", &DocumentPosition::posTyp},
    {"Rabattsatz", &DocumentPosition::rabattsatz},
    {"OrginalPreis", &DocumentPosition::orginalPreis},
    {"Gewicht", &DocumentPosition::gewicht},
    {"Prov", &DocumentPosition::prov},
    {"Einheit", &DocumentPosition::einheit},
    {"Arbeitszeit", &DocumentPosition::arbeitszeit},
    {"Export", &DocumentPosition::exportFlag},
    {"Punkte", &DocumentPosition::punkte},
    {"Stunden", &DocumentPosition::stunden},
    {"Alter_Preis", &DocumentPosition::alterPreis},
    {"LagerOrt", &DocumentPosition::lagerOrt},
    {"Lieferant_ArtNr", &DocumentPosition::lieferantArtNr},
    {"ArtikelBeschreibung", &DocumentPosition::artikelBeschreibung},
    {"KeineBerechnung", &DocumentPosition::keineBerechnung},
    {"IstMenge", &DocumentPosition::istMenge},
    {"IstDatum", &DocumentPosition::istDatum},
};

}  // namespace

FieldTable<DocumentPosition> DocumentPositionFields() { return kPositionFields; }

}  // namespace orvosal
