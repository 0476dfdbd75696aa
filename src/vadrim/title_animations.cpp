// The Vadrim title's animations: the opening logo (900), the title appearance
// (903), the main menu in and out (905, 910), the way out to a new story (911),
// and the route select in (920) and the route chosen (921).
//
// Every animation steps through AnimationStep; AnimationFrame counts the frames of
// a step and AnimationSubStep its items. A step ends by zeroing both counters,
// moving AnimationStep on and, for a pause, making the frame last that long.
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/interpolation.h"
#include "engine/layers.h"
#include "engine/numeric.h"
#include "engine/string_utils.h"
#include "engine/text.h"
#include "games/timed_effects.h"
#include "platform/pixels.h"
#include "scenario/event_motion.h"
#include "scenario/motion_curves.h"
#include "vadrim/title_screen.h"
#include "vadrim/vadrim_mode.h"
#include "vadrim/vadrim_pictures.h"
#include "vadrim/vadrim_sounds.h"

using namespace vadrim_title;

namespace {

constexpr int kLetterCount = 7;
constexpr int kLetterKind = 1;
constexpr int kButtonKind = 9;
constexpr int kButtonWidth = 173;
constexpr int kButtonHeight = 58;
constexpr int kFrameLayer = 9;  // the logo's frame; also the white box of 921
constexpr int kWhiteSheet = 19;

// Per-button flags and target tops of the main menu's drop.
int slideDone[5] = {};
int slideTargetY[5] = {};
// The letters of the title appearance that have landed.
int letterLanded[7] = {};

// k := (e - s) / L^2 in single precision, as the motion curves keep it.
double QuadFactor(int s, int e, int l) {
  const double len = l < 1 ? 1 : l;
  return static_cast<float>((static_cast<double>(e) - s) / (len * len));
}
int Ease(int s, int e, int f, int l) {
  const double rest = static_cast<double>(l) - f;
  return RoundHalfEven(e - QuadFactor(s, e, l) * rest * rest);
}
// Ease-out at double speed: s at 0, e at L / 2.
int Hop(int s, int e, int f, int l) {
  const double rest = static_cast<double>(l) - 2.0 * f;
  return RoundHalfEven(e - QuadFactor(s, e, l) * rest * rest);
}

void Prepare(int layer, int x, int y, int w, int h) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {x, y, w, h};
  PrepareLayer(kPreparePictureShown);
}

// Prepares layer off the right edge, loads the picture and reads its size back.
Rect LoadedLayer(int layer, int kind, int number) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect.X = WindowWidth();
  DrawState.CurrentRect.Y = 0;
  PrepareLayer(kPreparePictureShown);
  D00_LoadPicture(1, kind, number);
  GetLayerRect(kRectIntoCurrent, layer);
  return DrawState.CurrentRect;
}

void Fill(int layer, uint32_t colour) {
  LayerInfo(layer).BackColor = colour;
  ClearLayerImage(layer);
}

// The logo frame: black with a white outline.
void OutlinedFrame() {
  Fill(kFrameLayer, 0);
  tq::Surface& image = LayerImage(kFrameLayer);
  tq::DrawBox(image, 0, 0, image.Width() - 1, image.Height() - 1, tq::PixelFromColor(Grey(255)));
  image.MarkChanged();
}

Rect Centred(int w, int h) { return {CentreX(w), CentreY(h), w, h}; }

int LetterX(int i) { return WindowWidth() - 140 + 19 * i; }

void LoadLetters(int firstLayer) {
  DrawState.SheetIndex = 0;
  D00_LoadPicture(2, kLetterKind, 0);
  for (int i = 0; i < kLetterCount; ++i) {
    Prepare(firstLayer + i, LetterX(i), WindowHeight(), 16, 16);
    ClipCellToLayer(0, 16 * i, 0, 16, 16);
    MoveLayerKeepingSize(firstLayer + i, LetterX(i), WindowHeight());
  }
}

