// D50_Frame: the board's own animations, codes 1000 to 1099 (the piece, the die,
// the item and attack buttons, the strike arrows, the warp and reverse cells, a
// creature eating or merging, the restart dialog's white-out, the clear and failure
// endings). Codes 1030 to 1039 go to the creature-event animations.
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "games/motion_slot_store.h"
#include "games/timed_effects.h"
#include "scenario/motion_curves.h"
#include "vadrim/board/model.h"
#include "vadrim/board/screen.h"
#include "vadrim/vadrim_pictures.h"
#include "vadrim/vadrim_sounds.h"

namespace {

void HandBack() { Wait(0, 0); }
void Return() { FrameClock.FrameLoopRunning = 0; }
void Curves(int first, int last, int curve) {
  for (int slot = first; slot <= last; ++slot) MotionSlotStep(slot, curve);
}
bool ShownByFours() { return (AnimationRun.AnimationFrame / 4) % 2 == 1; }

// Slot := layer from where it stands to (x, y).
void FromHere(int slot, int layer, int x, int y) {
  BoardStore(slot, layer, LayerLeft(layer), LayerTop(layer), x, y);
}
Rect RectOf(int layer) { return {LayerLeft(layer), LayerTop(layer), LayerWidth(layer), LayerHeight(layer)}; }

void White(int layer, Rect r) {
  BoardPrepare(layer, r.X, r.Y, r.Width, r.Height);
  LayerInfo(layer).BackColor = RgbColor(255, 255, 255);
  ClearLayerImage(layer);
}

// ---- The piece and the die ----

void PieceEnters() {
  if (AnimationRun.AnimationFrame == 0) {
    PlayScreenSound(56);
    if (AnimationRun.AnimationSubStep == 0) {
      D50_DrawPanel(15, 0);
      D50_CellPos(0, PieceCounters.PiecePos);
      const Rect r = DrawState.CurrentRect;
      MoveLayerKeepingSize(BoardLayers.PieceLayer, r.X, r.Y);
      BoardStore(0, BoardLayers.PieceLayer, r.X, r.Y, r.X, r.Y - 50);
      MotionSlot[0].MotionPause = 20;
    }
    AnimationRun.AnimationLength = 20;
  }
  MotionSlotStep(0, kMotionEaseOutArc);
  if (!BoardCountTo(20)) return;
  AnimationRun.AnimationFrame = 0;
  if (++AnimationRun.AnimationSubStep >= 2) HandBack();
}

void PieceStep() {
  if (AnimationRun.AnimationFrame == 0) {
    PlayScreenSound(62, 1);
    D50_CellPos(1, PieceCounters.PiecePos);
    FromHere(0, BoardLayers.PieceLayer, DrawState.TargetRect.X, DrawState.TargetRect.Y);
    AnimationRun.AnimationLength = 20;
  }
  MotionSlotStep(0, kMotionEaseOut);
  if (BoardCountTo(20)) HandBack();
}

void DieRoll() {
  SetFrameLength(-1, 10);
  if (AnimationRun.AnimationStep == 0) {
    const int frame = AnimationRun.AnimationFrame;
    if (frame % 10 == 0 && frame < 50) PlayScreenSound(60, frame / 10);
    TurnFlow.DieValue = RandomRange(1, 6);
    D50_DrawPanel(20, TurnFlow.DieValue);
    if (!BoardCountTo(50)) return;
    TurnFlow.StepsLeft = TurnFlow.DieValue;  // the face drawn last
    NextAnimationStep();
    return;
  }
  if (AnimationRun.AnimationFrame == 0) {
    PlayScreenSound(61);
    const int die = BoardLayers.DieLayer;
    FromHere(0, die, LayerLeft(die), LayerTop(die) - 50);
    AnimationRun.AnimationLength = 20;
    MotionSlot[0].MotionPause = 20;
  }
  MotionSlotStep(0, kMotionEaseOutArc);
  if (BoardCountTo(20)) HandBack();
}

// ---- Item buttons ----

void OldestItemHops() {
  if (AnimationRun.AnimationFrame == 0) {
    PlayScreenSound(66);
    const int button = BoardLayers.TurnButtonFirstBox;
    FromHere(0, button, LayerLeft(button) - 50, LayerTop(button) - 50);
    AnimationRun.AnimationLength = 10;
    MotionSlot[0].MotionPause = 20;
  }
  MotionSlotStep(0, kMotionEaseOutArc);
  if (!BoardCountTo(AnimationRun.AnimationLength)) return;
  AnimationRun.AnimationFrame = 0;
  if (++AnimationRun.AnimationSubStep >= 2) HandBack();
}

void ItemChosen() {
  if (AnimationRun.AnimationStep == 0) {
    SetFrameLength(-1, 40);
    if (AnimationRun.AnimationFrame == 0) PlayScreenSound(102);
    ShowLayer(BoardLayers.HighlightLayer, AnimationRun.AnimationFrame % 2 == 1);
    if (BoardCountTo(10)) NextAnimationStep();
    return;
  }
  SetFrameLength(0, 0);
  const int button = BoardLayers.TurnButtonFirstBox + BoardChoice.ItemSlot;
  if (AnimationRun.AnimationFrame == 0) {
    PlayScreenSound(60, 1);
    FromHere(0, button, CentreX(LayerWidth(button)), CentreY(LayerHeight(button)));
    LayerToFront(button);
    AnimationRun.AnimationLength = 20;
  }
  MotionSlotStep(0, kMotionEaseOut);
  if (BoardCountTo(20)) HandBack();
}

// ---- Choices ----

void AttackChosen() {
  if (AnimationRun.AnimationStep == 1) {
    HandBack();
    return;
  }
  const int last = BoardScreen.ChoiceButtonLast;
  const int chosen = TurnFlow.HoverIndex;
  if (AnimationRun.AnimationFrame == 0) {
    for (int i = 0; i <= last; ++i) {
      const int button = BoardLayers.ChoiceButtonFirstBox + i;
      const int frame = BoardLayers.HighlightLayer + 1 + i;
      FromHere(2 * i, button, LayerLeft(button) + 140, LayerTop(button));
      FromHere(2 * i + 1, frame, LayerLeft(frame) + 140, LayerTop(frame));
    }
  }
  if (AnimationRun.AnimationFrame <= 5) {
    AnimationRun.AnimationLength = 5;
    for (int i = 0; i <= last; ++i) {
      if (i == chosen) continue;
      MotionSlotStep(2 * i, kMotionLinear);
      MotionSlotStep(2 * i + 1, kMotionLinear);
    }
  }
  const auto& c = BoardScreen.FrameColours;
  const bool normal = ShownByFours();
  BoardFramePaint(BoardLayers.HighlightLayer + 1 + chosen, normal ? c[2] : c[0], normal ? c[3] : c[1]);
  if (!BoardCountTo(40)) return;
  ShowLayer(BoardLayers.ChoiceButtonFirstBox + chosen, false);
  ShowLayer(BoardLayers.HighlightLayer + 1 + chosen, false);
  NextAnimationStep(100);
}

void ArrowChosen() {
  if (AnimationRun.AnimationStep == 1) {
    HandBack();
    return;
  }
  const int banner = BoardLayers.BannerLayer;
  const int last = BoardScreen.LineArrowLast;
  const int chosen = TurnFlow.HoverIndex;
  if (AnimationRun.AnimationFrame == 0) {
    FromHere(0, banner, LayerLeft(banner), WindowHeight());
    for (int i = 0; i <= last; ++i) {
      const int arrow = BoardLayers.BackdropLayer + i;
      if (D50_InRange(i) == 0) FromHere(i + 1, arrow, LayerLeft(arrow), LayerTop(arrow) - 30);
      else FromHere(i + 1, arrow, LayerLeft(arrow) - 30, LayerTop(arrow));
    }
  }
  if (AnimationRun.AnimationFrame <= 5) {
    AnimationRun.AnimationLength = 5;
    for (int i = -1; i <= last; ++i) {
      if (i == chosen) continue;
      MotionSlotStep(i + 1, kMotionLinear);
      if (AnimationRun.AnimationFrame == 5) ShowLayer(MotionSlot[static_cast<size_t>(i + 1)].MotionLayer, false);
    }
  }
  const bool lit = ShownByFours();
  ShowLayer(BoardLayers.HighlightLayer, lit);
  const int arrow = BoardLayers.BackdropLayer + chosen;
  DrawState.CurrentLayer = arrow;
  ClipCellToLayer(5, (BoardChoice.StrikeDir - 1) * 50, lit ? 50 : 0, 50, 50);
  if (!BoardCountTo(40)) return;
  ShowLayer(arrow, false);
  ShowLayer(BoardLayers.HighlightLayer, false);
  NextAnimationStep(100);
}

void TargetChosen() {
  if (AnimationRun.AnimationStep == 1) {
    HandBack();
    return;
  }
  const int banner = BoardLayers.BannerLayer;
  if (AnimationRun.AnimationFrame == 0) FromHere(0, banner, LayerLeft(banner), -LayerHeight(banner));
  if (AnimationRun.AnimationFrame <= 5) {
    AnimationRun.AnimationLength = 5;
    MotionSlotStep(0, kMotionLinear);
    if (AnimationRun.AnimationFrame == 5) ShowLayer(banner, false);
  }
  ShowLayer(BoardLayers.HighlightLayer, ShownByFours());
  if (!BoardCountTo(40)) return;
  ShowLayer(BoardLayers.HighlightLayer, false);
  NextAnimationStep(100);
}

void DialogChosen() {
  if (AnimationRun.AnimationStep == 1) {
    HandBack();
    return;
  }
  if (AnimationRun.AnimationFrame == 0) {
    const int other = BoardLayers.ConfirmButtonFirstBox + Toggle01(TurnFlow.HoverIndex);
    FromHere(0, other, LayerLeft(other), WindowHeight());
  }
  if (AnimationRun.AnimationFrame <= 10) {
    AnimationRun.AnimationLength = 10;
    MotionSlotStep(0, kMotionLinear);
  }
  ShowLayer(BoardLayers.HighlightLayer, ShownByFours());
  if (BoardCountTo(40)) NextAnimationStep(100);
}

void WhiteOut() {
  const int b = BoardLayers.BackdropLayer;
  if (AnimationRun.AnimationFrame == 0) {
    const int chosen = BoardLayers.ConfirmButtonFirstBox + TurnFlow.HoverIndex;
    const Rect start{CentreX(4), LayerTop(chosen) + LayerHeight(chosen) / 2, 4, 2};
    White(b, start);
    SetSizedMotionSlot(0, b, start, {0, 0, WindowWidth(), WindowHeight()});
  }
  MotionSlotStep(0, kMotionSizedEaseOut);
  if (BoardCountTo(50)) Return();
}

void WhiteCloses() {
  const int b = BoardLayers.BackdropLayer;
  if (AnimationRun.AnimationFrame == 0) SetSizedMotionSlot(0, b, RectOf(b), {0, CentreY(2), LayerWidth(b), 2});
  MotionSlotStep(0, kMotionSizedEaseOut);
  if (!BoardCountTo(50)) return;
  ShowLayer(b, false);
  Return();
}

// ---- Warp and reverse ----

void Warp() {
  SetFrameLength(0, 0);
  const int b = BoardLayers.BackdropLayer;
  const int cell = BoardGeometry.CellSize;
  D50_CellPos(21, PieceCounters.PiecePos);
  const int x = DrawState.TargetRect.X;
  const int y = DrawState.TargetRect.Y;
  switch (AnimationRun.AnimationStep) {
    case 0: {
      if (AnimationRun.AnimationFrame == 0) {
        PlayScreenSound(80);
        const int cx = CentreX(5);
        const int cy = CentreY(5);
        const int w = WindowWidth();
        const int h = WindowHeight();
        const Rect from[4] = {{0, -5, w, 5}, {w, 0, 5, h}, {0, h, w, 5}, {-5, 0, 5, h}};
        const int toX[4] = {0, cx + cell / 2, 0, cx - cell / 2};
        const int toY[4] = {cy - cell / 2, 0, cy + cell / 2, 0};
        for (int i = 0; i < 4; ++i) {
          White(b + i, from[i]);
          BoardStore(i, b + i, from[i].X, from[i].Y, toX[i], toY[i]);
        }
      }
      AnimationRun.AnimationLength = 40;
      Curves(0, 3, kMotionEaseOut);
      if (BoardCountTo(40)) NextAnimationStep();
      break;
    }
    case 1: {
      if (AnimationRun.AnimationFrame == 0) {
        PlayScreenSound(81);
        const int toX[4] = {0, x + cell - 5, 0, x};
        const int toY[4] = {y, 0, y + cell - 5, 0};
        for (int i = 0; i < 4; ++i) FromHere(i, b + i, toX[i], toY[i]);
      }
      AnimationRun.AnimationLength = 20;
      Curves(0, 3, kMotionEaseOut);
      if (BoardCountTo(20)) NextAnimationStep();
      break;
    }
    case 2: {
      if (AnimationRun.AnimationFrame == 0) {
        PlayScreenSound(82);
        D50_CellPos(1, PieceCounters.PiecePos);
        FromHere(0, BoardLayers.PieceLayer, DrawState.TargetRect.X, DrawState.TargetRect.Y);
      }
      AnimationRun.AnimationLength = 20;
      MotionSlotStep(0, kMotionEaseOut);
      if (BoardCountTo(20)) NextAnimationStep();
      break;
    }
    case 3: {
      if (AnimationRun.AnimationFrame == 0) {
        PlayScreenSound(81);
        for (int i = 0; i < 4; ++i) {
          const bool across = i % 2 == 0;
          const Rect to = across ? Rect{x, y + cell / 2 - 2, cell, LayerHeight(b + i)}
                                 : Rect{x + cell / 2 - 2, y, LayerWidth(b + i), cell};
          SetSizedMotionSlot(i, b + i, RectOf(b + i), to);
        }
      }
      AnimationRun.AnimationLength = 20;
      Curves(0, 3, kMotionSizedEaseOut);
      if (!BoardCountTo(20)) return;
      HideLayerRange(b, b + 3);
      HandBack();
      break;
    }
    default: break;
  }
}

void Reverse() {
  EffectParams.EffectOffsetX = 20;
  EffectParams.EffectOffsetY = 0;
  EffectParams.EffectFrames = 3;
  static constexpr int kShift[3] = {-20, 40, -20};
  static constexpr int kLength[3] = {3, 6, 3};
  const int step = AnimationRun.AnimationStep;
  if (step < 0 || step > 2) return;
  if (AnimationRun.AnimationFrame == 0) {
    const int layer = step == 0 ? DrawState.CurrentLayer : MotionSlot[0].MotionLayer;
    const int x = step == 0 ? DrawState.CurrentRect.X : LayerLeft(layer);
    const int y = step == 0 ? DrawState.CurrentRect.Y : LayerTop(layer);
    BoardStore(0, layer, x, y, x + kShift[step], y);
  }
  AnimationRun.AnimationLength = kLength[step];
  MotionSlotStep(0, kMotionLinear);
  if (!BoardCountTo(kLength[step])) return;
  if (step < 2) {
    NextAnimationStep();
    return;
  }
  D50_DrawPanel(30, 0);
  const int a = BoardLayers.ArrowLayer;
  const int dir = PieceCounters.TravelDir;
  const int ax = CentreX(LayerWidth(a));
  const int bx = CentreX(LayerWidth(a + 1));
  const int by = WindowHeight() - LayerHeight(a + 1) - 10;
  BoardStore(0, a, ax - 50 * dir, 10, ax, 10);
  BoardStore(1, a + 1, bx + 50 * dir, by, bx, by);
  BoardMoveSlots(1, 10, kMotionEaseOut, EffectEnd::kReturn);
}

// ---- Eating and merging ----

Rect CellCorner() {
  const BoardGeometryRecord& g = BoardGeometry;
  const int inset = (g.CellSize - g.CreatureSize) / 2;
  return {StepScratch.StepX * g.CellSize + g.BoardLeft + inset, StepScratch.StepY * g.CellSize + g.BoardTop + inset,
          0, 0};
}

// The overlay picture, centred on a creature's layer.
void Overlay(int number, int over) {
  const int b = BoardLayers.BackdropLayer;
  DrawState.CurrentLayer = b;
  DrawState.CurrentRect = {WindowWidth(), 0, 1, 1};
  PrepareLayer(kPreparePictureShown);
  D00_LoadPicture(1, 90, number);
  const int half = BoardGeometry.CreatureSize / 2;
  MoveLayerKeepingSize(b, LayerLeft(over) + half - LayerWidth(b) / 2, LayerTop(over) + half - LayerHeight(b) / 2);
}

void Eat() {
  SetFrameLength(0, 0);
  if (AnimationRun.AnimationStep == 1) {
    HandBack();
    return;
  }
  const int hunter = CreatureLayer(StepScratch.ActiveCreature);
  const int target = CreatureLayer(StepScratch.TargetSlot);
  const int b = BoardLayers.BackdropLayer;
  if (AnimationRun.AnimationFrame == 0) {
    PlayScreenSound(115);
    Overlay(1, target);
    ShowLayer(b, false);
    const Rect corner = CellCorner();
    FromHere(0, hunter, corner.X, corner.Y);
    LayerToFront(hunter);
  }
  AnimationRun.AnimationLength = 50;
  MotionSlotStep(0, kMotionLinear);
  if (AnimationRun.AnimationFrame >= 10) {
    ShowLayer(target, ShownByFours());
    ShowLayer(b, ShownByFours());
  }
  if (BoardCountTo(50)) NextAnimationStep(100);
}

void Merge() {
  const int hunter = CreatureLayer(StepScratch.ActiveCreature);
  const int target = CreatureLayer(StepScratch.TargetSlot);
  const int b = BoardLayers.BackdropLayer;
  switch (AnimationRun.AnimationStep) {
    case 0:
      SetFrameLength(0, 0);
      if (AnimationRun.AnimationFrame == 0) {
        PlayScreenSound(116);
        const Rect corner = CellCorner();
        FromHere(0, hunter, corner.X, corner.Y);
        LayerToFront(hunter);
      }
      AnimationRun.AnimationLength = 50;
      MotionSlotStep(0, kMotionLinear);
      if (AnimationRun.AnimationFrame >= 10) {
        ShowLayer(hunter, ShownByFours());
        ShowLayer(target, ShownByFours());
      }
      if (!BoardCountTo(50)) return;
      ShowLayer(hunter, true);
      NextAnimationStep(100);
      break;
    case 1:
      SetFrameLength(0, 0);
      if (AnimationRun.AnimationFrame == 0) {
        PlayScreenSound(117);
        D50_DrawCreature(1);
        FromHere(0, hunter, LayerLeft(hunter), LayerTop(hunter) - 50);
        LayerToFront(hunter);
        AnimationRun.AnimationLength = 30;
        MotionSlot[0].MotionPause = 30;
        Overlay(3, hunter);
      }
      MotionSlotStep(0, kMotionEaseOutArc);
      if (BoardCountTo(30)) NextAnimationStep(300);
      break;
    case 2:
      SetFrameLength(-1, 100);
      if (AnimationRun.AnimationFrame == 1 || AnimationRun.AnimationFrame == 3) PlayScreenSound(118);
      ShowLayer(b, AnimationRun.AnimationFrame % 2 == 1);
      if (BoardCountTo(6)) NextAnimationStep();
      break;
    case 3: NextAnimationStep(100); break;
    default: HandBack(); break;
  }
}

// ---- Endings ----

void StripsFromSheet(int first, int count, int width, int height, int top, int pictureKind) {
  DrawState.SheetIndex = BoardScreen.EffectSheet;
  D00_LoadPicture(2, pictureKind, 0);
  for (int i = 0; i < count; ++i) {
    const int layer = first + i;
    BoardPrepare(layer, 0, top + height * i, width, height);
    ClipCellToLayer(BoardScreen.EffectSheet, 0, height * i, width, height);
  }
}

void ClearBand() {
  const int b = BoardLayers.BackdropLayer;
  if (AnimationRun.AnimationFrame == 0) {
    PlayScreenSound(130);
    const Rect window = {0, 0, WindowWidth(), WindowHeight()};
    White(b, window);
    SetSizedMotionSlot(0, b, window, {0, ScreenSize.ScreenHalfHeight - 115, window.Width, 230});
  }
  MotionSlotStep(0, kMotionSizedEaseOut);
  if (!BoardCountTo(20)) return;
  DrawState.CurrentLayer = b;
  D00_LoadPicture(1, 87, 0);
  Return();
}

void ClearBurst() {
  SetFrameLength(0, 0);
  const int b = BoardLayers.BackdropLayer;
  switch (AnimationRun.AnimationStep) {
    case 0:
      if (AnimationRun.AnimationFrame == 0) {
        const Rect line = {0, ScreenSize.ScreenHalfHeight - 1, WindowWidth(), 2};
        White(b + 1, line);
        LayerToFront(b + 1);
        LayerToFront(b);
        SetSizedMotionSlot(0, b + 1, line, {0, 0, WindowWidth(), WindowHeight()});
      }
      MotionSlotStep(0, kMotionSizedEaseOut);
      if (BoardCountTo(20)) NextAnimationStep();
      break;
    case 1: {
      constexpr int kStrip = 230 / 20;
      if (AnimationRun.AnimationFrame == 0) {
        PlayScreenSound(131);
        ShowLayer(b, false);
        StripsFromSheet(b + 2, 20, WindowWidth(), kStrip, ScreenSize.ScreenHalfHeight - 115, 87);
        for (int i = 0; i < 20; ++i) {
          const int y = i % 2 == 1 ? -((i / 2) * 50 + kStrip) : WindowHeight() + (i / 2) * 50;
          FromHere(i, b + 2 + i, 0, y);
        }
      }
      AnimationRun.AnimationLength = 12;
      Curves(0, 19, kMotionLinear);
      if (!BoardCountTo(12)) return;
      BoardPrepare(0, CentreX(WindowWidth()), CentreY(WindowHeight()), WindowWidth(), WindowHeight());
      LayerInfo(0).BackColor = RgbColor(255, 255, 255);
      ClearLayerImage(0);
      HideLayerRange(1, 99);
      NextAnimationStep(1000);
      break;
    }
    default: HandBack(); break;
  }
}

void ClearFade() {
  SetFrameLength(0, 0);
  if (AnimationRun.AnimationStep != 0) {
    HandBack();
    return;
  }
  if (AnimationRun.AnimationFrame == 0) {
    SetSizedMotionSlot(0, 0, RectOf(0), {CentreX(LayerWidth(0)), CentreY(2), LayerWidth(0), 2});
  }
  MotionSlotStep(0, kMotionSizedEaseOut);
  if (!BoardCountTo(50)) return;
  ShowLayer(0, false);
  NextAnimationStep();
}

void FailBanner() {
  SetFrameLength(0, 0);
  const int b = BoardLayers.BackdropLayer;
  constexpr int kStrip = 230 / 10;
  if (AnimationRun.AnimationFrame == 0) {
    StripsFromSheet(b, 10, WindowWidth(), kStrip, ScreenSize.ScreenHalfHeight - 115, 86);
    for (int i = 0; i < 10; ++i) {
      const int y = ScreenSize.ScreenHalfHeight - 115 + kStrip * i;
      const int x = i % 2 == 0 ? WindowWidth() : -WindowWidth();
      MoveLayerKeepingSize(b + i, x, y);
      BoardStore(i, b + i, x, y, 0, y);
    }
  }
  AnimationRun.AnimationLength = 15;
  Curves(0, 9, kMotionLinear);
  if (BoardCountTo(15)) Return();
}

// Ten strips from layer `first` close to the window's middle line over 10 frames,
// with a sound on the first; true on the frame they have met.
bool StripsMeet(int first, int sound) {
  if (AnimationRun.AnimationFrame == 0) {
    PlayScreenSound(sound);
    for (int i = 0; i < 10; ++i) FromHere(i, first + i, LayerLeft(first + i), ScreenSize.ScreenHalfHeight - 11);
  }
  AnimationRun.AnimationLength = 10;
  Curves(0, 9, kMotionLinear);
  return BoardCountTo(10);
}

void FailBlackout() {
  SetFrameLength(0, 0);
  const int b = BoardLayers.BackdropLayer;
  switch (AnimationRun.AnimationStep) {
    case 0:
      if (!StripsMeet(b, 135)) return;
      SetLayerPicture(b, tq::Surface());
      LayerInfo(b).BackColor = RgbColor(0, 0, 0);
      ClearLayerImage(b);
      HideLayerRange(b + 1, b + 9);
      NextAnimationStep();
      break;
    case 1:
      if (AnimationRun.AnimationFrame == 0) SetSizedMotionSlot(0, b, RectOf(b), {0, 0, WindowWidth(), WindowHeight()});
      MotionSlotStep(0, kMotionSizedEaseOut);
      if (BoardCountTo(10)) NextAnimationStep(750);
      break;
    default: HandBack(); break;
  }
}

void ContinueBanner() {
  SetFrameLength(0, 0);
  const int b = BoardLayers.BackdropLayer;
  if (AnimationRun.AnimationFrame == 0) {
    DrawState.SheetIndex = BoardScreen.EffectSheet;
    D00_LoadPicture(2, 91, 0);
    DrawState.CurrentLayer = b + 1;
    D00_LoadPicture(1, 91, 0);
    ShowLayer(b + 1, false);
    const int w = LayerWidth(b + 1);
    const int strip = LayerHeight(b + 1) / 10;
    const int x0 = CentreX(LayerWidth(b + 1));
    const int top = ScreenSize.ScreenHalfHeight - LayerHeight(b + 1) / 2;
    for (int i = 0; i < 10; ++i) {
      const int y = top + strip * i;
      const int x = i % 2 == 0 ? w : -w;
      BoardPrepare(b + 2 + i, x, y, w, strip);
      ClipCellToLayer(BoardScreen.EffectSheet, 0, strip * i, w, strip);
      MoveLayerKeepingSize(b + 2 + i, x, y);
      BoardStore(i, b + 2 + i, x, y, x0, y);
    }
  }
  AnimationRun.AnimationLength = 20;
  Curves(0, 9, kMotionLinear);
  if (BoardCountTo(20)) Return();
}

void ContinueClose() {
  SetFrameLength(0, 0);
  const int b = BoardLayers.BackdropLayer;
  switch (AnimationRun.AnimationStep) {
    case 0:
      if (!StripsMeet(b + 2, 130)) return;
      HideLayerRange(b + 2, b + 11);
      NextAnimationStep(500);
      break;
    case 1:
      if (AnimationRun.AnimationFrame == 0) SetSizedMotionSlot(0, b, RectOf(b), {0, CentreY(2), WindowWidth(), 2});
      MotionSlotStep(0, kMotionSizedEaseOut);
      if (!BoardCountTo(20)) return;
      ShowLayer(b, false);
      NextAnimationStep(300);
      break;
    default: HandBack(); break;
  }
}

}  // namespace

