// The board-game screen, scene 51 of the Vadrim mode, entered with (51, 1, 0) and
// the board number in VadrimProgress.GameStage ((51, 0, 0) plays board 10 without
// recording progress). It leaves only through D50_Leave once a board is cleared.
//
// Files, all in vadrim/board/: drawing.cpp (layers, sheets, tiles, panels, gauges,
// creatures), effects.cpp (the frame gate and the board's copy of the common timed
// effects, codes below 1000), turn_flow.cpp (D50_Step and its states), frames.cpp
// (D50_Frame, codes 1000 to 1099), input.cpp (hover, button frames, keys), cells.cpp
// (landed-cell effects, banners, counter badges, re-roll), items.cpp (items, the
// item window and buttons), phases.cpp (the creature phases), attacks.cpp (attacks,
// strikes, removals, chains), creature_frames.cpp (codes 1030 to 1039), danger.cpp
// (danger level and omens); the rules without a screen: model.h (the records),
// layouts.h (the boards), progress.h (resets, spawns, progress and hand-back),
// creature_types.h and creature_movement.h (the creatures' rules and moves).
//
// Records: BoardScreen (layout words), BoardChoice (the item and strike words the
// turn flow and the animations share). The board's own records are model.h.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "games/timed_effects.h"

struct BoardScreenRecord {
  int EffectSheet = 0;      // sprite sheet of the endings' pictures
  int TurnButtonLast = -1;  // offset of the last item button shown, -1 none
  int ItemButtonX = 0;
  int ItemButtonTop = 0;  // item button n stands at ItemButtonTop + 75 n
  int MenuButtonLast = 0;
  int ChoiceButtonLast = 0;   // attack buttons ChoiceButtonFirstBox to + this
  int PickIconLast = 0;       // icons of the opening pick
  int CreatureClickLast = 0;  // creature layers a target strike can choose
  int ColumnArrowLast = 0;    // line-strike arrows: columns first, then rows
  int RowArrowLast = 0;
  int LineArrowLast = 0;
  std::array<int, 3> StrikeKinds = {};
  int IntroButton = 0;  // the last item button the intro has slid in
  // Attack-button frames: highlighted back and line, normal back and line (0x00BBGGRR).
  std::array<unsigned, 4> FrameColours = {};
};
extern BoardScreenRecord BoardScreen;

struct BoardChoiceRecord {
  int ItemSource = 0;  // 0 a 具 cell, 1 a 選 choice, 2 the periodic gift
  int ItemSlot = 0;    // the slot of the item being used
  int ItemCode = 0;
  int NewItem = 0;
  int SpecialStrikeSource = 0;  // 0 a landed cell, 1 an item
  int StrikeDir = 0;            // 1 up, 2 right, 3 down, 4 left
  int SealJustSet = 0;          // -1 when 封 was landed on this turn
  int StrikeX = 0;              // grid cell a T or L strike starts from
  int StrikeY = 0;
  int StrikeRange = 0;   // cells reached
  int StrikeDamage = 0;  // hit points taken from each creature reached
  int StrikeOrigin = 0;  // 0 an attack, 1 an L strike, 2 a T strike, 3 a chaser's merge
  int LuckChange = 0;    // the amount printed on a cell's banner
  std::array<int, 5> ChoiceItems = {};  // the five cards of a 選 cell
};
extern BoardChoiceRecord BoardChoice;

// ---- Screen layout and drawing ----
// Kind 0: layer numbers, the tile picture and the nine sheets, sizes and the
// starting words; kind 10: the board-start reset of gauges, counters and items.
void D50_Layout(int kind);
// Kinds 10 board grid, 15 piece, 20 die face `value`, 30 direction pictures, 40
// stage-title signs, 50 menu buttons.
void D50_DrawPanel(int kind, int value);
// Kind 10: the tiles of every path cell that is not plain.
void D50_DrawPath(int kind);
// BlitSpec.BlitSrcX, BlitSrcY := the tile of a path-cell kind in the tile picture.
void D50_KindTile(int kind);
// Kinds 0 / 1: the piece on path cell n into CurrentRect / TargetRect; 10: the
// cell inside the board layer (CurrentRect); 21: the cell's corner on the screen
// (TargetRect).
void D50_CellPos(int kind, int& n);
// Kinds 10 運, 11 女, 25 throws left, 30 attacks left; mode 0 places the panel off
// the left edge, mode 1 redraws it where it is.
void D50_GaugePanel(int kind, int mode);
// The creature of StepScratch.ActiveCreature: mode 0 off the left edge, 1 where it
// is, 2 on its grid cell.
void D50_DrawCreature(int mode);

