#include "scenario/skelvane_conversation.h"

#include "engine/frame_model.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/menu_sequences.h"
#include "engine/modes.h"
#include "engine/picture_catalogue.h"
#include "engine/system_menu.h"
#include "engine/text.h"
#include "scenario/animation_dispatch.h"
#include "scenario/auto_reading.h"
#include "scenario/balloon_geometry.h"
#include "scenario/conversation_scene.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/scene_members.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"
#include "scenario/simultaneous_groups.h"

namespace {

enum : int {  // SceneState (skelvane_conversation.h)
  kStartScene = 0,
  kLoadStage = kConversationLoadStage,
  kLines = 10,
  kLinesByKind = 11,
  kEraseBeforeRestart = kConversationRestart,
  kConfirmRestart = 20,
};

// The choice buttons of a two-button choice.
constexpr int kChoiceLayer0 = 15;
constexpr int kChoiceLayer1 = 16;
// The row of the system menu that asked for the restart.
constexpr int kRestartMenuRow = 3;

ConversationHookSet& Hooks() { return ConversationHooksFor(ModeId::Skelvane); }

void Call(void (*member)()) {
  if (member != nullptr) member();
}


// Leaving automatic reading when input asked for it; true when the line then waits
// for a click.
bool StopAutoReadingFirst() {
  if (ReadState.AutoStopRequest != 1) return false;
  AutoReadControl(10);
  FrameClock.FrameLoopRunning = 0;
  return true;
}

void ChooseButton() {
  const int layer = InputEvent.InputSourceIndex;
  if (InputEvent.InputSourceKind != 50 || (layer != kChoiceLayer0 && layer != kChoiceLayer1)) return;
  ReadState.ChoiceResult = layer - kChoiceLayer0;
  SceneCursor.ButtonMode = 0;
  ShowLayer(kChoiceLayer0 + (1 - ReadState.ChoiceResult), false);
  Wait(13, 0);
}

void RunLine() {
  if (StopAutoReadingFirst() && LineExecution.AutoContinue == 0) return;
  if (SceneCursor.ButtonMode == 0) {
    ShowLayer(NoticeBoxLayer(), false);
    ShowPendingBalloonsThenExecute(0);
  } else if (SceneCursor.ButtonMode == 20) {
    ChooseButton();
  }
}

// Layer 19 (the narration window) goes behind everything and back in front.
void ClickWaitPosition() {
  LayerToBack(19);
  LayerToFront(19);
  SceneCursor.SceneStep = 0;
}

int StoredCode(int word) {
  const int n = ScriptStore.CurrentScriptLine;
  if (n < 0 || n >= kScriptLineCapacity) return 0;
  return ScriptStore.ScriptCode[static_cast<size_t>(word)][static_cast<size_t>(n)];
}

std::string StoredText() {
  const int n = ScriptStore.CurrentScriptLine;
  return n >= 0 && n < kScriptLineCapacity ? ScriptStore.ScriptText[static_cast<size_t>(n)] : std::string();
}

// Lines whose first two code words carry a kind and a continue flag.
void PlayLineKind() {
  switch (SceneCursor.SceneStep) {
    case 0: {
      if (StopAutoReadingFirst()) return;
      LineExecution.AutoContinue = StoredCode(1) == 1 ? -1 : 0;
      const int kind = StoredCode(0);
      ConversationScene.EffectTextCode = kind;
      if (kind >= 0 && kind <= 19) {
        ConversationScene.EffectText = StoredText();
        Wait(kind <= 9 ? kAnimTextBlock : kAnimCentredTextBlock, 0);
      } else if (kind == -1) {
        Wait(kAnimFadeTextOut, 0);
      } else if (kind == 50) {
        Wait(kAnimFadeInPicture, 0);
      } else if (kind == 51) {
        Wait(kAnimFadeToKept, 0);
      } else if (kind == 52) {
        SceneCursor.StageNumber = 101;
        GoToNextTick(kLoadStage, 0);
        return;
      } else if (kind == 90) {
        Wait(-1, 200);
      }
      SceneCursor.SceneStep = 1;
      break;
    }
    case 1:
      ScriptStore.CurrentScriptLine += 1;
      if (LineExecution.AutoContinue == -1) Wait(0, 0);
      SceneCursor.SceneStep = 0;
      break;
    case -1: ClickWaitPosition(); break;
    default: break;
  }
}

// Starts the normal erase of the balloon kept in text slot i (speech and thought by
// 1011, narration by 1019). The erase clears the slot's state and the line's
// continuation (1 ms, the line held) runs this step again for the next balloon.
void EraseKeptBalloon(int i) {
  const size_t t = static_cast<size_t>(i);
  const int kind = TextSlot.TextSlotKind[t];
  LineCode.ExecClass = 9;
  LineCode.MainParam = kind;
  LineCode.SubParam = TextSlot.TextSlotVariant[t];
  LineCode.ContinueMode = 2;
  FaceSlotRecord& f = FaceSlot;
  if (kind >= 5 && kind <= 49) {
    const int slot = i / 2;
    LineState.CurrentSlot = slot;
    BalloonLayout(0);
    f.SlotOpenKind[static_cast<size_t>(slot)] = kind;
    f.SlotBalloonCategory[static_cast<size_t>(slot)] = f.BalloonCategory;
    Wait(kAnimBalloonErase, 0);
  } else if (kind >= 50 && kind <= 69) {
    BalloonLayout(1);
    f.TextSlotIndex = i;
    Wait(kAnimNarrationErase, 0);
  }
  // A kind with no window of its own, or an erase that did not clear the slot, must
  // not hold the restart.
  TextSlot.TextSlotState[t] = 0;
  if (FrameClock.TimerArmed != -1 && FrameClock.RearmPending != -1) Wait(0, 0);
}

void EraseOpenBalloons() {
  LineExecution.AutoContinue = -1;
  LineExecution.LineHeld = -1;
  for (int i = 0; i <= 2; ++i) {
    if (TextSlot.TextSlotState[static_cast<size_t>(i)] >= 1) {
      EraseKeptBalloon(i);
      return;
    }
  }
  LineExecution.LineHeld = 0;
  ScriptStore.CurrentScriptLine += 1;
  if (ConversationScene.RestartRequest == 9) {
    GoToNextTick(kConfirmRestart, 0);
  } else if (ConversationScene.RestartRequest == 0) {
    GoToNextTick(kLines, 0);
  }
}

void ConfirmRestart() {
  if (SceneCursor.SceneStep == 0) {
    SystemMenuState.SequenceVariant = 10;
    SceneCursor.SceneStep = 1;
    Wait(kCloseWipe, 0);
  } else if (SceneCursor.SceneStep == 1) {
    // Any other row cancels the restart: the scene goes back to its current line
    // instead of standing idle.
    GoToNextTick(SystemMenuState.MenuHoverItem == kRestartMenuRow ? kLoadStage : kLines, 0);
  }
}

void StartScene() {
  const int step = SceneCursor.SceneStep;
  if (step == 0) {
    Call(Hooks().StartStage);
    Call(Hooks().LayoutInit);
  } else if (step == 10) {
    InitDefaultScene();
  } else {
    return;
  }
  ScriptStore.SceneLabel = -1;
  GoToNextTick(kLoadStage, 0);
}

void LoadStage() {
  if (SceneCursor.SceneStep == 0) {
    SceneCursor.SceneStep = 1;
    Wait(0, 0);
  } else if (SceneCursor.SceneStep == 1) {
    ResetStageBalloons();
    GoTo(kLines, 0);
    ResetSimultaneousTables();
    Call(Hooks().LoadStage);
    Wait(0, 0);
  }
}

}  // namespace

