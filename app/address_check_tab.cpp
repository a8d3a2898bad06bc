#include "app/address_check_tab.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/options_widgets.h"
#include "masterdata/addresses/address_check_settings.h"

namespace orvosal {

AddressCheckTab::AddressCheckTab(Session& session, QWidget* parent)
    : QWidget(parent),
      session_(session),
      enabled_(options::checkBox(this, "Postanschriften beim Erfassen prüfen", "chkAdresspruefung")),
      endpoint_(options::lineEdit(this, "txtAdresspruefungURL", 255)),
      key_(options::lineEdit(this, "txtAdresspruefungKey", 255)) {
  endpoint_->setPlaceholderText("https://nominatim.example.org");
  auto* form = new QFormLayout;
  form->addRow("", enabled_);
  form->addRow("Adresse des Dienstes:", endpoint_);
  form->addRow("Schlüssel:", key_);
  auto* hint = new QLabel(
      "Der Dienst beantwortet Suchanfragen nach Straße, Postleitzahl und Ort im JSON-Format "
      "(wie ein Nominatim-Server). Ohne Adresse bleibt die Prüfung ausgeschaltet.",
      this);
  hint->setWordWrap(true);

  auto* store = options::button(this, "Speichern", "cmdSpeichern");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(store);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(hint);
  layout->addStretch();
  layout->addLayout(buttons);
  connect(store, &QPushButton::clicked, this, &AddressCheckTab::save);

  const AddressCheckSettings settings = ReadAddressCheckSettings(session_);
  enabled_->setChecked(settings.enabled);
  endpoint_->setText(QString::fromStdString(settings.endpoint));
  key_->setText(QString::fromStdString(settings.key));
}

void AddressCheckTab::save() {
  SaveAddressCheckSettings(session_, {.enabled = enabled_->isChecked(),
                                      .endpoint = endpoint_->text().trimmed().toStdString(),
                                      .key = key_->text().trimmed().toStdString()});
}

}  // namespace orvosal
