#include "masterdata/articles/product_group.h"

namespace orvosal {
namespace {

using G = ProductGroup;

const FieldDef<G> kGroupFields[] = {
    {"ID", &G::id, true},
    {"WarenGruppe", &G::warenGruppe},
    {"Beschreibung", &G::beschreibung},
    {"Lieferant", &G::lieferant},
    {"Hauptwarengruppe", &G::hauptwarengruppe},
    {"maxProvision", &G::maxProvision},
    {"Verkaufspreis2", &G::verkaufspreis2},
    {"Verkaufspreis3", &G::verkaufspreis3},
    {"Verkaufspreis4", &G::verkaufspreis4},
    {"Verkaufspreis5", &G::verkaufspreis5},
    {"Verkaufspreis6", &G::verkaufspreis6},
    {"Verkaufspreis7", &G::verkaufspreis7},
    {"Verkaufspreis8", &G::verkaufspreis8},
    {"Verkaufspreis9", &G::verkaufspreis9},
    {"Produktsuche", &G::produktsuche},
};

}  // namespace

FieldTable<ProductGroup> ProductGroupFields() { return kGroupFields; }

const std::string& groupName(const ProductGroup& group, GroupKind kind) {
  return kind == GroupKind::ProductGroup ? group.warenGruppe : group.hauptwarengruppe;
}

std::string& groupName(ProductGroup& group, GroupKind kind) {
  return kind == GroupKind::ProductGroup ? group.warenGruppe : group.hauptwarengruppe;
}

PriceLevelPercentages levelPercentages(const ProductGroup& group) {
  return {group.verkaufspreis2, group.verkaufspreis3, group.verkaufspreis4, group.verkaufspreis5,
          group.verkaufspreis6, group.verkaufspreis7, group.verkaufspreis8, group.verkaufspreis9};
}

}  // namespace orvosal
