#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <fstream>

#include "app/formular_designer_canvas.h"
#include "app/formular_element_panel.h"
#include "app/formular_page_panel.h"
#include "app/formular_table_panel.h"
#include "app/frm_formular_designer.h"
#include "app/layout_designer_launch.h"
#include "core/tests/db_test_support.h"
#include "output/layout/layout_design_sheet.h"
#include "output/layout/layout_file.h"

namespace orvosal {
namespace {

using orvosal::testing::TemporaryFolder;

// A delivery note: band 0 is the first page's head (return address, recipient, date, title),
// band 1 the footer; a table of three columns.
constexpr const char* kDeliveryNote = R"(layout version=1 title="Lieferschein"
page size=A4 margin-left=25 margin-top=10 margin-right=20 margin-bottom=10
font family="Liberation Sans" size=10
band kind=first-header height=105
  text x=25 y=45 w=85 h=5 size=7 text="{Firma_Name} · {Firma_Strasse}"
  text x=25 y=62.7 w=85 h=27.3 text="{Belegkopf.Name}\n{Belegkopf.Straße}\n{Belegkopf.PLZ} {Belegkopf.Ort}"
  text x=125 y=50 w=65 h=5 text="Datum: {Belegkopf.Belegdatum|dd.MM.yyyy}"
  text x=25 y=98.5 w=165 h=7 size=14 bold=ja text="Lieferschein {Belegkopf.Belegnummer}"
band kind=page-footer height=12
  line x=25 y=0 w=165 h=0 width=0.2
  text x=25 y=2 w=165 h=4 size=7 align=center text="Seite {Seite} von {Seiten}"
table gap=4
  column name=pos x=25 w=12 align=right
  column name=text x=40 w=110
  column name=menge x=150 w=40 align=right
  header bold=ja rule=ja
    cell column=pos text="Pos."
    cell column=text text="Bezeichnung"
    cell column=menge text="Menge"
  row
    cell column=pos text="{Belegpositionen.Posnummer}"
    cell column=text text="{Belegpositionen.Bezeichnung1}"
    cell column=menge text="{Belegpositionen.Menge|#,##0.##}"
)";

const std::vector<std::string> kNames = {
    "Firma_Name",           "Firma_IBAN", "Firma_BIC", "Belegkopf.Name", "Belegkopf.Belegnummer",
    "Belegpositionen.Menge"};

void sendMouse(QWidget* widget, QEvent::Type type, QPointF at) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

void dropName(QWidget* widget, QPointF at, const QString& name) {
  QMimeData data;
  data.setText(name);
  // The application hands a drop only to the widget that accepted the drag entering it.
  QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &enter);
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &drop);
}

class FrmFormularDesignerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    file_ = folder_.path() / "Lieferschein.lst";
    std::ofstream(file_, std::ios::binary) << kDeliveryNote;
    openLayoutDesigner(&parent_, file_, "Lieferschein designen", kNames);
    designer_ = parent_.findChild<FrmFormularDesigner*>();
    ASSERT_NE(designer_, nullptr);
    designer_->setAttribute(Qt::WA_DeleteOnClose, false);
    designer_->setDialogs({[this] { return answer_; }, [this](const QString& text) { problems_ << text; }});
    canvas_ = designer_->canvas();
  }

  // The pixel on the canvas of a point of band `band` (millimetres from its left and top edge).
  QPointF at(int band, double x, double y) const {
    const DesignSheet sheet = designSheet(designer_->layout());
    return canvas_->toPixels(x, sheet.areaOf(band)->top + y);
  }

  const LayoutElement& element(int band, int index) const {
    return designer_->layout().bands[band].elements[index];
  }

  QImage waitForPreview() const {
    EXPECT_TRUE(QTest::qWaitFor([this] { return !designer_->previewImage().isNull(); }, 5000));
    return designer_->previewImage();
  }

  TemporaryFolder folder_;
  std::filesystem::path file_;
  QWidget parent_;
  FrmFormularDesigner* designer_ = nullptr;
  FormularDesignerCanvas* canvas_ = nullptr;
  QMessageBox::StandardButton answer_ = QMessageBox::Cancel;
  QStringList problems_;
};

