// Rock-paper-scissors animation codes (1000 to 1099): openings, signboards, the
// round start, the duel, the clear, the defeat and the third opponent's last round.
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/interpolation.h"
#include "engine/layers.h"
#include "engine/numeric.h"
#include "engine/string_utils.h"
#include "engine/text.h"
#include "marbrook/marbrook_pictures.h"
#include "marbrook/minigames/rock_paper_scissors.h"
#include "platform/platform.h"
#include "scenario/motion_curves.h"

namespace {

int Base() { return (JankenState.JankenOpponent - 1) * 20; }
// Left or top that centres a width or height in the window.
int Cx(int width) { return CentreX(int{width}); }
int Cy(int height) { return CentreY(int{height}); }

// Picture kinds.
enum : int {
  kClearKind = 1000,
  kOverKind = 1001,
  kTitleKind = 1100,
  kBackKind = 1101,
  kBoardKind = 1102,
  kFigureKind = 1105,
  kResultKind = 1106,
  kHandKind = 1110,
  kCardKind = 1111,
  kCardTwiceKind = 1112,
  kCardThriceKind = 1113,
  kHeartKind = 1130,
};

// Motion slots beyond the round's pieces (0 button, 1 card, 2 onward copies).
enum : int { kBoardSlot = 10, kPortraitSlot = 11 };

constexpr int kStripCount = 20;
constexpr int kTitleStrips = 10;

// ---- the shared terms ----

void PrepareAt(int layer, int x, int y, int w = 0, int h = 0) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {x, y, w, h};
  PrepareLayer(kPreparePictureShown);
}

void Load(int kind, int number) { C00_LoadPicture(1, kind, number); }

Rect Read(int layer) {
  GetLayerRect(kRectIntoCurrent, layer);
  return DrawState.CurrentRect;
}

// A slot from the layer's place to a point.
void SlotFromHere(int k, int layer, int x2, int y2) {
  const Rect r = Read(layer);
  SetMotionSlot(k, layer, r.X, r.Y, x2, y2);
}

void Curve(int type, int frames, int slot) {
  MotionState.CurrentMotionSlot = slot;
  AnimationRun.AnimationLength = frames;
  MotionCurveStep(type);
}

void Curves(int type, int frames, int first, int last) {
  for (int k = first; k <= last; ++k) Curve(type, frames, k);
}

void Place(int layer, int x, int y) {
  const Rect r = Read(layer);
  MoveLayer(layer, x, y, r.Width, r.Height);
}

void EndClick() { FrameClock.FrameLoopRunning = 0; }
void EndAuto() { Wait(0, 0); }

void Paint(int layer, uint32_t back, uint32_t edge) {
  LayerInfo(layer).BackColor = back;
  ClearLayerImage(layer);
  tq::Surface& image = LayerImage(layer);
  tq::DrawBox(image, 0, 0, image.Width() - 1, image.Height() - 1, tq::PixelFromColor(edge));
  image.MarkChanged();
}

void Fill(int layer, uint32_t back) {
  LayerInfo(layer).BackColor = back;
  ClearLayerImage(layer);
}

// The blink of a button frame: lit, then grey, four frames each.
void BlinkFrame(int layer, int frame) {
  if ((frame / 4) % 2 == 0) Paint(layer, JankenState.JankenColours[0], JankenState.JankenColours[1]);
  else Paint(layer, Grey(180), Grey(90));
}

int ButtonLayer() { return kHandButtonLayer + JankenState.JankenPlayerHand; }
int CardLayer() { return kCardLayer + JankenState.JankenOpponentHand; }
// The highest slot of the round's pieces: 1 (button and card), or the copies' last.
int LastPieceSlot() { return JankenState.JankenCardCount > 1 ? JankenState.JankenCardCount : 1; }
int CopyLayerOfSlot(int k) { return k == 0 ? ButtonLayer() : (k == 1 ? CardLayer() : kCopyLayer + k - 2); }
bool Multiplied() { return JankenState.JankenOpponent == 2 && JankenState.JankenRound >= 2; }
bool SevenCards() { return JankenState.JankenOpponent == 3 && JankenState.JankenRound == 1; }

// A copy of the opponent's card on `layer`, behind the card, where the card lies.
void CopyCard(int layer) {
  const Rect card = Read(CardLayer());
  PrepareAt(layer, card.X, card.Y, card.Width, card.Height);
  SetLayerPicture(layer, LayerImage(CardLayer()));
  LayerToBack(layer);
}

// ---- openings and signboards ----

void TitleIn(int sheetNumber, int sound, bool scattered) {
  const int f = AnimationRun.AnimationFrame;
  const int h = WindowHeight() / kTitleStrips;
  if (f == 0) {
    G01_Sound(sound);
    DrawState.SheetIndex = 2;
    C00_LoadPicture(2, kTitleKind, sheetNumber);
    for (int i = 0; i < kTitleStrips; ++i) {
      int y = h * i;
      if (scattered) y = y - 50 + RandomRange(0, 100);
      SetMotionSlot(i, i, i % 2 == 0 ? WindowWidth() : -WindowWidth(), y, 0, h * i);
      PrepareAt(i, MotionSlot[i].MotionStartX, y, WindowWidth(), h);
      ClipCellToLayer(2, 0, h * i, WindowWidth(), h);
    }
  }
  for (int i = 0; i < kTitleStrips; ++i) {
    const MotionSlotRecord& s = MotionSlot[static_cast<size_t>(i)];
    Place(i, InterpolateRounded(s.MotionStartX, s.MotionEndX, f, 20, NoFrames::kOneFrame),
          InterpolateRounded(s.MotionStartY, s.MotionEndY, f, 20, NoFrames::kOneFrame));
  }
  if (CountFramePast(20)) EndClick();
}

void TitleOut(int backNumber, int sound, bool scattered) {
  if (AnimationRun.AnimationStep != 0) {
    EndAuto();
    return;
  }
  if (AnimationRun.AnimationFrame == 0) {
    G01_Sound(sound);
    C00_LoadPicture(0, kBackKind, backNumber);
    for (int i = 0; i < kTitleStrips; ++i) {
      const Rect r = Read(i);
      const int y = scattered ? r.Y - 50 + RandomRange(0, 100) : r.Y;
      SetMotionSlot(i, i, r.X, r.Y, i % 2 == 0 ? -r.Width : r.Width, y);
    }
  }
  Curves(kMotionLinear, 20, 0, kTitleStrips - 1);
  if (CountFramePast(20)) {
    for (int i = 0; i < kTitleStrips; ++i) ShowLayer(i, false);
    NextAnimationStep(200);
  }
}

