#include "scenario/scene_events.h"

#include <cstdlib>
#include <iostream>
#include <string>

#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/numeric.h"
#include "engine/picture_catalogue.h"
#include "engine/text.h"
#include "platform/pixels.h"
#include "scenario/animation_dispatch.h"
#include "scenario/balloon_geometry.h"
#include "scenario/event_motion.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/motion_curves.h"
#include "scenario/scene_sounds.h"
#include "scenario/script_actions.h"
#include "scenario/script_conversion.h"

SpecialEventRecord SpecialEvent;

namespace special_events {

void PrepareAt(int layer, int x, int y, int w, int h, bool shown) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {x, y, w, h};
  PrepareLayer(shown ? kPreparePictureShown : kPreparePictureHidden);
}

void MoveTo(int layer, int x, int y) { MoveLayerKeepingSize(layer, x, y); }

void ReadRect(int layer) { GetLayerRect(kRectIntoCurrent, layer); }

void MarkSlot(int slot, int endX, int endY) {
  EventMotionMark(slot);
  if (slot < 0 || slot >= static_cast<int>(MotionSlot.size())) return;
  MotionSlot[static_cast<size_t>(slot)].MotionEndX = endX;
  MotionSlot[static_cast<size_t>(slot)].MotionEndY = endY;
}

void SetSlot(int slot, int startX, int startY, int endX, int endY) { EventMotionSet(startX, startY, endX, endY, slot); }

void StepSlot(int slot, int curve) {
  MotionState.CurrentMotionSlot = slot;
  MotionCurveStep(curve);
}

// The window's back colour fills its background, as setting it clears what was painted.
void SetWindowBackColour(uint32_t colour) {
  LayerInfo(GameForm).BackColor = colour;
  ClearLayerImage(GameForm);
}

void ShrinkSide(int& side, int by) {
  side -= by;
  if (side <= 0) {
    side = 0;
    ++DrawState.StepDoneCount;
  }
}

void Finish() { FinishScriptAction(); }

}  // namespace special_events

using namespace special_events;

