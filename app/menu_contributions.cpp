// The areas that contribute to the desktop's menus, in the order their menus appear. They are
// called here rather than registered by static objects in their own files, because the linker
// leaves out the object files of a static library that nothing refers to.
#include "app/database_menu.h"
#include "app/frm_adress_suche.h"
#include "app/frm_adressen.h"
#include "app/frm_artikel.h"
#include "app/frm_artikel_suche.h"
#include "app/frm_bankleitzahlen.h"
#include "app/frm_beleg_liste.h"
#include "app/frm_benutzerverwaltung.h"
#include "app/frm_formulare.h"
#include "app/frm_klassen.h"
#include "app/frm_optionen.h"
#include "app/frm_preis_import.h"
#include "app/frm_preisstaffeln.h"
#include "app/frm_qr_code.h"
#include "app/frm_rabattstaffel.h"
#include "app/frm_warengruppe.h"
#include "app/menu_registry.h"

namespace orvosal {

const MenuRegistry& desktopMenus() {
  static const MenuRegistry registry = [] {
    MenuRegistry contributed;
    contributeDatabaseMenu(contributed);
    contributeAddressMenu(contributed);
    contributeArticleMenu(contributed);
    contributeCommissionClassesMenu(contributed);
    contributeProductGroupsMenu(contributed);
    contributeDiscountScalesMenu(contributed);
    contributePriceScalesMenu(contributed);
    contributeAddressSearchMenu(contributed);
    contributePriceImportMenu(contributed);
    contributeArticleSearchMenu(contributed);
    contributeDocumentMenus(contributed);
    contributeUserAdministrationMenu(contributed);
    contributeOptionsMenu(contributed);
    contributeQrCodeMenu(contributed);
    contributeBankCodesMenu(contributed);
    contributeLayoutsMenu(contributed);
    return contributed;
  }();
  return registry;
}

}  // namespace orvosal
