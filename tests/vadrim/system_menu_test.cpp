// The Vadrim system menu: row sets by scene, play mode and stage, the panel's
// geometry and separators, the hit test, and the commands.
#include "vadrim/system_menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/drawing_fixture.h"
#include "engine/frame_model.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/system_menu.h"
#include "vadrim/vadrim_mode.h"
#include "engine/text.h"
#include "marbrook/save_file.h"
#include "scenario/auto_reading.h"
#include "vadrim/vadrim_save.h"

namespace {

using drawing_test::DrawingTest;
using tq::testing::LayerVisible;

class VadrimMenu : public DrawingTest {
 protected:
  void SetUp() override { Boot(kModeVadrim); }
  std::vector<int> Rows(int scene, int playMode, int stage) {
    SceneCursor.SceneCode = scene;
    SceneCursor.StageNumber = stage;
    ModeState.PlayMode = playMode;
    const std::span<const int> rows = VadrimMenuRows();
    return {rows.begin(), rows.end()};
  }
  int HitAt(int x, int y) {
    InputEvent.PointerX = x;
    InputEvent.PointerY = y;
    D10_SystemMenu(99, x);
    return SystemMenuState.MenuHoverItem;
  }
};

TEST_F(VadrimMenu, RowSetsByWhereTheMenuOpens) {
  struct Case {
    int scene, playMode, stage;
    std::vector<int> rows;
  } cases[] = {
      {10, 0, 11, {10, 11, 12, 20, 15, 2, 1, 99}}, {10, 0, 0, {10, 11, 12, 20, 15, 2, 1, 99}},
      {10, 0, 13, {10, 11, 12, 15, 2, 1, 99}},     {10, 0, 90, {10, 11, 12, 15, 2, 1, 99}},
      {10, 0, 56, {10, 11, 12, 15, 2, 1, 99}},     {10, 1, 12, {10, 11, 12, 30, 15, 2, 1, 99}},
      {10, 2, 24, {10, 11, 12, 31, 15, 2, 1, 99}}, {10, 2, 23, {10, 11, 12, 35, 31, 15, 2, 1, 99}},
      {10, 3, 90, {10, 11, 12, 32, 15, 2, 1, 99}}, {51, 0, 10, {2, 1, 99}},
      {99, 5, 0, {32, 2, 1, 99}},                  {51, 5, 0, {32, 2, 1, 99}},
      {99, 2, 0, {2, 1, 99}},                      {45, 0, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.scene) + "/" + std::to_string(c.playMode) + "/" + std::to_string(c.stage));
    EXPECT_EQ(Rows(c.scene, c.playMode, c.stage), c.rows);
  }
}

TEST_F(VadrimMenu, TheStoryPanelAtStage11HasEightRowsInThreeGroups) {
  Rows(10, 0, 11);
  int arg = 0;
  D10_SystemMenu(20, arg);
  const std::vector<int> codes(SystemMenuState.MenuItemCodes, SystemMenuState.MenuItemCodes + 9);
  EXPECT_EQ(codes, (std::vector<int>{10, 11, 12, 20, 15, 2, 1, 99, 0}));
  const int panel = SystemLayerSet.MenuPanelLayer;
  EXPECT_EQ(Layer(panel).image.Width(), 201);
  EXPECT_EQ(Layer(panel).image.Height(), 221);
  EXPECT_EQ(Layer(panel).x, -201);
  // The etched separators under the first two groups.
  EXPECT_EQ(At(panel, 100, 105), RgbColor(0, 170, 170));
  EXPECT_EQ(At(panel, 100, 106), RgbColor(0, 130, 130));
  EXPECT_EQ(At(panel, 100, 186), RgbColor(0, 185, 185));
  EXPECT_EQ(At(panel, 100, 187), RgbColor(0, 145, 145));
  EXPECT_EQ(At(panel, 200, 50), RgbColor(0, 110, 110)) << "right edge";

  // Rows at 8, 32, 56, 80 | 113, 137, 161 | 194; boxes from rowY - 3 to rowY + 20.
  struct Hit {
    int x, y, row;
  } hits[] = {{10, 5, 0},   {10, 28, 0},   {10, 29, 1},   {10, 100, 3}, {10, 101, -1}, {10, 110, 4},
              {10, 191, 7}, {10, 214, 7},  {10, 215, -1}, {4, 40, -1},  {5, 40, 1},    {194, 40, 1},
              {195, 40, -1}};
  for (const Hit& h : hits) {
    SCOPED_TRACE(std::to_string(h.x) + "," + std::to_string(h.y));
    EXPECT_EQ(HitAt(h.x, h.y), h.row);
  }

  // The bar over row 4 ("このシーンの始めに戻る").
  MoveLayer(panel, 100, 50, 201, 221);
  int row = 4;
  D10_SystemMenu(11, row);
  const int bar = SystemLayerSet.MenuHighlightLayer;
  EXPECT_TRUE(LayerVisible(bar));
  EXPECT_EQ(Layer(bar).x, 105);
  EXPECT_EQ(Layer(bar).y, 50 + 113 - 3);
  EXPECT_EQ(Layer(bar).image.Width(), 190);
  EXPECT_EQ(Layer(bar).image.Height(), 24);
  // A row outside the set draws nothing.
  ShowLayer(bar, false);
  row = -1;
  D10_SystemMenu(12, row);
  EXPECT_FALSE(LayerVisible(bar));
}

