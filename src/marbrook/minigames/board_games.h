// The board games, the Marbrook mini-game of SceneCode 52: entered with (52, 0, 0)
// for the life board, (52, 1, 0) for the dice race.
//
// The life board offers an easy life (a fixed sequence from birth to old age) and a
// hard one (a die-driven walk over a board of life events, most squares ending the
// life); the dice race runs the player's piece against the computer's on a course
// to a goal or on a ring of three laps. Winning hands the story on to stage 15
// (life) or 35 (race) through G02_Leave; an ended life or a lost race goes back to
// that game's own title screen.
//
// Record: BoardGameState (layers, the board grid and the pieces).
// Members of the screen table (RegisterBoardGames): G02_Step, G02_Hover,
// G02_FrameGate, G02_OnKey. The other procedures are here for the tests.
//
// Files: board_games.cpp (hooks, choice screens, boards), board_games_life.cpp
// (states 100 and 200, the message window), board_games_race.cpp (states 400 and
// 500), board_games_frames.cpp (G02_Frame).
#pragma once

#include <array>
#include <string>

struct BoardGameStateRecord {
  int G02CurtainBox = 0;  // curtains and stripes: 50 to 59; 51 also the game-over picture
  int G02BoardBox = 0;    // the board; 10 and 11 the choice buttons, 11 and 19 tile sources
  int G02PieceBox = 0;    // the player's piece; the computer's is the next layer
  int G02DieBox = 0;
  int G02SignBox = 0;  // signs and messages; 5 and 6 the lap counters of race board 2
  int G02LastRoll = 0;
  std::array<int, 100> SquareColumn{};
  std::array<int, 100> SquareRow{};
  std::array<int, 100> SquareKind{};
  int LastSquare = 0;
  int LastColumn = 0;
  int LastRow = 0;
  int SquareSize = 0;
  int PieceSize = 0;
  int BoardOriginX = 0;
  int BoardOriginY = 0;
  int MovingSquare = 0;
  int StepsLeft = 0;
  int TurnSide = 0;  // 0 the player, 1 the computer
  std::array<int, 2> SidePosition{};
  std::array<int, 2> SideLap{};
  int MoveDirection = 1;
  int LandedKind = 0;
  int KeepLivingAfterDeath = 0;  // 0 or -1: the M switch of the life board
};
extern BoardGameStateRecord BoardGameState;

void G02_Step();
void G02_Hover();
void G02_OnKey();
bool G02_FrameGate();
bool G02_Frame();
// 0 or 1 (life board) hands on to stage 15, 10 or 11 (race) to stage 35.
void G02_Leave(int type);
void G02_Constants();
// 10 the life board, 50 and 51 the race boards; 20 and 25 show die face `value`.
void G02_BuildBoard(int kind, int value = 0);
// Kinds 0 and 1 the player's piece, 5 and 6 the computer's; 0 and 5 write
// CurrentRect, 1 and 6 TargetRect.
void G02_SquarePos(int kind, int& square);
void G02_LifeMessage(int code);
// The text of a message code ("：" starts a line), "" for a code without one.
std::string G02_LifeMessageText(int code);

void RegisterBoardGames();
void ResetBoardGameState();

// Shared by the board-game files.
namespace board_games {

enum : int {  // SceneState
  kLifeEntry = 0,
  kRaceEntry = 1,
  kLifeTitle = 5,
  kLifeChoice = 6,
  kEasyLife = 100,
  kHardLife = 200,
  kRaceTitle = 300,
  kRaceChoice = 305,
  kRaceBoard1 = 400,
  kRaceBoard2 = 500,
};

enum : int {  // AnimationCode of the screen's own frames
  kWhiteOpen = 1000,
  kBabyUp = 1001,
  kDrawTiles = 1002,
  kHop = 1003,
  kLifeRoll = 1005,
  kLifeMove = 1010,
  kTitleFall = 1015,
  kGameOverFall = 1016,
  kCurtainRise = 1020,
  kStripesOpen = 1021,
  kStripesClose = 1022,
  kRaceRoll = 1025,
  kRaceMove = 1030,
  kClearFall = 1040,
};

enum : int {  // picture kinds
  kLifeTitlePicture = 1200,
  kEasyPicture = 1210,
  kLifeDiePicture = 1211,
  kGoalPicture = 1212,
  kLifeClearPicture = 1213,
  kHardPicture = 1214,
  kGameOverPicture = 1215,
  kRaceTitlePicture = 1220,
  kRaceButtonPicture = 1221,
  kRaceTilePicture = 1222,
  kRaceBackPicture = 1223,
  kPlayerPiecePicture = 1224,
  kComputerPiecePicture = 1225,
  kRaceSignPicture = 1226,
  kRaceDiePicture = 1227,
  kRaceMessagePicture = 1228,
  kRaceClearPicture = 1229,
  kLapPicture = 1230,
};

// Sprite sheets of the choice screens.
constexpr int kDieSheet = 0;
constexpr int kButtonSheet = 1;
constexpr int kMessageSheet = 2;

constexpr int kDefaultDelay = 13;

// Effect 800 of one layer from `from` to `to` (x and y), returning here.
void Glide(int layer, int fromX, int fromY, int toX, int toY, int frames, int delay, int motionKind);
// The layer prepared visible in front at (x, y, w, h), then given the picture (its
// size follows the picture; without one it keeps w by h).
void PrepareWithPicture(int layer, int x, int y, int w, int h, int kind, int number);
// Motion slot `slot` := `layer` from (x0, y0) to (x1, y1).
void StoreSlot(int slot, int layer, int x0, int y0, int x1, int y1);
// Effect 801 over slots 0 to lastSlot, returning here.
void MoveSlots(int lastSlot, int frames, int motionKind);

void LifeStep();
void RaceStep();

}  // namespace board_games
