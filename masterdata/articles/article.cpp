#include "masterdata/articles/article.h"

#include <stdexcept>

namespace orvosal {
namespace {

using T = Article;

const FieldDef<T> kFields[] = {
    {"ID", &T::id, true},
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
    {"Einkaufspreis", &T::einkaufspreis},
    {"Verkaufspreis1", &T::verkaufspreis1},
    {"Verkaufspreis2", &T::verkaufspreis2},
    {"Verkaufspreis3", &T::verkaufspreis3},
    {"Verkaufspreis4", &T::verkaufspreis4},
    {"Verkaufspreis5", &T::verkaufspreis5},
    {"Verkaufspreis6", &T::verkaufspreis6},
    {"Verkaufspreis7", &T::verkaufspreis7},
    {"Verkaufspreis8", &T::verkaufspreis8},
    {"Verkaufspreis9", &T::verkaufspreis9},
    {"Empfohlener Verkaufspreis", &T::empfohlenerVerkaufspreis},
    {"EmpfohlenerVK_Brutto", &T::empfohlenerVkBrutto},
    {"Einheit", &T::einheit},
    {"ZBemerkung", &T::zBemerkung},
    {"Lieferant", &T::lieferant},
    {"Langtext", &T::langtext},
    {"erfasst", &T::erfasst},
    {"geändert", &T::geändert},
    {"Rabatt", &T::rabatt},
    {"KatalogSeite", &T::katalogSeite},
    {"Warengruppe", &T::warengruppe},
    {"Rabattgruppe", &T::rabattgruppe},
    {"Bestand", &T::bestand},
    {"Min", &T::min},
    {"Suchbegriff", &T::suchbegriff},
    {"Barcode", &T::barcode},
    {"Gewicht", &T::gewicht},
    {"Verarbeitungskennzeichen", &T::verarbeitungskennzeichen},
    {"AlterNativArtNr", &T::alterNativArtNr},
    {"LangtextSchlüssel", &T::langtextSchlüssel},
    {"Hauptwarengruppe", &T::hauptwarengruppe},
    {"Prov", &T::prov},
    {"Stk1", &T::stk1},
    {"Stk2", &T::stk2},
    {"Stk3", &T::stk3},
    {"NL1", &T::nl1},
    {"NL2", &T::nl2},
    {"NL3", &T::nl3},
    {"Arbeitszeit", &T::arbeitszeit},
    {"Hersteller", &T::hersteller},
    {"Bild", &T::bild},
    {"Export", &T::exportArtikel},
    {"Punkte", &T::punkte},
    {"Preisliste", &T::preisliste},
    {"class_id", &T::classId},
    {"Staffel_Moeglich", &T::staffelMoeglich},
    {"Provisions_Fähig", &T::provisionsFähig},
    {"FIFA", &T::fifa},
    {"Bemerkung", &T::bemerkung},
    {"ArtikelBeschreibung", &T::artikelBeschreibung},
    {"ExportJTL", &T::exportJtl},
    {"Baujahr", &T::baujahr},
    {"SerienNummer", &T::serienNummer},
    {"EAN-Code", &T::eanCode},
    {"RabattStaffelID", &T::rabattStaffelId},
    {"HauptwarengruppenID", &T::hauptwarengruppenId},
    {"WarengruppenID", &T::warengruppenId},
    {"TicketArtikel", &T::ticketArtikel},
    {"unsaleable", &T::unsaleable},
    {"DossraPath", &T::dossraPath},
    {"KeineLagerbuchung", &T::keineLagerbuchung},
    {"Vermietbar", &T::vermietbar},
    {"MasterArtikel", &T::masterArtikel},
    {"StücklistenArtikel", &T::stücklistenArtikel},
};

Currency Article::*const kSellingPrices[] = {
    &T::verkaufspreis1, &T::verkaufspreis2, &T::verkaufspreis3, &T::verkaufspreis4, &T::verkaufspreis5,
    &T::verkaufspreis6, &T::verkaufspreis7, &T::verkaufspreis8, &T::verkaufspreis9,
};

Currency Article::*sellingPriceMember(int level) {
  if (level < 1 || level > 9) throw std::logic_error("Preisstufe außerhalb 1..9: " + std::to_string(level));
  return kSellingPrices[level - 1];
}

}  // namespace

FieldTable<Article> ArticleFields() { return kFields; }

Currency& sellingPrice(Article& article, int level) { return article.*sellingPriceMember(level); }

Currency sellingPrice(const Article& article, int level) { return article.*sellingPriceMember(level); }

}  // namespace orvosal
