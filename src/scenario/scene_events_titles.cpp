// Special events 11 to 14: the title sequence of the opening stages.
#include <algorithm>
#include <string>
#include <vector>

#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/interpolation.h"
#include "engine/layers.h"
#include "engine/numeric.h"
#include "engine/picture_catalogue.h"
#include "engine/string_utils.h"
#include "engine/text.h"
#include "scenario/motion_curves.h"
#include "scenario/scene_events.h"
#include "scenario/scene_sounds.h"

namespace special_events {

namespace {

constexpr int kPictureLayer = 21;  // event 11: the picture that changes
constexpr int kSquareLayer = 25;   // event 11: the square that drops onto it
constexpr int kTitlePicture = 1021;

// Event 11: where the square lands in each round, inward from the picture's right
// edge (a) and up from its bottom edge (b).
struct LandingRow {
  int a, b;
};
constexpr LandingRow kLandings[] = {{54, 50}, {220, 160}, {430, 25}, {570, 40}};
static_assert(std::size(kLandings) == 4);

void SquareDrops() {
  AnimationRunRecord& a = AnimationRun;
  const int r = a.AnimationSubStep;
  SetFrameLength(0, 0);
  if (a.AnimationFrame == 0) {
    PrepareAt(kSquareLayer, -10, -10, 10, 10, true);
    DrawState.TargetLayer = kPictureLayer;
    GetLayerRect(kRectIntoTarget, kPictureLayer);
    const Rect& t = DrawState.TargetRect;
    const LandingRow& l = kLandings[std::clamp(r, 0, 3)];
    SetSlot(0, t.X + t.Width - l.a, t.Y - 30, t.X + t.Width - l.a - 10, t.Y + t.Height - l.b);
    a.AnimationLength = 40;
    PlaySceneSound(3);
  }
  StepSlot(0, kMotionEaseIn);
  if (++a.AnimationFrame > a.AnimationLength) {
    ShowLayer(kSquareLayer, false);
    a.AnimationFrame = 0;
    a.AnimationStep = 1;
    SetFrameLength(-1, r == 1 ? 200 : 100);
  }
}

void PictureFlickers() {
  AnimationRunRecord& a = AnimationRun;
  SetFrameLength(-1, 20);
  const int p = 1010 + 2 * a.AnimationSubStep;
  if (a.AnimationFrame == 0) PlaySceneSound(4);
  a.AnimationLength = 20;
  DrawState.CurrentLayer = kPictureLayer;
  LoadCataloguePicture(1, a.AnimationFrame % 2 == 0 ? p : p + 1);
  if (++a.AnimationFrame <= a.AnimationLength) return;
  LoadCataloguePicture(1, p + 2);
  a.AnimationFrame = 0;
  a.AnimationStep = 0;
  if (++a.AnimationSubStep >= 4) Finish();
  else SetFrameLength(-1, 500);
}

void DrawTile() {
  AnimationRunRecord& a = AnimationRun;
  const int t = a.AnimationSubStep;
  PlaySceneSound(9);
  SetFrameLength(0, 0);
  TextStyleRecord& ts = TextStyle;
  std::vector<std::string> letters;
  int count = 0;
  SplitFields("Ｖ：Ｏ：Ｒ：Ｔ：Ｑ：Ｕ：Ｉ：Ｂ", "：", 8, letters, count);
  ts.CurrentText = t + 1 < static_cast<int>(letters.size()) ? letters[static_cast<size_t>(t + 1)] : std::string();
  ts.TextFontSize = 150;
  ts.TextBold = 0;
  ts.TextItalic = 0;
  const int w = ScreenSize.ScreenWidth;
  const int h = ScreenSize.ScreenHeight;
  const int x = (w / 4) * (t % 4) + w / 8;
  const int y = t < 4 ? h / 4 : (h / 4) * 3;
  PrepareAt(10 + t, x - 90, y - 90, 180, 180, true);
  ts.EdgeColor1 = RgbColor(0, 0, 0);
  ts.EdgeColor2 = RgbColor(255, 255, 255);
  BevelLines(10, 4);
  MeasureText(0);
  ts.TextX = 180 / 2 - ts.MeasuredWidth / 2;
  ts.TextY = 180 / 2 - ts.MeasuredHeight / 2;
  GlowText(0, 0, 0, 0);
  a.AnimationStep = 1;
}

void TileFlash() {
  AnimationRunRecord& a = AnimationRun;
  a.AnimationLength = 15;
  SetWindowBackColour(GreyColour(1.0f - static_cast<float>(a.AnimationFrame) / 15.0f));
  if (++a.AnimationFrame <= a.AnimationLength) return;
  a.AnimationFrame = 0;
  a.AnimationStep = 0;
  SetFrameLength(-1, 100);
  if (++a.AnimationSubStep >= 8) {
    a.AnimationStep = 2;
    SetFrameLength(-1, 1000);
  }
}

// One sprite and its trail below it, the trail alternating between two cells.
void PlaceTrail(int sprite, int cell) {
  ReadRect(sprite);
  const Rect r = DrawState.CurrentRect;
  DrawState.CurrentLayer = sprite + 1;
  SheetCell(cell);
  MoveTo(sprite + 1, r.X, r.Y + r.Height);
}

void PlaceY(int layer, double y) {
  ReadRect(layer);
  MoveTo(layer, DrawState.CurrentRect.X, RoundHalfEven(y));
}

double Sq(double v) { return v * v; }

void RiseFrame() {
  AnimationRunRecord& a = AnimationRun;
  const int w = a.AnimationSubStep;
  const int f = a.AnimationFrame;
  const int screenH = ScreenSize.ScreenHeight;
  a.AnimationLength = w == 0 ? 100 : 50;
  a.AnimationLength2 = w == 0 ? 140 : 200;
  MotionSlotRecord& origin = MotionSlot[0];
  if (f == 0) {
    DrawState.SheetIndex = 1;
    LoadCataloguePicture(2, 1020);
    DrawState.SheetIndex = 3;
    LoadCataloguePicture(2, 1022);
    if (w == 0) {
      for (int k = 0; k <= 2; ++k) {
        PrepareAt(11 + 2 * k, 320, screenH, 75, 100, true);
        SheetCell(130);
        PrepareAt(10 + 2 * k, 320, screenH, 75, 100, true);
        SheetCell(3 - k);
        LayerToFront(10 + 2 * k);
      }
      origin.MotionStartX = ScreenSize.ScreenHalfWidth + 100;
      origin.MotionStartY = 240;
    } else {
      ReadRect(10);
      origin.MotionStartX = DrawState.CurrentRect.X;
      origin.MotionStartY = DrawState.CurrentRect.Y + 10;
    }
  }
  const int x0 = origin.MotionStartX;
  const int y0 = origin.MotionStartY;
  if (w == 0) {
    if (f <= 100) {
      ReadRect(10);
      MoveTo(10, RoundHalfEven(x0 + 0.002 * Sq(140 - f)), RoundHalfEven(y0 + 0.05 * Sq(100 - f)));
    } else {
      PlaceY(10, y0 + 0.01 * Sq(100 - f));
    }
  } else if (f <= 50) {
    PlaceY(10, y0 - 0.004 * Sq(50 - f));
  } else if (f <= 140) {
    PlaceY(10, y0 - 0.2 * Sq(50 - f));
  } else {
    ReadRect(10);
    PlaceY(10, std::max(DrawState.CurrentRect.Y - 20, -300));
  }
  PlaceTrail(10, 130 + f % 2 + (w == 1 && f >= 51 ? 1 : 0));
  if (w == 1 && f >= 10) {
    ReadRect(12);
    MoveTo(12, 120, RoundHalfEven(screenH - 0.05 * Sq(10 - f)));
    PlaceTrail(12, 131 + f % 2);
  }
  if (w == 1 && f >= 30) {
    ReadRect(14);
    const int y = f <= 110 ? RoundHalfEven(screenH - 0.03 * Sq(30 - f)) : std::max(DrawState.CurrentRect.Y - 10, -300);
    MoveTo(14, ScreenSize.ScreenHalfWidth + 100, y);
    PlaceTrail(14, 131 + f % 2);
  }
  if (w == 0) {
    if (f == 0) PlaySceneSound(15, 0, -0.05f);
    if (f == 80) PlaySceneSound(15, 2, -0.12f);
  } else {
    if (f == 50) PlaySceneSound(16, 1, -0.07f);
    if (f == 60) PlaySceneSound(18, 3, -0.12f);
    if (f == 85) PlaySceneSound(16, 4, -0.04f);
  }
  if (++a.AnimationFrame <= a.AnimationLength2) return;
  a.AnimationFrame = 0;
  if (++a.AnimationSubStep > 1) Finish();
}

void GreenBackground() {
  AnimationRunRecord& a = AnimationRun;
  const float t = static_cast<float>(a.AnimationFrame) * 0.025f;
  SetWindowBackColour(RgbColor(0, RoundHalfEven(t * 200.0f), 0));
  ++a.AnimationFrame;
  if (t == 1.0f) {
    a.AnimationFrame = 0;
    a.AnimationStep = 1;
    SetWindowBackColour(RgbColor(0, 197, 0));
  }
}

void StripsAssemble() {
  AnimationRunRecord& a = AnimationRun;
  const int f = a.AnimationFrame;
  if (f == 0) {
    DrawState.SheetIndex = 2;
    LoadCataloguePicture(2, kTitlePicture);
    for (int i = 0; i <= 9; ++i) {
      PrepareAt(i, ScreenSize.ScreenWidth, 0, 365, 5, true);
      SheetCell(210 + i);
      ReadRect(i);
      int w = DrawState.CurrentRect.Width;
      DrawState.CurrentLayer = i;
      SetSlot(i, i % 2 == 0 ? -w : ScreenSize.ScreenWidth, 10 + 50 * i, CentreX(w) - 4, 42 + 6 * i);
    }
    a.AnimationLength = 30;
  }
  const int len = a.AnimationLength;
  for (int i = 0; i <= 9; ++i) {
    const MotionSlotRecord& s = MotionSlot[static_cast<size_t>(i)];
    MoveTo(i, InterpolateRounded(s.MotionStartX, s.MotionEndX, f, len, NoFrames::kOneFrame),
           InterpolateRounded(s.MotionStartY, s.MotionEndY, f, len, NoFrames::kOneFrame));
  }
  if (f == a.AnimationLength / 10) PlaySceneSound(10, 1);
  if (++a.AnimationFrame <= a.AnimationLength) return;
  DrawState.CurrentLayer = 0;
  SheetCell(200);
  for (int i = 1; i <= 9; ++i) ShowLayer(i, false);
  a.AnimationFrame = 0;
  a.AnimationStep = 2;
}

void PicturesZoom() {
  AnimationRunRecord& a = AnimationRun;
  const int s = a.AnimationSubStep;
  const int cell = 201 + s;
  const int pw = s < 3 ? 213 : 199;
  const int ph = s < 3 ? 209 : 239;
  BlitSpec.BlitWidth = pw;
  BlitSpec.BlitHeight = ph;
  const int gx = s < 3 ? 80 + 220 * s : CentreX(199) - 1;
  const int gy = s < 3 ? 92 : 310;
  MotionSlotRecord& slot = MotionSlot[0];
  if (a.AnimationFrame == 0) {
    PrepareAt(9, 0, 0, pw, ph, false);
    SheetCell(cell);
    SetSlot(0, gx + pw / 2 - 5, gy + ph / 2 - 5, gx, gy);
    slot.MotionStartWidth = 10;
    slot.MotionStartHeight = 10;
    slot.MotionEndWidth = pw;
    slot.MotionEndHeight = ph;
    if (s < 3) {
      PlaySceneSound(11, s + 1);
      a.AnimationLength = 32;
    } else {
      PlaySceneSound(12, 4);
      a.AnimationLength = 56;
    }
  }
  const int len = a.AnimationLength;
  const int f = a.AnimationFrame;
  if (s == 3 && f == a.AnimationLength - 10) PlaySceneSound(14, 5);
  auto at = [len, f](int start, int end) { return Interpolate(start, end, f, len, NoFrames::kOneFrame); };
  StretchBltCopy(9, GameForm, 0,
                 {0, 0, pw, ph, at(slot.MotionStartX, slot.MotionEndX), at(slot.MotionStartY, slot.MotionEndY),
                  at(slot.MotionStartWidth, slot.MotionEndWidth), at(slot.MotionStartHeight, slot.MotionEndHeight)});
  if (++a.AnimationFrame <= a.AnimationLength) return;
  PrepareAt(s + 1, gx, gy, pw, ph, true);
  SheetCell(cell);
  MoveTo(s + 1, gx, gy);
  a.AnimationFrame = 0;
  if (++a.AnimationSubStep >= 4) {
    a.AnimationSubStep = 0;
    a.AnimationStep = 3;
    SetFrameLength(-1, 1000);
  }
}

void BottomBar() {
  AnimationRunRecord& a = AnimationRun;
  SetFrameLength(0, 0);
  if (a.AnimationFrame == 0) {
    PrepareAt(5, 0, 0, ScreenSize.ScreenWidth, 30, false);
    SheetCell(205);
    ReadRect(5);
    const int w = DrawState.CurrentRect.Width;
    const int h = DrawState.CurrentRect.Height;
    DrawState.CurrentLayer = 5;
    SetSlot(0, -w, ScreenSize.ScreenHeight - h, 0, ScreenSize.ScreenHeight - h);
    a.AnimationLength = 20;
  }
  if (a.AnimationFrame == a.AnimationLength / 2) PlaySceneSound(13);
  StepSlot(0, kMotionLinear);
  if (++a.AnimationFrame <= a.AnimationLength) return;
  for (int layer = 0; layer <= 5; ++layer) ShowLayer(layer, false);
  LoadCataloguePicture(0, kTitlePicture);
  Finish();
}

}  // namespace

void PictureRounds() {
  if (AnimationRun.AnimationStep == 0) SquareDrops();
  else PictureFlickers();
}

void LetterTiles() {
  switch (AnimationRun.AnimationStep) {
    case 0: DrawTile(); break;
    case 1: TileFlash(); break;
    default:
      for (int layer = 10; layer <= 17; ++layer) ShowLayer(layer, false);
      Finish();
      break;
  }
}

void RisingSprites() { RiseFrame(); }

void TitleBuildUp() {
  switch (AnimationRun.AnimationStep) {
    case 0: GreenBackground(); break;
    case 1: StripsAssemble(); break;
    case 2: PicturesZoom(); break;
    default: BottomBar(); break;
  }
}

}  // namespace special_events
