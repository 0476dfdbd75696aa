#include "marbrook/conversation_effects.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/string_utils.h"
#include "engine/system_menu.h"
#include "engine/text.h"
#include "marbrook/marbrook_pictures.h"
#include "marbrook/marbrook_sounds.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/motion_curves.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"

namespace {

enum : int {
  kLineIn = 1700,
  kLineOut = 1701,
  kBlockIn = 1702,
  kBlockOut = 1703,
  kPanels = 1710,
  kClear = 1715,
  kCurtain = 1720,
  kTwoButtons = 1730,
  kOneButton = 1731,
  kWhiteFlash = 1735,
  kBlinkOut = 1736,
  kFaceRise = 1750,
  kFaceBlink = 1751,
};

constexpr int kMaxTextFields = 9;
constexpr int kSegmentPauseMs = 500;
constexpr int kButtonWidth = 240;
constexpr int kButtonHeight = 80;

std::vector<std::string> TextFields() {
  const int n = ScriptStore.CurrentScriptLine;
  std::string text = n >= 0 && n < kScriptLineCapacity ? ScriptStore.ScriptText[static_cast<size_t>(n)] : "";
  std::vector<std::string> fields;
  int count = 0;
  SplitFields(text, "：", kMaxTextFields, fields, count);
  fields.resize(static_cast<size_t>(count) + 1);
  fields.erase(fields.begin());
  return fields;
}

// The placement of narration: font, length, centre line and block or top placement.
struct Placement {
  int font = 20;
  int length = 30;
  int y0 = 0;
  bool top = false;
};

Placement LinePlacement(int q) {
  Placement p;
  p.y0 = ScreenSize.ScreenHeight / 2;
  switch (q) {
    case 1: p = {20, 10, 395, true}; break;
    case 2: p = {20, 10, 625, true}; break;
    case 3: p = {20, 30, 625, true}; break;
    case 9: p.font = 36, p.length = 100; break;
    case 20: p.font = 32; break;
    case 21: p.font = 48; break;
    default: break;
  }
  return p;
}

Placement BlockPlacement(int q) {
  Placement p;
  p.length = 10;
  p.y0 = ScreenSize.ScreenHeight / 2;
  switch (q) {
    case 1: p.y0 = 395, p.top = true; break;
    case 2: p.y0 = 625, p.top = true; break;
    case 3: p.y0 = 625, p.length = 30, p.top = true; break;
    case 10: p.font = 74, p.length = 100; break;
    case 11: p.font = 74, p.length = 30; break;
    case 20: p.font = 32; break;
    default: break;
  }
  return p;
}

void UseFont(int size) {
  TextStyle.TextFontSize = size;
  TextStyle.TextBold = 0;
  TextStyle.TextItalic = 0;
}

// Measures text in the current font; the row height is its height + 10.
int Measure(const std::string& text) {
  TextStyle.CurrentText = text;
  MeasureText(0);
  return TextStyle.MeasuredHeight + 10;
}

void Lay(int layer, int x, int y, int width, int height, int kind) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {x, y, width, height};
  PrepareLayer(kind);
}

// Draws CurrentText (measured) into CurrentLayer at x, centred in a row of height h.
void Glow(int x, int h, float brightness) {
  TextStyle.TextX = x;
  TextStyle.TextY = (h - TextStyle.MeasuredHeight) / 2;
  GlowText(0, 0, 0, brightness);
}

float Brightness(bool in, int k, int length) {
  const float f = static_cast<float>(k) / static_cast<float>(std::max(length, 1));
  return in ? f : 1.0f - f;
}

void EndEffect() { FinishScriptAction(); }