TEST_F(FrmFormularDesignerTest, OpensWithTheTitleAndTheNamesOfThePrint) {
  EXPECT_EQ(designer_->objectName(), "frmFormularDesigner");
  EXPECT_EQ(designer_->windowTitle(), "Lieferschein designen");
  ASSERT_EQ(designer_->variables()->count(), static_cast<int>(kNames.size()));
  EXPECT_EQ(designer_->variables()->item(1)->text(), "Firma_IBAN");
  EXPECT_FALSE(designer_->previewImage().isNull());
  EXPECT_FALSE(designer_->modified());
}

TEST_F(FrmFormularDesignerTest, SavesWhatWasMovedTypedAndAdded) {
  designer_->show();
  const QImage before = waitForPreview();

  // Click on the title and drag it 10 mm to the right and 5 mm down (3 pixels a millimetre).
  const QPointF grip = at(0, 30, 100);
  sendMouse(canvas_, QEvent::MouseButtonPress, grip);
  ASSERT_EQ(canvas_->selected(), (ElementRef{0, 3}));
  sendMouse(canvas_, QEvent::MouseMove, grip + QPointF(15, 6));
  sendMouse(canvas_, QEvent::MouseMove, grip + QPointF(30, 15));
  sendMouse(canvas_, QEvent::MouseButtonRelease, grip + QPointF(30, 15));
  EXPECT_DOUBLE_EQ(element(0, 3).x, 35);
  EXPECT_DOUBLE_EQ(element(0, 3).y, 103.5);
  QTest::keyClick(canvas_, Qt::Key_Left);  // nudges half a millimetre
  EXPECT_DOUBLE_EQ(element(0, 3).x, 34.5);

  auto* text = designer_->elementPanel()->findChild<QPlainTextEdit*>("propText");
  EXPECT_EQ(text->toPlainText(), "Lieferschein {Belegkopf.Belegnummer}");
  text->setPlainText("Lieferschein Nr. {Belegkopf.Belegnummer}");

  // The date: its format typed into the format field.
  sendMouse(canvas_, QEvent::MouseButtonPress, at(0, 130, 52));
  sendMouse(canvas_, QEvent::MouseButtonRelease, at(0, 130, 52));
  ASSERT_EQ(canvas_->selected(), (ElementRef{0, 2}));
  auto* format = designer_->elementPanel()->findChild<QLineEdit*>("propFormat");
  EXPECT_EQ(format->text(), "dd.MM.yyyy");
  format->selectAll();
  QTest::keyClicks(format, "dd.MM.yy");

  // A field from the list by double-click (into the selected element's band) and one dropped
  // onto the footer.
  emit designer_->variables()->itemDoubleClicked(designer_->variables()->item(1));
  EXPECT_EQ(canvas_->selected(), (ElementRef{0, 4}));
  dropName(canvas_, at(1, 120, 6), "Firma_BIC");
  EXPECT_EQ(canvas_->selected(), (ElementRef{1, 2}));

  // The quantity column 5 mm wider.
  auto* width = qobject_cast<QDoubleSpinBox*>(designer_->tablePanel()->columns()->cellWidget(2, 2));
  ASSERT_NE(width, nullptr);
  width->setValue(45);
  // The header's second cell renamed.
  QTableWidget* cells = designer_->tablePanel()->cells();
  ASSERT_EQ(cells->item(1, 2)->text(), "Bezeichnung");
  cells->item(1, 2)->setText("Artikel");

  EXPECT_TRUE(designer_->modified());
  EXPECT_NE(waitForPreview(), before);
  ASSERT_TRUE(designer_->save());
  EXPECT_FALSE(designer_->modified());
  EXPECT_TRUE(problems_.isEmpty()) << problems_.join("\n").toStdString();

  const auto read = readLayoutFile(file_);
  ASSERT_TRUE(std::holds_alternative<Layout>(read)) << std::get<LayoutFault>(read).message();
  const Layout& saved = std::get<Layout>(read);
  const auto& head = saved.bands[0].elements;
  ASSERT_EQ(head.size(), 5u);
  EXPECT_DOUBLE_EQ(head[3].x, 34.5);
  EXPECT_DOUBLE_EQ(head[3].y, 103.5);
  EXPECT_EQ(head[3].text, "Lieferschein Nr. {Belegkopf.Belegnummer}");
  EXPECT_EQ(head[2].text, "Datum: {Belegkopf.Belegdatum|dd.MM.yy}");
  EXPECT_EQ(head[4].text, "{Firma_IBAN}");
  EXPECT_DOUBLE_EQ(head[4].x, 25);  // at the left margin
  ASSERT_EQ(saved.bands[1].elements.size(), 3u);
  EXPECT_EQ(saved.bands[1].elements[2].text, "{Firma_BIC}");
  EXPECT_DOUBLE_EQ(saved.bands[1].elements[2].x, 120);
  EXPECT_DOUBLE_EQ(saved.bands[1].elements[2].y, 6);
  EXPECT_DOUBLE_EQ(saved.table->columns[2].width, 45);
  EXPECT_EQ(saved.table->header->cells[1].text, "Artikel");
  EXPECT_EQ(saved.table->rows[0].cells[1].text, "{Belegpositionen.Bezeichnung1}");
  // What was not touched is saved as it was (apart from the line it stands on).
  LayoutElement untouched = saved.bands[0].elements[0];
  LayoutElement original = std::get<Layout>(parseLayout(kDeliveryNote, file_)).bands[0].elements[0];
  untouched.line = original.line = 0;
  EXPECT_EQ(untouched, original);
}

