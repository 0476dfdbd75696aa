// The casino mini-game, scene code 54 of the Marbrook game: (54, 1, 0) from the
// story, (54, -1, 0) from the extras menu in free play. Its title, game select,
// introduction, game over, clear and bonus-unlock screens and the credit rules live
// in casino.cpp; the slot machine (SceneState 200) in slot_machine.cpp; the 21-card
// game (SceneState 100) in card_game.cpp; their tables in casino_data.cpp.
//
// Records: CasinoState (credits and the screens' shared words and layer bases),
// SlotMachine (reels and the running spin), CardHand (deck and the hand).
// Procedures others call: RegisterCasino (fills MarbrookScreen(54) and the reel
// stop), ResetCasinoState; the rules (G04_CheckMoney, G04_SlotEvaluate,
// G04_HandTotal, G04_SuitCheck, G04_CardEvaluate) for the tests.
#pragma once

#include <array>
#include <span>
#include <string>

struct CasinoStateRecord {
  int CasinoMode = 0;  // 0 free play, 1 story
  int CasinoGame = 0;  // 0 slot machine, 1 21-card game
  // Credits are single precision: wins up to 1,000 x 1,255 stay exact whole units.
  float CasinoCredits = 0.0f;
  float CasinoBet = 0.0f;
  float CasinoWin = 0.0f;
  float CasinoMultiplier = 0.0f;
  float CasinoStartCredits = 0.0f;
  float CasinoUnlockCredits = 0.0f;
  int MoneyCheckResult = 0;  // 0 play on, 35 game over, 40 clear, 50 bonus pictures unlocked
  int CasinoIntroPending = 0;
  std::array<int, 2> RulesShown{};  // by CasinoGame
  int PressSoundKind = 0;           // 0: the next press sounds 403, 1: 404
  int SysButtonsShown = 0;
  // Layer bases (the select screen's and the strips' are in ScreenButtons).
  int CasinoMessageBox = 0;
  int PanelFirstBox = 0;
  int CasinoButtonFirstBox = 0;
  int LampFirstBox = 0;
  int CardFirstBox = 0;
  int ReelFirstBox = 0;
};
extern CasinoStateRecord CasinoState;

inline constexpr int kReelCount = 3;
inline constexpr int kReelStripSize = 50;

struct SlotMachineRecord {
  std::array<std::array<int, kReelStripSize>, kReelCount> ReelStrip{};
  int ReelLastIndex = 0;
  std::array<int, kReelCount> ReelPos{};
  std::array<std::array<int, kReelCount>, 3> ReelWindow{};  // (row, reel): 0 middle, 1 top, 2 bottom
  std::array<int, 3> RowWin{};
  int BetRows = 0;
  int ReelsStopped = 0;
  int StopButtonFlash = 0;
};
extern SlotMachineRecord SlotMachine;

struct CardHandRecord {
  std::array<int, 52> CardDeck{};
  int DeckLast = 0;
  int DealtLast = 0;
  int HandTotal = 0;
  int AllSameSuit = 0;
  int AllConsecutive = 0;
  int AllSameRank = 0;
  std::array<int, 7> MultiplierParts{};
  std::array<int, 10> ResultRows{};
};
extern CardHandRecord CardHand;

// Members of MarbrookScreen(54).
void G04_Step();
void G04_Hover();
bool G04_FrameGate();
void G04_OnKey();
// The reel spin (frame code 1000) and its stop input (the mode's BreakWait).
void G04_Frame();
void G04_StopReelClick();
void G04_Leave();

// Operations both games share.
void G04_NumberPanel(int kind, int redraw);
void G04_Board(int kind, int variant);
void G04_CheckMoney();
void G04_Panels(int flag, int picture);

// Slot machine.
void G04_SlotStep();
void G04_LoadReels();
void G04_DrawReel(int reel);
void G04_SlotEvaluate();
void G04_LineWin(int row);
void G04_Lamp(int flag, int row);

// 21-card game.
void G04_CardStep();
void G04_Shuffle();
void G04_PlaceCard(int card);
void G04_DrawCard(int flag, int inPlace);
void G04_HandTotal();
void G04_SuitCheck(int kind);
void G04_CardEvaluate(int table);

