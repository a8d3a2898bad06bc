#include "app/frm_warengruppe.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include "app/level_percent_fields.h"
#include "app/options_widgets.h"
#include "app/qt_text.h"
#include "core/session.h"
#include "core/version.h"
#include "masterdata/articles/product_group_editor.h"
#include "masterdata/articles/supplier_choices.h"

namespace orvosal {

frmWarengruppe::frmWarengruppe(Session& session, QWidget* parent)
    : QDialog(parent), session_(session), fields_(ProductGroupFields()) {
  setObjectName("frmWarengruppe");
  setWindowTitle("Warengruppen");
  kinds_ = new QTabBar(this);
  kinds_->setObjectName("tabArt");
  kinds_->addTab("Warengruppen");
  kinds_->addTab("Hauptwarengruppen");
  groups_ = new QListWidget(this);
  groups_->setObjectName("lstGruppen");

  auto* body = new QHBoxLayout;
  body->addWidget(groups_, 2);
  body->addWidget(editor(), 3);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(kinds_);
  layout->addLayout(body, 1);
  layout->addLayout(options::editBar(this, &frmWarengruppe::addGroup, &frmWarengruppe::saveGroup,
                                     &frmWarengruppe::deleteGroup));

  connect(kinds_, &QTabBar::currentChanged, this, &frmWarengruppe::switchKind);
  connect(groups_, &QListWidget::currentRowChanged, this, &frmWarengruppe::showGroup);
  switchKind();
}

QWidget* frmWarengruppe::editor() {
  auto* panel = new QWidget(this);
  name_ = options::lineEdit(panel, "txtName", 50);
  nameLabel_ = new QLabel(panel);
  mainGroup_ = new QComboBox(panel);
  mainGroup_->setObjectName("cboHauptwarengruppe");
  mainGroup_->setEditable(true);
  mainGroupLabel_ = new QLabel("Hauptwarengruppe:", panel);
  QLineEdit* description = options::lineEdit(panel, "txtBeschreibung", 50);
  supplier_ = new QComboBox(panel);
  supplier_->setObjectName("cboLieferant");
  for (const IdChoice& choice : SupplierChoices(session_))
    supplier_->addItem(toQString(choice.caption), static_cast<qlonglong>(choice.id));
  QLineEdit* commission = options::lineEdit(panel, "txtMaxProvision", 12);
  QCheckBox* search = options::checkBox(panel, "in der Produktsuche", "chkProduktsuche");
  fields_.bind("Beschreibung", description);
  fields_.bind("Lieferant", supplier_);
  fields_.bindAmount("maxProvision", commission, 2);
  fields_.bind("Produktsuche", search);

  auto* form = new QFormLayout;
  form->addRow(nameLabel_, name_);
  form->addRow(mainGroupLabel_, mainGroup_);
  form->addRow("Beschreibung:", description);
  form->addRow("Lieferant:", supplier_);
  form->addRow("max. Provision (%):", commission);
  form->addRow("", search);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  column->addLayout(form);
  column->addWidget(levelPercentFields(panel, fields_));
  column->addStretch();
  return panel;
}

GroupKind frmWarengruppe::kind() const {
  return kinds_->currentIndex() == 0 ? GroupKind::ProductGroup : GroupKind::MainGroup;
}

void frmWarengruppe::switchKind() {
  const bool productGroups = kind() == GroupKind::ProductGroup;
  nameLabel_->setText(productGroups ? "Warengruppe:" : "Hauptwarengruppe:");
  mainGroupLabel_->setVisible(productGroups);
  mainGroup_->setVisible(productGroups);
  fillMainGroupProposals();
  loadGroups(0);
}

// The main groups of all suppliers are offered for a product group; another name may be typed.
void frmWarengruppe::fillMainGroupProposals() {
  mainGroup_->clear();
  mainGroup_->addItem("");
  for (const ProductGroup& main : ListGroups(session_, GroupKind::MainGroup)) {
    if (mainGroup_->findText(toQString(main.hauptwarengruppe)) < 0)
      mainGroup_->addItem(toQString(main.hauptwarengruppe));
  }
}

void frmWarengruppe::loadGroups(int64_t markedId) {
  const QSignalBlocker quiet(groups_);
  groups_->clear();
  int marked = -1;
  for (const ProductGroup& group : ListGroups(session_, kind())) {
    QString caption = toQString(groupName(group, kind()));
    if (group.lieferant != 0) {
      const int supplier = supplier_->findData(static_cast<qlonglong>(group.lieferant));
      caption +=
          "  (" + (supplier >= 0 ? supplier_->itemText(supplier) : QString::number(group.lieferant)) + ")";
    }
    auto* item = new QListWidgetItem(caption, groups_);
    item->setData(Qt::UserRole, static_cast<qlonglong>(group.id));
    if (group.id == markedId || marked < 0) marked = groups_->count() - 1;
  }
  groups_->setCurrentRow(marked);
  showGroup();
}

void frmWarengruppe::showGroup() {
  const QListWidgetItem* item = groups_->currentItem();
  const int64_t id = item != nullptr ? item->data(Qt::UserRole).toLongLong() : 0;
  shown_ = id != 0 ? ReadProductGroup(session_, id).value_or(ProductGroup{}) : ProductGroup{};
  fields_.show(shown_);
  name_->setText(toQString(groupName(shown_, kind())));
  mainGroup_->setCurrentText(toQString(shown_.hauptwarengruppe));
}

void frmWarengruppe::addGroup() {
  const QSignalBlocker quiet(groups_);
  groups_->setCurrentRow(-1);
  shown_ = ProductGroup{};
  fields_.show(shown_);
  name_->clear();
  mainGroup_->setCurrentText("");
  name_->setFocus();
}

void frmWarengruppe::saveGroup() {
  if (const std::optional<EntryProblem> problem = fields_.firstProblem()) {
    session_.ui().message(problem->message, kProductName, MessageKind::Warning);
    problem->control->setFocus();
    return;
  }
  ProductGroup edited = shown_;
  fields_.enter(edited);
  groupName(edited, kind()) = name_->text().toStdString();
  if (kind() == GroupKind::ProductGroup) edited.hauptwarengruppe = mainGroup_->currentText().toStdString();
  if (!SaveProductGroup(session_, kind(), edited)) return;
  if (kind() == GroupKind::ProductGroup) fillMainGroupProposals();
  loadGroups(edited.id);
}

void frmWarengruppe::deleteGroup() {
  if (shown_.id != 0 && DeleteProductGroup(session_, kind(), shown_.id)) loadGroups(0);
}

void contributeProductGroupsMenu(MenuRegistry& registry) {
  registry.add(
      {"&Stammdaten", "mnuWarengruppen", "Warengruppen...", "Artikel", [](Session& session, QWidget* window) {
         frmWarengruppe groups(session, window);
         groups.exec();
       }});
}

}  // namespace orvosal
