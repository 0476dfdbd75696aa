#include "marbrook/extras_area.h"

#include <algorithm>

#include "engine/frame_model.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "marbrook/marbrook_mode.h"
#include "marbrook/marbrook_pictures.h"
#include "marbrook/marbrook_sounds.h"
#include "games/screen_buttons.h"
#include "games/timed_effects.h"
#include "platform/platform.h"
#include "platform/text_encoding.h"
#include "scenario/motion_curves.h"
#include "games/motion_slot_store.h"

ExtrasAreaRecord ExtrasArea;

namespace {

enum : int {
  kReplayMenuMode = 10,
  kReplayViewerMode = 20,
  kBonusMode = 100,
  kGalleryMode = 200,
};

void HoverFrame(int border) {
  int flag = 0;
  int erase = 0;
  C10_HoverBox(flag, ScreenButtons.HoverCursorBox, border, erase);
}

void HideHoverFrame() {
  if (ScreenButtons.HoveredButton < 0) return;
  ShowLayer(ScreenButtons.HoverCursorBox, false);
  ScreenButtons.HoveredButton = -1;
}

// The text buttons of the bonus pictures, all drawn normal.
void BonusButtonsNormal() {
  for (int k = 0; k <= 2; ++k) C45_TextButton(k, ExtrasArea.TextButtonLabels[static_cast<size_t>(k)], 0);
}

void BonusHover(int d) {
  if (InputEvent.InputSourceKind != 50 || d < 0 || d > 2) {
    if (ScreenButtons.HoveredButton >= 0) {
      BonusButtonsNormal();
      ScreenButtons.HoveredButton = -1;
    }
    return;
  }
  if (d == ScreenButtons.HoveredButton) return;
  if (ScreenButtons.HoveredButton != -1) BonusButtonsNormal();
  C45_TextButton(d, ExtrasArea.TextButtonLabels[static_cast<size_t>(d)], 1);
  ScreenButtons.HoveredButton = d;
}

// A key as a click on button d.
void PressByKey(int d) {
  ScreenButtons.HoveredButton = d;
  InputEvent.InputSourceIndex = ScreenButtons.HoverFirstBox + d;
  C45_Step();
}

void ReplayMenuKey(int key) {
  int d = -1;
  if (key == tq::kKeyLeft) d = 0;
  else if (key == tq::kKeyRight) d = 1;
  else if (key == tq::kKeyBack) d = 2;
  if (d < 0) return;
  InputEvent.InputSourceIndex = ScreenButtons.HoverFirstBox + d;
  HoverFrame(d == 2 ? 5 : 8);
  PressByKey(d);
}

void ReplayViewerKey(int key) {
  int scene = 0;
  // Scenes 1 to 7 on the numeric pad, 8 to 14 on the letters A to G.
  if (key >= tq::kKeyPad0 + 1 && key <= tq::kKeyPad0 + 7) scene = key - tq::kKeyPad0;
  else if (key >= tq::kKeyA && key <= tq::kKeyA + ('G' - 'A')) scene = key - tq::kKeyA + 8;
  if (scene != 0) {
    // A jump, not a click: no sound, and the hover frame stays as it is.
    ExtrasArea.ExtrasPage = ExtrasArea.ReplaySceneStart[static_cast<size_t>(scene)];
    C45_ReplayShowPage();
    SceneCursor.SceneStep = 9;
    Wait(0, 0);
    return;
  }
  if (key == tq::kKeyRight) PressByKey(0);
  else if (key == tq::kKeyLeft) PressByKey(1);
  else if (key == tq::kKeyBack) PressByKey(2);
}

void ViewerKey(int key, bool gallery) {
  if (key == tq::kKeyRight) PressByKey(0);
  else if (key == tq::kKeyLeft) PressByKey(1);
  else if (gallery && key == tq::kKeyDown) PressByKey(2);
  else if (gallery && key == tq::kKeyUp) PressByKey(3);
  else if (key == tq::kKeyBack) PressByKey(gallery ? 4 : 2);
}

}  // namespace

void ExtrasReady(int buttonMode) {
  LayerToFront(19);
  ScreenButtons.HoveredButton = -1;
  SceneCursor.SceneStep = 10;
  SceneCursor.ButtonMode = buttonMode;
}

bool ExtrasButtonPressed(int count) {
  const int d = InputEvent.InputSourceIndex - ScreenButtons.HoverFirstBox;
  if (d < 0 || d >= count) return false;
  ScreenButtons.HoveredButton = d;
  return true;
}

void LoadExtrasLayer(int layer, int kind, int number) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {0, 0, 0, 0};
  PrepareLayer(kPreparePictureShown);
  C00_LoadPicture(1, kind, number);
  GetLayerRect(kRectIntoCurrent, layer);
}

