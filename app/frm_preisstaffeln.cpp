#include "app/frm_preisstaffeln.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "app/options_widgets.h"
#include "core/session.h"

namespace orvosal {
namespace {

const char* const kColumns[] = {"Bezeichnung", "Staffel", "Option", "Wert", "Rabatt", "PreisArt", "Aktiv"};

QString optionCaption(int option) { return option > 0 ? "Betrag" : "Menge"; }

QStringList cells(const PriceScaleRow& row) {
  return {QString::fromStdString(row.bezeichnung),
          QString::fromStdString(row.staffel),
          optionCaption(row.option),
          QString::fromStdString(row.wert),
          QString::fromStdString(row.rabatt),
          QString::number(row.preisArt),
          row.aktiv ? "Ja" : "Nein"};
}

}  // namespace

FrmPreisstaffeln::FrmPreisstaffeln(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName("frmPreisstaffeln");
  setWindowTitle("Preisstaffeln");
  table_ = new QTableWidget(0, static_cast<int>(std::size(kColumns)), this);
  table_->setObjectName("lstPreisstaffeln");
  QStringList headers;
  for (const char* column : kColumns) headers << column;
  table_->setHorizontalHeaderLabels(headers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);

  bezeichnung_ = options::lineEdit(this, "txtBezeichnung", 50);
  staffel_ = options::lineEdit(this, "txtStaffel", 50);
  option_ = options::comboBox(this, "cboOption", {{"Menge", 0}, {"Betrag", 1}});
  wert_ = options::lineEdit(this, "txtWert", 18);
  rabatt_ = options::lineEdit(this, "txtRabatt", 10);
  preisArt_ = new QComboBox(this);
  preisArt_->setObjectName("cboPreisArt");
  for (int level = 1; level <= 9; ++level)
    preisArt_->addItem("Verkaufspreis" + QString::number(level), level);
  aktiv_ = options::checkBox(this, "Aktiv", "chkAktiv");

  auto* form = new QFormLayout;
  form->addRow("Bezeichnung:", bezeichnung_);
  form->addRow("Staffel:", staffel_);
  form->addRow("Option:", option_);
  form->addRow("Wert:", wert_);
  form->addRow("Rabatt in %:", rabatt_);
  form->addRow("PreisArt:", preisArt_);
  form->addRow("", aktiv_);
  auto* editor = new QVBoxLayout;
  editor->addLayout(form);
  editor->addStretch();
  auto* body = new QHBoxLayout;
  body->addWidget(table_, 3);
  body->addLayout(editor, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addLayout(options::editBar(this, &FrmPreisstaffeln::addRow, &FrmPreisstaffeln::saveRow,
                                     &FrmPreisstaffeln::deleteRow));

  connect(table_, &QTableWidget::currentCellChanged, this, [this] { showRow(); });
  loadRows(0);
}

void FrmPreisstaffeln::loadRows(int64_t markedId) {
  const QSignalBlocker quiet(table_);
  rows_ = ListPriceScaleRows(session_);
  table_->setRowCount(static_cast<int>(rows_.size()));
  int marked = rows_.empty() ? -1 : 0;
  for (int index = 0; index < static_cast<int>(rows_.size()); ++index) {
    const QStringList texts = cells(rows_[static_cast<size_t>(index)]);
    for (int column = 0; column < texts.size(); ++column) {
      table_->setItem(index, column, new QTableWidgetItem(texts[column]));
    }
    if (rows_[static_cast<size_t>(index)].id == markedId) marked = index;
  }
  table_->resizeColumnsToContents();
  table_->setCurrentCell(marked, 0);
  showRow();
}

void FrmPreisstaffeln::showRow() {
  const int index = table_->currentRow();
  shown_ = index >= 0 && index < static_cast<int>(rows_.size()) ? rows_[static_cast<size_t>(index)]
                                                                : PriceScaleRow{};
  bezeichnung_->setText(QString::fromStdString(shown_.bezeichnung));
  staffel_->setText(QString::fromStdString(shown_.staffel));
  option_->setCurrentIndex(shown_.option > 0 ? 1 : 0);
  wert_->setText(QString::fromStdString(shown_.wert));
  rabatt_->setText(QString::fromStdString(shown_.rabatt));
  preisArt_->setCurrentIndex(std::max(0, preisArt_->findData(shown_.preisArt)));
  aktiv_->setChecked(shown_.aktiv);
}

void FrmPreisstaffeln::addRow() {
  {
    const QSignalBlocker quiet(table_);
    table_->setCurrentCell(-1, 0);
  }
  showRow();
  bezeichnung_->setFocus();
}

void FrmPreisstaffeln::saveRow() {
  PriceScaleRow edited = shown_;
  edited.bezeichnung = bezeichnung_->text().toStdString();
  edited.staffel = staffel_->text().toStdString();
  edited.option = option_->currentData().toInt();
  edited.wert = wert_->text().toStdString();
  edited.rabatt = rabatt_->text().toStdString();
  edited.preisArt = preisArt_->currentData().toInt();
  edited.aktiv = aktiv_->isChecked();
  if (SavePriceScaleRow(session_, edited)) loadRows(edited.id);
}

void FrmPreisstaffeln::deleteRow() {
  if (shown_.id != 0 && DeletePriceScaleRow(session_, shown_.id)) loadRows(0);
}

void contributePriceScalesMenu(MenuRegistry& registry) {
  registry.add({"&Stammdaten", "mnuPreisstaffeln", "Preisstaffeln...", "Artikel",
                [](Session& session, QWidget* window) {
                  FrmPreisstaffeln scales(session, window);
                  scales.exec();
                }});
}

}  // namespace orvosal
