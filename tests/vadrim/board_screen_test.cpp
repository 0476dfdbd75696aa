// The board-game screen: the layout and the board's place, the common timed effects
// and their restore rules, the die throw, the failure on the last throw, the restart
// dialog, the clear's hand-back, the keys, and a whole play of board 1 with clicks.
#include "vadrim/board/screen.h"

#include <gtest/gtest.h>

#include "board_screen_fixture.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "assets/asset_table.h"
#include "assets/asset_writers.h"
#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/sound_channels.h"
#include "engine/text.h"
#include "games/timed_effects.h"
#include "scenario/motion_curves.h"
#include "platform/platform.h"
#include "support/engine_harness.h"
#include "vadrim/board/layouts.h"
#include "vadrim/board/model.h"
#include "vadrim/board/progress.h"
#include "vadrim/vadrim_mode.h"
#include "vadrim/vadrim_save.h"

namespace {

using board_test::BoardScreenTest;
using board_test::ReadyBoard;
using tq::testing::WindowLayer;

TEST_F(BoardScreenTest, LayoutPlacesBoard32AndDrawsItsTilesAndPanels) {
  ReadyBoard(32);
  EXPECT_EQ(BoardGeometry.BoardLeft, 210);
  EXPECT_EQ(BoardGeometry.BoardTop, 45);
  EXPECT_EQ(WindowLayer(BoardLayers.BoardLayer).image.Width(), 500);
  EXPECT_EQ(WindowLayer(BoardLayers.BoardLayer).image.Height(), 600);
  EXPECT_EQ(WindowLayer(BoardLayers.BoardLayer).y, ScreenSize.ScreenHeight) << "below the window, to rise";
  EXPECT_EQ(PieceCounters.LuckGauge, 100);
  EXPECT_EQ(PieceCounters.WomanGauge, 0);

  // Tiles: sealed 凶 and 狂 take column 2 while 封 lasts.
  struct TileCase {
    int kind, seal, x, y;
  } tiles[] = {{0, 0, 0, 0}, {10, 0, 0, 100}, {20, 0, 100, 100}, {20, 2, 200, 100}, {21, 2, 200, 200},
               {152, 0, 200, 300}, {90, 0, 700, 0}, {999, 0, 0, 0}};
  for (const TileCase& c : tiles) {
    SCOPED_TRACE(c.kind);
    PieceCounters.SealTurns = c.seal;
    D50_KindTile(c.kind);
    EXPECT_EQ(BlitSpec.BlitSrcX, c.x);
    EXPECT_EQ(BlitSpec.BlitSrcY, c.y);
  }

  // A gauge out of range is stored clamped; the creature's picture cell by number.
  PieceCounters.LuckGauge = 140;
  D50_GaugePanel(10, 0);
  EXPECT_EQ(PieceCounters.LuckGauge, 100);
  EXPECT_EQ(WindowLayer(BoardLayers.GaugeLayer).x, -130);
  // The full gauge's value is printed inside its face.
  EXPECT_LE(TextStyle.MeasuredWidth, LayerWidth(BoardLayers.GaugeLayer));
  StepScratch.ActiveCreature = 3;
  CreatureSlot[3].GridX = 1;
  CreatureSlot[3].GridY = 2;
  CreatureSlot[3].PictureNo = 47;
  D50_DrawCreature(2);
  EXPECT_EQ(Sheets[4].ClipX, 630);
  EXPECT_EQ(Sheets[4].ClipY, 360);
  EXPECT_EQ(WindowLayer(BoardLayers.CreatureFirstLayer + 2).x, 100 + 210 + 5);
  EXPECT_EQ(WindowLayer(BoardLayers.CreatureFirstLayer + 2).y, 200 + 45 + 5);
}

TEST_F(BoardScreenTest, CommonEffectsEndAndRestoreTheirWords) {
  ReadyBoard(1);
  EffectParamsRecord& p = EffectParams;
  const int layer = BoardLayers.BannerLayer;
  BoardPrepare(layer, 100, 100, 50, 50);

  // 700: one frame of the delay after the starting one, then 100 ms for the next.
  p.EffectFrameDelay = 500;
  uint32_t start = h_->Now();
  RunEffect(kEffectPause, EffectEnd::kReturn);
  EXPECT_GE(h_->Now() - start, 500u);
  EXPECT_LT(h_->Now() - start, 1100u);
  EXPECT_EQ(p.EffectFrameDelay, 100);
  EXPECT_EQ(p.EffectResumesStep, -1);

  // 750 with a music base of 5 still reaches silence and stops the music.
  SoundState.MusicFadeBase = 5;
  p.EffectFrameDelay = 10;
  RunEffect(kEffectMusicFade, EffectEnd::kNextTick);  // the pause left it so
  EXPECT_EQ(FrameClock.FrameLoopRunning, 0);
  EXPECT_FALSE(h_->TraceOf("STStop").empty());

  // 800: the curve runs f = 0 to 20 and the sound cue plays once.
  const size_t sounds = h_->TraceOf("STPlay").size();
  p.EffectResumesStep = 0;
  p.EffectSoundCue.EffectSound = 50;
  p.EffectSoundCue.EffectSoundFrame = 7;
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {100, 100, 50, 50};
  DrawState.TargetRect = {300, 120, 0, 0};
  BoardMove(20, 10);
  EXPECT_EQ(WindowLayer(layer).x, 300);
  EXPECT_EQ(WindowLayer(layer).y, 120);
  EXPECT_EQ(h_->TraceOf("STPlay").size(), sounds + 1);
  EXPECT_EQ(p.EffectSoundCue.EffectSound, 0);
  EXPECT_EQ(p.EffectMotionKind, kMotionEaseOut);

  // 820 with ten frames ends hidden; 916 goes out and comes back.
  p.EffectFrames = 10;
  p.EffectFrameDelay = 40;
  DrawState.CurrentLayer = layer;
  RunEffect(kEffectBlink, EffectEnd::kReturn);
  EXPECT_FALSE(WindowLayer(layer).visible);
  p.EffectRepeats = 1;
  p.EffectOffsetX = 10;
  p.EffectOffsetY = 0;
  p.EffectFrames = 6;
  DrawState.CurrentLayer = layer;
  GetLayerRect(kRectIntoCurrent, layer);
  RunEffect(kEffectSwayBack, EffectEnd::kReturn);
  EXPECT_EQ(WindowLayer(layer).x, 300);

  // A code no effect has ends its loop instead of running for ever.
  start = h_->Now();
  RunEffect(777, EffectEnd::kReturn);
  EXPECT_LT(h_->Now() - start, 100u);
  Wait(1077, 0);
  EXPECT_LT(h_->Now() - start, 200u);
}

TEST_F(BoardScreenTest, TheDieTicksOnFiveChannelsAndThePieceMovesByTheLastFace) {
  ReadyBoard(1);
  D50_DrawPanel(15, 0);
  PieceCounters.PiecePos = 0;
  PieceCounters.TravelDir = 1;
  GoTo(kBoardDie, 5);
  const size_t before = h_->TraceOf("STReadFile").size();
  PlayUntil([] { return SceneCursor.SceneState == kBoardMenu || SceneCursor.SceneState == kBoardLanded; });
  std::vector<std::string> ticks;
  const std::vector<std::string> reads = h_->TraceOf("STReadFile");
  for (size_t i = before; i < reads.size(); ++i) {
    if (reads[i].find("G060_") != std::string::npos && ticks.size() < 5) ticks.push_back(reads[i].substr(11, 1));
  }
  EXPECT_EQ(ticks, (std::vector<std::string>{"0", "1", "2", "3", "4"}));
  EXPECT_EQ(PieceCounters.PiecePos, TurnFlow.DieValue);
  int pos = PieceCounters.PiecePos;
  D50_CellPos(0, pos);
  EXPECT_EQ(WindowLayer(BoardLayers.PieceLayer).x, DrawState.CurrentRect.X);
  EXPECT_EQ(WindowLayer(BoardLayers.PieceLayer).y, DrawState.CurrentRect.Y);
}

// The animation codes of the endings (1090 to 1099) the frame loops ran, in order.
std::vector<std::string> EndingLoops(const std::vector<std::string>& loops) {
  std::vector<std::string> out;
  for (const std::string& line : loops) {
    const std::string code = line.substr(line.find(' ') + 1);
    if (code.size() == 4 && code.compare(0, 3, "109") == 0) out.push_back(code);
  }
  return out;
}

TEST_F(BoardScreenTest, TheLastThrowFailsTheBoardBeforeTheMenu) {
  ReadyBoard(1);
  PieceCounters.RollsLeft = 1;
  PieceCounters.WomanGauge = 90;
  GoTo(kBoardEndTurn, 0);
  Wait(0, 0);
  PlayUntil([this] { return Idle(); });
  EXPECT_TRUE(At(kBoardFailed, 0));
  EXPECT_EQ(PieceCounters.RollsLeft, 0);
  EXPECT_NE(SceneCursor.ButtonMode, kButtonsMenu);
  // The failure ending, each of its animations in turn, then starts the same board again.
  PlayUntil([] { return SceneCursor.SceneState == kBoardMenu; });
  EXPECT_EQ(EndingLoops(h_->TraceOf("loop")), (std::vector<std::string>{"1095", "1096", "1097", "1098"}));
  EXPECT_EQ(BoardState.BoardNumber, 1);
  EXPECT_EQ(PieceCounters.RollsLeft, 50);
}

TEST_F(BoardScreenTest, TheRestartDialogStartsTheSameBoardWithFreshGauges) {
  Enter(3);
  ASSERT_TRUE(PlayUntil([this] { return At(kBoardMenu, 0); }));
  PieceCounters.LuckGauge = 30;
  PieceCounters.WomanGauge = 55;
  ClickLayer(BoardLayers.MenuButtonFirstBox + 1);
  ASSERT_TRUE(PlayUntil([this] { return At(kBoardRestart, 0); }));
  EXPECT_EQ(SceneCursor.ButtonMode, kButtonsDialog);
  ClickLayer(BoardLayers.ConfirmButtonFirstBox);
  ASSERT_TRUE(PlayUntil([this] { return At(kBoardMenu, 0); }));
  EXPECT_EQ(BoardState.BoardNumber, 3);
  EXPECT_EQ(PieceCounters.LuckGauge, 100);
  EXPECT_EQ(PieceCounters.WomanGauge, 0);
  EXPECT_EQ(PieceCounters.TurnNumber, 1);
}

TEST_F(BoardScreenTest, ACleardBoardRecordsProgressAndHandsBackToTheStory) {
  ReadyBoard(11);
  VadrimProgress.RouteCleared[2] = 0;
  GoTo(kBoardCleared, 0);
  Wait(0, 0);
  // The conversation stays put, so the hand-back can be seen.
  ScreenHookSet& conversation = VadrimScreen(10);
  const ScreenHookSet saved = conversation;
  conversation = ScreenHookSet{};
  PlayUntil([] { return false; });
  conversation = saved;
  EXPECT_EQ(EndingLoops(h_->TraceOf("loop")), (std::vector<std::string>{"1090", "1091", "1092"}));
  EXPECT_EQ(SceneCursor.SceneCode, kConversationScene);
  EXPECT_EQ(SceneCursor.SceneState, 0);
  EXPECT_EQ(SceneCursor.SceneStep, 10);
  EXPECT_EQ(SceneCursor.StageNumber, 56);
  EXPECT_EQ(VadrimProgress.RouteCleared[2], 1);
}

TEST_F(BoardScreenTest, KeysChooseOnlyThroughTheAdvanceAndDigitKeys) {
  ReadyBoard(1);
  PieceCounters.HeldItems = {12, 15, 0, 0, 0};
  D50_Buttons(0, 0);
  D50_Buttons(1, 0);
  ASSERT_EQ(BoardScreen.TurnButtonLast, 1);
  auto atMenu = [] {
    SceneCursor.ButtonMode = kButtonsMenu;
    GoTo(kBoardMenu, 0);
  };
  struct KeyCase {
    const char* name;
    int key, advance, pointerLayer;
    bool acts;
  } cases[] = {
      {"key 3 with two items", '3', 0, -1, false},
      {"a letter over an item button", tq::kKeyA, 0, 11, false},
      {"the advance key over the board", tq::kKeyEnter, 1, 0, true},
      {"key 2 uses the second item", '2', 0, -1, true},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.name);
    atMenu();
    InputEvent.InputSourceIndex = c.pointerLayer;
    InputEvent.InputSourceKind = c.pointerLayer >= 0 ? 50 : 0;
    InputEvent.KeyCode = c.key;
    InputEvent.AdvanceKeyDown = c.advance;
    D50_OnKey();
    EXPECT_EQ(SceneCursor.SceneState != kBoardMenu || SceneCursor.SceneStep != 0, c.acts);
    FrameClock.TimerArmed = 0;
  }
  InputEvent.AdvanceKeyDown = 0;
  EXPECT_EQ(D50_InRange(0), 0);
  BoardScreen.ColumnArrowLast = 2;
  BoardScreen.RowArrowLast = 1;
  EXPECT_EQ(D50_InRange(3), 1);
  EXPECT_EQ(D50_InRange(5), 0);
}

