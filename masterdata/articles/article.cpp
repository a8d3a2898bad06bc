#include "masterdata/articles/article.h"

#include <stdexcept>

namespace orvosal {
namespace {

const FieldDef<Article> kArticleFields[] = {
    {"ID", &Article::id, true},
    {"Artikelnummer", &Article::artikelnummer},
    {"Bezeichnung1", &Article::bezeichnung1},
    {"Bezeichnung2", &Article::bezeichnung2},
    {"Bezeichnung3", &Article::bezeichnung3},
    {"Bezeichnung4", &Article::bezeichnung4},
    {"Bezeichnung5", &Article::bezeichnung5},
    {"Bezeichnung6", &Article::bezeichnung6},
    {"Bezeichnung7", &Article::bezeichnung7},
    {"Bezeichnung8", &Article::bezeichnung8},
    {"Bezeichnung9", &Article::bezeichnung9},
    {"Mwst", &Article::mwst},
    {"Einkaufspreis", &Article::einkaufspreis},
    {"Verkaufspreis1", &Article::verkaufspreis1},
    {"Verkaufspreis2", &Article::verkaufspreis2},
    {"Verkaufspreis3", &Article::verkaufspreis3},
    {"Verkaufspreis4", &Article::verkaufspreis4},
    {"Verkaufspreis5", &Article::verkaufspreis5},
    {"Verkaufspreis6", &Article::verkaufspreis6},
    {"Verkaufspreis7", &Article::verkaufspreis7},
    {"Verkaufspreis8", &Article::verkaufspreis8},
    {"Verkaufspreis9", &Article::verkaufspreis9},
    {"Empfohlener Verkaufspreis", &Article::empfohlenerVerkaufspreis},
    {"EmpfohlenerVK_Brutto", &Article::empfohlenerVkBrutto},
    {"Einheit", &Article::einheit},
    {"ZBemerkung", &Article::zBemerkung},
    {"Lieferant", &Article::lieferant},
    {"Langtext", &Article::langtext},
    {"erfasst", &Article::erfasst},
    {"geändert", &Article::geändert},
    {"Rabatt", &Article::rabatt},
    {"KatalogSeite", &Article::katalogSeite},
    {"Warengruppe", &Article::warengruppe},
    {"Rabattgruppe", &Article::rabattgruppe},
    {"Bestand", &Article::bestand},
    {"Min", &Article::min},
    {"Suchbegriff", &Article::suchbegriff},
    {"Barcode", &Article::barcode},
    {"Gewicht", &Article::gewicht},
    {"Verarbeitungskennzeichen", &Article::verarbeitungskennzeichen},
    {"AlterNativArtNr", &Article::alterNativArtNr},
    {"LangtextSchlüssel", &Article::langtextSchlüssel},
    {"Hauptwarengruppe", &Article::hauptwarengruppe},
    {"Prov", &Article::prov},
    {"Stk1", &Article::stk1},
    {"Stk2", &Article::stk2},
    {"Stk3", &Article::stk3},
    {"NL1", &Article::nl1},
    {"NL2", &Article::nl2},
    {"NL3", &Article::nl3},
    {"Arbeitszeit", &Article::arbeitszeit},
    {"Hersteller", &Article::hersteller},
    {"Bild", &Article::bild},
    {"Export", &Article::exportArtikel},
    {"Punkte", &Article::punkte},
    {"Preisliste", &Article::preisliste},
    {"class_id", &Article::classId},
    {"Staffel_Moeglich", &Article::staffelMoeglich},
    {"Provisions_Fähig", &Article::provisionsFähig},
    {"FIFA", &Article::fifa},
    {"Bemerkung", &Article::bemerkung},
    {"ArtikelBeschreibung", &Article::artikelBeschreibung},
    {"ExportJTL", &Article::exportJtl},
    {"Baujahr", &Article::baujahr},
    {"SerienNummer", &Article::serienNummer},
    {"EAN-Code", &Article::eanCode},
    {"RabattStaffelID", &Article::rabattStaffelId},
    {"HauptwarengruppenID", &Article::hauptwarengruppenId},
    {"WarengruppenID", &Article::warengruppenId},
    {"TicketArtikel", &Article::ticketArtikel},
    {"unsaleable", &Article::unsaleable},
    {"DossraPath", &Article::dossraPath},
    {"KeineLagerbuchung", &Article::keineLagerbuchung},
    {"Vermietbar", &Article::vermietbar},
    {"MasterArtikel", &Article::masterArtikel},
    {"StücklistenArtikel", &Article::stücklistenArtikel},
};

Currency Article::*const kSellingPrices[] = {
    &Article::verkaufspreis1, &Article::verkaufspreis2, &Article::verkaufspreis3,
    &Article::verkaufspreis4, &Article::verkaufspreis5, &Article::verkaufspreis6,
    &Article::verkaufspreis7, &Article::verkaufspreis8, &Article::verkaufspreis9,
};

Currency Article::*sellingPriceMember(int level) {
  if (level < 1 || level > 9) throw std::logic_error("Preisstufe außerhalb 1..9: " + std::to_string(level));
  return kSellingPrices[level - 1];
}

}  // namespace

FieldTable<Article> ArticleFields() { return kArticleFields; }

Currency& sellingPrice(Article& article, int level) { return article.*sellingPriceMember(level); }

Currency sellingPrice(const Article& article, int level) { return article.*sellingPriceMember(level); }

}  // namespace orvosal
