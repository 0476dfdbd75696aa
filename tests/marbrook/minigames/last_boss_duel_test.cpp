// The last-boss duel (scene 60): the cards dealt by hit points, the special attack's
// price, the guard and the dance against the boss's move list, the red hit-point
// panel and its caption, the fighters' names clear of panels and balloons, the retry
// after a defeat, the hover and the advance key, and the hand-back after a win, after
// which the next stage fills the script store and plays.
#include "marbrook/minigames/last_boss_duel.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "assets/asset_drawing.h"
#include "assets/asset_table.h"
#include "assets/asset_writers.h"
#include "engine/content_texts.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "engine/text.h"
#include "games/screen_buttons.h"
#include "platform/compositor.h"
#include "platform/fonts.h"
#include "platform/platform.h"
#include "scenario/script_store.h"
#include "support/engine_harness.h"
#include "support/scene_input.h"
#include "support/stand_in_pictures.h"

namespace {

using tq::testing::WindowLayer;


// The duel's pictures at their stand-in sizes (plain black: the tests need sizes).
std::string PictureRoot() {
  static const std::string root = tq::testing::StandInPictureRoot("thornquill_duel_test", [](const assets::AssetFile& f) {
    const std::string& p = f.path;
    return p.find("Title/Sys_") != std::string::npos || p.find("Z_face/ZFace_") != std::string::npos ||
           p.find("BackMain00") != std::string::npos;
  });
  return root;
}

struct Place {
  int x, y, w, h;
  bool operator==(const Place&) const = default;
};
std::ostream& operator<<(std::ostream& o, const Place& p) {
  return o << "(" << p.x << "," << p.y << " " << p.w << "x" << p.h << ")";
}
Place PlaceOf(int layer) { return {WindowLayer(layer).x, WindowLayer(layer).y, WindowLayer(layer).image.Width(), WindowLayer(layer).image.Height()}; }

class LastBossDuel : public tq::testing::ScreenTest {
 protected:
  void SetUp() override { Boot(); }
  void Boot() {
    ScreenTest::Boot(kModeMarbrook, PictureRoot());
    GameConfig.Settings[2] = 9;  // effects audible, so the trace holds the game's sounds
    // Long enough for everything an input starts; the duel then waits.
    SetAfterInput(tq::testing::AfterInput::kRunToInputWait, 20000);
  }
  void ClickCard(int k) { Click(324 + 270 * (k % 2) + 120, 450 + 100 * (k / 2) + 40); }
  bool At(int state, int step) const { return SceneCursor.SceneState == state && SceneCursor.SceneStep == step; }

  // From the entry (60, 0, step) to the first cards.
  void ToCards(int step) {
    h_->EnterScreen(60, 0, step);
    Settle();  // the opening banner
    Click();   // the board falls in
    Click();   // the board leaves, the panels and the cards come in
    ASSERT_TRUE(At(20, 0));
  }
  // Clicks on the window until the duel waits at (state, step), at most 8 times.
  void ClickUntil(int state, int step) {
    for (int n = 0; n < 8 && !At(state, step); ++n) Click();
    ASSERT_TRUE(At(state, step)) << SceneCursor.SceneState << "/" << SceneCursor.SceneStep;
  }
  // The boss plays `move` this turn.
  void NextBossMove(int move) { DuelState.BossPattern[static_cast<size_t>(DuelState.BossPatternPos)] = move; }

};

// Whether a fighter's picture carries printed text: the test pictures hold nothing
// but black, the name strip and the eyes and mouth.
bool HasPrint(int layer) {
  const tq::Surface& image = WindowLayer(layer).image;
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const uint32_t px = image.Get(x, y) & 0xFFFFFF;
      if (px != 0 && px != tq::testing::kStandInLabelPixel && px != tq::testing::kStandInFeaturesPixel) return true;
    }
  }
  return false;
}

