#pragma once

#include <QDialog>
#include <filesystem>

#include "app/menu_registry.h"
#include "output/qr/cls_qr_code.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace orvosal {

class Session;

// The QR code window (Extras → QR-Code...): a text with payload templates, level, scale, quiet
// zone, version and encoding, a logo over the centre, the markers view, a live preview of the symbol
// and the export to the clipboard or a file. The choices are kept in the settings section
// "QRCodeSettings".
class FrmQRCode : public QDialog {
  Q_OBJECT

 public:
  explicit FrmQRCode(Session& session, QWidget* parent = nullptr);

  // Writes the symbol into the file in the format the export list names; shows "Datei " + name +
  // " gespeichert" or the encoder's message. False when nothing was written.
  bool exportTo(const std::filesystem::path& file);
  // Takes the image as the logo ("Logo..." after the file dialog); an empty path removes it. A
  // file that is no image shows the encoder's message, keeps the logo before and answers false.
  bool chooseLogo(const std::filesystem::path& file);

 private:
  // An encoder with the dialog's choices, the logo and the markers view.
  clsQRCode configuredCode() const;
  void pickLogo();
  void showFormatNote();
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
  QLineEdit* logo_;
  QCheckBox* markers_;
  QLabel* note_;
  QLabel* preview_;
  QLabel* info_;
};

void contributeQrCodeMenu(MenuRegistry& registry);

}  // namespace orvosal
