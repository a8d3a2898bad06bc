#include "app/frm_qr_code.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
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
// EPS and WMF are written without logo and markers.
constexpr int kEpsExport = 3;
constexpr int kWmfExport = 6;

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
  logo_ = new QLineEdit(this);
  logo_->setObjectName("txtLogo");
  logo_->setReadOnly(true);
  auto* logoButton = new QPushButton("Logo...", this);
  logoButton->setObjectName("cmdLogo");
  auto* removeLogo = new QPushButton("Logo entfernen", this);
  removeLogo->setObjectName("cmdLogoEntfernen");
  markers_ = new QCheckBox("Markierungen anzeigen", this);
  markers_->setObjectName("chkMarkers");
  note_ = new QLabel(this);
  note_->setObjectName("lblHinweis");
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
  auto* logoRow = new QHBoxLayout;
  logoRow->addWidget(logo_);
  logoRow->addWidget(logoButton);
  logoRow->addWidget(removeLogo);
  form->addRow("Logo", logoRow);
  form->addRow("", markers_);
  form->addRow("Ausgabe", export_);
  form->addRow("", note_);
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
  connect(markers_, &QCheckBox::toggled, this, [this] {
    saveChoices();
    updatePreview();
  });
  connect(text_, &QPlainTextEdit::textChanged, this, &FrmQRCode::updatePreview);
  connect(logoButton, &QPushButton::clicked, this, &FrmQRCode::pickLogo);
  connect(removeLogo, &QPushButton::clicked, this, [this] { chooseLogo({}); });
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
  logo_->setText(QString::fromStdString(choice.logo));
  markers_->setChecked(choice.showMarkers);
}

void FrmQRCode::saveChoices() {
  writeQrCodeSettings(session_.settings(), {.level = static_cast<qr::ErrorLevel>(error_->currentIndex()),
                                            .scale = scale_->currentText().toInt(),
                                            .quietZone = quietZone_->currentText().toInt(),
                                            .version = version_->currentIndex(),
                                            .mode = static_cast<qr::EncodingMode>(encoding_->currentIndex()),
                                            .logo = logo_->text().toStdString(),
                                            .showMarkers = markers_->isChecked()});
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

clsQRCode FrmQRCode::configuredCode() const {
  clsQRCode code;
  code.ApplyTilde = true;
  code.ErrorLevel = static_cast<qr::ErrorLevel>(error_->currentIndex());
  code.QuietZone = quietZone_->currentText().toInt();
  code.Version = version_->currentIndex();
  code.EncodingMode = static_cast<qr::EncodingMode>(encoding_->currentIndex());
  code.ShowMarkers = markers_->isChecked();
  // The logo was checked when it was chosen; one removed since then is left out.
  code.AddLogo(logo_->text().toStdString());
  return code;
}

bool FrmQRCode::chooseLogo(const std::filesystem::path& file) {
  clsQRCode probe;
  if (const std::string message = probe.AddLogo(file.string()); !message.empty()) {
    session_.ui().message(message, "QR-Code", MessageKind::Warning);
    return false;
  }
  logo_->setText(QString::fromStdString(file.string()));
  saveChoices();
  updatePreview();
  return true;
}

void FrmQRCode::pickLogo() {
  const QString name = QFileDialog::getOpenFileName(
      this, "Logo wählen", logo_->text(), "Bilder (*.png *.jpg *.jpeg *.bmp *.gif);;Alle Dateien (*)");
  if (!name.isEmpty()) chooseLogo(name.toStdString());
}

void FrmQRCode::showFormatNote() {
  const int chosen = export_->currentIndex();
  const bool decorated = !logo_->text().isEmpty() || markers_->isChecked();
  note_->setText(decorated && (chosen == kEpsExport || chosen == kWmfExport)
                     ? "EPS und WMF werden ohne Logo und Markierungen geschrieben."
                     : "");
}

void FrmQRCode::updatePreview() {
  showFormatNote();
  clsQRCode code = configuredCode();
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
  clsQRCode code = configuredCode();
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
    clsQRCode code = configuredCode();
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