// The points of a fighter's name strip a player cannot read: printed over, outside
// the window, or under another shown layer (a panel, a balloon, a damage panel).
int HiddenNamePoints(int face, const std::string& picture) {
  const assets::AssetFile* file = tq::testing::StandInFile(picture);
  if (file == nullptr) return -1;
  const tq::PixelRect strip = assets::FacePartsOf(*file).label;
  const tq::Compositor& screen = tq::ThePlatform().Screen();
  const tq::LayerSurface& f = screen.Layer(face);
  int hidden = 0;
  for (int y = strip.y; y < strip.y + strip.h; ++y) {
    for (int x = strip.x; x < strip.x + strip.w; ++x) {
      const int wx = f.x + x, wy = f.y + y;
      bool seen = (f.image.Get(x, y) & 0xFFFFFF) == tq::testing::kStandInLabelPixel && wx >= 0 && wy >= 0 &&
                  wx < tq::kWindowWidth && wy < tq::kWindowHeight;
      for (auto it = screen.Order().rbegin(); seen && *it != face; ++it) {
        const tq::LayerSurface& l = screen.Layer(*it);
        seen = !(l.visible && !l.image.Empty() && wx >= l.x && wy >= l.y && wx < l.x + l.image.Width() && wy < l.y + l.image.Height());
      }
      hidden += seen ? 0 : 1;
    }
  }
  return hidden;
}

