#pragma once

#include <QDialog>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/child_list.h"

namespace orvosal {

class Session;

// One line of the article's pictures and files.
struct ArticleFileEntry {
  bool picture = false;
  int64_t id = 0;
  std::string name;
  std::string date;
  std::string path;
};

// The pictures and files of one article, kept in its document folder: add pictures or files
// (chosen in the file dialog and copied into the folder), open the marked one, delete it.
class FrmArtikelDateien : public QDialog {
  Q_OBJECT

 public:
  FrmArtikelDateien(Session& session, int64_t articleId, QWidget* parent = nullptr);

  // What the add buttons do with the files chosen in their file dialog.
  void addFiles(bool pictures, const std::vector<std::filesystem::path>& files);

 private:
  std::vector<ArticleFileEntry> entries() const;
  void choose(bool pictures);
  void openMarked();
  void removeMarked();
  const ArticleFileEntry* marked() const;

  Session& session_;
  int64_t articleId_;
  std::unique_ptr<ChildList<ArticleFileEntry>> list_;
};

}  // namespace orvosal
