#include "app/frm_database.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/version.h"

namespace orvosal {

frmDatabase::frmDatabase(const std::vector<DatabaseEntry>& entries, int preselected, QWidget* parent)
    : QDialog(parent) {
  setObjectName("frmDatabase");
  setWindowTitle(QString("%1 - Datenbank auswählen").arg(kProductName));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Datenbank:", this));
  databases_ = new QComboBox(this);
  databases_->setObjectName("databases");
  for (const auto& entry : entries) databases_->addItem(QString::fromStdString(entry.title), entry.number);
  databases_->setCurrentIndex(preselected);
  layout->addWidget(databases_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setText("Abbrechen");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

int frmDatabase::chosenPosition() const { return databases_->currentIndex(); }

}  // namespace orvosal
