#include "app/frm_artikel_dateien.h"

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "app/tests/article_window_fixture.h"
#include "core/schema/table_creator.h"

namespace orvosal {
namespace {

namespace fs = std::filesystem;

class FrmArtikelDateienTest : public ArticleWindowFixture {
 protected:
  void SetUp() override {
    ArticleWindowFixture::SetUp();
    // The picture table comes with an upgrade step, which a started program has run.
    EnsureTable(session_, GlobalConnection(session_), *findTable("Artikel_Bilder"));
    open(std::make_unique<FrmArtikelDateien>(session_, articleId_));
  }

  fs::path source(const std::string& name) {
    const fs::path file = fs::path(chosen_.path().toStdString()) / name;
    std::ofstream(file) << name;
    return file;
  }

  FrmArtikelDateien& window() { return static_cast<FrmArtikelDateien&>(*window_); }

  QTemporaryDir chosen_;
};

TEST_F(FrmArtikelDateienTest, PicturesAndFilesAreListedTogetherAndDeletedOneByOne) {
  const fs::path folder = session_.programFolder() / "Artikel" / std::to_string(articleId_);
  ui_.answer(false);
  window().addFiles(true, {source("vorne.png")});
  window().addFiles(true, {source("liste.txt")});
  EXPECT_EQ(ui_.texts("message").back(), "Falscher Datei-Typ");
  ui_.answer(true);
  window().addFiles(false, {source("liste.txt")});
  EXPECT_EQ(rows("tblDateien"),
            (QStringList{"Bild | vorne.png |  | " + QString::fromStdString((folder / "vorne.png").string()),
                         "Datei | liste.txt | 05.03.2024 | " +
                             QString::fromStdString((folder / "liste.txt").string())}));

  find<QTableWidget>("tblDateien")->selectRow(0);
  ui_.answer(true);
  click("cmdLoeschen");
  EXPECT_EQ(ui_.texts("question").back(), "Soll die Datei vorne.png gelöscht werden?");
  EXPECT_EQ(rows("tblDateien").size(), 1);
  EXPECT_FALSE(fs::exists(folder / "vorne.png"));
  EXPECT_TRUE(fs::exists(folder / "liste.txt"));
}

}  // namespace
}  // namespace orvosal
