#include "skelvane/conversation_hooks.h"

#include <optional>

#include "engine/content_texts.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/picture_catalogue.h"
#include "engine/text.h"
#include "scenario/animation_dispatch.h"
#include "scenario/balloon_geometry.h"
#include "scenario/conversation_scene.h"
#include "scenario/face_slots.h"
#include "scenario/scene_sounds.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"
#include "scenario/simultaneous_groups.h"
#include "scenario/skelvane_conversation.h"
#include "skelvane/title_screen.h"

namespace {

std::optional<std::vector<std::string>> stageScriptOverride;

constexpr int kLastStage = 10;

// Each stage procedure empties the store before it pushes its lines.
void BeginStage() {
  ScriptStore.ScriptLineCount = 0;
  ScriptStore.CurrentScriptLine = 0;
  SceneSound.DefaultFaceSoundOn = 0;
}

void PushStageFile(const char* name) {
  BeginStage();
  for (const char* line : ContentLines("skelvane", name)) PushScriptLine(line);
}

// After the last line of the last stage the story is over: the next click or tick
// that would read past the store opens the title instead of standing idle.
bool StoryFinished() {
  return SceneCursor.StageNumber == kLastStage && SceneCursor.SceneState == 10 && SceneCursor.SceneStep == 0 &&
         ScriptStore.ScriptLineCount > 0 && ScriptStore.CurrentScriptLine >= ScriptStore.ScriptLineCount &&
         !stageScriptOverride;
}

void SpeechStyleByVariant() {
  BalloonGeometryRecord& g = BalloonGeometry;
  TextStyleRecord& t = TextStyle;
  const int variant = LineCode.SubParam;
  struct Row {
    int variant, font, width, height, tailWidth, tailHeight;
  };
  static constexpr Row kRows[] = {
      {10, 9, 200, 40, 20, 10},
      {11, 11, 250, 50, 32, 12},
      {12, 13, 320, 70, 32, 14},
      {13, 24, 320, 105, 32, 18},
  };
  for (const Row& row : kRows) {
    if (row.variant != variant) continue;
    t.TextFontSize = row.font;
    t.TextX = 12;
    t.TextY = 10;
    g.BalloonWidth = row.width;
    g.BalloonHeight = row.height;
    g.BalloonSide = 1;
    g.TailWidth = row.tailWidth;
    g.TailHeight = row.tailHeight;
  }
  g.BalloonGapX = -10;
  if (variant == 20) {
    g.BalloonWidth = 140;
    g.BalloonHeight = 65;
    g.BalloonSide = 0;
    g.BalloonOffsetY = g.FaceHeight / 2 - 32 + 15;
  } else {
    g.BalloonOffsetY = g.FaceHeight / 2 - g.BalloonHeight / 2;
  }
  g.TailOffsetX = -(g.TailWidth / 2);
  g.TailOffsetY = g.BalloonHeight / 2 - g.TailHeight / 2;
}

}  // namespace

void Stage1Script() { PushStageFile("stage001"); }
void Stage2Script() { PushStageFile("stage002"); }
void Stage10Script() { PushStageFile("stage010"); }

void SetStartStage() { SceneCursor.StageNumber = 10; }

void ConversationInit() {
  SimultaneousQueue.ChainLength = 3;
  DimensionSimultaneousTables();
  ConversationScene.PictureTable[1] = 1100;
  ConversationScene.PictureTable[2] = 1102;
  DrawState.CurrentLayer = 0;
  DrawState.CurrentRect.X = 0;
  DrawState.CurrentRect.Y = 0;
  PrepareLayer(kPreparePictureHidden);
  TextWindow.NarrationLayer = 19;
  TextWindow.BalloonFrameThickness = 30;

  SetDefaultThoughtLayout();
}

void NoHook(int /*value*/) {}

void BalloonStyleHook() {
  const int kind = LineCode.MainParam;
  if (kind == 0) return;
  if (kind == 5) {
    SpeechStyleByVariant();
    return;
  }
  BalloonGeometryRecord& g = BalloonGeometry;
  if (LineState.LineFontSize > 0) TextStyle.TextFontSize = LineState.LineFontSize;
  // Only the geometry row of a kind ending in 0 is ever chosen; other kinds keep
  // the previous balloon's size.
  if (kind % 10 == 0) {
    g.BalloonWidth = 440 + 10 * LineCode.SubParam;
    g.BalloonHeight = 140;
    g.BalloonGapX = -10;
    g.BalloonOffsetY = 80;
  }
  g.BalloonSide = (kind - 10) / 10;
  g.TailOffsetY = 61;
  g.TailOffsetX = -(g.TailWidth / 2);
}

void CaptionBoxHook(int phase) {
  const int variant = LineCode.SubParam;
  if (phase == 0) {
    if (variant != 10 && variant != 11) return;
    TextStyle.TextFontSize = variant == 10 ? 22 : 20;
    TextWindow.WindowFrameStyle = 10;
    FaceSlot.BalloonCategory = 10;
  } else if (phase == 1) {
    if (variant != 11) return;
    DrawState.CurrentRect.Y = WindowHeight() - (DrawState.CurrentRect.Height + 25);
  }
}

void StageDispatch() {
  const int stage = SceneCursor.StageNumber;
  if (stageScriptOverride) {
    LoadCataloguePicture(0, 0, 0);
    BeginStage();
    for (const std::string& line : *stageScriptOverride) PushScriptLine(line);
    return;
  }
  switch (stage) {
    case 1: LoadCataloguePicture(0, 0, 0); Stage1Script(); break;
    case 2: LoadCataloguePicture(0, 0, 0); Stage2Script(); break;
    case 10: LoadCataloguePicture(0, 0, 0); Stage10Script(); break;
    default: break;
  }
}

void SetStageScriptOverride(std::vector<std::string> lines) { stageScriptOverride = std::move(lines); }

bool SkelvaneOnEvent(int phase) {
  if (SceneCursor.SceneCode == kConversationScene) {
    switch (phase) {
      case 0:
        if (StoryFinished()) {
          SceneCursor.SceneCode = kTitleScene;
          SceneCursor.SceneState = 0;
          SceneCursor.SceneStep = 0;
          Wait(0, 0);
          return true;
        }
        ScenarioStep();
        return true;
      case 1:
        if (CrossingHooks.VadrimConvHover != nullptr) CrossingHooks.VadrimConvHover();
        return true;
      case 2: return ScenarioFrameDispatch();
      default: return false;
    }
  }
  if (SceneCursor.SceneCode == kTitleScene) {
    switch (phase) {
      case 0: TitleStep(); return true;
      case 1: TitleMenuHover(); return true;
      case 2: return TitleFrameAnimations();
      default: return false;
    }
  }
  return false;
}

void RegisterSkelvaneMode() {
  ModeHookSet& mode = ModeHooksFor(ModeId::Skelvane);
  mode.OnEvent = SkelvaneOnEvent;
  mode.LeaveScene = NoHook;
  mode.BalloonStyle = BalloonStyleHook;
  mode.CaptionBox = CaptionBoxHook;
  ConversationHookSet& conversation = ConversationHooksFor(ModeId::Skelvane);
  conversation.Step = ScenarioStep;
  conversation.Hover = [] {
    if (CrossingHooks.VadrimConvHover != nullptr) CrossingHooks.VadrimConvHover();
  };
  conversation.StartStage = SetStartStage;
  conversation.LayoutInit = ConversationInit;
  conversation.LoadStage = StageDispatch;
}

void ResetSkelvaneState() {
  stageScriptOverride.reset();
  ResetTitleState();
}
