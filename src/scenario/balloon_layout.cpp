#include "scenario/balloon_layout.h"

#include <string>
#include <vector>

#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "engine/text.h"
#include "scenario/balloon_geometry.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"

namespace {

// The text slot of the narration windows (face slot 5's speech slot, shared).
constexpr int kNarrationTextSlot = 10;
// Caption and multi-line boxes print at this size unless CaptionBox changes it.
constexpr int kBoxFontSize = 19;
// A box is this much wider than its widest line.
constexpr int kBoxMarginX = 60;

int Slot() { return ValidFaceSlot(LineState.CurrentSlot) ? LineState.CurrentSlot : 0; }

std::string StoredText() {
  const int n = ScriptStore.CurrentScriptLine;
  return n >= 0 && n < kScriptLineCapacity ? ScriptStore.ScriptText[static_cast<size_t>(n)] : std::string();
}

void CallBalloonStyle() {
  if (auto style = CurrentModeHooks().BalloonStyle) style();
}

void CallCaptionBox(int phase) {
  if (auto caption = CurrentModeHooks().CaptionBox) caption(phase);
}

void Centre() {
  Rect& r = DrawState.CurrentRect;
  r.X = CentreX(0);
  r.Y = CentreY(0);
}

void SpeechLayout(int s) {
  FaceSlotRecord& f = FaceSlot;
  TextWindow.WindowFrameStyle = 0;
  DrawState.CurrentLayer = f.BalloonLayer[s];
  TextWindow.TailShown = -1;
  TextWindow.TailLayer = f.BalloonLayer[s] + 1;
  f.TextSlotIndex = 2 * s;
  f.BalloonCategory = 0;
  LoadFaceGeometry(s);
  BalloonPlace(0);
}

void ThoughtLayoutFor(int kind, int s) {
  FaceSlotRecord& f = FaceSlot;
  ThoughtLayoutRecord& t = ThoughtLayout;
  BalloonGeometryRecord& g = BalloonGeometry;
  if (LineState.LineFontSize > 0) TextStyle.TextFontSize = LineState.LineFontSize;
  DrawState.CurrentLayer = f.ThoughtLayer[s];
  TextWindow.TailShown = -1;
  TextWindow.TailLayer = f.ThoughtLayer[s] + 1;
  DrawState.TargetLayer = f.FaceLayer[s];
  GetLayerRect(kRectIntoTarget, DrawState.TargetLayer);
  f.BalloonCategory = 1;
  f.TextSlotIndex = 2 * s + 1;

  CallBalloonStyle();

  const size_t v = static_cast<size_t>(kind % 10);
  const int ox = t.ThoughtOffsetX[s][v];
  const int oy = t.ThoughtOffsetY[s][v];
  Rect& r = DrawState.CurrentRect;
  r.Width = t.ThoughtWidth[v];
  r.Height = t.ThoughtHeight[v];
  int rx = 0;
  if (kind <= 39) {
    g.BalloonSide = 0;
    rx = ox + DrawState.TargetRect.Width;
  } else {
    g.BalloonSide = 1;
    rx = -r.Width - ox;
  }
  r.X = DrawState.TargetRect.X + rx;
  r.Y = DrawState.TargetRect.Y + oy;

  g.SlotBalloonRelX[s] = rx;
  g.SlotBalloonRelY[s] = oy;
  g.SlotBalloonWidth[s] = r.Width;
  g.SlotBalloonHeight[s] = r.Height;
  g.SlotBalloonSide[s] = g.BalloonSide;
}

void NarrationWords(int category) {
  DrawState.CurrentLayer = TextWindow.NarrationLayer;
  FaceSlot.TextSlotIndex = kNarrationTextSlot;
  FaceSlot.BalloonCategory = category;
}

void CaptionLayout() {
  TextStyleRecord& ts = TextStyle;
  NarrationWords(5);
  ts.TextFontSize = kBoxFontSize;
  TextWindow.WindowFrameStyle = 5;

  CallCaptionBox(0);

  // Measured whole, separators and all: the box fits the line as one string.
  ts.CurrentText = StoredText();
  MeasureText(0);
  const int mw = ts.MeasuredWidth;
  const int mh = ts.MeasuredHeight;
  Rect& r = DrawState.CurrentRect;
  r.Width = mw + kBoxMarginX;
  r.Height = mh + 30;
  ts.TextX = (mw + kBoxMarginX) / 2 - mw / 2 - 1;
  ts.TextY = (mh + 30) / 2 - mh / 2 - 1;
  Centre();

  CallCaptionBox(1);
}

void MultiLineLayout() {
  TextStyleRecord& ts = TextStyle;
  NarrationWords(5);
  TextWindow.WindowFrameStyle = 5;
  ts.TextFontSize = kBoxFontSize;

  std::vector<std::string> lines;
  int n = 0;
  SplitFields(StoredText(), "：", 9, lines, n);
  Rect& r = DrawState.CurrentRect;
  r.Width = 1;
  for (int i = 1; i <= n; ++i) {
    ts.CurrentText = lines[static_cast<size_t>(i)];
    MeasureText(0);
    if (ts.MeasuredWidth + kBoxMarginX > r.Width) r.Width = ts.MeasuredWidth + kBoxMarginX;
  }
  ts.TextX = 15;
  ts.LineHeight = ts.TextFontSize + 15;
  ts.TextY = 15;
  r.Height = ts.LineHeight * n + 25;
  Centre();
}

void FixedWindowLayout() {
  BalloonGeometryRecord& g = BalloonGeometry;
  g.BalloonWidth = ScreenSize.ScreenHalfWidth;
  g.BalloonHeight = ScreenSize.ScreenHeight / 4;
  NarrationWords(6);
  TextWindow.WindowFrameStyle = 0;
  CallBalloonStyle();
  Rect& r = DrawState.CurrentRect;
  r.Width = g.BalloonWidth;
  r.Height = g.BalloonHeight;
  Centre();
}

}  // namespace

