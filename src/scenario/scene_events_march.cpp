// Special events 7 to 9: the march of the figures, the group window and its closing.
#include <algorithm>

#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/numeric.h"
#include "engine/picture_catalogue.h"
#include "engine/text.h"
#include "scenario/balloon_drawing.h"
#include "scenario/balloon_geometry.h"
#include "scenario/face_slots.h"
#include "scenario/motion_curves.h"
#include "scenario/scene_events.h"
#include "scenario/scene_sounds.h"

namespace special_events {

namespace {

constexpr int kFirstCopy = 10;  // layers 10 to 17: the marching copies
constexpr int kLastCopy = 17;
constexpr int kMarchPicture = 120;
constexpr int kWavingPicture = 130;
constexpr int kMarchSound = 28;
constexpr int kStride = 200;     // pixels between two figures of the column
constexpr int kStretch = 800;    // how far one stretch of the march goes
constexpr int kWindowLayer = 10;  // the group window
constexpr int kFirstGroupSlot = 3;
constexpr int kLastGroupSlot = 6;

int LeftOf(int layer) {
  ReadRect(layer);
  return DrawState.CurrentRect.X;
}

void SetLeft(int layer, int x) {
  ReadRect(layer);
  MoveTo(layer, x, DrawState.CurrentRect.Y);
}

// The beats of the quick march: 1.5 x (40 - 3s) slowing, then 1.5 x (30 + 3(s - 3)).
int BeatLength(int s) {
  const double v = s <= 2 ? 1.5 * (40 - 3 * s) : 1.5 * (30 + 3 * (s - 3));
  return RoundHalfEven(v);
}

void BeatSound() {
  const AnimationRunRecord& a = AnimationRun;
  const int f = a.AnimationFrame;
  const int q = a.AnimationLength / 4;
  if (f == 0 || (q > 0 && f % q == 0 && f <= 3 * q)) PlaySceneSound(kMarchSound, f / 10);
}

// Slots 0 to 7 take the copies from where they stand, `dx` along.
void MarkCopies(int dx) {
  for (int i = 0; i <= 7; ++i) {
    DrawState.CurrentLayer = kFirstCopy + i;
    ReadRect(kFirstCopy + i);
    MarkSlot(i, DrawState.CurrentRect.X + dx, DrawState.CurrentRect.Y);
  }
}

void StepCopies(int curve) {
  for (int i = 0; i <= 7; ++i) StepSlot(i, curve);
}

// After each beat the half of the column that has gone past is set behind the other.
void RegroupAfterBeat(int direction) {
  const int s = AnimationRun.AnimationSubStep;
  const int behind = s % 2 == 1 ? kLastCopy : kFirstCopy + 3;
  const int first = s % 2 == 1 ? kFirstCopy : kFirstCopy + 4;
  const int base = LeftOf(behind);
  for (int i = 0; i <= 3; ++i) SetLeft(first + i, base - direction * kStride * (i + 1));
}

void MarchStart() {
  AnimationRunRecord& a = AnimationRun;
  if (a.AnimationFrame == 0) {
    PlaySceneSound(kMarchSound);
    PlaySceneSound(-1);
    for (int i = 0; i <= 3; ++i) {
      DrawState.CurrentLayer = 40 + 5 * i;
      ReadRect(DrawState.CurrentLayer);
      MarkSlot(i, DrawState.CurrentRect.X + kStretch, DrawState.CurrentRect.Y);
    }
    ReadRect(55);
    Rect r = DrawState.CurrentRect;
    for (int i = 4; i <= 11; ++i) {
      r.X -= kStride;
      PrepareAt(i + 6, r.X, r.Y, r.Width, r.Height, true);
      LoadCataloguePicture(1, kMarchPicture);
      SetSlot(i, r.X, r.Y, r.X + kStretch, r.Y);
    }
    a.AnimationLength = 120;
  }
  for (int i = 0; i <= 11; ++i) StepSlot(i, kMotionEaseIn);
  if (++a.AnimationFrame > a.AnimationLength) {
    a.AnimationFrame = 0;
    a.AnimationStep = 1;
  }
}

// Steps 1 and 4: six beats, to the right (direction 1) or to the left (-1).
void Beats(int direction, int nextStep) {
  AnimationRunRecord& a = AnimationRun;
  if (a.AnimationFrame == 0) {
    if (direction < 0 && a.AnimationSubStep == 0) {
      const int base = LeftOf(kFirstCopy);
      for (int i = 0; i <= 3; ++i) SetLeft(kFirstCopy + 4 + i, base + kStride * (i + 1));
    }
    MarkCopies(direction * kStretch);
    a.AnimationLength = BeatLength(a.AnimationSubStep);
  }
  BeatSound();
  StepCopies(kMotionLinear);
  if (++a.AnimationFrame > a.AnimationLength) {
    a.AnimationFrame = 0;
    ++a.AnimationSubStep;
    RegroupAfterBeat(direction);
    if (a.AnimationSubStep > 5) {
      a.AnimationSubStep = 0;
      a.AnimationStep = nextStep;
    }
  }
}

// Steps 2, 3 and 5: one long stretch with two beat sounds.
void Stretch(int direction, int curve, int secondSoundFrame) {
  AnimationRunRecord& a = AnimationRun;
  if (a.AnimationFrame == 0) {
    if (a.AnimationStep == 2) {
      DrawState.CurrentLayer = kFirstCopy + 6;
      LoadCataloguePicture(1, kWavingPicture);
    }
    MarkCopies(direction * kStretch);
    a.AnimationLength = 120;
  }
  if (a.AnimationFrame == 0 || a.AnimationFrame == secondSoundFrame) PlaySceneSound(kMarchSound);
  StepCopies(curve);
  if (++a.AnimationFrame <= a.AnimationLength) return;
  a.AnimationFrame = 0;
  a.AnimationSubStep = 0;
  switch (a.AnimationStep) {
    case 2:
      a.AnimationStep = 3;
      SetFrameLength(-1, 500);
      PlaySceneSound(-1);
      break;
    case 3:
      a.AnimationStep = 4;
      DrawState.CurrentLayer = kFirstCopy + 6;
      LoadCataloguePicture(1, kMarchPicture);
      break;
    default: {
      // The faces take the places where the last four copies stopped.
      for (int i = 0; i <= 3; ++i) {
        ReadRect(kFirstCopy + 4 + i);
        MoveTo(FaceSlot.FaceLayer[static_cast<size_t>(6 - i)], DrawState.CurrentRect.X, DrawState.CurrentRect.Y);
      }
      for (int layer = kFirstCopy; layer <= kLastCopy; ++layer) ShowLayer(layer, false);
      PlaySceneSound(-1);
      Finish();
      break;
    }
  }
}

int ConnectorLayer(int slot) { return FaceSlot.BalloonLayer[static_cast<size_t>(slot)] + 1; }

// Hides, places, raises, frames and shows the window layer at (x, y, w, h).
void RedrawWindow(int x, int y, int w, int h) {
  ShowLayer(kWindowLayer, false);
  MoveLayer(kWindowLayer, x, y, w, h);
  LayerToFront(kWindowLayer);
  DrawState.CurrentLayer = kWindowLayer;
  DrawState.CurrentRect = {x, y, w, h};
  DrawBevelFrame(10, 30, 100);
  ShowLayer(kWindowLayer, true);
}

void ShowConnectors() {
  const Rect& w = TextWindow.WindowRect;
  for (int slot = kFirstGroupSlot; slot <= kLastGroupSlot; ++slot) {
    DrawState.TargetLayer = FaceSlot.FaceLayer[static_cast<size_t>(slot)];
    GetLayerRect(kRectIntoTarget, DrawState.TargetLayer);
    const Rect& t = DrawState.TargetRect;
    Rect r;
    switch (slot) {
      case 3: r = {w.X + w.Width - 16, w.Y + 30, 32, 23}; break;
      case 4: r = {t.X + t.Width / 2 - 21, w.Y - 16, 23, 32}; break;
      case 5: r = {t.X + t.Width / 2 - 1, w.Y - 16, 23, 32}; break;
      default: r = {w.X - 16, w.Y + 30, 32, 23}; break;
    }
    PrepareAt(ConnectorLayer(slot), r.X, r.Y, r.Width, r.Height, true);
    DrawBevelFrame(10, 20, 100);
  }
}

void WindowGrows() {
  AnimationRunRecord& a = AnimationRun;
  DrawState.StepDoneCount = 0;
  TextWindow.WindowLayer = kWindowLayer;
  DrawState.CurrentLayer = kWindowLayer;
  Rect& w = TextWindow.WindowRect;
  if (a.AnimationFrame == 0) {
    w = {CentreX(500), 185, 500, 150};
    DrawState.CurrentRect.Width = 500 / 5;
    DrawState.CurrentRect.Height = 150 / 5;
    PrepareLayer(kPreparePictureHidden);
  }
  ReadRect(kWindowLayer);
  Rect r = DrawState.CurrentRect;
  r.Width += w.Width / 10;
  if (r.Width >= w.Width) {
    r.Width = w.Width;
    ++DrawState.StepDoneCount;
  }
  r.Height += w.Height / 10;
  if (r.Height >= w.Height) {
    r.Height = w.Height;
    ++DrawState.StepDoneCount;
  }
  RedrawWindow(w.X + w.Width / 2 - r.Width / 2, w.Y, r.Width, r.Height);
  if (a.AnimationFrame == 5) ShowConnectors();
  ++a.AnimationFrame;
  if (DrawState.StepDoneCount == 2) {
    TextStyleRecord& t = TextStyle;
    t.TextFontSize = 30;
    t.LineHeight = 21;
    t.TextX = 12;
    t.TextY = 10;
    DrawState.CurrentLayer = kWindowLayer;
    DrawState.CurrentRect = w;
    BalloonText(20);
    a.AnimationFrame = 0;
    a.AnimationStep = 1;
  }
}

void WindowShakes() {
  AnimationRunRecord& a = AnimationRun;
  SetFrameLength(-2, 30);
  TextWindow.WindowLayer = kWindowLayer;
  auto layerOf = [](int i) { return i == 0 ? kWindowLayer : ConnectorLayer(kFirstGroupSlot + i - 1); };
  if (a.AnimationFrame == 0) {
    PlaySceneSound(57);
    for (int i = 0; i <= 4; ++i) {
      ReadRect(layerOf(i));
      MotionSlot[static_cast<size_t>(i)].MotionStartX = DrawState.CurrentRect.X;
      MotionSlot[static_cast<size_t>(i)].MotionStartY = DrawState.CurrentRect.Y;
    }
  }
  a.AnimationLength = 15;
  const bool up = a.AnimationFrame % 2 == 0 && a.AnimationFrame <= a.AnimationLength;
  ++a.AnimationFrame;
  const bool done = a.AnimationFrame > a.AnimationLength;
  for (int i = 0; i <= 4; ++i) {
    const MotionSlotRecord& s = MotionSlot[static_cast<size_t>(i)];
    const int lift = up && !done ? (i == 0 ? 10 : 5) : 0;
    MoveTo(layerOf(i), s.MotionStartX, s.MotionStartY - lift);
  }
  if (done) Finish();
}

}  // namespace

void March() {
  SetFrameLength(-1, 7);
  switch (AnimationRun.AnimationStep) {
    case 0: MarchStart(); break;
    case 1: Beats(1, 2); break;
    case 2: Stretch(1, kMotionEaseOut, 60); break;
    case 3: Stretch(-1, kMotionEaseIn, 60); break;
    case 4: Beats(-1, 5); break;
    case 5: Stretch(-1, kMotionEaseOut, 40); break;
    default: Finish(); break;
  }
}

void GroupWindow() {
  if (AnimationRun.AnimationStep == 0) WindowGrows();
  else WindowShakes();
}

void GroupWindowCloses() {
  AnimationRunRecord& a = AnimationRun;
  TextWindow.WindowLayer = kWindowLayer;
  DrawState.CurrentLayer = kWindowLayer;
  DrawState.StepDoneCount = 0;
  ReadRect(kWindowLayer);
  Rect& w = TextWindow.WindowRect;
  if (a.AnimationFrame == 0) w = DrawState.CurrentRect;
  Rect r = DrawState.CurrentRect;
  // A side narrower than 7 pixels would shrink by nothing and never close.
  ShrinkSide(r.Width, std::max(1, w.Width / 7));
  ShrinkSide(r.Height, std::max(1, w.Height / 7));
  RedrawWindow(w.X + w.Width / 2 - r.Width / 2, w.Y, r.Width, r.Height);
  if (a.AnimationFrame == 0) {
    ShowLayer(ConnectorLayer(3), false);
    ShowLayer(ConnectorLayer(6), false);
  } else if (a.AnimationFrame == 3) {
    ShowLayer(ConnectorLayer(4), false);
    ShowLayer(ConnectorLayer(5), false);
  }
  ++a.AnimationFrame;
  if (DrawState.StepDoneCount == 2) {
    ShowLayer(kWindowLayer, false);
    Finish();
  }
}

}  // namespace special_events