// 1700 and 1701: a narrator line glows in (or out), segment by segment.
void NarratorLine(bool in) {
  SetFrameLength(0, 0);
  const Placement pl = LinePlacement(LineCode.Speaker);
  const int p = LineCode.SubParam;
  // Rows count from 1: a units digit of 0 is taken as row 1.
  const int total = p >= 20 && p <= 99 ? p / 10 : 1;
  const int row = p >= 20 && p <= 99 ? std::max(p % 10, 1) : 1;
  const int base = 3 * (row - 1);
  std::vector<std::string> fields = TextFields();
  if (fields.empty()) fields.emplace_back();
  const int n = static_cast<int>(fields.size());
  std::string whole;
  for (const std::string& f : fields) whole += f;

  UseFont(pl.font);
  const int h = Measure(whole);
  const int top = pl.top ? pl.y0 + h * (row - 1) : pl.y0 - (h * total) / 2 + h * (row - 1);
  const int width = ScreenSize.ScreenWidth;
  AnimationRunRecord& r = AnimationRun;
  r.AnimationLength = pl.length;

  auto segmentLayer = [base](int s) { return base + std::min(s, 2); };
  auto drawSegment = [&](int s, int k) {
    // Only the first two fields are segments of their own; later ones take their frames.
    const std::string text = s <= 2 ? fields[static_cast<size_t>(s - 1)] : "";
    Measure(text);
    if (!text.empty()) {
      Lay(segmentLayer(s), TextStyle.LetterCursorX, top, TextStyle.MeasuredWidth, h, kPreparePictureShown);
      Glow(0, h, Brightness(in, k, pl.length));
    }
    if (k >= pl.length) SetFrameLength(-1, kSegmentPauseMs);
  };

  if (r.AnimationFrame == 0) {
    Lay(base, 0, top, width, h, kPreparePictureHidden);
    Glow((width - TextStyle.MeasuredWidth) / 2, h, 1.0f);
    TextStyle.LetterCursorX = TextStyle.TextX;
    r.AnimationSubStep = 1;
    r.AnimationRepeat = n - 1;
    r.AnimationFrame = 1;
    drawSegment(1, 1);
    r.AnimationFrame = 2;
    return;
  }
  if (r.AnimationFrame > pl.length) {
    const int s = r.AnimationSubStep;
    if (s < n) {
      // The next segment starts at the right edge of the one just drawn.
      Measure(s <= 2 ? fields[static_cast<size_t>(s - 1)] : "");
      TextStyle.LetterCursorX += TextStyle.MeasuredWidth;
      r.AnimationSubStep = s + 1;
      drawSegment(s + 1, 1);
      r.AnimationFrame = 2;
      return;
    }
    if (in) {
      ShowLayer(base, true);
      for (int i = 1; i <= std::min(n, 2); ++i) ShowLayer(base + i, false);
    } else {
      ShowLayer(segmentLayer(s), false);
    }
    EndEffect();
    return;
  }
  drawSegment(r.AnimationSubStep, r.AnimationFrame);
  ++r.AnimationFrame;
}

// 1702 and 1703: every text field of the line glows in (or out) as one block.
void NarratorBlock(bool in) {
  const Placement pl = BlockPlacement(LineCode.Speaker);
  AnimationRunRecord& r = AnimationRun;
  if (r.AnimationFrame == 0) r.AnimationFrame = 1;
  const int k = r.AnimationFrame;
  const std::vector<std::string> fields = TextFields();
  const int n = static_cast<int>(fields.size());
  UseFont(pl.font);
  for (int i = 0; i < n; ++i) {
    const int h = Measure(fields[static_cast<size_t>(i)]);
    const int top = pl.top ? pl.y0 + h * i : pl.y0 - (h * n) / 2 + h * i;
    const int textWidth = TextStyle.MeasuredWidth;
    Lay(i, 0, top, ScreenSize.ScreenWidth, h, kPreparePictureShown);
    Glow((ScreenSize.ScreenWidth - textWidth) / 2, h, Brightness(in, k, pl.length));
  }
  if (k < pl.length) {
    ++r.AnimationFrame;
    return;
  }
  if (!in) {
    for (int i = 0; i < n; ++i) ShowLayer(i, false);
    // The whole-line layers a line-by-line block left for rows 1 to n.
    if (LineCode.SubParam == 1) {
      for (int i = 0; i < n; ++i) ShowLayer(3 * i, false);
    }
  }
  EndEffect();
}

