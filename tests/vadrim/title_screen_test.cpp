// The Vadrim title run by the engine over its stand-in pictures: the opening and
// the main menu, the board select, the galleries, the extras and the route select;
// and the title's frame codes stepped one frame at a time.
#include "vadrim/title_screen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "engine/drawing_fixture.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "marbrook/save_file.h"
#include "games/timed_effects.h"
#include "platform/platform.h"
#include "scenario/event_motion.h"
#include "support/engine_harness.h"
#include "support/stand_ins.h"
#include "vadrim/vadrim_mode.h"
#include "vadrim/vadrim_save.h"

namespace {

using tq::testing::EngineHarness;
using Strings = std::vector<std::string>;

using tq::testing::WindowLayer;

// The stand-in button sheet: plain cells blue, highlighted ones orange.
bool Lit(int layer) {
  const uint32_t c = tq::ColorFromPixel(LayerImage(layer).Get(10, 10));
  return (c & 0xFF) > ((c >> 16) & 0xFF);
}
constexpr uint32_t kMenuReady = 11000;  // the opening is over before this
// Centres of the main-menu buttons.
constexpr int kButtonX[] = {161, 360, 559, 758, 86};
constexpr int kButtonY[] = {564, 564, 564, 564, 661};

class VadrimTitle : public ::testing::Test {
 protected:
  VadrimTitle() {
    tq::testing::WriteStandIns(h.Root(), {"Kespa_Data/KespaCG/Title", "Kespa_Data/KespaCG/Logo1",
                                          "Kespa_Data/KespaCG/StageSelect", "Kespa_Data/KespaCG/CGSelect",
                                          "Kespa_Data/KespaCG/AllClear", "Kespa_Data/KespaCG/Select",
                                          "Kespa_Data/KespaCG/Back/"});
    ::testing::internal::CaptureStderr();  // the sounds are missing here
    h.Start();
  }
  ~VadrimTitle() override { ::testing::internal::GetCapturedStderr(); }

  void At(uint32_t at, std::function<void()> f) { h.Platform().At(at, std::move(f)); }
  Strings Loops() const {
    Strings out;
    for (const std::string& s : h.TraceOf("loop")) out.push_back(s.substr(5));
    return out;
  }
  std::string Cursor() const {
    const SceneCursorRecord& c = SceneCursor;
    return std::to_string(c.SceneCode) + " " + std::to_string(c.SceneState) + " " + std::to_string(c.SceneStep);
  }

  EngineHarness h{kModeVadrim};
};

TEST_F(VadrimTitle, TheOpeningEndsOnTheMainMenuWithItsButtonsInPlace) {
  const tq::SessionResult r = h.RunUntil(kMenuReady);
  EXPECT_FALSE(r.ended);
  EXPECT_EQ(Loops(), (Strings{"900", "903", "905"}));
  EXPECT_EQ(Cursor(), "99 10 0");
  EXPECT_EQ(SceneCursor.ButtonMode, 10);
  EXPECT_EQ(ModeState.PlayMode, 0);
  const int x[] = {75, 274, 473, 672, 0};
  const int y[] = {535, 535, 535, 535, 632};
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(WindowLayer(20 + i).visible);
    EXPECT_EQ(WindowLayer(20 + i).x, x[i]);
    EXPECT_EQ(WindowLayer(20 + i).y, y[i]);
    EXPECT_EQ(WindowLayer(20 + i).image.Width(), 173);
    EXPECT_FALSE(Lit(20 + i));
  }
  for (int layer = 0; layer <= 16; ++layer) EXPECT_FALSE(WindowLayer(layer).visible) << layer;
}

TEST_F(VadrimTitle, ClicksDuringTheOpeningSkipToTheNextPart) {
  h.ClickAt(1000, 400, 300);  // during the logo: on to the title appearance
  h.ClickAt(3000, 400, 300);  // during the title appearance: on to the menu
  bool lettersHidden = false;
  At(1100, [&] { lettersHidden = !WindowLayer(9).visible && !WindowLayer(6).visible; });
  h.RunUntil(5000);
  EXPECT_EQ(Loops(), (Strings{"900", "903", "905"}));
  ASSERT_EQ(h.TimesOf("endloop 900").size(), 1u);
  EXPECT_LT(h.TimesOf("endloop 900")[0], 1100u);
  ASSERT_EQ(h.TimesOf("loop 905").size(), 1u);
  EXPECT_LT(h.TimesOf("loop 905")[0], 3600u);  // after the frame the click fell in
  EXPECT_TRUE(lettersHidden);
  EXPECT_EQ(Cursor(), "99 10 0");
}