// Steps 2 and 3 of the logo: the letters rise (or sink) one after the other.
void Letters(bool rising) {
  AnimationRunRecord& r = AnimationRun;
  if (r.AnimationFrame == 0 && r.AnimationSubStep == 0) {
    if (rising) LoadLetters(0);
    for (int i = 0; i < kLetterCount; ++i) {
      const int y = rising ? WindowHeight() : LayerTop(i);
      SetMotionSlot(i, i, LetterX(i), y, LetterX(i), rising ? WindowHeight() - 21 : WindowHeight());
    }
    r.AnimationLength = 10;
  }
  const int n = r.AnimationSubStep;
  const MotionSlotRecord& s = MotionSlot[static_cast<size_t>(n)];
  if (r.AnimationFrame == 0) PlayScreenSound(3, 1);
  MoveLayerKeepingSize(n, InterpolateRounded(s.MotionStartX, s.MotionEndX, r.AnimationFrame, 10, NoFrames::kOneFrame),
                       InterpolateRounded(s.MotionStartY, s.MotionEndY, r.AnimationFrame, 10, NoFrames::kOneFrame));
  if (!CountFramePast(10)) return;
  r.AnimationFrame = 0;
  if (++r.AnimationSubStep >= kLetterCount) NextAnimationStep(rising ? 500 : 100);
}

// The logo frame moves and sizes along slot 0 while the window flashes from white.
void LogoFrameMoves() {
  WindowGrey(255 - 10 * AnimationRun.AnimationFrame);
  MotionSlotStep(0, kMotionSizedLinear);
  OutlinedFrame();
}

void Logo() {
  SetFrameLength(0, 0);
  AnimationRunRecord& r = AnimationRun;
  switch (r.AnimationStep) {
    case 0:  // the frame closes in
      if (AnimationRun.AnimationFrame == 0) {
        const Rect from = Centred(WindowWidth(), ScreenSize.ScreenHalfWidth);
        Prepare(kFrameLayer, from.X, from.Y, from.Width, from.Height);
        SetSizedMotionSlot(0, kFrameLayer, from, Centred(350, 175));
        r.AnimationLength = 24;
      }
      if (AnimationRun.AnimationFrame == 10) PlayScreenSound(1, 0);
      LogoFrameMoves();
      if (!CountFramePast(24)) return;
      WindowGrey(0);
      Fill(kFrameLayer, 0);
      TextStyle.CurrentText = "制作";
      TextStyle.TextFontSize = 115;
      TextStyle.TextX = 23;
      TextStyle.TextY = 11;
      TextStyle.TextColor = Grey(255);
      TextStyle.ShadeColor1 = Grey(210);
      TextStyle.ShadeColor2 = Grey(170);
      TextStyle.ShadeColor3 = Grey(145);
      TextStyle.ShadeColor4 = Grey(140);
      TextStyle.ShadeColor5 = Grey(120);
      PrintText(11, kFrameLayer);
      NextAnimationStep(0);
      return;
    case 1: {  // the frame shakes, then stands still at home
      MotionSlotRecord& home = MotionSlot[0];
      if (AnimationRun.AnimationFrame == 0 && r.AnimationSubStep == 0) {
        GetLayerRect(kRectIntoCurrent, kFrameLayer);
        home.MotionStartX = DrawState.CurrentRect.X;
        home.MotionStartY = DrawState.CurrentRect.Y;
      }
      const int spread = r.AnimationSubStep == 0 ? 2 : 1;
      const int dx = RandomRange(0, 2 * spread) - spread;
      const int dy = RandomRange(0, 2 * spread) - spread;
      MoveLayerKeepingSize(kFrameLayer, home.MotionStartX + dx, home.MotionStartY + dy);
      if (!CountFramePast(10)) return;
      r.AnimationFrame = 0;
      if (++r.AnimationSubStep < 2) return;
      MoveLayerKeepingSize(kFrameLayer, home.MotionStartX, home.MotionStartY);
      NextAnimationStep(500);
      return;
    }
    case 2: Letters(true); return;
    case 3: Letters(false); return;
    case 4:  // the frame closes to a point in a white flash
      if (AnimationRun.AnimationFrame == 0) {
        GetLayerRect(kRectIntoCurrent, kFrameLayer);
        const Rect from = DrawState.CurrentRect;
        Fill(kFrameLayer, 0);
        SetSizedMotionSlot(0, kFrameLayer, from, Centred(10, 5));
        r.AnimationLength = 12;
        PlayScreenSound(2, 0);
      }
      LogoFrameMoves();
      if (!CountFramePast(12)) return;
      WindowGrey(0);
      ShowLayer(kFrameLayer, false);
      NextAnimationStep(0);
      return;
    case 5:  // to white
      r.AnimationLength = 64;
      WindowGrey(RoundHalfEven(255.0 / 64 * AnimationRun.AnimationFrame));
      if (CountFramePast(64)) Wait(0, 0);
      return;
    default: Wait(0, 0); return;
  }
}