// A signboard on `layer` drops from above to the centre.
void DropIn(int layer, int board, int frames, int sound) {
  if (AnimationRun.AnimationFrame == 0) {
    G01_Sound(sound);
    PrepareAt(layer, WindowWidth(), 0);
    Load(kBoardKind, board);
    Rect r = Read(layer);
    SetMotionSlot(0, layer, Cx(r.Width), -r.Height, Cx(r.Width), Cy(r.Height));
  }
  Curve(kMotionEaseOut, frames, 0);
}

void FallAway(int layer, int frames) {
  if (AnimationRun.AnimationFrame == 0) {
    G01_Sound(layer == 0 ? 11 : 13);
    SlotFromHere(0, layer, Read(layer).X, WindowHeight());
  }
  Curve(kMotionLinear, frames, 0);
}

void BoardIn() {
  DropIn(0, JankenState.JankenBoard, 20, 11);
  if (CountFramePast(20)) EndClick();
}

void BoardOut() {
  FallAway(0, 10);
  if (CountFramePast(10)) EndAuto();
}

// ---- round start ----

void ButtonsRise() {
  if (AnimationRun.AnimationFrame == 0) {
    G01_Sound(12);
    for (int n = 0; n <= 2; ++n) {
      PrepareAt(kHandButtonLayer + n, WindowWidth(), 0);
      Load(kHandKind, n);
      const Rect r = Read(kHandButtonLayer + n);
      const int x = Cx(r.Width) - 150 + 150 * n;
      SetMotionSlot(n, kHandButtonLayer + n, x, WindowHeight(), x, ScreenSize.ScreenHalfHeight + 115);
    }
  }
  Curves(kMotionEaseOut, 20, 0, 2);
  if (CountFramePast(20)) EndAuto();
}

void PanelsIn() {
  AnimationRunRecord& r = AnimationRun;
  if (r.AnimationFrame == 0 && r.AnimationSubStep == 0) {
    G01_Sound(13);
    const int panels[] = {0, JankenState.JankenRound, 10};
    for (int n = 0; n <= 2; ++n) {
      PrepareAt(5 + n, WindowWidth(), 0);
      Load(1120 + JankenState.JankenOpponent, panels[n]);
      const Rect p = Read(5 + n);
      const int x = Cx(p.Width) + (n - 1) * p.Width;
      SetMotionSlot(n, 5 + n, x - 50, Cy(p.Height), x, Cy(p.Height));
    }
  }
  Curve(kMotionLinear, 5, r.AnimationSubStep);
  if (CountFramePast(5)) {
    r.AnimationFrame = 0;
    r.AnimationSubStep += 1;
    if (r.AnimationSubStep > 2) EndClick();
  }
}

void PanelsOut() {
  AnimationRunRecord& r = AnimationRun;
  if (r.AnimationStep != 0) {
    EndAuto();
    return;
  }
  if (r.AnimationFrame == 0 && r.AnimationSubStep == 0) {
    G01_Sound(13);
    for (int n = 0; n <= 2; ++n) SlotFromHere(n, 5 + n, Read(5 + n).X + 100, Read(5 + n).Y);
  }
  Curve(kMotionLinear, 5, r.AnimationSubStep);
  if (CountFramePast(5)) {
    ShowLayer(5 + r.AnimationSubStep, false);
    r.AnimationFrame = 0;
    r.AnimationSubStep += 1;
    if (r.AnimationSubStep > 2) NextAnimationStep(500);
  }
}

void PromptIn() {
  DropIn(kPortraitLayer, Base() + 2, 10, 13);
  if (CountFramePast(10)) EndClick();
}

void PromptOut() {
  if (AnimationRun.AnimationFrame == 0) SetFrameLength(0, 0);
  FallAway(kPortraitLayer, 5);
  if (CountFramePast(5)) {
    ShowLayer(kPortraitLayer, false);
    EndAuto();
  }
}

void Figure() {
  AnimationRunRecord& r = AnimationRun;
  const int step = r.AnimationStep;
  const int f = r.AnimationFrame;
  if (step <= 8 && step % 3 == 0) {  // rise
    if (f == 5) G01_Sound(17);
    if (f == 0) {
      PrepareAt(6, WindowWidth(), 0);
      Load(kFigureKind, Base() + step / 3 + 1);
      const Rect p = Read(6);
      SetMotionSlot(0, 6, Cx(p.Width), WindowHeight(), Cx(p.Width), WindowHeight() - (p.Height + 50));
    }
    Curve(kMotionEaseOut, 10, 0);
    if (CountFramePast(10)) NextAnimationStep();
  } else if (step <= 8 && step % 3 == 1) {  // shake
    static constexpr int kLength[] = {30, 50, 80};
    const int length = kLength[step / 3];
    MotionSlotRecord& home = MotionSlot[1];
    if (f == 0) {
      const Rect p = Read(6);
      home.MotionStartX = p.X;
      home.MotionStartY = p.Y;
    }
    const int k = (f / 3) % 2;
    int dx = 0, dy = 0;
    if (step == 1) dy = k == 0 ? 5 : -5;
    else if (step == 4) dy = k == 0 ? 10 : -8;
    else dx = RandomRange(0, 20), dy = RandomRange(0, 20);
    Place(6, home.MotionStartX + dx, home.MotionStartY + dy);
    if (f + 1 >= length) {
      Place(6, home.MotionStartX, home.MotionStartY);
      NextAnimationStep(200);
    } else {
      ++r.AnimationFrame;
    }
  } else if (step <= 8) {  // drop
    SetFrameLength(0, 0);
    if (f == 0 && r.AnimationSubStep == 0) SlotFromHere(0, 6, Read(6).X, WindowHeight());
    Curve(kMotionLinear, 7, 0);
    if (CountFramePast(7)) {
      ShowLayer(6, false);
      NextAnimationStep();
      if (step == 8 && G01_FinalRound()) r.AnimationStep = 10;
    }
  } else if (step == 9) {  // corner portrait
    if (f == 0) {
      PrepareAt(kPortraitLayer, WindowWidth(), 0);
      Load(kFigureKind, Base() + 4);
      const Rect p = Read(kPortraitLayer);
      const int x = WindowWidth() - (p.Width + 10);
      SetMotionSlot(0, kPortraitLayer, x, WindowHeight(), x, WindowHeight() - (p.Height + 10));
    }
    Curve(kMotionEaseOut, 10, 0);
    if (CountFramePast(10)) EndAuto();
  } else if (step == 10) {  // the fourth button, in the portrait's place
    if (f == 0) {
      PrepareAt(kHandButtonLayer + 3, WindowWidth(), 0);
      Load(kHandKind, 4);
      const Rect p = Read(kHandButtonLayer + 3);
      const int x = WindowWidth() - (p.Width + 20);
      SetMotionSlot(0, kHandButtonLayer + 3, x, WindowHeight(), x, WindowHeight() - (p.Height + 10));
    }
    Curve(kMotionEaseOut, 50, 0);
    if (CountFramePast(50)) EndAuto();
  }
}

