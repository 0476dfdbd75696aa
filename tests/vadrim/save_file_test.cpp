// The Vadrim save file: a first start, the range check that resets all nine values,
// how values are read, the opened-board runs, and saving switched off.
#include "vadrim/vadrim_save.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/drawing_fixture.h"
#include "engine/game_window.h"
#include "engine/modes.h"
#include "games/mode_state.h"
#include "support/save_files.h"

namespace {

using drawing_test::DrawingTest;
using tq::testing::ReadFileBytes;
using tq::testing::WriteFileBytes;

constexpr const char* kDefaultFile = "[set]\r\n0=1\r\n1=7\r\n2=9\r\n[sta]\r\n0=1\r\n1=1\r\n2=1\r\n[clr]\r\n0=0\r\n1=0\r\n2=0\r\n";

class VadrimSaveTest : public DrawingTest {
 protected:
  void SetUp() override {}
  std::string File() const { return Root() + "/Kespa_Data/Vadrim.sav"; }
  void Start(const std::string& text) {
    WriteFileBytes(File(), text);
    Boot(kModeVadrim);
  }
  // Speed, music, effects; opened counts; cleared routes.
  std::string Loaded() const {
    std::string s;
    for (int i = 0; i < 3; ++i) s += std::to_string(GameConfig.Settings[i]) + " ";
    for (int v : VadrimProgress.OpenedStageCount) s += std::to_string(v) + " ";
    for (int v : VadrimProgress.RouteCleared) s += std::to_string(v) + " ";
    return s;
  }
};

TEST_F(VadrimSaveTest, AFirstStartWritesAndPlaysAtTheDefaults) {
  Boot(kModeVadrim);
  EXPECT_EQ(ReadFileBytes(File()), kDefaultFile);
  EXPECT_EQ(Loaded(), "1 7 9 1 1 1 0 0 0 ");
  EXPECT_EQ(GameConfig.FrameSpeed, 1);
  for (int r = 0; r < 3; ++r) {
    EXPECT_EQ(VadrimProgress.GameStageOpened[r][1], 1) << r;
    EXPECT_EQ(VadrimProgress.GameStageOpened[r][2], 0) << r;
  }
}

TEST_F(VadrimSaveTest, ValuesAsTheyAreRead) {
  const std::string valid = "[set]\r\n0=2\r\n1=4\r\n2=0\r\n[sta]\r\n0=2\r\n1=3\r\n2=5\r\n[clr]\r\n0=1\r\n1=0\r\n";
  struct Case {
    const char* name;
    const char* clr2;  // [clr] "2"; the other eight keys are valid
    const char* loaded;
  } cases[] = {
      {"valid", "1", "2 4 0 2 3 5 1 0 1 "},
      {"a digit and a letter reads the digit", "1x", "2 4 0 2 3 5 1 0 1 "},
      {"halves go to the even neighbour", "0.5", "2 4 0 2 3 5 1 0 0 "},
      {"1.5 rounds to 2: out of range", "1.5", "1 7 9 1 1 1 0 0 0 "},
      {"blanks before the number", "  1", "2 4 0 2 3 5 1 0 1 "},
      {"a word reads 0", "yes", "2 4 0 2 3 5 1 0 0 "},
      {"only nine characters are read", "0000000001", "2 4 0 2 3 5 1 0 0 "},
      {"twelve characters cut to nine", "000000001234", "2 4 0 2 3 5 1 0 1 "},
      {"an exponent continues the number", "1e0", "2 4 0 2 3 5 1 0 1 "},
      {"beyond 16 bits: held, then out of range", "99999999", "1 7 9 1 1 1 0 0 0 "},
      {"far below 16 bits as well", "-9999999", "1 7 9 1 1 1 0 0 0 "},
      {"65537 does not wrap to 1", "65537", "1 7 9 1 1 1 0 0 0 "},
      {"negative", "-1", "1 7 9 1 1 1 0 0 0 "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Start(valid + "2=" + c.clr2 + "\r\n");
    EXPECT_EQ(Loaded(), c.loaded);
    const bool reset = std::string(c.loaded) == "1 7 9 1 1 1 0 0 0 ";
    if (reset) {
      EXPECT_EQ(ReadFileBytes(File()), kDefaultFile) << "all nine reset and written back";
    }
  }
  struct Value {
    const char* text;
    int value;
  } values[] = {{"2.5", 2}, {"3.5", 4}, {"1x", 1}, {"", 0}, {"-", 0}, {".5", 0}, {"+7", 7}, {"7e", 7},
                {"40000", 32767}, {"-40000", -32768}, {"1e9", 32767}, {" \t3", 3}, {"x1", 0}};
  for (const Value& v : values) EXPECT_EQ(VadrimSaveValue(v.text), v.value) << v.text;
}

TEST_F(VadrimSaveTest, OneFaultResetsEveryValue) {
  Start("[set]\r\n0=2\r\n1=10\r\n2=3\r\n[sta]\r\n0=2\r\n1=3\r\n2=11\r\n[clr]\r\n0=1\r\n1=1\r\n2=1\r\n");
  EXPECT_EQ(Loaded(), "1 7 9 1 1 1 0 0 0 ");
  EXPECT_EQ(ReadFileBytes(File()), kDefaultFile);
  EXPECT_NE(ReadFileBytes(File() + ".bak").find("1=10"), std::string::npos) << "the previous file is kept";
}

TEST_F(VadrimSaveTest, OpenedBoardsCountInAnUnbrokenRunFromBoardOne) {
  Start("[set]\r\n0=1\r\n1=7\r\n2=9\r\n[sta]\r\n0=1\r\n1=1\r\n2=5\r\n[clr]\r\n0=0\r\n1=0\r\n2=0\r\n");
  for (int s = 1; s <= 12; ++s) EXPECT_EQ(VadrimProgress.GameStageOpened[2][s], s <= 5 ? 1 : 0) << s;
  EXPECT_EQ(VadrimProgress.OpenedStageCount[2], 5);

  VadrimProgress.GameStageOpened[0][2] = 1;
  VadrimProgress.GameStageOpened[2][7] = 1;  // board 6 not yet opened: not remembered
  ASSERT_TRUE(D10_SaveWrite());
  Boot(kModeVadrim);
  EXPECT_EQ(Loaded(), "1 7 9 2 1 5 0 0 0 ");
  EXPECT_EQ(VadrimProgress.GameStageOpened[2][7], 0);

  ModeState.SaveEnabled = 0;
  VadrimProgress.RouteCleared[1] = 1;
  const std::string before = ReadFileBytes(File());
  EXPECT_TRUE(D10_SaveWrite());
  EXPECT_EQ(ReadFileBytes(File()), before) << "saving is off";
  D10_SaveRead();
  EXPECT_EQ(VadrimProgress.RouteCleared[1], 1) << "and so is reading";
}

}  // namespace
