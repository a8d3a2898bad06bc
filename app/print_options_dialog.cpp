#include "app/print_options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/qt_text.h"

namespace orvosal {

namespace {

constexpr int kOutputRole = Qt::UserRole;

bool isPicture(const std::string& output) { return output.starts_with("PICTURE_"); }

}  // namespace

QString frmDruckoptionen::outputCaption(const std::string& output) {
  if (output == "PRN") return "Drucker";
  if (output == "PRV") return "Vorschau";
  if (output == "PDF") return "PDF-Datei";
  if (output == "DOCX") return "Word-Dokument (nicht angeboten)";
  if (output == "XLS") return "Excel-Tabelle (nicht angeboten)";
  if (output == "PICTURE_JPEG") return "JPEG-Bilder";
  if (output == "PICTURE_TIFF") return "TIFF-Bilder";
  if (output == "PICTURE_PNG") return "PNG-Bilder";
  return toQString(output);
}

frmDruckoptionen::frmDruckoptionen(const std::string& title, const std::vector<std::string>& outputs,
                                   QWidget* parent)
    : QDialog(parent) {
  setObjectName("frmDruckoptionen");
  setWindowTitle("Druckeinstellungen für " + toQString(title));

  outputs_ = new QListWidget(this);
  outputs_->setObjectName("lstAusgabe");
  for (const std::string& output : outputs) {
    auto* item = new QListWidgetItem(outputCaption(output), outputs_);
    item->setData(kOutputRole, toQString(output));
    const bool offered = output == "PRN" || output == "PRV" || isWritableExportFormat(output);
    if (!offered) item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
  }

  printer_ = new QComboBox(this);
  printer_->setObjectName("cboDrucker");
  const QString defaultPrinter = QPrinterInfo::defaultPrinterName();
  for (const QString& name : QPrinterInfo::availablePrinterNames()) printer_->addItem(name);
  if (printer_->count() == 0) printer_->addItem("(kein Drucker eingerichtet)", QString());
  printer_->setCurrentText(defaultPrinter.isEmpty() ? printer_->itemText(0) : defaultPrinter);

  printerDialog_ = new QCheckBox("Druckerdialog anzeigen", this);
  printerDialog_->setObjectName("chkDruckerdialog");
  printerDialog_->setChecked(true);

  copies_ = new QSpinBox(this);
  copies_->setObjectName("txtKopien");
  copies_->setRange(1, 99);

  file_ = new QLineEdit(this);
  file_->setObjectName("txtDatei");
  file_->setPlaceholderText("automatisch im Exportordner");
  auto* browse = new QPushButton("...", this);
  browse->setObjectName("cmdDatei");
  connect(browse, &QPushButton::clicked, this, &frmDruckoptionen::chooseFile);
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(file_);
  fileRow->addWidget(browse);

  auto* form = new QFormLayout;
  form->addRow("Drucker:", printer_);
  form->addRow("", printerDialog_);
  form->addRow("Exemplare:", copies_);
  form->addRow("Datei:", fileRow);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("cmdOK");
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("cmdAbbrechen");
  buttons->button(QDialogButtonBox::Cancel)->setText("Abbrechen");
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    accepted_ = true;
    accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(outputs_, &QListWidget::currentRowChanged, this, &frmDruckoptionen::outputChanged);
  connect(outputs_, &QListWidget::itemDoubleClicked, buttons, &QDialogButtonBox::accepted);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(outputs_);
  layout->addLayout(form);
  layout->addWidget(buttons);
  outputs_->setCurrentRow(0);
  outputChanged();
}

std::string frmDruckoptionen::selectedOutput() const {
  const QListWidgetItem* item = outputs_->currentItem();
  return item && (item->flags() & Qt::ItemIsEnabled) ? item->data(kOutputRole).toString().toStdString()
                                                     : std::string();
}

void frmDruckoptionen::outputChanged() {
  const std::string output = selectedOutput();
  const bool printer = output == "PRN";
  const bool file = output == "PDF" || isPicture(output);
  printer_->setEnabled(printer);
  printerDialog_->setEnabled(printer);
  copies_->setEnabled(printer);
  file_->setEnabled(file);
  findChild<QPushButton*>("cmdDatei")->setEnabled(file);
}

void frmDruckoptionen::chooseFile() {
  const std::string output = selectedOutput();
  const QString filter = output == "PDF" ? "PDF-Dateien (*.pdf)" : "Bilder (*.png *.jpg *.tif)";
  const QString chosen = QFileDialog::getSaveFileName(this, "Datei wählen", file_->text(), filter);
  if (!chosen.isEmpty()) file_->setText(chosen);
}

PrintChoice frmDruckoptionen::choice() const {
  PrintChoice choice;
  const std::string output = selectedOutput();
  if (!accepted_ || output.empty()) return choice;
  if (output == "PRN") {
    choice.option = kPrintToPrinter;
    choice.printerName = printer_->currentData().isValid() && printer_->currentData().toString().isEmpty()
                             ? std::string()
                             : printer_->currentText().toStdString();
    choice.askPrinter = printerDialog_->isChecked();
    choice.copies = copies_->value();
  } else if (output == "PRV") {
    choice.option = kPrintPreview;
  } else {
    choice.option = kPrintExport;
    choice.exportFormat = output;
    choice.exportFile = std::filesystem::u8path(file_->text().trimmed().toStdString());
  }
  return choice;
}

}  // namespace orvosal