void ScenarioStep() {
  switch (SceneCursor.SceneState) {
    case kStartScene: StartScene(); break;
    case kLoadStage: LoadStage(); break;
    case kLines:
      if (SceneCursor.SceneStep == 0) RunLine();
      else if (SceneCursor.SceneStep == -1) ClickWaitPosition();
      break;
    case kLinesByKind: PlayLineKind(); break;
    case kEraseBeforeRestart: EraseOpenBalloons(); break;
    case kConfirmRestart: ConfirmRestart(); break;
    default: break;
  }
}

void InitDefaultScene() {
  SimultaneousQueue.ChainLength = 3;
  DimensionSimultaneousTables();

  ConversationSceneRecord& scene = ConversationScene;
  scene.DefaultWindowLayer = 20;
  scene.DefaultTailLayer = 30;
  scene.EffectLayerBase = 40;
  scene.FaceLayerBase = 10;
  DrawState.CurrentLayer = 0;
  DrawState.CurrentRect.X = 0;
  DrawState.CurrentRect.Y = 0;
  PrepareLayer(kPreparePictureHidden);

  for (int i = 0; i <= 5; ++i) scene.PictureTable[static_cast<size_t>(i)] = 30 + i;
  scene.PictureTable[10] = 1100;
  TextWindow.BalloonFrameThickness = 30;
  TextWindow.NarrationLayer = 19;

  if (SceneCursor.StageNumber == 101) {
    constexpr int kFaceLayer = 10;
    DrawState.CurrentLayer = kFaceLayer;
    LoadFacePicture(10);
    GetLayerRect(kRectIntoCurrent, kFaceLayer);
    MoveLayer(kFaceLayer, 640, 0, DrawState.CurrentRect.Width, DrawState.CurrentRect.Height);
    FaceSlotRecord& f = FaceSlot;
    f.FaceLayer[1] = kFaceLayer;
    f.FacePartLayer[1] = 30;
    f.BalloonLayer[1] = 11;
    f.ThoughtLayer[1] = 13;
    f.MiniLayer[1][1] = 17;
    f.MiniLayer[1][2] = 18;
  }
  SetDefaultThoughtLayout();
}

