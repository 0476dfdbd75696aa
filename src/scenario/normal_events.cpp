#include "scenario/normal_events.h"

#include <algorithm>
#include <iostream>

#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/numeric.h"
#include "engine/picture_catalogue.h"
#include "engine/system_menu.h"
#include "platform/platform.h"
#include "scenario/animation_dispatch.h"
#include "scenario/balloon_geometry.h"
#include "scenario/caption_events.h"
#include "scenario/conversation_scene.h"
#include "scenario/event_motion.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/motion_curves.h"
#include "scenario/scene_sounds.h"
#include "scenario/script_actions.h"
#include "scenario/script_conversion.h"

namespace {

constexpr int kFadePicture = 1000;  // the picture kinds 0 and 1 fade
constexpr uint32_t kWhite = RgbColor(255, 255, 255);

// Prepares `layer` at (x, y, w, h): cleared, black, borderless, shown or hidden.
void Prepare(int layer, int x, int y, int w, int h, bool shown) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {x, y, w, h};
  PrepareLayer(shown ? kPreparePictureShown : kPreparePictureHidden);
}

Rect RectOf(int layer) {
  if (!ValidLayer(layer)) return {};
  const tq::LayerSurface& l = tq::ThePlatform().Screen().Layer(layer);
  return {l.x, l.y, l.image.Width(), l.image.Height()};
}

// Setting a back colour erases what was drawn there.
void SetBackColour(int drawable, uint32_t colour) {
  LayerInfo(drawable).BackColor = colour;
  ClearLayerImage(drawable);
}

// One row of a layer's image onto the background, as the row reveals paint it.
void PaintRow(int layer, int srcX, int srcY, int width, int destX, int destY) {
  if (!ValidLayer(layer)) return;
  tq::CopyRect(LayerImage(GameForm), destX, destY, LayerImage(layer), srcX, srcY, width, 1);
}

int SlotFaceLayer() {
  const int s = LineState.CurrentSlot;
  return ValidFaceSlot(s) ? FaceSlot.FaceLayer[static_cast<size_t>(s)] : -1;
}

// f := f + 1; true when f has passed L, so frames 0 to L are drawn.
bool FramePassesLength() {
  AnimationRun.AnimationFrame += 1;
  return AnimationRun.AnimationFrame > AnimationRun.AnimationLength;
}

// A kind or variant that names no event would draw nothing and never end.
void RefuseEvent(const char* what) {
  std::cerr << "scenario: normal event " << FrameClock.AnimationCode - kAnimNormalEvents << " " << what
            << " has no frames; its line ends\n";
  FinishScriptAction();
}

// Kinds 0 and 1: picture 1000 fades in from black (0) or out to black (1) at the
// screen centre, blended through layer 1; at the end a snapshot of the screen is
// kept in layer 1, right of the visible area.
void PictureFade(int kind) {
  const ScreenSizeRecord& sc = ScreenSize;
  BlitSpecRecord& b = BlitSpec;
  if (AnimationRun.AnimationFrame == 0) {
    Prepare(0, -sc.ScreenWidth, 0, 512, 384, true);
    LoadCataloguePicture(1, kFadePicture);
    Prepare(1, -sc.ScreenWidth, 0, 512, 384, true);
    b.BlitWork = 1;
    b.BlitSource = 0;
    b.BlitTarget = GameForm;
    AnimationRun.AnimationLength = 10;
  }
  const Rect source = RectOf(b.BlitSource);
  b.BlitSrcX = 0;
  b.BlitSrcY = 0;
  b.BlitWidth = source.Width;
  b.BlitHeight = source.Height;
  b.BlitDestX = CentreX(b.BlitWidth);
  b.BlitDestY = CentreY(b.BlitHeight);
  SetLayerPicture(1, tq::Surface());
  const int step = (255 / AnimationRun.AnimationLength) * AnimationRun.AnimationFrame;
  const int alpha = kind == 0 ? step : 255 - step;
  const int w = b.BlitWidth;
  const int h = b.BlitHeight;
  AlphaBlendCopy(b.BlitSource, 1, alpha, {0, 0, w, h, 0, 0, w, h});
  StretchBltCopy(1, GameForm, 0, {0, 0, w, h, b.BlitDestX, b.BlitDestY, w, h});
  if (!FramePassesLength()) return;
  Prepare(1, sc.ScreenWidth, 0, sc.ScreenWidth, sc.ScreenHeight, true);
  BitBltCopy(GameForm, 1, {0, 0, sc.ScreenWidth, sc.ScreenHeight, 0, 0});
  b.BlitSource = 1;
  FinishScriptAction();
}

