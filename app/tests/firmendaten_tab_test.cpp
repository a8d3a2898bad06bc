#include "app/firmendaten_tab.h"

#include <gtest/gtest.h>

#include <fstream>

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/tests/user_window_fixture.h"
#include "core/company/company.h"
#include "core/users/current_user.h"

namespace orvosal {
namespace {

class FirmendatenTabTest : public UserWindowFixture {
 protected:
  void SetUp() override {
    UserWindowFixture::SetUp();
    signInWithSystemRight();
  }

  void open() {
    tab_ = std::make_unique<FirmendatenTab>(session_);
    tab_->resize(tab_->sizeHint());
    tab_->show();
  }
  QLineEdit* edit(const QString& column) { return tab_->findChild<QLineEdit*>("txt" + column); }
  void retype(const QString& column, const QString& text) {
    edit(column)->clear();
    QTest::keyClicks(edit(column), text);
  }
  void click(const char* name) { QTest::mouseClick(tab_->findChild<QPushButton*>(name), Qt::LeftButton); }
  void chooseLogo(const std::filesystem::path& file) {
    tab_->setLogoChooser([file](QWidget*) { return std::optional<std::filesystem::path>(file); });
    click("cmdLogoWaehlen");
  }
  std::vector<std::string> messages() { return ui_.texts("message"); }
  Company stored() { return ReadCompany(GlobalConnection(session_)).value_or(Company{}); }
  std::filesystem::path imageFile(const char* name) {
    const std::filesystem::path file = std::filesystem::path(images_.path().toStdString()) / name;
    QImage image(120, 40, QImage::Format_RGB32);
    image.fill(QColor(20, 90, 160));
    EXPECT_TRUE(image.save(QString::fromStdString(file.string())));
    return file;
  }

  QTemporaryDir images_;
  std::unique_ptr<FirmendatenTab> tab_;
};

TEST_F(FirmendatenTabTest, ShowsEveryColumnAndSavesWhatIsTyped) {
  open();
  for (const FieldDef<Company>& field : CompanyFields()) {
    const QString column =
        QString::fromUtf8(field.column.data(), static_cast<qsizetype>(field.column.size()));
    const bool hidden = field.key || column == "MasterPassword" || column == "Logo";
    EXPECT_EQ(edit(column) != nullptr, !hidden) << field.column;
  }
  EXPECT_EQ(edit("Name")->text(), "Musterfirma");
  EXPECT_EQ(edit("Straße")->text(), "Mustergasse");

  retype("Name", "Holzbau Lehmann GmbH");
  retype("Ort", "Dresden");
  retype("Geschäftsführer", "Erika Lehmann");
  retype("IBAN", "de89 3704 0044 0532 0130 00");
  retype("BIC", "deutdeff");
  retype("IBAN2", "AT61 1904 3002 3457 3201");
  retype("EuIdentNr", "DE 123456789");
  click("cmdSpeichern");

  EXPECT_EQ(messages(), std::vector<std::string>{"Änderungen gespeichert"});
  const Company company = stored();
  EXPECT_EQ(company.name, "Holzbau Lehmann GmbH");
  EXPECT_EQ(company.ort, "Dresden");
  EXPECT_EQ(company.geschaeftsfuehrer, "Erika Lehmann");
  EXPECT_EQ(company.iban, "DE89370400440532013000");
  EXPECT_EQ(company.bic, "DEUTDEFF");
  EXPECT_EQ(company.iban2, "AT611904300234573201");
  EXPECT_EQ(company.euIdentNr, "DE123456789");
  EXPECT_EQ(company.strasse, "Mustergasse");
  EXPECT_EQ(session_.area<Company>(), company);
  EXPECT_EQ(edit("IBAN")->text(), "DE89370400440532013000") << "the tab shows what was stored";

  click("cmdSpeichern");
  EXPECT_EQ(messages().back(), "Keine Änderung!, nicht gespeichert");
}

TEST_F(FirmendatenTabTest, AnInvalidIbanShowsTheMessageAndWritesNothing) {
  open();
  const Company before = stored();
  retype("Name", "Neu");
  retype("IBAN", "DE89 3704 0044 0532 0130 01");
  click("cmdSpeichern");
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages().front(),
            "Die IBAN der Bank 1 'DE89 3704 0044 0532 0130 01' ist ungültig: die Prüfziffer stimmt nicht.");
  EXPECT_EQ(stored(), before);
  EXPECT_EQ(edit("IBAN")->text(), "DE89 3704 0044 0532 0130 01") << "the entry stays for correction";
}

TEST_F(FirmendatenTabTest, AUserWithoutTheSystemRightIsRefused) {
  session_.area<CurrentUser>().rights["System"] = 0;
  open();
  const Company before = stored();
  retype("Name", "Neu");
  click("cmdSpeichern");
  EXPECT_EQ(messages(), std::vector<std::string>{"Keine Berechtigung für diesen Programmteil"});
  EXPECT_EQ(stored(), before);
}

TEST_F(FirmendatenTabTest, AChosenLogoIsPreviewedAndTakenOverOnSaving) {
  open();
  chooseLogo(imageFile("logo.png"));
  auto* preview = tab_->findChild<QLabel*>("imgLogo");
  EXPECT_FALSE(preview->pixmap().isNull());
  EXPECT_EQ(stored().logo, "") << "nothing is written before saving";

  click("cmdSpeichern");
  EXPECT_EQ(stored().logo, "Firmenlogo.png");
  EXPECT_TRUE(std::filesystem::exists(session_.programFolder() / "Firmenlogo.png"));
  EXPECT_EQ(tab_->findChild<QLabel*>("lblLogo")->text(), "Firmenlogo.png");

  // The picture is kept in the build folder so a person can look at the tab.
  QDir().mkpath(ORVOSAL_SCREENSHOT_DIR);
  ASSERT_TRUE(tab_->grab().save(QString(ORVOSAL_SCREENSHOT_DIR) + "/firmendaten_tab.png"));
}

TEST_F(FirmendatenTabTest, AFileThatIsNoImageIsRefused) {
  open();
  const std::filesystem::path text = std::filesystem::path(images_.path().toStdString()) / "brief.png";
  std::ofstream(text) << "Sehr geehrte Damen und Herren";
  chooseLogo(text);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_NE(messages().front().find("ist kein Bild"), std::string::npos) << messages().front();
  EXPECT_EQ(tab_->findChild<QLabel*>("lblLogo")->text(), "Kein Logo");
  retype("Name", "Neu");
  click("cmdSpeichern");
  EXPECT_EQ(stored().logo, "");
  EXPECT_FALSE(std::filesystem::exists(session_.programFolder() / "Firmenlogo.png"));
}

}  // namespace
}  // namespace orvosal
