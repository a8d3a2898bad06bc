#pragma once

#include <optional>

#include <QWidget>

#include "output/layout/layout.h"

class QComboBox;
class QDoubleSpinBox;
class QGroupBox;

namespace orvosal {

// The designer's panel of the page and of the selected band: paper size, orientation and the four
// margins, and the height of the band chosen on the canvas. It only shows and collects values;
// the window applies them through the layout's editing operations, which may refuse them.
class FormularPagePanel : public QWidget {
  Q_OBJECT

 public:
  explicit FormularPagePanel(QWidget* parent = nullptr);

  // Shows the layout's page and the band's height (nullopt: no band selected, the field is off).
  void load(const Layout& layout, std::optional<int> band);
  // The page settings as the panel shows them.
  LayoutPage page() const;
  double bandHeight() const;

 signals:
  void pageEdited();
  void bandHeightEdited();

 private:
  bool loading_ = false;
  QGroupBox* band_ = nullptr;
  QDoubleSpinBox* bandHeight_ = nullptr;
  QComboBox* size_ = nullptr;
  QComboBox* orientation_ = nullptr;
  QDoubleSpinBox* marginLeft_ = nullptr;
  QDoubleSpinBox* marginTop_ = nullptr;
  QDoubleSpinBox* marginRight_ = nullptr;
  QDoubleSpinBox* marginBottom_ = nullptr;
};

}  // namespace orvosal