TEST_F(VadrimMenu, TheTitlesRowsStartAtTheTop) {
  Rows(99, 0, 0);
  int arg = 0;
  D10_SystemMenu(20, arg);
  EXPECT_EQ(Layer(SystemLayerSet.MenuPanelLayer).image.Height(), 2 + 2 * 24 + 9 + 24 + 9);
  EXPECT_EQ(HitAt(10, 5), 0);
  EXPECT_EQ(HitAt(10, 29), 1);
  EXPECT_EQ(HitAt(10, 62), 2);
  EXPECT_EQ(HitAt(10, 57), -1) << "the gap between the groups";
}

TEST_F(VadrimMenu, CommandsLeaveForTheirScreens) {
  struct Case {
    int scene, playMode, stage, row;
    int sceneAfter, stateAfter, stepAfter, playModeAfter;
  } cases[] = {
      {10, 0, 11, 6, 99, -10, 0, 0},   // メインタイトルに戻る
      {10, 1, 12, 3, 99, -30, 0, 1},   // back to the scene gallery
      {10, 2, 13, 3, 99, -31, 0, 2},   // 全シーン選択へ戻る
      {10, 3, 90, 3, 99, -32, 0, 0},   // おまけ選択画面へ戻る
      {99, 5, 0, 0, 99, -32, 0, 0},    // the same from the picture show
      {10, 0, 11, 4, 10, 0, 10, 0},    // このシーンの始めに戻る
      {10, 0, 11, 3, 51, 1, 0, 0},     // 次のバトルステージへ
      {10, 2, 23, 3, 10, 5, 1, 2},     // 次のシーンへ
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.stage) + " row " + std::to_string(c.row));
    Rows(c.scene, c.playMode, c.stage);
    SceneCursor.SceneState = 10;
    SceneCursor.SceneStep = 0;
    SystemMenuState.MenuHoverItem = c.row;
    D10_MenuCommand(11);
    EXPECT_EQ(SceneCursor.SceneCode, c.sceneAfter);
    EXPECT_EQ(SceneCursor.SceneState, c.stateAfter);
    EXPECT_EQ(SceneCursor.SceneStep, c.stepAfter);
    EXPECT_EQ(ModeState.PlayMode, c.playModeAfter);
  }
  // The board of the stage, and the next scene of the stage gallery.
  Rows(10, 0, 43);
  SystemMenuState.MenuHoverItem = 3;
  D10_MenuCommand(11);
  EXPECT_EQ(VadrimProgress.GameStage, 7);
  Rows(10, 0, 0);
  SystemMenuState.MenuHoverItem = 3;
  D10_MenuCommand(11);
  EXPECT_EQ(VadrimProgress.GameStage, 0);
  EXPECT_EQ(SceneCursor.SceneCode, 51);
}

TEST_F(VadrimMenu, RestartingAStageSetsTheWindowBackgroundByStage) {
  VadrimScreen(99).Frame = nullptr;  // the title's wipes would paint the window too
  for (int stage : {60, 12}) {
    SCOPED_TRACE(stage);
    tq::Surface& window = LayerImage(GameForm);
    tq::FillRect(window, {0, 0, window.Width(), window.Height()}, tq::PixelFromColor(RgbColor(10, 20, 30)));
    Rows(10, 0, stage);
    SystemMenuState.MenuHoverItem = 3;  // このシーンの始めに戻る: neither stage has a board row
    D10_MenuCommand(11);
    EXPECT_EQ(At(GameForm, 5, 5) == RgbColor(10, 20, 30), stage != 60);
    EXPECT_EQ(SceneCursor.StageNumber, stage);
  }
}

TEST_F(VadrimMenu, AClickOnNoRowRunsNothing) {
  for (int row : {-1, 8, 19}) {
    SCOPED_TRACE(row);
    Rows(10, 0, 11);
    SceneCursor.SceneState = 10;
    SystemMenuState.MenuHoverItem = row;
    D10_MenuCommand(11);
    EXPECT_EQ(SceneCursor.SceneCode, kConversationScene);
    EXPECT_EQ(SceneCursor.SceneState, 10);
    EXPECT_EQ(ReadState.ReadMode, 1);
  }
}

}  // namespace