constexpr uint32_t kTileColours[] = {RgbColor(240, 110, 170), RgbColor(247, 148, 29), RgbColor(58, 181, 74),
                                     RgbColor(0, 173, 239)};
constexpr Rect kTileEnds[] = {{3, 192, 116, 116}, {121, 178, 116, 116}, {241, 193, 116, 116}, {361, 228, 92, 92}};

void Tiles() {
  AnimationRunRecord& r = AnimationRun;
  const int t = r.AnimationSubStep;
  const int layer = 5 + t;
  if (AnimationRun.AnimationFrame == 0) {
    const Rect starts[] = {{CentreX(600), WindowHeight(), 600, 600},
                           {-600, CentreY(600), 600, 600},
                           {CentreX(600), -600, 600, 600},
                           {WindowWidth(), CentreY(600), 600, 600}};
    const Rect& from = starts[t];
    Prepare(layer, from.X, from.Y, from.Width, from.Height);
    SetSizedMotionSlot(0, layer, from, kTileEnds[t]);
    r.AnimationLength = 16;
    PlayScreenSound(6, t);
  }
  MotionSlotStep(0, kMotionSizedEaseOut);
  TextStyle.TextColor = kTileColours[t];
  Fill(layer, TextStyle.TextColor);
  LayerToFront(layer);
  if (!CountFramePast(16)) return;
  DrawState.SheetIndex = 1;
  D00_LoadPicture(2, kTitlePictureKind, 1);
  DrawState.CurrentLayer = layer;
  if (t < 3) ClipCellToLayer(1, 116 * t, 0, 116, 116);
  else ClipCellToLayer(1, 348, 0, 92, 92);
  r.AnimationFrame = 0;
  if (++r.AnimationSubStep >= 4) NextAnimationStep(100);
}

void LettersHop() {
  AnimationRunRecord& r = AnimationRun;
  const int top = WindowHeight() - 21;
  MotionSlotRecord& s = MotionSlot[0];
  if (AnimationRun.AnimationFrame == 0) {
    LoadLetters(10);
    for (int& landed : letterLanded) landed = 0;
    s.MotionStartY = WindowHeight();
    s.MotionEndY = top - 20;
    r.AnimationLength = 20;
    PlayScreenSound(4, 1);
  }
  int count = 0;
  for (int i = 0; i < kLetterCount; ++i) {
    const int f = AnimationRun.AnimationFrame - 3 * i;
    const int y = Hop(s.MotionStartY, s.MotionEndY, f, 20);
    if (letterLanded[i] == 0 && f >= 0) {
      MoveLayerKeepingSize(10 + i, LetterX(i), y);
      if (f > 10 && y >= top) {
        MoveLayerKeepingSize(10 + i, LetterX(i), top);
        letterLanded[i] = 1;
      }
    }
    count += letterLanded[i];
  }
  ++r.AnimationFrame;
  if (count == kLetterCount) NextAnimationStep(300);
}