// Puts the layer at (x0, y0) and leaves CurrentLayer, CurrentRect and TargetRect as
// the moves read them.
void SetUpMove(int layer, int x0, int y0, int x1, int y1) {
  GetLayerRect(kRectIntoCurrent, layer);
  MoveLayer(layer, x0, y0, DrawState.CurrentRect.Width, DrawState.CurrentRect.Height);
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect.X = x0;
  DrawState.CurrentRect.Y = y0;
  DrawState.TargetRect.X = x1;
  DrawState.TargetRect.Y = y1;
}

void StoreExtrasMove(int slot, int layer, int x0, int y0, int x1, int y1) {
  SetUpMove(layer, x0, y0, x1, y1);
  D50_StoreSprite(slot);
}

void MoveExtrasLayer(int layer, int x0, int y0, int x1, int y1, int frames) {
  SetUpMove(layer, x0, y0, x1, y1);
  EffectParams.EffectFrames = frames;
  EffectParams.EffectMotionKind = kMotionEaseOut;
  RunEffect(kEffectMove, EffectEnd::kReturn);
}

void ClipExtrasButton(int layer, int cellX, int width, int height) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {0, 0, 0, 0};
  PrepareLayer(kPreparePictureShown);
  ClipCellToLayer(0, cellX, 0, width, height);
}

void DrawTextBoxFrame(int layer) {
  tq::Surface& image = LayerImage(layer);
  const uint32_t white = tq::PixelFromColor(RgbColor(255, 255, 255));
  for (int i = 0; i <= 2; ++i) tq::DrawBox(image, i, i, image.Width() - (i + 1), image.Height() - (i + 1), white);
}

std::string FullWidthNumber(int n) {
  std::string digits = std::to_string(n);
  std::string out;
  for (char c : digits) {
    if (c == '-') out += "－";
    else tq::AppendUtf8(out, U'０' + static_cast<char32_t>(c - '0'));
  }
  return out;
}

std::vector<std::string> SplitRows(const std::string& line, int chars) {
  std::vector<std::string> rows;
  const int c = chars > 0 ? chars : 1;
  const int length = tq::CodePointCount(line);
  for (int from = 0; from < length; from += c) {
    const size_t begin = tq::CodePointOffset(line, from);
    const size_t end = tq::CodePointOffset(line, std::min(length, from + c));
    rows.push_back(line.substr(begin, end - begin));
  }
  return rows;
}

void C45_Step() {
  const int state = SceneCursor.SceneState;
  if (state == 0 || state == 5 || state == 10) ReplayStep();
  else if (state >= 100 && state <= 199) C45_BonusCgStep();
  else if (state == 200) C45_GalleryStep();
}

void C45_Hover() {
  const int d = InputEvent.InputSourceIndex - ScreenButtons.HoverFirstBox;
  const int mode = SceneCursor.ButtonMode;
  if (mode == kBonusMode) {
    BonusHover(d);
    return;
  }
  int last = 0;
  switch (mode) {
    case kReplayMenuMode:
    case kReplayViewerMode: last = 2; break;
    case kGalleryMode: last = 4; break;
    default: return;
  }
  if (d < 0 || d > last) {
    HideHoverFrame();
    return;
  }
  if (d == ScreenButtons.HoveredButton) return;
  switch (mode) {
    case kReplayMenuMode:
      HoverFrame(d == 2 ? 5 : 8);
      ScreenButtons.HoveredButton = d;
      TitleSound(26);
      break;
    case kReplayViewerMode:
      HoverFrame(5);
      ScreenButtons.HoveredButton = d;
      TitleSound(26, 0, d == 2 ? 0.0f : -0.1f);
      break;
    default:
      HoverFrame(5);
      ScreenButtons.HoveredButton = d;
      break;
  }
}

void C45_OnKey() {
  const int key = InputEvent.KeyCode;
  const int state = SceneCursor.SceneState;
  const int step = SceneCursor.SceneStep;
  if (state == 5 && step == 0) ReplayMenuKey(key);
  else if (state == 10 && step == 10) ReplayViewerKey(key);
  else if (state == 100 && step == 10) ViewerKey(key, false);
  else if (state == 200 && step == 10) ViewerKey(key, true);
}

bool C45_FrameGate() {
  if (FrameClock.AnimationCode < 1000) {
    C40_EffectStep();
    return true;
  }
  // The screen has no frames of its own: such a loop ends after its first frame.
  return false;
}

void RegisterExtrasArea() {
  ScreenHookSet& screen = MarbrookScreen(45);
  screen.Step = C45_Step;
  screen.Hover = C45_Hover;
  screen.Frame = C45_FrameGate;
  screen.OnKey = C45_OnKey;
}

void C40_LeaveToMenu(int kind) {
  if (kind == 1) {
    SceneCursor.SceneCode = kTitleScene;
    GoTo(-40, 0);
    Wait(-1, 500);
  } else if (kind == 5) {
    SceneCursor.SceneCode = kTitleScene;
    GoToNextTick(35, -1);
  }
}

void ResetExtrasAreaState() { ExtrasArea = ExtrasAreaRecord{}; }