void FramesBlink() {
  JankenStateRecord& janken = JankenState;
  const int last = G01_LastButton();
  const int f = AnimationRun.AnimationFrame;
  if (f == 0) {
    G01_Sound(16);
    for (int n = 0; n <= last; ++n) {
      const Rect b = Read(kHandButtonLayer + n);
      const int layer = janken.JankenFrameLayer + n;
      LayerToBack(layer);
      DrawState.AutoRaiseOn = 0;
      PrepareAt(layer, b.X - 7, b.Y - 7, b.Width + 14, b.Height + 14);
    }
  }
  for (int n = 0; n <= last; ++n) BlinkFrame(janken.JankenFrameLayer + n, f);
  if (CountFramePast(40)) {
    for (int n = 0; n <= last; ++n)
      Paint(janken.JankenFrameLayer + n, janken.JankenColours[2], janken.JankenColours[3]);
    EndAuto();
  }
}

// ---- the opponent's card ----

// Where the card and its copies lie: the card's own row, centred over the buttons.
int CardRestY(int height) { return ScreenSize.ScreenHalfHeight - 115 - height; }

// End offsets of the second opponent's five copies in round 3.
constexpr int kFiveCopies[5][2] = {{-126, 0}, {126, 0}, {-126, -126}, {0, -126}, {126, -126}};

void CardIn() {
  JankenStateRecord& janken = JankenState;
  AnimationRunRecord& r = AnimationRun;
  const bool last = G01_FinalRound();
  const int length = last ? 200 : 50;
  switch (r.AnimationStep) {
    case 0: {
      if (r.AnimationFrame == 0) {
        G01_Sound(15);
        if (last) G01_Sound(37);
        PrepareAt(CardLayer(), WindowWidth(), 0);
        if (last) Load(kCardKind, 3);
        else if (janken.JankenOpponent == 1 && janken.JankenRound == 3) Load(kCardTwiceKind, janken.JankenOpponentHand);
        else Load(kCardKind, janken.JankenOpponentHand);
        const Rect c = Read(CardLayer());
        SetMotionSlot(0, CardLayer(), Cx(c.Width), -c.Height, Cx(c.Width), CardRestY(c.Height));
      }
      Curve(kMotionEaseOut, length, 0);
      if (!CountFramePast(length)) break;
      r.AnimationFrame = 0;
      if (janken.JankenOpponent == 2 && janken.JankenRound >= 2) {
        SetFrameLength(-1, 500);
        r.AnimationStep = janken.JankenRound == 2 ? 10 : 11;
      } else if (last) {
        NextAnimationStep(2000);
      } else {
        EndAuto();
      }
      break;
    }
    case 1: EndAuto(); break;
    case 10:
    case 11: {
      SetFrameLength(0, 0);
      const int copies = r.AnimationStep == 10 ? 1 : 5;
      if (r.AnimationFrame == 0) {
        G01_Sound(r.AnimationStep == 10 ? 31 : 32);
        const Rect c = Read(CardLayer());
        if (copies == 1) {
          SetMotionSlot(0, CardLayer(), c.X, c.Y, c.X - 69, c.Y);
          CopyCard(kCopyLayer);
          SetMotionSlot(1, kCopyLayer, c.X, c.Y, c.X + 69, c.Y);
        } else {
          SetMotionSlot(0, CardLayer(), c.X, c.Y, c.X, c.Y);
          for (int i = 0; i < copies; ++i) {
            CopyCard(kCopyLayer + i);
            SetMotionSlot(1 + i, kCopyLayer + i, c.X, c.Y, c.X + kFiveCopies[i][0], c.Y + kFiveCopies[i][1]);
          }
        }
      }
      Curves(kMotionEaseOut, 10, 0, copies);
      if (CountFramePast(10)) EndAuto();
      break;
    }
    default: break;
  }
}

// The enlarged card trembles up and down around its start, less and less, for 50
// frames, and comes to rest there. Slots 20 onward keep each trembling layer's start.
constexpr int kHomeSlot = 20;

void Tremble(int firstLayer, int count) {
  const int f = AnimationRun.AnimationFrame;
  const int a = std::max(1, RoundHalfEven(5.0 * (50 - f) / 50 + 1));
  for (int i = 0; i < count; ++i) {
    const MotionSlotRecord& home = MotionSlot[static_cast<size_t>(kHomeSlot + i)];
    const int layer = i == 0 ? firstLayer : kCopyLayer + i - 1;
    Place(layer, home.MotionStartX, f + 1 >= 50 ? home.MotionStartY : home.MotionStartY + (f % 2 == 0 ? -a : a));
  }
}

void KeepHome(int i, int layer) {
  const Rect p = Read(layer);
  MotionSlot[static_cast<size_t>(kHomeSlot + i)].MotionStartX = p.X;
  MotionSlot[static_cast<size_t>(kHomeSlot + i)].MotionStartY = p.Y;
}

// Enlarged card of `kind`, raised by 58 pixels (held inside the window), trembling.
void EnlargedTremble(int kind) {
  SetFrameLength(0, 0);
  if (AnimationRun.AnimationFrame == 0) {
    G01_Sound(33);
    const Rect before = Read(CardLayer());
    DrawState.CurrentLayer = CardLayer();
    Load(kind, JankenState.JankenOpponentHand);
    const Rect c = Read(CardLayer());
    // The tremble reaches 6 pixels: the start stays that far inside the top edge.
    Place(CardLayer(), Cx(c.Width), std::max(6, before.Y - 58));
    KeepHome(0, CardLayer());
  }
  Tremble(CardLayer(), 1);
  if (CountFramePast(49)) EndAuto();
}

// Where the seven cards of 1063 come to rest, relative to the centred card: three
// on a row below the card's and four on the card's own row, inside the window.
constexpr int kSevenCards[7][2] = {{0, 184}, {-276, 184}, {276, 184}, {-300, 0}, {-100, 0}, {100, 0}, {300, 0}};

void Multiply(int copies) {
  AnimationRunRecord& r = AnimationRun;
  SetFrameLength(0, 0);
  if (r.AnimationStep == 0) {
    if (r.AnimationFrame == 0) {
      G01_Sound(33);
      const Rect c = Read(CardLayer());
      const int centreX = Cx(c.Width);
      const int homeY = MotionSlot[kHomeSlot].MotionStartY;
      for (int i = 0; i <= copies; ++i) {
        const int layer = i == 0 ? CardLayer() : kCopyLayer + i - 1;
        int x0 = c.X, y0 = c.Y;
        if (i == 1 && copies > 1) {
          // The copy of 1062 spreads from where it trembled.
          x0 = Read(layer).X;
          y0 = Read(layer).Y;
        } else if (i > 0) {
          CopyCard(layer);
        }
        int x = c.X, y = c.Y;
        if (copies == 1) x = centreX + (i == 0 ? -184 : 184), y = homeY;
        else x = centreX + kSevenCards[i][0], y = homeY + kSevenCards[i][1];
        SetMotionSlot(i, layer, x0, y0, x, y);
      }
    }
    Curves(kMotionEaseOut, 5, 0, copies);
    if (CountFramePast(5)) {
      for (int i = 0; i <= copies; ++i) KeepHome(i, i == 0 ? CardLayer() : kCopyLayer + i - 1);
      NextAnimationStep();
    }
  } else if (r.AnimationStep == 1) {
    Tremble(CardLayer(), copies + 1);
    if (CountFramePast(49)) EndAuto();
  }
}

