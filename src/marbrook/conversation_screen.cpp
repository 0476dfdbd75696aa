#include "marbrook/conversation_screen.h"

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/system_menu.h"
#include "engine/text.h"
#include "marbrook/balloon_styles.h"
#include "marbrook/conversation_effects.h"
#include "marbrook/marbrook_mode.h"
#include "marbrook/marbrook_sounds.h"
#include "marbrook/save_file.h"
#include "games/screen_buttons.h"
#include "marbrook/script_macros.h"
#include "marbrook/stage_dispatch.h"
#include "marbrook/story_flow.h"
#include "games/timed_effects.h"
#include "scenario/auto_reading.h"
#include "scenario/motion_curves.h"
#include "scenario/balloon_geometry.h"
#include "scenario/conversation_scene.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/script_actions.h"
#include "scenario/script_store.h"
#include "scenario/simultaneous_groups.h"
#include "scenario/skelvane_conversation.h"
#include "games/motion_slot_store.h"

namespace {

enum : int {  // SceneState
  kEntry = 0,
  kStageLoad = 5,
  kLines = 10,
  kTwoRowChoice = 30,
  kOneRowChoice = 31,
};
constexpr int kChoiceButtonMode = 30;
constexpr int kLastVisibleLayer = 89;
// Sounds of C40_PlaySound: a row chosen, a row under the pointer.
constexpr int kChosenSound = 13;
constexpr int kHoverSound = 16;

void Entry() {
  const int step = SceneCursor.SceneStep;
  if (step != 0 && step != 10) return;
  if (step == 0) C15_DebugStage();
  C15_LayoutInit();
  ScriptStore.SceneLabel = -1;
  GoToNextTick(kStageLoad, 0);
}

// A stage load resets what every conversation resets, and the narrator's box too.
void ResetStageState() {
  ResetStageBalloons();
  FaceSlot.NarrationState = 0;
}

void StageLoad() {
  switch (SceneCursor.SceneStep) {
    case 0:
      AutoReadControl(10);
      SceneCursor.SceneStep = 1;
      Wait(0, 0);
      break;
    case 1:
      ResetStageState();
      GoTo(kLines, 0);
      ResetSimultaneousTables();
      C15_LoadStage();
      Wait(0, 0);
      break;
    default: break;
  }
}

void Lines() {
  switch (SceneCursor.SceneStep) {
    case -1:
      LayerToFront(19);
      SceneCursor.SceneStep = 0;
      break;
    case 0:
      if (ReadState.AutoStopRequest == 1) {
        AutoReadControl(10);
        FrameClock.FrameLoopRunning = 0;
        if (LineExecution.AutoContinue == 0) {
          ShowNoticeBox();
          return;
        }
      }
      if (SceneCursor.ButtonMode != 0) return;
      ShowLayer(NoticeBoxLayer(), false);
      ShowPendingBalloonsThenExecute(0);
      break;
    default: break;
  }
}

// Moves a layer by the window's height, as effect 800 and the slots of 825 do.
void StoreSlideDown(int layer) {
  GetLayerRect(kRectIntoCurrent, layer);
  DrawState.CurrentLayer = layer;
  DrawState.TargetRect = DrawState.CurrentRect;
  DrawState.TargetRect.Y += WindowHeight();
}

void Choose() {
  const int rowLayer = SystemLayerSet.MenuRowLayer;
  const int clicked = InputEvent.InputSourceIndex;
  if (InputEvent.InputSourceKind != 50 || (clicked != rowLayer && clicked != rowLayer + 1)) return;
  ScreenButtonsRecord& b = ScreenButtons;
  // A click before any pointer move has no hovered row: the clicked row is the one,
  // framed as a move onto it would have framed it.
  if (b.HoveredButton != 0 && b.HoveredButton != 1) {
    int box = SystemLayerSet.MenuHoverLayer, border = 8, erase = 0;
    C10_HoverBox(0, box, border, erase);
    b.HoveredButton = clicked - rowLayer;
  }
  const int chosen = b.HoveredButton;
  GameSound(kChosenSound);
  EffectParamsRecord& e = EffectParams;
  if (SceneCursor.SceneState == kTwoRowChoice) {
    int slot = 0;
    for (int row = 0; row <= 1; ++row) {
      if (row == chosen) continue;
      StoreSlideDown(rowLayer + row);
      D50_StoreSprite(slot++);
    }
    e.BlinkBox = SystemLayerSet.MenuHoverLayer;
    e.BlinkFrames = 30;
    e.EffectFrames = 20;
    e.EffectLastSlot = slot - 1;
    e.EffectMotionKind = kMotionEaseOut;
    RunEffect(kEffectMoveBlink, EffectEnd::kReturn);
  } else {
    DrawState.CurrentLayer = SystemLayerSet.MenuHoverLayer;
    e.EffectFrames = 8;
    e.EffectFrameDelay = 50;
    RunEffect(kEffectBlink, EffectEnd::kReturn);
  }
  RunPause(100);
  StoreSlideDown(rowLayer + chosen);
  e.EffectFrames = 10;
  e.EffectMotionKind = kMotionLinear;
  RunEffect(kEffectMove, EffectEnd::kReturn);
  SceneCursor.StageNumber = ScriptAction.BranchParams[static_cast<size_t>(chosen)];
  C15_LoadStage();
  GoTo(kLines, 0);
  SceneCursor.ButtonMode = 0;
  Wait(0, 0);
}

void Choice() {
  switch (SceneCursor.SceneStep) {
    case -1:
      LayerToFront(0);
      ScreenButtons.HoveredButton = -1;
      SceneCursor.SceneStep = 0;
      SceneCursor.ButtonMode = kChoiceButtonMode;
      break;
    case 0: Choose(); break;
    default: break;
  }
}

// The curtain closes over an emptied window and waits; `open` opens it again.
void CurtainOverEmptyWindow(bool open) {
  RunEffect(kEffectCurtainClose, EffectEnd::kReturn);
  for (int layer = 0; layer <= kLastVisibleLayer; ++layer) ShowLayer(layer, false);
  SetLayerPicture(GameForm, tq::Surface{});
  RunPause(MarbrookProgress.CurtainDelay);
  if (open) RunEffect(kEffectCurtainOpen, EffectEnd::kReturn);
}

// The stages after which a mini-game starts.
constexpr int kStagesBeforeGames[] = {3, 11, 23, 30, 40, 49, 55, 65, 75, 85};

struct GameRange {
  int first, last, scene, state;
};
constexpr GameRange kGameRanges[] = {
    {1, 3, 51, -1},  {5, 11, 52, 0},   {15, 23, 51, -2}, {25, 30, 52, 1},  {35, 40, 51, -3}, {45, 49, 53, 0},
    {50, 55, 59, 0}, {60, 65, 54, 1},  {70, 75, 55, 0},  {80, 85, 56, 0},  {90, 131, 60, 0}, {200, 202, 60, 0},
};
constexpr int kDuelScene = 60;

void LeaveStageEnd(int) { C15_StageEnd(); }

}  // namespace