void TitleAppears() {
  SetFrameLength(0, 0);
  AnimationRunRecord& r = AnimationRun;
  switch (r.AnimationStep) {
    case 0:  // title picture A
      if (AnimationRun.AnimationFrame == 0) {
        const Rect a = LoadedLayer(0, 10, 0);
        SetMotionSlot(0, 0, -a.Width, 188, 0, 188);
        r.AnimationLength = 10;
        PlayScreenSound(5, 1);
      }
      MotionSlotStep(0, kMotionEaseOut);
      if (CountFramePast(10)) NextAnimationStep(300);
      return;
    case 1: Tiles(); return;
    case 2:  // title picture B, behind
      if (AnimationRun.AnimationFrame == 0) {
        const Rect b = LoadedLayer(1, 10, 1);
        SetMotionSlot(0, 1, -b.Width, 188, 0, 188);
        r.AnimationLength = 25;
        LayerToBack(1);
        LayerToBack(0);
        PlayScreenSound(7, 0);
      }
      MotionSlotStep(0, kMotionEaseOut);
      if (CountFramePast(25)) NextAnimationStep(500);
      return;
    case 3:  // picture A gives way to its replacement
      PlayScreenSound(8, 0);
      DrawState.CurrentLayer = 0;
      D00_LoadPicture(1, 10, 2);
      ShowLayer(1, false);
      NextAnimationStep(500);
      return;
    case 4:  // the background
      if (AnimationRun.AnimationFrame == 0) {
        const Rect back = LoadedLayer(1, kTitlePictureKind, 3);
        SetMotionSlot(0, 1, -back.Width, 0, 0, 0);
        r.AnimationLength = 20;
        LayerToBack(1);
        PlayScreenSound(9, 0);
      }
      MotionSlotStep(0, kMotionEaseOut);
      if (!CountFramePast(20)) return;
      D00_LoadPicture(0, kTitlePictureKind, 3);
      ShowLayer(1, false);
      NextAnimationStep(100);
      return;
    case 5:  // two halves of the last title picture meet
      if (AnimationRun.AnimationFrame == 0) {
        for (int h = 0; h <= 1; ++h) {
          const int layer = 1 + h;
          DrawState.CurrentLayer = layer;
          DrawState.CurrentRect.X = WindowWidth();
          PrepareLayer(kPreparePictureShown);
          DrawState.SheetIndex = 2;
          D00_LoadPicture(2, kTitlePictureKind, 2);
          ClipCellToLayer(2, ScreenSize.ScreenHalfWidth * h, 0, ScreenSize.ScreenHalfWidth, WindowHeight());
          GetLayerRect(kRectIntoCurrent, layer);
          if (h == 0) SetMotionSlot(0, layer, -DrawState.CurrentRect.Width, 0, 0, 0);
          else SetMotionSlot(1, layer, WindowWidth(), 0, ScreenSize.ScreenHalfWidth, 0);
          LayerToBack(layer);
        }
        r.AnimationLength = 20;
      }
      if (AnimationRun.AnimationFrame == 5) PlayScreenSound(10, 0);
      MotionSlotStep(0, kMotionEaseOut);
      MotionSlotStep(1, kMotionEaseOut);
      if (CountFramePast(20)) NextAnimationStep(200);
      return;
    case 6: LettersHop(); return;
    default: Wait(0, 0); return;
  }
}

void MenuIn() {
  SetFrameLength(0, 0);
  AnimationRunRecord& r = AnimationRun;
  const TitleWordsRecord& t = TitleWords;
  if (r.AnimationStep > 0) {
    Wait(0, 0);
    return;
  }
  if (AnimationRun.AnimationFrame == 0) {
    PlayScreenSound(11, 1);
    for (int i = 0; i <= 4; ++i) {
      const int layer = t.BtnFirst + i;
      DrawState.CurrentLayer = layer;
      DrawState.CurrentRect.X = WindowWidth();
      PrepareLayer(kPreparePictureShown);
      DrawState.SheetIndex = 0;
      D00_LoadPicture(2, kTitlePictureKind, kButtonKind);
      if (t.BtnEnabled[i] == 1 || t.BtnEnabled[i] == 0) {
        ClipCellToLayer(0, t.BtnEnabled[i] == 1 ? 0 : kButtonWidth, kButtonHeight * i, kButtonWidth, kButtonHeight);
      }
      GetLayerRect(kRectIntoCurrent, layer);
      int w = DrawState.CurrentRect.Width;
      const int h = DrawState.CurrentRect.Height;
      const int x = i < 4 ? ScreenSize.ScreenHalfWidth - (2 * w + 39) + (w + 26) * i : 0;
      const int y = i < 4 ? 535 : WindowHeight() - h;
      SetMotionSlot(i, layer, CentreX(w), WindowHeight(), x, y);
    }
    r.AnimationLength = 20;
  }
  for (int i = 0; i <= 4; ++i) MotionSlotStep(i, kMotionEaseOut);
  if (CountFramePast(20)) NextAnimationStep(0);
}