void CardSpeech(int code) {
  AnimationRunRecord& r = AnimationRun;
  switch (code) {
    case 1060:
      if (r.AnimationStep == 0) {
        if (r.AnimationFrame == 0) {
          G01_Sound(15);
          PrepareAt(CardLayer(), WindowWidth(), 0);
          Load(kCardKind, JankenState.JankenOpponentHand);
          const Rect c = Read(CardLayer());
          SetMotionSlot(0, CardLayer(), Cx(c.Width), -c.Height, Cx(c.Width), CardRestY(c.Height));
        }
        Curve(kMotionEaseOut, 100, 0);
        if (CountFramePast(100)) NextAnimationStep(500);
      } else if (r.AnimationStep == 1) {
        EnlargedTremble(kCardTwiceKind);
      }
      break;
    case 1061:
      if (r.AnimationStep == 0) EnlargedTremble(kCardThriceKind);
      break;
    case 1062: Multiply(1); break;
    case 1063: Multiply(6); break;
    case 1065:
      if (r.AnimationFrame == 0) {
        G01_Sound(15);
        int slot = 0;
        for (int n = 0; n <= 2; ++n) {
          if (n == JankenState.JankenOpponentHand) continue;
          PrepareAt(kCardLayer + n, WindowWidth(), 0);
          Load(kCardKind, n);
          const Rect c = Read(kCardLayer + n);
          const int x = Cx(c.Width) + (n - 1) * 150;
          SetMotionSlot(slot++, kCardLayer + n, x, -c.Height, x, CardRestY(c.Height));
        }
      }
      Curves(kMotionEaseOut, 50, 0, 1);
      if (CountFramePast(50)) EndAuto();
      break;
    case 1066:
      // The three cards weave about each other and come back to rest in their places.
      if (r.AnimationStep == 0) {
        SetFrameLength(0, 0);
        if (r.AnimationFrame == 0) {
          G01_Sound(35);
          for (int n = 0; n <= 2; ++n) KeepHome(n, kCardLayer + n);
        }
        const int f = r.AnimationFrame;
        for (int n = 0; n <= 2; ++n) {
          const MotionSlotRecord& home = MotionSlot[static_cast<size_t>(kHomeSlot + n)];
          const double turn = 2.0 * std::numbers::pi * f / 60.0;
          const int dx = RoundHalfEven(150.0 * std::sin(turn * (n + 1)) * (n == 1 ? -1 : 1));
          const int dy = RoundHalfEven(40.0 * std::sin(turn / 2) * (n == 1 ? -1 : 1));
          Place(kCardLayer + n, home.MotionStartX + dx, home.MotionStartY + dy);
        }
        if (CountFramePast(60)) NextAnimationStep(800);
      } else {
        EndAuto();
      }
      break;
    default: break;
  }
}

// ---- the duel ----

// Per-slot frame counts of the choice's moves (slots 0 to 5), 0 for no move.
int choiceFrames[6] = {};
// The corner portrait's place while it jitters.
int portraitX = 0;
int portraitY = 0;

void Choice(bool fourButtons) {
  JankenStateRecord& janken = JankenState;
  AnimationRunRecord& r = AnimationRun;
  const int f = r.AnimationFrame;
  const int chosenFrame = janken.JankenFrameLayer + janken.JankenPlayerHand;
  switch (r.AnimationStep) {
    case 0: {
      const int last = fourButtons ? 3 : 2;
      if (f == 0) {
        G01_Sound(20);
        for (int& n : choiceFrames) n = 0;
        for (int n = 0; n <= last; ++n) {
          if (n == janken.JankenPlayerHand) continue;
          ShowLayer(janken.JankenFrameLayer + n, false);
          SlotFromHere(n, kHandButtonLayer + n, Read(kHandButtonLayer + n).X, WindowHeight());
          choiceFrames[n] = 10;
        }
        DrawState.CurrentLayer = kPortraitLayer;
        Load(kFigureKind, Base() + 6);
        const Rect p = Read(kPortraitLayer);
        portraitX = p.X;
        portraitY = p.Y;
        if (janken.JankenOpponent == 3 && janken.JankenRound == 2) {
          for (int k = 0; k <= 1; ++k) {
            const int n = k == 0 ? (janken.JankenOpponentHand == 0 ? 1 : 0) : (janken.JankenOpponentHand == 2 ? 1 : 2);
            const Rect c = Read(kCardLayer + n);
            SetMotionSlot(4 + k, kCardLayer + n, c.X, c.Y, c.X, -c.Height);
            choiceFrames[4 + k] = 10;
          }
        }
      }
      for (int k = 0; k < 6; ++k) {
        if (choiceFrames[k] > 0 && f <= choiceFrames[k]) Curve(kMotionLinear, choiceFrames[k], k);
      }
      Place(kPortraitLayer, portraitX + RandomRange(0, 5), portraitY + RandomRange(0, 5));
      BlinkFrame(chosenFrame, f);
      if (CountFramePast(48)) {
        ShowLayer(chosenFrame, false);
        Place(kPortraitLayer, portraitX, portraitY);
        NextAnimationStep();
        if (!fourButtons && Multiplied()) r.AnimationStep = 10;
        else if (!fourButtons && SevenCards()) r.AnimationStep = 20;
      }
      break;
    }
    case 1:
    case 10:
    case 20: {
      const int step = r.AnimationStep;
      const int lastSlot = step == 1 ? 1 : LastPieceSlot();
      if (f == 0) {
        const Rect b = Read(ButtonLayer());
        SlotFromHere(0, ButtonLayer(), Cx(b.Width), WindowHeight() - 150);
        const Rect c = Read(CardLayer());
        SlotFromHere(1, CardLayer(), Cx(c.Width), 150 - c.Height - (step == 20 ? 100 : 0));
        for (int k = 2; k <= lastSlot; ++k) {
          const int layer = CopyLayerOfSlot(k);
          const Rect p = Read(layer);
          SetMotionSlot(k, layer, p.X, p.Y, p.X, p.Y - (step == 10 ? 80 : 100));
        }
      }
      Curves(kMotionLinear, 20, 0, lastSlot);
      if (CountFramePast(20)) {
        r.AnimationFrame = 0;
        r.AnimationSubStep = 0;
        r.AnimationStep = 2;
      }
      break;
    }
    case 2:
      SetFrameLength(0, 0);
      if (f == 0) {
        const int half = ScreenSize.ScreenHalfWidth;
        for (int layer = 6; layer <= 7; ++layer) {
          const int y = layer == 6 ? 0 : ScreenSize.ScreenHalfHeight;
          const int h = layer == 6 ? ScreenSize.ScreenHalfHeight : WindowHeight() - ScreenSize.ScreenHalfHeight;
          PrepareAt(layer, half, y, 0, h);
          Fill(layer, Grey(255));
          LayerToBack(layer);
          SetSizedMotionSlot(layer - 4, layer, {half, y, 0, h}, {0, y, WindowWidth(), h});
        }
      }
      Curves(kMotionSizedEaseOut, 20, 2, 3);
      if (CountFramePast(20)) NextAnimationStep(500);
      break;
    case 3: EndAuto(); break;
    default: break;
  }
}

