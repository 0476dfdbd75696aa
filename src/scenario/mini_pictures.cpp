#include "scenario/mini_pictures.h"

#include <algorithm>

#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/interpolation.h"
#include "engine/layers.h"
#include "engine/numeric.h"
#include "engine/picture_catalogue.h"
#include "engine/text.h"
#include "scenario/animation_dispatch.h"
#include "scenario/balloon_geometry.h"
#include "scenario/face_settings.h"
#include "scenario/line_execution.h"
#include "scenario/motion_curves.h"
#include "scenario/scene_sounds.h"
#include "scenario/script_conversion.h"

MiniPictureRecord MiniPicture;

namespace {

// The marks DrawMiniMark draws, 60 by 60.
constexpr int kMarkQuestion = 831;
constexpr int kMarkRed = 832;
constexpr int kMarkYellow = 834;
constexpr int kMarkSize = 60;

int Slot() { return ValidFaceSlot(LineState.CurrentSlot) ? LineState.CurrentSlot : 0; }
int Mini() { return LineExecution.CurrentMini; }
int FaceWidth() { return BalloonGeometry.FaceWidth; }

int AnchorX(int v) { return MiniPicture.MiniAnchorX[static_cast<size_t>(((v % 10) + 10) % 10)]; }
int AnchorY(int v) { return MiniPicture.MiniAnchorY[static_cast<size_t>(((v % 10) + 10) % 10)]; }
bool Between(int v, int lo, int hi) { return v >= lo && v <= hi; }

void SetRel(int x, int y) {
  FaceSlot.MiniRelX[Slot()][Mini()] = x;
  FaceSlot.MiniRelY[Slot()][Mini()] = y;
}

// Kinds 30 to 33 and 35 keep their frame and sub-step counters per slot and mini
// between frames, so minis of several slots can run interleaved in one group.
void LoadCounters() {
  const size_t e = static_cast<size_t>(MiniAnimEntry(Slot(), Mini()));
  AnimationRun.AnimationFrame = FaceSlot.MiniAnimFrame[e];
  AnimationRun.AnimationSubStep = FaceSlot.MiniAnimSubStep[e];
}
void SaveCounters() {
  const size_t e = static_cast<size_t>(MiniAnimEntry(Slot(), Mini()));
  FaceSlot.MiniAnimFrame[e] = AnimationRun.AnimationFrame;
  FaceSlot.MiniAnimSubStep[e] = AnimationRun.AnimationSubStep;
}

void Complete(int queued) {
  SetMiniState();
  if (queued == 0) FinishScriptAction();
}

// The mark sounds play only when the line's "ミ音" is not negative.
void MarkSound(int number) {
  if (LineState.LineMiniSound < 0) return;
  PlaySceneSound(number);
}

// Kind 30: a box of thinking dots that fills up one dot at a time.
void ThinkingDots(int v) {
  AnimationRunRecord& run = AnimationRun;
  int width = 84;
  if (Between(v, 0, 1) || Between(v, 10, 11) || Between(v, 20, 21)) {
    const bool left = v % 10 == 1;
    SetRel(left ? -64 : FaceWidth() - 25, v >= 20 ? 25 : 10);
    run.AnimationRepeat = 3;
    run.AnimationLength = v >= 10 && v < 20 ? 60 : 30;
  } else if (Between(v, 100, 139)) {
    SetRel(AnchorX(v), AnchorY(v));
    run.AnimationRepeat = v >= 120 ? 5 : 3;
    run.AnimationLength = (v / 10) % 2 == 1 ? 60 : 30;
    if (v >= 120) width = 117;
  } else {
    SetRel(0, 0);  // other variants keep the counts they find
  }
  if (run.AnimationFrame == 0) {
    PlaceSlotPicture(2, 0);
    DrawState.CurrentRect.Width = width;
    DrawState.CurrentRect.Height = 36;
    PrepareLayer(kPreparePictureShown);
    DrawBevelFrame(10, 20, 100);
    TextStyleRecord& t = TextStyle;
    t.CurrentText.clear();
    for (int i = 0; i <= run.AnimationSubStep && i < 5; ++i) t.CurrentText += "・";
    t.TextFontSize = 25;
    t.TextX = 13;
    t.TextY = 1;
    t.OutlineWidth = 0;
    t.TextColor = Grey(80);
    t.ShadeColor1 = 0;
    t.ShadeColor2 = 0;
    t.ShadeColor3 = Grey(200);
    PrintText(1, DrawState.CurrentLayer);
  }
  PlaceSlotPicture(2, -1);
  run.AnimationFrame += 1;
  if (run.AnimationFrame > run.AnimationLength) {
    run.AnimationFrame = 0;
    run.AnimationSubStep += 1;
  }
}

bool ThinkingDotsDone() { return AnimationRun.AnimationSubStep >= AnimationRun.AnimationRepeat; }

// Kind 31: a "？" circling the face, one or three turns of 16 steps.
struct CircleRow {
  int turns;
  double factor[3];
  int direction;  // 0 anticlockwise on screen, 1 clockwise
  bool anchored;
};
CircleRow CircleFor(int v) {
  if (v == 0) return {1, {1.5, 1.5, 1.5}, 0, false};
  if (v == 1) return {1, {1.5, 1.5, 1.5}, 1, false};
  if (v == 10) return {3, {10, 5, 1.5}, 0, false};
  if (v == 11) return {3, {10, 5, 1.5}, 1, false};
  if (Between(v, 100, 109)) return {1, {1.5, 1.5, 1.5}, 0, true};
  if (Between(v, 110, 119)) return {1, {1.5, 1.5, 1.5}, 1, true};
  return {0, {0, 0, 0}, 0, false};  // the length is kept
}
constexpr int kCircleX[16] = {0, 4, 7, 9, 10, 9, 7, 4, 0, -4, -7, -9, -10, -9, -7, -4};
constexpr int kCircleY[16] = {10, 9, 7, 4, 0, -4, -7, -9, -10, -9, -7, -4, 0, 4, 7, 9};

bool CirclingMark(int v) {
  AnimationRunRecord& run = AnimationRun;
  const CircleRow row = CircleFor(v);
  if (row.turns > 0) run.AnimationLength = row.turns;
  const int start = row.direction == 0 ? 9 : 7;
  if (run.AnimationFrame == 0) {
    MarkSound(131);
    DrawMiniMark(kMarkQuestion);
    run.AnimationSubStep = start;
    run.AnimationFrame = 1;  // counts turns from here
  }
  int& p = run.AnimationSubStep;
  p = std::clamp(p, 0, 15);
  // The turn changes when the step passes its start again, not when it wraps.
  const bool firstPart = row.direction == 0 ? p <= start : p >= start;
  const int turn = std::clamp(firstPart ? run.AnimationFrame - 1 : run.AnimationFrame - 2, 0, 2);
  const double r = row.factor[turn];
  const int dx = RoundHalfEven(kCircleX[p] * 1.25);
  const int dy = RoundHalfEven(kCircleY[p] * 1.25);
  const int ax = row.anchored ? AnchorX(v) : 0;
  const int ay = row.anchored ? AnchorY(v) : 0;
  const int x = row.direction == 0 ? RoundHalfEven(dx * r + FaceWidth() - 13 + ax)
                                   : RoundHalfEven(dx * r + 13 - kMarkSize + ax);
  SetRel(x, RoundHalfEven(-dy * r - 6 + ay));
  PlaceSlotPicture(2, -1);
  if (row.direction == 0) {
    if (--p < 0) {
      p = 15;
      run.AnimationFrame += 1;
    }
  } else if (++p > 15) {
    p = 0;
    run.AnimationFrame += 1;
  }
  return p == start && run.AnimationFrame > run.AnimationLength;
}

// Kind 32: a red "！" that hops twice, in four straight segments.
struct HopSegment {
  int x0, y0, x1, y1, frames;
};
constexpr HopSegment kHops[4] = {{0, 0, 5, -20, 5}, {5, -20, 0, 0, 3}, {0, 0, 10, -40, 5}, {10, -40, 0, 0, 12}};

bool HoppingMark(int v) {
  AnimationRunRecord& run = AnimationRun;
  int& segment = run.AnimationSubStep;
  segment = std::clamp(segment, 0, 3);
  if (segment == 0 && run.AnimationFrame == 0) {
    MarkSound(132);
    DrawMiniMark(kMarkRed);
  }
  const HopSegment& h = kHops[segment];
  run.AnimationLength = h.frames;
  const int mirror = v == 1 || Between(v, 20, 29) ? -1 : 1;
  const int x0 = RoundHalfEven(mirror * h.x0 * 1.25);
  const int x1 = RoundHalfEven(mirror * h.x1 * 1.25);
  const int y0 = RoundHalfEven(h.y0 * 1.25);
  const int y1 = RoundHalfEven(h.y1 * 1.25);
  const double t = static_cast<double>(run.AnimationFrame) / run.AnimationLength;
  int bx = 0;
  int by = 0;
  if (v == 0) {
    bx = FaceWidth() - 20;
    by = 5;
  } else if (v == 1) {
    GetLayerRect(kRectIntoCurrent, FaceSlot.MiniLayer[Slot()][Mini()]);
    bx = 20 - DrawState.CurrentRect.Width;
    by = 5;
  } else if (Between(v, 10, 29)) {
    bx = AnchorX(v);
    by = AnchorY(v);
  }
  SetRel(bx + RoundHalfEven(InterpolateAt(x0, x1, t)), by + RoundHalfEven(InterpolateAt(y0, y1, t)));
  PlaceSlotPicture(2, -1);
  run.AnimationFrame += 1;
  if (run.AnimationFrame <= run.AnimationLength) return false;
  run.AnimationFrame = 0;
  if (segment == 3) return true;
  segment += 1;
  return false;
}

// Kind 33: a yellow "！" that jumps once, 40 pixels up and back.
bool JumpingMark(int v) {
  AnimationRunRecord& run = AnimationRun;
  int bx = 0;
  int by = 0;
  bool known = true;
  if (v == 0) {
    bx = FaceWidth() - 20;
    by = 5;
  } else if (v == 1) {
    bx = -40;
    by = 5;
  } else if (Between(v, 10, 19)) {
    bx = AnchorX(v);
    by = AnchorY(v);
  } else {
    known = false;  // the old length is kept
  }
  if (known) run.AnimationLength = 15;
  const int f = run.AnimationFrame;
  if (f == 0) {
    MarkSound(133);
    DrawMiniMark(kMarkYellow);
  }
  const double rise = 0.12 * (15 - f) * (15 - f) - 40;
  SetRel(bx, by + RoundHalfEven(rise));
  PlaceSlotPicture(2, -1);
  run.AnimationFrame = f + 1;
  if (f + 1 <= 2 * run.AnimationLength + 1) return false;
  SetRel(bx, by);
  PlaceSlotPicture(2, -1);
  return true;
}

// The course of kinds 34 and 35: from start to end over L frames, easing out; the
// factor (end - start) / L² is held in single precision.
int EaseOut(int start, int end, int length, int f) {
  const float factor = static_cast<float>(end - start) / static_cast<float>(length * length);
  return RoundHalfEven(end - static_cast<double>(factor) * (length - f) * (length - f));
}

// Kind 34: picture 50 or 51 thrown in along an arc.
struct ThrowRow {
  int lo, hi;  // variants
  int dx, dy;
  int baseX;  // added to half the face's width; anchored rows use the anchor instead
  int baseY;
  int first, last, picture;
  bool anchored;
};
constexpr ThrowRow kThrows[] = {
    {0, 0, -60, -30, -70, 70, 6, 27, 50, false},        {1, 1, -90, -30, -40, 90, 10, 28, 50, false},
    {2, 2, -80, -30, -50, 80, 12, 30, 50, false},       {5, 5, -65, -30, -70, 95, 6, 27, 50, false},
    {6, 6, -60, -30, -70, 80, 6, 27, 50, false},        {10, 10, 60, -30, 10, 70, 6, 27, 51, false},
    {11, 11, 90, -30, -20, 90, 10, 28, 51, false},      {12, 12, 80, -30, -10, 80, 12, 30, 51, false},
    {15, 15, 65, -30, 10, 95, 6, 27, 51, false},        {100, 109, -80, -50, 0, 0, 6, 27, 50, true},
    {110, 119, 80, -50, 0, 0, 6, 27, 51, true},
};
// A variant the table does not list shows picture 50 at the face's corner for one frame.
constexpr ThrowRow kNoThrow = {0, 0, 0, 0, 0, 0, 0, 0, 50, false};

const ThrowRow& ThrowFor(int v) {
  for (const ThrowRow& row : kThrows) {
    if (v >= row.lo && v <= row.hi) return row;
  }
  return kNoThrow;
}

MotionSlotRecord& CourseSlot() { return MotionSlot[static_cast<size_t>(Slot() + 10)]; }

void PreparePicture(int width, int picture) {
  DrawState.CurrentRect.X = 640;
  DrawState.CurrentRect.Y = 0;
  DrawState.CurrentRect.Width = width;  // the height is left as it is
  DrawState.AutoRaiseOn = 0;
  PrepareLayer(kPreparePictureShown);
  LoadFacePicture(picture);
}

bool ThrownPicture(int v, int queued) {
  AnimationRunRecord& run = AnimationRun;
  MiniPictureRecord& w = MiniPicture;
  const int s = Slot();
  const int m = Mini();
  MotionSlotRecord& course = CourseSlot();
  if (run.AnimationFrame == 0) {
    const ThrowRow& row = ThrowFor(v);
    DrawState.CurrentLayer = FaceSlot.MiniLayer[s][m];
    PreparePicture(kMarkSize, row.picture);
    course.MotionStartX = 0;
    course.MotionStartY = 0;
    course.MotionEndX = RoundHalfEven(row.dx * 1.5);
    course.MotionEndY = RoundHalfEven(row.dy * 1.5);
    run.AnimationLength2 = row.last;
    w.MiniAnimWork1[s][m] = 30;
    w.MiniAnimWork2[s][m] = row.last;
    w.MiniAnimWork3[s][m] = row.first;
    w.MiniAnimWork4[s][m] = row.anchored ? AnchorX(v) : FaceWidth() / 2 + row.baseX;
    w.MiniAnimWork5[s][m] = row.anchored ? AnchorY(v) : row.baseY;
    if (queued == 0) run.AnimationFrame = row.first;
  }
  run.AnimationLength = w.MiniAnimWork1[s][m];
  // Stepped by a group the counter runs from 0 and the first frame is added to it.
  const int f = queued == 0 ? run.AnimationFrame : run.AnimationFrame + w.MiniAnimWork3[s][m];
  const int length = std::max(1, w.MiniAnimWork1[s][m]);
  const int x = EaseOut(course.MotionStartX, course.MotionEndX, length, f);
  const int y = EaseOut(course.MotionStartY, course.MotionEndY, length, 2 * f);
  SetRel(w.MiniAnimWork4[s][m] + x, w.MiniAnimWork5[s][m] + y);
  PlaceSlotPicture(2, -1);
  if (queued == 0) run.AnimationFrame += 1;
  return f + 1 > w.MiniAnimWork2[s][m];
}

// Kind 35: picture 60 dropping 50 pixels into place, slowing down.
bool DroppedPicture(int v) {
  AnimationRunRecord& run = AnimationRun;
  MiniPictureRecord& w = MiniPicture;
  const int s = Slot();
  const int m = Mini();
  if (run.AnimationFrame == 0) {
    int bx = 0;
    int by = 0;
    if (v == 0) bx = -20, by = 25;
    else if (v == 1) bx = -15, by = 60;
    else if (v == 10) bx = FaceWidth() - 30, by = 25;
    else if (v == 11) bx = FaceWidth() - 35, by = 60;
    else if (Between(v, 100, 109)) bx = AnchorX(v), by = AnchorY(v);
    MotionSlotRecord& course = CourseSlot();
    course.MotionStartX = 0;
    course.MotionStartY = 0;
    course.MotionEndX = 0;
    course.MotionEndY = 50;
    DrawState.CurrentLayer = FaceSlot.MiniLayer[s][m];
    PreparePicture(50, 60);
    w.MiniAnimWork4[s][m] = bx;
    w.MiniAnimWork5[s][m] = by;
    w.MiniAnimWork1[s][m] = 30;
  }
  const int length = std::max(1, w.MiniAnimWork1[s][m]);
  run.AnimationLength = length;
  const int f = run.AnimationFrame;
  SetRel(w.MiniAnimWork4[s][m], w.MiniAnimWork5[s][m] + EaseOut(0, 50, length, f));
  PlaceSlotPicture(2, -1);
  run.AnimationFrame = f + 1;
  return f + 1 > length;
}

// Code 1039: the mini shrinks about its centre in fifths, as a white framed box.
constexpr int kEraseScheme[] = {100, 101, 102, 103, 104, 105};  // by kind 30 to 35

void EraseMini(int queued) {
  FaceSlotRecord& f = FaceSlot;
  const int s = Slot();
  const int m = Mini();
  const int layer = f.MiniLayer[s][m];
  DrawState.CurrentLayer = layer;
  f.MiniState[s][m] = kBalloonErasing;
  PlaceSlotPicture(2, 0);
  const int x0 = DrawState.CurrentRect.X;
  const int y0 = DrawState.CurrentRect.Y;
  const int fullW = f.MiniShownX[s][m];
  const int fullH = f.MiniShownY[s][m];
  const int cx = x0 + fullW / 2;
  const int cy = y0 + fullH / 2;
  GetLayerRect(kRectIntoCurrent, layer);
  // A side too small to lose a fifth (or never shown) is gone at once, so the
  // shrink always ends.
  const int stepW = fullW / 5;
  const int stepH = fullH / 5;
  int w = stepW >= 1 ? DrawState.CurrentRect.Width - stepW : 0;
  int h = stepH >= 1 ? DrawState.CurrentRect.Height - stepH : 0;
  const bool doneW = w < 1;
  const bool doneH = h <= 0;
  if (doneW) w = 0;
  if (doneH) h = 0;
  ShowLayer(layer, false);
  if (doneW && doneH) {
    f.MiniState[s][m] = kBalloonHidden;
    if (queued == 0) FinishScriptAction();
    return;
  }
  if (AnimationRun.AnimationFrame == 0) {
    LayerInfo(layer).BackColor = RgbColor(255, 255, 255);
    SetLayerPicture(layer, tq::Surface());
  }
  MoveLayer(layer, cx - w / 2, cy - h / 2, w, h);
  LayerToFront(layer);
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {cx - w / 2, cy - h / 2, w, h};
  const int kind = f.MiniKind[s][m];
  DrawBevelFrame(10, 20, Between(kind, 30, 35) ? kEraseScheme[kind - 30] : 0);
  ShowLayer(layer, true);
  if (queued == 0) AnimationRun.AnimationFrame += 1;
}

}  // namespace

