#include "app/formular_page_panel.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "output/layout/layout_design_sheet.h"

namespace orvosal {

namespace {

const QStringList kPaperSizes = {"A4", "A5", "A6", "Letter"};

QDoubleSpinBox* lengthBox(const char* name) {
  auto* box = new QDoubleSpinBox;
  box->setObjectName(name);
  box->setRange(-1000, 1000);  // the editing layer refuses what does not fit, with its reason
  box->setDecimals(1);
  box->setSingleStep(0.5);
  box->setSuffix(" mm");
  box->setKeyboardTracking(false);
  return box;
}

}  // namespace

FormularPagePanel::FormularPagePanel(QWidget* parent) : QWidget(parent) {
  auto* column = new QVBoxLayout(this);
  band_ = new QGroupBox("Bereich");
  auto* bandForm = new QFormLayout(band_);
  bandHeight_ = lengthBox("bandHeight");
  bandForm->addRow("Höhe (mm)", bandHeight_);

  auto* pageGroup = new QGroupBox("Seite");
  auto* pageForm = new QFormLayout(pageGroup);
  size_ = new QComboBox;
  size_->setObjectName("pageSize");
  orientation_ = new QComboBox;
  orientation_->setObjectName("pageOrientation");
  orientation_->addItems({"Hochformat", "Querformat"});
  marginLeft_ = lengthBox("marginLeft");
  marginTop_ = lengthBox("marginTop");
  marginRight_ = lengthBox("marginRight");
  marginBottom_ = lengthBox("marginBottom");
  pageForm->addRow("Papier", size_);
  pageForm->addRow("Ausrichtung", orientation_);
  pageForm->addRow("Rand links", marginLeft_);
  pageForm->addRow("Rand oben", marginTop_);
  pageForm->addRow("Rand rechts", marginRight_);
  pageForm->addRow("Rand unten", marginBottom_);

  column->addWidget(band_);
  column->addWidget(pageGroup);
  column->addStretch();

  const auto announcePage = [this] {
    if (!loading_) emit pageEdited();
  };
  connect(size_, &QComboBox::currentIndexChanged, this, announcePage);
  connect(orientation_, &QComboBox::currentIndexChanged, this, announcePage);
  for (QDoubleSpinBox* box : {marginLeft_, marginTop_, marginRight_, marginBottom_}) {
    connect(box, &QDoubleSpinBox::valueChanged, this, announcePage);
  }
  connect(bandHeight_, &QDoubleSpinBox::valueChanged, this, [this] {
    if (!loading_) emit bandHeightEdited();
  });
}

void FormularPagePanel::load(const Layout& layout, std::optional<int> band) {
  loading_ = true;
  band_->setEnabled(band.has_value());
  band_->setTitle(band ? QString("Bereich „%1“").arg(bandCaption(layout.bands[*band].kind)) : "Bereich");
  bandHeight_->setValue(band ? layout.bands[*band].height : 0);
  // A size of its own ("100x50") stays choosable beside the usual papers.
  QStringList sizes = kPaperSizes;
  const QString current = QString::fromStdString(layout.page.size);
  if (!sizes.contains(current)) sizes << current;
  size_->clear();
  size_->addItems(sizes);
  size_->setCurrentText(current);
  orientation_->setCurrentIndex(layout.page.landscape ? 1 : 0);
  marginLeft_->setValue(layout.page.marginLeft);
  marginTop_->setValue(layout.page.marginTop);
  marginRight_->setValue(layout.page.marginRight);
  marginBottom_->setValue(layout.page.marginBottom);
  loading_ = false;
}

LayoutPage FormularPagePanel::page() const {
  LayoutPage page;
  page.size = size_->currentText().toStdString();
  page.landscape = orientation_->currentIndex() == 1;
  page.marginLeft = marginLeft_->value();
  page.marginTop = marginTop_->value();
  page.marginRight = marginRight_->value();
  page.marginBottom = marginBottom_->value();
  return page;
}

double FormularPagePanel::bandHeight() const { return bandHeight_->value(); }

}  // namespace orvosal