// Kind 2: black cells spiral in over the screen. Ring k has four sides s, each one
// segment in which OverlayLayer grows a cell a frame; a finished segment leaves a
// black band from the screen edge in layer OverlayLayer + 1 + s.
void SpiralWipe() {
  struct Spiral {
    int n, cw, ch, endRing, endSide;
  };
  static constexpr Spiral kSpirals[2] = {{9, 92, 69, 4, 3}, {4, 184, 138, 2, 1}};
  const int variant = LineCode.SubParam;
  if (variant != 0 && variant != 1) {
    RefuseEvent("with an unlisted variant");
    return;
  }
  const Spiral& sp = kSpirals[variant];
  const ScreenSizeRecord& sc = ScreenSize;
  AnimationRunRecord& run = AnimationRun;
  const int overlay = SystemLayerSet.OverlayLayer;
  const int k = run.AnimationStep;
  const int s = run.AnimationSubStep;
  MotionSlotRecord& start = MotionSlot[0];
  if (run.AnimationFrame == 0) {
    Prepare(overlay, 0, 0, DrawState.CurrentRect.Width, DrawState.CurrentRect.Height, true);
    switch (s) {
      case 0: start.MotionStartX = k * sp.cw, start.MotionStartY = k * sp.ch, run.AnimationLength = sp.n - 2 * k; break;
      case 1:
        start.MotionStartX = (sp.n - k) * sp.cw, start.MotionStartY = (k + 1) * sp.ch;
        run.AnimationLength = sp.n - 1 - 2 * k;
        break;
      case 2:
        start.MotionStartX = (sp.n - 1 - k) * sp.cw, start.MotionStartY = (sp.n - k) * sp.ch;
        run.AnimationLength = sp.n - 1 - 2 * k;
        break;
      default:
        start.MotionStartX = k * sp.cw, start.MotionStartY = (sp.n - 1 - k) * sp.ch;
        run.AnimationLength = sp.n - 2 - 2 * k;
        break;
    }
  }
  const int x0 = start.MotionStartX;
  const int y0 = start.MotionStartY;
  const int f = run.AnimationFrame;
  switch (s) {
    case 0: MoveLayer(overlay, x0, y0, (f + 1) * sp.cw, sp.ch); break;
    case 1: MoveLayer(overlay, x0, y0, sp.cw, (f + 1) * sp.ch); break;
    case 2: MoveLayer(overlay, x0 - f * sp.cw, y0, (f + 1) * sp.cw, sp.ch); break;
    default: MoveLayer(overlay, x0, y0 - f * sp.ch, sp.cw, (f + 1) * sp.ch); break;
  }
  if (!FramePassesLength()) return;
  GetLayerRect(kRectIntoCurrent, overlay);
  switch (s) {
    case 0: Prepare(overlay + 1 + s, 0, 0, sc.ScreenWidth, y0 + sp.ch, true); break;
    case 1: Prepare(overlay + 1 + s, x0, 0, sc.ScreenWidth - x0, sc.ScreenHeight, true); break;
    case 2: Prepare(overlay + 1 + s, 0, y0, sc.ScreenWidth, sc.ScreenHeight - y0, true); break;
    default: Prepare(overlay + 1 + s, 0, 0, x0 + sp.cw, sc.ScreenHeight, true); break;
  }
  run.AnimationFrame = 0;
  run.AnimationSubStep = s + 1;
  if (k == sp.endRing && run.AnimationSubStep == sp.endSide) {
    FinishScriptAction();
    return;
  }
  if (run.AnimationSubStep > 3) {
    run.AnimationSubStep = 0;
    run.AnimationStep = k + 1;
  }
}

// Kind 5: the background's colour ramps from black to white (variant 0) or white to
// black (1) over S + 1 frames (101 when S is 0); other variants keep it black.
void BackColourRamp() {
  const int sub = LineCode.Speaker;
  AnimationRun.AnimationLength = sub != 0 ? sub : 100;
  const double step = 255.0 / AnimationRun.AnimationLength * AnimationRun.AnimationFrame;
  int v = 0;
  if (LineCode.SubParam == 0) v = RoundHalfEven(step);
  if (LineCode.SubParam == 1) v = RoundHalfEven(255.0 - step);
  SetBackColour(GameForm, Grey(v));
  if (FramePassesLength()) FinishScriptAction();
}