TEST_F(FrmFormularDesignerTest, UndoAndRedoFollowTheChanges) {
  const double x = element(0, 3).x;
  sendMouse(canvas_, QEvent::MouseButtonPress, at(0, 30, 100));
  sendMouse(canvas_, QEvent::MouseButtonRelease, at(0, 30, 100));
  QTest::keyClick(canvas_, Qt::Key_Right);
  QTest::keyClick(canvas_, Qt::Key_Delete);
  EXPECT_EQ(designer_->layout().bands[0].elements.size(), 3u);
  designer_->undo();
  designer_->undo();
  EXPECT_DOUBLE_EQ(element(0, 3).x, x);
  designer_->redo();
  EXPECT_DOUBLE_EQ(element(0, 3).x, x + 0.5);
  EXPECT_EQ(designer_->layout().bands[0].elements.size(), 4u);
}

TEST_F(FrmFormularDesignerTest, ClosingWithChangesAsksFirst) {
  const std::string original = testing::fileText(file_);
  const struct {
    QMessageBox::StandardButton answer;
    bool closes;
    bool saved;
  } cases[] = {
      {QMessageBox::Cancel, false, false}, {QMessageBox::No, true, false}, {QMessageBox::Yes, true, true}};
  for (const auto& test : cases) {
    std::ofstream(file_, std::ios::binary) << original;
    designer_->show();
    designer_->addField("Firma_Name");
    answer_ = test.answer;
    EXPECT_EQ(designer_->close(), test.closes) << test.answer;
    EXPECT_EQ(testing::fileText(file_) != original, test.saved) << test.answer;
  }
  // Unchanged, it closes without asking.
  designer_->show();
  answer_ = QMessageBox::Cancel;
  EXPECT_TRUE(designer_->close());
}

TEST_F(FrmFormularDesignerTest, ALayoutThatWouldNotReadBackIsNotSaved) {
  const std::string original = testing::fileText(file_);
  sendMouse(canvas_, QEvent::MouseButtonPress, at(0, 30, 100));
  sendMouse(canvas_, QEvent::MouseButtonRelease, at(0, 30, 100));
  designer_->elementPanel()
      ->findChild<QPlainTextEdit*>("propText")
      ->setPlainText("Lieferschein {Belegnummer");
  EXPECT_FALSE(designer_->save());
  ASSERT_EQ(problems_.size(), 1);
  EXPECT_TRUE(problems_[0].startsWith("Fehler im Formular Lieferschein.lst, Zeile "))
      << problems_[0].toStdString();
  EXPECT_EQ(testing::fileText(file_), original);
  EXPECT_TRUE(designer_->modified());
}