TEST_F(BoardScreenTest, HoverFramesAMenuButtonWithOneTick) {
  ReadyBoard(1);
  D50_DrawPanel(50, 0);
  MoveLayerKeepingSize(BoardLayers.MenuButtonFirstBox, 800, 610);
  SceneCursor.ButtonMode = kButtonsMenu;
  TurnFlow.HoverIndex = -1;
  const size_t ticks = h_->TraceOf("STPlay").size();
  InputEvent.InputSourceKind = 50;
  InputEvent.InputSourceIndex = BoardLayers.MenuButtonFirstBox;
  D50_Hover();
  D50_Hover();
  EXPECT_EQ(TurnFlow.HoverIndex, 10);
  EXPECT_EQ(h_->TraceOf("STPlay").size(), ticks + 1);
  EXPECT_EQ(WindowLayer(BoardLayers.HighlightLayer).x, 795);
  EXPECT_EQ(WindowLayer(BoardLayers.HighlightLayer).image.Width(), 100);
  InputEvent.InputSourceKind = 0;
  D50_Hover();
  EXPECT_EQ(TurnFlow.HoverIndex, -1);
  EXPECT_FALSE(WindowLayer(BoardLayers.HighlightLayer).visible);
}

TEST_F(BoardScreenTest, Board1IsPlayedWithClicksFromItsStartToItsEnd) {
  Enter(1);
  bool failed = false;
  int turns = 0;
  ASSERT_TRUE(PlayUntil([&] {
    if (SceneCursor.SceneState == kBoardMenu) turns = std::max(turns, PieceCounters.TurnNumber);
    if (SceneCursor.SceneState == kBoardFailed) failed = true;
    return failed && SceneCursor.SceneState == kBoardMenu;
  }));
  EXPECT_GE(turns, 50) << "every throw was played; state " << SceneCursor.SceneState << "," << SceneCursor.SceneStep;
  EXPECT_EQ(VadrimProgress.GameStageOpened[2][1], 1);
  EXPECT_EQ(PieceCounters.RollsLeft, 50) << "the same board again";
}

}  // namespace
