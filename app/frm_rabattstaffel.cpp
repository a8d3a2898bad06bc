#include "app/frm_rabattstaffel.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/level_percent_fields.h"
#include "app/options_widgets.h"
#include "core/session.h"
#include "core/version.h"
#include "masterdata/articles/discount_scale_editor.h"

namespace orvosal {

frmRabattStaffel::frmRabattStaffel(Session& session, QWidget* parent)
    : QDialog(parent), session_(session), fields_(DiscountScaleFields()) {
  setObjectName("frmRabattStaffel");
  setWindowTitle("Rabattstaffeln");
  scales_ = new QListWidget(this);
  scales_->setObjectName("lstRabattStaffeln");
  title_ = options::lineEdit(this, "txtTitel", 70);
  fields_.bind("Titel", title_);

  auto* form = new QFormLayout;
  form->addRow("Titel:", title_);
  auto* editor = new QVBoxLayout;
  editor->addLayout(form);
  editor->addWidget(levelPercentFields(this, fields_));
  editor->addStretch();
  auto* body = new QHBoxLayout;
  body->addWidget(scales_, 2);
  body->addLayout(editor, 3);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addLayout(options::editBar(this, &frmRabattStaffel::addScale, &frmRabattStaffel::saveScale,
                                     &frmRabattStaffel::deleteScale));

  connect(scales_, &QListWidget::currentRowChanged, this, &frmRabattStaffel::showScale);
  loadScales(0);
}

void frmRabattStaffel::loadScales(int64_t markedId) {
  const QSignalBlocker quiet(scales_);
  scales_->clear();
  int marked = -1;
  for (const DiscountScale& scale : ListDiscountScales(session_)) {
    auto* item = new QListWidgetItem(QString::fromStdString(scale.titel), scales_);
    item->setData(Qt::UserRole, static_cast<qlonglong>(scale.id));
    if (scale.id == markedId || marked < 0) marked = scales_->count() - 1;
  }
  scales_->setCurrentRow(marked);
  showScale();
}

void frmRabattStaffel::showScale() {
  const QListWidgetItem* item = scales_->currentItem();
  const int64_t id = item != nullptr ? item->data(Qt::UserRole).toLongLong() : 0;
  shown_ = id != 0 ? ReadDiscountScale(session_, id).value_or(DiscountScale{}) : DiscountScale{};
  fields_.show(shown_);
}

void frmRabattStaffel::addScale() {
  const QSignalBlocker quiet(scales_);
  scales_->setCurrentRow(-1);
  shown_ = DiscountScale{};
  fields_.show(shown_);
  title_->setFocus();
}

void frmRabattStaffel::saveScale() {
  if (const std::optional<EntryProblem> problem = fields_.firstProblem()) {
    session_.ui().message(problem->message, kProductName, MessageKind::Warning);
    problem->control->setFocus();
    return;
  }
  DiscountScale edited = shown_;
  fields_.enter(edited);
  if (SaveDiscountScale(session_, edited)) loadScales(edited.id);
}

void frmRabattStaffel::deleteScale() {
  if (shown_.id != 0 && DeleteDiscountScale(session_, shown_.id)) loadScales(0);
}

void contributeDiscountScalesMenu(MenuRegistry& registry) {
  registry.add({"&Stammdaten", "mnuRabattstaffeln", "Rabattstaffeln...", "Artikel",
                [](Session& session, QWidget* window) {
                  frmRabattStaffel scales(session, window);
                  scales.exec();
                }});
}

}  // namespace orvosal
