// The dice race: board 1, a course to the goal whose squares move a piece on or
// back (state 400), and board 2, a ring run three times (state 500).
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "marbrook/marbrook_pictures.h"
#include "marbrook/marbrook_sounds.h"
#include "games/timed_effects.h"
#include "marbrook/minigames/board_games.h"
#include "scenario/motion_curves.h"

using namespace board_games;

namespace {

enum : int {  // SceneStep of the race
  kSign = 5,
  kRoll = 10,
  kWalk = 11,
  kSignAway = 12,
  kLanded = 20,
  kLapsDone = 30,
  kComputerWon = 35,
  kPlayerWon = 40,
};

constexpr int kPieceSize = 30;
constexpr int kGoalKind = 9;
constexpr int kStartLineKind = 0;
constexpr int kLapsToWin = 4;
constexpr int kPlayer = 0;

// Board 1's move squares: direction and squares to move, by kind 1 to 7.
struct MoveRow {
  int direction, steps;
};
constexpr MoveRow kMoves[] = {{1, 1}, {1, 2}, {1, 3}, {1, 4}, {-1, 1}, {-1, 2}, {-1, 3}};

bool Board2() { return SceneCursor.SceneState == kRaceBoard2; }

// A piece put on its side of square `square`, hopping 30 pixels.
void PlacePiece(int side, int square) {
  const int layer = BoardGameState.G02PieceBox + side;
  G02_SquarePos(side * 5, square);
  const Rect at = DrawState.CurrentRect;
  PrepareWithPicture(layer, at.X, at.Y, kPieceSize, kPieceSize,
                     side == kPlayer ? kPlayerPiecePicture : kComputerPiecePicture, 0);
  GameSound(224, 0, -0.1f);
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {at.X, at.Y, kPieceSize, kPieceSize};
  DrawState.TargetRect = {at.X, at.Y - 30, kPieceSize, kPieceSize};
  EffectParams.EffectFrames = 16;
  EffectParams.EffectMotionKind = kMotionEaseOutArc;
  EffectParams.EffectRepeats = 0;
  RunEffect(kEffectMovePaused, EffectEnd::kReturn);
}

// Sign `number` falls from above the window to its centre.
void DropSign(int number) {
  GameSound(226);
  const int sign = BoardGameState.G02SignBox;
  PrepareWithPicture(sign, 0, 0, 600, 200, kRaceSignPicture, number);
  const int x = CentreX(LayerWidth(sign));
  Glide(sign, x, -LayerHeight(sign), x, CentreY(LayerHeight(sign)), 20, kDefaultDelay, kMotionEaseOut);
}

void OpenBoard(int board, int music) {
  Wait(kStripesClose, 0);
  RunMusicFade(20);
  G02_BuildBoard(board);
  Wait(kStripesOpen, 0);
  C15_PlayMusic(music);
  BoardGameState.TurnSide = kPlayer;
  BoardGameState.MoveDirection = 1;
  BoardGameState.PieceSize = kPieceSize;
}

void PlacePieces(int square) {
  PlacePiece(0, square);
  RunPause(100);
  PlacePiece(1, square);
}

// The lap counter of `side` slides in from its edge of the window.
void LapCounters() {
  const int left = BoardGameState.G02SignBox + 1;
  const int right = BoardGameState.G02SignBox + 2;
  PrepareWithPicture(left, 0, 0, 135, 90, kLapPicture, BoardGameState.SideLap[0]);
  PrepareWithPicture(right, 0, 0, 135, 90, kLapPicture, BoardGameState.SideLap[1] + 5);
  const int yl = CentreY(LayerHeight(left));
  const int yr = CentreY(LayerHeight(right));
  StoreSlot(0, left, -LayerWidth(left), yl, 5, yl);
  StoreSlot(1, right, WindowWidth(), yr, WindowWidth() - (LayerWidth(right) + 5), yr);
  MoveSlots(1, 10, kMotionEaseOut);
}

// The square's message slides in on the half of the window away from the piece.
void ShowSquareMessage(int kind) {
  GameSound(226);
  const int sign = BoardGameState.G02SignBox;
  DrawState.CurrentLayer = sign;
  DrawState.CurrentRect = {WindowWidth(), 0, 638, 300};
  PrepareLayer(kPreparePictureShown);
  ClipCellToLayer(kMessageSheet, 0, (kind - 1) * 300, 638, 300);
  int square = BoardGameState.MovingSquare;
  G02_SquarePos(BoardGameState.TurnSide * 5, square);
  const int half = ScreenSize.ScreenHalfHeight;
  const int pieceHalf = half > 0 ? DrawState.CurrentRect.Y / half : 0;
  const int y = Toggle01(pieceHalf) * half + 22;
  Glide(sign, WindowWidth(), y, CentreX(638), y, 20, kDefaultDelay, kMotionEaseOut);
}

void Landed() {
  ShowLayer(BoardGameState.G02DieBox, false);
  const int kind = BoardGameState.SquareKind[static_cast<size_t>(BoardGameState.MovingSquare)];
  BoardGameState.LandedKind = kind;
  BoardGameState.SidePosition[static_cast<size_t>(BoardGameState.TurnSide)] = BoardGameState.MovingSquare;
  if (kind >= 1 && kind <= 7) {
    ShowSquareMessage(kind);
    BoardGameState.MoveDirection = kMoves[kind - 1].direction;
    BoardGameState.StepsLeft = kMoves[kind - 1].steps;
    SceneCursor.SceneStep = kSignAway;
    if (BoardGameState.TurnSide != kPlayer) Wait(-1, 300);  // the computer's chain runs on by itself
    return;
  }
  if (kind == kGoalKind) {
    DropSign(BoardGameState.TurnSide + 5);
    SceneCursor.SceneStep = BoardGameState.TurnSide == kPlayer ? kPlayerWon : kComputerWon;
    return;
  }
  BoardGameState.TurnSide = Toggle01(BoardGameState.TurnSide);
  SceneCursor.SceneStep = kSign;
  Wait(-1, 300);
}

void HideGameLayers() {
  for (int layer = 0; layer <= 19; ++layer) ShowLayer(layer, false);
}

// Steps 35 to 42, the same on both boards.
void RaceEnd() {
  switch (SceneCursor.SceneStep) {
    case kComputerWon:
      Wait(kStripesClose, 0);
      HideGameLayers();
      RunMusicFade(20);
      GoTo(kRaceTitle, 1);
      Wait(-1, 300);
      break;
    case kPlayerWon:
      RunMusicFade(100);
      GameSound(229, 0, -0.05f);
      PrepareWithPicture(BoardGameState.G02SignBox, 0, 0, WindowWidth(), WindowHeight(), kRaceClearPicture, 0);
      SceneCursor.SceneStep = 41;
      break;
    case 41:
      Wait(kStripesClose, 0);
      C00_LoadPicture(0, 0, 0);
      LayerInfo(GameForm).BackColor = 0;
      ClearLayerImage(GameForm);
      HideGameLayers();
      if (!Board2()) {
        Wait(kStripesOpen, 0);
        G02_Leave(10);
        break;
      }
      RunPause(500);
      Wait(kStripesOpen, 0);
      SceneCursor.SceneStep = 42;
      Wait(-1, 500);
      break;
    case 42: G02_Leave(11); break;
    default: break;
  }
}

void Board1() {
  BoardGameStateRecord& game = BoardGameState;
  switch (SceneCursor.SceneStep) {
    case 0:
      OpenBoard(50, 211);
      game.SidePosition = {0, 0};
      PlacePieces(0);
      SceneCursor.SceneStep = kSign;
      Wait(-1, 300);
      break;
    case kSign:
      DropSign(game.TurnSide);
      SceneCursor.SceneStep = 6;  // on a click, the computer's turn too
      break;
    case 6: {
      const int sign = game.G02SignBox;
      SceneCursor.SceneStep = kRoll;
      DrawState.CurrentLayer = sign;
      DrawState.CurrentRect = {LayerLeft(sign), LayerTop(sign), LayerWidth(sign), LayerHeight(sign)};
      DrawState.TargetRect = {LayerLeft(sign), WindowHeight(), LayerWidth(sign), LayerHeight(sign)};
      EffectParams.EffectFrames = 20;
      EffectParams.EffectFrameDelay = kDefaultDelay;
      EffectParams.EffectMotionKind = kMotionEaseOut;
      RunEffect(kEffectMove, EffectEnd::kNextTick);
      break;
    }
    case kRoll:
      Wait(kRaceRoll, 0);
      game.MovingSquare = game.SidePosition[static_cast<size_t>(game.TurnSide)];
      SceneCursor.SceneStep = kWalk;
      Wait(0, 0);
      break;
    case kWalk:
      --game.StepsLeft;
      game.MovingSquare += game.MoveDirection;
      // Held to the board, whatever a chain of squares would do.
      if (game.MovingSquare < 0) game.MovingSquare = 0;
      if (game.MovingSquare > game.LastSquare) game.MovingSquare = game.LastSquare;
      SceneCursor.SceneStep = game.MovingSquare == game.LastSquare || game.StepsLeft <= 0 ? kLanded : kWalk;
      Wait(kRaceMove, 0);  // its end arms the next tick
      break;
    case kSignAway:
      ShowLayer(game.G02SignBox, false);
      SceneCursor.SceneStep = kWalk;
      Wait(0, 0);
      break;
    case kLanded: Landed(); break;
    default: RaceEnd(); break;
  }
}

void Board2Step() {
  BoardGameStateRecord& game = BoardGameState;
  switch (SceneCursor.SceneStep) {
    case 0:
      OpenBoard(51, 212);
      game.SidePosition = {6, 6};
      game.SideLap = {1, 1};
      LapCounters();
      PlacePieces(6);
      SceneCursor.SceneStep = 1;
      Wait(0, 0);
      break;
    case 1:
      DropSign(20);
      SceneCursor.SceneStep = 2;
      break;
    case 2:
      ShowLayer(game.G02SignBox, false);
      SceneCursor.SceneStep = kSign;
      Wait(-1, 300);
      break;
    case kSign:
      SceneCursor.SceneStep = kRoll;
      if (game.TurnSide == kPlayer) {
        GameSound(226);
        const int sign = game.G02SignBox;
        PrepareWithPicture(sign, 0, 0, 600, 200, kRaceSignPicture, 10);
        MoveLayer(sign, CentreX(LayerWidth(sign)), CentreY(LayerHeight(sign)), LayerWidth(sign), LayerHeight(sign));
        break;  // on a click
      }
      Wait(-1, 400);
      break;
    case kRoll:
      ShowLayer(game.G02SignBox, false);
      Wait(kRaceRoll, 0);
      game.MovingSquare = game.SidePosition[static_cast<size_t>(game.TurnSide)];
      SceneCursor.SceneStep = kWalk;
      Wait(0, 0);
      break;
    case kWalk: {
      --game.StepsLeft;
      game.MovingSquare += game.MoveDirection;
      if (game.MovingSquare > game.LastSquare || game.MovingSquare < 0) game.MovingSquare = 0;
      SceneCursor.SceneStep = game.StepsLeft <= 0 ? kLanded : kWalk;
      Wait(kRaceMove, 0);  // its end arms the next tick
      const size_t side = static_cast<size_t>(game.TurnSide);
      if (game.SquareKind[static_cast<size_t>(game.MovingSquare)] != kStartLineKind) break;
      ++game.SideLap[side];
      if (game.SideLap[side] >= kLapsToWin) {
        SceneCursor.SceneStep = kLapsDone;  // the rest of the roll is dropped
        break;
      }
      DrawState.CurrentLayer = game.G02SignBox + 1 + game.TurnSide;
      C00_LoadPicture(1, kLapPicture, game.TurnSide * 5 + game.SideLap[side]);
      break;
    }
    case kSignAway:
      ShowLayer(game.G02SignBox, false);
      SceneCursor.SceneStep = kWalk;
      Wait(0, 0);
      break;
    case kLanded:
      ShowLayer(game.G02DieBox, false);
      game.SidePosition[static_cast<size_t>(game.TurnSide)] = game.MovingSquare;
      game.TurnSide = Toggle01(game.TurnSide);
      SceneCursor.SceneStep = kSign;
      Wait(0, 0);
      break;
    case kLapsDone:
      ShowLayer(game.G02DieBox, false);
      DropSign(game.TurnSide + 5);
      SceneCursor.SceneStep = game.TurnSide == kPlayer ? kPlayerWon : kComputerWon;
      break;
    default: RaceEnd(); break;
  }
}

}  // namespace

namespace board_games {

void RaceStep() {
  if (Board2()) Board2Step();
  else Board1();
}

}  // namespace board_games
