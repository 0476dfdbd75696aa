// Rock-paper-scissors: the judge table, the rounds against each opponent to the
// hand-back, the won and drawn rounds, the defeat's restart, the hand buttons and
// the fourth button, the hover frames and the advance key on a hovered hand.
#include "marbrook/minigames/rock_paper_scissors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "games/screen_buttons.h"
#include "platform/platform.h"
#include "support/engine_harness.h"
#include "support/scene_input.h"
#include "support/stand_in_pictures.h"

namespace {

using tq::testing::WindowLayer;

struct JudgeCase {
  int player, opponent, outcome;
};

TEST(RockPaperScissorsJudge, AllNinePairsAndBadHandsLeaveTheOutcome) {
  // Hand n beats hand n + 1 (mod 3): 0 win, 1 loss, 2 draw.
  const JudgeCase cases[] = {{0, 0, 2}, {0, 1, 0}, {0, 2, 1}, {1, 0, 1}, {1, 1, 2},
                             {1, 2, 0}, {2, 0, 0}, {2, 1, 1}, {2, 2, 2}};
  for (const JudgeCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.player) + " against " + std::to_string(c.opponent));
    JankenState.JankenOutcome = 7;
    JankenState.JankenPlayerHand = c.player;
    JankenState.JankenOpponentHand = c.opponent;
    G01_Judge();
    EXPECT_EQ(JankenState.JankenOutcome, c.outcome);
  }
  for (const JudgeCase& c : {JudgeCase{3, 1, 7}, JudgeCase{0, -1, 7}, JudgeCase{2, 3, 7}}) {
    JankenState.JankenOutcome = 7;
    JankenState.JankenPlayerHand = c.player;
    JankenState.JankenOpponentHand = c.opponent;
    G01_Judge();
    EXPECT_EQ(JankenState.JankenOutcome, 7) << "an unlisted pair changes nothing";
  }
  JankenState = JankenStateRecord{};
}

// The game's pictures at their stand-in sizes (plain black: the tests need sizes).
std::string PictureRoot() {
  static const std::string root = tq::testing::StandInPictureRoot("thornquill_rps_test", "TanselrCG/G01/");
  return root;
}

bool Choosing() {
  const int s = SceneCursor.SceneState;
  return (s == 10 || s == 110 || s == 210) && SceneCursor.SceneStep == 0 && FrameClock.WaitActive == 0;
}

class RockPaperScissors : public tq::testing::ScreenTest {
 protected:
  void SetUp() override {
    Boot(kModeMarbrook, PictureRoot());
    SetAfterInput(tq::testing::AfterInput::kQueue);
  }
  // As the story (the opponent's number, negative) or the extras menu (0) enters it.
  void Enter(int state) { h_->EnterScreen(51, state, 0); }
  // Plays until `done` holds while the game waits for input: clicks on the window's
  // corner whenever it waits for a click, and lets `choose` pick a hand whenever the
  // buttons wait.
  bool PlayUntil(const std::function<bool()>& done, const std::function<void()>& choose = [] {}) {
    return ScreenTest::PlayUntil(51, done, [&] {
      if (Choosing()) choose();
      else Click(2, 2);
    });
  }
  // The hand that beats the opponent's, or the fourth button in the last round.
  void ChooseToWin() {
    const int hand = G01_FinalRound() ? 3 : (JankenState.JankenOpponentHand + 2) % 3;
    ClickLayer(kHandButtonLayer + hand);
  }
};

TEST_F(RockPaperScissors, EachOpponentWonToTheEndHandsBackWithItsStage) {
  const struct {
    int entry, stage, round;
  } cases[] = {{-1, 5, 4}, {-2, 25, 4}, {-3, 45, 3}, {0, 45, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry);
    SetUp();
    Enter(c.entry);
    ASSERT_TRUE(PlayUntil([] { return SceneCursor.SceneCode == kConversationScene; }, [this] { ChooseToWin(); }));
    // The third opponent's last round is won by the fourth button, without the judge.
    EXPECT_EQ(JankenState.JankenRound, c.round);
    EXPECT_EQ(SceneCursor.StageNumber, c.stage);  // the conversation has taken over with it
    EXPECT_EQ(h_->TraceOf("loop 1006").size(), 1u) << "the clear sequence ran";
  }
}