TEST_F(VadrimTitle, TheMainMenuLightsOneEnabledButtonAtATime) {
  h.MoveAt(kMenuReady, kButtonX[0], kButtonY[0]);
  bool first = false, second = false, previous = true;
  At(kMenuReady + 50, [&] { first = Lit(20); });
  h.MoveAt(kMenuReady + 100, kButtonX[1], kButtonY[1]);
  At(kMenuReady + 150, [&] { previous = Lit(20); second = Lit(21); });
  h.MoveAt(kMenuReady + 200, 460, 100);  // the window
  h.RunUntil(kMenuReady + 300);
  EXPECT_TRUE(first);
  EXPECT_FALSE(previous);
  EXPECT_TRUE(second);
  EXPECT_FALSE(Lit(21));
  EXPECT_EQ(TitleWords.HoverItem, -1);
}

// Board 1 of each route is open; route 0's board 2 is locked.
TEST_F(VadrimTitle, BoardSelectLightsOpenBoardsOnlyAndIgnoresTheBackButtonsFrame) {
  VadrimScreen(51) = {};  // the hand-over is the point: the board stays put
  h.MoveAt(kMenuReady, kButtonX[1], kButtonY[1]);
  h.ClickAt(kMenuReady + 100, kButtonX[1], kButtonY[1]);
  const uint32_t t = kMenuReady + 3000;
  // The panel stands at (60, 35): route 0's cells at (90, 120) and (310, 120).
  h.MoveAt(t, 410, 145);
  int lockedItem = 0, openItem = 0, backItem = 0;
  bool lockedLit = true;
  At(t + 50, [&] { lockedItem = TitleWords.HoverItem; lockedLit = WindowLayer(19).visible; });
  h.MoveAt(t + 100, 190, 145);
  At(t + 150, [&] { openItem = TitleWords.HoverItem; });
  h.MoveAt(t + 200, 800, 640);  // the back button, framed
  At(t + 250, [&] { backItem = TitleWords.HoverItem; });
  h.ClickAt(t + 300, 703, 593);  // the frame's border, no move first: ignored
  std::string afterFrameClick;
  At(t + 2000, [&] { afterFrameClick = Cursor(); });
  h.MoveAt(t + 2100, 190, 415);  // route 2's board 1
  h.ClickAt(t + 2200, 190, 415);
  h.RunUntil(t + 8000);
  EXPECT_EQ(lockedItem, -1);
  EXPECT_FALSE(lockedLit);
  EXPECT_EQ(openItem, 1);
  EXPECT_EQ(backItem, 20);
  EXPECT_EQ(afterFrameClick, "99 50 0");
  EXPECT_EQ(Cursor(), "51 1 0");
  EXPECT_EQ(VadrimProgress.GameStage, 1);
  const Strings loops = Loops();
  EXPECT_EQ(std::count(loops.begin(), loops.end(), "820"), 1);
  EXPECT_EQ(std::vector<std::string>(loops.end() - 4, loops.end()), (Strings{"820", "700", "1015", "801"}));
}

// The board select lists two, three and eleven boards on the three routes: with every
// board open, the frame (layer 19) lights over each cell and over no place past the last.
TEST_F(VadrimTitle, TheBoardSelectListsTwoThreeAndElevenBoards) {
  At(kMenuReady - 100, [] {
    for (auto& route : VadrimProgress.GameStageOpened) std::fill(std::begin(route), std::end(route), 1);
  });
  h.MoveAt(kMenuReady, kButtonX[1], kButtonY[1]);
  h.ClickAt(kMenuReady + 100, kButtonX[1], kButtonY[1]);
  // The cells' places on the panel at (60, 35): three to a row, each route's rows from
  // its first; the places probed past each route's last stay clear of the others.
  constexpr int kFirstRowY[] = {120, 255, 390};
  constexpr int kPlaces[] = {6, 6, 12};
  int lit[3] = {};
  uint32_t at = kMenuReady + 3000;
  for (int r = 0; r < 3; ++r) {
    for (int s = 1; s <= kPlaces[r]; ++s) {
      h.MoveAt(at, 190 + 220 * ((s - 1) % 3), kFirstRowY[r] + 25 + 60 * ((s - 1) / 3));
      At(at + 50, [&lit, r] { lit[r] += WindowLayer(19).visible ? 1 : 0; });
      h.MoveAt(at + 100, 460, 660);  // off every cell: the frame goes
      at += 200;
    }
  }
  h.RunUntil(at);
  EXPECT_EQ(Cursor(), "99 50 0");
  EXPECT_EQ(lit[0], 2);
  EXPECT_EQ(lit[1], 3);
  EXPECT_EQ(lit[2], 11);
}

