#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <initializer_list>
#include <string>
#include <utility>

#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/rules/soundex.h"
#include "core/tests/db_test_support.h"
#include "core/users/current_user.h"

namespace orvosal {

// A seeded database on both engines with a user who may edit documents, and helpers to store
// partners and articles, read the stored header and look at a window's labels and tables.
class DocumentWindowFixture : public testing::SeededBothEngines {
 protected:
  void SetUp() override {
    SeededBothEngines::SetUp();
    if (IsSkipped()) return;
    engine().clock().set(DateTime::parse("05.03.2024 10:30:00").value());
    CurrentUser& user = session().area<CurrentUser>();
    user.signedIn = true;
    user.id = 1;
    user.name = "Tester";
    for (const char* right : {"Rechnungen", "Bestellungen", "Change_Beleg", "Change_Items", "Delete_Items",
                              "Kunden", "Lieferanten", "Save_Kunde", "Save_Lieferant", "Artikel"})
      user.rights[right] = 1;
  }

  int64_t insert(const std::string& table, std::initializer_list<std::pair<const char*, Value>> columns) {
    Recordset rs(db(), "SELECT Top 1 * FROM " + table);
    rs.addNew();
    for (const auto& [column, value] : columns) rs.set(column, value);
    rs.update();
    return rs[table == "Belegkopf" ? "BelegID" : "ID"].toInt();
  }

  int64_t storeCustomer(const std::string& number, const std::string& name) {
    return insert("Adressen", {{"Kunde", Value(true)},
                               {"Kundennummer", Value(number)},
                               {"Name", Value(name)},
                               {"SoundExName", Value(SoundEx(name))},
                               {"Ort", Value("Kassel")}});
  }

  int64_t storeArticle(const std::string& number, const std::string& description, const std::string& price,
                       int vatGroup, const std::string& purchasePrice = "0") {
    return insert("Artikel", {{"Artikelnummer", Value(number)},
                              {"Bezeichnung1", Value(description)},
                              {"Verkaufspreis1", Value(Currency::parse(price).value())},
                              {"Einkaufspreis", Value(Currency::parse(purchasePrice).value())},
                              {"Mwst", Value(vatGroup)},
                              {"Einheit", Value("Stk")},
                              {"StücklistenArtikel", Value(0)},
                              {"MasterArtikel", Value(0)}});
  }

  int64_t typeId(const std::string& title) {
    Recordset rs(db(), "SELECT ID FROM Belegarten WHERE ([Belegtitel] IN (" + SqlQuoted(title) + "))");
    return rs["ID"].toInt();
  }

  Value storedHeader(int64_t belegId, const std::string& column) {
    return Recordset(
        db(), "SELECT * FROM Belegkopf WHERE ([BelegID] IN (" + std::to_string(belegId) + "))")[column];
  }
  void execute(const std::string& sql) { db().execute(sql); }
  int64_t count(const std::string& table) {
    return Recordset(db(), "SELECT count(*) AS n FROM " + table)["n"].toInt();
  }

  // Types into the widget that has the keyboard focus, as the user's keyboard does.
  static void typeKeys(const QString& text) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr) << "nothing has the focus";
    QTest::keyClicks(focus, text);
  }
  static void pressKey(Qt::Key key) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr) << "nothing has the focus";
    QTest::keyClick(focus, key);
  }
  static QString focusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus->objectName() : QString();
  }

  // The table's rows, their cells joined by " | ".
  static QStringList rows(QTableWidget* table) {
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row) {
      QStringList cells;
      for (int column = 0; column < table->columnCount(); ++column)
        cells << (table->item(row, column) != nullptr ? table->item(row, column)->text() : QString());
      texts << cells.join(" | ");
    }
    return texts;
  }

  static void saveScreenshot(QWidget* window, const char* fileName) {
    QDir().mkpath(ORVOSAL_SCREENSHOT_DIR);
    const QString file = QString(ORVOSAL_SCREENSHOT_DIR) + "/" + fileName;
    ASSERT_TRUE(window->grab().save(file)) << file.toStdString();
  }

  std::vector<std::string> shown(const char* kind) { return engine().ui().texts(kind); }
};

}  // namespace orvosal
