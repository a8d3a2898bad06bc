#include "core/profile_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <thread>

namespace orvosal {
namespace {

namespace fs = std::filesystem;

class ProfileFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("orvosal-profile-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  fs::path file() const { return folder_ / "system.ini"; }
  void put(const std::string& content) const { std::ofstream(file(), std::ios::binary) << content; }
  std::string content() const { return testing::fileText(file()); }
  std::vector<std::string> folderEntries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_))
      names.push_back(entry.path().filename().string());
    std::ranges::sort(names);
    return names;
  }

  fs::path folder_;
};

using ProfileFileReadTest = ProfileFileTest;
using ProfileFileWriteTest = ProfileFileTest;
using ProfileFileAtomicTest = ProfileFileTest;

TEST_F(ProfileFileReadTest, MissingFileSectionOrKeyGivesDefault) {
  ProfileFile profile(file());
  EXPECT_EQ(profile.read("Allgemein", "Name", "vorgabe"), "vorgabe");
  put("[Allgemein]\nName=Müller\nLeer=\n");
  EXPECT_EQ(profile.read("Anders", "Name", "vorgabe"), "vorgabe");
  EXPECT_EQ(profile.read("Allgemein", "Vorname", "vorgabe"), "vorgabe");
  EXPECT_EQ(profile.read("Allgemein", "Leer", "vorgabe"), "");
  EXPECT_FALSE(profile.find("Allgemein", "Vorname").has_value());
  EXPECT_TRUE(fs::exists(file()));
}

TEST_F(ProfileFileReadTest, NamesIgnoreCaseIncludingUmlauts) {
  put("[DATENBANK1]\n  Pfad  =  /daten \nGRÖßE=10\nÄÖÜ=ja\n");
  ProfileFile profile(file());
  EXPECT_EQ(profile.read("Datenbank1", "pfad", ""), "/daten");
  EXPECT_EQ(profile.read(" datenbank1 ", "größe", ""), "10");
  EXPECT_EQ(profile.read("datenbank1", "äöü", ""), "ja");
  EXPECT_EQ(profile.read("datenbank1", "GROSSE", "nein"), "nein");
  EXPECT_EQ(profile.read("datenbank", "Pfad", "nein"), "nein");
}

TEST_F(ProfileFileReadTest, ValueIsTrimmedCutAtZeroAndUnquoted) {
  put(std::string("[S]\nBlanks= \t zwei  Worte \t\nZero=vor") + '\0' + "nach\nQuoted=\"  innen  \"\n" +
      "Half=\"offen\nInner=\"a\" und \"b\"\nOne=\"\n");
  ProfileFile profile(file());
  EXPECT_EQ(profile.read("S", "Blanks", ""), "zwei  Worte");
  EXPECT_EQ(profile.read("S", "Zero", ""), "vor");
  EXPECT_EQ(profile.read("S", "Quoted", ""), "  innen  ");
  EXPECT_EQ(profile.read("S", "Half", ""), "\"offen");
  EXPECT_EQ(profile.read("S", "Inner", ""), "a\" und \"b");
  EXPECT_EQ(profile.read("S", "One", ""), "\"");
}

TEST_F(ProfileFileReadTest, ValueCutTo254BytesOnCharacterBoundary) {
  const std::string exact(254, 'x');
  put("[S]\nLong=" + std::string(300, 'x') + "\nExact=" + exact + "\nSplit=" + std::string(253, 'x') +
      "ä\nWhole=" + std::string(252, 'x') + "ä\n");
  ProfileFile profile(file());
  EXPECT_EQ(profile.read("S", "Long", ""), exact);
  EXPECT_EQ(profile.read("S", "Exact", ""), exact);
  EXPECT_EQ(profile.read("S", "Split", ""), std::string(253, 'x'));
  EXPECT_EQ(profile.read("S", "Whole", ""), std::string(252, 'x') + "ä");
}

