#include "masterdata/articles/article_files.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/db/sql_helpers.h"
#include "masterdata/articles/tests/article_child_fixture.h"

namespace orvosal {
namespace {

namespace fs = std::filesystem;

class ArticleFilesTest : public testing::ArticleChildFixture {
 protected:
  fs::path source(const std::string& name, const std::string& content) {
    const fs::path file = chosen_.path() / name;
    std::ofstream(file, std::ios::binary) << content;
    return file;
  }

  testing::TemporaryFolder chosen_;
};

TEST_P(ArticleFilesTest, PicturesAreCopiedIntoANewFolderThatTheArticleKeeps) {
  const int64_t article = storeArticle("P-1", "Vase");
  const fs::path front = source("vorne.jpg", "JPEG1");
  const fs::path back = source("hinten.PNG", "PNG1");
  ui().answer(false);
  ui().answer(true);
  ASSERT_EQ(Bilder_To_Artikel(session(), article, {front, back}), 2);
  EXPECT_EQ(questions(), (std::vector<std::string>{"Orginaldatei vorne.jpg löschen?",
                                                   "Orginaldatei hinten.PNG löschen?"}));
  EXPECT_TRUE(fs::exists(front));
  EXPECT_FALSE(fs::exists(back)) << "the user had the original deleted";

  const fs::path folder = session().programFolder() / "Artikel" / std::to_string(article);
  EXPECT_EQ(articleColumn(article, "DossraPath").toText(), folder.string());
  testing::expectSameRecords(ListArticlePictures(session(), article),
                             {
                                 {0, article, "vorne.jpg", (folder / "vorne.jpg").string()},
                                 {0, article, "hinten.PNG", (folder / "hinten.PNG").string()},
                             },
                             FieldTable<ArticlePicture>(ArticlePictureFields().subspan(1)));
  EXPECT_EQ(testing::fileText(folder / "hinten.PNG"), "PNG1");

  // The same name again is stored beside the first copy, which stays as it was.
  std::ofstream(front, std::ios::binary) << "JPEG2";
  ui().answer(false);
  ASSERT_EQ(Bilder_To_Artikel(session(), article, {front}), 1);
  EXPECT_EQ(testing::fileText(folder / "vorne.jpg"), "JPEG1");
  EXPECT_EQ(testing::fileText(folder / "vorne (2).jpg"), "JPEG2");
  EXPECT_EQ(ListArticlePictures(session(), article).back().dateiname, "vorne (2).jpg");
}

TEST_P(ArticleFilesTest, RefusedFilesCopyNothingAndSayWhy) {
  const int64_t article = storeArticle("P-2", "Lampe");
  const fs::path picture = source("lampe.jpeg", "J");
  const fs::path text = source("lampe.txt", "T");
  const fs::path blocker = source("blocker", "not a folder");
  struct Case {
    const char* what;
    int64_t articleId;
    std::vector<fs::path> files;
    std::string message;
  };
  const Case cases[] = {
      {"wrong type among pictures", article, {picture, text}, "Falscher Datei-Typ"},
      {"missing file",
       article,
       {picture, chosen_.path() / "fehlt.jpg"},
       "Die Datei " + (chosen_.path() / "fehlt.jpg").string() + " wurde nicht gefunden"},
      {"article not found", article + 100, {picture}, "Artikel wurde nicht gefunden"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Bilder_To_Artikel(session(), c.articleId, c.files), 0) << c.what;
    EXPECT_EQ(messages().back(), c.message) << c.what;
  }
  EXPECT_EQ(articleColumn(article, "DossraPath").toText(), "") << "no folder for refused files";
  EXPECT_FALSE(fs::exists(session().programFolder() / "Artikel"));

  const fs::path unusable = blocker / "Artikel";
  db().execute("Update Artikel set [DossraPath] = " + SqlQuoted(unusable.string()) + " where ([ID] IN (" +
               std::to_string(article) + "))");
  EXPECT_EQ(Files_To_Artikel(session(), article, {text}), 0);
  EXPECT_EQ(messages().back(),
            "Dateipfad " + unusable.string() + " kann nicht gefunden bzw. nicht erstellt werden!");

  signInWith({"Artikel"});
  EXPECT_EQ(Files_To_Artikel(session(), article, {text}), 0);
  EXPECT_EQ(messages().back(), "Keine Berechtigung für diesen Programmteil");
  EXPECT_EQ(countRows("Artikel_Bilder") + countRows("Artikel_Dokumente"), 0);
  EXPECT_TRUE(questions().empty());
}

TEST_P(ArticleFilesTest, FilesGoIntoTheStoredFolderAndDeletingRemovesTheCopy) {
  const int64_t article = storeArticle("P-3", "Tisch");
  const fs::path folder = chosen_.path() / "Ablage" / "Tisch";
  db().execute("Update Artikel set [DossraPath] = " + SqlQuoted(folder.string()) + " where ([ID] IN (" +
               std::to_string(article) + "))");
  const fs::path manual = source("Anleitung.pdf", "PDF");
  ui().answer(false);
  ASSERT_EQ(Files_To_Artikel(session(), article, {manual}), 1);
  const std::vector<ArticleDocument> documents = ListArticleDocuments(session(), article);
  ASSERT_EQ(documents.size(), 1u);
  EXPECT_EQ(documents[0], (ArticleDocument{documents[0].id, article, session().clock().today(),
                                           "Anleitung.pdf", (folder / "Anleitung.pdf").string()}));
  EXPECT_EQ(testing::fileText(folder / "Anleitung.pdf"), "PDF");

  ui().answer(false);
  EXPECT_FALSE(DeleteArticleDocument(session(), documents[0].id));
  EXPECT_TRUE(fs::exists(folder / "Anleitung.pdf"));
  ui().answer(true);
  EXPECT_TRUE(DeleteArticleDocument(session(), documents[0].id));
  EXPECT_EQ(questions().back(), "Soll die Datei Anleitung.pdf gelöscht werden?");
  EXPECT_FALSE(fs::exists(folder / "Anleitung.pdf"));
  EXPECT_TRUE(fs::exists(manual)) << "the original stays";
  EXPECT_TRUE(ListArticleDocuments(session(), article).empty());
}

ORVOSAL_ON_BOTH_ENGINES(ArticleFilesTest);

}  // namespace
}  // namespace orvosal
