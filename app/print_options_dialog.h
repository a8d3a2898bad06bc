#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "output/report/print_job.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace orvosal {

// The print-options dialog ("Druckeinstellungen für " + title): the allowed outputs, the printer
// and its copies, the file of an export. Outputs this program cannot write are listed but not
// offered. Its answer is the `PrintOption` choice; closing it without OK cancels the print.
class frmDruckoptionen : public QDialog {
  Q_OBJECT

 public:
  frmDruckoptionen(const std::string& title, const std::vector<std::string>& outputs,
                   QWidget* parent = nullptr);

  // The choice as the dialog shows it now (the option is kPrintCancelled until OK is pressed).
  PrintChoice choice() const;

  // The caption of an output code of the output list ("PRN" → "Drucker").
  static QString outputCaption(const std::string& output);

 private:
  void outputChanged();
  void chooseFile();
  std::string selectedOutput() const;

  bool accepted_ = false;
  QListWidget* outputs_ = nullptr;
  QComboBox* printer_ = nullptr;
  QCheckBox* printerDialog_ = nullptr;
  QSpinBox* copies_ = nullptr;
  QLineEdit* file_ = nullptr;
};

}  // namespace orvosal
