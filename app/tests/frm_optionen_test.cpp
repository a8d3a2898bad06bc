#include "app/frm_optionen.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "app/tests/user_window_fixture.h"
#include "core/users/current_user.h"
#include "documents/numbering/number_format.h"
#include "documents/types/document_type_store.h"
#include "documents/types/number_range_editor.h"
#include "masterdata/addresses/address_check_settings.h"

namespace orvosal {
namespace {

class FrmOptionenTest : public UserWindowFixture {
 protected:
  void SetUp() override {
    UserWindowFixture::SetUp();
    signInWithSystemRight();
  }

  void open(int tab) {
    window_ = std::make_unique<frmOptionen>(session_);
    window_->resize(1200, 760);
    window_->show();
    tabs()->setCurrentIndex(tab);
  }
  QTabWidget* tabs() { return window_->findChild<QTabWidget*>("tabOptionen"); }
  QWidget* page() { return tabs()->currentWidget(); }
  template <class Widget>
  Widget* find(const char* name) {
    auto* widget = page()->findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
  void type(const char* name, const QString& text) {
    find<QLineEdit>(name)->clear();
    QTest::keyClicks(find<QLineEdit>(name), text);
  }
  void choose(const char* combo, const QString& caption) {
    QComboBox* box = find<QComboBox>(combo);
    const int index = box->findText(caption);
    ASSERT_GE(index, 0) << combo << " " << caption.toStdString();
    box->setCurrentIndex(index);
  }
  QStringList listed() {
    QStringList items;
    auto* list = find<QListWidget>("lstBelegarten");
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
  }
  std::string lastMessage() { return ui_.shown().empty() ? "<keine>" : ui_.shown().back().text; }

  std::unique_ptr<frmOptionen> window_;
};

TEST_F(FrmOptionenTest, ANewTypeWithATakenTitleIsRefused) {
  open(0);
  click("cmdNeu");
  type("txtBelegtitel", "Rechnung");
  type("txtFormularname", "Rechnung2");
  click("cmdSpeichern");
  EXPECT_EQ(lastMessage(), "Belegart schon vorhanden, oder eine Datei wird überschrieben!");
  EXPECT_EQ(ListDocumentTypes(session_, true).size(), 3u);
  EXPECT_EQ(listed(), (QStringList{"Angebot", "Auftragsbestätigung", "Rechnung"}));
}

TEST_F(FrmOptionenTest, ASavedNewTypeAppearsInTheListWithWhatWasEntered) {
  open(0);
  click("cmdNeu");
  type("txtBelegtitel", "Lieferschein");
  type("txtFormularname", "Lieferschein");
  choose("cboGPNachkommaStellen", "0,00");
  choose("cboVersandVariante", "am Schluß");
  choose("cboInsLager", "ins Lager");
  click("cmdSpeichern");
  EXPECT_EQ(lastMessage(), "Belegart (Verkauf) -->'Lieferschein' angelegt!");
  EXPECT_EQ(listed(), (QStringList{"Angebot", "Auftragsbestätigung", "Rechnung", "Lieferschein"}));
  EXPECT_EQ(find<QListWidget>("lstBelegarten")->currentRow(), 3);
  const DocumentType stored = ListDocumentTypes(session_, true).back();
  EXPECT_EQ(stored.belegtitel, "Lieferschein");
  EXPECT_TRUE(stored.kundenbereich);
  EXPECT_EQ(stored.gpNachkommaStellen, 2);
  EXPECT_EQ(stored.versandVariante, 1);
  EXPECT_EQ(stored.insLager, 1);
  EXPECT_TRUE(stored.isActive());
}

TEST_F(FrmOptionenTest, SwitchingATypeMarksItInactiveInTheList) {
  open(0);
  find<QListWidget>("lstBelegarten")->setCurrentRow(1);
  ui_.answer(true);
  click("cmdAktivSchalten");
  EXPECT_EQ(ui_.texts("question"),
            std::vector<std::string>{"Soll die Belegart Auftragsbestätigung InAktiv geschalten werden"});
  EXPECT_EQ(listed(), (QStringList{"Angebot", "Auftragsbestätigung (inaktiv)", "Rechnung"}));
}

TEST_F(FrmOptionenTest, ThePreviewFollowsEveryKeystroke) {
  open(2);
  click("cmdNeu");
  choose("cboStellen", "4");
  auto* preview = find<QLabel>("lblVorschau");
  const std::pair<const char*, QString> typing[] = {
      {"txtVortext", "RE-[Jahr]-"}, {"txtNummer", "17"}, {"txtNachtext", "/x"}};
  for (const auto& [field, text] : typing) find<QLineEdit>(field)->clear();
  for (const auto& [field, text] : typing) {
    for (const QChar c : text) {
      QTest::keyClicks(find<QLineEdit>(field), QString(c));
      const std::string expected =
          Beleg_Nummer_Vorschau(session_, find<QLineEdit>("txtVortext")->text().toStdString(),
                                find<QLineEdit>("txtNummer")->text().toStdString(),
                                find<QLineEdit>("txtNachtext")->text().toStdString(), 4);
      EXPECT_EQ(preview->text().toStdString(), expected) << field << " after " << QString(c).toStdString();
    }
  }
  EXPECT_EQ(preview->text(), "RE-2024-0017/x");
  choose("cboStellen", "unformartiert");
  EXPECT_EQ(preview->text(), "RE-2024-17/x");
}

TEST_F(FrmOptionenTest, ANumberRangeIsSavedAndBrowsed) {
  open(2);
  click("cmdNeu");
  type("txtVortext", "A-");
  type("txtNummer", "5");
  click("cmdSpeichern");
  EXPECT_EQ(lastMessage(), "Daten gespeichert!");
  click("cmdNeu");
  type("txtVortext", "B-");
  // Leaving the unsaved range asks first; saved, the browsing goes on.
  ui_.answer(true);
  click("cmdErster");
  EXPECT_EQ(ui_.texts("question"),
            std::vector<std::string>{"Daten wurden geändert und noch nicht gepeichert!\nJetzt speichern?"});
  EXPECT_EQ(find<QLineEdit>("txtVortext")->text(), "A-");
  click("cmdVor");
  EXPECT_EQ(find<QLineEdit>("txtVortext")->text(), "B-");
  click("cmdVor");
  EXPECT_EQ(find<QLineEdit>("txtVortext")->text(), "B-");
  EXPECT_EQ(ListNumberRanges(session_).size(), 2u);
  EXPECT_EQ(ui_.texts("question").size(), 1u);
}

TEST_F(FrmOptionenTest, ClosingWithAnUnsavedRangeAsksAndAFailedSaveKeepsTheWindowOpen) {
  open(2);
  type("txtNummer", "");
  ui_.answer(true);
  QTest::mouseClick(window_->findChild<QPushButton*>("cmdSchliessen"), Qt::LeftButton);
  EXPECT_EQ(lastMessage(), "Daten unvollständig!");
  EXPECT_TRUE(window_->isVisible());
  ui_.answer(false);
  QTest::mouseClick(window_->findChild<QPushButton*>("cmdSchliessen"), Qt::LeftButton);
  EXPECT_FALSE(window_->isVisible());
  EXPECT_EQ(ui_.texts("question").size(), 2u);
  EXPECT_TRUE(ListNumberRanges(session_).empty());
}

TEST_F(FrmOptionenTest, TheAddressCheckIsSetUpWithAServiceAddress) {
  open(5);
  find<QCheckBox>("chkAdresspruefung")->click();
  type("txtAdresspruefungURL", "ftp://geo.example");
  click("cmdSpeichern");
  EXPECT_FALSE(ReadAddressCheckSettings(session_).enabled);
  type("txtAdresspruefungURL", "https://geo.example/api");
  type("txtAdresspruefungKey", "k-1");
  click("cmdSpeichern");
  EXPECT_EQ(ReadAddressCheckSettings(session_),
            (AddressCheckSettings{.enabled = true, .endpoint = "https://geo.example/api", .key = "k-1"}));
}

TEST_F(FrmOptionenTest, EveryTabRenders) {
  NumberRangeDraft range{0, "RE-[Jahr]-", "17", "", 5};
  ASSERT_TRUE(SaveNumberRange(session_, range));
  open(0);
  QStringList captions;
  for (int i = 0; i < tabs()->count(); ++i) captions << tabs()->tabText(i);
  EXPECT_EQ(captions, QStringList({"Belegarten (Verkauf)", "Belegarten (Einkauf)", "Nummernkreise",
                                   "Einstellungen", "Firmendaten", "Adressprüfung"}));
  QDir().mkpath(ORVOSAL_SCREENSHOT_DIR);
  for (int i = 0; i < tabs()->count(); ++i) {
    tabs()->setCurrentIndex(i);
    const QString file = QString(ORVOSAL_SCREENSHOT_DIR) + "/frm_optionen_" + QString::number(i) + ".png";
    ASSERT_TRUE(window_->grab().save(file)) << file.toStdString();
  }
}

}  // namespace
}  // namespace orvosal
