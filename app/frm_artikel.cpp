#include "app/frm_artikel.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>
#include <limits>

#include "app/options_widgets.h"
#include "app/qt_text.h"
#include "core/session.h"
#include "core/text.h"
#include "core/users/last_opened.h"
#include "masterdata/articles/article_editor.h"
#include "masterdata/articles/article_leave.h"
#include "masterdata/articles/discount_scale_editor.h"

namespace orvosal {
namespace {

// Browsing backwards from a new article starts above every stored ID.
constexpr int64_t kAboveEveryArticleId = std::numeric_limits<int32_t>::max();

// An amount with two decimals, or as many more (up to four) as it holds: prices are kept to four
// decimals, and showing fewer would round them on the next save.
QString amountText(Currency value) {
  int decimals = 2;
  while (decimals < 4 && value.rounded(decimals, Rounding::HalfEven) != value) ++decimals;
  return toQString(value.format(decimals));
}

void fillCombo(QComboBox* combo, const std::vector<IdChoice>& choices) {
  const QSignalBlocker quiet(combo);
  combo->clear();
  for (const IdChoice& choice : choices)
    combo->addItem(toQString(choice.caption), static_cast<qlonglong>(choice.id));
}

}  // namespace

FrmArtikel::FrmArtikel(Session& session, QWidget* parent) : QWidget(parent), session_(session) {
  setObjectName(kArticleWindow);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("tabArtikel");
  QWidget* header = buildHeader();
  tabs_->addTab(buildGeneralTab(), "Allgemein");
  tabs_->addTab(buildPricesTab(), "Preise");
  tabs_->addTab(buildStockTab(), "Lager und Kennzeichen");
  tabs_->addTab(buildTextsTab(), "Texte");
  tabs_->addTab(buildExtraTab(), "Zusatz");

  childBar_ = new QWidget(this);
  childBar_->setObjectName("fraUnterfenster");
  childRow_ = new QHBoxLayout(childBar_);
  childRow_->setContentsMargins(0, 0, 0, 0);
  childRow_->addStretch();
  childBar_->hide();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(header);
  layout->addWidget(tabs_, 1);
  layout->addWidget(childBar_);
  layout->addLayout(buildButtonRow());

  connect(supplier_, &QComboBox::currentIndexChanged, this, &FrmArtikel::supplierChanged);
  resize(960, 620);
  startNew();
}

QHBoxLayout* FrmArtikel::buildButtonRow() {
  QHBoxLayout* bar = options::recordBar(this, &FrmArtikel::browse, &FrmArtikel::newArticle, &FrmArtikel::save,
                                        &FrmArtikel::remove);
  copyButton_ = options::button(this, "Kopieren", "cmdKopieren");
  connect(copyButton_, &QPushButton::clicked, this, &FrmArtikel::copy);
  QPushButton* extras = options::button(this, "Extras", "cmdExtras");
  extras_ = new QMenu("Extras", extras);
  extras_->setObjectName("mnuExtras");
  extras->setMenu(extras_);
  QAction* number = extras_->addAction("Neue Artikelnummer vergeben");
  number->setObjectName("mnuNeueArtikelnummer");
  connect(number, &QAction::triggered, this, &FrmArtikel::assignNumber);
  QPushButton* close = options::button(this, "Schließen", "cmdSchliessen");
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  bar->addWidget(copyButton_);
  bar->addWidget(extras);
  bar->addSpacing(12);
  bar->addWidget(close);
  return bar;
}

QPushButton* FrmArtikel::addChildButton(const QString& caption, std::function<void(int64_t articleId)> open) {
  auto* push = new QPushButton(caption, childBar_);
  push->setAutoDefault(false);
  push->setEnabled(shown_.id != 0);
  childRow_->insertWidget(childRow_->count() - 1, push);
  push->show();
  childBar_->show();
  childButtons_.push_back(push);
  connect(push, &QPushButton::clicked, this, [this, open = std::move(open)] { openChild(open); });
  return push;
}

void FrmArtikel::load(int64_t id) {
  if (const std::optional<Article> article = ReadArticle(session_, id)) showArticle(*article);
}

void FrmArtikel::startNew() {
  showArticle(NewArticle());
  tabs_->setCurrentIndex(0);
  description_->setFocus();
}

void FrmArtikel::closeEvent(QCloseEvent* event) {
  if (mayLeave()) {
    event->accept();
  } else {
    event->ignore();
  }
}

void FrmArtikel::fillChoices() {
  fillCombo(supplier_, SupplierChoices(session_));
  fillCombo(discountScale_, DiscountScaleChoices(session_));
  fillCombo(commissionClass_, CommissionClassChoices(session_));
}

void FrmArtikel::fillGroups(int64_t supplierId) {
  for (const GroupCombo& group : groups_)
    fillCombo(group.combo, ArticleGroupChoices(session_, group.kind, supplierId));
}

void FrmArtikel::showGroups(const Article& article) {
  for (const GroupCombo& group : groups_) {
    const QString name = toQString(article.*group.name);
    const qlonglong id = article.*group.id;
    int index = 0;
    if (id != 0 || !name.isEmpty()) {
      index = -1;
      for (int entry = 1; entry < group.combo->count() && index < 0; ++entry) {
        if (group.combo->itemData(entry).toLongLong() == id && group.combo->itemText(entry) == name)
          index = entry;
      }
      // A group the list does not offer (another supplier's, or deleted since) is kept as it is.
      if (index < 0) {
        group.combo->addItem(name, id);
        index = group.combo->count() - 1;
      }
    }
    group.combo->setCurrentIndex(index);
  }
}

void FrmArtikel::supplierChanged() {
  const Article current = entered();
  fillGroups(current.lieferant);
  showGroups(current);
}

void FrmArtikel::showArticle(const Article& article) {
  shown_ = article;
  fillChoices();
  {
    const QSignalBlocker quiet(supplier_);
    binding_.show(article);
  }
  fillGroups(article.lieferant);
  showGroups(article);
  for (const auto& [edit, column] : amounts_)
    edit->setText(amountText(fieldValue(article, findField(ArticleFields(), column)).toCurrency()));
  component_->setChecked(article.stücklistenArtikel > 0);
  master_->setChecked(article.masterArtikel > 0);

  const bool stored = article.id != 0;
  id_->setText(stored ? QString::number(article.id) : "neu");
  copyButton_->setEnabled(stored);
  for (QPushButton* child : childButtons_) child->setEnabled(stored);
  setWindowTitle(stored ? "Artikel erfassen (" + toQString(article.artikelnummer) + " " +
                              toQString(article.bezeichnung1) + ")"
                        : "Artikel erfassen");
  showPicture();
}

void FrmArtikel::showPicture() {
  const QPixmap pixmap(picturePath_->text().trimmed());
  if (pixmap.isNull()) {
    picture_->clear();
    return;
  }
  picture_->setPixmap(pixmap.scaled(picture_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

Article FrmArtikel::entered() const {
  Article article = shown_;
  binding_.enter(article);
  for (const GroupCombo& group : groups_) {
    const bool none = group.combo->currentIndex() <= 0;
    article.*group.name = none ? std::string() : group.combo->currentText().toStdString();
    article.*group.id = none ? 0 : static_cast<int>(group.combo->currentData().toLongLong());
  }
  return article;
}

bool FrmArtikel::mayLeave() {
  Article article = entered();
  const std::optional<EntryProblem> problem = binding_.firstProblem();
  if (!LeaveArticle(session_, shown_, article, problem ? problem->message : "")) {
    if (problem) focusControl(problem->control);
    return false;
  }
  return true;
}

void FrmArtikel::focusControl(QWidget* control) {
  for (int tab = 0; tab < tabs_->count(); ++tab) {
    if (tabs_->widget(tab)->isAncestorOf(control)) tabs_->setCurrentIndex(tab);
  }
  control->setFocus();
}

void FrmArtikel::browse(ArticleStep step) {
  std::optional<int64_t> target;
  switch (step) {
    case ArticleStep::First:
      target = NextArticleId(session_, 0);
      break;
    case ArticleStep::Previous:
      target = PreviousArticleId(session_, shown_.id != 0 ? shown_.id : kAboveEveryArticleId);
      break;
    case ArticleStep::Next:
      if (shown_.id != 0) target = NextArticleId(session_, shown_.id);
      break;
    case ArticleStep::Last:
      target = PreviousArticleId(session_, kAboveEveryArticleId);
      break;
  }
  // At either end the shown article stays, with what the user typed.
  if (target && mayLeave()) load(*target);
}

void FrmArtikel::newArticle() {
  if (mayLeave()) startNew();
}

void FrmArtikel::save() {
  if (const std::optional<EntryProblem> problem = binding_.firstProblem()) {
    session_.ui().message(problem->message, "", MessageKind::Information);
    focusControl(problem->control);
    return;
  }
  Article article = entered();
  switch (SaveArticle(session_, article)) {
    case ArticleSaveOutcome::Saved:
      load(article.id);
      break;
    case ArticleSaveOutcome::Refused:
      if (trim(article.bezeichnung1).empty()) focusControl(description_);
      break;
    case ArticleSaveOutcome::Unchanged:
      break;
  }
}

void FrmArtikel::remove() {
  const int64_t id = shown_.id;
  if (id == 0 || !DeleteArticle(session_, id)) return;
  std::optional<int64_t> neighbour = NextArticleId(session_, id);
  if (!neighbour) neighbour = PreviousArticleId(session_, id);
  if (neighbour) {
    load(*neighbour);
  } else {
    startNew();
  }
}

void FrmArtikel::copy() {
  if (shown_.id == 0 || !mayLeave()) return;
  if (const std::optional<int64_t> copied = CopyArticle(session_, shown_.id)) load(*copied);
}

void FrmArtikel::assignNumber() {
  Article article = entered();
  if (AssignNewArticleNumber(session_, article)) number_->setText(toQString(article.artikelnummer));
}

void FrmArtikel::choosePicture() {
  const QString file = QFileDialog::getOpenFileName(this, "Bild wählen",
                                                    QFileInfo(picturePath_->text().trimmed()).absolutePath(),
                                                    "Bilder (*.jpg *.jpeg *.png *.bmp *.gif)");
  if (file.isEmpty()) return;
  picturePath_->setText(file);
  showPicture();
}

void FrmArtikel::openChild(const std::function<void(int64_t)>& open) {
  if (shown_.id == 0 || !mayLeave()) return;
  const int64_t id = shown_.id;
  open(id);
  load(id);
}

FrmArtikel* openArticleWindow(Session& session, QWidget* parent, std::optional<int64_t> articleId) {
  auto* window = new FrmArtikel(session, parent);
  addArticleExtensions(window, session);
  if (!articleId) articleId = LastOpenedRecord(session, kArticleWindow);
  if (articleId) window->load(*articleId);
  window->setWindowFlag(Qt::Window);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  return window;
}

void contributeArticleMenu(MenuRegistry& registry) {
  registry.add({"&Stammdaten", "mnuArtikel", "Artikel...", "Artikel",
                [](Session& session, QWidget* window) { openArticleWindow(session, window); }});
}

}  // namespace orvosal