// Kinds 6 and 7: a white rectangle grows from the centre point to the whole screen
// and stays (6), or shrinks back to the point and is hidden (7).
void WhiteFlash(int kind) {
  const ScreenSizeRecord& sc = ScreenSize;
  AnimationRunRecord& run = AnimationRun;
  EventPictureRecord& centre = EventPicture;
  const int sub = LineCode.Speaker;
  run.AnimationLength = sub != 0 ? 10 * sub : 100;
  const int variant = LineCode.SubParam;
  if (variant == 0) {
    centre = {sc.ScreenHalfWidth, sc.ScreenHalfHeight};
  } else if (kind == 6 && variant == 10) {
    centre = {sc.ScreenWidth - 107, 196};
  } else if (kind == 6 && variant == 11) {
    centre = {sc.ScreenWidth - 100, 500};
  }
  const int overlay = SystemLayerSet.OverlayLayer;
  if (run.AnimationFrame == 0) {
    DrawState.CurrentLayer = overlay;
    PrepareLayer(kPreparePictureShown);
    SetBackColour(overlay, kWhite);
    MotionSlotRecord& slot = MotionSlot[0];
    slot.MotionLayer = overlay;
    const Rect point{centre.EventPictureWidth - 1, centre.EventPictureHeight - 1, 2, 2};
    const Rect screen{0, 0, sc.ScreenWidth, sc.ScreenHeight};
    const Rect& from = kind == 6 ? point : screen;
    const Rect& to = kind == 6 ? screen : point;
    slot.MotionStartX = from.X, slot.MotionStartY = from.Y;
    slot.MotionStartWidth = from.Width, slot.MotionStartHeight = from.Height;
    slot.MotionEndX = to.X, slot.MotionEndY = to.Y;
    slot.MotionEndWidth = to.Width, slot.MotionEndHeight = to.Height;
  }
  MotionState.CurrentMotionSlot = 0;
  MotionCurveStep(kMotionSizedLinear);
  if (!FramePassesLength()) return;
  if (kind == 7) ShowLayer(overlay, false);
  FinishScriptAction();
}

// Kind 10: picture PictureTable(V) arrives on the background row by row, even rows
// from the top and odd rows from the bottom, and is then set as its picture.
void PictureRowReveal() {
  const ScreenSizeRecord& sc = ScreenSize;
  AnimationRunRecord& run = AnimationRun;
  if (run.AnimationFrame == 0) {
    Prepare(0, 0, 0, DrawState.CurrentRect.Width, DrawState.CurrentRect.Height, false);
    const int v = LineCode.SubParam;
    const int picture = v >= 0 && v < kPictureTableSize ? ConversationScene.PictureTable[static_cast<size_t>(v)] : 0;
    LoadCataloguePicture(1, picture);
    BlitSpec.BlitLayer = 0;
    ScriptAction.EffectPicture = picture;
  }
  const int f = run.AnimationFrame;
  PaintRow(BlitSpec.BlitLayer, 0, f, sc.ScreenWidth, 0, f);
  PaintRow(BlitSpec.BlitLayer, 0, sc.ScreenHeight - 1 - f, sc.ScreenWidth, 0, sc.ScreenHeight - 1 - f);
  run.AnimationFrame = f + 2;
  if (run.AnimationFrame < sc.ScreenHeight) return;
  LoadCataloguePicture(0, ScriptAction.EffectPicture);
  FinishScriptAction();
}

// Kind 12: two black half-screen panels slide in from the sides and meet in frame
// 10; then the scene is cleared: the background's picture and layers 0 to V (or to
// LastSceneLayer when V is 0).
void ClosingPanels() {
  const ScreenSizeRecord& sc = ScreenSize;
  AnimationRunRecord& run = AnimationRun;
  if (run.AnimationFrame == 0) {
    for (int i = 0; i < 2; ++i) {
      const int y = i == 0 ? 0 : sc.ScreenHeight / 2;
      Prepare(i + 1, i == 0 ? sc.ScreenWidth : -sc.ScreenWidth, y, sc.ScreenWidth, sc.ScreenHeight / 2, true);
      EventMotionMark(i);
      MotionSlot[static_cast<size_t>(i)].MotionEndX = 0;
      MotionSlot[static_cast<size_t>(i)].MotionEndY = y;
    }
    PlaySceneSound(8);
  }
  run.AnimationLength = 10;
  for (int i = 0; i < 2; ++i) {
    MotionState.CurrentMotionSlot = i;
    MotionCurveStep(kMotionLinear);
  }
  if (!FramePassesLength()) return;
  SetLayerPicture(GameForm, tq::Surface());
  const int last = LineCode.SubParam != 0 ? LineCode.SubParam : SystemLayerSet.LastSceneLayer;
  for (int layer = 0; layer <= std::min(last, tq::kLayerCount - 1); ++layer) ShowLayer(layer, false);
  if (run.DirectEffectRun == 1) {
    FrameClock.FrameLoopRunning = 0;
  } else {
    FinishScriptAction();
  }
}

