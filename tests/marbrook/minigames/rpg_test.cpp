// The role-playing game (scene 55): map parsing and the move test, the new game's
// screen, the arrow buttons, battle rules over seeded draws, shops and the inn, the
// ending chain's hand-back, and a scripted route from a new game to the ending.
#include "marbrook/minigames/rpg.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

#include "app/headless_session.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "engine/text.h"
#include "support/engine_harness.h"
#include "support/scene_input.h"
#include "support/test_folders.h"
#include "assets/asset_drawing.h"
#include "assets/asset_table.h"
#include "assets/asset_writers.h"

namespace {


class RpgTest : public tq::testing::ScreenTest {
 protected:
  // The game's stand-ins only, written once into a folder of their own: the screen
  // places and scrolls by the pictures' sizes.
  static void SetUpTestSuite() {
    root_ = tq::testing::TestFolder("rpg_assets").string();
    std::filesystem::create_directories(root_);
    for (const assets::AssetFile& f : assets::ExpandAssets()) {
      if (f.path.find("/G07/RPG_") == std::string::npos) continue;
      const std::string path = root_ + "/" + f.path;
      std::filesystem::create_directories(std::filesystem::path(path).parent_path());
      ASSERT_TRUE(assets::WriteFileAtomically(path, assets::EncodeBmp(assets::DrawPicture(f))));
    }
  }
  static void TearDownTestSuite() { std::filesystem::remove_all(root_); }

  void Boot(uint32_t seed = 1) {
    ScreenTest::Boot(kModeMarbrook, root_);
    SeedRandom(seed);
    GameConfig.Settings[2] = 9;  // effects audible, so the trace holds the game's sounds
    h_->EnterScreen(55, 0, 0);
    SetAfterInput(tq::testing::AfterInput::kRunToInputWait, 10000);
    Settle();
  }

  // From the entry through the title, the help and the opening (answering yes) to walking.
  void ToWalking(uint32_t seed = 1) {
    Boot(seed);
    Key(tq::kKeyEnter);  // the help
    Key(tq::kKeyEnter);  // the map, the window and the king's first words
    ASSERT_EQ(SceneCursor.SceneState, kRpgEventList);
    Key(tq::kKeyEnter);
    Key(tq::kKeyEnter);  // the question
    ASSERT_EQ(SceneCursor.SceneState, kRpgChoice);
    Key(tq::kKeyUp);
    Key(tq::kKeyEnter);
    Key(tq::kKeyEnter);
    Key(tq::kKeyEnter);  // the end of the list
    ASSERT_EQ(SceneCursor.SceneState, kRpgWalk);
  }
  // The hero put on a map and cell, as a map change would.
  void Place(int map, int x, int y) {
    RpgState.MapNumber = map;
    RpgState.HeroX = x;
    RpgState.HeroY = y;
    G05_LoadMap(map);
    G05_ScrollMap();
  }
  // Advances a message, answers a choice with up, attacks in a battle.
  void Advance() {
    const bool choosing = SceneCursor.SceneState == kRpgChoice ||
                          (SceneCursor.SceneState == kRpgBattle && SceneCursor.SceneStep == 6);
    Key(choosing ? tq::kKeyUp : tq::kKeyEnter);
  }
  // Walks the grid by the shortest way over floor cells to (x, y) (an exit or event
  // cell only as the last step).
  void WalkTo(int x, int y) {
    const RpgStateRecord& r = RpgState;
    std::map<std::pair<int, int>, std::pair<int, int>> from;
    std::deque<std::pair<int, int>> open{{r.HeroX, r.HeroY}};
    from[{r.HeroX, r.HeroY}] = {-1, -1};
    const int dx[5] = {0, 0, 1, 0, -1}, dy[5] = {0, -1, 0, 1, 0};
    while (!open.empty()) {
      const auto at = open.front();
      open.pop_front();
      if (at == std::make_pair(x, y)) break;
      for (int d = 1; d <= 4; ++d) {
        const std::pair<int, int> next{at.first + dx[d], at.second + dy[d]};
        if (next.first < 0 || next.second < 0 || next.first > r.MapLastX || next.second > r.MapLastY) continue;
        const int code = RpgCell(next.first, next.second);
        const bool floor = code != 1 && (code < 10 || code > 99);
        if ((!floor && next != std::make_pair(x, y)) || from.count(next) != 0) continue;
        from[next] = at;
        open.push_back(next);
      }
    }
    ASSERT_TRUE(from.count({x, y})) << "no way to " << x << "," << y;
    std::vector<int> keys;
    for (auto at = std::make_pair(x, y); from[at].first != -1; at = from[at]) {
      const auto prev = from[at];
      keys.insert(keys.begin(), at.second < prev.second ? tq::kKeyUp : at.first > prev.first ? tq::kKeyRight
                                : at.second > prev.second ? tq::kKeyDown : tq::kKeyLeft);
    }
    for (int k : keys) Key(k);
  }
  // Runs messages, choices and battles until the game walks again (or leaves).
  void RunEvent() {
    for (int n = 0; n < 400 && SceneCursor.SceneCode == 55 && SceneCursor.SceneState != kRpgWalk &&
                    SceneCursor.SceneState != kRpgEnding;
         ++n) {
      Advance();
    }
  }
  std::string WindowText() {
    std::string out;
    for (const PrintRecord& p : RecordedPrints()) {
      if (p.Layer == RpgState.G05WindowBox && p.Color == Grey(250)) out += p.Text + "|";
    }
    return out;
  }
  std::string LastPrintOn(int layer) {
    std::string out;
    for (const PrintRecord& p : RecordedPrints()) {
      if (p.Layer == layer) out = p.Text;
    }
    return out;
  }