TEST_F(ProfileFileReadTest, StructureCommentsAndFirstOccurrence) {
  put("\xEF\xBB\xBF[Erste]\r\nLos=vorne\r\n;Key=kommentar\r\n#Key=auch\r\nText ohne Gleich\r\nkey=eins\r\n"
      "KEY=zwei\r\n=namenlos\r\n[Zweite]\r\nX=1\r\n[erste]\r\nNur=hinten\r\n");
  ProfileFile profile(file());
  EXPECT_EQ(profile.read("Erste", "Los", ""), "vorne");
  EXPECT_EQ(profile.read("Erste", "Key", ""), "eins");
  EXPECT_EQ(profile.read("Erste", "Nur", "fehlt"), "fehlt");
  EXPECT_EQ(profile.read("Erste", "", "fehlt"), "fehlt");
  EXPECT_EQ(profile.sections(), (std::vector<std::string>{"Erste", "Zweite"}));
  EXPECT_EQ(profile.keys("ERSTE"), (std::vector<std::string>{"Los", "key"}));
  EXPECT_TRUE(profile.keys("Dritte").empty());
}

TEST_F(ProfileFileWriteTest, FirstWriteCreatesFolderAndFile) {
  ProfileFile profile(folder_ / "neu" / "tief" / "system.ini");
  ASSERT_TRUE(profile.write("Allgemein", "Name", "Größe"));
  EXPECT_EQ(profile.read("allgemein", "NAME", ""), "Größe");
  ASSERT_TRUE(ProfileFile(file()).write("S", "k", "v"));
  EXPECT_EQ(content(), "[S]\nk=v\n");
}

TEST_F(ProfileFileWriteTest, KeepsEveryOtherLineByteForByte) {
  put("; Kopf\n[Datenbank1]\n  Pfad = alt ; bleibt nicht\nTyp=SQLite\n\n# Trenner\n\n[Layout]\nBreite=3\n\n\n"
      "[Ende]\nx=1");
  ProfileFile profile(file());
  ASSERT_TRUE(profile.write("DATENBANK1", "PFAD", "neu"));
  ASSERT_TRUE(profile.write("layout", "Höhe", "4"));
  ASSERT_TRUE(profile.write("Neu", "a", "b"));
  EXPECT_EQ(content(),
            "; Kopf\n[Datenbank1]\n  Pfad = neu\nTyp=SQLite\n\n# Trenner\n\n[Layout]\nBreite=3\nHöhe=4\n\n\n"
            "[Ende]\nx=1\n\n[Neu]\na=b\n");
}

TEST_F(ProfileFileWriteTest, CrlfFileStaysCrlf) {
  put("[S]\r\na=1\r\n");
  ProfileFile profile(file());
  ASSERT_TRUE(profile.write("S", "a", "2"));
  ASSERT_TRUE(profile.write("S", "b", "3"));
  ASSERT_TRUE(profile.write("T", "c", "4"));
  EXPECT_EQ(content(), "[S]\r\na=2\r\nb=3\r\n\r\n[T]\r\nc=4\r\n");
}

TEST_F(ProfileFileWriteTest, AwkwardValuesReadBackUnchanged) {
  ProfileFile profile(file());
  for (const std::string value : {"  Rand  ", "\"zitiert\"", "\t", "a=b;c#d", ""}) {
    ASSERT_TRUE(profile.write("S", "k", value));
    EXPECT_EQ(profile.read("S", "k", "fehlt"), value);
  }
}

TEST_F(ProfileFileWriteTest, RejectsWhatALineCannotHold) {
  put("[S]\nk=v\n");
  ProfileFile profile(file());
  EXPECT_FALSE(profile.write("S", "k", "zwei\nZeilen"));
  EXPECT_FALSE(profile.write("S", "k", std::string("null\0", 5)));
  EXPECT_FALSE(profile.write("S", "a=b", "v"));
  EXPECT_FALSE(profile.write("S", ";k", "v"));
  EXPECT_FALSE(profile.write("S", " ", "v"));
  EXPECT_FALSE(profile.write("S]", "k", "v"));
  EXPECT_EQ(content(), "[S]\nk=v\n");
}