// Kind 13: four black panels with white edge lines close on a point; the event
// ends at frame 30, just short of the panels' end points.
void IrisPanels() {
  const ScreenSizeRecord& sc = ScreenSize;
  AnimationRunRecord& run = AnimationRun;
  EventPictureRecord& centre = EventPicture;
  if (LineCode.SubParam == 0) centre = {sc.ScreenHalfWidth, sc.ScreenHalfHeight};
  if (LineCode.SubParam == 10) centre = {400, 380};
  const int cx = centre.EventPictureWidth;
  const int cy = centre.EventPictureHeight;
  if (run.AnimationFrame == 0) {
    PlaySceneSound(23);
    for (int edge = 5; edge <= 8; ++edge) {
      const bool across = edge == 5 || edge == 8;
      Prepare(edge, 0, 0, across ? sc.ScreenWidth : 2, across ? 2 : sc.ScreenHeight, true);
      SetBackColour(edge, kWhite);
    }
    const int w = sc.ScreenWidth;
    const int h = sc.ScreenHeight;
    const Rect kPanels[4] = {{0, -h, 0, cy - h - 15}, {-w, 0, cx - w + 70, 0}, {w, 0, cx - 70, 0}, {0, h, 0, cy + 15}};
    for (int i = 0; i < 4; ++i) {
      const Rect& p = kPanels[i];  // start (X, Y), end (Width, Height)
      Prepare(1 + i, p.X, p.Y, w, h, true);
      EventMotionMark(i);
      MotionSlotRecord& slot = MotionSlot[static_cast<size_t>(i)];
      slot.MotionEndX = p.Width;
      slot.MotionEndY = p.Height;
      slot.MotionPause = 60;
    }
    run.AnimationLength = 60;
  }
  for (int i = 0; i < 4; ++i) {
    MotionState.CurrentMotionSlot = i;
    MotionCurveStep(kMotionArc);
    const Rect r = RectOf(1 + i);
    const Rect edge = RectOf(5 + i);
    switch (i) {
      case 0: MoveLayer(5, edge.X, r.Y + r.Height, edge.Width, edge.Height); break;
      case 1: MoveLayer(6, r.X + r.Width, edge.Y, edge.Width, edge.Height); break;
      case 2: MoveLayer(7, r.X - 2, edge.Y, edge.Width, edge.Height); break;
      default: MoveLayer(8, edge.X, r.Y - 2, edge.Width, edge.Height); break;
    }
  }
  run.AnimationFrame += 1;
  if (run.AnimationFrame >= run.AnimationLength / 2) FinishScriptAction();
}