void MenuOut() {
  SetFrameLength(0, 0);
  AnimationRunRecord& r = AnimationRun;
  TitleWordsRecord& t = TitleWords;
  const int picked = t.BtnFirst + t.PickedItem;
  ShowLayer(picked, AnimationRun.AnimationFrame % 8 >= 4);
  t.BtnLast = 4;
  if (AnimationRun.AnimationFrame == 0) {
    PlayScreenSound(kClickSound, 0);
    for (int i = t.BtnLast; i >= 0; --i) LayerToFront(t.BtnFirst + i);
    for (int i = 0; i <= t.BtnLast; ++i) {
      slideDone[i] = 0;
      if (i == t.PickedItem) continue;
      GetLayerRect(kRectIntoCurrent, t.BtnFirst + i);
      const int y = DrawState.CurrentRect.Y;
      SetMotionSlot(i, t.BtnFirst + i, DrawState.CurrentRect.X, y + 300, DrawState.CurrentRect.X, y);
      slideTargetY[i] = y + 300;
      slideDone[i] = 1;
    }
    r.AnimationLength = 24;
    r.AnimationFrame = 24;
  }
  bool moving = false;
  for (int i = 0; i <= t.BtnLast; ++i) {
    if (slideDone[i] != 1) continue;
    const MotionSlotRecord& s = MotionSlot[static_cast<size_t>(i)];
    const int layer = t.BtnFirst + i;
    const int y = Ease(s.MotionStartY, s.MotionEndY, AnimationRun.AnimationFrame, 24);
    MoveLayerKeepingSize(layer, LayerLeft(layer), y);
    if (slideTargetY[i] <= y) {
      MoveLayerKeepingSize(layer, LayerLeft(layer), slideTargetY[i]);
      slideDone[i] = 0;
    }
    moving = moving || slideDone[i] == 1;
  }
  ++r.AnimationFrame;
  if (moving || AnimationRun.AnimationFrame % 8 != 7) return;
  if (EffectParams.EffectVariant == 1) ShowLayer(picked, false);
  FrameClock.FrameLoopRunning = 0;
}

void NewStoryOut() {
  SetFrameLength(0, 0);
  AnimationRunRecord& r = AnimationRun;
  const TitleWordsRecord& t = TitleWords;
  const int picked = t.BtnFirst + t.PickedItem;
  MotionSlotRecord& s = MotionSlot[0];
  switch (r.AnimationStep) {
    case 0:  // a white sheet sweeps in under the picked button
      DrawState.CurrentLayer = kWhiteSheet;
      if (AnimationRun.AnimationFrame == 0) {
        Prepare(kWhiteSheet, -WindowWidth(), 0, WindowWidth(), WindowHeight());
        Fill(kWhiteSheet, Grey(255));
        LayerToFront(kWhiteSheet);
        LayerToFront(picked);
        s.MotionStartX = -WindowWidth();
        s.MotionStartY = 0;
        s.MotionEndX = 0;
        s.MotionEndY = 0;
        r.AnimationLength = 10;
      }
      MoveLayerKeepingSize(kWhiteSheet,
                           InterpolateRounded(s.MotionStartX, s.MotionEndX, r.AnimationFrame, 10, NoFrames::kOneFrame),
                           InterpolateRounded(s.MotionStartY, s.MotionEndY, r.AnimationFrame, 10, NoFrames::kOneFrame));
      if (!CountFramePast(10)) return;
      D00_LoadPicture(0, 0, 0);
      WindowGrey(255);
      HideLayerRange(0, 19);
      NextAnimationStep(200);
      return;
    case 1:  // the picked button slides on
      DrawState.CurrentLayer = picked;
      if (AnimationRun.AnimationFrame == 0) {
        GetLayerRect(kRectIntoCurrent, picked);
        s.MotionStartX = DrawState.CurrentRect.X;
        s.MotionStartY = DrawState.CurrentRect.Y;
        s.MotionEndX = DrawState.CurrentRect.X + 100;
        s.MotionEndY = DrawState.CurrentRect.Y;
        r.AnimationLength = 6;
        PlayScreenSound(17, 0);
      }
      MoveLayerKeepingSize(picked,
                           InterpolateRounded(s.MotionStartX, s.MotionEndX, r.AnimationFrame, 6, NoFrames::kOneFrame),
                           InterpolateRounded(s.MotionStartY, s.MotionEndY, r.AnimationFrame, 6, NoFrames::kOneFrame));
      if (!CountFramePast(6)) return;
      HideLayerRange(t.BtnFirst, t.BtnFirst + t.BtnLast);
      NextAnimationStep(1500);
      return;
    default:  // fade to black
      r.AnimationLength = 100;
      WindowGrey(RoundHalfEven(255.0 - 255.0 / 100 * AnimationRun.AnimationFrame));
      if (CountFramePast(100)) FrameClock.FrameLoopRunning = 0;
      return;
  }
}

