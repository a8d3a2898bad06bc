#include "core/startup/display_settings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "core/scripted_ui.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::TemporaryFolder;

// A session on a program folder whose "system.ini" is written as a user or an older version of
// the program leaves it.
class DisplaySettingsTest : public ::testing::Test {
 protected:
  DisplaySettingsTest() : session_(folder_.path(), ui_, clock_) {}

  void writeSettingsFile(const std::string& text) { std::ofstream(folder_.path() / "system.ini") << text; }

  TemporaryFolder folder_;
  ScriptedUi ui_;
  FixedClock clock_{DateTime::parse("05.03.2024 10:30:00").value()};
  Session session_;
};

TEST(ParseColorRef, ReadsTheDecimalWindowsForm) {
  struct Case {
    const char* text;
    std::optional<RgbColour> expected;
  };
  const Case cases[] = {
      {"255", RgbColour{255, 0, 0}},
      {"65280", RgbColour{0, 255, 0}},
      {"16711680", RgbColour{0, 0, 255}},
      {"12632256", RgbColour{192, 192, 192}},
      {"14804479", RgbColour{255, 229, 225}},  // 0x00E1E5FF: byte order blue, green, red
      {" 16777215 ", RgbColour{255, 255, 255}},
      {"0", RgbColour{0, 0, 0}},
      {"16777216", std::nullopt},     // beyond 0xFFFFFF
      {"2147483663", std::nullopt},   // a system colour reference (0x8000000F)
      {"-2147483633", std::nullopt},  // the same as a signed number
      {"-1", std::nullopt},
      {"", std::nullopt},
      {"weiß", std::nullopt},
      {"255,5", std::nullopt},
      {"&HFF&", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseColorRef(c.text), c.expected) << '"' << c.text << '"';
}

TEST_F(DisplaySettingsTest, WindowColoursComeFromTheCurrentDatabasesSection) {
  session_.database().currentNumber = "2";
  writeSettingsFile(
      "[Settings1]\nMainBackColor=255\n"
      "[Settings2]\nBorderColor=0\nTextBackColor=14804479\nAktivBackColor=65535\nMainBackColor=12632256\n");
  LoadWindowColours(session_);
  const WindowColours& colours = session_.area<WindowColours>();
  EXPECT_EQ(colours.border, (RgbColour{0, 0, 0}));
  EXPECT_EQ(colours.textBack, (RgbColour{255, 229, 225}));
  EXPECT_EQ(colours.aktivBack, (RgbColour{255, 255, 0}));
  EXPECT_EQ(colours.mainBack, (RgbColour{192, 192, 192}));
  EXPECT_TRUE(ui_.texts("error").empty());
}

TEST_F(DisplaySettingsTest, MissingOrBrokenColoursKeepTheirDefaults) {
  writeSettingsFile("[Settings1]\nBorderColor=grau\nTextBackColor=-2147483643\nAktivBackColor=65535\n");
  session_.area<WindowColours>().mainBack = RgbColour{1, 2, 3};  // left over from an earlier load
  LoadWindowColours(session_);
  WindowColours expected;
  expected.aktivBack = RgbColour{255, 255, 0};
  EXPECT_EQ(session_.area<WindowColours>(), expected);
}

TEST_F(DisplaySettingsTest, WithoutSettingsFileEveryOptionHasItsDefault) {
  session_.area<UserOptions>().toolTipps = false;
  LoadUserOptions(session_);
  EXPECT_EQ(session_.area<UserOptions>(), UserOptions{});
  EXPECT_TRUE(session_.area<UserOptions>().toolTipps);
  EXPECT_FALSE(std::filesystem::exists(folder_.path() / "system.ini")) << "options are read, not written";
}

TEST_F(DisplaySettingsTest, EveryOptionIsReadFromItsKey) {
  writeSettingsFile(
      "[Settings1]\n"
      "NewSearchMode=1\nFlatStyle=2\nFastSearch=1\nClassicStyle=1\nTabstribStyle=1\nShowInfobox=0\n"
      "CheckAblageSystem=1\nUseOutlookCalendar=1\nNewTaskbar=1\nNavBar=0\nTaskbar=0\nToolTipps=0\n"
      "SaveMSGNachrichten=1\nQuickfind=0\nTermine=1\nSichern=1\nBestelllimitWarner=1\nBruttoNetto=1\n"
      "SicherZeit=30\nListViewHeight=2400\n");
  LoadUserOptions(session_);
  UserOptions expected;
  for (bool UserOptions::*on :
       {&UserOptions::newSearchMode, &UserOptions::flatStyle, &UserOptions::fastSearch,
        &UserOptions::classicStyle, &UserOptions::tabstribStyle, &UserOptions::checkAblageSystem,
        &UserOptions::useOutlookCalendar, &UserOptions::newTaskbar, &UserOptions::saveMsgNachrichten,
        &UserOptions::termine, &UserOptions::sichern, &UserOptions::bestelllimitWarner,
        &UserOptions::bruttoNetto}) {
    expected.*on = true;
  }
  for (bool UserOptions::*off : {&UserOptions::showInfobox, &UserOptions::navBar, &UserOptions::taskbar,
                                 &UserOptions::toolTipps, &UserOptions::quickfind}) {
    expected.*off = false;
  }
  expected.sicherZeit = 30;
  expected.listViewHeight = 2400;
  EXPECT_EQ(session_.area<UserOptions>(), expected);
}

TEST_F(DisplaySettingsTest, AFlagIsOnOnlyForANumberAboveZero) {
  struct Case {
    const char* value;
    bool on;
  };
  const Case cases[] = {{"1", true},  {"7", true},   {"3 Tage", true}, {"0,5", false},
                        {"0", false}, {"-1", false}, {"ja", false},    {"", false}};
  for (const Case& c : cases) {
    writeSettingsFile(std::string("[Settings1]\nToolTipps=") + c.value + "\nTermine=" + c.value + "\n");
    LoadUserOptions(session_);
    EXPECT_EQ(session_.area<UserOptions>().toolTipps, c.on) << c.value;
    EXPECT_EQ(session_.area<UserOptions>().termine, c.on) << c.value;
  }
}

TEST_F(DisplaySettingsTest, NumbersThatAreNoWholeNumberKeepTheirDefaults) {
  writeSettingsFile("[Settings1]\nSicherZeit=halb\nListViewHeight=-5\n");
  LoadUserOptions(session_);
  EXPECT_EQ(session_.area<UserOptions>().sicherZeit, 0);
  EXPECT_EQ(session_.area<UserOptions>().listViewHeight, 0);
}

}  // namespace
}  // namespace orvosal