// Kinds 15 and 16: the picture of the line's face layer painted onto the background,
// row by row from the top and the bottom (15) or at once (16).
void FacePictureToBackground(int kind) {
  const ScreenSizeRecord& sc = ScreenSize;
  AnimationRunRecord& run = AnimationRun;
  BlitSpecRecord& b = BlitSpec;
  b.BlitLayer = SlotFaceLayer();
  const Rect face = RectOf(b.BlitLayer);
  int w = face.Width;
  int h = face.Height;
  b.BlitSrcX = 0;
  b.BlitSrcY = 0;
  switch (LineCode.SubParam) {
    case -1: {
      const int overlay = SystemLayerSet.OverlayLayer;
      if (run.AnimationFrame == 0) {
        Prepare(overlay, face.X, face.Y, sc.ScreenWidth, sc.ScreenHeight, false);
        SetBackColour(overlay, 0);
      }
      b.BlitLayer = overlay;
      const Rect r = RectOf(overlay);
      w = r.Width;
      h = r.Height;
      b.BlitDestX = 0;
      b.BlitDestY = 0;
      break;
    }
    case 0: b.BlitDestX = sc.ScreenHalfWidth - w / 2, b.BlitDestY = sc.ScreenHalfHeight - h / 2; break;
    case 1: b.BlitDestX = 0, b.BlitDestY = 0; break;
    case 10: b.BlitDestX = sc.ScreenHalfWidth - w / 2, b.BlitDestY = 70; break;
    case 11: b.BlitDestX = sc.ScreenHalfWidth - w / 2, b.BlitDestY = 80; break;
    case 12: b.BlitLayer = 0, b.BlitDestX = 80, b.BlitDestY = 30, w = 640, h = 480; break;
    case 50: b.BlitDestX = 0, b.BlitDestY = 0, w = sc.ScreenWidth, h = sc.ScreenHeight, b.BlitSrcY = 460; break;
    default: RefuseEvent("with an unlisted variant"); return;
  }
  b.BlitWidth = w;
  b.BlitHeight = h;
  if (kind == 15) {
    const int f = run.AnimationFrame;
    PaintRow(b.BlitLayer, b.BlitSrcX, b.BlitSrcY + f, b.BlitWidth, b.BlitDestX, b.BlitDestY + f);
    PaintRow(b.BlitLayer, b.BlitSrcX, b.BlitSrcY + b.BlitHeight - 1 - f, b.BlitWidth, b.BlitDestX,
             b.BlitDestY + b.BlitHeight - 1 - f);
    run.AnimationFrame = f + 2;
    if (run.AnimationFrame < b.BlitHeight) return;
  }
  PaintLayerToForm(1);
  FinishScriptAction();
}

// Kind 30: the background pulses red three times; six phases of 21 frames, rising in
// the even phases and falling in the odd ones.
void RedPulses() {
  AnimationRunRecord& run = AnimationRun;
  const int phase = run.AnimationSubStep;
  const bool rising = phase % 2 == 0;
  SetFrameLength(-2, rising ? 30 : 20);
  if (run.AnimationFrame == 0 && rising) PlaySceneSound(26);
  // 200 t with t = 0.05 f: whole at every frame.
  const int r = rising ? 10 * run.AnimationFrame : 200 - 10 * run.AnimationFrame;
  SetBackColour(GameForm, RgbColor(r, 0, 0));
  run.AnimationFrame += 1;
  if (run.AnimationFrame <= 20) return;
  run.AnimationFrame = 0;
  run.AnimationSubStep = phase + 1;
  if (run.AnimationSubStep % 2 == 0) SetFrameLength(-2, 100);
  if (run.AnimationSubStep > 5) FinishScriptAction();
}

// Kind 31: the line's face shakes sideways, dying down from 41 pixels to 1, and
// comes back to its home position.
void FaceShake() {
  if (LineCode.SubParam != 10) {
    RefuseEvent("with a variant other than 10");
    return;
  }
  AnimationRunRecord& run = AnimationRun;
  SetFrameLength(-2, 20);
  run.AnimationLength = 130;
  const int f = run.AnimationFrame;
  const int d = std::max(1, RoundHalfEven(40.0 / 130.0 * (130 - f) + 1));
  const int layer = SlotFaceLayer();
  const Rect r = RectOf(layer);
  const int home = BalloonGeometry.FaceLeft;
  MoveLayer(layer, f % 2 == 0 ? home + d : home - d, BalloonGeometry.FaceTop, r.Width, r.Height);
  run.AnimationFrame = f + 1;
  if (run.AnimationFrame < run.AnimationLength) return;
  MoveLayer(layer, home, BalloonGeometry.FaceTop, r.Width, r.Height);
  FinishScriptAction();
}

}  // namespace

void NormalEventTick() {
  const int kind = FrameClock.AnimationCode - kAnimNormalEvents;
  switch (kind) {
    case 0:
    case 1: PictureFade(kind); return;
    case 2: SpiralWipe(); return;
    case 5: BackColourRamp(); return;
    case 6:
    case 7: WhiteFlash(kind); return;
    case 10: PictureRowReveal(); return;
    case 12: ClosingPanels(); return;
    case 13: IrisPanels(); return;
    case 15:
    case 16: FacePictureToBackground(kind); return;
    case 20:
    case 21: CaptionPiecesFrame(kind); return;
    case 22:
    case 23: CaptionBlockFrame(kind); return;
    case 30: RedPulses(); return;
    case 31: FaceShake(); return;
    case 40:
    case 41:
    case 42:
    case 43:
    case 44:
    case 45: FinaleEventTick(); return;
    case 50: NarrationLineFrame(); return;
    case 51: NarrationFadeBackFrame(); return;
    default: RefuseEvent("(no such event)"); return;
  }
}
