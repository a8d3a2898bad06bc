// The vCard exchange of the address window: export of the shown address or of all of its kind,
// import of a card into a new, unsaved address.
#include <QFileDialog>
#include <QMenu>
#include <QToolButton>

#include "app/frm_adressen.h"
#include "core/session.h"
#include "core/version.h"
#include "masterdata/addresses/address_editor.h"
#include "masterdata/addresses/vcard.h"

namespace orvosal {

QWidget* FrmAdressen::buildVCardButton() {
  auto* button = new QToolButton(this);
  button->setObjectName("cmdVCard");
  button->setText("vCard");
  button->setPopupMode(QToolButton::InstantPopup);
  auto* menu = new QMenu(button);
  menu->addAction("Adresse als vCard exportieren...", this, [this] { exportVCards(false); })
      ->setObjectName("mnuVCardExport");
  menu->addAction(isCustomer_ ? "Alle Kunden als vCards exportieren..."
                              : "Alle Lieferanten als vCards exportieren...",
                  this, [this] { exportVCards(true); })
      ->setObjectName("mnuVCardExportAlle");
  menu->addAction("vCard importieren...", this,
                  [this] {
                    const QString file =
                        QFileDialog::getOpenFileName(this, "vCard importieren", {}, "VCARD-Datei (*.vcf)");
                    if (!file.isEmpty()) importVCard(file);
                  })
      ->setObjectName("mnuVCardImport");
  button->setMenu(menu);
  return button;
}

void FrmAdressen::exportVCards(bool all) {
  if (!all && shown_.id == 0) {
    session_.ui().message("Bitte zuerst die Adresse speichern", kProductName, MessageKind::Information);
    return;
  }
  const std::optional<std::filesystem::path> folder = session_.ui().chooseFolder(
      "Wählen Sie das Verzeichniss, in welches die VCards-Dateien gespeichert werden sollen!");
  if (!folder) return;
  ExportVCards(session_, isCustomer_, *folder,
               all ? std::vector<int64_t>{} : std::vector<int64_t>{shown_.id});
}

void FrmAdressen::importVCard(const QString& file) {
  const VCardReading reading = ReadVCardFile(file.toStdString(), NewAddress(session_, isCustomer_));
  if (!reading.address) {
    session_.ui().message(reading.error, kProductName, MessageKind::Warning);
    return;
  }
  showAddress(*reading.address);
  tabs_->setCurrentIndex(0);
}

}  // namespace orvosal