void BalloonLayout(int /*unused*/) {
  const int kind = LineCode.MainParam;
  if (kind == 0) return;

  TextStyleRecord& ts = TextStyle;
  ts.TextFontSize = 14;
  ts.LineHeight = 26;
  ts.TextX = 15;
  ts.TextY = 12;
  TextWindow.TailShown = 0;
  if (LineCode.SubParam == 0) TextWindow.WindowFrameStyle = 0;

  const int s = Slot();
  if (kind >= 5 && kind <= 29) {
    // The speech balloon keeps the window record of the last free window.
    SpeechLayout(s);
    return;
  }
  if (kind >= 30 && kind <= 49) ThoughtLayoutFor(kind, s);
  else if (kind == 50) CaptionLayout();
  else if (kind == 51) MultiLineLayout();
  else if (kind == 60) FixedWindowLayout();
  TextWindow.WindowLayer = DrawState.CurrentLayer;
  TextWindow.WindowRect = DrawState.CurrentRect;
}

void BalloonPlace(int mode) {
  if (mode != 0 && mode != 1) return;
  BalloonGeometryRecord& g = BalloonGeometry;
  const size_t s = static_cast<size_t>(Slot());
  g.TailWidth = 32;
  g.TailHeight = 23;
  TextStyle.TextFontSize = 16;

  CallBalloonStyle();

  const int side = g.BalloonSide;
  if (side == 1) g.BalloonRelX = -(g.BalloonWidth + g.BalloonGapX);
  else if (side == 0 || side == 2 || side == 3) g.BalloonRelX = g.FaceWidth + g.BalloonGapX;
  g.BalloonRelY = g.BalloonOffsetY;

  g.SlotBalloonRelX[s] = g.BalloonRelX;
  g.SlotBalloonRelY[s] = g.BalloonRelY;
  g.SlotBalloonWidth[s] = g.BalloonWidth;
  g.SlotBalloonHeight[s] = g.BalloonHeight;
  g.SlotBalloonSide[s] = side;

  Rect& r = DrawState.CurrentRect;
  r = {g.FaceLeft + g.BalloonRelX, g.FaceTop + g.BalloonRelY, g.BalloonWidth, g.BalloonHeight};

  if (side == 1) g.TailX = r.X + g.BalloonWidth + g.TailOffsetX;
  else if (side == 0 || side == 2 || side == 3) g.TailX = r.X + g.TailOffsetX;
  g.TailY = r.Y + g.TailOffsetY;

  g.SlotTailRelX[s] = g.TailX - g.FaceLeft;
  g.SlotTailRelY[s] = g.TailY - g.FaceTop;
  g.SlotTailWidth[s] = g.TailWidth;
  g.SlotTailHeight[s] = g.TailHeight;
}