// Steps slots 0 to last on the curve; true once the last frame has been stepped.
bool StepMotions(int last, int curve) {
  for (int slot = 0; slot <= last; ++slot) {
    MotionState.CurrentMotionSlot = slot;
    MotionCurveStep(curve);
  }
  if (AnimationRun.AnimationFrame >= AnimationRun.AnimationLength) return true;
  ++AnimationRun.AnimationFrame;
  return false;
}

void Panels() {
  AnimationRunRecord& r = AnimationRun;
  const int w = ScreenSize.ScreenWidth;
  const int h = ScreenSize.ScreenHeight;
  if (r.AnimationFrame == 0) {
    int base = 0, mx = 0, my = 0;
    if (LineCode.SubParam == 0) mx = ScreenSize.ScreenHalfWidth, my = ScreenSize.ScreenHalfHeight;
    if (LineCode.SubParam == 1) base = 5, mx = 585, my = 135;
    for (int i = 0; i < 4; ++i) Lay(base + i, 0, 0, w, h, kPreparePictureShown);
    if (LineCode.SubParam == 1) {
      LayerToFront(12);
      LayerToFront(11);
    }
    SetMotionSlot(0, base, w, 0, mx, 0);
    SetMotionSlot(1, base + 1, 0, h, 0, my);
    SetMotionSlot(2, base + 2, -w, 0, mx - w, 0);
    SetMotionSlot(3, base + 3, 0, -h, 0, my - h);
    r.AnimationLength = 30;
  }
  if (StepMotions(3, kMotionEaseOut)) EndEffect();
}

void ClearEffectLayers() {
  if (LineCode.SubParam == 0) {
    for (int layer = 0; layer <= 9; ++layer) ShowLayer(layer, false);
  }
  EndEffect();
}

// Loads picture kind 6 `number` into the curtain sheet.
void LoadSheet(int number) {
  DrawState.SheetIndex = SystemLayerSet.CurtainSheet;
  C00_LoadPicture(2, 6, number);
}

void LayCell(int layer, int x, int y, int width, int height, int cellX, int cellY) {
  Lay(layer, x, y, width, height, kPreparePictureShown);
  ClipCellToLayer(SystemLayerSet.CurtainSheet, cellX, cellY, width, height);
}

void Curtain() {
  AnimationRunRecord& r = AnimationRun;
  const int half = ScreenSize.ScreenHalfWidth;
  const int w = ScreenSize.ScreenWidth;
  const int layer = SystemLayerSet.CurtainLayer;
  const bool opening = LineCode.SubParam == 1;
  if (r.AnimationFrame == 0) {
    if (LineCode.SubParam != 0 && LineCode.SubParam != 1) {
      // Nothing to draw: the line goes on.
      EndEffect();
      return;
    }
    LoadSheet(0);
    LayCell(layer, opening ? 0 : -half, 0, half, ScreenSize.ScreenHeight, 0, 0);
    LayCell(layer + 1, opening ? half : w, 0, half, ScreenSize.ScreenHeight, half, 0);
    if (opening) {
      C01_ClickSound();
      SetMotionSlot(0, layer, 0, 0, -half, 0);
      SetMotionSlot(1, layer + 1, half, 0, w, 0);
    } else {
      SetMotionSlot(0, layer, -half, 0, 0, 0);
      SetMotionSlot(1, layer + 1, w, 0, half, 0);
    }
    r.AnimationLength = 30;
  }
  if (!StepMotions(1, kMotionEaseOut)) return;
  if (AnimationRun.DirectEffectRun == 1) FrameClock.FrameLoopRunning = 0;
  else EndEffect();
}