// ---- Frame gate and common timed effects ----
// Codes below 1000: D50_CommonFrame; 1000 to 1099: D50_Frame. Returns false for
// any other code, so the loop ends.
bool D50_FrameGate();
void D50_CommonFrame();

// ---- Turn flow, animations, input ----
void D50_Step();
void D50_Frame();
void D50_Hover();
void D50_ButtonFrame(int kind);
int D50_InRange(int index);
void D50_OnKey();

void RegisterBoardGame();
void ResetBoardScreenState();

// ---- Shared by the board_*.cpp files ----

// The scene's states that more than one file names.
enum : int {
  kBoardStartTen = 0,
  kBoardStart = 1,
  kBoardSetUp = 10,
  kBoardIntro = 50,
  kBoardDie = 100,
  kBoardLanded = 110,
  kBoardEndTurn = 120,
  kBoardOmen = 130,
  kBoardMovePhase = 150,
  kBoardLifePhase = 170,
  kBoardCellChange = 200,
  kBoardMenu = 500,
  kBoardRules = 510,
  kBoardRestart = 550,
  kBoardAttackOffer = 600,
  kBoardAttack = 610,
  kBoardItemChoice = 700,
  kBoardOpeningPick = 710,
  kBoardTargetStrike = 750,
  kBoardLineStrike = 760,
  kBoardCleared = 900,
  kBoardFailed = 910,
};

// AnimationCodes of D50_Frame, named as the frame procedures that run them (1030 to
// 1039 run in D50_CreatureFrame).
enum : int {
  kAnimOldestItemHops = 1000,
  kAnimItemChosen = 1001,
  kAnimPieceIn = 1010,
  kAnimPieceStep = 1011,
  kAnimDie = 1020,
  kAnimAttackChosen = 1025,
  kAnimArrowChosen = 1026,
  kAnimTargetChosen = 1027,
  kAnimBeam = 1030,
  kAnimNumbers = 1031,
  kAnimLuckToGauge = 1032,
  kAnimWomanToGauge = 1033,
  kAnimBlinkOut = 1034,
  kAnimHops = 1035,
  kAnimEat = 1040,
  kAnimMerge = 1041,
  kAnimWarp = 1050,
  kAnimReverse = 1055,
  kAnimDialogChoice = 1070,
  kAnimWhiteOut = 1071,
  kAnimWhiteClose = 1072,
  kAnimClearBand = 1090,
  kAnimClearBurst = 1091,
  kAnimClearFade = 1092,
  kAnimFailBanner = 1095,
  kAnimFailBlackout = 1096,
  kAnimContinueBanner = 1097,
  kAnimContinueClose = 1098,
};

// ButtonMode values of the board's input sets.
enum : int {
  kButtonsMenu = 10,
  kButtonsAttack = 20,
  kButtonsDialog = 30,
  kButtonsCards = 40,
  kButtonsPick = 45,
  kButtonsCreatures = 50,
  kButtonsArrows = 55,
};

