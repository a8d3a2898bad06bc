#include "masterdata/articles/article_files.h"

#include <algorithm>
#include <cctype>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/operation_guard.h"
#include "core/users/rights.h"
#include "core/version.h"
#include "masterdata/articles/article_child_rows.h"

namespace orvosal {
namespace {

namespace fs = std::filesystem;

const FieldDef<ArticlePicture> kPictureFields[] = {
    {"ID", &ArticlePicture::id, true},
    {"ArtikelID", &ArticlePicture::artikelId},
    {"Dateiname", &ArticlePicture::dateiname},
    {"FilePath", &ArticlePicture::filePath},
};

const FieldDef<ArticleDocument> kDocumentFields[] = {
    {"ID", &ArticleDocument::id, true},       {"ArtikelID", &ArticleDocument::artikelId},
    {"Datum", &ArticleDocument::datum},       {"Infotext", &ArticleDocument::infotext},
    {"FilePath", &ArticleDocument::filePath},
};

enum class FileKind { Picture, Document };

const char* tableOf(FileKind kind) {
  return kind == FileKind::Picture ? "Artikel_Bilder" : "Artikel_Dokumente";
}

std::string fileOperation(FileKind kind, const char* name) {
  return operationName("frmArtikel", OperationKind::Sub,
                       std::string(kind == FileKind::Picture ? "Bilder_" : "Files_") + name);
}

bool isPicture(const fs::path& file) {
  std::string extension = file.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".jpg" || extension == ".jpeg" || extension == ".png";
}

// The reason the files cannot be taken, empty when all can.
std::string fileRefusal(const std::vector<fs::path>& files, FileKind kind) {
  for (const fs::path& file : files) {
    if (!fs::is_regular_file(file)) return "Die Datei " + file.string() + " wurde nicht gefunden";
    if (kind == FileKind::Picture && !isPicture(file)) return "Falscher Datei-Typ";
  }
  return "";
}

// The name in the folder under which nothing is stored yet: the file's own, else with " (2)",
// " (3)" ... before the extension.
fs::path freeTarget(const fs::path& folder, const fs::path& file) {
  fs::path target = folder / file.filename();
  for (int n = 2; fs::exists(target); ++n)
    target = folder / (file.stem().string() + " (" + std::to_string(n) + ")" + file.extension().string());
  return target;
}

// The article's document folder, made when missing; a new folder is stored in `DossraPath`. Empty
// when the folder cannot be made (the user is told).
std::optional<fs::path> documentFolder(Session& session, Recordset& article) {
  const std::string stored = article["DossraPath"].toText();
  const fs::path folder =
      stored.empty() ? DefaultArticleFolder(session, article["ID"].toInt()) : fs::path(stored);
  std::error_code failure;
  fs::create_directories(folder, failure);
  if (!fs::is_directory(folder, failure)) {
    WarnAboutArticleRow(session,
                        "Dateipfad " + folder.string() + " kann nicht gefunden bzw. nicht erstellt werden!");
    return std::nullopt;
  }
  if (stored.empty()) {
    article.set("DossraPath", Value(folder.string()));
    article.update();
  }
  return folder;
}

void addRow(Session& session, FileKind kind, int64_t articleId, const fs::path& target) {
  Recordset rs(GlobalConnection(session), std::string("SELECT Top 1 * FROM ") + tableOf(kind));
  rs.addNew();
  if (kind == FileKind::Picture) {
    writeRecord(rs, ArticlePicture{0, articleId, target.filename().string(), target.string()},
                ArticlePictureFields());
  } else {
    writeRecord(
        rs,
        ArticleDocument{0, articleId, session.clock().today(), target.filename().string(), target.string()},
        ArticleDocumentFields());
  }
  rs.update();
}

int addFiles(Session& session, int64_t articleId, const std::vector<fs::path>& files, FileKind kind) {
  return runOperation(session, fileOperation(kind, "To_Artikel"), 0, [&] {
    if (files.empty() || !RequireRight(session, "Save_Artikel")) return 0;
    Recordset article(GlobalConnection(session), "SELECT * FROM Artikel " + WhereIdIn("ID", articleId));
    if (article.eof()) {
      WarnAboutArticleRow(session, "Artikel wurde nicht gefunden");
      return 0;
    }
    if (const std::string reason = fileRefusal(files, kind); !reason.empty()) {
      WarnAboutArticleRow(session, reason);
      return 0;
    }
    const std::optional<fs::path> folder = documentFolder(session, article);
    if (!folder) return 0;
    int added = 0;
    for (const fs::path& file : files) {
      const fs::path target = freeTarget(*folder, file);
      fs::copy_file(file, target);
      try {
        addRow(session, kind, articleId, target);
      } catch (...) {
        fs::remove(target);
        throw;
      }
      ++added;
      if (session.ui().askYesNo("Orginaldatei " + file.filename().string() + " löschen?", kProductName))
        fs::remove(file);
    }
    return added;
  });
}

template <class Record>
std::vector<Record> listRows(Session& session, FileKind kind, int64_t articleId, FieldTable<Record> fields) {
  return runOperation(session, fileOperation(kind, "Load_List"), std::vector<Record>{}, [&] {
    std::vector<Record> rows;
    Recordset rs(GlobalConnection(session), std::string("SELECT * FROM ") + tableOf(kind) + " " +
                                                WhereIdIn("ArtikelID", articleId) + " ORDER BY [ID]");
    for (; !rs.eof(); rs.moveNext()) rows.push_back(readRecord(rs, fields));
    return rows;
  });
}

bool deleteRow(Session& session, FileKind kind, int64_t id) {
  return runOperation(session, fileOperation(kind, "Delete_Item"), false, [&] {
    Connection& connection = GlobalConnection(session);
    Recordset rs(connection, std::string("SELECT * FROM ") + tableOf(kind) + " " + WhereIdIn("ID", id));
    if (rs.eof() || !ArticleRowsChangeable(session, rs["ArtikelID"].toInt())) return false;
    const fs::path file = rs["FilePath"].toText();
    if (!session.ui().askYesNo("Soll die Datei " + file.filename().string() + " gelöscht werden?",
                               kProductName))
      return false;
    connection.execute(std::string("Delete FROM ") + tableOf(kind) + " " + WhereIdIn("ID", id));
    std::error_code ignored;  // a copy removed by hand leaves nothing to do
    fs::remove(file, ignored);
    return true;
  });
}

}  // namespace

FieldTable<ArticlePicture> ArticlePictureFields() { return kPictureFields; }

FieldTable<ArticleDocument> ArticleDocumentFields() { return kDocumentFields; }

std::vector<ArticlePicture> ListArticlePictures(Session& session, int64_t articleId) {
  return listRows(session, FileKind::Picture, articleId, ArticlePictureFields());
}

std::vector<ArticleDocument> ListArticleDocuments(Session& session, int64_t articleId) {
  return listRows(session, FileKind::Document, articleId, ArticleDocumentFields());
}

fs::path DefaultArticleFolder(Session& session, int64_t articleId) {
  return session.programFolder() / "Artikel" / std::to_string(articleId);
}

int Bilder_To_Artikel(Session& session, int64_t articleId, const std::vector<fs::path>& files) {
  return addFiles(session, articleId, files, FileKind::Picture);
}

int Files_To_Artikel(Session& session, int64_t articleId, const std::vector<fs::path>& files) {
  return addFiles(session, articleId, files, FileKind::Document);
}

bool DeleteArticlePicture(Session& session, int64_t id) { return deleteRow(session, FileKind::Picture, id); }

bool DeleteArticleDocument(Session& session, int64_t id) {
  return deleteRow(session, FileKind::Document, id);
}

}  // namespace orvosal
