#pragma once

#include <QWidget>

#include "output/layout/layout.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFontComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace orvosal {

// The designer's property panel of the selected element: position and size, text, font, alignment,
// the format of the text's first placeholder and the condition. Every change the user makes is
// announced by `edited`; `store` then writes the panel into the element.
class FormularElementPanel : public QWidget {
  Q_OBJECT

 public:
  explicit FormularElementPanel(QWidget* parent = nullptr);

  // Shows the element (null: nothing selected, the panel is disabled). `layoutFont` names the
  // family shown for an element that keeps the layout's font.
  void load(const LayoutElement* element, const LayoutFont& layoutFont);
  void store(LayoutElement& element, const LayoutFont& layoutFont) const;

 signals:
  void edited();

 private:
  void announce();
  void showFormatOf(const std::string& text);

  bool loading_ = false;
  QString loadedFamily_;
  QDoubleSpinBox* x_ = nullptr;
  QDoubleSpinBox* y_ = nullptr;
  QDoubleSpinBox* width_ = nullptr;
  QDoubleSpinBox* height_ = nullptr;
  QPlainTextEdit* text_ = nullptr;
  QFontComboBox* family_ = nullptr;
  QDoubleSpinBox* size_ = nullptr;
  QCheckBox* bold_ = nullptr;
  QCheckBox* italic_ = nullptr;
  QComboBox* align_ = nullptr;
  QLineEdit* format_ = nullptr;
  QLineEdit* when_ = nullptr;
};

}  // namespace orvosal