void Clash() {
  AnimationRunRecord& r = AnimationRun;
  if (r.AnimationStep == 0) {
    if (r.AnimationFrame == 0) {
      G01_Sound(21);
      DrawState.CurrentLayer = kPortraitLayer;
      Load(kFigureKind, 5);
      const Rect p = Read(kPortraitLayer);
      SetMotionSlot(0, kPortraitLayer, p.X, p.Y, p.X, p.Y - 50);
      MotionSlot[0].MotionPause = 20;
    }
    Curve(kMotionEaseOutArc, 20, 0);
    if (CountFramePast(20)) {
      NextAnimationStep();
      if (Multiplied()) r.AnimationStep = 10;
      else if (SevenCards()) r.AnimationStep = 20;
    }
    return;
  }
  const int lastSlot = r.AnimationStep == 1 ? 1 : LastPieceSlot();
  if (r.AnimationFrame == 0) {
    const Rect b = Read(ButtonLayer());
    SetMotionSlot(0, ButtonLayer(), b.X, b.Y, b.X, ScreenSize.ScreenHalfHeight);
    const Rect c = Read(CardLayer());
    SetMotionSlot(1, CardLayer(), c.X, c.Y, c.X, ScreenSize.ScreenHalfHeight - c.Height);
    for (int k = 2; k <= lastSlot; ++k) {
      const Rect p = Read(CopyLayerOfSlot(k));
      SetMotionSlot(k, CopyLayerOfSlot(k), p.X, p.Y, p.X, p.Y + 150);
    }
  }
  Curves(kMotionEaseIn, 25, 0, lastSlot);
  if (CountFramePast(25)) EndAuto();
}

// The result marks: which slots' pieces the result acts on this frame.
std::vector<int> Marked(bool loserBlinks) {
  std::vector<int> slots;
  const int outcome = JankenState.JankenOutcome;
  const bool button = loserBlinks ? outcome != 0 : outcome != 1;
  const bool cards = loserBlinks ? outcome != 1 : outcome != 0;
  if (button) slots.push_back(0);
  if (cards) {
    for (int k = 1; k <= LastPieceSlot(); ++k) slots.push_back(k);
  }
  return slots;
}

void Result() {
  AnimationRunRecord& r = AnimationRun;
  const int f = r.AnimationFrame;
  if (FrameClock.AnimationCode == 1032 && r.AnimationStep == 0 && f == 0) {
    if (Multiplied()) FrameClock.AnimationCode = 1045;
    else if (SevenCards()) FrameClock.AnimationCode = 1055;
  }
  // In a draw both pieces are pushed apart; otherwise only the loser's.
  const std::vector<int> marked = Marked(true);
  switch (r.AnimationStep) {
    case 0: {
      if (f == 0) G01_Sound(25);
      const int d = std::max(1, 20 - 2 * f);
      for (int k : marked) {
        const Rect p = Read(CopyLayerOfSlot(k));
        Place(CopyLayerOfSlot(k), p.X, k == 0 ? p.Y + d : p.Y - d);
      }
      if (CountFramePast(14)) NextAnimationStep();
      break;
    }
    case 1:
      if (JankenState.JankenOutcome == 2) {
        NextAnimationStep(500);
        break;
      }
      for (int k : marked) ShowLayer(CopyLayerOfSlot(k), (f / 8) % 2 == 1);
      if (CountFramePast(63)) {
        for (int k : marked) ShowLayer(CopyLayerOfSlot(k), false);
        NextAnimationStep(500);
      }
      break;
    case 2:
      SetFrameLength(0, 0);
      if (f == 0) {
        G01_Sound(18);
        PrepareAt(8, WindowWidth(), 0);
        C00_LoadPicture(1, kResultKind, JankenState.JankenOutcome);
        LayerToFront(8);
        const Rect b = Read(8);
        SetMotionSlot(kBoardSlot, 8, Cx(b.Width), -b.Height, Cx(b.Width), Cy(b.Height));
      }
      Curve(kMotionEaseOut, 10, kBoardSlot);
      if (CountFramePast(10)) EndClick();
      break;
    default: break;
  }
}

void ResultOut() {
  if (AnimationRun.AnimationFrame == 0) {
    G01_Sound(18);
    SlotFromHere(kBoardSlot, 8, Read(8).X, WindowHeight());
  }
  Curve(kMotionLinear, 10, kBoardSlot);
  if (CountFramePast(10)) EndAuto();
}

void PiecesOut() {
  AnimationRunRecord& r = AnimationRun;
  const int f = r.AnimationFrame;
  switch (r.AnimationStep) {
    case 0:
      if (f == 0) SlotFromHere(kPortraitSlot, kPortraitLayer, Read(kPortraitLayer).X, WindowHeight());
      Curve(kMotionLinear, 5, kPortraitSlot);
      if (CountFramePast(5)) NextAnimationStep();
      break;
    case 1: {
      // The winner's pieces, still shown, leave: the button down, the cards up.
      const std::vector<int> marked = Marked(false);
      if (f == 0) {
        for (int k : marked) {
          const int layer = CopyLayerOfSlot(k);
          const Rect p = Read(layer);
          if (k == 0) SetMotionSlot(0, layer, p.X, p.Y, Cx(p.Width), WindowHeight());
          else SetMotionSlot(k, layer, p.X, p.Y, p.X, -p.Height - 10 - 40 * (k - 1));
        }
      }
      for (int k : marked) Curve(kMotionLinear, 10, k);
      if (CountFramePast(10)) NextAnimationStep();
      break;
    }
    case 2:
      if (f == 0) {
        const int half = ScreenSize.ScreenHalfWidth;
        for (int layer = 6; layer <= 7; ++layer) {
          const Rect p = Read(layer);
          SetSizedMotionSlot(layer - 4, layer, p, {half, p.Y, 0, p.Height});
        }
      }
      Curves(kMotionSizedEaseOut, 10, 2, 3);
      if (CountFramePast(10)) {
        ShowLayer(6, false);
        ShowLayer(7, false);
        EndAuto();
      }
      break;
    default: break;
  }
}

