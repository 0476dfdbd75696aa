// The board games' own animations (AnimationCode 1000 to 1040): curtains and
// stripes, falls and hops, the two die rolls and the piece moves.
#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/numeric.h"
#include "engine/string_utils.h"
#include "marbrook/marbrook_pictures.h"
#include "marbrook/marbrook_sounds.h"
#include "games/timed_effects.h"
#include "marbrook/minigames/board_games.h"
#include "platform/pixels.h"
#include "scenario/motion_curves.h"

using namespace board_games;

namespace {

constexpr int kStripes = 10;
constexpr int kHopHeight = 50;
constexpr int kHopFrames = 20;
constexpr int kFallFrames = 25;
constexpr int kFallSoundFrame = 23;

// Counts the frame just drawn; true when it was frame n, the last.
bool LastFrameDone(int n) {
  if (AnimationRun.AnimationFrame >= n) return true;
  ++AnimationRun.AnimationFrame;
  return false;
}

void StepSlot(int slot, int curve) {
  MotionState.CurrentMotionSlot = slot;
  MotionCurveStep(curve);
}

// The grey of a curtain at frame f of n: 255 / n * f, halves to even.
int CurtainGrey(int f, int n) { return RoundHalfEven(255.0 / n * f); }

void FillLayer(int layer, uint32_t colour) {
  LayerInfo(layer).BackColor = colour;
  ClearLayerImage(layer);
}

// A hop of `layer`: up 50 pixels and back over 21 frames. True when it is done.
bool HopFrame(int layer) {
  if (AnimationRun.AnimationFrame == 0) {
    const int x = LayerLeft(layer);
    const int y = LayerTop(layer);
    SetMotionSlot(0, layer, x, y, x, y - kHopHeight);
    MotionSlot[0].MotionPause = kHopFrames;
  }
  AnimationRun.AnimationLength = kHopFrames;
  StepSlot(0, kMotionEaseOutArc);
  return LastFrameDone(kHopFrames);
}

// A fall of `layer` from above the window to y = 0 at its x. True when it is done.
bool FallFrame(int layer) {
  if (AnimationRun.AnimationFrame == 0) {
    SetMotionSlot(0, layer, LayerLeft(layer), -LayerHeight(layer), LayerLeft(layer), 0);
  }
  AnimationRun.AnimationLength = kFallFrames;
  if (AnimationRun.AnimationFrame == kFallSoundFrame) GameSound(200);
  StepSlot(0, kMotionEaseIn);
  return LastFrameDone(kFallFrames);
}

// 1015, 1016 and 1040: a layer falls in and hops. True when the hop is done.
bool FallAndHop(int layer, int kind, int number, bool atCurrentRect) {
  if (AnimationRun.AnimationStep == 0) {
    if (AnimationRun.AnimationFrame == 0) {
      Rect at = DrawState.CurrentRect;
      if (!atCurrentRect) at.X = 0;
      DrawState.CurrentLayer = layer;
      DrawState.CurrentRect = at;
      PrepareLayer(kPreparePictureShown);
      if (kind != 0) C00_LoadPicture(1, kind, number);
    }
    if (FallFrame(layer)) {
      AnimationRun.AnimationFrame = 0;
      AnimationRun.AnimationSubStep = 0;
      AnimationRun.AnimationStep = 1;
    }
    return false;
  }
  return HopFrame(layer);
}

void WhiteOpenFrame() {
  SetFrameLength(-1, kDefaultDelay);
  const int layer = BoardGameState.G02CurtainBox;
  const int f = AnimationRun.AnimationFrame;
  if (f == 0) {
    DrawState.CurrentLayer = layer;
    DrawState.CurrentRect = {WindowWidth() / 2 - 1, WindowHeight() / 2 - 1, 2, 2};
    PrepareLayer(kPreparePictureShown);
    MotionSlotRecord& s = MotionSlot[0];
    SetMotionSlot(0, layer, WindowWidth() / 2 - 1, WindowHeight() / 2 - 1, 0, 0);
    s.MotionStartWidth = 2;
    s.MotionStartHeight = 2;
    s.MotionEndWidth = WindowWidth();
    s.MotionEndHeight = WindowHeight();
  }
  AnimationRun.AnimationLength = 30;
  StepSlot(0, kMotionSizedEaseOut);
  const int c = CurtainGrey(f, 30);
  FillLayer(layer, RgbColor(c, c, c));
  if (!LastFrameDone(30)) return;
  FillLayer(GameForm, RgbColor(255, 255, 255));
  ShowLayer(layer, false);
  FrameClock.FrameLoopRunning = 0;
}

void BabyUpFrame() {
  SetFrameLength(-1, kDefaultDelay);
  const int piece = BoardGameState.G02PieceBox;
  if (AnimationRun.AnimationFrame == 0 && AnimationRun.AnimationSubStep == 0) {
    GameSound(205, 0, -0.1f);
    const int under = BoardGameState.G02BoardBox + 1;
    PrepareWithPicture(piece, 0, 0, 100, 100, kEasyPicture, 5);
    const int x = LayerLeft(under) + LayerWidth(under) / 2 - LayerWidth(piece) / 2;
    const int y = LayerTop(under) + LayerHeight(under) / 2 - LayerHeight(piece) / 2;
    MoveLayer(piece, x, y, LayerWidth(piece), LayerHeight(piece));
  }
  if (!HopFrame(piece)) return;
  AnimationRun.AnimationSubStep = 1;
  Wait(0, 0);
}

void DrawTilesFrame() {
  SetFrameLength(-1, kDefaultDelay);
  const int n = AnimationRun.AnimationFrame;
  if (n >= 0 && n < static_cast<int>(BoardGameState.SquareKind.size())) {
    const size_t i = static_cast<size_t>(n);
    const int size = BoardGameState.SquareSize;
    const int k = BoardGameState.SquareKind[i];
    BitBltCopy(BoardGameState.G02BoardBox + 1, BoardGameState.G02BoardBox,
               {k % 10 * size, k / 10 * size, size, size,
                (900 - size * (BoardGameState.LastColumn + 1)) / 2 + BoardGameState.SquareColumn[i] * size,
                (600 - size * (BoardGameState.LastRow + 1)) / 2 + BoardGameState.SquareRow[i] * size});
  }
  if (LastFrameDone(BoardGameState.LastSquare)) FrameClock.FrameLoopRunning = 0;
}

void HopOfCurrentLayerFrame() {
  SetFrameLength(-1, kDefaultDelay);
  if (AnimationRun.AnimationFrame == 0) GameSound(205, 0, -0.05f);
  // The slot keeps the layer; each step leaves it in CurrentLayer.
  if (HopFrame(DrawState.CurrentLayer)) FrameClock.FrameLoopRunning = 0;
}

void LifeRollFrame() {
  SetFrameLength(-1, 10);
  const int die = BoardGameState.G02DieBox;
  const int f = AnimationRun.AnimationFrame;
  if (AnimationRun.AnimationStep == 0) {
    const int face = RandomRange(1, 6);
    G02_BuildBoard(20, face);
    if (f % 10 == 0 && f <= 40) GameSound(206, f / 10);
    if (f == 0) SetMotionSlot(0, die, LayerLeft(die), -300, LayerLeft(die), LayerTop(die));
    AnimationRun.AnimationLength = 50;
    StepSlot(0, kMotionLinear);
    if (!LastFrameDone(50)) return;
    BoardGameState.G02LastRoll = face;
    BoardGameState.StepsLeft = face;
    AnimationRun.AnimationFrame = 0;
    AnimationRun.AnimationStep = 1;
    return;
  }
  if (f == 0) GameSound(206);
  if (!HopFrame(die)) return;
  EndCommonEffect();
}

void LifeMoveFrame() {
  BoardGameStateRecord& game = BoardGameState;
  SetFrameLength(-1, kDefaultDelay);
  const int piece = game.G02PieceBox;
  if (AnimationRun.AnimationFrame == 0) {
    GameSound(207);
    const size_t i = static_cast<size_t>(game.MovingSquare);
    const int size = game.SquareSize;
    const int half = size / 2 - game.PieceSize / 2;
    SetMotionSlot(0, piece, LayerLeft(piece), LayerTop(piece), game.SquareColumn[i] * size + game.BoardOriginX + half,
                  game.SquareRow[i] * size + game.BoardOriginY + half);
  }
  AnimationRun.AnimationLength = 20;
  StepSlot(0, kMotionEaseOut);
  if (LastFrameDone(20)) Wait(0, 0);
}

void TitleFallFrame() {
  SetFrameLength(-1, kDefaultDelay);
  if (FallAndHop(BoardGameState.G02CurtainBox, kLifeTitlePicture, 1, true)) FrameClock.FrameLoopRunning = 0;
}

void GameOverFallFrame() {
  SetFrameLength(-1, kDefaultDelay);
  if (FallAndHop(BoardGameState.G02CurtainBox + 1, kGameOverPicture, 0, false)) FrameClock.FrameLoopRunning = 0;
}

void ClearFallFrame() {
  SetFrameLength(-1, kDefaultDelay);
  if (FallAndHop(BoardGameState.G02CurtainBox, 0, 0, true)) Wait(0, 0);
}

void CurtainRiseFrame() {
  SetFrameLength(-1, kDefaultDelay);
  const int layer = BoardGameState.G02CurtainBox;
  const int f = AnimationRun.AnimationFrame;
  if (f == 0) {
    DrawState.CurrentLayer = layer;
    DrawState.CurrentRect = {0, WindowHeight(), WindowWidth(), WindowHeight()};
    PrepareLayer(kPreparePictureShown);
    SetMotionSlot(0, layer, 0, WindowHeight(), 0, 0);
  }
  AnimationRun.AnimationLength = 100;
  StepSlot(0, kMotionEaseOut);
  const int c = CurtainGrey(f, 100);
  FillLayer(layer, RgbColor(c, c, c));
  if (LastFrameDone(100)) Wait(0, 0);
}

// Ten white stripes across the window; `closing` starts them outside and brings
// them together, otherwise they part, even ones down and odd ones up.
void StripesFrame(bool closing) {
  SetFrameLength(-1, kDefaultDelay);
  const int h = WindowHeight() / kStripes;
  const int f = AnimationRun.AnimationFrame;
  if (f == 0) {
    if (closing) C00_LoadPicture(0, kRaceTitlePicture, 0);
    for (int k = 0; k < kStripes; ++k) {
      const int layer = BoardGameState.G02CurtainBox + k;
      const int outside = k % 2 == 0 ? WindowHeight() : -h;
      const int y0 = closing ? outside : k * h;
      const int y1 = closing ? k * h : outside;
      DrawState.CurrentLayer = layer;
      DrawState.CurrentRect = {0, y0, WindowWidth(), h};
      PrepareLayer(kPreparePictureShown);
      FillLayer(layer, RgbColor(255, 255, 255));
      tq::Surface& image = LayerImage(layer);
      tq::FillBox(image, 0, 0, WindowWidth() - 1, 0, tq::PixelFromColor(RgbColor(192, 192, 192)));
      SetMotionSlot(k, layer, 0, y0, 0, y1);
    }
  }
  if (f == 3) GameSound(220);
  AnimationRun.AnimationLength = closing ? 20 : 40;
  for (int k = 0; k < kStripes; ++k) StepSlot(k, kMotionEaseOut);
  if (LastFrameDone(closing ? 20 : 40)) FrameClock.FrameLoopRunning = 0;
}

void RaceRollFrame() {
  SetFrameLength(-1, 20);
  const int f = AnimationRun.AnimationFrame;
  if (f % 5 == 0) {
    BoardGameState.G02LastRoll = RandomRange(1, 6);
    G02_BuildBoard(25, BoardGameState.G02LastRoll);
    GameSound(225, f % 2);
  }
  if (!LastFrameDone(40)) return;
  BoardGameState.StepsLeft = BoardGameState.G02LastRoll;
  FrameClock.FrameLoopRunning = 0;
}

void RaceMoveFrame() {
  SetFrameLength(-1, kDefaultDelay);
  const int piece = BoardGameState.G02PieceBox + BoardGameState.TurnSide;
  if (AnimationRun.AnimationFrame == 0) {
    GameSound(224, 0, -0.1f);
    int square = BoardGameState.MovingSquare;
    G02_SquarePos(BoardGameState.TurnSide * 5 + 1, square);
    SetMotionSlot(0, piece, LayerLeft(piece), LayerTop(piece), DrawState.TargetRect.X, DrawState.TargetRect.Y);
  }
  AnimationRun.AnimationLength = 20;
  StepSlot(0, kMotionEaseOut);
  if (LastFrameDone(20)) Wait(0, 0);
}

}  // namespace

bool G02_Frame() {
  switch (FrameClock.AnimationCode) {
    case kWhiteOpen: WhiteOpenFrame(); return true;
    case kBabyUp: BabyUpFrame(); return true;
    case kDrawTiles: DrawTilesFrame(); return true;
    case kHop: HopOfCurrentLayerFrame(); return true;
    case kLifeRoll: LifeRollFrame(); return true;
    case kLifeMove: LifeMoveFrame(); return true;
    case kTitleFall: TitleFallFrame(); return true;
    case kGameOverFall: GameOverFallFrame(); return true;
    case kCurtainRise: CurtainRiseFrame(); return true;
    case kStripesOpen: StripesFrame(false); return true;
    case kStripesClose: StripesFrame(true); return true;
    case kRaceRoll: RaceRollFrame(); return true;
    case kRaceMove: RaceMoveFrame(); return true;
    case kClearFall: ClearFallFrame(); return true;
    default: return false;
  }
}