TEST_F(FrmFormularDesignerTest, BandsGetTheirHeightByDraggingOrTyping) {
  // The footer's lower edge dragged 8 mm down (3 pixels a millimetre).
  const QPointF edge = at(1, 100, 12);
  sendMouse(canvas_, QEvent::MouseButtonPress, edge);
  EXPECT_EQ(canvas_->selectedBand(), 1);
  EXPECT_EQ(canvas_->selected(), std::nullopt);
  sendMouse(canvas_, QEvent::MouseMove, edge + QPointF(0, 12));
  sendMouse(canvas_, QEvent::MouseMove, edge + QPointF(0, 24));
  sendMouse(canvas_, QEvent::MouseButtonRelease, edge + QPointF(0, 24));
  EXPECT_DOUBLE_EQ(designer_->layout().bands[1].height, 20);
  auto* height = designer_->pagePanel()->findChild<QDoubleSpinBox*>("bandHeight");
  EXPECT_DOUBLE_EQ(height->value(), 20);
  EXPECT_EQ(designer_->properties()->currentWidget(), designer_->pagePanel());

  // A click into the header's empty space selects it; its height is typed.
  sendMouse(canvas_, QEvent::MouseButtonPress, at(0, 150, 20));
  sendMouse(canvas_, QEvent::MouseButtonRelease, at(0, 150, 20));
  ASSERT_EQ(canvas_->selectedBand(), 0);
  EXPECT_DOUBLE_EQ(height->value(), 105);
  height->setValue(300);
  ASSERT_EQ(problems_.size(), 1);
  EXPECT_EQ(
      problems_[0].toStdString(),
      "Der Bereich „Kopf erste Seite“ ist mit 300 mm höher als der bedruckbare Teil der Seite (277 mm).");
  EXPECT_DOUBLE_EQ(designer_->layout().bands[0].height, 105);
  EXPECT_DOUBLE_EQ(height->value(), 105);
  height->setValue(110.5);
  EXPECT_DOUBLE_EQ(designer_->layout().bands[0].height, 110.5);

  ASSERT_TRUE(designer_->save());
  const Layout saved = std::get<Layout>(readLayoutFile(file_));
  EXPECT_DOUBLE_EQ(saved.bands[0].height, 110.5);
  EXPECT_DOUBLE_EQ(saved.bands[1].height, 20);
  designer_->undo();
  designer_->undo();
  EXPECT_DOUBLE_EQ(designer_->layout().bands[0].height, 105);
  EXPECT_DOUBLE_EQ(designer_->layout().bands[1].height, 12);
}

TEST_F(FrmFormularDesignerTest, PageSettingsAreCheckedAndSaved) {
  FormularPagePanel* page = designer_->pagePanel();
  page->findChild<QDoubleSpinBox*>("marginLeft")->setValue(20);
  page->findChild<QDoubleSpinBox*>("marginBottom")->setValue(15);
  // A5 upright is too narrow for the text column, which ends at 150 mm.
  page->findChild<QComboBox*>("pageSize")->setCurrentText("A5");
  ASSERT_EQ(problems_.size(), 1);
  EXPECT_EQ(problems_[0].toStdString(),
            "Die Spalte „text“ reicht bis 150 mm und damit über die Seite hinaus (148 mm breit).");
  EXPECT_EQ(page->findChild<QComboBox*>("pageSize")->currentText(), "A4");
  page->findChild<QComboBox*>("pageOrientation")->setCurrentIndex(1);
  page->findChild<QDoubleSpinBox*>("marginRight")->setValue(280);
  ASSERT_EQ(problems_.size(), 2);
  EXPECT_EQ(
      problems_[1].toStdString(),
      "Der linke und der rechte Rand (20 mm und 280 mm) lassen auf der 297 mm breiten Seite keinen Platz.");

  ASSERT_TRUE(designer_->save());
  const Layout saved = std::get<Layout>(readLayoutFile(file_));
  EXPECT_EQ(saved.page, (LayoutPage{"A4", true, 20, 10, 20, 15}));
  EXPECT_DOUBLE_EQ(designSheet(designer_->layout()).width, 297);
}