// ---- clear and defeat ----

int EndLayer() { return JankenState.JankenEndLayer; }

void ClearPicture() {
  if (AnimationRun.AnimationStep != 0) return;
  if (AnimationRun.AnimationFrame == 0) {
    G01_Sound(90);
    PrepareAt(EndLayer(), 0, 0, WindowWidth(), WindowHeight());
    Fill(EndLayer(), Grey(255));
    SetSizedMotionSlot(0, EndLayer(), {0, 0, WindowWidth(), WindowHeight()},
                       {0, ScreenSize.ScreenHalfHeight - 90, WindowWidth(), 200});
  }
  Curve(kMotionSizedEaseOut, 20, 0);
  if (CountFramePast(20)) {
    DrawState.CurrentLayer = EndLayer();
    Load(kClearKind, 0);
    EndClick();
  }
}

// Twenty strips of the picture in sheet 2 on layers E to E + 19, `height` rows each.
void CutStrips(int height, int y0, bool fromSides) {
  for (int i = 0; i < kStripCount; ++i) {
    const int x = fromSides ? (i % 2 == 0 ? WindowWidth() : -WindowWidth()) : 0;
    PrepareAt(EndLayer() + i, x, y0 + height * i, WindowWidth(), height);
    ClipCellToLayer(2, 0, height * i, WindowWidth(), height);
  }
}

void FillWindow(uint32_t colour) {
  LayerInfo(GameForm).BackColor = colour;
  ClearLayerImage(GameForm);
}

void ClearSequence() {
  AnimationRunRecord& r = AnimationRun;
  const int f = r.AnimationFrame;
  switch (r.AnimationStep) {
    case 0:
      if (f == 0) {
        PrepareAt(EndLayer() + 1, 0, ScreenSize.ScreenHalfHeight - 1, WindowWidth(), 2);
        Fill(EndLayer() + 1, Grey(255));
        LayerToFront(EndLayer() + 1);
        LayerToFront(EndLayer());
        SetSizedMotionSlot(0, EndLayer() + 1, {0, ScreenSize.ScreenHalfHeight - 1, WindowWidth(), 2},
                           {0, 0, WindowWidth(), WindowHeight()});
      }
      Curve(kMotionSizedEaseOut, 20, 0);
      if (CountFramePast(20)) {
        C00_LoadPicture(0, 0, 0);
        FillWindow(Grey(255));
        for (int layer = 1; layer <= 99; ++layer) ShowLayer(layer, false);
        NextAnimationStep();
      }
      break;
    case 1:
      if (f == 0) {
        G01_Sound(91);
        DrawState.SheetIndex = 2;
        C00_LoadPicture(2, kClearKind, 0);
        CutStrips(9, 210, false);
      }
      for (int i = 0; i < kStripCount; ++i) {
        const int endY = i % 2 == 0 ? WindowHeight() + (i / 2) * 50 : -((i / 2) * 50 + 9);
        Place(EndLayer() + i, 0, InterpolateRounded(210 + 9 * i, endY, f, 10, NoFrames::kOneFrame));
      }
      if (CountFramePast(10)) NextAnimationStep(1000);
      break;
    case 2: {
      SetFrameLength(0, 0);
      const int v = f >= 100 ? 0 : RoundHalfEven(255 - 255.0 / 100 * f);
      FillWindow(Grey(v));
      if (CountFramePast(100)) {
        FillWindow(Grey(0));
        EndAuto();
      }
      break;
    }
    default: EndAuto(); break;
  }
}

void OverPicture() {
  AnimationRunRecord& r = AnimationRun;
  if (r.AnimationStep == 0) {
    NextAnimationStep(500);
    return;
  }
  SetFrameLength(0, 0);
  const int cy = Cy(200);
  if (r.AnimationFrame == 0) {
    G01_Sound(95);
    DrawState.SheetIndex = 2;
    C00_LoadPicture(2, kOverKind, 0);
    CutStrips(10, cy, true);
    for (int i = 0; i < kStripCount; ++i)
      SetMotionSlot(i, EndLayer() + i, i % 2 == 0 ? WindowWidth() : -WindowWidth(), cy + 10 * i, 0, cy + 10 * i);
  }
  for (int i = 0; i < kStripCount; ++i) {
    const MotionSlotRecord& s = MotionSlot[static_cast<size_t>(i)];
    Place(EndLayer() + i, InterpolateRounded(s.MotionStartX, 0, r.AnimationFrame, 10, NoFrames::kOneFrame),
          s.MotionEndY);
  }
  if (CountFramePast(10)) EndClick();
}

void OverCollapse() {
  AnimationRunRecord& r = AnimationRun;
  switch (r.AnimationStep) {
    case 0:
      if (r.AnimationFrame == 0) {
        G01_Sound(95);
        for (int i = 0; i < kStripCount; ++i)
          SlotFromHere(i, EndLayer() + i, Read(EndLayer() + i).X, ScreenSize.ScreenHalfHeight - 4);
      }
      Curves(kMotionLinear, 10, 0, kStripCount - 1);
      if (CountFramePast(10)) {
        SetLayerPicture(EndLayer(), tq::Surface());
        Fill(EndLayer(), Grey(0));
        for (int i = 1; i < kStripCount; ++i) ShowLayer(EndLayer() + i, false);
        NextAnimationStep();
      }
      break;
    case 1:
      if (r.AnimationFrame == 0)
        SetSizedMotionSlot(0, EndLayer(), Read(EndLayer()), {0, 0, WindowWidth(), WindowHeight()});
      Curve(kMotionSizedEaseOut, 10, 0);
      if (CountFramePast(10)) {
        C00_LoadPicture(0, 0, 0);
        for (int layer = 0; layer <= EndLayer(); ++layer) ShowLayer(layer, false);
        NextAnimationStep(500);
      }
      break;
    default: EndAuto(); break;
  }
}

// ---- the third opponent's last round ----

// Closing text lines on layers first onward, centred in the window, printed with
// brightness b. Returns how many line layers it used.
int PrintLines(const std::string& text, int first, float b) {
  std::vector<std::string> lines;
  int n = 0;
  TextStyle.WorkText = text;
  SplitFields(TextStyle.WorkText, "：", 9, lines, n);
  for (int i = 0; i < n; ++i) {
    TextStyle.TextFontSize = 24;
    TextStyle.TextBold = 0;
    TextStyle.TextItalic = 0;
    TextStyle.CurrentText = lines[static_cast<size_t>(i + 1)];
    MeasureText(1);
    const int lh = TextStyle.MeasuredHeight + 10;
    DrawState.CurrentLayer = first + i;
    DrawState.CurrentRect = {0, WindowHeight() / 2 - (lh * n) / 2 + lh * i, WindowWidth(), lh};
    PrepareLayer(kPrepareTextShown);
    TextStyle.TextX = (WindowWidth() - TextStyle.MeasuredWidth) / 2;
    TextStyle.TextY = (lh - TextStyle.MeasuredHeight) / 2;
    GlowText(0, 0, 0, b);
  }
  return n;
}