  static std::string root_;
};
std::string RpgTest::root_;

struct MoveCase {
  const char* name;
  int map, x, y, direction;
  int moveKind, targetCode;
};

TEST_F(RpgTest, MapsParseAndMovesAreJudgedAtTheEdgesFirst) {
  ToWalking();
  const MoveCase cases[] = {
      {"the king above the start", 0, 6, 2, 1, 2, 10},
      {"floor to the right of the start", 0, 6, 2, 2, 1, 0},
      {"a wall", 0, 4, 2, 4, 0, 1},
      {"the stairs down", 0, 2, 18, 4, 3, 90},
      {"the lair's kidnapper above its exit", 4, 5, 6, 1, 3, 91},
      {"the lair's wall beside its exit", 4, 5, 6, 2, 0, 1},
      {"off the top row of map 5 (floor there)", 5, 5, 0, 1, 0, -99},
      {"off map 5's right column (floor there)", 5, 13, 2, 2, 0, -99},
      {"town exit to the lair", 3, 6, 18, 3, 3, 92},
      {"an inn in town", 3, 5, 17, 4, 2, 34},
  };
  for (const MoveCase& c : cases) {
    SCOPED_TRACE(c.name);
    Place(c.map, c.x, c.y);
    RpgState.TargetCode = -99;
    RpgState.G05Direction = c.direction;
    G05_JudgeMove();
    EXPECT_EQ(RpgState.MoveKind, c.moveKind);
    EXPECT_EQ(RpgState.TargetCode, c.targetCode);
  }
  // Every map's rows give the grid its size says.
  const int sizes[6][2] = {{12, 19}, {12, 19}, {16, 19}, {26, 19}, {12, 12}, {13, 9}};
  for (int map = 0; map < 6; ++map) {
    SCOPED_TRACE(map);
    Place(map, 1, 1);
    EXPECT_EQ(RpgState.MapLastX, sizes[map][0]);
    EXPECT_EQ(RpgState.MapLastY, sizes[map][1]);
    EXPECT_EQ(static_cast<int>(G05_MapRows(map).size()), sizes[map][1] + 1);
    // The map picture covers the grid cell for cell.
    EXPECT_GE(LayerWidth(RpgState.G05MapBox), 80 * sizes[map][0]);
    EXPECT_EQ(LayerHeight(RpgState.G05MapBox), 80 * (sizes[map][1] + 1));
  }
}

TEST_F(RpgTest, NewGameShowsItsStatusAndTheMapUnderTheHero) {
  Boot();
  Key(tq::kKeyEnter);
  SetPrintRecording(true);
  Key(tq::kKeyEnter);
  const std::string expected[8] = {"3", "20", "20", "6", "5", "0", "KNIFE", "SHIELD"};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(LastPrintOn(31 + i), expected[i]) << "layer " << 31 + i;
  EXPECT_EQ(LayerLeft(10), 305 - 80 * 6);
  EXPECT_EQ(LayerTop(10), 305 - 80 * 2);
  EXPECT_EQ(LayerLeft(12), 305);
  EXPECT_EQ(LayerTop(12), 305);
  EXPECT_NE(WindowText().find("勇者よ"), std::string::npos) << "the opening's first message is shown";
  // The status panel stands at the right edge; the arrow buttons at their places.
  EXPECT_EQ(LayerLeft(30) + LayerWidth(30), 920);
  const int arrows[4][2] = {{769, 503}, {841, 539}, {769, 575}, {697, 539}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(LayerLeft(40 + i), arrows[i][0]);
    EXPECT_EQ(LayerTop(40 + i), arrows[i][1]);
  }
}

TEST_F(RpgTest, TheHelpWindowKeepsEveryLineInsideItsBorder) {
  Boot();
  Key(tq::kKeyEnter);  // the help
  const int layer = RpgState.G05WindowBox;
  ASSERT_EQ(LayerWidth(layer), 880);
  const tq::Surface& image = LayerImage(layer);
  // The strip just inside the right border holds no ink: the longest line ends short of it.
  const uint32_t back = image.Get(870, LayerHeight(layer) - 8);
  for (int y = 3; y < LayerHeight(layer) - 3; ++y) {
    for (int x = 880 - 15; x < 880 - 3; ++x) ASSERT_EQ(image.Get(x, y), back) << "at " << x << "," << y;
  }
}

TEST_F(RpgTest, OpeningAsksUntilYesAndGivesAHundredGold) {
  Boot();
  Key(tq::kKeyEnter);
  Key(tq::kKeyEnter);
  Key(tq::kKeyEnter);
  Key(tq::kKeyEnter);
  Key(tq::kKeyDown);  // no: the king pleads and asks again
  EXPECT_EQ(RpgState.EventPos, 8);
  Key(tq::kKeyEnter);
  EXPECT_EQ(SceneCursor.SceneState, kRpgChoice);
  Key(tq::kKeyUp);
  Key(tq::kKeyEnter);
  EXPECT_EQ(RpgState.HeroGold, 100);
  Key(tq::kKeyEnter);
  Key(tq::kKeyEnter);
  EXPECT_EQ(SceneCursor.SceneState, kRpgWalk);
  EXPECT_FALSE(h_->Platform().Screen().Layer(20).visible);
}

TEST_F(RpgTest, AnArrowButtonMovesAsItsKeyAndOtherInputDoesNothing) {
  struct Case {
    const char* name;
    bool click;
    int key;
    int heroX;
  };
  const Case cases[] = {{"right button", true, 0, 7}, {"right key", false, tq::kKeyRight, 7}, {"enter key", false, tq::kKeyEnter, 6}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ToWalking();
    if (c.click) Click(841 + 36, 539 + 36);
    else Key(c.key);
    EXPECT_EQ(RpgState.HeroX, c.heroX);
    EXPECT_EQ(LayerLeft(10), 305 - 80 * RpgState.HeroX);
    Click(100, 100);  // the map: no direction
    EXPECT_EQ(RpgState.HeroX, c.heroX);
  }
}

TEST_F(RpgTest, BattleRulesOverSeededDraws) {
  for (uint32_t seed = 1; seed <= 12; ++seed) {
    SCOPED_TRACE(seed);
    ToWalking(seed);
    Place(4, 5, 6);
    Key(tq::kKeyUp);  // onto the kidnapper's cell: the battle
    ASSERT_EQ(SceneCursor.SceneState, kRpgBattle);
    EXPECT_EQ(RpgState.EnemyHP, 30);
    Key(tq::kKeyEnter);  // the commands
    Key(tq::kKeyUp);     // attack
    const int dealt = 30 - RpgState.EnemyHP;
    EXPECT_TRUE(dealt == 3 || dealt == 4) << dealt;
    Key(tq::kKeyEnter);  // the enemy's blow
    const int taken = 20 - RpgState.HeroHP;
    EXPECT_TRUE(taken == 5 || taken == 6) << taken;
    Key(tq::kKeyEnter);
    Key(tq::kKeyDown);  // flee: the kidnapper keeps its wounds
    EXPECT_EQ(SceneCursor.SceneState, kRpgWalk);
    EXPECT_EQ(RpgState.SlimeHP, 30 - dealt);
  }
  // The ultimate sword always misses, the super slash deals exactly 1; only the
  // kidnapper may be fled from.
  ToWalking();
  G05_SetupEnemy("1");
  RpgState.EnemyHP = 3;
  SceneCursor.SceneState = kRpgBattle;
  SceneCursor.SceneStep = 0;
  Key(tq::kKeyEnter);
  Key(tq::kKeyEnter);
  Key(tq::kKeyRight);
  EXPECT_EQ(RpgState.EnemyHP, 3);
  Key(tq::kKeyEnter);
  Key(tq::kKeyEnter);
  Key(tq::kKeyLeft);
  EXPECT_EQ(RpgState.EnemyHP, 2);
  Key(tq::kKeyEnter);
  Key(tq::kKeyEnter);
  Key(tq::kKeyDown);
  EXPECT_EQ(SceneCursor.SceneState, kRpgBattle);
  EXPECT_EQ(SceneCursor.SceneStep, 5);
}

// A blow is attack less defence plus a draw of 0 or 1: a sum of exactly 0 deals
// nothing, a negative sum still deals 1. Sums of -1 and 0 over the seeds show both.
TEST_F(RpgTest, ABlowSummingToZeroDealsNothingAndANegativeSumDealsOne) {
  std::set<int> dealt, taken;
  for (uint32_t seed = 1; seed <= 12; ++seed) {
    SCOPED_TRACE(seed);
    ToWalking(seed);
    G05_SetupEnemy("1");
    RpgState.EnemyHP = 30;
    RpgState.HeroAP = RpgState.EnemyDP - RpgState.WeaponBonus - 1;
    RpgState.EnemyAP = RpgState.HeroDP + RpgState.ArmourBonus - 1;
    const int hp = RpgState.HeroHP;
    SceneCursor.SceneState = kRpgBattle;
    SceneCursor.SceneStep = 0;
    Key(tq::kKeyEnter);
    Key(tq::kKeyEnter);
    Key(tq::kKeyUp);  // attack
    dealt.insert(30 - RpgState.EnemyHP);
    Key(tq::kKeyEnter);  // the enemy's blow
    taken.insert(hp - RpgState.HeroHP);
  }
  EXPECT_EQ(dealt, (std::set<int>{0, 1}));
  EXPECT_EQ(taken, (std::set<int>{0, 1}));
}

TEST_F(RpgTest, VictoryGainsStopTheMaximumHpAt999) {
  ToWalking();
  Place(5, 6, 7);
  RpgState.HeroMaxHP = 500;
  RpgState.HeroAP = 2000;
  G05_SetupEnemy("5");
  SceneCursor.SceneState = kRpgBattle;
  SceneCursor.SceneStep = 0;
  Key(tq::kKeyEnter);
  Key(tq::kKeyEnter);
  Key(tq::kKeyUp);  // one blow fells the townspeople
  ASSERT_EQ(SceneCursor.SceneStep, 50);
  const int level = RpgState.HeroLevel, dp = RpgState.HeroDP;
  Key(tq::kKeyEnter);
  EXPECT_EQ(RpgState.HeroLevel, level + 999);
  EXPECT_EQ(RpgState.HeroMaxHP, 999);
  EXPECT_EQ(RpgState.HeroHP, 999);
  EXPECT_EQ(RpgState.HeroAP, 2999);
  EXPECT_EQ(RpgState.HeroDP, dp + 999);
}

TEST_F(RpgTest, DeathReturnsToTheTitleAndANewGame) {
  ToWalking();
  RpgState.HeroHP = 1;
  RpgState.HeroGold = 77;
  Place(4, 5, 6);
  Key(tq::kKeyUp);
  Key(tq::kKeyEnter);
  Key(tq::kKeyRight);  // the sword misses; the kidnapper strikes
  Key(tq::kKeyEnter);
  EXPECT_EQ(RpgState.HeroHP, 0);
  EXPECT_EQ(SceneCursor.SceneStep, 60);
  Key(tq::kKeyEnter);
  EXPECT_EQ(SceneCursor.SceneState, kRpgTitle);
  Key(tq::kKeyEnter);  // the title of a new game
  EXPECT_EQ(RpgState.HeroGold, 0);
  EXPECT_EQ(RpgState.HeroHP, 20);
  EXPECT_EQ(RpgState.SlimeHP, 30);
  EXPECT_EQ(SceneCursor.SceneStep, 1);
}

TEST_F(RpgTest, ShopsSellWhenTheGoldIsThereAndTheInnRestores) {
  ToWalking();
  Place(3, 6, 4);
  RpgState.HeroGold = 29;
  Key(tq::kKeyUp);  // the armour shop
  Key(tq::kKeyEnter);
  Key(tq::kKeyUp);  // yes
  SetPrintRecording(true);
  Key(tq::kKeyEnter);
  EXPECT_EQ(RpgState.HeroGold, 29);
  EXPECT_EQ(RpgState.ArmourRank, 0);
  RunEvent();
  RpgState.HeroGold = 30;
  SetPrintRecording(true);
  Key(tq::kKeyUp);
  RunEvent();
  EXPECT_EQ(RpgState.HeroGold, 0);
  EXPECT_EQ(RpgState.ArmourRank, 1);
  EXPECT_EQ(LastPrintOn(38), "FORCEFIELD");
  EXPECT_EQ(LastPrintOn(35), "6");  // DP 2 + 4
  SetPrintRecording(true);
  Key(tq::kKeyUp);
  EXPECT_NE(WindowText().find("すでに最高の品"), std::string::npos);
  RunEvent();
  // The inn: 2 gold for a full night's rest; 1 is not enough.
  for (int gold : {1, 2}) {
    SCOPED_TRACE(gold);
    Place(3, 5, 17);
    RpgState.HeroGold = gold;
    RpgState.HeroHP = 4;
    Key(tq::kKeyLeft);
    RunEvent();
    EXPECT_EQ(RpgState.HeroGold, gold == 2 ? 0 : 1);
    EXPECT_EQ(RpgState.HeroHP, gold == 2 ? 20 : 4);
  }
}

TEST_F(RpgTest, TreasuresGiveTheirGoldOnceAndHoldPastSixteenBits) {
  ToWalking();
  Place(3, 1, 17);
  RpgState.HeroGold = 100;
  Key(tq::kKeyDown);  // the hoard under the town's south-west corner
  RunEvent();
  EXPECT_EQ(RpgState.HeroGold, 900100);
  Key(tq::kKeyDown);
  RunEvent();
  EXPECT_EQ(RpgState.HeroGold, 900100);
}

TEST_F(RpgTest, ScriptedRouteFromANewGameToTheEnding) {
  ToWalking(7);
  // Down through the castle to the town.
  WalkTo(1, 18);  // map 0 -> map 1
  WalkTo(11, 1);  // map 1 -> map 2
  WalkTo(3, 19);  // map 2 -> map 3
  ASSERT_EQ(RpgState.MapNumber, 3);
  // Armour and a sword.
  WalkTo(6, 4);
  Key(tq::kKeyUp);
  RunEvent();
  WalkTo(13, 4);
  Key(tq::kKeyUp);
  RunEvent();
  ASSERT_EQ(RpgState.ArmourRank, 1);
  ASSERT_EQ(RpgState.WeaponRank, 1);
  // The lair: fight, flee when weak, rest at the inn, until the kidnapper falls.
  for (int visit = 0; visit < 8 && RpgState.SlimeBeaten == 0; ++visit) {
    WalkTo(6, 19);
    ASSERT_EQ(RpgState.MapNumber, 4);
    Key(tq::kKeyUp);
    Key(tq::kKeyEnter);
    while (SceneCursor.SceneState == kRpgBattle) {
      if (SceneCursor.SceneStep == 6) Key(RpgState.HeroHP <= 10 ? tq::kKeyDown : tq::kKeyUp);
      else Key(tq::kKeyEnter);
    }
    if (RpgState.SlimeBeaten == 1) break;
    ASSERT_GT(RpgState.HeroHP, 0);
    Key(tq::kKeyDown);  // back out to the town
    WalkTo(5, 17);
    Key(tq::kKeyLeft);
    RunEvent();
  }
  ASSERT_EQ(RpgState.SlimeBeaten, 1);
  RunEvent();
  Key(tq::kKeyDown);  // out of the lair with the princess
  ASSERT_EQ(RpgState.MapNumber, 5);
  EXPECT_TRUE(h_->Platform().Screen().Layer(14).visible);
  WalkTo(6, 7);
  Key(tq::kKeyUp);  // the king: the chain of five battles
  RunEvent();
  ASSERT_EQ(SceneCursor.SceneState, kRpgEnding);
  Key(tq::kKeyEnter);
  const uint32_t lastClick = h_->Now() - 10000;
  EXPECT_EQ(SceneCursor.SceneCode, kConversationScene);
  EXPECT_EQ(SceneCursor.StageNumber, 80);
  const std::vector<uint32_t> ticks = h_->TimesOf("tick");
  bool handedBack = false;
  for (uint32_t t : ticks) handedBack |= t >= lastClick + 1000 && t <= lastClick + 1002;
  EXPECT_TRUE(handedBack) << "the conversation is loaded one second after the last click";
}

}  // namespace