TEST_F(ProfileFileWriteTest, RemoveDeletesEveryLineOfTheKey) {
  put("[S]\nk=1\n; k\nK=2\nj=3\n[T]\nk=4\n");
  ProfileFile profile(file());
  ASSERT_TRUE(profile.remove("s", "K"));
  EXPECT_EQ(content(), "[S]\n; k\nj=3\n[T]\nk=4\n");
  const auto inode = [this] {
    struct stat status {};
    ::stat(file().c_str(), &status);
    return status.st_ino;
  };
  const auto before = inode();
  EXPECT_TRUE(profile.remove("S", "fehlt"));
  EXPECT_TRUE(profile.remove("Fehlt", "k"));
  EXPECT_EQ(inode(), before) << "nothing to remove must not rewrite the file";
  EXPECT_EQ(content(), "[S]\n; k\nj=3\n[T]\nk=4\n");
  EXPECT_TRUE(ProfileFile(folder_ / "nie.ini").remove("S", "k"));
  EXPECT_FALSE(fs::exists(folder_ / "nie.ini"));
}

TEST_F(ProfileFileAtomicTest, LeavesNoTemporaryFilesAndKeepsPermissions) {
  put("[S]\n");
  fs::permissions(file(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ProfileFile profile(file());
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(profile.write("S", "k" + std::to_string(i), "v"));
  ASSERT_TRUE(profile.remove("S", "k0"));
  EXPECT_EQ(folderEntries(), (std::vector<std::string>{"system.ini", "system.ini.lock"}))
      << "the lock file stays, so that every writer locks the same file";
  EXPECT_EQ(fs::status(file()).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(ProfileFileAtomicTest, UnwritablePlaceFailsWithoutThrowing) {
  put("[S]\nk=v\n");
  bool written = true;
  EXPECT_NO_THROW(written = ProfileFile(file() / "unter" / "x.ini").write("S", "k", "v"));
  EXPECT_FALSE(written);
  fs::create_directory(folder_ / "ordner.ini");
  EXPECT_NO_THROW(written = ProfileFile(folder_ / "ordner.ini").write("S", "k", "v"));
  EXPECT_FALSE(written);
  EXPECT_EQ(ProfileFile(folder_ / "ordner.ini").read("S", "k", "vorgabe"), "vorgabe");
  EXPECT_EQ(folderEntries().size(), 2u);
  EXPECT_EQ(content(), "[S]\nk=v\n");
}

// Every write reads the whole file and replaces it; writers that overlap must wait for each other,
// or the later replacement drops the earlier one's key.
TEST_F(ProfileFileAtomicTest, ParallelWritersLoseNoKey) {
  constexpr int kWriters = 8;
  constexpr int kKeysEach = 25;
  std::vector<std::thread> writers;
  std::atomic<int> failedWrites{0};
  for (int writer = 0; writer < kWriters; ++writer) {
    writers.emplace_back([&, writer] {
      ProfileFile own(file());
      for (int key = 0; key < kKeysEach; ++key) {
        const std::string name = "k" + std::to_string(writer) + "_" + std::to_string(key);
        if (!own.write("Database" + std::to_string(writer), name, name)) ++failedWrites;
      }
    });
  }
  for (auto& writer : writers) writer.join();
  EXPECT_EQ(failedWrites, 0);
  ProfileFile profile(file());
  int found = 0;
  for (int writer = 0; writer < kWriters; ++writer)
    found += static_cast<int>(profile.keys("Database" + std::to_string(writer)).size());
  EXPECT_EQ(found, kWriters * kKeysEach);
}

// A change made of several writes (read a free number, then write the entry) holds the lock
// over all of them; the writes inside take it again without waiting for themselves.
TEST_F(ProfileFileAtomicTest, TheLockIsTakenAgainByItsOwnThread) {
  ProfileFile profile(file());
  const ProfileLock outer = profile.lock();
  ASSERT_TRUE(outer.held());
  EXPECT_TRUE(profile.write("S", "k", "1"));
  EXPECT_TRUE(profile.remove("S", "k"));
  EXPECT_EQ(profile.keys("S"), std::vector<std::string>{});
}

}  // namespace
}  // namespace orvosal
