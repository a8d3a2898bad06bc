#include "app/frm_artikel_dateien.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QUrl>
#include <QVBoxLayout>

#include "app/options_widgets.h"
#include "app/qt_text.h"
#include "core/db/value.h"
#include "core/session.h"
#include "masterdata/articles/article_files.h"

namespace orvosal {
namespace {

using options::button;

// Pictures and files share the list; a picture's key is its ID negated, so keys stay apart.
int64_t keyOf(const ArticleFileEntry& entry) { return entry.picture ? -entry.id : entry.id; }

}  // namespace

FrmArtikelDateien::FrmArtikelDateien(Session& session, int64_t articleId, QWidget* parent)
    : QDialog(parent), session_(session), articleId_(articleId) {
  setObjectName("frmArtikelDateien");
  setWindowTitle("Bilder und Dateien");
  auto* table = new QTableWidget(this);
  table->setObjectName("tblDateien");
  QPushButton* addPictures = button(this, "Bilder hinzufügen...", "cmdBilder");
  QPushButton* addFiles = button(this, "Dateien hinzufügen...", "cmdDateien");
  QPushButton* open = button(this, "Öffnen", "cmdOeffnen");
  QPushButton* remove = button(this, "Löschen", "cmdLoeschen");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(addPictures);
  buttons->addWidget(addFiles);
  buttons->addStretch();
  buttons->addWidget(open);
  buttons->addWidget(remove);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table, 1);
  layout->addLayout(buttons);
  connect(addPictures, &QPushButton::clicked, this, [this] { choose(true); });
  connect(addFiles, &QPushButton::clicked, this, [this] { choose(false); });
  connect(open, &QPushButton::clicked, this, &FrmArtikelDateien::openMarked);
  connect(remove, &QPushButton::clicked, this, &FrmArtikelDateien::removeMarked);
  connect(table, &QTableWidget::cellDoubleClicked, this, &FrmArtikelDateien::openMarked);

  list_ = std::make_unique<ChildList<ArticleFileEntry>>(
      table,
      std::vector<ChildColumn<ArticleFileEntry>>{
          {"Art", [](const ArticleFileEntry& e) { return QString(e.picture ? "Bild" : "Datei"); }},
          {"Name", [](const ArticleFileEntry& e) { return toQString(e.name); }},
          {"Datum", [](const ArticleFileEntry& e) { return toQString(e.date); }},
          {"Pfad", [](const ArticleFileEntry& e) { return toQString(e.path); }},
      },
      keyOf,
      ChildListHandlers<ArticleFileEntry>{[this] { return entries(); }, [](const ArticleFileEntry&) {},
                                          [] { return ArticleFileEntry{}; }});
  list_->reload(0);
}

std::vector<ArticleFileEntry> FrmArtikelDateien::entries() const {
  std::vector<ArticleFileEntry> listed;
  for (const ArticlePicture& picture : ListArticlePictures(session_, articleId_))
    listed.push_back({true, picture.id, picture.dateiname, "", picture.filePath});
  for (const ArticleDocument& document : ListArticleDocuments(session_, articleId_))
    listed.push_back({false, document.id, document.infotext,
                      document.datum ? Value(*document.datum).toText() : "", document.filePath});
  return listed;
}

void FrmArtikelDateien::choose(bool pictures) {
  const QStringList chosen =
      QFileDialog::getOpenFileNames(this, pictures ? "Bilder wählen" : "Dateien wählen", QString(),
                                    pictures ? "Bilder (*.jpg *.jpeg *.png)" : "Alle Dateien (*)");
  std::vector<std::filesystem::path> files;
  for (const QString& file : chosen) files.emplace_back(file.toStdString());
  if (!files.empty()) addFiles(pictures, files);
}

void FrmArtikelDateien::addFiles(bool pictures, const std::vector<std::filesystem::path>& files) {
  const int added = pictures ? Bilder_To_Artikel(session_, articleId_, files)
                             : Files_To_Artikel(session_, articleId_, files);
  if (added > 0) list_->reload(0);
}

const ArticleFileEntry* FrmArtikelDateien::marked() const {
  const std::vector<int64_t> keys = list_->markedKeys();
  if (keys.empty()) return nullptr;
  for (const ArticleFileEntry& entry : list_->records()) {
    if (keyOf(entry) == keys.front()) return &entry;
  }
  return nullptr;
}

void FrmArtikelDateien::openMarked() {
  if (const ArticleFileEntry* entry = marked())
    QDesktopServices::openUrl(QUrl::fromLocalFile(toQString(entry->path)));
}

void FrmArtikelDateien::removeMarked() {
  const ArticleFileEntry* entry = marked();
  if (entry == nullptr) return;
  const bool removed =
      entry->picture ? DeleteArticlePicture(session_, entry->id) : DeleteArticleDocument(session_, entry->id);
  if (removed) list_->reload(0);
}

}  // namespace orvosal