TEST_F(VadrimTitle, TheExtrasStayLockedUntilEveryRouteIsCleared) {
  h.MoveAt(kMenuReady, kButtonX[3], kButtonY[3]);
  h.ClickAt(kMenuReady + 100, kButtonX[3], kButtonY[3]);
  std::string locked;
  At(kMenuReady + 6000, [&] {
    locked = Cursor();
    for (int& r : VadrimProgress.RouteCleared) r = 1;
  });
  h.MoveAt(kMenuReady + 6100, kButtonX[3], kButtonY[3]);
  h.ClickAt(kMenuReady + 6200, kButtonX[3], kButtonY[3]);
  std::string open;
  At(kMenuReady + 9000, [&] { open = Cursor() + " " + std::to_string(SceneCursor.ButtonMode); });
  // The slideshow (row 0 at y 160 to 260), then back to the extras menu.
  h.ClickAt(kMenuReady + 9100, 460, 210);
  std::string slideshow;
  At(kMenuReady + 16000, [&] { slideshow = Cursor(); });
  for (int i = 0; i < 10; ++i) h.ClickAt(kMenuReady + 16100 + 5000 * i, 460, 300);
  h.RunUntil(kMenuReady + 75000);
  EXPECT_EQ(locked, "99 10 0");
  EXPECT_EQ(open, "99 100 0 65");
  EXPECT_EQ(slideshow, "99 110 5");
  EXPECT_EQ(TitleWords.SlideIndex, 9);
  EXPECT_EQ(Cursor(), "99 100 0");
  EXPECT_EQ(SceneCursor.ButtonMode, 65);
}

// A row that arrived under the pointer is picked by a click without a move.
TEST_F(VadrimTitle, TheSceneGalleryStartsTheClickedEntryAndItsBackButtonReturns) {
  VadrimScreen(10) = {};  // the hand-over is the point: the conversation stays put
  h.MoveAt(kMenuReady, kButtonX[2], kButtonY[2]);
  h.ClickAt(kMenuReady + 100, kButtonX[2], kButtonY[2]);
  h.ClickAt(kMenuReady + 3000, 800, 640);  // back, without a move
  std::string back;
  At(kMenuReady + 6000, [&] { back = Cursor(); });
  h.MoveAt(kMenuReady + 6100, kButtonX[2], kButtonY[2]);
  h.ClickAt(kMenuReady + 6200, kButtonX[2], kButtonY[2]);
  h.ClickAt(kMenuReady + 9000, 500, 180);  // entry 1, at (485, 140)
  h.RunUntil(kMenuReady + 16000);
  EXPECT_EQ(back, "99 10 0");
  EXPECT_EQ(Cursor(), "10 5 0");
  EXPECT_EQ(SceneCursor.StageNumber, 21);
  EXPECT_EQ(ModeState.PlayMode, 1);
}

TEST_F(VadrimTitle, TheMiddleRouteStartsStageThirtyOverItsBackground) {
  VadrimScreen(10) = {};  // the hand-over is the point: the conversation stays put
  At(500, [] {
    AnimationRun.WaitKind = 0;
    SceneCursor.SceneState = 20;
    SceneCursor.SceneStep = 0;
  });
  h.RunUntil(400);
  const uint32_t t = 9000;
  h.MoveAt(t, 460, 400);
  bool buttonShown = false;
  At(t + 50, [&] { buttonShown = WindowLayer(7).visible && WindowLayer(8).visible && !WindowLayer(5).visible; });
  h.ClickAt(t + 100, 460, 400);
  h.RunUntil(t + 12000);
  EXPECT_TRUE(buttonShown);
  EXPECT_EQ(Cursor(), "10 0 10");
  EXPECT_EQ(SceneCursor.StageNumber, 30);
  EXPECT_EQ(EffectParams.FadeBackgroundKind, 23);
  const Strings loops = Loops();
  EXPECT_EQ(std::vector<std::string>(loops.end() - 2, loops.end()), (Strings{"921", "1025"}));
  EXPECT_EQ(TitleWords.BtnLast, 4);
  EXPECT_EQ(EventPicture.EventPictureWidth, 440);
}

// ---- the frame codes, one frame at a time ----

class VadrimTitleFrames : public drawing_test::DrawingTest {
 protected:
  void SetUp() override { Boot(kModeVadrim); }
  // Runs code until its loop ends (at most `limit` frames); `each` sees every frame.
  int RunCode(int code, const std::function<void()>& each = {}, int limit = 3000) {
    FrameClock.AnimationCode = code;
    AnimationRun.AnimationFrame = AnimationRun.AnimationStep = AnimationRun.AnimationSubStep = 0;
    FrameClock.FrameLoopRunning = -1;
    int frames = 0;
    while (FrameClock.FrameLoopRunning != 0 && frames < limit) {
      EXPECT_TRUE(D00_Frame());
      ++frames;
      if (each) each();
    }
    return frames;
  }
};

