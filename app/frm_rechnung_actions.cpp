// The position menu of the document window: special positions, order, deletion, price changes.
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QTableWidget>

#include "app/frm_rechnung.h"
#include "app/frm_rechnung_abgebot.h"
#include "core/error_log.h"
#include "core/operation_guard.h"
#include "core/session.h"
#include "documents/editing/window_lookups.h"
#include "documents/pricing/position_pricing.h"
#include "documents/totals/amounts.h"

namespace orvosal {
namespace {

constexpr const char* kNoMarks = "Keine Position markiert!";

}  // namespace

QMenu* FrmRechnung::buildPositionMenu(QWidget* parent) {
  auto* menu = new QMenu(parent);
  menu->setObjectName("mnuPositionen");
  const auto add = [this, menu](const char* caption, const char* name, auto slot) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, slot);
    return action;
  };
  add("Zwischensumme einfügen", "mnuZwischensumme", [this] { insertSubtotal(); });
  add("ab nächster Position neue Seite", "mnuNeueSeite", [this] { insertPageBreak(); });
  add("Versandkosten", "mnuVersandkosten", [this] { insertShipping(); });
  add("Teilzahlung", "mnuTeilzahlung", [this] { insertPartPayment(); });
  add("Abgebot/Rabatt", "mnuAbgebot", [this] { insertDeductionOrSurcharge(false); });
  add("Aufschlag", "mnuAufschlag", [this] { insertDeductionOrSurcharge(true); });
  menu->addSeparator();
  add("Position nach oben", "mnuNachOben", [this] {
    moveMarked(true);
  })->setShortcut(QKeySequence("Ctrl+Up"));
  add("Position nach unten", "mnuNachUnten", [this] {
    moveMarked(false);
  })->setShortcut(QKeySequence("Ctrl+Down"));
  add("Markierte Positionen löschen", "mnuPositionenLoeschen", [this] { deleteMarked(); });
  add("Positionsnummern neu vergeben", "mnuPosNummern", [this] { renumber(); });
  menu->addSeparator();
  add("Preise um .. Prozent erhöhen", "mnuPreiseErhoehen", [this] { changePrices(true); });
  add("Preise um .. Prozent senken", "mnuPreiseSenken", [this] { changePrices(false); });
  add("Einkaufspreise verwenden", "mnuEinkaufspreise", [this] { usePurchasePrices(); });
  // The window's own shortcuts work while the menu is closed.
  for (QAction* action : menu->actions()) {
    if (!action->shortcut().isEmpty()) addAction(action);
  }
  grid_->setContextMenuPolicy(Qt::ActionsContextMenu);
  grid_->addActions(menu->actions());
  return menu;
}

int FrmRechnung::vatGroup() const { return static_cast<int>(entryVat_->currentData().toLongLong()); }

void FrmRechnung::insertSubtotal() {
  if (document_->insertSubtotal(markedPositions(), vatGroup())) showDocument();
}

void FrmRechnung::insertPageBreak() {
  if (document_->insertPageBreak()) showDocument();
}

void FrmRechnung::insertShipping() {
  const std::vector<ShippingCostRow> rows = ListShippingCosts(session_);
  TableChoice choice{"frmVersandkostenSuchen",
                     "Versandkosten suchen",
                     "",
                     {"Bezeichnung", "Zusatz", "VK", "MwSt"},
                     {},
                     {"Übernehmen", "Abbrechen"},
                     0,
                     1};
  for (const ShippingCostRow& row : rows)
    choice.rows.push_back(
        {row.bezeichnung1, row.bezeichnung2, formatAmount(row.vk), std::to_string(row.mwst)});
  const TableAnswer answer = session_.ui().chooseFromTable(choice);
  if (answer.button != 0 || !answer.row || *answer.row < 0 || *answer.row >= static_cast<int>(rows.size()))
    return;
  if (document_->insertShipping(rows[static_cast<size_t>(*answer.row)].id)) showDocument();
}

void FrmRechnung::insertPartPayment() {
  const std::optional<std::string> typed =
      session_.ui().inputText("Betrag der Teilzahlung", "Teilzahlung", "");
  if (!typed) return;
  const std::optional<Currency> amount = Currency::parse(*typed);
  if (!amount) {
    session_.ui().message("Bitte eine gültige Zahl eingeben.", "Teilzahlung", MessageKind::Information);
    return;
  }
  const std::optional<std::string> text =
      session_.ui().inputText("Text der Teilzahlung", "Teilzahlung", "Teilzahlung");
  if (!text) return;
  if (document_->insertPartPayment(*amount, *text)) showDocument();
}