// Fades a text in over 100 frames (then pause or a click), or out over 50 frames
// (then its layers are hidden). Returns true when done.
bool TextFade(const std::string& text, int first, bool in) {
  const int f = AnimationRun.AnimationFrame;
  if (in) {
    if (f >= 1) PrintLines(text, first, static_cast<float>(f) / 100.0f);
    return CountFramePast(100);
  }
  const int n = PrintLines(text, first, 1.0f - static_cast<float>(f) / 50.0f);
  if (!CountFramePast(50)) return false;
  for (int i = 0; i < n; ++i) ShowLayer(first + i, false);
  return true;
}

void CloseIn(bool victory) {
  AnimationRunRecord& r = AnimationRun;
  const int f = r.AnimationFrame;
  switch (r.AnimationStep) {
    case 0:
      if (f == 0) {
        const Rect b = Read(ButtonLayer());
        SetMotionSlot(0, ButtonLayer(), b.X, b.Y, b.X, ScreenSize.ScreenHalfHeight - 30);
        const Rect c = Read(CardLayer());
        // Behind the hand, but still before the flash bars behind it.
        LayerToBack(CardLayer());
        LayerToBack(7);
        LayerToBack(6);
        SetMotionSlot(1, CardLayer(), c.X, c.Y, c.X, ScreenSize.ScreenHalfHeight - c.Height + 30);
      }
      if (f >= 40) {
        r.AnimationSubStep += 1;
        SetFrameLength(-1, 100 + 10 * r.AnimationSubStep);
        if (r.AnimationSubStep % 2 == 1) G01_Sound(38);
      }
      Curves(kMotionEaseIn, 50, 0, 1);
      if (CountFramePast(50)) NextAnimationStep();
      break;
    case 1:
      if (f == 0) {
        G01_Sound(39);
        PrepareAt(1, WindowWidth(), 0);
        Load(kHeartKind, 0);
        const Rect h = Read(1);
        Place(1, Cx(h.Width), Cy(h.Height));
        SetMotionSlot(0, 1, Cx(h.Width), Cy(h.Height), Cx(h.Width), Cy(h.Height) - 30);
        MotionSlot[0].MotionPause = 30;
      }
      Curve(kMotionEaseOutArc, 30, 0);
      if (CountFramePast(30)) NextAnimationStep(victory ? 500 : 1000);
      break;
    case 2:
      if (f == 0) {
        G01_Sound(17);
        PrepareAt(0, WindowWidth(), 0);
        Load(kFigureKind, victory ? 50 : 51);
        const Rect p = Read(0);
        SetMotionSlot(0, 0, Cx(p.Width), WindowHeight(), Cx(p.Width), WindowHeight() - (p.Height + 50));
      }
      Curve(kMotionEaseOut, 10, 0);
      if (CountFramePast(10)) EndClick();
      break;
    default: break;
  }
}

// A picture on `layer` moved about its place by random offsets that shrink to 0.
void TrembleAbout(int layer, int x, int y, int frame, int frames, int reach) {
  const int a = reach * (frames - frame) / frames;
  Place(layer, x + RandomRange(-a, a), y + RandomRange(-a, a));
}

void HeartBreaks() {
  AnimationRunRecord& r = AnimationRun;
  const int f = r.AnimationFrame;
  switch (r.AnimationStep) {
    case 0:
      if (f == 0) SlotFromHere(0, 0, Read(0).X, WindowHeight());
      Curve(kMotionLinear, 10, 0);
      if (CountFramePast(10)) NextAnimationStep(800);
      break;
    case 1: {
      if (f == 0) {
        G01_Sound(40);
        DrawState.CurrentLayer = 1;
        KeepHome(0, 1);
        Load(kHeartKind, 1);
      }
      const MotionSlotRecord& home = MotionSlot[kHomeSlot];
      const int a = std::max(1, (50 - f) / 4);
      Place(1, home.MotionStartX + (f % 2 == 0 ? -a : a), home.MotionStartY);
      if (CountFramePast(49)) {
        Place(1, home.MotionStartX, home.MotionStartY);
        NextAnimationStep(800);
      }
      break;
    }
    case 2:
      if (f == 0) {
        G01_Sound(17);
        PrepareAt(0, WindowWidth(), 0);
        Load(kFigureKind, 52);
        const Rect p = Read(0);
        SetMotionSlot(0, 0, Cx(p.Width), WindowHeight(), Cx(p.Width), WindowHeight() - (p.Height + 30));
      }
      Curve(kMotionEaseOut, 50, 0);
      TrembleAbout(0, DrawState.CurrentRect.X, DrawState.CurrentRect.Y, std::min(f, 50), 50, 8);
      if (CountFramePast(50)) EndClick();
      break;
    default: break;
  }
}

// The white-to-black fade of layer 2 over 200 frames.
bool FadeToBlack() {
  const int f = AnimationRun.AnimationFrame;
  Fill(2, Grey(f >= 200 ? 0 : RoundHalfEven(255 - 255.0 / 200 * f)));
  return CountFramePast(200);
}

constexpr int kDefeatTextLayer = 3;

void DefeatEnding() {
  AnimationRunRecord& r = AnimationRun;
  const int f = r.AnimationFrame;
  switch (r.AnimationStep) {
    case 0:
      if (f == 10) G01_Sound(41);
      if (f == 0) {
        PrepareAt(2, ScreenSize.ScreenHalfWidth, ScreenSize.ScreenHalfHeight, 0, 0);
        SetSizedMotionSlot(0, 2, {ScreenSize.ScreenHalfWidth, ScreenSize.ScreenHalfHeight, 0, 0},
                           {0, 0, WindowWidth(), WindowHeight()});
      }
      Curve(kMotionSizedLinear, 50, 0);
      Fill(2, Grey(std::min(255, RoundHalfEven(255.0 / 50 * f))));
      if (CountFramePast(50)) NextAnimationStep(1500);
      break;
    case 1:
      if (FadeToBlack()) NextAnimationStep(1000);
      break;
    case 2:
      if (TextFade(G01_EndingText(2), kDefeatTextLayer, true)) NextAnimationStep(2000);
      break;
    case 3:
      if (TextFade(G01_EndingText(2), kDefeatTextLayer, false)) NextAnimationStep(500);
      break;
    case 4:
      if (f == 0) {
        for (int layer = 0; layer <= 29; ++layer) {
          if (layer != 2) ShowLayer(layer, false);
        }
        // The black layer stays over the whole window: the last thing shown.
        SetSizedMotionSlot(0, 2, Read(2), {0, 0, WindowWidth(), WindowHeight()});
      }
      Curve(kMotionSizedEaseOut, 100, 0);
      if (CountFramePast(100)) EndAuto();
      break;
    default: break;
  }
}

