#include "app/frm_qr_code.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/clock.h"
#include "core/session.h"
#include "output/qr/qr_output.h"
#include "output/qr/qr_samples.h"

namespace orvosal {

namespace {

const QStringList kExports = {"(none)",   "clipboard", "BMP file", "EPS file",
                              "SVG file", "HTML file", "WMF file"};
const QStringList kExtensions = {"", "", ".bmp", ".eps", ".svg", ".html", ".wmf"};

QComboBox* combo(QWidget* parent, const char* name, const QStringList& entries) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  box->addItems(entries);
  return box;
}

QStringList numbers(int from, int to) {
  QStringList list;
  for (int i = from; i <= to; ++i) list << QString::number(i);
  return list;
}

}  // namespace

FrmQRCode::FrmQRCode(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName("frmQRCode");
  setWindowTitle("QR-Code");
  text_ = new QPlainTextEdit(this);
  text_->setObjectName("txtText");
  QStringList sampleNames;
  for (const auto& sample : qr::qrSamples())
    sampleNames << QString::fromUtf8(sample.name.data(), qsizetype(sample.name.size()));
  samples_ = combo(this, "cmbSamples", sampleNames);
  error_ = combo(this, "cmbError", {"L", "M", "Q", "H"});
  scale_ = combo(this, "cmbScale", numbers(1, 20));
  quietZone_ = combo(this, "cmbQuietZone", numbers(0, 10));
  version_ = combo(this, "cmbVersion", QStringList{"(auto)"} + numbers(1, 40));
  encoding_ = combo(this, "cmbEncoding", {"Numeric", "AlphaNumeric", "Binary"});
  export_ = combo(this, "cmbExport", kExports);
  preview_ = new QLabel(this);
  preview_->setObjectName("imgPreview");
  preview_->setMinimumSize(200, 200);
  preview_->setAlignment(Qt::AlignCenter);
  info_ = new QLabel(this);
  info_->setObjectName("lblInfo");
  auto* exportButton = new QPushButton("Exportieren", this);
  exportButton->setObjectName("cmdExport");

  auto* form = new QFormLayout;
  form->addRow("Vorlage", samples_);
  form->addRow("Fehlerkorrektur", error_);
  form->addRow("Skalierung", scale_);
  form->addRow("Rand", quietZone_);
  form->addRow("Version", version_);
  form->addRow("Kodierung", encoding_);
  form->addRow("Ausgabe", export_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addLayout(form);
  layout->addWidget(preview_);
  layout->addWidget(info_);
  layout->addWidget(exportButton);

  loadChoices();
  connect(samples_, &QComboBox::activated, this, &FrmQRCode::takeSample);
  for (QComboBox* box : {error_, scale_, quietZone_, version_, encoding_, export_})
    connect(box, &QComboBox::currentIndexChanged, this, [this] {
      saveChoices();
      updatePreview();
    });
  connect(text_, &QPlainTextEdit::textChanged, this, &FrmQRCode::updatePreview);
  connect(exportButton, &QPushButton::clicked, this, &FrmQRCode::exportChosen);
  updatePreview();
}

void FrmQRCode::loadChoices() {
  const QrCodeSettings choice = readQrCodeSettings(session_.settings());
  error_->setCurrentIndex(static_cast<int>(choice.level));
  scale_->setCurrentText(QString::number(choice.scale));
  quietZone_->setCurrentText(QString::number(choice.quietZone));
  version_->setCurrentIndex(choice.version);
  encoding_->setCurrentIndex(static_cast<int>(choice.mode));
  const auto& settings = session_.settings();
  samples_->setCurrentText(
      QString::fromStdString(settings.ReadSetting(kQrSettingsSection, "cmbSamples", "Freier Text")));
  export_->setCurrentText(
      QString::fromStdString(settings.ReadSetting(kQrSettingsSection, "cmbExport", "(none)")));
}

void FrmQRCode::saveChoices() {
  writeQrCodeSettings(session_.settings(),
                      {.level = static_cast<qr::ErrorLevel>(error_->currentIndex()),
                       .scale = scale_->currentText().toInt(),
                       .quietZone = quietZone_->currentText().toInt(),
                       .version = version_->currentIndex(),
                       .mode = static_cast<qr::EncodingMode>(encoding_->currentIndex())});
  session_.settings().WriteSetting(kQrSettingsSection, "cmbSamples", samples_->currentText().toStdString());
  session_.settings().WriteSetting(kQrSettingsSection, "cmbExport", export_->currentText().toStdString());
}

void FrmQRCode::takeSample() {
  const auto& samples = qr::qrSamples();
  const int index = samples_->currentIndex();
  if (index >= 0 && index < static_cast<int>(samples.size()))
    text_->setPlainText(QString::fromStdString(samples[static_cast<size_t>(index)].text));
  saveChoices();
}

void FrmQRCode::updatePreview() {
  clsQRCode code;
  code.ApplyTilde = true;
  code.ErrorLevel = static_cast<qr::ErrorLevel>(error_->currentIndex());
  code.QuietZone = quietZone_->currentText().toInt();
  code.Version = version_->currentIndex();
  code.EncodingMode = static_cast<qr::EncodingMode>(encoding_->currentIndex());
  const std::string message = code.Encode(text_->toPlainText().toStdString());
  if (!message.empty()) {
    preview_->setPixmap(QPixmap());
    info_->setText(QString::fromStdString(message));
    return;
  }
  const std::string bmp = code.GetBMP(std::max(1, 200 / (code.Size() + 2 * code.QuietZone)));
  preview_->setPixmap(QPixmap::fromImage(
      QImage::fromData(reinterpret_cast<const uchar*>(bmp.data()), int(bmp.size()), "BMP")));
  info_->setText(QString("Version %1, %2 × %2 Module").arg(code.symbol().version).arg(code.Size()));
}

bool FrmQRCode::exportTo(const std::filesystem::path& file) {
  clsQRCode code;
  code.ApplyTilde = true;
  code.ErrorLevel = static_cast<qr::ErrorLevel>(error_->currentIndex());
  code.QuietZone = quietZone_->currentText().toInt();
  code.Version = version_->currentIndex();
  code.EncodingMode = static_cast<qr::EncodingMode>(encoding_->currentIndex());
  const int chosen = std::max(2, export_->currentIndex());
  const std::string message =
      writeQrCodeFileAs(code, text_->toPlainText().toStdString(), file, kExtensions[chosen].toStdString(),
                        scale_->currentText().toInt(), session_.clock().now());
  if (!message.empty()) {
    session_.ui().message(message, "QR-Code", MessageKind::Warning);
    return false;
  }
  session_.ui().message("Datei " + file.filename().string() + " gespeichert", "QR-Code",
                        MessageKind::Information);
  return true;
}

void FrmQRCode::exportChosen() {
  const int chosen = export_->currentIndex();
  if (chosen <= 0) return;
  if (chosen == 1) {
    clsQRCode code;
    code.ApplyTilde = true;
    code.ErrorLevel = static_cast<qr::ErrorLevel>(error_->currentIndex());
    code.Version = version_->currentIndex();
    code.EncodingMode = static_cast<qr::EncodingMode>(encoding_->currentIndex());
    code.QuietZone = quietZone_->currentText().toInt();
    const std::string message = code.Encode(text_->toPlainText().toStdString());
    if (!message.empty()) {
      session_.ui().message(message, "QR-Code", MessageKind::Warning);
      return;
    }
    const std::string bmp = code.GetBMP(scale_->currentText().toInt());
    QApplication::clipboard()->setImage(
        QImage::fromData(reinterpret_cast<const uchar*>(bmp.data()), int(bmp.size()), "BMP"));
    return;
  }
  const QString name =
      QFileDialog::getSaveFileName(this, "QR-Code speichern", "qrcode" + kExtensions[chosen]);
  if (!name.isEmpty()) exportTo(name.toStdString());
}

void contributeQrCodeMenu(MenuRegistry& registry) {
  registry.add({"E&xtras", "mnuQRCode", "QR-Code...", "", [](Session& session, QWidget* window) {
                  FrmQRCode dialog(session, window);
                  dialog.exec();
                }});
}

}  // namespace orvosal
