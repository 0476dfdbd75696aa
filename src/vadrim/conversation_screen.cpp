#include "vadrim/conversation_screen.h"

#include "engine/frame_model.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/system_menu.h"
#include "engine/text.h"
#include "scenario/animation_dispatch.h"
#include "scenario/auto_reading.h"
#include "scenario/balloon_geometry.h"
#include "scenario/conversation_scene.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/script_store.h"
#include "scenario/simultaneous_groups.h"
#include "scenario/skelvane_conversation.h"
#include "vadrim/conversation_hooks.h"
#include "vadrim/conversation_hover.h"
#include "vadrim/story_flow.h"
#include "vadrim/system_menu.h"
#include "vadrim/vadrim_mode.h"

namespace {

enum : int {
  kEntry = 0,
  kLoading = 5,
  kReading = 10,
};
enum : int {
  kClickWaitStep = -1,
  kReloadStep = 1,   // the stage is pushed; the story flow enters here
  kFromStageStep = 10,
};

constexpr int kNarrationWindowLayer = 19;
constexpr int kTitleFromMenu = -10;  // the title fades in to its menu

ConversationHookSet& Hooks() { return ConversationHooksFor(ModeId::Vadrim); }

void Call(void (*member)()) {
  if (member != nullptr) member();
}


void Entry() {
  switch (SceneCursor.SceneStep) {
    case 0:
      Call(Hooks().StartStage);
      [[fallthrough]];
    case kFromStageStep:
      ScriptStore.SceneLabel = -1;
      GoTo(kLoading, 0);
      Wait(0, 0);
      break;
    default: break;
  }
}

void Loading() {
  switch (SceneCursor.SceneStep) {
    case 0:
      AutoReadControl(10);
      SceneCursor.SceneStep = kReloadStep;
      Wait(0, 0);
      break;
    case kReloadStep:
      // Nothing of the previous stage's balloons survives a stage change.
      ResetStageBalloons();
      ForgetBalloonLayers();
      GoTo(kReading, 0);
      ResetSimultaneousTables();
      Call(Hooks().LoadStage);
      if (ScriptStore.CurrentScriptLine >= ScriptStore.ScriptLineCount) {
        // A stage with no script to read: back to the title rather than a blank
        // screen that no click can leave.
        SceneCursor.SceneCode = kTitleScene;
        GoTo(kTitleFromMenu, 0);
      }
      Wait(0, 0);
      break;
    default: break;
  }
}

void Reading() {
  switch (SceneCursor.SceneStep) {
    case kClickWaitStep:
      LayerToBack(kNarrationWindowLayer);
      LayerToFront(kNarrationWindowLayer);
      SceneCursor.SceneStep = 0;
      break;
    case 0:
      if (ReadState.AutoStopRequest == 1) {
        AutoReadControl(10);
        FrameClock.FrameLoopRunning = 0;
        // This input only ended automatic reading.
        if (LineExecution.AutoContinue == 0) return;
      }
      if (SceneCursor.ButtonMode == 0) {
        ShowLayer(SystemLayerSet.ClickWaitLayer, false);
        ShowPendingBalloonsThenExecute(0);
      }
      break;
    default: break;
  }
}

}  // namespace

void D10_Step() {
  switch (SceneCursor.SceneState) {
    case kEntry: Entry(); break;
    case kLoading: Loading(); break;
    case kReading: Reading(); break;
    default: break;
  }
}

void RegisterVadrimConversation() {
  ModeHookSet& mode = ModeHooksFor(ModeId::Vadrim);
  mode.ExpandMacros = D20_Macro;
  mode.LeaveScene = D20_LeaveHook;
  mode.BalloonStyle = D20_BalloonStyle;
  mode.CaptionBox = D20_KeepFontSize;
  mode.BuildSystemMenu = D10_SystemMenu;
  mode.MenuCommand = D10_MenuCommand;

  ConversationHookSet& conversation = Hooks();
  conversation.Step = D10_Step;
  conversation.Hover = D10_Hover;
  conversation.StartStage = D20_DebugStage;
  conversation.LayoutInit = D20_LayoutInit;
  conversation.LoadStage = D20_LoadStage;
  conversation.StageEnd = D20_StageEnd;

  VadrimScreen(kConversationScene).Step = D10_Step;
  VadrimNamedCalls.D20_LayoutInit = D20_LayoutInit;
}
