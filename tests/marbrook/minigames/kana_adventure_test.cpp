// Kana adventure (scene 59): the places, the revealed button at the pond, deaths,
// the endings counted once each, the all-clear and the hand-back to stage 60 one
// second after the last click, and the advance key acting on the button under the
// pointer.
#include "marbrook/minigames/kana_adventure.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/frame_model.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/text.h"
#include "platform/platform.h"
#include "support/engine_harness.h"
#include "support/scene_input.h"

namespace {

using tq::testing::LayerVisible;

enum Button { kLook, kExamine, kRevealed, kN, kE, kS, kW };
// Centres of the seven buttons.
constexpr int kButtonAt[7][2] = {{770, 174}, {770, 217}, {770, 260}, {770, 331}, {815, 370}, {770, 409}, {725, 370}};

class KanaAdventureTest : public tq::testing::ScreenTest {
 protected:
  void SetUp() override {
    Boot(kModeMarbrook);
    SetAfterInput(tq::testing::AfterInput::kRun, 100);
    h_->EnterScreen(59, 0, 0, tq::testing::EntryTick::kNow);
    Settle();
  }
  void Press(Button b) { Click(kButtonAt[b][0], kButtonAt[b][1]); }
  // From the title to the first place.
  void StartGame() {
    ASSERT_EQ(SceneCursor.SceneState, 5);
    Click(5, 5);
    ASSERT_EQ(SceneCursor.SceneState, 10);
  }
  // The text printed last on a message line.
  std::string LastPrint(int layer) {
    std::string text;
    for (const PrintRecord& p : RecordedPrints()) {
      if (p.Layer == layer) text = p.Text;
    }
    return text;
  }
  void PlayEnding(int n) {
    StartGame();
    switch (n) {
      case 1: Press(kE); break;
      case 2: Press(kN), Press(kN), Press(kN), Press(kW), Press(kExamine), Press(kRevealed), Click(5, 5); break;
      default: Press(kN), Press(kN), Press(kN), Press(kE), Click(5, 5); break;
    }
    Click(5, 5);  // the last screen
    ASSERT_EQ(SceneCursor.SceneState, 25);
    EXPECT_EQ(KanaAdventureState.EndingSeen[static_cast<size_t>(n)], 1);
    EXPECT_FALSE(LayerVisible(0)) << "ending " << n << " ends without the place picture";
  }
};

TEST_F(KanaAdventureTest, ThePondRevealsSwimmingAndLeavingHidesIt) {
  StartGame();
  SetPrintRecording(true);
  Press(kN);
  Press(kN);
  EXPECT_EQ(KanaAdventureState.G09Location, 2);
  Press(kE);
  EXPECT_EQ(KanaAdventureState.G09Location, 3);
  EXPECT_EQ(LastPrint(6), "ｲｹｶﾞ ｱﾘﾏｽ");
  EXPECT_FALSE(LayerVisible(12));
  Press(kN);
  EXPECT_EQ(LastPrint(5), "ｷﾀﾆﾊ ｲﾄﾞｳ ﾃﾞｷﾏｾﾝ");
  Press(kExamine);
  EXPECT_TRUE(LayerVisible(12));
  EXPECT_EQ(KanaAdventureState.G09ButtonCaption[2], "ｵﾖｸﾞ");
  Press(kW);
  EXPECT_EQ(KanaAdventureState.G09Location, 2);
  EXPECT_FALSE(LayerVisible(12));
  // Back to the pond: swimming is death 1 and leaves the endings alone.
  Press(kE);
  Press(kExamine);
  Press(kRevealed);
  EXPECT_EQ(LastPrint(5), "ｱﾅﾀﾊ ｲｹﾃﾞｵﾎﾞﾚﾃ ｼﾝﾃﾞｼﾏｲﾏｼﾀ ･･･");
  EXPECT_EQ(LastPrint(6), " -- GAME OVER --");
  EXPECT_EQ(SceneCursor.SceneState, 1);
  for (int layer = 10; layer <= 16; ++layer) EXPECT_FALSE(LayerVisible(layer));
  Click(5, 5);
  EXPECT_EQ(SceneCursor.SceneState, 5);  // the title again
  EXPECT_EQ(KanaAdventureState.EndingSeen, (std::array<int, 4>{0, 0, 0, 0}));
  SetPrintRecording(false);
}

TEST_F(KanaAdventureTest, ThreeDifferentEndingsHandBackToStage60) {
  PlayEnding(1);
  Click(5, 5);
  PlayEnding(1);  // the same ending again counts once
  Click(5, 5);
  EXPECT_EQ(SceneCursor.SceneState, 5);
  PlayEnding(2);
  Click(5, 5);
  EXPECT_EQ(SceneCursor.SceneState, 5);
  PlayEnding(3);
  Click(5, 5);  // the all-clear screen
  ASSERT_EQ(SceneCursor.SceneState, 26);
  EXPECT_TRUE(LayerVisible(5));
  const auto clicked = h_->Now() + 1;
  Click(5, 5);  // the last click
  EXPECT_EQ(SceneCursor.SceneState, 27);
  h_->RunUntil(clicked + 990);
  EXPECT_EQ(SceneCursor.SceneCode, 59);
  h_->RunUntil(clicked + 1100);
  EXPECT_EQ(SceneCursor.SceneCode, kConversationScene);
  EXPECT_EQ(SceneCursor.StageNumber, 60);
}

TEST_F(KanaAdventureTest, AnAdvanceKeyActsOnTheButtonUnderThePointer) {
  StartGame();
  SetPrintRecording(true);
  Move(kButtonAt[kLook][0], kButtonAt[kLook][1]);
  Key(tq::kKeyEnter);
  EXPECT_EQ(LastPrint(5), "ﾐｺﾞﾄﾅ ﾌｳｹｲﾃﾞｽ");
  SetPrintRecording(true);
  Move(300, 200);  // over the picture
  Key(tq::kKeyEnter);
  EXPECT_EQ(LastPrint(5), "");
  EXPECT_EQ(KanaAdventureState.G09Location, 0);
  Key(tq::kKeyA);  // not an advance key
  EXPECT_EQ(SceneCursor.SceneState, 10);
  SetPrintRecording(false);
}

TEST_F(KanaAdventureTest, OnlyAClickOrAnAdvanceKeyLeavesTheTitle) {
  Key(tq::kKeyA);
  EXPECT_EQ(SceneCursor.SceneState, 5);
  Key(tq::kKeySpace);
  EXPECT_EQ(SceneCursor.SceneState, 10);
}

}  // namespace