TEST_F(FrmFormularDesignerTest, ColumnsAreAddedChangedAndRemoved) {
  FormularTablePanel* panel = designer_->tablePanel();
  QTableWidget* columns = panel->columns();
  const int cellRows = panel->cells()->rowCount();
  // The quantity column made narrower, so that a new one fits beside it.
  qobject_cast<QDoubleSpinBox*>(columns->cellWidget(2, 2))->setValue(20);
  QTest::mouseClick(panel->addColumnButton(), Qt::LeftButton);
  ASSERT_EQ(columns->rowCount(), 4);
  EXPECT_EQ(columns->item(3, 0)->text(), "Spalte 4");
  EXPECT_EQ(panel->cells()->rowCount(), cellRows + 2);  // an empty cell in the header and in the row
  columns->item(3, 4)->setText("Preis");
  qobject_cast<QComboBox*>(columns->cellWidget(3, 3))->setCurrentIndex(2);
  // Beyond the page's right edge is refused.
  qobject_cast<QDoubleSpinBox*>(columns->cellWidget(3, 1))->setValue(200);
  ASSERT_EQ(problems_.size(), 1);
  EXPECT_EQ(problems_[0].toStdString(),
            "Die Spalte „Spalte 4“ reicht bis 220 mm und damit über die Seite hinaus (210 mm breit).");
  EXPECT_DOUBLE_EQ(qobject_cast<QDoubleSpinBox*>(columns->cellWidget(3, 1))->value(), 170);

  // The text column goes, with its cells.
  columns->selectRow(1);
  QTest::mouseClick(panel->removeColumnButton(), Qt::LeftButton);
  ASSERT_EQ(columns->rowCount(), 3);

  ASSERT_TRUE(designer_->save());
  const Layout saved = std::get<Layout>(readLayoutFile(file_));
  const LayoutTable& table = saved.table.value();
  ASSERT_EQ(table.columns.size(), 3u);
  EXPECT_EQ(table.columns[2].name, "Spalte 4");
  EXPECT_DOUBLE_EQ(table.columns[2].x, 170);
  EXPECT_EQ(table.columns[2].align, LayoutAlign::Right);
  std::vector<std::string> header;
  for (const LayoutCell& cell : table.header->cells) header.push_back(cell.column + "=" + cell.text);
  EXPECT_EQ(header, (std::vector<std::string>{"pos=Pos.", "menge=Menge", "Spalte 4=Preis"}));
  ASSERT_EQ(table.rows[0].cells.size(), 3u);
  EXPECT_EQ(table.rows[0].cells[2].text, "");

  designer_->undo();  // the removal
  EXPECT_EQ(designer_->layout().table->columns.size(), 4u);
  EXPECT_EQ(designer_->tablePanel()->columns()->rowCount(), 4);
}

TEST(LayoutDesignerLaunch, AnUnreadableLayoutOpensNoDesigner) {
  TemporaryFolder folder;
  const std::filesystem::path file = folder.path() / "Rechnung.lst";
  std::ofstream(file, std::ios::binary) << "layout version=1\nband kind=first-header widht=10\n";
  QWidget parent;
  QString shown;
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, &shown] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      poll->stop();
      poll->deleteLater();
      shown = box->text();
      box->accept();
    }
  });
  poll->start(5);
  openLayoutDesigner(&parent, file, "Rechnung designen", {});
  EXPECT_TRUE(shown.startsWith("Fehler im Formular Rechnung.lst, Zeile 2")) << shown.toStdString();
  EXPECT_EQ(parent.findChild<FrmFormularDesigner*>(), nullptr);
}

TEST(FrmFormularDesignerScreenshot, ShowsALetterWithSampleData) {
  TemporaryFolder folder;
  const std::filesystem::path file = folder.path() / "Lieferschein.lst";
  std::ofstream(file, std::ios::binary) << kDeliveryNote;
  ReportData sample;
  sample.variables.define("Firma_Name", "Muster Bürobedarf GmbH");
  sample.variables.define("Firma_Strasse", "Hauptstraße 1");
  sample.variables.define("Belegkopf.Name", "Beispiel AG");
  sample.variables.define("Belegkopf.Straße", "Lindenweg 7");
  sample.variables.define("Belegkopf.PLZ", "10115");
  sample.variables.define("Belegkopf.Ort", "Berlin");
  sample.variables.defineDate("Belegkopf.Belegdatum", Date::parse("05.03.2024").value());
  sample.variables.define("Belegkopf.Belegnummer", "L-1001");
  for (int position = 1; position <= 3; ++position) {
    ReportValues& record = sample.addRecord();
    record.defineNumber("Belegpositionen.Posnummer", position);
    record.define("Belegpositionen.Bezeichnung1", "Ordner A4, Rückenbreite 8 cm");
    record.defineNumber("Belegpositionen.Menge", position * 10);
  }
  FrmFormularDesigner designer(file, std::get<Layout>(readLayoutFile(file)), "Lieferschein designen", kNames,
                               sample);
  designer.show();
  designer.canvas()->select(ElementRef{0, 1});
  QApplication::processEvents();
  QDir().mkpath(ORVOSAL_SCREENSHOT_DIR);
  ASSERT_TRUE(designer.grab().save(QString(ORVOSAL_SCREENSHOT_DIR) + "/designer.png"));
  designer.canvas()->selectBand(0);
  QApplication::processEvents();
  ASSERT_TRUE(designer.grab().save(QString(ORVOSAL_SCREENSHOT_DIR) + "/designer-band.png"));
}

}  // namespace
}  // namespace orvosal
