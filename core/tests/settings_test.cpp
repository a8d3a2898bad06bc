#include "core/settings.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

namespace orvosal {
namespace {

namespace fs = std::filesystem;

class SettingsFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("orvosal-settings-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  fs::path folder_;
};

using SettingsFlagTest = SettingsFilesTest;

TEST_F(SettingsFilesTest, SettingsLiveInSystemIni) {
  SettingsFiles settings(folder_);
  EXPECT_EQ(settings.programFolder(), folder_);
  EXPECT_EQ(settings.ReadSetting("Datenbank1", "Pfad"), "");
  EXPECT_EQ(settings.ReadSetting("Datenbank1", "Pfad", "lokal"), "lokal");
  ASSERT_TRUE(settings.WriteSetting("Datenbank1", "Pfad", "/srv/daten"));
  EXPECT_EQ(ProfileFile(folder_ / "system.ini").read("DATENBANK1", "pfad", ""), "/srv/daten");
  EXPECT_EQ(settings.ReadSetting("datenbank1", "PFAD"), "/srv/daten");
  ASSERT_TRUE(settings.DeleteSetting("Datenbank1", "Pfad"));
  EXPECT_EQ(settings.ReadSetting("Datenbank1", "Pfad", "weg"), "weg");
  EXPECT_FALSE(fs::exists(folder_ / "Orvosal.ini"));
}

TEST_F(SettingsFilesTest, LayoutFileFollowsScreenSize) {
  SettingsFiles settings(folder_);
  EXPECT_FALSE(settings.mobileLayout());
  ASSERT_TRUE(settings.WriteLayout("Fenster", "Breite", "1200"));
  settings.setMobileLayout(true);
  EXPECT_TRUE(settings.mobileLayout());
  EXPECT_EQ(settings.ReadLayout("Fenster", "Breite", "fehlt"), "fehlt");
  ASSERT_TRUE(settings.WriteLayout("Fenster", "Breite", "480"));
  settings.setMobileLayout(false);
  EXPECT_EQ(settings.ReadLayout("Fenster", "Breite"), "1200");
  EXPECT_EQ(ProfileFile(folder_ / "Orvosal.ini").read("Fenster", "Breite", ""), "1200");
  EXPECT_EQ(ProfileFile(folder_ / "Orvosal_mobile.ini").read("Fenster", "Breite", ""), "480");
  EXPECT_FALSE(fs::exists(folder_ / "system.ini"));
}

TEST_F(SettingsFilesTest, UnwritableProgramFolderFailsWithoutThrowing) {
  std::ofstream(folder_ / "datei") << "kein Ordner";
  SettingsFiles settings(folder_ / "datei");
  bool written = true;
  EXPECT_NO_THROW(written = settings.WriteSetting("S", "k", "v"));
  EXPECT_FALSE(written);
  EXPECT_NO_THROW(written = settings.WriteLayout("S", "k", "v"));
  EXPECT_FALSE(written);
  EXPECT_EQ(settings.ReadSetting("S", "k", "vorgabe"), "vorgabe");
}

TEST_F(SettingsFlagTest, OnlyNumbersAboveZeroAreOn) {
  SettingsFiles settings(folder_);
  const std::vector<std::pair<std::string, bool>> cases = {
      {"1", true}, {"2", true},   {" +7 ", true}, {"12 Stück", true}, {"0", false},
      {"", false}, {"-1", false}, {"ja", false},  {"0x1", false},     {"99999999999999999999", true}};
  for (const auto& [value, on] : cases) {
    ASSERT_TRUE(settings.WriteSetting("Optionen", "Flag", value));
    EXPECT_EQ(settings.ReadFlag("Optionen", "Flag", !on), on) << value;
  }
  EXPECT_TRUE(settings.ReadFlag("Optionen", "Fehlt", true));
  EXPECT_FALSE(settings.ReadFlag("Optionen", "Fehlt"));
}

TEST_F(SettingsFlagTest, NormaliseStoresOneOrZero) {
  SettingsFiles settings(folder_);
  EXPECT_TRUE(settings.NormaliseFlag("Optionen", "Neu", true));
  EXPECT_EQ(settings.ReadSetting("Optionen", "Neu"), "1");
  EXPECT_FALSE(settings.NormaliseFlag("Optionen", "Aus", false));
  EXPECT_EQ(settings.ReadSetting("Optionen", "Aus"), "0");
  ASSERT_TRUE(settings.WriteSetting("Optionen", "Viel", "5"));
  ASSERT_TRUE(settings.WriteSetting("Optionen", "Wort", "ja"));
  EXPECT_TRUE(settings.NormaliseFlag("Optionen", "Viel", false));
  EXPECT_FALSE(settings.NormaliseFlag("Optionen", "Wort", true));
  EXPECT_EQ(settings.ReadSetting("Optionen", "Viel"), "1");
  EXPECT_EQ(settings.ReadSetting("Optionen", "Wort"), "0");
}

}  // namespace
}  // namespace orvosal