// Motion slot `slot` := layer from (x0, y0) to (x1, y1), through D50_StoreSprite.
void BoardStore(int slot, int layer, int x0, int y0, int x1, int y1);
// CurrentLayer := layer prepared as a shown picture at (x, y) with the size.
void BoardPrepare(int layer, int x, int y, int width, int height);
// Effect 800 on CurrentLayer from CurrentRect to TargetRect's point.
void BoardMove(int frames, int motionKind, EffectEnd end = EffectEnd::kNextTick);
// Effect 801 over slots 0 to lastSlot.
void BoardMoveSlots(int lastSlot, int frames, int motionKind, EffectEnd end = EffectEnd::kNextTick);
// Runs an animation that returns to its caller (1031 to 1033), then arms the next
// tick: the step set before goes on without a click.
void BoardAnimateThenNext(int code);
// Effect 800 of `layer` from where it stands to (x, y).
void BoardMoveTo(int layer, int x, int y, int frames, int motionKind, EffectEnd end = EffectEnd::kNextTick);
// The GO marker at the piece, shown wherever a click rolls the die or moves the
// piece; left in CurrentLayer and CurrentRect.
void BoardGoMarker();
// Waits for a choice of the set `buttonMode` at step 0, nothing highlighted.
void BoardRaise(int buttonMode);

// Frame helper of the board's animations. Count to n: length := n, one more
// frame counted, true once the count has passed n.
bool BoardCountTo(int n);
// An attack-button frame: back colour, then an outline and the inner box from (7, 7)
// to (width - 8, height - 8) in the line colour (0x00BBGGRR).
void BoardFramePaint(int layer, unsigned back, unsigned line);

// ---- Landed cells, items, creature events, danger ----
// Applies TurnFlow.LandedKind (a landed cell or an item standing for one); a sealed
// 凶 or 狂, or a kind no board uses, sets it to 0.
void D50_CellEffect();
// BannerLayer as the banner of cell kind 10 to 120, left in CurrentLayer.
void D50_EffectBanner(int kind);
// Mode 0, 10 or 20: NewCellIndex and NewCellKind for the cell change.
void D50_RerollCell(int mode);
// Mode 0 draws the 凶 and 狂 cells sealed, mode 1 as usual.
void D50_HighlightCells(int mode);
// The 止 (kind 80), 力 (90) or 封 (100) badge: mode 0 at its start outside the
// window, mode 1 redrawn where it is; left in CurrentLayer and CurrentRect.
void D50_CounterBadge(int mode, int kind);
// BoardChoice.NewItem := an item of the board's choice list.
void D50_ChoiceList();
// The 選 window with five drawn cards sliding in (effect 801, back to the caller).
void D50_ItemWindow();
// Kind 0 the button panel, 1 every held item's button below the window, 10 one
// button below the window, 11 one button in its place.
void D50_Buttons(int kind, int index);
// The opening pick's count badge with PicksLeft.
void D50_CountBadge();
void D50_DangerLevel();
void D50_OmenMessage();
// The subject of the omens for a board character, and message `number` of a level
// with the current board's subject ("" for none).
std::string OmenSubject(int character);
std::string OmenText(int level, int number);
// The rows an omen is drawn in, fitted to its box: a row too wide breaks near its
// middle at a pause or between words (never inside the subject's name), and a
// message too tall steps `size` (points) down, to 16 at the least.
std::vector<std::string> OmenRows(const std::string& text, const std::string& subject, int& size);
void D50_CreatureFrame();
// States and steps of D50_Step kept beside the rules they run.
void BoardItemGainStep();   // state 110 steps 30 and 31
void BoardItemUseStep();    // state 500 steps 0 (an item button) and 10 to 20
void BoardMovementPhase();  // state 150
void BoardLifePhase();      // state 170
void BoardAttackOffer();    // state 600
void BoardAttackChoice();   // state 610
void BoardItemChoice();     // state 700
void BoardOpeningPick();    // state 710
void BoardTargetStrike();   // state 750
void BoardLineStrike();     // state 760

// The event lists shared by the creature phases and the attacks.
struct CreatureSlotRecord;
bool BoardCreatureOnGrid(const CreatureSlotRecord& c);
// Empty lists (EventLast -1).
void BoardClearEvents();
// Appends a slot (EventFlag 0); its index, or -1 when the list is full.
int BoardAppendEvent(int slot);
// A waiting creature placed on a random empty inner cell, drawn and listed to
// hop; -1 when the grid is full and it keeps waiting.
int BoardArrive(int slot);
// Empties the slots whose creature is gone and checks that one is left; false when
// the failure has started.
bool BoardCleanUp();
