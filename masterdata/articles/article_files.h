#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/datetime.h"
#include "core/records/field_table.h"
#include "core/session.h"

namespace orvosal {

// One `Artikel_Bilder` row: a picture of the article, kept in its document folder.
struct ArticlePicture {
  int64_t id = 0;
  int64_t artikelId = 0;
  std::string dateiname;
  std::string filePath;
  bool operator==(const ArticlePicture&) const = default;
};

// One `Artikel_Dokumente` row: a file of the article, kept in its document folder.
struct ArticleDocument {
  int64_t id = 0;
  int64_t artikelId = 0;
  std::optional<Date> datum;
  std::string infotext;
  std::string filePath;
  bool operator==(const ArticleDocument&) const = default;
};

FieldTable<ArticlePicture> ArticlePictureFields();
FieldTable<ArticleDocument> ArticleDocumentFields();

// The pictures and files of the article in the order they were added.
std::vector<ArticlePicture> ListArticlePictures(Session& session, int64_t articleId);
std::vector<ArticleDocument> ListArticleDocuments(Session& session, int64_t articleId);

// The document folder of an article whose `DossraPath` is empty: "Artikel/<ID>" in the program
// folder. It is made and stored in `DossraPath` the first time a file is added.
std::filesystem::path DefaultArticleFolder(Session& session, int64_t articleId);

// Copy the chosen files into the article's document folder and add a row for each. A file whose
// name is taken in the folder is stored under a free name ("Bild (2).jpg"), so nothing there is
// ever overwritten. After each copy the user may have the original deleted. Pictures must be
// .jpg, .jpeg or .png. Nothing is copied when a file is missing or of a wrong type, the article is
// not found, its folder cannot be made, or the user lacks the right to save articles. The number
// of files added.
int Bilder_To_Artikel(Session& session, int64_t articleId, const std::vector<std::filesystem::path>& files);
int Files_To_Artikel(Session& session, int64_t articleId, const std::vector<std::filesystem::path>& files);

// Remove the row after asking, with the copy in the document folder. True when deleted.
bool DeleteArticlePicture(Session& session, int64_t id);
bool DeleteArticleDocument(Session& session, int64_t id);

}  // namespace orvosal
