#include "app/firmendaten_tab.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "core/company/company_logo.h"
#include "core/company/save_company.h"
#include "core/schema/table_def.h"
#include "core/session.h"
#include "core/startup/load_settings.h"
#include "core/version.h"

namespace orvosal {
namespace {

constexpr QSize kPreviewSize(240, 110);
constexpr int kCompanyEntryWidth = 220;
constexpr const char* kWidestCompanyCaption = "Handelsregister-Nr.:";

// The width the schema gives a column, so that an entry never exceeds what the row can hold.
int columnSize(std::string_view column) {
  if (const TableDef* table = findTable("Firmendaten")) {
    for (const ColumnDef& def : table->columns) {
      if (def.name == column && !def.size.empty()) return std::stoi(std::string(def.size));
    }
  }
  return 255;
}

std::optional<std::filesystem::path> askForImage(QWidget* parent) {
  const QString file = QFileDialog::getOpenFileName(
      parent, "Logo wählen", QString(), "Bilder (*.png *.jpg *.jpeg *.gif *.bmp);;Alle Dateien (*)");
  if (file.isEmpty()) return std::nullopt;
  return std::filesystem::path(file.toStdString());
}

}  // namespace

FirmendatenTab::FirmendatenTab(Session& session, QWidget* parent)
    : QWidget(parent), session_(session), chooseLogoFile_(askForImage) {
  setObjectName("FirmendatenTab");

  auto* left = new QVBoxLayout;
  left->addWidget(buildGroup("Firma", {{"Name", "Firma/Name:"},
                                       {"Straße", "Straße:"},
                                       {"PLZ", "PLZ:"},
                                       {"Ort", "Ort:"},
                                       {"Telefon", "Telefon:"},
                                       {"Fax", "Fax:"},
                                       {"Email", "E-Mail:"},
                                       {"Internet", "Internet:"}}));
  left->addWidget(buildGroup("Steuer und Register", {{"Steuernummer", "Steuernummer:"},
                                                     {"EuIdentNr", "USt-IdNr.:"},
                                                     {"Geschäftsführer", "Geschäftsführer:"},
                                                     {"Amtsgericht", "Amtsgericht:"},
                                                     {"HRG_Nummer", "Handelsregister-Nr.:"}}));
  left->addStretch();

  auto* right = new QVBoxLayout;
  right->addWidget(buildGroup("Bank 1", {{"Bank", "Bank:"},
                                         {"BLZ", "BLZ:"},
                                         {"Kontonummer", "Kontonummer:"},
                                         {"OrtderBank", "Ort der Bank:"},
                                         {"IBAN", "IBAN:"},
                                         {"BIC", "BIC:"}}));
  right->addWidget(buildGroup("Bank 2", {{"Bank2", "Bank:"},
                                         {"BLZ2", "BLZ:"},
                                         {"Kontonummer2", "Kontonummer:"},
                                         {"OrtderBank2", "Ort der Bank:"},
                                         {"IBAN2", "IBAN:"},
                                         {"BIC2", "BIC:"}}));
  right->addWidget(buildLogo());
  right->addStretch();

  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 1);
  columns->addLayout(right, 1);

  auto* store = new QPushButton("Speichern", this);
  store->setObjectName("cmdSpeichern");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(store);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(buttons);
  connect(store, &QPushButton::clicked, this, &FirmendatenTab::save);

  LoadCompanyData(session_);
  showCompany(session_.area<Company>());
}

QLineEdit* FirmendatenTab::boundEdit(QWidget* parent, std::string_view column) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName("txt" + toQString(column));
  edit->setMaxLength(columnSize(column));
  edit->setMinimumWidth(kCompanyEntryWidth);
  binding_.bind(column, edit);
  return edit;
}

QWidget* FirmendatenTab::buildGroup(const char* title,
                                    std::initializer_list<std::pair<const char*, const char*>> fields) {
  auto* group = new QGroupBox(title, this);
  auto* form = new QFormLayout(group);
  // One caption width for every group, so that the fields of the groups line up.
  const int captionWidth = fontMetrics().horizontalAdvance(kWidestCompanyCaption) + 8;
  for (const auto& [column, caption] : fields) {
    auto* label = new QLabel(caption, group);
    label->setMinimumWidth(captionWidth);
    form->addRow(label, boundEdit(group, column));
  }
  return group;
}

QWidget* FirmendatenTab::buildLogo() {
  auto* group = new QGroupBox("Logo", this);
  logoPreview_ = new QLabel(group);
  logoPreview_->setObjectName("imgLogo");
  logoPreview_->setFixedSize(kPreviewSize);
  logoPreview_->setAlignment(Qt::AlignCenter);
  logoPreview_->setFrameShape(QFrame::StyledPanel);
  logoName_ = new QLabel(group);
  logoName_->setObjectName("lblLogo");
  logoName_->setWordWrap(true);
  auto* choose = new QPushButton("Logo wählen...", group);
  choose->setObjectName("cmdLogoWaehlen");
  auto* side = new QVBoxLayout;
  side->addWidget(logoName_);
  side->addWidget(choose);
  side->addStretch();
  auto* layout = new QHBoxLayout(group);
  layout->addWidget(logoPreview_);
  layout->addLayout(side, 1);
  connect(choose, &QPushButton::clicked, this, &FirmendatenTab::chooseLogo);
  return group;
}

void FirmendatenTab::showCompany(const Company& company) {
  shown_ = company;
  newLogo_.reset();
  binding_.show(company);
  if (company.logo.empty()) {
    showLogo({}, "Kein Logo");
  } else {
    showLogo(session_.programFolder() / company.logo, toQString(company.logo));
  }
}

void FirmendatenTab::showLogo(const std::filesystem::path& file, const QString& caption) {
  logoName_->setText(caption);
  const QPixmap image(QString::fromStdString(file.string()));
  if (image.isNull()) {
    logoPreview_->setText(file.empty() ? "Kein Logo" : "Keine Vorschau");
  } else {
    logoPreview_->setPixmap(
        image.scaled(kPreviewSize - QSize(8, 8), Qt::KeepAspectRatio, Qt::SmoothTransformation));
  }
}

void FirmendatenTab::chooseLogo() {
  const std::optional<std::filesystem::path> file = chooseLogoFile_(this);
  if (!file) return;
  if (const std::string refusal = LogoFileRefusal(*file); !refusal.empty()) {
    session_.ui().message(refusal, kProductName, MessageKind::Warning);
    return;
  }
  newLogo_ = *file;
  showLogo(*file, toQString(file->filename().string()) + "\n(wird beim Speichern übernommen)");
}

void FirmendatenTab::save() {
  Company company = shown_;
  binding_.enter(company);
  const CompanyChangeOutcome outcome = SaveCompany(session_, company, newLogo_);
  if (!outcome.message.empty()) {
    session_.ui().message(outcome.message, kProductName,
                          outcome.changed ? MessageKind::Information : MessageKind::Warning);
  }
  if (outcome.changed) showCompany(company);
}

}  // namespace orvosal