// The victory scene: the opponent shakes, hops, a heart, a long tremble, its last
// pictures; each step's length and the pauses between steps by table.
void VictoryScene() {
  AnimationRunRecord& r = AnimationRun;
  const int f = r.AnimationFrame;
  MotionSlotRecord& home = MotionSlot[kHomeSlot];
  switch (r.AnimationStep) {
    case 0:  // the opponent shakes
      if (f == 0) {
        G01_Sound(42);
        KeepHome(0, 0);
      }
      Place(0, home.MotionStartX + (f % 2 == 0 ? -6 : 6), home.MotionStartY);
      if (CountFramePast(9)) {
        Place(0, home.MotionStartX, home.MotionStartY);
        NextAnimationStep(800);
      }
      break;
    case 1:  // it starts: a short hop
      if (f == 0) {
        G01_Sound(43);
        DrawState.CurrentLayer = 0;
        Load(kFigureKind, 6);
      }
      Place(0, home.MotionStartX, home.MotionStartY - 4 * (f + 1));
      if (CountFramePast(2)) NextAnimationStep();
      break;
    case 2:  // and lands
      Place(0, home.MotionStartX, home.MotionStartY - 12 + 2 * (f + 1));
      if (CountFramePast(5)) NextAnimationStep(500);
      break;
    case 3:  // the heart turns whole, the opponent trembles
      if (f == 0) {
        G01_Sound(44);
        DrawState.CurrentLayer = 1;
        Load(kHeartKind, 2);
      }
      TrembleAbout(0, home.MotionStartX, home.MotionStartY, f, 79, 10);
      if (CountFramePast(79)) {
        Place(0, home.MotionStartX, home.MotionStartY);
        NextAnimationStep(1000);
      }
      break;
    case 4:  // it sinks away
      if (f == 0) SlotFromHere(0, 0, home.MotionStartX, WindowHeight());
      Curve(kMotionLinear, 9, 0);
      if (CountFramePast(9)) NextAnimationStep();
      break;
    case 5: {  // its other picture rises, trembling
      if (f == 0) {
        G01_Sound(43);
        DrawState.CurrentLayer = 0;
        Load(kFigureKind, 5);
      }
      const Rect p = Read(0);
      const int y = InterpolateRounded(WindowHeight(), WindowHeight() - (p.Height + 50), f, 99, NoFrames::kOneFrame);
      TrembleAbout(0, Cx(p.Width), y, f, 99, 6);
      if (CountFramePast(99)) {
        Place(0, Cx(p.Width), WindowHeight() - (p.Height + 50));
        NextAnimationStep(800);
      }
      break;
    }
    case 6:  // and sinks
      if (f == 0) SlotFromHere(0, 0, Read(0).X, WindowHeight());
      Curve(kMotionLinear, 9, 0);
      if (CountFramePast(9)) NextAnimationStep();
      break;
    case 7:  // the last picture rises into place
      if (f == 0) {
        G01_Sound(17);
        PrepareAt(0, WindowWidth(), 0);
        Load(kFigureKind, 53);
        const Rect p = Read(0);
        SetMotionSlot(0, 0, Cx(p.Width), WindowHeight(), Cx(p.Width), WindowHeight() - (p.Height + 50));
      }
      Curve(kMotionEaseOut, 10, 0);
      if (CountFramePast(10)) EndClick();
      break;
    default: break;
  }
}

void VictoryFlash() {
  AnimationRunRecord& r = AnimationRun;
  const int f = r.AnimationFrame;
  switch (r.AnimationStep) {
    case 0:
      if (f == 0) {
        PrepareAt(2, ScreenSize.ScreenHalfWidth, ScreenSize.ScreenHalfHeight, 0, 0);
        SetSizedMotionSlot(0, 2, {ScreenSize.ScreenHalfWidth, ScreenSize.ScreenHalfHeight, 0, 0},
                           {0, 0, WindowWidth(), WindowHeight()});
      }
      Curve(kMotionSizedLinear, 100, 0);
      Fill(2, (f / 4) % 2 == 1 ? Grey(255) : RgbColor(240, 110, 170));
      if (CountFramePast(100)) NextAnimationStep();
      break;
    case 1:
      if (FadeToBlack()) NextAnimationStep(1000);
      break;
    default: EndAuto(); break;
  }
}

void ClosingText(bool in) {
  AnimationRunRecord& r = AnimationRun;
  const std::string text = G01_EndingText(JankenState.JankenEndingText);
  if (in) {
    if (r.AnimationStep == 0 && TextFade(text, 0, true)) EndClick();
    return;
  }
  if (r.AnimationStep == 0) {
    if (TextFade(text, 0, false)) NextAnimationStep(500);
  } else {
    EndAuto();
  }
}

}  // namespace

bool G01_RunFrames(int code) {
  // The last round's scenes run at plain frames unless a step names a pause.
  if (code >= 1071 && code <= 1079) SetFrameLength(0, 0);
  switch (code) {
    case 1000: TitleIn(1, 10, false); return true;
    case 1040: TitleIn(2, 10, false); return true;
    case 1050: TitleIn(3, 9, true); return true;
    case 1001: TitleOut(0, 10, false); return true;
    case 1041: TitleOut(13, 10, false); return true;
    case 1051: TitleOut(20, 9, true); return true;
    case 1002: BoardIn(); return true;
    case 1003: BoardOut(); return true;
    case 1005: ClearPicture(); return true;
    case 1006: ClearSequence(); return true;
    case 1007: OverPicture(); return true;
    case 1008: OverCollapse(); return true;
    case 1009: EndAuto(); return true;
    case 1010: ButtonsRise(); return true;
    case 1011: PanelsIn(); return true;
    case 1012: PanelsOut(); return true;
    case 1013: PromptIn(); return true;
    case 1014: PromptOut(); return true;
    case 1015: Figure(); return true;
    case 1016: FramesBlink(); return true;
    case 1020: CardIn(); return true;
    case 1030: Choice(false); return true;
    case 1070:
      Choice(true);
      return true;
    case 1031: Clash(); return true;
    case 1032:
    case 1045:
    case 1055: Result(); return true;
    case 1033: ResultOut(); return true;
    case 1034: PiecesOut(); return true;
    case 1060:
    case 1061:
    case 1062:
    case 1063:
    case 1065:
    case 1066: CardSpeech(code); return true;
    case 1071: CloseIn(false); return true;
    case 1075: CloseIn(true); return true;
    case 1072: HeartBreaks(); return true;
    case 1073: DefeatEnding(); return true;
    case 1076: VictoryScene(); return true;
    case 1077: VictoryFlash(); return true;
    case 1078: ClosingText(true); return true;
    case 1079: ClosingText(false); return true;
    default: return false;
  }
}
