#include "scenario/opening_effects.h"

#include <algorithm>

#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/interpolation.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/numeric.h"
#include "engine/picture_catalogue.h"
#include "platform/pixels.h"
#include "scenario/auto_reading.h"
#include "scenario/balloon_geometry.h"
#include "scenario/line_execution.h"
#include "scenario/motion_curves.h"
#include "scenario/script_actions.h"

namespace {

constexpr int kAreaWidth = 640;
constexpr int kAreaRows = 480;
constexpr int kChoiceLayer = 15;  // 16 is the other button
constexpr int kBlinkLayer = 17;

void PlaceKeepingSize(int layer, int x, int y) {
  const tq::Surface& image = LayerImage(layer);
  MoveLayer(layer, x, y, image.Width(), image.Height());
}

void WipeIn() {
  AnimationRunRecord& a = AnimationRun;
  const int t = a.AnimationFrame;
  const int source = BlitSpec.BlitLayer;
  BitBltCopy(source, GameForm, {0, t, kAreaWidth, 1, 0, t});
  BitBltCopy(source, GameForm, {0, kAreaRows - 1 - t, kAreaWidth, 1, 0, kAreaRows - 1 - t});
  a.AnimationFrame = t + 2;
  if (a.AnimationFrame < kAreaRows) return;
  LoadCataloguePicture(0, ScriptAction.EffectPicture, 0);
  FinishIfScenario();
  // Off the conversation nothing else would end the loop.
  if (SceneCursor.SceneCode != kConversationScene) FrameClock.FrameLoopRunning = 0;
}

void WipeToBlack() {
  AnimationRunRecord& a = AnimationRun;
  const int t = a.AnimationFrame;
  tq::Surface& window = LayerImage(GameForm);
  const uint32_t black = tq::PixelFromColor(RgbColor(0, 0, 0));
  tq::FillBox(window, 0, t, kAreaWidth - 1, t, black);
  tq::FillBox(window, 0, kAreaRows - 1 - t, kAreaWidth - 1, kAreaRows - 1 - t, black);
  a.AnimationFrame = t + 2;
  if (a.AnimationFrame < kAreaRows) return;
  SetLayerPicture(GameForm, tq::Surface());
  Wait(0, 0);
}

void ButtonsSlideIn() {
  AnimationRunRecord& a = AnimationRun;
  const int t = a.AnimationFrame;
  if (t == 0) {
    GetLayerRect(kRectIntoCurrent, kChoiceLayer);
    const int w = DrawState.CurrentRect.Width;
    const int h = DrawState.CurrentRect.Height;
    const int x = 320 - w / 2;
    MotionSlotRecord& top = MotionSlot[0];
    MotionSlotRecord& bottom = MotionSlot[1];
    top.MotionStartX = x;
    top.MotionStartY = -h;
    top.MotionEndX = x;
    top.MotionEndY = 270;
    bottom.MotionStartX = x;
    bottom.MotionStartY = 480;
    bottom.MotionEndX = x;
    bottom.MotionEndY = 270 + h + 15;
    a.AnimationLength = 10;
  }
  for (int i = 0; i <= 1; ++i) {
    const MotionSlotRecord& s = MotionSlot[static_cast<size_t>(i)];
    PlaceKeepingSize(kChoiceLayer + i, InterpolateRounded(s.MotionStartX, s.MotionEndX, t, 10, NoFrames::kOneFrame),
                     InterpolateRounded(s.MotionStartY, s.MotionEndY, t, 10, NoFrames::kOneFrame));
  }
  a.AnimationFrame = t + 1;
  if (a.AnimationFrame > 10) Wait(0, 0);
}

void Blink() {
  AnimationRunRecord& a = AnimationRun;
  SetFrameLength(15, 0);
  ShowLayer(kBlinkLayer, a.AnimationFrame % 2 == 0);
  if (++a.AnimationFrame == 16) Wait(14, 0);
}

void ButtonShrinks() {
  AnimationRunRecord& a = AnimationRun;
  const int k = kChoiceLayer + (ReadState.ChoiceResult == 1 ? 1 : 0);
  GetLayerRect(kRectIntoCurrent, k);
  Rect r = DrawState.CurrentRect;
  DrawState.StepDoneCount = 0;
  MotionSlotRecord& home = MotionSlot[0];
  if (a.AnimationFrame == 0) {
    SetLayerPicture(k, tq::Surface());
    home.MotionStartX = r.X + r.Width / 2;
    home.MotionStartY = r.Y + r.Height / 2;
    home.MotionStartWidth = r.Width;
    home.MotionStartHeight = r.Height;
    a.AnimationFrame = 1;
  }
  // At least a pixel a frame, or a button side under 8 pixels would never vanish.
  r.Width -= std::max(1, home.MotionStartWidth / 8);
  if (r.Width < 1) {
    r.Width = 0;
    ++DrawState.StepDoneCount;
  }
  r.Height -= std::max(1, home.MotionStartHeight / 8);
  if (r.Height < 1) {
    r.Height = 0;
    ++DrawState.StepDoneCount;
  }
  r.X = home.MotionStartX - r.Width / 2;
  r.Y = home.MotionStartY - r.Height / 2;
  ShowLayer(k, false);
  MoveLayer(k, r.X, r.Y, r.Width, r.Height);
  LayerToFront(k);
  DrawState.CurrentLayer = k;
  DrawState.CurrentRect = r;
  DrawBevelFrame(10, 20, 10);
  ShowLayer(k, true);
  if (DrawState.StepDoneCount == 2) {
    ShowLayer(k, false);
    Wait(0, 0);
  }
}

// The erase of the balloon window the layout placed last, with its tail.
void TakeWindowAway() {
  ShowLayer(TextWindow.WindowLayer, false);
  if (TextWindow.TailShown != 0) ShowLayer(TextWindow.TailLayer, false);
  Wait(0, 0);
}

}  // namespace

bool PaintEffectTick() {
  switch (FrameClock.AnimationCode) {
    case 10: WipeIn(); break;
    case 11: WipeToBlack(); break;
    case 12: ButtonsSlideIn(); break;
    case 13: Blink(); break;
    case 14: ButtonShrinks(); break;
    case 90:
    case 95: TakeWindowAway(); break;
    default:
      // No frames of its own: the screen's step runs again rather than wait for ever.
      Wait(0, 0);
      break;
  }
  return true;
}

void FinishIfScenario() {
  if (SceneCursor.SceneCode == kConversationScene) FinishScriptAction();
}