void RouteSelectIn() {
  SetFrameLength(0, 0);
  AnimationRunRecord& r = AnimationRun;
  switch (r.AnimationStep) {
    case 0:  // the background closes in as strips from alternate sides
      if (AnimationRun.AnimationFrame == 0) {
        DrawState.SheetIndex = 0;
        D00_LoadPicture(2, 20, 0);
        const int h = WindowHeight() / 15;
        for (int i = 0; i <= 14; ++i) {
          const int x = i % 2 == 0 ? WindowWidth() : -WindowWidth();
          Prepare(i, x, h * i, WindowWidth(), h);
          ClipCellToLayer(0, 0, h * i, WindowWidth(), h);
          SetMotionSlot(i, i, x, h * i, 0, h * i);
        }
        r.AnimationLength = 30;
        PlayScreenSound(22, 1);
      }
      for (int i = 0; i <= 14; ++i) MotionSlotStep(i, kMotionEaseOut);
      if (!CountFramePast(30)) return;
      D00_LoadPicture(0, 20, 0);
      HideLayerRange(0, 14);
      NextAnimationStep(300);
      return;
    case 1:  // the header drops in
      if (AnimationRun.AnimationFrame == 0) {
        const Rect header = LoadedLayer(0, 50, 0);
        int w = header.Width;
        SetMotionSlot(0, 0, CentreX(w), -header.Height, CentreX(w), 40);
        r.AnimationLength = 20;
        PlayScreenSound(20, 0);
      }
      MotionSlotStep(0, kMotionEaseOut);
      if (CountFramePast(20)) NextAnimationStep(300);
      return;
    case 2:  // the three route panels fly in
      if (AnimationRun.AnimationFrame == 0) {
        for (int p = 0; p <= 2; ++p) {
          const Rect panel = LoadedLayer(1 + p, 51 + p, 0);
          int w = panel.Width;
          if (p == 0) SetMotionSlot(0, 1, -w, 185, 30, 185);
          else if (p == 1) SetMotionSlot(1, 2, CentreX(w), WindowHeight(), CentreX(w), 185);
          else SetMotionSlot(2, 3, WindowWidth(), 185, WindowWidth() - w - 30, 185);
        }
        r.AnimationLength = 20;
        PlayScreenSound(10, 0);
      }
      for (int i = 0; i <= 2; ++i) MotionSlotStep(i, kMotionEaseOut);
      if (CountFramePast(20)) Wait(0, 0);
      return;
    default: Wait(0, 0); return;
  }
}

// Per picked panel: where it shrinks to, the spot the black panels close on, and
// the white box that grows from there.
struct RouteSpot {
  Rect shrinkTo;
  int px, py;
  Rect box;
};
constexpr RouteSpot kSpots[] = {
    {{260, 300, 5, 10}, 195, 300, {216, 270, 98, 59}},
    {{440, 300, 5, 10}, 440, 300, {396, 270, 98, 59}},
    {{735, 360, 5, 10}, 835, 360, {685, 330, 98, 59}},
};