void SetDefaultThoughtLayout() {
  ThoughtLayoutRecord& t = ThoughtLayout;
  t.ThoughtOffsetX[1][0] = -17;
  t.ThoughtOffsetY[1][0] = 118;
  t.ThoughtOffsetX[1][1] = -125;
  t.ThoughtOffsetY[1][1] = 150;
  t.ThoughtOffsetX[1][2] = -32;
  t.ThoughtOffsetY[1][2] = 137;
  t.ThoughtOffsetX[2][3] = -20;
  t.ThoughtOffsetY[2][3] = 110;
  for (int v = 0; v < kThoughtVariantCount; ++v) {
    t.ThoughtWidth[v] = v <= 2 ? 320 : 360;
    t.ThoughtHeight[v] = 105;
    t.ThoughtBubbleStep[v] = v <= 2 ? v : 0;
  }
  t.BubbleSize = {7, 11, 17};
  t.BubbleOffsetX = {{{-37, -27, -14}, {19, 12, 8}, {-20, -17, -10}}};
  t.BubbleOffsetY = {{{4, 10, 15}, {-38, -26, -11}, {-22, -13, -6}}};
}

void ResetStageBalloons() {
  for (int i = 0; i < kTextSlotCount; ++i) {
    TextSlot.TextSlotText[i].assign(1, '0');
    TextSlot.TextSlotState[i] = 0;
    TextSlot.TextSlotFontSize[i] = TextStyle.TextFontSize;
    TextSlot.TextSlotX[i] = TextStyle.TextX;
    TextSlot.TextSlotY[i] = TextStyle.TextY;
    TextSlot.TextSlotLineHeight[i] = TextStyle.LineHeight;
  }
  FaceSlotRecord& f = FaceSlot;
  for (int s = 0; s < kFaceSlotCount; ++s) {
    f.SpeechState[s] = 0;
    f.ThoughtState[s] = 0;
    f.MiniState[s][1] = 0;
    f.MiniState[s][2] = 0;
  }
  SimultaneousQueue.ChainLength = 9;
  DimensionSimultaneousTables();
  SceneCursor.ButtonMode = 0;
  DrawState.AutoRaiseOn = -1;
}