TEST_F(LastBossDuel, CardsAreDealtByHitPointsAndTheSpecialCostsHalf) {
  const struct {
    int hp, lastCard;
  } cases[] = {{19, 2}, {20, 3}, {100, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE("hp " + std::to_string(c.hp));
    Boot();
    ToCards(1);
    DuelState.DuelHp[0] = c.hp;
    SceneCursor.SceneStep = -5;  // a new deal on the next click
    Click();
    ASSERT_TRUE(At(20, 0));
    EXPECT_EQ(G00_LastCard(), c.lastCard);
    for (int k = 0; k <= 3; ++k) EXPECT_EQ(WindowLayer(4 + k).visible, k <= c.lastCard) << "card " << k;
    ClickCard(3);
    if (c.lastCard == 2) {
      EXPECT_TRUE(At(20, 0)) << "no special card to click";
      continue;
    }
    // Clicked with no pointer move before: the command is the clicked card's.
    EXPECT_EQ(DuelState.DuelCommand, 3);
    ASSERT_TRUE(At(30, 10));
    EXPECT_EQ(DuelState.DuelHp[0], c.hp - c.hp / 2);
    const int loss = 100 - DuelState.DuelHp[1];
    EXPECT_GE(loss, 32);
    EXPECT_LE(loss, 42);
    EXPECT_EQ(h_->TimesOf("loop 1000").size(), 3u) << "three hits";
    // Both balloons stand open where the face slots put them, the boss's last words in line 0.
    EXPECT_EQ(PlaceOf(31), (Place{216, 445, 550, 140}));
    EXPECT_EQ(PlaceOf(11), (Place{245, 230, 650, 160}));
    EXPECT_TRUE(WindowLayer(31).visible && WindowLayer(32).visible && WindowLayer(11).visible && WindowLayer(12).visible);
    EXPECT_EQ(ScriptStore.ScriptTextLines, 1000);
  }
}

TEST_F(LastBossDuel, AGuardDividesThatTurnsBossHitByFive) {
  struct Case {
    const char* name;
    int entry, move;
    bool guard;
    int lo, hi;
  };
  const Case cases[] = {
      {"move 0", 1, 0, false, 10, 14},        {"move 0 guarded", 1, 0, true, 2, 2},
      {"move 1", 1, 1, false, 20, 28},        {"move 1 guarded", 1, 1, true, 4, 5},
      {"move 2", 1, 2, false, 50, 50},        {"move 2 guarded", 1, 2, true, 10, 10},
      {"silent move 5", 1, 5, false, 10, 14}, {"second duel move 0 guarded", 2, 0, true, 1, 2},
      {"move 9 guarded", 2, 9, true, 100, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Boot();
    SeedRandom(7);
    ToCards(c.entry);
    NextBossMove(c.move);
    ClickCard(c.guard ? 1 : 0);
    EXPECT_EQ(DuelState.DuelGuard[0], c.guard ? 1 : 0);
    ClickUntil(31, 10);
    const int loss = 100 - DuelState.DuelHp[0];
    EXPECT_GE(loss, c.lo);
    EXPECT_LE(loss, c.hi);
    EXPECT_EQ(DuelState.DuelHpChange, -loss);
    if (c.guard) {
      // A guarded hit flashes 4 frames of 40 ms and the blue frame stays around the picture.
      const auto starts = h_->TimesOf("loop 1000");
      const auto ends = h_->TimesOf("endloop 1000");
      ASSERT_FALSE(starts.empty());
      EXPECT_EQ(ends.back() - starts.back(), 3u * 40u) << "the loop ends on its fourth frame";
      EXPECT_TRUE(WindowLayer(20).visible);
      EXPECT_EQ(WindowLayer(20).x, WindowLayer(30).x - 10);
    }
    if (DuelState.DuelHp[0] == 0) continue;
    Click();  // the turn ends: the guard shrinks away
    ASSERT_TRUE(At(20, 0));
    EXPECT_EQ(DuelState.DuelGuard[0], 0);
    EXPECT_FALSE(WindowLayer(20).visible);
  }
}

TEST_F(LastBossDuel, TheDanceSkipsOnlyTheStrongestMove) {
  // The second duel's list 0, 0, 10, 9: the position the dance is played at.
  const struct {
    const char* name;
    int pos, lo, hi, posAfter;
  } cases[] = {
      {"on the strike the boss plays the list's first move", 3, 8, 12, 1},
      {"on the announcement nothing changes", 2, 0, 0, 3},
      {"on a plain move nothing changes", 0, 8, 12, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Boot();
    ToCards(2);
    DuelState.BossPatternPos = c.pos;
    ClickCard(2);
    ClickUntil(31, 10);
    const int loss = 100 - DuelState.DuelHp[0];
    EXPECT_GE(loss, c.lo);
    EXPECT_LE(loss, c.hi);
    Click();
    ASSERT_TRUE(At(20, 0));
    EXPECT_EQ(DuelState.BossPatternPos, c.posAfter);
  }
}

TEST_F(LastBossDuel, TheHitPointPanelTurnsRedFromNine) {
  ToCards(1);
  const struct {
    int hp;
    uint32_t colour;
  } cases[] = {{100, RgbColor(255, 255, 255)}, {10, RgbColor(255, 255, 255)}, {9, RgbColor(255, 0, 0)}, {0, RgbColor(255, 0, 0)}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hp);
    for (int side = 0; side <= 1; ++side) {
      DuelState.DuelHp[static_cast<size_t>(side)] = c.hp;
      SetPrintRecording(true);
      G00_HpPanel(side, 1);
      ASSERT_FALSE(RecordedPrints().empty());
      EXPECT_EQ(RecordedPrints().back().Color, c.colour);
      EXPECT_EQ(RecordedPrints().back().Text, std::to_string(c.hp));
      SetPrintRecording(false);
    }
  }
  EXPECT_EQ(PlaceOf(8), (Place{58, 690 - 65, 120, 60}));
  EXPECT_EQ(PlaceOf(9), (Place{150, 10, 200, 100}));
}

// 100 fills a hit-point panel, so each fighter's picture says what the number is,
// just right of its panel and inside the part of the picture the window shows, in
// every picture the duel loads (normal, hit, beaten or dancing); but only once the
// panels have come in: the opening shows the pictures plain.
TEST_F(LastBossDuel, EachFightersHitPointsAreCaptionedBesideTheirPanelOnceItHasComeIn) {
  h_->EnterScreen(60, 0, 1);
  Settle();  // the opening banner
  EXPECT_FALSE(HasPrint(DuelState.BossPictureBox) || HasPrint(DuelState.PlayerPictureBox)) << "no caption before the panels";
  Click();
  Click();
  ASSERT_TRUE(At(20, 0));
  EXPECT_TRUE(HasPrint(DuelState.BossPictureBox) && HasPrint(DuelState.PlayerPictureBox));
  for (int side = 0; side <= 1; ++side) {
    const int layer = side == kDuelBoss ? DuelState.BossPictureBox : DuelState.PlayerPictureBox;
    const Place panel = PlaceOf(DuelState.HpPanelFirstBox + side);
    for (int number : {0, 2, 3}) {
      SCOPED_TRACE("side " + std::to_string(side) + ", picture " + std::to_string(number));
      SetPrintRecording(true);
      G00_Picture(side, number);
      ASSERT_FALSE(RecordedPrints().empty());
      const PrintRecord caption = RecordedPrints().back();
      SetPrintRecording(false);
      EXPECT_EQ(caption.Text, "体力");
      EXPECT_EQ(caption.Layer, layer);
      const tq::TextExtent e = tq::MeasureTextExtent({tq::kFontProportional, 14, true, false}, caption.Text);
      const Place at{WindowLayer(layer).x + caption.X, WindowLayer(layer).y + caption.Y, e.width, e.height};
      EXPECT_GE(at.x, panel.x + panel.w) << "clear of the panel";
      EXPECT_LE(at.x, panel.x + panel.w + 10) << "beside it";
      EXPECT_GE(at.y, panel.y);
      EXPECT_LE(at.y + at.h, panel.y + panel.h);
      EXPECT_LE(at.x + at.w + 3, std::min(WindowLayer(layer).x + WindowLayer(layer).image.Width(), 920)) << "inside the picture and window";
    }
  }
}

// Each fighter's name shows whole while both balloons, the damage panel and the
// hit-point panels with their captions stand around it: after the player's attack,
// after the boss's strongest blow of the first duel, and after its 500 of the second
// (the widest damage panel).
TEST_F(LastBossDuel, TheFightersNamesStayClearOfPanelsCaptionsAndBalloons) {
  const struct {
    const char* name;
    int entry, bossMove, state;
  } cases[] = {{"the boss's reaction", 1, 0, 30}, {"the boss's move 2", 1, 2, 31}, {"the boss's move 9", 2, 9, 31}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Boot();
    ToCards(c.entry);
    NextBossMove(c.bossMove);
    ClickCard(0);
    ClickUntil(c.state, 10);
    ASSERT_TRUE(WindowLayer(8).visible && WindowLayer(9).visible && WindowLayer(11).visible && WindowLayer(31).visible);
    ASSERT_TRUE(WindowLayer(c.state == 30 ? 22 : 21).visible);
    EXPECT_EQ(HiddenNamePoints(DuelState.BossPictureBox, "Tanselr_Data/TanselrCG/Z_face/ZFace_A00.JPG"), 0);
    EXPECT_EQ(HiddenNamePoints(DuelState.PlayerPictureBox, "Tanselr_Data/TanselrCG/Z_face/ZFace_C00.JPG"), 0);
  }
}

TEST_F(LastBossDuel, ARetryAfterADefeatStartsAFreshUnguardedFight) {
  ToCards(2);
  DuelState.BossPatternPos = 3;  // the strike of 500 kills even through the guard
  ClickCard(1);
  ClickUntil(40, 1);
  EXPECT_EQ(DuelState.DuelHp[0], 0);
  EXPECT_FALSE(WindowLayer(20).visible);
  Click();  // the window goes black and the retry and quit buttons come in
  ASSERT_TRUE(At(40, 10));
  EXPECT_EQ(PlaceOf(4), (Place{160, 170, 600, 150}));
  EXPECT_EQ(PlaceOf(5), (Place{160, 370, 600, 150}));
  Click(460, 245);  // retry, clicked with no pointer move before
  ASSERT_TRUE(At(5, 1));
  Click();
  Click();
  ASSERT_TRUE(At(20, 0));
  EXPECT_EQ(DuelState.DuelHp, (std::array<int, 2>{100, 100}));
  EXPECT_EQ(DuelState.DuelGuard[0], 0) << "the lost fight's guard is gone";
  EXPECT_EQ(DuelState.BossPatternPos, 0);
  EXPECT_EQ(DuelState.DuelVariant, 1);
  EXPECT_TRUE(WindowLayer(30).visible && WindowLayer(10).visible);

  // Lost again, the quit button goes to the title menu.
  DuelState.BossPatternPos = 3;
  ClickCard(0);
  ClickUntil(40, 1);
  Click();
  Click(460, 445);
  EXPECT_EQ(SceneCursor.SceneCode, kTitleScene) << "the title menu";
}

TEST_F(LastBossDuel, HoverFramesTheCardAndAnAdvanceKeyPlaysIt) {
  ToCards(1);
  Move(324 + 270 + 100, 550 + 40);
  EXPECT_EQ(ScreenButtons.HoveredButton, 3);
  EXPECT_TRUE(WindowLayer(1).visible);
  EXPECT_EQ(PlaceOf(1), (Place{594 - 8, 550 - 8, 256, 96}));
  Move(5, 5);
  EXPECT_EQ(ScreenButtons.HoveredButton, -1);
  EXPECT_FALSE(WindowLayer(1).visible);
  Move(324 + 100, 550 + 40);
  EXPECT_EQ(ScreenButtons.HoveredButton, 2);
  Key(tq::kKeyEnter);
  EXPECT_EQ(DuelState.DuelCommand, 2);
  EXPECT_TRUE(At(30, 10));
}

TEST_F(LastBossDuel, BeatingTheBossHandsBackAndTheNextStagePlays) {
  const struct {
    int entry, stage;
  } cases[] = {{1, 140}, {2, 145}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stage);
    Boot();
    ToCards(c.entry);
    DuelState.DuelHp[1] = 1;
    ClickCard(0);
    ASSERT_TRUE(At(30, 10));
    Click();  // the checks: won
    ASSERT_TRUE(At(41, 1));
    EXPECT_EQ(ScriptStore.ScriptTextLines, 1000);
    // The winning banner closes and the duel hands back. The finale's script may not
    // be in the program: the next stage the program holds stands in for it.
    const bool finale = !ContentLines("marbrook", "stage100").empty();
    int handedBack = 0, step = 0;
    bool captioned = true;
    for (uint32_t t = h_->Now() + 1; t < h_->Now() + 3000; ++t) {
      h_->Platform().At(t, [&] {
        if (SceneCursor.SceneCode != kConversationScene || handedBack != 0) return;
        handedBack = SceneCursor.StageNumber;
        step = SceneCursor.SceneStep;
        captioned = HasPrint(DuelState.BossPictureBox) || HasPrint(DuelState.PlayerPictureBox);
        if (!finale) SceneCursor.StageNumber = 5;
      });
    }
    h_->ClickAt(h_->Now() + 1, 5, 5);
    h_->RunUntil(h_->Now() + 3000);
    EXPECT_EQ(handedBack, c.stage);
    EXPECT_EQ(step, 10);
    EXPECT_TRUE(WindowLayer(8).y >= 690 && WindowLayer(9).y + WindowLayer(9).image.Height() <= 0) << "the panels left the window";
    EXPECT_FALSE(captioned) << "the story's scene goes on over the pictures without the panels' captions";
    EXPECT_EQ(ScriptStore.ScriptTextLines, kScriptLineCapacity);
    EXPECT_GT(ScriptStore.ScriptLineCount, 0);
    EXPECT_EQ(SceneCursor.SceneState, 10) << "the stage's lines run";
  }
}

TEST(ScriptStoreSize, ASizedDownStoreRefusesLinesBeyondItUntilTheNextFilling) {
  ResetScriptState();
  for (int i = 0; i < 5; ++i) PushScriptLine("line");
  SizeScriptText(1000);
  EXPECT_EQ(ScriptStore.ScriptTextLines, 1000);
  EXPECT_EQ(ScriptStore.ScriptText[0], "") << "the texts are dropped";
  EXPECT_EQ(ScriptStore.ScriptLineCount, 5);
  ScriptStore.ScriptLineCount = 1000;
  PushScriptLine("beyond");
  EXPECT_EQ(ScriptStore.ScriptLineCount, 1000);
  ScriptStore.ScriptLineCount = 0;
  PushScriptLine("first");
  EXPECT_EQ(ScriptStore.ScriptTextLines, kScriptLineCapacity);
  EXPECT_EQ(ScriptStore.ScriptText[0], "first");
  ResetScriptState();
}

}  // namespace
