#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/menu_registry.h"
#include "masterdata/articles/article_search.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QTimer;

namespace orvosal {

class Session;

// The article search: searches while the user types (after a short pause, so that fast typing
// runs one query), by the chosen field, within the chosen product group and supplier, and lists
// the hits with unit, price and stock. Enter or a double-click takes the marked article (the first
// one when none is marked). "Liste drucken" prints the articles of the search ("Artikelliste.lst").
class frmArtikelSuche : public QDialog {
  Q_OBJECT

 public:
  // `initialText` stands in the search field and is searched at once.
  frmArtikelSuche(Session& session, const QString& initialText, QWidget* parent = nullptr);

  // The article taken, once the dialog was accepted.
  const std::optional<ArticleSearchRow>& chosen() const { return chosen_; }

  // Lets the user pick an article, starting with `initialText` searched; its `ID`, or nothing
  // when the user cancels. Documents, purchase orders and the cash sale take their articles so.
  static std::optional<int64_t> pickArticle(QWidget* parent, Session& session, const QString& initialText);

 protected:
  // Up and down in the search field move the mark in the list, so the hands stay on the keys.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void fillFilters();
  void search();
  void take();
  void showRows();
  void printList();

  Session& session_;
  QLineEdit* text_ = nullptr;
  QComboBox* field_ = nullptr;
  QComboBox* group_ = nullptr;
  QComboBox* supplier_ = nullptr;
  QTableWidget* list_ = nullptr;
  QLabel* count_ = nullptr;
  QTimer* pause_ = nullptr;
  std::vector<ArticleSearchRow> rows_;
  std::optional<ArticleSearchRow> chosen_;
};

// Stammdaten → Artikel suchen...: shows the picked article in the status bar.
void contributeArticleSearchMenu(MenuRegistry& registry);

}  // namespace orvosal
