#include <QAction>
#include <QMenu>

#include "app/frm_artikel.h"
#include "app/frm_artikel_dateien.h"
#include "app/frm_artikel_preisstufen.h"
#include "app/frm_lieferanten_preise.h"
#include "app/frm_serien_nummern.h"
#include "app/frm_stueckliste.h"
#include "masterdata/articles/price_runs.h"

namespace orvosal {
namespace {

// Opens a window of the article's child rows as a modal dialog.
template <class Window>
std::function<void(int64_t)> modal(Session& session, FrmArtikel* parent) {
  return [&session, parent](int64_t id) { Window(session, id, parent).exec(); };
}

// A run over many articles from the Extras menu: the shown article is offered for saving first
// and shown anew afterwards, since the run may have changed its prices.
void addRun(FrmArtikel* window, const char* caption, bool (*run)(Session&), Session& session) {
  window->extrasMenu()->addAction(caption, window, [window, run, &session] {
    if (!window->mayLeave()) return;
    run(session);
    if (window->shownId() != 0) window->load(window->shownId());
  });
}

}  // namespace

void addArticleExtensions(FrmArtikel* window, Session& session) {
  window->addChildButton("Lieferantenpreise...", modal<FrmLieferantenPreise>(session, window));
  window->addChildButton("Kundenpreise...", modal<FrmArtikelPreisstufen>(session, window));
  window->addChildButton("Stückliste...", modal<FrmStueckliste>(session, window));
  window->addChildButton("Seriennummern...",
                         [&session, window](int64_t id) { FrmSerienNummern(session, id, 0, window).exec(); });
  window->addChildButton("Bilder und Dateien...", modal<FrmArtikelDateien>(session, window));
  window->extrasMenu()->addSeparator();
  addRun(window, "Verkaufspreise aller Artikel anpassen", AdjustAllSellingPrices, session);
  addRun(window, "Verkaufspreise 2 bis 5 um Prozent anpassen", AdjustPriceLevelsByPercent, session);
}

}  // namespace orvosal