bool NextGameEntry(int stage, int& scene, int& state) {
  for (const GameRange& g : kGameRanges) {
    if (stage < g.first || stage > g.last) continue;
    scene = g.scene;
    state = g.state;
    return true;
  }
  return false;
}

void C10_Step() {
  switch (SceneCursor.SceneState) {
    case kEntry: Entry(); break;
    case kStageLoad: StageLoad(); break;
    case kLines: Lines(); break;
    case kTwoRowChoice:
    case kOneRowChoice: Choice(); break;
    default: break;
  }
}

void C10_Hover() {
  if (SceneCursor.ButtonMode == 0) return;
  const int rowLayer = SystemLayerSet.MenuRowLayer;
  const int layer = InputEvent.InputSourceIndex;
  ScreenButtonsRecord& b = ScreenButtons;
  if (InputEvent.InputSourceKind == 50 && (layer == rowLayer || layer == rowLayer + 1)) {
    const int row = layer - rowLayer;
    if (row == b.HoveredButton) return;
    int box = SystemLayerSet.MenuHoverLayer, border = 8, erase = 0;
    C10_HoverBox(0, box, border, erase);
    b.HoveredButton = row;
    GameSound(kHoverSound);
  } else if (b.HoveredButton >= 0) {
    ShowLayer(SystemLayerSet.MenuHoverLayer, false);
    b.HoveredButton = -1;
  }
}

void C10_NextStage() {
  const int stage = SceneCursor.StageNumber;
  if (stage >= 100 && stage <= 199) return;
  C45_StopVoice();
  for (int before : kStagesBeforeGames) {
    if (before == stage) CurtainOverEmptyWindow(true);
  }
  C15_StageEnd();
}

void C10_NextGame() {
  int scene = 0;
  int state = 0;
  // A stage with no following game keeps its screen rather than emptying it.
  if (!NextGameEntry(SceneCursor.StageNumber, scene, state)) return;
  C45_StopVoice();
  const bool duel = scene == kDuelScene;
  // The duel opens the curtain itself.
  CurtainOverEmptyWindow(!duel);
  SceneCursor.SceneCode = scene;
  GoToNextTick(state, duel ? 3 : 0);
}

void RegisterMarbrookConversation() {
  ScreenHookSet& screen = MarbrookScreen(kConversationScene);
  screen.Step = C10_Step;
  screen.Hover = C10_Hover;
  MarbrookNamedCalls.C10_NextStage = C10_NextStage;
  MarbrookNamedCalls.C10_NextGame = C10_NextGame;
  ModeHookSet& mode = ModeHooksFor(ModeId::Marbrook);
  mode.ExpandMacros = C15_Macro;
  mode.LeaveScene = LeaveStageEnd;
  mode.BalloonStyle = C15_BalloonStyle;
  ConversationHookSet& conversation = ConversationHooksFor(ModeId::Marbrook);
  conversation.Step = C10_Step;
  conversation.Hover = C10_Hover;
  conversation.StartStage = C15_DebugStage;
  conversation.LayoutInit = C15_LayoutInit;
  conversation.LoadStage = C15_LoadStage;
  conversation.StageEnd = C15_StageEnd;
  CrossingHooks.MarbrookConvFrame = C15_Frame;
  RegisterGameStandIns();
}
