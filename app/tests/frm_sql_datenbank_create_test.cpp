#include "app/frm_sql_datenbank_create.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "core/db/connection_string.h"

namespace orvosal {
namespace {

QLineEdit* edit(const frmSQLDatenbankCreate& dialog, const char* name) {
  return dialog.findChild<QLineEdit*>(name);
}

QPushButton* okButton(const frmSQLDatenbankCreate& dialog) {
  for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
    if (button->text() == "Erstellen") return button;
  }
  return nullptr;
}

void retype(QLineEdit* field, const QString& text) {
  field->clear();
  QTest::keyClicks(field, text);
}

TEST(frmSQLDatenbankCreate, ProposesThisComputerPort5432AndOrvosal) {
  frmSQLDatenbankCreate dialog;
  EXPECT_EQ(edit(dialog, "txtServer")->text().toStdString(), computerName());
  EXPECT_EQ(dialog.findChild<QSpinBox*>("txtPort")->value(), 5432);
  EXPECT_EQ(edit(dialog, "txtDatenbank")->text(), "orvosal");
  EXPECT_FALSE(dialog.findChild<QCheckBox*>("chkIntegratedSecurity")->isChecked());
}

TEST(frmSQLDatenbankCreate, HandsOnWhatWasTypedWhenAccepted) {
  frmSQLDatenbankCreate dialog;
  dialog.show();
  retype(edit(dialog, "txtServer"), "db-server");
  auto* port = dialog.findChild<QSpinBox*>("txtPort");
  port->selectAll();
  QTest::keyClicks(port, "6543");
  retype(edit(dialog, "txtDatenbank"), "filiale_sued");
  retype(edit(dialog, "txtBenutzer"), "buchhaltung");
  retype(edit(dialog, "txtKennwort"), "Geh eim;1");
  edit(dialog, "txtTitel")->setText("Filiale Süd");
  QTest::mouseClick(okButton(dialog), Qt::LeftButton);

  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  const SqlServerDatabaseRequest request = dialog.request();
  EXPECT_EQ(request.server, "db-server,6543");
  EXPECT_EQ(request.name, "filiale_sued");
  EXPECT_EQ(request.user, "buchhaltung");
  EXPECT_EQ(request.password, "Geh eim;1");
  EXPECT_FALSE(request.integratedSecurity);
  EXPECT_EQ(request.title, "Filiale Süd");
}

TEST(frmSQLDatenbankCreate, IntegratedSecurityHandsOnNoLogin) {
  frmSQLDatenbankCreate dialog;
  dialog.show();
  retype(edit(dialog, "txtKennwort"), "geheim");
  QTest::mouseClick(dialog.findChild<QCheckBox*>("chkIntegratedSecurity"), Qt::LeftButton);

  EXPECT_FALSE(edit(dialog, "txtBenutzer")->isEnabled());
  EXPECT_FALSE(edit(dialog, "txtKennwort")->isEnabled());
  const SqlServerDatabaseRequest request = dialog.request();
  EXPECT_TRUE(request.integratedSecurity);
  EXPECT_EQ(request.user, "");
  EXPECT_EQ(request.password, "");
}

TEST(frmSQLDatenbankCreate, CannotBeAcceptedWithoutServerOrDatabase) {
  frmSQLDatenbankCreate dialog;
  dialog.show();
  edit(dialog, "txtDatenbank")->clear();
  EXPECT_FALSE(okButton(dialog)->isEnabled());
  QTest::keyClicks(edit(dialog, "txtDatenbank"), "neu");
  EXPECT_TRUE(okButton(dialog)->isEnabled());
  edit(dialog, "txtServer")->setText("  ");
  EXPECT_FALSE(okButton(dialog)->isEnabled());
}

}  // namespace
}  // namespace orvosal
