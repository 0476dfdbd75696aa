#include "marbrook/story_flow.h"

#include <span>

#include "engine/frame_model.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/system_menu.h"
#include "marbrook/marbrook_mode.h"
#include "marbrook/marbrook_sounds.h"
#include "marbrook/save_file.h"
#include "games/timed_effects.h"
#include "scenario/auto_reading.h"

namespace {

// The last stage whose end is recorded as progress, and the mark of a finished story.
constexpr int kFirstSideScene = 200;
constexpr int kStoryComplete = 999;
constexpr int kLastStage = 145;

// A chain of stages, each leading to the next, and what its last stage leads to
// (a next stage, or a scene entry).
struct ChainRow {
  std::span<const int> stages;
  StageRoute last;
};

constexpr int kChain1[] = {1, 2, 3};
constexpr int kChain2[] = {5, 6, 10, 11};
constexpr int kChain3[] = {15, 16, 20, 21, 22, 23};
constexpr int kChain4[] = {25, 26, 27, 28, 29, 30};
constexpr int kChain5[] = {35, 36, 37, 38, 39, 40};
constexpr int kChain6[] = {45, 46, 47, 48, 49};
constexpr int kChain7[] = {50, 51, 52, 53, 54, 55};
constexpr int kChain8[] = {60, 61, 62, 63, 64, 65};
constexpr int kChain9[] = {70, 71, 72, 73, 74, 75};
constexpr int kChain10[] = {80, 81, 82, 83, 84, 85};
constexpr int kChain11[] = {90, 91, 92};
constexpr int kChain12[] = {105, 200, 106};
constexpr int kChain13[] = {115, 202};
constexpr int kChain14[] = {120, 201};
constexpr int kChain15[] = {131};
constexpr int kChain16[] = {140};
constexpr int kChain17[] = {145};
constexpr int kChain18[] = {7};  // the two picks of the branch stage 6
constexpr int kChain19[] = {8};

constexpr StageRoute Next(int stage) { return {StageRoute::NextStage, stage, 0, 0, 0}; }
constexpr StageRoute Scene(int scene, int state, int step) { return {StageRoute::HandOver, 0, scene, state, step}; }

// The story table: the story's chains and where each one's last stage leads.
const ChainRow kStoryTable[] = {
    {kChain1, Scene(51, -1, 0)},  // rock-paper-scissors
    {kChain2, Scene(52, 0, 0)},   // board games
    {kChain3, Scene(51, -2, 0)},
    {kChain4, Scene(52, 1, 0)},
    {kChain5, Scene(51, -3, 0)},
    {kChain6, Scene(53, 0, 0)},   // memory pairs
    {kChain7, Scene(59, 0, 0)},   // kana adventure
    {kChain8, Scene(54, 1, 0)},   // casino
    {kChain9, Scene(55, 0, 0)},   // role-playing game
    {kChain10, Scene(56, 0, 0)},  // room adventure
    {kChain11, Next(100)},
    {kChain12, Next(130)},
    {kChain13, Next(106)},
    {kChain14, Next(106)},
    {kChain15, Scene(60, 0, 1)},  // last-boss duel
    {kChain16, Scene(60, 0, 2)},
    {kChain17, Scene(kTitleScene, -10, 0)},
    {kChain18, Next(10)},
    {kChain19, Next(10)},
};

// The replay ring: each stage leads to the next, the last back to the first.
constexpr int kReplayRing[] = {6,  20, 21, 22, 26, 27, 28, 37, 38, 39, 46, 47, 51, 52, 53, 54,
                               61, 62, 63, 71, 72, 73, 74, 81, 82, 83, 84, 91, 92, 200, 201, 202};
static_assert(std::size(kReplayRing) == 32);

StageRoute StoryRoute(int stage) {
  for (const ChainRow& row : kStoryTable) {
    for (size_t i = 0; i < row.stages.size(); ++i) {
      if (row.stages[i] != stage) continue;
      return i + 1 < row.stages.size() ? Next(row.stages[i + 1]) : row.last;
    }
  }
  return {};
}

StageRoute ReplayRoute(int stage) {
  // Stages 7 and 8 are the picks of the ring's stage 6.
  if (stage == 7 || stage == 8) return Next(20);
  const size_t n = std::size(kReplayRing);
  for (size_t i = 0; i < n; ++i) {
    if (kReplayRing[i] == stage) return Next(kReplayRing[(i + 1) % n]);
  }
  return {};
}

void LeavingTail() {
  ReadState.ReadSpeed = 0;
  ShowLayer(SystemLayerSet.AutoIndicatorLayer, false);
}

void EnterScene(int scene, int state, int step) {
  SceneCursor.SceneCode = scene;
  GoTo(state, step);
}

// A stage end with no route would leave a dead screen: a replay goes back to the
// replay select behind a closed curtain, the story to the title menu.
void LeaveUnrouted() {
  if (ModeState.PlayMode == 1) {
    Wait(kEffectCurtainClose, 0);
    for (int layer = 0; layer <= 89; ++layer) ShowLayer(layer, false);
    EnterScene(kTitleScene, 37, -1);
  } else {
    EnterScene(kTitleScene, -10, 0);
  }
  Wait(0, 0);
}

// The stand-in of a game not in the program: hands straight back to its post-game stage.
constexpr int kGameScenes[] = {51, 52, 53, 54, 55, 56, 59, 60};

}  // namespace

StageRoute RouteOf(int playMode, int stage) { return playMode == 1 ? ReplayRoute(stage) : StoryRoute(stage); }

void C15_StageEnd() {
  C45_StopVoice();
  const int stage = SceneCursor.StageNumber;
  MarbrookProgressRecord& progress = MarbrookProgress;
  if (progress.FurthestStage < stage && stage < kFirstSideScene) {
    progress.FurthestStage = stage;
    C00_SaveSettings();
  }
  const StageRoute route = RouteOf(ModeState.PlayMode, stage);
  switch (route.kind) {
    case StageRoute::NextStage:
      SceneCursor.StageNumber = route.stage;
      GoToNextTick(5, VoiceSettings.StopAutoAtNewStage == -1 ? 0 : 1);
      return;
    case StageRoute::HandOver:
      EnterScene(route.scene, route.state, route.step);
      Wait(0, 0);
      if (stage == kLastStage && ModeState.PlayMode == 0) {
        progress.FurthestStage = kStoryComplete;
        C00_SaveSettings();
      }
      break;
    case StageRoute::None: LeaveUnrouted(); break;
  }
  LeavingTail();
}

int PostGameStage(int scene, int state, int step) {
  switch (scene) {
    case 51: return state == -2 ? 25 : (state == -3 ? 45 : 5);
    case 52: return state == 1 ? 35 : 15;
    case 53: return 50;
    case 54: return state == -1 ? 0 : 70;
    case 55: return 80;
    case 56: return 90;
    case 59: return 60;
    case 60: return step == 2 ? 145 : 140;
    default: return 0;
  }
}

void HandBackWithoutGame() {
  const int stage = PostGameStage(SceneCursor.SceneCode, SceneCursor.SceneState, SceneCursor.SceneStep);
  if (stage == 0) {
    EnterScene(kTitleScene, -40, 0);  // the free-play casino returns to the extras menu
    Wait(-1, 500);
    return;
  }
  SceneCursor.StageNumber = stage;
  EnterScene(kConversationScene, 0, 10);
  Wait(0, 0);
}

void RegisterGameStandIns() {
  for (int scene : kGameScenes) {
    ScreenHookSet& row = MarbrookScreen(scene);
    if (row.Step == nullptr) row.Step = HandBackWithoutGame;
  }
}
