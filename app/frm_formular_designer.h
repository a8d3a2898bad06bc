#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QImage>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>

#include "output/layout/layout.h"
#include "output/layout/layout_history.h"
#include "output/report/report_data.h"

class QAction;
class QLabel;
class QListWidget;
class QSpinBox;
class QTabWidget;

namespace orvosal {

class FormularDesignerCanvas;
class FormularElementPanel;
class FormularPagePanel;
class FormularTablePanel;

// The layout designer (its caption is the print's title + " designen"): the list of the variables and fields
// of the print on the left, the page canvas in the middle, the properties of the selected element and of the
// table on the right, and beside them a preview of the printed page that follows every change
// (rendered with the caller's sample data, or with every placeholder showing its name). Saving
// writes the layout file in its text format, so it stays editable by hand; a layout that would not
// read back is not saved.
class FrmFormularDesigner : public QMainWindow {
  Q_OBJECT

 public:
  // The questions and messages of the window; tests answer them without a dialog.
  struct Dialogs {
    std::function<QMessageBox::StandardButton()> askSaveChanges;
    std::function<void(const QString&)> showProblem;
  };

  FrmFormularDesigner(std::filesystem::path file, Layout layout, const std::string& caption,
                      const std::vector<std::string>& names, std::optional<ReportData> sample,
                      QWidget* parent = nullptr);

  const Layout& layout() const { return layout_; }
  const std::filesystem::path& file() const { return file_; }
  bool modified() const { return modified_; }
  bool save();
  bool saveAs(const std::filesystem::path& file);
  // Adds a text field for the name to the selected element's band (else the first band).
  void addField(const std::string& name);
  void undo();
  void redo();

  FormularDesignerCanvas* canvas() const { return canvas_; }
  QListWidget* variables() const { return variables_; }
  FormularElementPanel* elementPanel() const { return elementPanel_; }
  FormularTablePanel* tablePanel() const { return tablePanel_; }
  FormularPagePanel* pagePanel() const { return pagePanel_; }
  QTabWidget* properties() const { return properties_; }
  // The preview of the shown page as last rendered; null while a change waits for its render.
  const QImage& previewImage() const { return previewImage_; }
  void setDialogs(Dialogs dialogs) { dialogs_ = std::move(dialogs); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildActions();
  QWidget* buildPreview();
  void chooseSaveFile();
  void elementEdited();
  void tableEdited();
  void pageEdited();
  void bandHeightEdited();
  void columnEdited(int column);
  // Applies a change of the editing layer to a copy of the layout: taken, it becomes the layout
  // (undoable); refused, its reason is shown and the panels show the layout as it stays.
  void applyEdit(const std::function<std::optional<std::string>(Layout&)>& edit);
  void loadPanels();
  void showSelection();
  void layoutChanged();
  void renderPreview();

  std::filesystem::path file_;
  Layout layout_;
  LayoutHistory history_;
  std::optional<ReportData> sample_;
  bool modified_ = false;
  Dialogs dialogs_;
  QTimer previewTimer_;
  QImage previewImage_;
  FormularDesignerCanvas* canvas_ = nullptr;
  QListWidget* variables_ = nullptr;
  FormularElementPanel* elementPanel_ = nullptr;
  FormularTablePanel* tablePanel_ = nullptr;
  FormularPagePanel* pagePanel_ = nullptr;
  QTabWidget* properties_ = nullptr;
  QLabel* preview_ = nullptr;
  QSpinBox* previewPage_ = nullptr;
  QLabel* previewPages_ = nullptr;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
};

}  // namespace orvosal