void Buttons(bool two) {
  AnimationRunRecord& r = AnimationRun;
  const int layer = SystemLayerSet.MenuRowLayer;
  const int h = ScreenSize.ScreenHeight;
  if (r.AnimationFrame == 0) {
    LoadSheet(30);
    const int cellY = kButtonHeight * LineCode.SubParam;
    int endY = DrawState.TargetRect.Y;
    if (two) {
      if (LineCode.Speaker == 10) endY = h - 300;
      if (LineCode.Speaker == 15) endY = h - 120;
      const int x0 = ScreenSize.ScreenHalfWidth - 280;
      const int x1 = ScreenSize.ScreenHalfWidth + 40;
      LayCell(layer, x0, h, kButtonWidth, kButtonHeight, 0, cellY);
      LayCell(layer + 1, x1, h, kButtonWidth, kButtonHeight, kButtonWidth, cellY);
      SetMotionSlot(0, layer, x0, h, x0, endY);
      SetMotionSlot(1, layer + 1, x1, h, x1, endY);
    } else {
      if (LineCode.Speaker == 15) endY = h - 90;
      int buttonWidth = kButtonWidth;
      const int x = CentreX(buttonWidth);
      LayCell(layer, x, h, kButtonWidth, kButtonHeight, 0, cellY);
      SetMotionSlot(0, layer, x, h, x, endY);
    }
    r.AnimationLength = 10;
  }
  if (StepMotions(two ? 1 : 0, kMotionEaseOut)) EndEffect();
}

int FaceLayerOfQ() { return FaceSlot.FaceLayer[static_cast<size_t>(LineCode.Speaker)]; }

// Frames 0 to last: the layer shows on odd frames (oddShown) or on even ones; true
// after the last frame.
bool Blink(int layer, int frameMs, int last, bool oddShown) {
  SetFrameLength(-1, frameMs);
  AnimationRunRecord& r = AnimationRun;
  const bool odd = r.AnimationFrame % 2 == 1;
  ShowLayer(layer, odd == oddShown);
  if (r.AnimationFrame >= last) return true;
  ++r.AnimationFrame;
  return false;
}

void WhiteFlash() {
  const int white = SystemLayerSet.MenuHoverLayer;
  if (AnimationRun.AnimationFrame == 0) {
    GetLayerRect(kRectIntoCurrent, FaceLayerOfQ());
    DrawState.CurrentLayer = white;
    PrepareLayer(kPreparePictureHidden);
    LayerInfo(white).BackColor = RgbColor(255, 255, 255);
    ClearLayerImage(white);
    LayerToBack(white);
    LayerToBack(FaceLayerOfQ());
  }
  if (!Blink(white, 40, 12, true)) return;
  ShowLayer(white, false);
  EndEffect();
}

void BlinkOut() {
  if (!Blink(FaceLayerOfQ(), 100, 12, true)) return;
  ShowLayer(FaceLayerOfQ(), false);
  EndEffect();
}

void FaceBlink() {
  if (Blink(FaceLayerOfQ(), 300, 4, false)) EndEffect();
}

void FaceRise() {
  SetFrameLength(-1, 5);
  AnimationRunRecord& r = AnimationRun;
  if (r.AnimationFrame == 0) {
    GetLayerRect(kRectIntoCurrent, FaceLayerOfQ());
    const Rect f = DrawState.CurrentRect;
    SetMotionSlot(0, FaceLayerOfQ(), f.X, ScreenSize.ScreenHeight - f.Height, f.X, -30);
    r.AnimationLength = 1000;
  }
  if (StepMotions(0, kMotionLinear)) EndEffect();
}

}  // namespace

void C15_Frame() {
  const int code = FrameClock.AnimationCode;
  const bool faceEffect = code == kWhiteFlash || code == kBlinkOut || code == kFaceRise || code == kFaceBlink;
  // A face effect on a slot that does not exist draws nothing.
  if (faceEffect && !ValidFaceSlot(LineCode.Speaker)) {
    EndEffect();
    return;
  }
  switch (code) {
    case kLineIn: NarratorLine(true); break;
    case kLineOut: NarratorLine(false); break;
    case kBlockIn: NarratorBlock(true); break;
    case kBlockOut: NarratorBlock(false); break;
    case kPanels: Panels(); break;
    case kClear: ClearEffectLayers(); break;
    case kCurtain: Curtain(); break;
    case kTwoButtons: Buttons(true); break;
    case kOneButton: Buttons(false); break;
    case kWhiteFlash: WhiteFlash(); break;
    case kBlinkOut: BlinkOut(); break;
    case kFaceRise: FaceRise(); break;
    case kFaceBlink: FaceBlink(); break;
    // A code without an effect would never end its loop: the line goes on at once.
    default: EndEffect(); break;
  }
}