bool BoardCountTo(int n) {
  AnimationRun.AnimationLength = n;
  ++AnimationRun.AnimationFrame;
  return AnimationRun.AnimationFrame > n;
}

void D50_Frame() {
  const int code = FrameClock.AnimationCode;
  if (code >= 1030 && code <= 1039) {
    D50_CreatureFrame();
    return;
  }
  switch (code) {
    case kAnimOldestItemHops: OldestItemHops(); break;
    case kAnimItemChosen: ItemChosen(); break;
    case kAnimPieceIn: PieceEnters(); break;
    case kAnimPieceStep: PieceStep(); break;
    case kAnimDie: DieRoll(); break;
    case kAnimAttackChosen: AttackChosen(); break;
    case kAnimArrowChosen: ArrowChosen(); break;
    case kAnimTargetChosen: TargetChosen(); break;
    case kAnimEat: Eat(); break;
    case kAnimMerge: Merge(); break;
    case kAnimWarp: Warp(); break;
    case kAnimReverse: Reverse(); break;
    case kAnimDialogChoice: DialogChosen(); break;
    case kAnimWhiteOut: WhiteOut(); break;
    case kAnimWhiteClose: WhiteCloses(); break;
    case kAnimClearBand: ClearBand(); break;
    case kAnimClearBurst: ClearBurst(); break;
    case kAnimClearFade: ClearFade(); break;
    case kAnimFailBanner: FailBanner(); break;
    case kAnimFailBlackout: FailBlackout(); break;
    case kAnimContinueBanner: ContinueBanner(); break;
    case kAnimContinueClose: ContinueClose(); break;
    default:
      // No animation has this code: its loop ends rather than run for ever.
      Return();
      break;
  }
}