namespace {

// Paints a full-width row of layer BlitLayer onto the window's background.
void PaintRow(int sourceY, int windowY) {
  BlitSpecRecord& b = BlitSpec;
  b.BlitSrcX = 0;
  b.BlitSrcY = sourceY;
  b.BlitWidth = ScreenSize.ScreenWidth;
  b.BlitHeight = 1;
  b.BlitDestX = 0;
  b.BlitDestY = windowY;
  PaintLayerToForm(1);
}

// The caption box of the open text slot closes to the centre of WindowRect.
void CloseCaptionBox() {
  AnimationRunRecord& a = AnimationRun;
  const int layer = TextWindow.NarrationLayer;
  DrawState.CurrentLayer = layer;
  DrawState.StepDoneCount = 0;
  ReadRect(layer);
  if (a.AnimationSubStep == 0) {
    a.AnimationSubStep = 1;
    PlaySceneSound(21);
  }
  const Rect& w = TextWindow.WindowRect;
  Rect& r = DrawState.CurrentRect;
  ShrinkSide(r.Width, w.Width / 15);
  ShrinkSide(r.Height, w.Height / 15);
  r.X = w.X + w.Width / 2 - r.Width / 2;
  r.Y = w.Y + w.Height / 2 - r.Height / 2;
  ShowLayer(layer, false);
  MoveLayer(layer, r.X, r.Y, r.Width, r.Height);
  LayerToFront(layer);
  switch (FaceSlot.BalloonCategory) {
    case 5: DrawBevelFrame(10, 30, 31); break;
    case 6: DrawBevelFrame(10, 30, 100); break;
    case 10: DrawBevelFrame(10, 20, 31); break;
    default: break;
  }
  ShowLayer(layer, true);
  if (DrawState.StepDoneCount == 2) {
    ShowLayer(layer, false);
    const int slot = FaceSlot.TextSlotIndex;
    if (ValidTextSlot(slot)) TextSlot.TextSlotState[static_cast<size_t>(slot)] = 0;
  }
}

void BackgroundScroll() {
  AnimationRunRecord& a = AnimationRun;
  SetFrameLength(-1, 7);
  DrawState.CurrentLayer = 0;
  if (a.AnimationFrame == 0) {
    LayerToBack(0);
    ShowLayer(0, true);
    MarkSlot(0, 0, 20 - ScreenSize.ScreenHeight);
    a.AnimationLength = 550;
  }
  const int slot = FaceSlot.TextSlotIndex;
  if (ValidTextSlot(slot) && TextSlot.TextSlotState[static_cast<size_t>(slot)] >= 1 && a.AnimationFrame > 200) {
    CloseCaptionBox();
  }
  StepSlot(0, kMotionLinear);
  if (++a.AnimationFrame > a.AnimationLength) Finish();
}

// Event 1's captions: one short line each, printed at 24 points.
constexpr const char* kCaptions[3] = {"西暦二〇九一年　秋", "北部辺境　第七防衛基地", "夜明け前の出撃命令"};

void CaptionBars() {
  AnimationRunRecord& a = AnimationRun;
  const int k = a.AnimationStep;
  if (k < 0 || k > 2) {
    Finish();
    return;
  }
  if (a.AnimationFrame == 0) {
    PlaySceneSound(24);
    TextStyleRecord& t = TextStyle;
    Rect& r = DrawState.CurrentRect;
    DrawState.CurrentLayer = k + 1;
    r.X = ScreenSize.ScreenWidth;
    r.Width = ScreenSize.ScreenWidth;
    t.TextFontSize = 24;
    t.CurrentText = kCaptions[k];
    MeasureText(0);
    r.Height = t.MeasuredHeight + 20;
    t.TextX = r.Width / 2 - t.MeasuredWidth / 2 - 1;
    t.TextY = r.Height / 2 - t.MeasuredHeight / 2 - 1;
    r.Y = CentreY(r.Height) - r.Height + k * r.Height;
    const int y = r.Y;
    PrepareLayer(kPreparePictureShown);
    if (k == 0) {
      t.TextY += 3;
      BevelLines(100, 1);
    } else if (k == 2) {
      t.TextY -= 3;
      BevelLines(100, 4);
    }
    PrintText(20, k + 1);
    MarkSlot(0, 0, y);
    a.AnimationLength = 10;
  }
  StepSlot(0, kMotionLinear);
  if (++a.AnimationFrame > a.AnimationLength) {
    a.AnimationFrame = 0;
    a.AnimationSubStep = 0;
    if (++a.AnimationStep > 2) Finish();
  }
}

void BarsClose() {
  AnimationRunRecord& a = AnimationRun;
  const int w = ScreenSize.ScreenWidth;
  const int mid = ScreenSize.ScreenHeight / 2;
  if (a.AnimationFrame == 0) {
    PlaySceneSound(24, 0, -0.1f);
    for (int layer = 1; layer <= 3; ++layer) ShowLayer(layer, false);
    DrawState.TargetLayer = 1;
    GetLayerRect(kRectIntoTarget, DrawState.TargetLayer);
    const int y1 = DrawState.TargetRect.Y;
    DrawState.TargetLayer = 3;
    GetLayerRect(kRectIntoTarget, DrawState.TargetLayer);
    const int y3 = DrawState.TargetRect.Y + DrawState.TargetRect.Height;
    for (int i = 0; i <= 1; ++i) {
      const int y = i == 0 ? y1 : y3 - 4;
      PrepareAt(4 + i, 0, y, w, 4, true);
      BevelLines(100, i == 0 ? 1 : 4);
      SetSlot(i, 0, y, 0, mid);
    }
    PrepareAt(6, 0, y1, w, y3 - y1, true);
    SetSlot(2, 0, y1, 0, mid);
    MotionSlotRecord& box = MotionSlot[2];
    box.MotionStartWidth = w;
    box.MotionStartHeight = y3 - y1;
    box.MotionEndWidth = w;
    box.MotionEndHeight = 1;
    a.AnimationLength = 20;
  }
  StepSlot(2, kMotionSizedLinear);
  for (int i = 0; i <= 1; ++i) {
    StepSlot(i, kMotionLinear);
    LayerToFront(MotionSlot[static_cast<size_t>(i)].MotionLayer);
  }
  if (++a.AnimationFrame > a.AnimationLength) {
    for (int i = 0; i <= 2; ++i) ShowLayer(MotionSlot[static_cast<size_t>(i)].MotionLayer, false);
    Finish();
  }
}

void FramedWindowGrows() {
  AnimationRunRecord& a = AnimationRun;
  if (a.AnimationFrame == 0) {
    PlaySceneSound(22);
    DrawState.CurrentLayer = 9;
    if (LineCode.SubParam == 1) DrawState.CurrentRect = {CentreX(100), 350, 100, 30};
    PrepareLayer(kPreparePictureShown);
    MarkSlot(0, 0, CentreY(300));
    MotionSlotRecord& s = MotionSlot[0];
    s.MotionStartWidth = DrawState.CurrentRect.Width;
    s.MotionStartHeight = DrawState.CurrentRect.Height;
    s.MotionEndWidth = ScreenSize.ScreenWidth;
    s.MotionEndHeight = 300;
    a.AnimationLength = 10;
  }
  StepSlot(0, kMotionSizedLinear);
  TextStyle.EdgeColor1 = RgbColor(0, 0, 0);
  TextStyle.EdgeColor2 = RgbColor(255, 255, 255);
  BevelLines(10, 2);
  if (++a.AnimationFrame > a.AnimationLength) Finish();
}

void BandReveal() {
  AnimationRunRecord& a = AnimationRun;
  SetFrameLength(-1, 7);
  const int w = ScreenSize.ScreenWidth;
  if (a.AnimationFrame == 0) {
    BlitSpec.BlitLayer = 0;
    ScriptAction.EffectPicture = 1101;
    DrawState.CurrentLayer = 0;
    LoadCataloguePicture(1, 1101);
    SetLayerPicture(GameForm, tq::Surface());
    for (int layer = 0; layer <= 9; ++layer) ShowLayer(layer, false);
    ReadRect(0);
    SpecialEvent.SpecialEventY = DrawState.CurrentRect.Height - 8;
  }
  const int f = a.AnimationFrame;
  const int m = ScreenSize.ScreenHeight / 2 - 150;
  const int y = SpecialEvent.SpecialEventY;
  PaintRow(y - 300 + f, m + f);
  PaintRow(y - 1 - f, m + 299 - f);
  a.AnimationFrame += 2;
  if (a.AnimationFrame < 300) return;
  DrawState.SheetIndex = 0;
  LoadCataloguePicture(2, ScriptAction.EffectPicture);
  PrepareAt(1, 0, CentreY(300), w, 300, true);
  ClipCellToPicture({0, 0, y - 300, w, 300});
  LayerToBack(1);
  Finish();
}

// The eight pieces of picture 1103 over the revealed base: layer, cell, place.
struct PieceRow {
  int layer, x, y, w, h, left, top;
};
constexpr PieceRow kPieces[] = {
    {12, 80, 88, 36, 56, 140, 322},  {14, 148, 120, 82, 76, 108, 338}, {11, 80, 0, 56, 88, 464, 254},
    {15, 116, 120, 24, 16, 496, 262}, {16, 136, 0, 96, 120, 432, 278}, {10, 0, 0, 80, 128, 268, 350},
    {17, 0, 144, 148, 52, 232, 406},  {13, 116, 88, 20, 28, 276, 278},
};
static_assert(std::size(kPieces) == 8);

void BandUpward() {
  AnimationRunRecord& a = AnimationRun;
  SetFrameLength(-1, 7);
  const int f = a.AnimationFrame;
  PaintRow(263 - f, 149 - f);
  ++a.AnimationFrame;
  if (149 - f != 0) return;
  const int w = ScreenSize.ScreenWidth;
  PrepareAt(1, 0, ScreenSize.ScreenHeight - 150, w, 150, true);
  DrawState.CurrentLayer = 0;
  LoadCataloguePicture(1, 1102);
  ReadRect(0);
  MoveTo(0, 0, 450 - (DrawState.CurrentRect.Height - 8));
  ShowLayer(0, true);
  DrawState.SheetIndex = 0;
  LoadCataloguePicture(2, 1103);
  for (const PieceRow& p : kPieces) {
    PrepareAt(p.layer, p.left, p.top, p.w, p.h, true);
    ClipCellToPicture({0, p.x, p.y, p.w, p.h});
    MoveTo(p.layer, p.left, p.top);
  }
  ShowLayer(kPieces[7].layer, false);
  LayerToFront(1);
  a.AnimationFrame = 0;
  a.AnimationStep = 1;
  SetFrameLength(-1, 500);
}

void PiecesFly() {
  AnimationRunRecord& a = AnimationRun;
  SetFrameLength(0, 0);
  const int s = a.AnimationSubStep;
  if (a.AnimationFrame == 0) {
    PlaySceneSound(16, s, -0.05f - 0.03f * static_cast<float>(s));
    DrawState.CurrentLayer = 10 + s;
    ReadRect(10 + s);
    MarkSlot(0, DrawState.CurrentRect.X, -DrawState.CurrentRect.Height);
    a.AnimationLength = 5 * s + 30;
  }
  StepSlot(0, kMotionEaseIn);
  if (++a.AnimationFrame > a.AnimationLength) {
    a.AnimationFrame = 0;
    SetFrameLength(-1, 500);
    if (++a.AnimationSubStep >= 4) a.AnimationStep = 2;
  }
}

void PictureScrollsDown() {
  AnimationRunRecord& a = AnimationRun;
  SetFrameLength(0, 0);
  if (a.AnimationFrame == 0) {
    for (int layer = 10; layer <= 19; ++layer) ShowLayer(layer, false);
    DrawState.CurrentLayer = 0;
    MarkSlot(0, 0, 0);
    a.AnimationLength = std::abs(DrawState.CurrentRect.Y);
  }
  StepSlot(0, kMotionLinear);
  if (++a.AnimationFrame > a.AnimationLength) {
    a.AnimationFrame = 0;
    a.AnimationStep = 3;
    SetFrameLength(-1, 500);
  }
}

void SpritesCross() {
  AnimationRunRecord& a = AnimationRun;
  SetFrameLength(0, 0);
  if (a.AnimationFrame == 0) {
    PlaySceneSound(17, 0, -0.05f);
    const int w = ScreenSize.ScreenWidth;
    const int paths[3][4] = {{-180, 30, w, -20}, {-80, 50, w + 100, 0}, {-230, 100, w + 50, 50}};
    for (int b = 0; b <= 2; ++b) {
      DrawState.CurrentLayer = 10 + b;
      PrepareLayer(kPreparePictureHidden);
      LoadCataloguePicture(1, 1104);
      SetSlot(b, paths[b][0], paths[b][1], paths[b][2], paths[b][3]);
    }
    a.AnimationLength = 40;
  }
  for (int b = 0; b <= 2; ++b) StepSlot(b, kMotionEaseIn);
  if (++a.AnimationFrame > a.AnimationLength) {
    a.AnimationFrame = 0;
    ++a.AnimationSubStep;
    SetFrameLength(-1, 500);
    Finish();
  }
}

void BandPiecesAndSprites() {
  switch (AnimationRun.AnimationStep) {
    case 0: BandUpward(); break;
    case 1: PiecesFly(); break;
    case 2: PictureScrollsDown(); break;
    case 3: SpritesCross(); break;
    default: Finish(); break;
  }
}

struct CellRow {
  int sheet, x, y, w, h;
};

// The cells the events use; 205 is the full window width.
bool FindCell(int cell, CellRow& out) {
  if (cell >= 0 && cell <= 4) {
    out = {1, 75 * cell, 0, 75, 120};
  } else if (cell >= 130 && cell <= 132) {
    out = {3, 75 * (cell - 130), 0, 75, 100};
  } else if (cell >= 210 && cell <= 219) {
    out = {2, 214, 42 + 5 * (cell - 210), 365, 5};
  } else {
    switch (cell) {
      case 200: out = {2, 214, 42, 365, 42}; break;
      case 201: out = {2, 80, 92, 213, 209}; break;
      case 202: out = {2, 300, 92, 213, 209}; break;
      case 203: out = {2, 520, 92, 213, 209}; break;
      case 204: out = {2, 300, 310, 199, 239}; break;
      case 205: out = {2, 0, 570, ScreenSize.ScreenWidth, 30}; break;
      default: return false;
    }
  }
  return true;
}

}  // namespace

