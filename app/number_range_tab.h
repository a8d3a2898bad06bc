#pragma once

#include <QWidget>

#include "documents/types/number_range_editor.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace orvosal {

class Session;

// The number-range editor (a tab of the options window): browses the ranges in `ID` order and shows
// the number the fields would give under "Vorschau:" after every keystroke.
class NumberRangeTab : public QWidget {
  Q_OBJECT

 public:
  explicit NumberRangeTab(Session& session, QWidget* parent = nullptr);

  // Before the window closes: offers to save unsaved changes. True when the window may close.
  bool mayLeave();

 private:
  void browse(BrowseStep step);
  void show(const NumberRangeDraft& draft);
  NumberRangeDraft entered() const;
  void updatePreview();
  void newRange();
  void save();
  void remove();

  Session& session_;
  NumberRangeDraft shown_;
  QLineEdit* vortext_ = nullptr;
  QLineEdit* nummer_ = nullptr;
  QLineEdit* nachtext_ = nullptr;
  QComboBox* stellen_ = nullptr;
  QLabel* preview_ = nullptr;
};

}  // namespace orvosal