void RegisterCasino();
void ResetCasinoState();

// ---- Shared by casino.cpp, slot_machine.cpp and card_game.cpp ----

// States of G04_Step that the games jump to.
enum : int {
  kCasinoTitle = 5,     // step 4: back from a game's quit button
  kCasinoGameOver = 30,
  kCasinoClear = 40,
  kCardGame = 100,
  kSlotGame = 200,
};
// Money check results.
enum : int { kMoneyPlayOn = 0, kMoneyGameOver = 35, kMoneyClear = 40, kMoneyUnlocked = 50 };
// What G04_Board shows or moves; its variant picks a row, a picture or a button.
enum CasinoBoardKind : int {
  kCasinoCardMessage = 0,       // card-game message strip: row variant, high (0) or low (1)
  kCasinoCardResult = 1,        // card-game result strip: 21 (0), bust (1), five cards (2)
  kCasinoRulesBoard = 2,        // rules board, picture variant
  kCasinoMessageOut = 3,        // the message box slides down out of the window
  kCasinoButtonPress = 5,       // the hovered game button pressed, cells laid out by variant
  kCasinoStopPress = 6,         // the stop button pressed
  kCasinoHelpQuitPress = 7,     // the help or the quit button pressed
  kCasinoAfterDeal = 10,        // card game: message up, buttons 10 to 16 down
  kCasinoNewDeal = 11,          // card game: message up, buttons and bet down, cards out
  kCasinoDrawButtonsOut = 12,   // card game: message up, the two draw buttons down
  kCasinoResultList = 20,       // card game: the result captions, bet, multiplier and win
  kCasinoHandEnd = 21,          // card game: panels, captions and the dealt cards away
  kCasinoSystemBoard = 30,      // system board, picture variant
  kCasinoBigBoard = 35,         // big board, picture variant
  kCasinoHelpQuitButtons = 40,  // the help and quit buttons rise into the corner
};
// The variants of kCasinoHelpQuitPress.
enum : int { kCasinoHelpButton = 0, kCasinoQuitButton = 1 };

// The shortest decimal form of a credit value (at most seven significant digits).
std::string CasinoNumberText(float value);

// Layer helpers: a hidden layer at (x, y) showing a sheet cell or a catalogue picture
// (taking the picture's size); the layer's rectangle.
void CasinoCell(int layer, int sheet, int cellX, int cellY, int width, int height, int x, int y);
void CasinoPicture(int layer, int kind, int number, int x, int y);
void CasinoSheet(int sheet, int kind, int number);

// Moves queued with CasinoSlide (from where the layer stands, or from a given
// start) run together in `frames` frames through the common move effect, which
// returns here when it ends.
void CasinoSlide(int layer, int x, int y);
void CasinoSlideFrom(int layer, int x0, int y0, int x, int y);
void CasinoRunSlides(int frames);

// The big board (introduction, clear, unlock) leaves through the bottom in 15 frames.
void CasinoBigBoardOut();
// The number panel kind's layer offset from PanelFirstBox (kinds 0, 1, 2, 5, 6).
int PanelOffset(int kind);

// What the two games do alike, each given its own state (kSlotGame or kCardGame) and
// the step to go on to:
// the quit button: the goodbye board, the bet dropped, back to the casino's title;
void CasinoQuitGame();
// the win panel, already at the bottom, leaves to the left and the win joins the credits;
void CasinoCollectWin(int game, int checkStep);
// the unlock board comes in, and leaves again.
void CasinoUnlockedBoard(int game, int unlockOutStep);
void CasinoUnlockedBoardOut(int game, int checkStep);

// Data tables (casino_data.cpp).
struct NumberPanelStyle {
  int kind;
  int offset;  // layer PanelFirstBox + offset, picture 1270 number offset
  int shade1[3], shade2[3], shade3[3];
};
std::span<const NumberPanelStyle> NumberPanelStyles();
// The three reel strips of a mode as the game stores them: comma-separated symbols.
std::span<const char* const> ReelStripTexts(int mode);
// The pay of three equal symbols (1 to 8).
int TripleSymbolPay(int symbol);