void FrmRechnung::insertDeductionOrSurcharge(bool surcharge) {
  const std::vector<int64_t> marked = markedPositions();
  if (marked.empty()) {
    // OpenDocument refuses with its message.
    document_->insertDeductionOrSurcharge(marked, surcharge, Currency(), "", vatGroup());
    return;
  }
  FrmAbgebot dialog(surcharge, Calculate_Positions(session_, marked), this);
  if (dialog.exec() != QDialog::Accepted) return;
  const std::optional<Currency> percent = dialog.percent();
  if (!percent) {
    session_.ui().message("es ist ein Fehler bei den Angaben ist aufgetreten\nFunktion Abgebrochen!", "",
                          MessageKind::Information);
    return;
  }
  if (document_->insertDeductionOrSurcharge(marked, surcharge, *percent, dialog.text(), vatGroup()))
    showDocument();
}

void FrmRechnung::moveMarked(bool up) {
  const std::vector<int64_t> marked = markedPositions();
  if (marked.size() != 1) {
    if (marked.empty()) session_.ui().message(kNoMarks, "", MessageKind::Information);
    return;
  }
  if (document_->movePosition(marked.front(), up)) showDocument();
}

void FrmRechnung::deleteMarked() {
  if (document_->deletePositions(markedPositions())) showDocument();
}

void FrmRechnung::renumber() {
  if (document_->renumberPositions()) showDocument();
}

void FrmRechnung::changePrices(bool raise) {
  const std::vector<int64_t> marked = markedPositions();
  if (marked.empty()) {
    session_.ui().message(kNoMarks, "", MessageKind::Information);
    return;
  }
  const char* caption = raise ? "Preise um .. Prozent erhöhen" : "Preise um .. Prozent senken";
  const std::optional<std::string> typed = session_.ui().inputText("Prozent:", caption, "");
  if (!typed) return;
  const std::optional<Currency> percent = Currency::parse(*typed);
  if (!percent) {
    session_.ui().message("Bitte eine gültige Zahl eingeben.", caption, MessageKind::Information);
    return;
  }
  runOperation(session_, operationName(kDocumentWindow, OperationKind::Sub, "Preise_Aendern"), 0,
               [&] { return changePricesByPercent(session_, document_->id(), marked, *percent, raise); });
  reloadDocument();
}

void FrmRechnung::usePurchasePrices() {
  const std::vector<int64_t> marked = markedPositions();
  if (marked.empty()) {
    session_.ui().message(kNoMarks, "", MessageKind::Information);
    return;
  }
  runOperation(session_, operationName(kDocumentWindow, OperationKind::Sub, "Einkaufspreise_verwenden"), 0,
               [&] { return orvosal::usePurchasePrices(session_, document_->id(), marked); });
  reloadDocument();
}

void FrmRechnung::enterNewPrice() {
  const int row = grid_->currentRow();
  if (row < 0 || row >= static_cast<int>(document_->positions().size())) {
    session_.ui().message(kNoMarks, "", MessageKind::Information);
    return;
  }
  DocumentPosition position = document_->positions()[static_cast<size_t>(row)];
  if (!position.isOrdinary()) return;
  const DocumentHeader& header = document_->header();
  const bool gross = header.bruttoMode;
  const Currency rate = documentVatTable(header.mwstGr, header.mwstKl).rateOfGroup(position.mwst);
  const Currency current = gross ? Brutto_Betrag(position.verkaufsPreis, rate) : position.verkaufsPreis;
  const std::optional<std::string> typed = session_.ui().inputText(
      gross ? "Bitte neuen VK-Brutto eingeben" : "Bitte neuen VK-Netto eingeben", "Preis", current.format(2));
  if (!typed) return;
  const std::optional<Currency> price = Currency::parse(*typed);
  if (!price) {
    session_.ui().message("Bitte eine gültige Zahl eingeben.", "Preis", MessageKind::Information);
    return;
  }
  position.verkaufsPreis = gross ? Netto_Betrag(*price, rate) : *price;
  if (document_->updatePosition(position)) showDocument();
}

}  // namespace orvosal
