#pragma once

#include <QDialog>
#include <filesystem>

#include "app/menu_registry.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;

namespace orvosal {

class Session;

// The QR code window (Extras → QR-Code...): a text with payload templates, level, scale, quiet
// zone, version and encoding, a live preview of the symbol and the export to the clipboard or a
// file. The choices are kept in the settings section "QRCodeSettings".
class FrmQRCode : public QDialog {
  Q_OBJECT

 public:
  explicit FrmQRCode(Session& session, QWidget* parent = nullptr);

  // Writes the symbol into the file in the format the export list names; shows "Datei " + name +
  // " gespeichert" or the encoder's message. False when nothing was written.
  bool exportTo(const std::filesystem::path& file);

 private:
  void loadChoices();
  void saveChoices();
  void takeSample();
  void updatePreview();
  void exportChosen();

  Session& session_;
  QPlainTextEdit* text_;
  QComboBox* samples_;
  QComboBox* error_;
  QComboBox* scale_;
  QComboBox* quietZone_;
  QComboBox* version_;
  QComboBox* encoding_;
  QComboBox* export_;
  QLabel* preview_;
  QLabel* info_;
};

void contributeQrCodeMenu(MenuRegistry& registry);

}  // namespace orvosal