TEST_F(RockPaperScissors, AWonRoundShowsItsBoardAndADrawRerunsThePanelsWithoutMusic) {
  Enter(-1);
  ASSERT_TRUE(PlayUntil(Choosing));
  // The buttons rest at y 460, 150 pixels apart around the centre; no fourth button.
  for (int n = 0; n <= 2; ++n) {
    EXPECT_EQ(WindowLayer(10 + n).y, 460);
    EXPECT_EQ(WindowLayer(10 + n).x, CentreX(WindowLayer(10 + n).image.Width()) - 150 + 150 * n);
  }
  EXPECT_FALSE(WindowLayer(13).visible && WindowLayer(13).y < 690) << "no fourth button outside the last round";

  // A stale hover never chooses: the clicked layer does.
  ScreenButtons.HoveredButton = 2;
  JankenState.JankenOpponentHand = 1;
  ClickLayer(10);
  ASSERT_TRUE(PlayUntil([] { return SceneCursor.SceneState == 20; }));
  EXPECT_EQ(JankenState.JankenPlayerHand, 0);
  ASSERT_TRUE(PlayUntil([] { return SceneCursor.SceneState == 21 && FrameClock.WaitActive == 0; }));
  EXPECT_EQ(JankenState.JankenOutcome, 0);
  EXPECT_EQ(JankenState.JankenRound, 2);
  EXPECT_EQ(JankenState.JankenBoard, 11) << "the board of the first won round";

  ASSERT_TRUE(PlayUntil(Choosing));
  const size_t music = h_->TraceOf("STReadMP3File").size();
  const size_t panels = h_->TraceOf("loop 1011").size();
  JankenState.JankenOpponentHand = 0;
  ClickLayer(10);
  ASSERT_TRUE(PlayUntil(Choosing));
  EXPECT_EQ(JankenState.JankenOutcome, 2);
  EXPECT_EQ(JankenState.JankenRound, 2) << "a draw replays the round";
  EXPECT_EQ(h_->TraceOf("loop 1011").size(), panels + 1) << "the round panels again";
  EXPECT_EQ(h_->TraceOf("STReadMP3File").size(), music) << "no music restart";
}

TEST_F(RockPaperScissors, ADefeatRestartsFromRoundOneWithTheWholeOpening) {
  Enter(-2);
  ASSERT_TRUE(PlayUntil(Choosing));
  JankenState.JankenOpponentHand = 1;
  ClickLayer(10);
  ASSERT_TRUE(PlayUntil(Choosing));
  ASSERT_EQ(JankenState.JankenRound, 2);
  JankenState.JankenOpponentHand = 2;
  ClickLayer(10);  // hand 0 loses to hand 2
  ASSERT_TRUE(PlayUntil([] { return SceneCursor.SceneState == 101; }));
  EXPECT_EQ(JankenState.JankenRound, 1);
  EXPECT_EQ(JankenState.JankenOpponent, 2);
  ASSERT_TRUE(PlayUntil(Choosing));
  EXPECT_EQ(h_->TraceOf("loop 1040").size(), 2u) << "the title strips again";
  EXPECT_EQ(h_->TraceOf("loop 1007").size(), 1u) << "the game-over picture";
}

TEST_F(RockPaperScissors, TheLastRoundOffersAFourthButtonAndOrdinaryHandsLose) {
  Enter(-3);
  ASSERT_TRUE(PlayUntil([] { return Choosing() && JankenState.JankenRound == 3; }, [this] { ChooseToWin(); }));
  EXPECT_TRUE(WindowLayer(13).visible);
  EXPECT_LT(WindowLayer(13).y + WindowLayer(13).image.Height(), 690) << "the fourth button rests inside the window";
  // The hand that would win by the table still loses here.
  const int wouldWin = (JankenState.JankenOpponentHand + 2) % 3;
  ClickLayer(10 + wouldWin);
  ASSERT_TRUE(PlayUntil([] { return SceneCursor.SceneState == 201; }));
  EXPECT_EQ(JankenState.JankenPlayerHand, wouldWin);
  EXPECT_EQ(h_->TraceOf("loop 1071").size(), 1u) << "the hands close in";
  EXPECT_EQ(h_->TraceOf("loop 1032").size(), 2u) << "no result of the judge table in the last round";
  EXPECT_EQ(h_->TraceOf("loop 1073").size(), 1u) << "the defeat ending";
  EXPECT_EQ(JankenState.JankenRound, 1);
}

TEST_F(RockPaperScissors, HoverLightsTheFrameAndAnAdvanceKeyPressesTheHandUnderThePointer) {
  Enter(-1);
  ASSERT_TRUE(PlayUntil(Choosing));
  const tq::LayerSurface& button = WindowLayer(11);
  Move(button.x + 10, button.y + 10);
  PlayUntil([] { return true; });
  auto pixel = [](int layer) { return tq::ColorFromPixel(WindowLayer(layer).image.Get(3, 3)); };
  EXPECT_EQ(pixel(JankenState.JankenFrameLayer + 1), 0xFFFFFFu) << "the hovered frame is lit";
  EXPECT_EQ(pixel(JankenState.JankenFrameLayer + 0), Grey(96)) << "the others rest";
  Key(tq::kKeyEnter);
  ASSERT_TRUE(PlayUntil([] { return SceneCursor.SceneState == 20; }));
  EXPECT_EQ(JankenState.JankenPlayerHand, 1);
}

}  // namespace
