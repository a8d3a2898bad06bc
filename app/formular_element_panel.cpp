#include "app/formular_element_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "output/layout/layout_editing.h"

namespace orvosal {

namespace {

QDoubleSpinBox* lengthBox(const char* name, double minimum) {
  auto* box = new QDoubleSpinBox;
  box->setObjectName(name);
  box->setRange(minimum, 1000);
  box->setDecimals(1);
  box->setSingleStep(0.5);
  box->setSuffix(" mm");
  return box;
}

}  // namespace

FormularElementPanel::FormularElementPanel(QWidget* parent) : QWidget(parent) {
  auto* column = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  column->addLayout(form);
  column->addStretch();
  x_ = lengthBox("propX", 0);
  y_ = lengthBox("propY", 0);
  // A line's extent may point left or up.
  width_ = lengthBox("propWidth", -1000);
  height_ = lengthBox("propHeight", -1000);
  text_ = new QPlainTextEdit;
  text_->setObjectName("propText");
  text_->setMaximumHeight(90);
  family_ = new QFontComboBox;
  family_->setObjectName("propFont");
  size_ = new QDoubleSpinBox;
  size_->setObjectName("propSize");
  size_->setRange(0, 200);
  size_->setDecimals(1);
  size_->setSpecialValueText("Grundschrift");
  size_->setSuffix(" pt");
  bold_ = new QCheckBox("Fett");
  bold_->setObjectName("propBold");
  italic_ = new QCheckBox("Kursiv");
  italic_->setObjectName("propItalic");
  align_ = new QComboBox;
  align_->setObjectName("propAlign");
  align_->addItems({"links", "zentriert", "rechts"});
  format_ = new QLineEdit;
  format_->setObjectName("propFormat");
  format_->setPlaceholderText("z. B. #,##0.00 oder dd.MM.yyyy");
  when_ = new QLineEdit;
  when_->setObjectName("propWhen");
  when_->setPlaceholderText("z. B. {Belegkopf.Endtext}");

  form->addRow("X", x_);
  form->addRow("Y", y_);
  form->addRow("Breite", width_);
  form->addRow("Höhe", height_);
  form->addRow("Text", text_);
  form->addRow("Schrift", family_);
  form->addRow("Größe", size_);
  form->addRow("", bold_);
  form->addRow("", italic_);
  form->addRow("Ausrichtung", align_);
  form->addRow("Format", format_);
  form->addRow("Bedingung", when_);

  for (QDoubleSpinBox* box : {x_, y_, width_, height_, size_}) {
    connect(box, &QDoubleSpinBox::valueChanged, this, &FormularElementPanel::announce);
  }
  connect(text_, &QPlainTextEdit::textChanged, this, [this] {
    if (loading_) return;
    showFormatOf(text_->toPlainText().toStdString());
    emit edited();
  });
  connect(family_, &QFontComboBox::currentFontChanged, this, &FormularElementPanel::announce);
  connect(bold_, &QCheckBox::toggled, this, &FormularElementPanel::announce);
  connect(italic_, &QCheckBox::toggled, this, &FormularElementPanel::announce);
  connect(align_, &QComboBox::currentIndexChanged, this, &FormularElementPanel::announce);
  // The format field rewrites the first placeholder of the text shown above it.
  connect(format_, &QLineEdit::textEdited, this, [this](const QString& format) {
    if (loading_) return;
    loading_ = true;
    text_->setPlainText(QString::fromStdString(
        withPlaceholderFormat(text_->toPlainText().toStdString(), format.toStdString())));
    loading_ = false;
    emit edited();
  });
  connect(when_, &QLineEdit::textEdited, this, &FormularElementPanel::announce);
  load(nullptr, {});
}

void FormularElementPanel::announce() {
  if (!loading_) emit edited();
}

void FormularElementPanel::load(const LayoutElement* element, const LayoutFont& layoutFont) {
  loading_ = true;
  setEnabled(element != nullptr);
  const LayoutElement shown = element ? *element : LayoutElement{};
  x_->setValue(shown.x);
  y_->setValue(shown.y);
  width_->setValue(shown.width);
  height_->setValue(shown.height);
  text_->setPlainText(QString::fromStdString(shown.text));
  family_->setCurrentFont(
      QFont(QString::fromStdString(shown.font.family.empty() ? layoutFont.family : shown.font.family)));
  size_->setValue(shown.font.size);
  bold_->setChecked(shown.font.bold);
  italic_->setChecked(shown.font.italic);
  align_->setCurrentIndex(static_cast<int>(shown.align));
  // A picture has no font: of the text's settings only the alignment applies to it.
  const bool isText = shown.kind == LayoutElementKind::Text;
  for (QWidget* field : std::initializer_list<QWidget*>{family_, size_, bold_, italic_})
    field->setEnabled(isText);
  loadedFamily_ = family_->currentFont().family();
  showFormatOf(shown.text);
  when_->setText(QString::fromStdString(shown.when));
  loading_ = false;
}

void FormularElementPanel::showFormatOf(const std::string& text) {
  const std::optional<std::string> format = placeholderFormat(text);
  format_->setEnabled(format.has_value());
  format_->setText(QString::fromStdString(format.value_or("")));
}

void FormularElementPanel::store(LayoutElement& element, const LayoutFont& layoutFont) const {
  element.x = x_->value();
  element.y = y_->value();
  element.width = width_->value();
  element.height = height_->value();
  element.text = text_->toPlainText().toStdString();
  // The box shows the nearest installed font; the element's family changes only when the user
  // picks another one. The layout's own family stays unnamed, so that the element keeps following it.
  if (family_->currentFont().family() != loadedFamily_) {
    const std::string family = family_->currentFont().family().toStdString();
    element.font.family = family == layoutFont.family ? std::string() : family;
  }
  element.font.size = size_->value();
  element.font.bold = bold_->isChecked();
  element.font.italic = italic_->isChecked();
  element.align = static_cast<LayoutAlign>(align_->currentIndex());
  element.when = when_->text().toStdString();
}

}  // namespace orvosal