void OthersLeave(int p) {
  AnimationRunRecord& r = AnimationRun;
  const TitleWordsRecord& t = TitleWords;
  DrawState.CurrentLayer = t.FrameLayer;
  const bool low = AnimationRun.AnimationFrame % 8 < 4;
  ShowLayer(t.FrameLayer, !low);
  MoveLayerKeepingSize(5 + 2 * p, LayerLeft(5 + 2 * p), WindowHeight() - (low ? 50 : 40));
  MoveLayerKeepingSize(6 + 2 * p, LayerLeft(6 + 2 * p), WindowHeight() - (low ? 66 : 59));
  TitleWords.BtnLast = 4;
  if (AnimationRun.AnimationFrame == 0) {
    PlayScreenSound(21, 0);
    // The two other panels go sideways: (layer, end x as a function of its width).
    const int first = p == 0 ? 2 : 1;
    const int second = p == 2 ? 2 : 3;
    const int w1 = LayerWidth(first);
    const int w2 = LayerWidth(second);
    const int end1 = p == 0 ? WindowWidth() : (p == 1 ? -w1 : -400 - w1);
    const int end2 = p == 0 ? WindowWidth() + 400 : (p == 1 ? WindowWidth() : -w2);
    SetMotionSlot(0, first, LayerLeft(first), LayerTop(first), end1, LayerTop(first));
    SetMotionSlot(1, second, LayerLeft(second), LayerTop(second), end2, LayerTop(second));
    SetMotionSlot(2, 0, LayerLeft(0), LayerTop(0), LayerLeft(0), -LayerHeight(0));
  }
  r.AnimationLength = 20;
  r.AnimationLength2 = 80;
  if (AnimationRun.AnimationFrame <= 20) {
    for (int i = 0; i <= 2; ++i) MotionSlotStep(i, kMotionLinear);
  }
  if (CountFramePast(80)) NextAnimationStep(0);
}

void PanelShrinks(int p) {
  AnimationRunRecord& r = AnimationRun;
  const int layer = p + 1;
  if (AnimationRun.AnimationFrame == 0) {
    DrawState.CurrentLayer = layer;
    GetLayerRect(kRectIntoCurrent, layer);
    const Rect from = DrawState.CurrentRect;
    PrepareLayer(kPreparePictureShown);
    SetSizedMotionSlot(0, layer, from, kSpots[p].shrinkTo);
    r.AnimationLength = 30;
    PlayScreenSound(4, 1);
  }
  MotionSlotStep(0, kMotionSizedEaseOut);
  Fill(layer, Grey(255));
  TextStyle.TextColor = RgbColor(247, 182, 212);
  tq::Surface& image = LayerImage(layer);
  const int w = image.Width();
  const int h = image.Height();
  const uint32_t pink = tq::PixelFromColor(TextStyle.TextColor);
  tq::FillBox(image, 0, 0, w, 5, pink);
  tq::FillBox(image, 0, 0, 5, h, pink);
  tq::FillBox(image, 0, h - 5, w - 1, h - 1, pink);
  tq::FillBox(image, w - 5, 0, w - 1, h - 1, pink);
  image.MarkChanged();
  if (!CountFramePast(30)) return;
  ShowLayer(layer, false);
  NextAnimationStep(0);
}

