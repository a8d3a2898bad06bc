#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "app/menu_registry.h"
#include "app/record_binding.h"
#include "masterdata/articles/article.h"
#include "masterdata/articles/article_window_lists.h"

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;

namespace orvosal {

class Session;

// The steps of the browse buttons of the article window.
enum class ArticleStep { First, Previous, Next, Last };

// The article window "frmArtikel": one article with all its fields on the tabs "Allgemein",
// "Preise", "Lager und Kennzeichen", "Texte" and "Zusatz", the button row Neu, Speichern, Löschen,
// Kopieren and the browse buttons (by ID), the menu "Extras" and the picture of `Bild`. The rules
// are those of masterdata/articles; messages and questions go through the session's Ui. Before it
// shows another article or closes, the window asks whether to save what the user changed.
//
// Other windows that belong to an article hook in at two places, so that this window does not
// grow with them:
// - extrasMenu(): the menu "Extras"; add actions for runs over the articles (price runs). A run
//   that changes the shown article should call mayLeave() before and load(shownId()) after it.
// - addChildButton(): a button in the row above the browse buttons for a window that lists the
//   children of the shown article (supplier prices, customer prices, bill of materials, serial
//   numbers, pictures and files).
class FrmArtikel : public QWidget {
  Q_OBJECT

 public:
  explicit FrmArtikel(Session& session, QWidget* parent = nullptr);

  // The ID of the shown article; 0 for a new, unsaved one.
  int64_t shownId() const { return shown_.id; }

  // Shows the stored article as the database holds it; an ID that no article has leaves the
  // window as it is. Unsaved changes are dropped without asking.
  void load(int64_t id);
  // Shows a new, unsaved article; unsaved changes are dropped without asking.
  void startNew();

  // Offers to save what the user changed in the shown article ("Jetzt speichern?"). True when the
  // window may show something else; false when the save was refused and the article must stay.
  bool mayLeave();

  // The menu of the button "Extras". Its first entry is "Neue Artikelnummer vergeben".
  QMenu* extrasMenu() const { return extras_; }

  // Adds a button with the caption to the row of child windows. The button is enabled only while
  // a stored article is shown. Clicking it first offers to save unsaved changes (and stays when
  // the save is refused), then calls `open` with the article's ID, and then shows the article
  // anew from the database, since the child window may have changed it (flags of the bill of
  // materials, document folder). `open` may show a modal dialog or a window of its own.
  QPushButton* addChildButton(const QString& caption, std::function<void(int64_t articleId)> open);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // A group combo (product group or main group) whose entries carry the group's ID and show its
  // name; the article stores both.
  struct GroupCombo {
    QComboBox* combo = nullptr;
    GroupKind kind;
    std::string Article::*name;
    int Article::*id;
  };

  QWidget* buildHeader();
  QWidget* buildGeneralTab();
  QWidget* buildPricesTab();
  QWidget* buildStockTab();
  QWidget* buildTextsTab();
  QWidget* buildExtraTab();
  QHBoxLayout* buildButtonRow();
  QLineEdit* edit(QWidget* parent, const char* name, std::string_view column, int maxLength);
  QLineEdit* amount(QWidget* parent, const char* name, std::string_view column);
  QComboBox* choiceCombo(QWidget* parent, const char* name, std::string_view column);

  void fillChoices();
  void fillGroups(int64_t supplierId);
  void showGroups(const Article& article);
  void supplierChanged();
  void showArticle(const Article& article);
  void showPicture();
  Article entered() const;
  void focusControl(QWidget* control);
  void browse(ArticleStep step);
  void newArticle();
  void save();
  void remove();
  void copy();
  void assignNumber();
  void choosePicture();
  void openChild(const std::function<void(int64_t)>& open);

  Session& session_;
  Article shown_;
  RecordBinding<Article> binding_{ArticleFields()};
  // The amount edits and their columns: shown with at least two decimals, never rounded.
  std::vector<std::pair<QLineEdit*, std::string_view>> amounts_;
  std::vector<GroupCombo> groups_;
  QTabWidget* tabs_ = nullptr;
  QLabel* id_ = nullptr;
  QLineEdit* number_ = nullptr;
  QLineEdit* description_ = nullptr;
  QLineEdit* picturePath_ = nullptr;
  QLabel* picture_ = nullptr;
  QComboBox* supplier_ = nullptr;
  QComboBox* discountScale_ = nullptr;
  QComboBox* commissionClass_ = nullptr;
  QCheckBox* component_ = nullptr;
  QCheckBox* master_ = nullptr;
  QPushButton* copyButton_ = nullptr;
  QWidget* childBar_ = nullptr;
  QHBoxLayout* childRow_ = nullptr;
  std::vector<QPushButton*> childButtons_;
  QMenu* extras_ = nullptr;
};

// Opens the article window as a window of its own, on the given article, else on the one the user
// last had open in it, else on a new one.
FrmArtikel* openArticleWindow(Session& session, QWidget* parent,
                              std::optional<int64_t> articleId = std::nullopt);

// Adds the buttons of the article's child windows (supplier and customer prices, bill of
// materials, serial numbers, pictures and files) and the price runs of the menu "Extras".
void addArticleExtensions(FrmArtikel* window, Session& session);

// Stammdaten → Artikel... (right "Artikel").
void contributeArticleMenu(MenuRegistry& registry);

}  // namespace orvosal