TEST_F(VadrimTitleFrames, CodesGoToTheirProceduresAndUnlistedOnesEndTheirLoop) {
  for (int code : {699, 850, 899, 919, 950, 999, 1000, 1050, 1100, 1101}) {
    SCOPED_TRACE(code);
    FrameClock.AnimationCode = code;
    EXPECT_FALSE(D00_Frame());
  }
}

TEST_F(VadrimTitleFrames, BackColourFadeStepsByFourAndAZeroLengthCountsAsOne) {
  std::vector<int> greys;
  auto grey = [&] { greys.push_back(static_cast<int>(LayerInfo(GameForm).BackColor & 0xFF)); };
  EffectParams.EffectFrames = 64;
  EffectParams.EffectVariant = 0;
  EXPECT_EQ(RunCode(825, grey), 65);
  ASSERT_EQ(greys.size(), 65u);
  EXPECT_EQ(std::vector<int>(greys.begin(), greys.begin() + 5), (std::vector<int>{0, 4, 8, 12, 16}));
  EXPECT_EQ(greys.back(), 255);
  EXPECT_EQ(EffectParams.EffectResumesStep, 0);

  greys.clear();
  EffectParams.EffectFrames = 0;
  EffectParams.EffectVariant = 1;
  EXPECT_EQ(RunCode(825, grey), 2);
  EXPECT_EQ(greys, (std::vector<int>{255, 0}));
  for (int code : {1010, 1020, 1021}) {
    SCOPED_TRACE(code);
    EXPECT_LE(RunCode(code), 41);
  }
}

TEST_F(VadrimTitleFrames, BlinkEndsShownAndPausesResetTheirDelay) {
  DrawState.CurrentLayer = 19;
  EffectParams.EffectFrames = 11;
  EffectParams.EffectFrameDelay = 40;
  int shown = 0, hidden = 0;
  RunCode(820, [&] { (WindowLayer(19).visible ? shown : hidden) += 1; });
  EXPECT_EQ(shown, 6);
  EXPECT_EQ(hidden, 6);
  EXPECT_TRUE(WindowLayer(19).visible);
  EffectParams.EffectFrameDelay = 250;
  EXPECT_EQ(RunCode(700), 2);
  EXPECT_EQ(EffectParams.EffectFrameDelay, 100);
}

TEST_F(VadrimTitleFrames, BackgroundRevealTakesHalfTheHeightAndStaysAsTheWindowsPicture) {
  drawing_test::WriteBmp(Root(), "Kespa_Data/KespaCG/Back/真ん中.jpg", 920, 690, RgbColor(200, 30, 30));
  EffectParams.FadeBackgroundKind = 23;
  uint32_t midway = 0;
  EXPECT_EQ(RunCode(1025, [&] { if (AnimationRun.AnimationFrame == 200) midway = At(GameForm, 0, 345); }), 345);
  EXPECT_NE(midway, RgbColor(200, 30, 30)) << "the middle line is painted last";
  EXPECT_EQ(At(GameForm, 0, 345), RgbColor(200, 30, 30));
  EXPECT_EQ(At(GameForm, 919, 0), RgbColor(200, 30, 30));
  EXPECT_FALSE(WindowLayer(0).visible);
}

TEST_F(VadrimTitleFrames, MainMenuOutDropsTheOthersAndEndsAtFrameFiftyFive) {
  for (int i = 0; i < 5; ++i) Fill(20 + i, 75 + 199 * i, 535, 173, 58, RgbColor(0, 0, 255));
  for (int i = 0; i < 5; ++i) ShowLayer(20 + i, true);
  TitleWords.BtnFirst = 20;
  TitleWords.BtnLast = 2;
  TitleWords.PickedItem = 2;
  for (int variant : {0, 1}) {
    SCOPED_TRACE(variant);
    for (int i = 0; i < 5; ++i) MoveLayer(20 + i, 75 + 199 * i, 535, 173, 58);
    EffectParams.EffectVariant = variant;
    EXPECT_EQ(RunCode(910), 31);
    EXPECT_EQ(AnimationRun.AnimationFrame, 55);
    EXPECT_EQ(TitleWords.BtnLast, 4);
    EXPECT_EQ(WindowLayer(22).visible, variant == 0);
    EXPECT_EQ(WindowLayer(22).y, 535);
    EXPECT_EQ(WindowLayer(20).y, 835);
    EXPECT_EQ(WindowLayer(24).y, 835);
  }
}

}  // namespace
