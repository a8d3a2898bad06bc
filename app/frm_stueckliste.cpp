#include "app/frm_stueckliste.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/frm_artikel_suche.h"
#include "app/options_widgets.h"
#include "app/qt_text.h"
#include "core/session.h"
#include "masterdata/articles/article_editor.h"
#include "masterdata/articles/article_lookups.h"

namespace orvosal {
namespace {

using options::button;
using options::lineEdit;

}  // namespace

FrmStueckliste::FrmStueckliste(Session& session, int64_t masterId, QWidget* parent)
    : QDialog(parent), session_(session), masterId_(masterId) {
  setObjectName("frmStueckliste");
  setWindowTitle(toQString("Stückliste " + Get_Artikelnummer_By_ArtikelID(session, masterId)).trimmed());
  auto* table = new QTableWidget(this);
  table->setObjectName("tblStueckliste");

  auto* fields = new QGroupBox("Komponente", this);
  number_ = lineEdit(fields, "txtArtikelnummer", 50);
  description_ = new QLabel(fields);
  description_->setObjectName("lblBezeichnung");
  QLineEdit* quantity = lineEdit(fields, "txtMenge", 20);
  quantity->setPlaceholderText("1");
  binding_.bind("Nummer", number_);
  binding_.bind("Bezeichnung", description_);
  binding_.bind("Menge", quantity);
  QPushButton* search = button(fields, "Suchen...", "cmdSuchen");
  auto* numberRow = new QHBoxLayout;
  numberRow->addWidget(number_, 1);
  numberRow->addWidget(search);
  auto* form = new QFormLayout(fields);
  form->addRow("Artikelnummer:", numberRow);
  form->addRow("Bezeichnung:", description_);
  form->addRow("Menge:", quantity);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table, 1);
  layout->addWidget(fields);
  layout->addLayout(
      options::editBar(this, &FrmStueckliste::newLine, &FrmStueckliste::save, &FrmStueckliste::remove));

  connect(search, &QPushButton::clicked, this, &FrmStueckliste::searchComponent);

  list_ = std::make_unique<ChildList<BomLine>>(
      table,
      std::vector<ChildColumn<BomLine>>{
          {"Pos", [](const BomLine& l) { return QString::number(l.pos); }},
          {"Artikelnummer", [](const BomLine& l) { return toQString(l.nummer); }},
          {"Bezeichnung", [](const BomLine& l) { return toQString(l.bezeichnung); }},
          {"Menge", [](const BomLine& l) { return toQString(l.menge.formatGrouped(2)); },
           Qt::AlignRight | Qt::AlignVCenter},
      },
      [](const BomLine& l) { return l.id; },
      ChildListHandlers<BomLine>{[this] { return ReadBillOfMaterials(session_, masterId_); },
                                 [this](const BomLine& l) { showLine(l); },
                                 [this] {
                                   BomLine line;
                                   line.stammArtikelId = masterId_;
                                   return line;
                                 }});
  list_->reload(0);
}

void FrmStueckliste::showLine(const BomLine& line) {
  shown_ = line;
  binding_.show(line);
}

void FrmStueckliste::newLine() {
  list_->startNew();
  number_->setFocus();
}

void FrmStueckliste::searchComponent() {
  const std::optional<int64_t> picked =
      frmArtikelSuche::pickArticle(this, session_, number_->text().trimmed());
  if (!picked) return;
  if (const std::optional<Article> article = ReadArticle(session_, *picked)) {
    number_->setText(toQString(article->artikelnummer));
    description_->setText(toQString(article->bezeichnung1));
  }
}

void FrmStueckliste::save() {
  if (!EntriesReadable(session_, binding_)) return;
  BomLine line = shown_;
  binding_.enter(line);
  line.artikelId = Get_ArtikelID_By_Artikelnummer(session_, line.nummer);
  if (SaveBomLine(session_, line)) list_->reload(line.id);
}

void FrmStueckliste::remove() {
  if (shown_.id != 0 && DeleteBomLine(session_, shown_.id)) list_->reload(0);
}

}  // namespace orvosal