void BlackPanelsClose(int p) {
  AnimationRunRecord& r = AnimationRun;
  EventPicture.EventPictureWidth = kSpots[p].px;
  EventPicture.EventPictureHeight = kSpots[p].py;
  const int px = kSpots[p].px;
  const int py = kSpots[p].py;
  if (AnimationRun.AnimationFrame == 0) {
    for (int line : {4, 7}) {
      Prepare(line, 0, 0, WindowWidth(), 3);
      Fill(line, Grey(255));
    }
    for (int line : {5, 6}) {
      Prepare(line, 0, 0, 3, WindowHeight());
      Fill(line, Grey(255));
    }
    const int starts[4][2] = {{0, -WindowHeight()}, {-WindowWidth(), 0}, {WindowWidth(), 0}, {0, WindowHeight()}};
    const int ends[4][2] = {{0, py - WindowHeight() - 30}, {px - WindowWidth() + 100, 0}, {px - 100, 0}, {0, py + 30}};
    for (int i = 0; i < 4; ++i) {
      Prepare(i, starts[i][0], starts[i][1], WindowWidth(), WindowHeight());
      EventMotionMark(i);
      MotionSlot[static_cast<size_t>(i)].MotionEndX = ends[i][0];
      MotionSlot[static_cast<size_t>(i)].MotionEndY = ends[i][1];
      MotionSlot[static_cast<size_t>(i)].MotionPause = 60;
    }
    r.AnimationLength = 60;
    PlayScreenSound(22, 0);
  }
  for (int i = 0; i < 4; ++i) {
    const MotionSlotRecord& s = MotionSlot[static_cast<size_t>(i)];
    const int x = Ease(s.MotionStartX, s.MotionEndX, AnimationRun.AnimationFrame, 60);
    const int y = Hop(s.MotionStartY, s.MotionEndY, AnimationRun.AnimationFrame, 60);
    MoveLayerKeepingSize(i, x, y);
    const int w = LayerWidth(i);
    const int h = LayerHeight(i);
    switch (i) {
      case 0: MoveLayerKeepingSize(4, LayerLeft(4), y + h); break;
      case 1: MoveLayerKeepingSize(5, x + w, LayerTop(5)); break;
      case 2: MoveLayerKeepingSize(6, x - 3, LayerTop(6)); break;
      default: MoveLayerKeepingSize(7, LayerLeft(7), y - 3); break;
    }
  }
  ++r.AnimationFrame;
  if (AnimationRun.AnimationFrame >= 30) NextAnimationStep(300);
}

void WhiteFills(int p) {
  AnimationRunRecord& r = AnimationRun;
  if (AnimationRun.AnimationFrame == 0) {
    WindowGrey(0);
    const Rect& b = kSpots[p].box;
    Prepare(kFrameLayer, b.X, b.Y, b.Width, b.Height);
    Fill(kFrameLayer, Grey(255));
    EventMotionMarkSize(0);
    MotionSlotRecord& s = MotionSlot[0];
    s.MotionEndX = 0;
    s.MotionEndY = 0;
    s.MotionEndWidth = WindowWidth();
    s.MotionEndHeight = WindowHeight();
    r.AnimationLength = 20;
    PlayScreenSound(23, 0);
  }
  MotionSlotStep(0, kMotionSizedLinear);
  if (!CountFramePast(20)) return;
  D00_LoadPicture(0, 0, 0);
  WindowGrey(255);
  HideLayerRange(0, 19);
  NextAnimationStep(0);
}

void RouteChosen() {
  SetFrameLength(0, 0);
  const int picked = TitleWords.PickedItem;
  const int p = picked >= 0 && picked <= 2 ? picked : 0;
  switch (AnimationRun.AnimationStep) {
    case 0: OthersLeave(p); return;
    case 1: {  // the chosen button and label drop
      AnimationRunRecord& r = AnimationRun;
      if (AnimationRun.AnimationFrame == 0) {
        for (int k = 0; k <= 1; ++k) {
          const int layer = 5 + 2 * p + k;
          SetMotionSlot(k, layer, LayerLeft(layer), LayerTop(layer), LayerLeft(layer), WindowHeight());
        }
        r.AnimationLength = 20;
      }
      MotionSlotStep(0, kMotionEaseOut);
      MotionSlotStep(1, kMotionEaseOut);
      if (CountFramePast(20)) NextAnimationStep(300);
      return;
    }
    case 2: PanelShrinks(p); return;
    case 3: BlackPanelsClose(p); return;
    case 4: WhiteFills(p); return;
    default: Wait(0, 0); return;
  }
}

}  // namespace

bool D00_FrameLogo() {
  switch (FrameClock.AnimationCode) {
    case kLogo: Logo(); return true;
    case kTitleAppears: TitleAppears(); return true;
    case kMenuIn: MenuIn(); return true;
    case kMenuOut: MenuOut(); return true;
    case kNewStoryOut: NewStoryOut(); return true;
    default: return false;
  }
}

bool D00_FrameMenu() {
  switch (FrameClock.AnimationCode) {
    case kRouteSelectIn: RouteSelectIn(); return true;
    case kRouteChosen: RouteChosen(); return true;
    default: return false;
  }
}
