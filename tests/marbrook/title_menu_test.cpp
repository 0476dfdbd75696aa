// The Marbrook title screen run by the engine: the opening and its skips, the title
// menu and its buttons by progress, the grid menus, the settings screen and the
// system menu's rows and commands.
#include "marbrook/title_menu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/text.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/system_menu.h"
#include "marbrook/save_file.h"
#include "games/screen_buttons.h"
#include "marbrook/system_menu.h"
#include "platform/platform.h"
#include "scenario/auto_reading.h"
#include "support/engine_harness.h"
#include "support/scene_input.h"

namespace {

using tq::testing::EngineHarness;
using tq::testing::LayerVisible;
using tq::testing::WindowLayer;
using Strings = std::vector<std::string>;

constexpr uint32_t kOpeningOver = 14000;  // the whole opening has played by then

class TitleScreen : public tq::testing::ScreenTest {
 protected:
  void SetUp() override {
    Boot(kModeMarbrook);
    GameConfig.Settings[2] = 9;  // a first start reads the effect level 0 from the missing save
  }
  Strings Loops() const { return h_->TraceOf("loop"); }
  bool Played(const std::string& file) const {
    for (const std::string& l : h_->TraceOf("STReadFile")) {
      if (l.find(file) != std::string::npos) return true;
    }
    return false;
  }
  // Plays the opening through and opens the title menu with a click.
  void ToTitleMenu(int furthest = 0) {
    MarbrookProgress.FurthestStage = furthest;
    ClickAt(kOpeningOver, 460, 600);
    h_->RunUntil(kOpeningOver + 2000);
    ASSERT_EQ(SceneCursor.SceneState, 10);
  }
};

Strings Names(const Strings& lines) {
  Strings out;
  for (const std::string& l : lines) out.push_back(l.substr(l.find(' ') + 1));
  return out;
}

TEST_F(TitleScreen, OpeningPlaysThroughAndWaitsOnTheTitleScreen) {
  h_->RunUntil(kOpeningOver);
  EXPECT_EQ(Names(Loops()), (Strings{"1001", "1002", "1003", "1004", "801", "802"}));
  EXPECT_EQ(SceneCursor.SceneState, 1);
  EXPECT_EQ(SceneCursor.SceneStep, 10);
  EXPECT_EQ(AnimationRun.WaitKind, 0);
  EXPECT_TRUE(Played("TV_私たちは日々01.wav")) << "the presentation's spoken line";
  EXPECT_TRUE(Played("TV_Marbrook01.wav")) << "the title call";
  for (int layer = 0; layer <= 19; ++layer) EXPECT_FALSE(LayerVisible(layer)) << layer;
  // It never enters the menu by itself.
  h_->RunUntil(30000);
  EXPECT_EQ(SceneCursor.SceneState, 1);
}

TEST_F(TitleScreen, ClicksSkipTheOpeningInTwoStages) {
  ClickAt(1000, 460, 345);  // during the logo
  ClickAt(3000, 460, 345);  // during the title's build
  h_->RunUntil(8000);
  EXPECT_EQ(Names(Loops()), (Strings{"1001", "1003"}));
  EXPECT_FALSE(Played("TV_私たちは日々01.wav"));
  EXPECT_EQ(SceneCursor.SceneStep, 10);
  EXPECT_TRUE(Played("TV_Marbrook01.wav"));
}

TEST_F(TitleScreen, TitleMenuButtonsStandInPlaceAndFollowProgress) {
  struct Case {
    int furthest;
    int chapter, gallery;
  };
  for (const Case& c : {Case{0, 0, 0}, Case{3, 1, 0}, Case{998, 1, 0}, Case{999, 1, 1}}) {
    SCOPED_TRACE(c.furthest);
    SetUp();
    ToTitleMenu(c.furthest);
    EXPECT_EQ(MenuLayout.ButtonEnabled[1], c.chapter);
    EXPECT_EQ(MenuLayout.ButtonEnabled[2], c.gallery);
    for (int i = 0; i < 5; ++i) {
      EXPECT_TRUE(LayerVisible(10 + i));
      EXPECT_EQ(WindowLayer(10 + i).y, 55 + 120 * i);
      EXPECT_EQ(WindowLayer(10 + i).x, i == 4 ? 360 : 260);
    }
    EXPECT_EQ(SceneCursor.ButtonMode, 10);
  }
}

TEST_F(TitleScreen, DisabledButtonNeitherHoversNorChooses) {
  ToTitleMenu(0);
  MoveAt(16100, 460, 220);
  ClickAt(16200, 460, 220);
  h_->RunUntil(17000);
  EXPECT_EQ(ScreenButtons.HoveredButton, -1);
  EXPECT_EQ(SceneCursor.SceneState, 10);
  EXPECT_EQ(SceneCursor.SceneStep, 0);
}

// A click before any pointer move chooses the clicked button (the hover had not set it).
TEST_F(TitleScreen, ClickWithoutMoveStartsTheNewStory) {
  ToTitleMenu(0);
  ClickAt(16100, 460, 100);
  h_->RunUntil(20000);
  EXPECT_EQ(SceneCursor.SceneState, 15);
  EXPECT_EQ(SceneCursor.SceneStep, 1);
  ClickAt(20100, 460, 345);
  h_->RunUntil(20500);
  // The conversation has taken over with the story's first stage.
  EXPECT_EQ(SceneCursor.SceneCode, kConversationScene);
  EXPECT_EQ(SceneCursor.StageNumber, 1);
  EXPECT_EQ(ModeState.PlayMode, 0);
}

// The new story's curtain closes over the window, stays closed 300 ms and opens again.
TEST_F(TitleScreen, TheNewStoryHoldsItsClosedCurtainForThreeHundredMilliseconds) {
  ToTitleMenu(0);
  ClickAt(16100, 460, 100);
  h_->RunUntil(20000);
  const std::vector<uint32_t> closed = h_->TimesOf("endloop 950");
  const std::vector<uint32_t> opening = h_->TimesOf("loop 951");
  ASSERT_EQ(closed.size(), 1u);
  ASSERT_EQ(opening.size(), 1u);
  EXPECT_GE(opening[0] - closed[0], 300u);
  EXPECT_LT(opening[0] - closed[0], 400u);
}

// Over the title the system menu opens on layer 90 with no row lit; the row under
// the pointer lights, its bar on layer 91 (the layers the runner's dump names).
TEST_F(TitleScreen, TheSystemMenuOpensUnlitOnLayer90AndLightsTheRowUnderThePointer) {
  ToTitleMenu(0);
  ClickAt(16100, 100, 100, tq::kButtonRight);
  const int rowY = 100 + MarbrookMenuRowY(0) + 5;
  MoveAt(16300, 120, rowY);
  bool panel = false, litBeforeMove = true, lit = false;
  h_->Platform().At(16200, [&] {
    panel = LayerVisible(90) && WindowLayer(90).x == 100 && WindowLayer(90).y == 100;
    litBeforeMove = LayerVisible(91);
  });
  h_->Platform().At(16400, [&] { lit = LayerVisible(91) && WindowLayer(91).y <= rowY && rowY < WindowLayer(91).y + 24; });
  h_->RunUntil(16500);
  EXPECT_TRUE(panel);
  EXPECT_FALSE(litBeforeMove);
  EXPECT_TRUE(lit);
}

TEST_F(TitleScreen, QuitButtonEndsTheProgram) {
  ToTitleMenu(0);
  MoveAt(16100, 460, 580);
  ClickAt(16200, 460, 580);
  const tq::SessionResult r = h_->RunUntil(30000);
  EXPECT_TRUE(r.ended);
  EXPECT_EQ(r.status, 0);
}

TEST(TitleMenuTables, ChapterCellsFollowTheFurthestStage) {
  struct Case {
    int furthest, last;
  };
  for (const Case& c : {Case{0, 0}, Case{3, 0}, Case{5, 1}, Case{48, 9}, Case{49, 10}, Case{92, 20},
                        Case{130, 20}, Case{131, 21}, Case{999, 21}}) {
    SCOPED_TRACE(c.furthest);
    EXPECT_EQ(ChapterLastCell(c.furthest), c.last);
  }
  EXPECT_EQ(GalleryEntry(12), 12);
  EXPECT_EQ(GalleryEntry(13), 20);
  EXPECT_EQ(GalleryEntry(30), 50);
  EXPECT_EQ(GalleryEntry(33), -1);
  EXPECT_EQ(ReplayStage(0), 6);
  EXPECT_EQ(ReplayStage(31), 202);
  EXPECT_EQ(ReplayStage(-1), -1);
}

TEST_F(TitleScreen, ChapterMenuShowsReachedCellsAndStartsAGame) {
  ToTitleMenu(49);
  MoveAt(16100, 460, 220);
  ClickAt(16200, 460, 220);
  h_->RunUntil(19000);
  ASSERT_EQ(SceneCursor.SceneState, 21);
  EXPECT_EQ(MenuLayout.MenuGrid.GridLastCell, 10);
  // Cell 10 lies at column 4 of the second row: (38 + 4 * 143, 120 + 126) on the panel.
  const int x = 38 + 4 * 143 + 60;
  const int y = 120 + 126 + 40;
  ClickAt(19100, x, y);  // no move first: the cell under the click is taken
  h_->RunUntil(23000);
  // The memory game was entered and runs on from its first state.
  EXPECT_EQ(SceneCursor.SceneCode, 53);
  EXPECT_GE(SceneCursor.SceneState, 0);
}

TEST_F(TitleScreen, ReplayCellStartsItsStageInReplayMode) {
  SceneCursor.SceneState = 37;  // the sub-menu's second item
  h_->RunUntil(2000);
  ASSERT_EQ(SceneCursor.SceneStep, 10);
  EXPECT_EQ(MenuLayout.MenuGrid.GridLastCell, 31);
  ClickAt(2100, 38 + 2 * 124 + 50, 120 + 40);  // cell 2: stage 21
  h_->RunUntil(3000);
  EXPECT_EQ(SceneCursor.SceneCode, kConversationScene);
  EXPECT_EQ(SceneCursor.StageNumber, 21);
  EXPECT_EQ(ModeState.PlayMode, 1);
}

TEST_F(TitleScreen, GalleryCellOpensItsEntryAndGapsChooseNothing) {
  SceneCursor.SceneState = 35;
  h_->RunUntil(2000);
  ClickAt(2100, 38 + 112 + 6, 120 + 40);  // the gap between cells 0 and 1
  h_->RunUntil(2500);
  EXPECT_EQ(SceneCursor.SceneCode, kTitleScene);
  MoveAt(2600, 38 + 6 * 124 + 50, 120 + 109 + 40);  // cell 13
  ClickAt(2700, 38 + 6 * 124 + 50, 120 + 109 + 40);
  h_->RunUntil(3500);
  EXPECT_EQ(SceneCursor.SceneCode, 45);
  EXPECT_EQ(SceneCursor.SceneState, 200);
  EXPECT_EQ(SceneCursor.StageNumber, 20);
}

// Opens the system menu on the title screen and chooses its row `row`.
void ChooseMenuRow(EngineHarness& h, uint32_t at, int row) {
  h.ClickAt(at, 100, 100, tq::kButtonRight);
  const int y = 100 + MarbrookMenuRowY(row) + 5;
  h.MoveAt(at + 100, 120, y);
  h.ClickAt(at + 200, 120, y);
}

TEST_F(TitleScreen, SettingsClicksChangeSaveAndSound) {
  h_->RunUntil(kOpeningOver);
  GameConfig.Settings[1] = 5;
  ChooseMenuRow(*h_, 15000, 0);
  h_->RunUntil(17000);
  ASSERT_EQ(SystemMenuState.MenuState, 2);
  const size_t before = h_->TraceOf("STReadFile").size();
  ClickAt(17100, 423, 186);  // the gap before slot 1: nothing
  h_->RunUntil(17500);
  EXPECT_EQ(GameConfig.Settings[1], 5);
  EXPECT_EQ(h_->TraceOf("STReadFile").size(), before);
  ClickAt(17600, 422, 186);  // slot 0 of the music bar
  ClickAt(17700, 850, 437 + 120 + 20);  // switch 2
  h_->RunUntil(18000);
  EXPECT_EQ(GameConfig.Settings[1], 0);
  EXPECT_EQ(VoiceSettings.StopAutoAtNewStage, -1);
  EXPECT_TRUE(Played("t25_pyo112.wav"));
  EXPECT_EQ(C00_IniRead("Config", "0", MarbrookSavePath()), "0");
  EXPECT_EQ(C00_IniRead("Config", "7", MarbrookSavePath()), "True");
  // A click beside the screen's layer closes it.
  ClickAt(18100, 460, 345, tq::kButtonRight);
  h_->RunUntil(18500);
  EXPECT_EQ(SystemMenuState.MenuState, 0);
}

TEST_F(TitleScreen, SystemMenuRowsStandAtTheirOffsets) {
  struct Case {
    const char* name;
    int scene, state, stage, playMode;
    std::vector<int> ys;
    std::vector<int> codes;
  };
  const std::vector<Case> cases = {
      {"outside the conversation", 99, 10, 0, 0, {8, 32, 65}, {2, 1, 99}},
      {"replay", 10, 10, 20, 1, {8, 32, 56, 80, 104, 128, 152, 185, 209, 233, 266},
       {11, 12, 13, 14, 15, 16, 25, 20, 2, 1, 99}},
      {"story, choice", 10, 30, 6, 0, {8, 41, 65, 89, 122}, {17, 20, 2, 1, 99}},
      {"story, stage 120", 10, 10, 120, 0, {8, 32, 56, 80, 104, 128, 161, 185, 209, 242},
       {11, 12, 13, 14, 15, 17, 20, 2, 1, 99}},
      {"story, stage 20", 10, 10, 20, 0, {8, 32, 56, 80, 104, 128, 152, 185, 209, 233, 266},
       {11, 12, 13, 14, 15, 16, 17, 20, 2, 1, 99}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SceneCursor.SceneCode = c.scene;
    SceneCursor.SceneState = c.state;
    SceneCursor.StageNumber = c.stage;
    ModeState.PlayMode = c.playMode;
    ASSERT_EQ(MarbrookMenuRowCount(), static_cast<int>(c.ys.size()));
    std::vector<int> ys;
    for (int i = 0; i < MarbrookMenuRowCount(); ++i) ys.push_back(MarbrookMenuRowY(i));
    EXPECT_EQ(ys, c.ys);
    SystemMenu(98, 0);
    EXPECT_EQ(std::vector<int>(SystemMenuState.MenuItemCodes, SystemMenuState.MenuItemCodes + ys.size()), c.codes);
  }
  // The hit test: x 4 finds nothing; y offset - 3 of row 2 finds row 2.
  SceneCursor.SceneCode = 10;
  SceneCursor.SceneState = 30;
  SystemMenu(20, 0);
  InputEvent.PointerX = 4;
  InputEvent.PointerY = 66;
  SystemMenu(99, 0);
  EXPECT_EQ(SystemMenuState.MenuHoverItem, -1);
  InputEvent.PointerX = 20;
  SystemMenu(99, 0);
  EXPECT_EQ(SystemMenuState.MenuHoverItem, 2);
}

TEST_F(TitleScreen, IndicatorTextsFollowTheReadingState) {
  ReadState.ReadMode = 2;
  ReadState.ReadSpeed = 1;
  VoiceSettings.AutoSpeed = 2;
  SystemMenu(30, 0);
  EXPECT_EQ(TextStyle.CurrentText, "オート（速い）");
  ReadState.ReadSpeed = 2;
  SystemMenu(30, 0);
  EXPECT_EQ(TextStyle.CurrentText, "スキップ（普通）");
  SystemMenu(30, 1);
  EXPECT_EQ(TextStyle.CurrentText, "（終了中）");
  EXPECT_TRUE(LayerVisible(92)) << "the indicator's layer, as the runner's dump names it";
}

TEST_F(TitleScreen, MenuTitleItemReturnsFromAnyScreenAndQuitEnds) {
  for (int scene : {10, 45, 51, 99}) {
    SCOPED_TRACE(scene);
    SetUp();
    h_->RunUntil(kOpeningOver);
    SceneCursor.SceneCode = scene;
    SceneCursor.SceneState = 10;
    SceneCursor.StageNumber = 120;
    const int row = scene == 10 ? MarbrookMenuRowCount() - 2 : 1;
    ChooseMenuRow(*h_, 15000, row);
    h_->RunUntil(22000);
    EXPECT_EQ(SceneCursor.SceneCode, kTitleScene);
    EXPECT_EQ(SceneCursor.SceneState, 10);
    EXPECT_EQ(SceneCursor.SceneStep, 0);
    EXPECT_TRUE(LayerVisible(10));
  }
  ChooseMenuRow(*h_, 23000, 2);
  const tq::SessionResult r = h_->RunUntil(30000);
  EXPECT_TRUE(r.ended);
  EXPECT_EQ(r.status, 0);
}

}  // namespace