void SpecialEventTick() {
  const int event = FrameClock.AnimationCode - kAnimSpecialEvents;
  switch (event) {
    case 0: BackgroundScroll(); return;
    case 1: CaptionBars(); return;
    case 2: BarsClose(); return;
    case 4: FramedWindowGrows(); return;
    case 5: BandReveal(); return;
    case 6: BandPiecesAndSprites(); return;
    case 7: March(); return;
    case 8: GroupWindow(); return;
    case 9: GroupWindowCloses(); return;
    case 11: PictureRounds(); return;
    case 12: LetterTiles(); return;
    case 13: RisingSprites(); return;
    case 14: TitleBuildUp(); return;
    default:
      // Nothing would ever end the loop of an event that does not exist.
      std::cerr << "scenario: special event " << event << " does not exist; its line ends\n";
      Finish();
      return;
  }
}

uint32_t GreyColour(float factor) {
  const int v = RoundHalfEven(static_cast<double>(factor) * 255.0);
  return Grey(v);
}

void BevelLines(int kind, int count) {
  const int layer = DrawState.CurrentLayer;
  if (!ValidLayer(layer)) return;
  tq::Surface& image = LayerImage(layer);
  const int w = DrawState.CurrentRect.Width;
  const int h = DrawState.CurrentRect.Height;
  if (kind == 100) {
    const float shades[4] = {1.0f, 0.8f, 0.8f, 0.6f};
    for (int i = 0; i < 4; ++i) {
      const uint32_t px = tq::PixelFromColor(GreyColour(shades[i]));
      switch (count) {
        case 1: tq::FillBox(image, 0, i, w - 1, i, px); break;
        case 4: tq::FillBox(image, 0, h - 4 + i, w - 1, h - 4 + i, px); break;
        case 2: tq::FillBox(image, i, 0, i, h - 1, px); break;
        case 3: tq::FillBox(image, w - 4 + i, 0, w - 4 + i, h - 1, px); break;
        default: return;
      }
    }
  } else if (kind == 10) {
    tq::FillBox(image, 0, 0, w - 1, h - 1, tq::PixelFromColor(TextStyle.EdgeColor1));
    const uint32_t edge = tq::PixelFromColor(TextStyle.EdgeColor2);
    for (int i = 0; i < count; ++i) tq::DrawBox(image, i, i, w - 1 - i, h - 1 - i, edge);
  }
}

void SheetCell(int cell) {
  CellRow c;
  if (!FindCell(cell, c)) return;
  ClipCellToLayer(c.sheet, c.x, c.y, c.w, c.h);
}

void ClipCellToPicture(std::initializer_list<int> values) {
  if (values.size() < 5) return;
  const int* v = values.begin();
  ClipCellToLayer(v[0], v[1], v[2], v[3], v[4]);
}

void ResetSpecialEventState() { SpecialEvent = SpecialEventRecord{}; }
