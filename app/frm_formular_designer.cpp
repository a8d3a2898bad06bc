#include "app/frm_formular_designer.h"

#include <algorithm>

#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/formular_designer_canvas.h"
#include "app/formular_element_panel.h"
#include "app/formular_page_panel.h"
#include "app/formular_table_panel.h"
#include "output/layout/layout_design_sheet.h"
#include "output/layout/layout_editing.h"
#include "output/layout/layout_file.h"
#include "output/layout/layout_name_preview.h"
#include "output/layout/layout_page_editing.h"
#include "output/layout/layout_table_editing.h"
#include "output/report/report_document.h"

namespace orvosal {

namespace {

constexpr int kPreviewDelayMilliseconds = 150;
constexpr double kPreviewPixelsPerMillimetre = 2;

// The list of variables and fields: dragging a name carries it as text onto the canvas.
class VariableList : public QListWidget {
 protected:
  QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override {
    auto* data = new QMimeData;
    if (!items.isEmpty()) data->setText(items.first()->text());
    return data;
  }
};

QMessageBox::StandardButton askSaveChanges(QWidget* parent) {
  return QMessageBox::question(parent, parent->windowTitle(), "Änderungen am Formular speichern?",
                               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
}

}  // namespace

FrmFormularDesigner::FrmFormularDesigner(std::filesystem::path file, Layout layout,
                                         const std::string& caption, const std::vector<std::string>& names,
                                         std::optional<ReportData> sample, QWidget* parent)
    : QMainWindow(parent), file_(std::move(file)), layout_(std::move(layout)), sample_(std::move(sample)) {
  setObjectName("frmFormularDesigner");
  setWindowTitle(QString::fromStdString(caption));
  dialogs_.askSaveChanges = [this] { return askSaveChanges(this); };
  dialogs_.showProblem = [this](const QString& text) { QMessageBox::warning(this, windowTitle(), text); };

  variables_ = new VariableList;
  variables_->setObjectName("variables");
  variables_->setDragEnabled(true);
  variables_->setToolTip("Doppelklick oder Ziehen auf einen Bereich fügt ein Textfeld ein");
  for (const std::string& name : names) variables_->addItem(QString::fromStdString(name));
  connect(variables_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { addField(item->text().toStdString()); });

  canvas_ = new FormularDesignerCanvas(layout_, [this] { history_.record(layout_); });
  auto* canvasScroll = new QScrollArea;
  canvasScroll->setWidget(canvas_);
  canvasScroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

  elementPanel_ = new FormularElementPanel;
  tablePanel_ = new FormularTablePanel;
  tablePanel_->load(layout_);
  pagePanel_ = new FormularPagePanel;
  properties_ = new QTabWidget;
  properties_->addTab(elementPanel_, "Element");
  properties_->addTab(pagePanel_, "Seite und Bereich");
  properties_->addTab(tablePanel_, "Tabelle");

  auto* splitter = new QSplitter;
  splitter->addWidget(variables_);
  splitter->addWidget(canvasScroll);
  splitter->addWidget(properties_);
  splitter->addWidget(buildPreview());
  splitter->setStretchFactor(1, 3);
  splitter->setStretchFactor(3, 2);
  splitter->setSizes({170, 680, 320, 430});
  setCentralWidget(splitter);
  buildActions();

  connect(canvas_, &FormularDesignerCanvas::selectionChanged, this, &FrmFormularDesigner::showSelection);
  connect(canvas_, &FormularDesignerCanvas::edited, this, [this] {
    showSelection();
    layoutChanged();
  });
  connect(elementPanel_, &FormularElementPanel::edited, this, &FrmFormularDesigner::elementEdited);
  connect(tablePanel_, &FormularTablePanel::edited, this, &FrmFormularDesigner::tableEdited);
  connect(tablePanel_, &FormularTablePanel::columnEdited, this, &FrmFormularDesigner::columnEdited);
  connect(tablePanel_, &FormularTablePanel::addColumnRequested, this,
          [this] { applyEdit([](Layout& layout) { return addTableColumn(layout); }); });
  connect(tablePanel_, &FormularTablePanel::removeColumnRequested, this, [this](int column) {
    applyEdit([column](Layout& layout) { return removeTableColumn(layout, column); });
  });
  connect(pagePanel_, &FormularPagePanel::pageEdited, this, &FrmFormularDesigner::pageEdited);
  connect(pagePanel_, &FormularPagePanel::bandHeightEdited, this, &FrmFormularDesigner::bandHeightEdited);

  previewTimer_.setSingleShot(true);
  previewTimer_.setInterval(kPreviewDelayMilliseconds);
  connect(&previewTimer_, &QTimer::timeout, this, &FrmFormularDesigner::renderPreview);
  showSelection();
  resize(1600, 900);
  renderPreview();
}

void FrmFormularDesigner::buildActions() {
  QToolBar* tools = addToolBar("Formular");
  tools->setObjectName("designerTools");
  QAction* save = tools->addAction("Speichern", this, [this] { this->save(); });
  save->setShortcut(QKeySequence::Save);
  tools->addAction("Speichern unter", this, &FrmFormularDesigner::chooseSaveFile);
  tools->addSeparator();
  undo_ = tools->addAction("Rückgängig", this, &FrmFormularDesigner::undo);
  undo_->setShortcut(QKeySequence::Undo);
  redo_ = tools->addAction("Wiederholen", this, &FrmFormularDesigner::redo);
  redo_->setShortcut(QKeySequence::Redo);
  tools->addAction("Element löschen", canvas_, &FormularDesignerCanvas::removeSelected);
  tools->addSeparator();
  auto* zoom = new QSpinBox;
  zoom->setRange(50, 400);
  zoom->setSingleStep(25);
  zoom->setSuffix(" %");
  zoom->setValue(100);
  connect(zoom, &QSpinBox::valueChanged, this,
          [this](int percent) { canvas_->setZoom(3.0 * percent / 100); });
  tools->addWidget(new QLabel(" Zoom "));
  tools->addWidget(zoom);
  undo_->setEnabled(false);
  redo_->setEnabled(false);
}

QWidget* FrmFormularDesigner::buildPreview() {
  auto* pane = new QWidget;
  auto* column = new QVBoxLayout(pane);
  auto* paging = new QHBoxLayout;
  previewPage_ = new QSpinBox;
  previewPage_->setObjectName("previewPage");
  previewPage_->setRange(1, 1);
  previewPages_ = new QLabel;
  paging->addWidget(new QLabel("Vorschau, Seite"));
  paging->addWidget(previewPage_);
  paging->addWidget(previewPages_);
  paging->addStretch();
  connect(previewPage_, &QSpinBox::valueChanged, this, &FrmFormularDesigner::renderPreview);
  preview_ = new QLabel;
  preview_->setObjectName("preview");
  preview_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  preview_->setWordWrap(true);
  auto* scroll = new QScrollArea;
  scroll->setWidget(preview_);
  scroll->setWidgetResizable(true);
  column->addLayout(paging);
  column->addWidget(scroll, 1);
  return pane;
}

void FrmFormularDesigner::showSelection() {
  const std::optional<ElementRef> selected = canvas_->selected();
  elementPanel_->load(selected ? &layout_.bands[selected->band].elements[selected->element] : nullptr,
                      layout_.font);
  pagePanel_->load(layout_, canvas_->selectedBand());
  // An element shows its properties; a band, or nothing, the page's and the band's.
  if (selected) {
    properties_->setCurrentWidget(elementPanel_);
  } else if (properties_->currentWidget() == elementPanel_ || canvas_->selectedBand()) {
    properties_->setCurrentWidget(pagePanel_);
  }
}

void FrmFormularDesigner::elementEdited() {
  const std::optional<ElementRef> selected = canvas_->selected();
  if (!selected) return;
  history_.record(layout_);
  elementPanel_->store(layout_.bands[selected->band].elements[selected->element], layout_.font);
  canvas_->layoutReplaced();
  layoutChanged();
}

void FrmFormularDesigner::tableEdited() {
  history_.record(layout_);
  tablePanel_->store(layout_);
  canvas_->layoutReplaced();
  layoutChanged();
}

void FrmFormularDesigner::pageEdited() {
  const LayoutPage page = pagePanel_->page();
  applyEdit([&page](Layout& layout) { return setPageSettings(layout, page); });
}

void FrmFormularDesigner::bandHeightEdited() {
  const std::optional<int> band = canvas_->selectedBand();
  if (!band) return;
  const double height = pagePanel_->bandHeight();
  applyEdit([&](Layout& layout) { return setBandHeight(layout, *band, height); });
}

void FrmFormularDesigner::columnEdited(int column) {
  const FormularTablePanel::ColumnValues values = tablePanel_->columnValues(column);
  applyEdit([&](Layout& layout) -> std::optional<std::string> {
    if (auto fault = setTableColumn(layout, column, values.x, values.width, values.align)) return fault;
    if (values.heading == columnHeading(layout, column)) return std::nullopt;
    return setColumnHeading(layout, column, values.heading);
  });
}

void FrmFormularDesigner::applyEdit(const std::function<std::optional<std::string>(Layout&)>& edit) {
  Layout changed = layout_;
  if (const std::optional<std::string> fault = edit(changed)) {
    dialogs_.showProblem(QString::fromStdString(*fault));
    loadPanels();
    return;
  }
  if (changed == layout_) return;
  history_.record(layout_);
  layout_ = std::move(changed);
  canvas_->layoutReplaced();
  loadPanels();
  layoutChanged();
}

void FrmFormularDesigner::loadPanels() {
  tablePanel_->load(layout_);
  showSelection();
}

void FrmFormularDesigner::layoutChanged() {
  modified_ = true;
  undo_->setEnabled(history_.canUndo());
  redo_->setEnabled(history_.canRedo());
  previewImage_ = QImage();
  previewTimer_.start();
}

void FrmFormularDesigner::addField(const std::string& name) {
  const DesignSheet sheet = designSheet(layout_);
  const std::optional<ElementRef> selected = canvas_->selected();
  const int band = selected ? selected->band : sheet.bands.empty() ? -1 : sheet.bands.front().band;
  if (band < 0) return;
  history_.record(layout_);
  const ElementRef added = addTextField(layout_, band, name, layout_.page.marginLeft, 0);
  canvas_->layoutReplaced();
  canvas_->select(added);
  layoutChanged();
}

void FrmFormularDesigner::undo() {
  std::optional<Layout> previous = history_.undo(layout_);
  if (!previous) return;
  layout_ = std::move(*previous);
  canvas_->layoutReplaced();
  loadPanels();
  layoutChanged();
}

void FrmFormularDesigner::redo() {
  std::optional<Layout> next = history_.redo(layout_);
  if (!next) return;
  layout_ = std::move(*next);
  canvas_->layoutReplaced();
  loadPanels();
  layoutChanged();
}

bool FrmFormularDesigner::save() { return saveAs(file_); }

bool FrmFormularDesigner::saveAs(const std::filesystem::path& file) {
  // What is saved must read back: a text typed with an open placeholder is refused with the
  // fault the reader would report.
  const auto check = parseLayout(writeLayout(layout_), file);
  if (const auto* fault = std::get_if<LayoutFault>(&check)) {
    dialogs_.showProblem(QString::fromStdString(fault->message()));
    return false;
  }
  if (const std::optional<std::string> problem = saveLayoutFile(layout_, file)) {
    dialogs_.showProblem(QString::fromStdString(*problem));
    return false;
  }
  file_ = file;
  modified_ = false;
  return true;
}

void FrmFormularDesigner::chooseSaveFile() {
  const QString chosen =
      QFileDialog::getSaveFileName(this, "Speichern unter", QString::fromStdString(file_.string()),
                                   "Formulare (*.lst *.crd *.lbl);;Alle Dateien (*)");
  if (!chosen.isEmpty()) saveAs(chosen.toStdString());
}

void FrmFormularDesigner::closeEvent(QCloseEvent* event) {
  if (!modified_) {
    event->accept();
    return;
  }
  switch (dialogs_.askSaveChanges()) {
    case QMessageBox::Yes:
      if (save()) {
        event->accept();
      } else {
        event->ignore();
      }
      return;
    case QMessageBox::No:
      event->accept();
      return;
    default:
      event->ignore();
      return;
  }
}

void FrmFormularDesigner::renderPreview() {
  const auto rendered = sample_ ? renderReport(layout_, *sample_)
                                : renderReport(layoutShowingNames(layout_), namePreviewData());
  if (const auto* fault = std::get_if<LayoutFault>(&rendered)) {
    previewImage_ = QImage();
    preview_->setPixmap(QPixmap());
    preview_->setText(QString::fromStdString(fault->message()));
    return;
  }
  const ReportDocument& report = std::get<ReportDocument>(rendered);
  const int pages = std::max(1, report.pageCount());
  previewPage_->blockSignals(true);
  previewPage_->setRange(1, pages);
  previewPage_->blockSignals(false);
  previewPages_->setText(QString("von %1").arg(pages));
  const QSizeF size = report.pageSizeMillimetres() * kPreviewPixelsPerMillimetre;
  QImage image(size.toSize(), QImage::Format_RGB32);
  // The report scales by the device's resolution: the image's must match its size.
  image.setDotsPerMeterX(static_cast<int>(kPreviewPixelsPerMillimetre * 1000));
  image.setDotsPerMeterY(static_cast<int>(kPreviewPixelsPerMillimetre * 1000));
  image.fill(Qt::white);
  if (report.pageCount() > 0) {
    QPainter painter(&image);
    report.paintPage(previewPage_->value() - 1, painter);
  }
  previewImage_ = image;
  preview_->setPixmap(QPixmap::fromImage(image));
}

}  // namespace orvosal
