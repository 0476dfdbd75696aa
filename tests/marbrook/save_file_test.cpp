// The Marbrook save file: first start, the saved form and order, reading back, and
// values the game cannot have written.
#include "marbrook/save_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/drawing_fixture.h"
#include "engine/game_window.h"
#include "engine/modes.h"
#include "scenario/auto_reading.h"
#include "support/engine_harness.h"
#include "support/scene_input.h"

namespace {

using drawing_test::TempFolder;

std::string SaveFile(const std::string& root) { return root + "/Tanselr_Data/Tanselr.sav"; }

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteSave(const std::string& root, const std::string& text) {
  std::filesystem::create_directories(root + "/Tanselr_Data");
  std::ofstream(SaveFile(root), std::ios::binary) << text;
}

class SaveFileTest : public tq::testing::ScreenTest {
 protected:
  void Boot() { ScreenTest::Boot(kModeMarbrook, folder_.Path()); }
  const std::string& Root() const { return folder_.Path(); }

  TempFolder folder_;
};

// A first start (no file) is heard: the engine's music and effect levels (9) stay, the
// voices play at 9 too, and the first save writes those levels.
TEST_F(SaveFileTest, FirstStartKeepsTheEngineLevelsAndSavingMakesTheFolderAndTheKeysInOrder) {
  Boot();
  EXPECT_FALSE(std::filesystem::exists(Root() + "/Tanselr_Data"));
  EXPECT_EQ(MarbrookProgress.FurthestStage, 0);
  EXPECT_EQ(MarbrookProgress.BonusCgUnlocked, 0);
  EXPECT_EQ(GameConfig.Settings[1], 9);
  EXPECT_EQ(GameConfig.Settings[2], 9);
  EXPECT_EQ(GameConfig.VoiceLevel, 9);
  EXPECT_EQ(VoiceSettings.VoiceCutOnAdvance, 0);
  EXPECT_EQ(VoiceSettings.AutoWaitsForVoice, 0);
  EXPECT_EQ(VoiceSettings.StopAutoAtNewStage, 0);
  EXPECT_EQ(VoiceSettings.VoiceOn, -1);
  C00_SaveSettings();
  EXPECT_EQ(ReadAll(SaveFile(Root())),
            "[Game]\r\n0=0\r\n5=0\r\n[Config]\r\n0=9\r\n1=9\r\n2=9\r\n5=False\r\n6=False\r\n7=False\r\n");

  MarbrookProgress.FurthestStage = 12;
  MarbrookProgress.BonusCgUnlocked = 1;
  GameConfig.Settings[1] = 7;
  GameConfig.Settings[2] = 9;
  GameConfig.VoiceLevel = 5;
  VoiceSettings.VoiceCutOnAdvance = -1;
  VoiceSettings.AutoWaitsForVoice = 0;
  VoiceSettings.StopAutoAtNewStage = -1;
  C00_SaveSettings();
  EXPECT_EQ(ReadAll(SaveFile(Root())),
            "[Game]\r\n0=12\r\n5=1\r\n[Config]\r\n0=7\r\n1=9\r\n2=5\r\n5=True\r\n6=False\r\n7=True\r\n");
  EXPECT_FALSE(std::filesystem::exists(SaveFile(Root()) + ".tmp"));

  // The next run reads it all back, and the voice is on.
  Boot();
  EXPECT_EQ(MarbrookProgress.FurthestStage, 12);
  EXPECT_EQ(MarbrookProgress.BonusCgUnlocked, 1);
  EXPECT_EQ(GameConfig.Settings[1], 7);
  EXPECT_EQ(GameConfig.Settings[2], 9);
  EXPECT_EQ(GameConfig.VoiceLevel, 5);
  EXPECT_EQ(VoiceSettings.VoiceCutOnAdvance, -1);
  EXPECT_EQ(VoiceSettings.AutoWaitsForVoice, 0);
  EXPECT_EQ(VoiceSettings.StopAutoAtNewStage, -1);
  EXPECT_EQ(VoiceSettings.VoiceOn, -1);
}

TEST_F(SaveFileTest, ASaveReplacesTheWholeFileAndKeepsThePreviousOne) {
  Boot();
  MarbrookProgress.FurthestStage = 999;
  C00_SaveSettings();
  const std::string first = ReadAll(SaveFile(Root()));
  MarbrookProgress.FurthestStage = 31;
  C00_SaveSettings();
  EXPECT_EQ(ReadAll(SaveFile(Root()) + ".bak"), first) << "one save is one replacement";
  Boot();
  EXPECT_EQ(MarbrookProgress.FurthestStage, 31);

  ModeState.SaveEnabled = 0;
  MarbrookProgress.FurthestStage = 50;
  C00_SaveSettings();
  Boot();
  EXPECT_EQ(MarbrookProgress.FurthestStage, 31) << "saving is off while SaveEnabled is 0";
}

TEST_F(SaveFileTest, HandEditedValues) {
  struct Case {
    const char* name;
    const char* game0;    // [Game] 0
    const char* config0;  // [Config] 0, music level
    const char* config5;  // [Config] 5, a switch
    int stage, music, cut;
  } cases[] = {
      {"nine characters are read", "0000000012", "7", "True", 1, 7, -1},
      {"empty values read as 0", "", "", "", 0, 0, 0},
      {"text reads as 0", "stage", "loud", "yes", 0, 0, 0},
      {"a switch is any non-zero number", "999", "3", "1", 999, 3, -1},
      {"a switch 0 is off", "5", "0", "0", 5, 0, 0},
      {"False is off, any case", "5", "2", "FALSE", 5, 2, 0},
      {"levels are held to 0 to 9", "-4", "40", "-2", -4, 9, -1},
      {"a negative level reads as 0", "7", "-3", "False", 7, 0, 0},
      {"halves go to the even neighbour", "12.5", " 4 ", "true", 12, 4, -1},
      {"beyond 16 bits reads as 0", "99999", "8", "0.0", 0, 8, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteSave(Root(), std::string("[Game]\r\n0=") + c.game0 + "\r\n[Config]\r\n0=" + c.config0 + "\r\n5=" +
                          c.config5 + "\r\n");
    Boot();
    EXPECT_EQ(MarbrookProgress.FurthestStage, c.stage);
    EXPECT_EQ(GameConfig.Settings[1], c.music);
    EXPECT_EQ(VoiceSettings.VoiceCutOnAdvance, c.cut);
    EXPECT_EQ(GameConfig.Settings[2], 0) << "a missing key reads as 0";
    EXPECT_EQ(GameConfig.VoiceLevel, 0) << "a missing key reads as 0";
    EXPECT_EQ(VoiceSettings.VoiceOn, 0);
  }
}

TEST_F(SaveFileTest, AnUnreadableFileLoadsAsAFirstStart) {
  std::filesystem::create_directories(SaveFile(Root()));  // a folder where the file should be
  Boot();
  EXPECT_EQ(MarbrookProgress.FurthestStage, 0);
  EXPECT_EQ(GameConfig.Settings[1], 9);
  C00_SaveSettings();  // fails, reported, and nothing is lost or crashes
  EXPECT_TRUE(std::filesystem::is_directory(SaveFile(Root())));
}

}  // namespace
