// The Vadrim title's frame dispatch, its copy of the common timed effects (700 to
// 899) and its screen transitions (1000 to 1100).
//
// This copy differs from the Marbrook one on purpose: it has the back-colour fade
// 825, runs 800 and 801 at the loop's own frame length, and leaves
// EffectResumesStep at 0 (and a 100 ms delay after 700).
#include <algorithm>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/interpolation.h"
#include "engine/layers.h"
#include "engine/numeric.h"
#include "engine/system_menu.h"
#include "games/motion_slot_store.h"
#include "games/timed_effects.h"
#include "scenario/event_motion.h"
#include "scenario/motion_curves.h"
#include "vadrim/title_screen.h"
#include "vadrim/vadrim_mode.h"
#include "vadrim/vadrim_pictures.h"
#include "vadrim/vadrim_sounds.h"

using namespace vadrim_title;

namespace {

// A length of 0 would divide by zero: it counts as 1.
int Frames() { return std::max(EffectParams.EffectFrames, 1); }

void PlaySoundCue() {
  const EffectSoundCueRecord& cue = EffectParams.EffectSoundCue;
  if (cue.EffectSound >= 1 && AnimationRun.AnimationFrame == cue.EffectSoundFrame) PlayScreenSound(cue.EffectSound, 0);
}

void Pause() {
  SetFrameLength(-1, EffectParams.EffectFrameDelay);
  if (!CountFramePast(1)) return;
  EndCommonEffect();
  EffectParams.EffectFrameDelay = 100;
  EffectParams.EffectResumesStep = 0;
}

void AfterMove() {
  EndCommonEffect();
  EffectParams.EffectMotionKind = kMotionEaseOut;
  EffectParams.EffectResumesStep = 0;
  EffectParams.EffectSoundCue.EffectSound = 0;
}

void SlideOne() {
  if (AnimationRun.AnimationFrame == 0) {
    D50_StoreSprite(0);
    AnimationRun.AnimationLength = EffectParams.EffectFrames;
  }
  PlaySoundCue();
  MotionSlotStep(0, EffectParams.EffectMotionKind);
  if (CountFramePast(AnimationRun.AnimationLength)) AfterMove();
}

void SlideSlots() {
  AnimationRun.AnimationLength = EffectParams.EffectFrames;
  PlaySoundCue();
  const int last = std::min(EffectParams.EffectLastSlot, kMotionSlotCount - 1);
  for (int slot = 0; slot <= last; ++slot) MotionSlotStep(slot, EffectParams.EffectMotionKind);
  if (!CountFramePast(AnimationRun.AnimationLength)) return;
  EffectParams.EffectLastSlot = 0;
  AfterMove();
}

void Blink() {
  SetFrameLength(-1, EffectParams.EffectFrameDelay);
  ShowLayer(DrawState.CurrentLayer, AnimationRun.AnimationFrame % 2 == 1);
  AnimationRun.AnimationLength = EffectParams.EffectFrames;
  if (!CountFramePast(AnimationRun.AnimationLength)) return;
  EndCommonEffect();
  EffectParams.EffectResumesStep = 0;
}

void BackColourFade() {
  AnimationRun.AnimationLength = Frames();
  const double step = 255.0 / Frames() * AnimationRun.AnimationFrame;
  switch (EffectParams.EffectVariant) {
    case 0: WindowGrey(RoundHalfEven(step)); break;
    case 1: WindowGrey(RoundHalfEven(255.0 - step)); break;
    default: break;
  }
  if (!CountFramePast(AnimationRun.AnimationLength)) return;
  EndCommonEffect();
  EffectParams.EffectResumesStep = 0;
}

// 1010: the slots go away in a straight line while the frame blinks in four-frame phases.
void RowsAway() {
  const int frames = Frames();
  AnimationRun.AnimationLength = frames;
  if (AnimationRun.AnimationFrame <= frames) {
    const int last = std::min(EffectParams.EffectLastSlot, kMotionSlotCount - 1);
    for (int slot = 0; slot <= last; ++slot) MotionSlotStep(slot, kMotionLinear);
  }
  const int frame = TitleWords.FrameLayer;
  DrawState.CurrentLayer = frame;
  ShowLayer(frame, (AnimationRun.AnimationFrame / 4) % 2 == 0);
  AnimationRun.AnimationLength = 40;
  if (!CountFramePast(40)) return;
  ShowLayer(frame, false);
  FrameClock.FrameLoopRunning = 0;
}

// 1015: a white sheet sweeps in from the left, then the white window fades to black.
void WhiteThenBlack() {
  SetFrameLength(0, 0);
  AnimationRunRecord& r = AnimationRun;
  const int w = WindowWidth();
  if (r.AnimationStep == 0) {
    constexpr int kSheet = 19;
    DrawState.CurrentLayer = kSheet;
    MotionSlotRecord& s = MotionSlot[0];
    if (r.AnimationFrame == 0) {
      DrawState.CurrentRect = {-w, 0, w, WindowHeight()};
      PrepareLayer(kPreparePictureShown);
      LayerInfo(kSheet).BackColor = Grey(255);
      ClearLayerImage(kSheet);
      LayerToFront(kSheet);
      s.MotionStartX = -w;
      s.MotionStartY = 0;
      s.MotionEndX = 0;
      s.MotionEndY = 0;
      r.AnimationLength = 10;
    }
    const int x = InterpolateRounded(s.MotionStartX, s.MotionEndX, r.AnimationFrame, 10, NoFrames::kOneFrame);
    const int y = InterpolateRounded(s.MotionStartY, s.MotionEndY, r.AnimationFrame, 10, NoFrames::kOneFrame);
    DrawState.CurrentRect.X = x;
    DrawState.CurrentRect.Y = y;
    MoveLayer(kSheet, x, y, LayerWidth(kSheet), LayerHeight(kSheet));
    if (!CountFramePast(10)) return;
    D00_LoadPicture(0, 0, 0);
    WindowGrey(255);
    HideLayerRange(0, 89);
    r.AnimationFrame = 0;
    r.AnimationSubStep = 0;
    r.AnimationStep = 1;
    SetFrameLength(-1, 500);
    return;
  }
  r.AnimationLength = 100;
  WindowGrey(RoundHalfEven(255.0 - 255.0 / 100.0 * r.AnimationFrame));
  if (CountFramePast(100)) FrameClock.FrameLoopRunning = 0;
}

// 1020 and 1021: the white cover grows from a point to the whole window, or shrinks to it.
void Cover(bool growing) {
  AnimationRunRecord& r = AnimationRun;
  const int frames = Frames();
  r.AnimationLength = frames;
  EventPictureRecord& point = EventPicture;
  if (EffectParams.EffectVariant == 0) {
    point.EventPictureWidth = ScreenSize.ScreenHalfWidth;
    point.EventPictureHeight = ScreenSize.ScreenHalfHeight;
  }
  const int overlay = SystemLayerSet.OverlayLayer;
  if (r.AnimationFrame == 0) {
    PlayScreenSound(growing ? 40 : 41, 0);
    DrawState.CurrentLayer = overlay;
    PrepareLayer(kPreparePictureShown);
    LayerInfo(overlay).BackColor = Grey(255);
    ClearLayerImage(overlay);
    const Rect spot{point.EventPictureWidth - 1, point.EventPictureHeight - 1, 2, 2};
    const Rect whole{0, 0, WindowWidth(), WindowHeight()};
    const Rect& from = growing ? spot : whole;
    const Rect& to = growing ? whole : spot;
    SetSizedMotionSlot(0, overlay, from, to);
  }
  MotionSlotStep(0, kMotionSizedLinear);
  if (!CountFramePast(frames)) return;
  if (!growing) ShowLayer(overlay, false);
  FrameClock.FrameLoopRunning = 0;
}

// 1025: the route's background is painted onto the window two lines a frame, one
// sweep from the top and one from the bottom.
void BackgroundIn() {
  AnimationRunRecord& r = AnimationRun;
  if (r.AnimationFrame == 0) {
    DrawState.CurrentLayer = 0;
    DrawState.CurrentRect.X = 0;
    DrawState.CurrentRect.Y = 0;
    PrepareLayer(kPreparePictureHidden);
    D00_LoadPicture(1, EffectParams.FadeBackgroundKind, 0);
  }
  const int h = WindowHeight();
  const int f = r.AnimationFrame;
  DrawState.CurrentRect.Height = 1;
  tq::Surface& window = LayerImage(GameForm);
  const tq::Surface& source = LayerImage(0);
  tq::CopyRect(window, 0, f, source, 0, f, WindowWidth(), 1);
  tq::CopyRect(window, 0, h - 1 - f, source, 0, h - 1 - f, WindowWidth(), 1);
  window.MarkChanged();
  r.AnimationFrame += 2;
  if (r.AnimationFrame < h) return;
  D00_LoadPicture(0, EffectParams.FadeBackgroundKind, 0);
  FrameClock.FrameLoopRunning = 0;
}

}  // namespace

bool D00_Frame() {
  const int code = FrameClock.AnimationCode;
  if (code >= 700 && code <= 899) return D00_FrameFade();
  if (code >= 900 && code <= 919) return D00_FrameLogo();
  if (code >= 920 && code <= 999) return D00_FrameMenu();
  if (code >= 1000 && code <= 1100) return D00_FrameScreen();
  return false;
}

bool D00_FrameFade() {
  switch (FrameClock.AnimationCode) {
    case kEffectPause: Pause(); return true;
    case kEffectMove: SlideOne(); return true;
    case kEffectMoveSlots: SlideSlots(); return true;
    case kEffectBlink: Blink(); return true;
    case kBackColourFade: BackColourFade(); return true;
    default: return false;  // no effect has this code: its loop ends
  }
}

bool D00_FrameScreen() {
  switch (FrameClock.AnimationCode) {
    case kRowsAway: RowsAway(); return true;
    case kWhiteThenBlack: WhiteThenBlack(); return true;
    case kCover: Cover(true); return true;
    case kUncover: Cover(false); return true;
    case kBackgroundIn: BackgroundIn(); return true;
    default: return false;
  }
}
