#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/tests/user_window_fixture.h"
#include "core/db/recordset.h"
#include "core/rules/soundex.h"

namespace orvosal {

// A window hanging on an article: a stored article, a user who may save articles, and helpers to
// press its buttons, type into it and read its table.
class ArticleWindowFixture : public UserWindowFixture {
 protected:
  void SetUp() override {
    UserWindowFixture::SetUp();
    CurrentUser& user = session_.area<CurrentUser>();
    user.signedIn = true;
    user.rights["Save_Artikel"] = 1;
    articleId_ = storeArticle("BM-100", "Bohrmaschine");
  }

  int64_t storeArticle(const std::string& number, const std::string& description) {
    Recordset rs(GlobalConnection(session_), "SELECT Top 1 * FROM Artikel");
    rs.addNew();
    rs.set("Artikelnummer", Value(number));
    rs.set("Bezeichnung1", Value(description));
    rs.set("StücklistenArtikel", Value(0));
    rs.set("MasterArtikel", Value(0));
    rs.update();
    return rs["ID"].toInt();
  }

  int64_t storeAddress(bool customer, const std::string& name) {
    Recordset rs(GlobalConnection(session_), "SELECT Top 1 * FROM Adressen");
    rs.addNew();
    rs.set("Kunde", Value(customer));
    rs.set("Name", Value(name));
    rs.set("SoundExName", Value(SoundEx(name)));
    rs.update();
    return rs["ID"].toInt();
  }

  // Shows the window the way the article window opens it.
  void open(std::unique_ptr<QDialog> window) {
    window_ = std::move(window);
    window_->resize(560, 420);
    window_->show();
  }

  template <class Widget>
  Widget* find(const char* name) {
    auto* widget = window_->findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
  void type(const char* name, const QString& text) { find<QLineEdit>(name)->setText(text); }
  QString shown(const char* name) { return find<QLineEdit>(name)->text(); }

  // The table's rows, their cells joined by " | ".
  QStringList rows(const char* table) {
    QStringList texts;
    auto* widget = find<QTableWidget>(table);
    for (int row = 0; row < widget->rowCount(); ++row) {
      QStringList cells;
      for (int column = 0; column < widget->columnCount(); ++column)
        cells << widget->item(row, column)->text();
      texts << cells.join(" | ");
    }
    return texts;
  }

  // Takes the address named `name` in the address search that the next button opens.
  static void pickInAddressSearch(const QString& name) {
    QTimer::singleShot(0, [name] {
      QWidget* dialog = QApplication::activeModalWidget();
      ASSERT_NE(dialog, nullptr);
      auto* edit = dialog->findChild<QLineEdit*>("txtSuche");
      QTest::keyClicks(edit, name);
      QTest::keyClick(edit, Qt::Key_Return);
    });
  }

  void saveScreenshot(const char* fileName) {
    QDir().mkpath(ORVOSAL_SCREENSHOT_DIR);
    const QString file = QString(ORVOSAL_SCREENSHOT_DIR) + "/" + fileName;
    ASSERT_TRUE(window_->grab().save(file)) << file.toStdString();
  }

  int64_t articleId_ = 0;
  std::unique_ptr<QDialog> window_;
};

}  // namespace orvosal