void AnimateMiniPicture(int code, int queued) {
  const int s = Slot();
  const int m = Mini();
  // A mini number outside 1 and 2, or a kind without frames, has nothing to show:
  // the line ends at once rather than keeping its loop alive.
  if (!ValidMini(m) || (!Between(code, kAnimFirstMini, kAnimLastMini) && code != kAnimMiniErase)) {
    if (ValidMini(m) && queued == 1 && code != kAnimMiniErase) FaceSlot.MiniState[s][m] = kBalloonShown;
    if (queued == 0) FinishScriptAction();
    return;
  }
  DrawState.CurrentLayer = FaceSlot.MiniLayer[s][m];
  if (code == kAnimMiniErase) {
    EraseMini(queued);
    return;
  }
  if (queued == 1) LineState.LineMiniSound = FaceSlot.SlotMiniSound[s];
  const int v = FaceSlot.MiniVariant;
  const int kind = code - kAnimFirstMini + 30;
  if (kind == 34) {
    if (ThrownPicture(v, queued)) Complete(queued);
    return;
  }
  LoadCounters();
  bool done = false;
  switch (kind) {
    case 30:
      ThinkingDots(v);
      done = ThinkingDotsDone();
      break;
    case 31: done = CirclingMark(v); break;
    case 32: done = HoppingMark(v); break;
    case 33: done = JumpingMark(v); break;
    case 35: done = DroppedPicture(v); break;
    default: break;
  }
  SaveCounters();
  if (done) Complete(queued);
}

void ResetMiniPictureState() { MiniPicture = MiniPictureRecord{}; }
