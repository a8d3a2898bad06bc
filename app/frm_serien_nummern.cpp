#include "app/frm_serien_nummern.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/options_widgets.h"
#include "app/qt_text.h"
#include "core/session.h"

namespace orvosal {
namespace {

using options::button;

}  // namespace

FrmSerienNummern::FrmSerienNummern(Session& session, int64_t articleId, int64_t documentId, QWidget* parent)
    : QDialog(parent), session_(session), articleId_(articleId), documentId_(documentId) {
  setObjectName("frmSerienNummern");
  setWindowTitle(toQString(SerialNumbersCaption(session, articleId)));
  auto* table = new QTableWidget(this);
  table->setObjectName("tblSeriennummern");
  number_ = options::lineEdit(this, "txtSeriennummer", 50);
  number_->setPlaceholderText("Seriennummer");
  QPushButton* add = button(this, "Hinzufügen", "cmdHinzufuegen");
  QPushButton* remove = button(this, "Markierte löschen", "cmdLoeschen");

  auto* entry = new QHBoxLayout;
  entry->addWidget(number_, 1);
  entry->addWidget(add);
  entry->addWidget(remove);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table, 1);
  layout->addLayout(entry);
  connect(add, &QPushButton::clicked, this, &FrmSerienNummern::add);
  connect(number_, &QLineEdit::returnPressed, this, &FrmSerienNummern::add);
  connect(remove, &QPushButton::clicked, this, &FrmSerienNummern::removeMarked);

  list_ = std::make_unique<ChildList<ListedSerialNumber>>(
      table,
      std::vector<ChildColumn<ListedSerialNumber>>{
          {"Seriennummer", [](const ListedSerialNumber& s) { return toQString(s.serial.serienNummer); }},
          {"Beleg", [](const ListedSerialNumber& s) { return toQString(s.belegnummer); }},
      },
      [](const ListedSerialNumber& s) { return s.serial.id; },
      ChildListHandlers<ListedSerialNumber>{[this] { return ListSerialNumbers(session_, articleId_); },
                                            [](const ListedSerialNumber&) {},
                                            [] { return ListedSerialNumber{}; }},
      QAbstractItemView::ExtendedSelection);
  list_->reload(0);
}

void FrmSerienNummern::add() {
  SerialNumber serial{0, articleId_, number_->text().toStdString(), documentId_};
  if (!AddSerialNumber(session_, serial)) return;
  number_->clear();
  list_->reload(serial.id);
  number_->setFocus();
}

void FrmSerienNummern::removeMarked() {
  if (DeleteSerialNumbers(session_, list_->markedKeys())) list_->reload(0);
}

}  // namespace orvosal
