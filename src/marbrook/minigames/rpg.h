// The role-playing game, the Marbrook mini-game of SceneCode 55, entered with
// (55, 0, 0).
//
// A hero walks cell by cell over six maps, talks to people, opens jars and boxes,
// buys gear and sleeps at an inn through event lists, and fights turn-based
// battles. The story ends in a scripted chain whose last click hands back to the
// conversation with stage 80 (G05_Leave); dying starts a new game from the title.
//
// Record: RpgState. Members of the screen table (RegisterRpg): G05_Step,
// G05_FrameGate, G05_OnKey (no Hover: mouse moves do nothing here).
// Files: rpg.cpp (hooks, flow, windows, frames), rpg_maps.cpp (maps and map
// changes), rpg_battle.cpp (battle), rpg_events.cpp (event lists and their runner),
// rpg_data.cpp (the texts people say).
#pragma once

#include <array>
#include <span>
#include <string>

struct RpgStateRecord {
  int G05KeyStep = 0;
  int G05MapBox = 0;
  int G05HeroBox = 0;
  int G05WindowBox = 0;
  int G05StatusBackBox = 0;
  int G05ArrowBox = 0;
  int G05StatusBox = 0;
  int G05EnemyBox = 0;  // nothing sets it: the battle windows are layers 0 to 2
  int G05TileBox = 0;
  int G05CellSize = 0;
  int MapLastX = 0;
  int MapLastY = 0;
  int HeroSpotX = 0;
  int HeroSpotY = 0;
  // Indexed (column + 1, row + 1): columns and rows -1 to 99.
  std::array<std::array<int, 101>, 101> MapCells{};
  int G05Direction = 0;  // 0 none, 1 up, 2 right, 3 down, 4 left
  int TargetCode = 0;
  int MoveKind = 0;  // 0 blocked, 1 walk, 2 event, 3 exit
  std::array<std::string, 2> ChoiceCaption;
  std::array<int, 2> ChoiceJump{};
  std::array<std::array<int, 100>, 5> EventDone{};  // (map, cell code)
  std::array<std::string, 100> EventText;
  std::array<int, 100> EventCode{};
  int TargetX = 0;
  int TargetY = 0;
  int HeroX = 0;
  int HeroY = 0;
  int MapNumber = 0;
  int WalkFrame = 0;
  int HeroLevel = 0;
  int HeroHP = 0;
  int HeroMaxHP = 0;
  int HeroAP = 0;
  int HeroDP = 0;
  int HeroGold = 0;  // 32 bits: the town's treasures alone come to 957,801
  int WeaponRank = 0;
  int ArmourRank = 0;
  int WeaponBonus = 0;
  int ArmourBonus = 0;
  int MessageX = 0;
  int MessageY = 0;
  int MessageWidth = 0;
  int MessageHeight = 0;
  int EventPos = 0;
  int EnemyHP = 0;
  int EnemyAP = 0;
  int EnemyDP = 0;
  std::string EnemyName;
  std::array<int, 4> LevelGain{};  // LV, max HP, AP, DP
  int AfterBattleCode = 0;
  std::string EnemyIntro;
  int FleeAllowed = 0;
  int EnemyPicture = 0;
  std::string RpgMessage;
  int EnemyDown = 0;
  int BattleCommand = 0;
  int Damage = 0;
  int InnPrice = 0;
  int WeaponPrice = 0;
  int ArmourPrice = 0;
  int GoldFound = 0;  // 32 bits, as HeroGold
  int SlimeBeaten = 0;
  int SlimeHP = 0;
  int WaypointLast = 0;
  int WaypointIndex = 0;
  int WaypointSprite = 0;
  std::array<int, 10> WaypointX{};
  std::array<int, 10> WaypointY{};
};
extern RpgStateRecord RpgState;

void G05_OnKey();
void G05_Step();
bool G05_FrameGate();
bool G05_Frame();
void G05_Leave(int kind);

void G05_NewGame();
void G05_MessageWindow(int mode, const std::string& text);
void G05_ChoiceWindow(int kind);
void G05_StatusPanel(int kind);
void G05_StatusLine(int kind);
void G05_Help();

void RegisterRpg();
void ResetRpgState();

// ---- Shared by the game's files ----

// SceneState values.
enum : int {
  kRpgSetUp = 0,
  kRpgTitle = 1,
  kRpgStart = 5,
  kRpgWalk = 10,
  kRpgEventList = 20,
  kRpgSpriteWalk = 21,
  kRpgChoice = 30,
  kRpgBattle = 50,
  kRpgEnding = 70,
};
// AnimationCodes of the game's own frames.
enum : int {
  kRpgHeroStep = 1000,
  kRpgSpriteLeg = 1001,
  kRpgScriptedStep = 1002,
  kRpgWindowOpen = 1010,
  kRpgWindowClose = 1011,
  kRpgEnemyBlow = 1020,
};
inline constexpr int kRpgPictureMap = 1300;
inline constexpr int kRpgPictureParts = 1301;
inline constexpr int kRpgMapCount = 6;


// The cell code at (column, row); 0 outside the grid's -1 to 99.
int RpgCell(int column, int row);
// A layer prepared, shown and black at the rectangle, with the white three-pixel border.
void RpgFramedWindow(int layer, int x, int y, int width, int height);
void RpgBorder(int layer);
// Effects that return to the caller of Wait when they are done; the game's pause
// is half a second.
void RpgPause();
void RpgSlideUp(int layer);
void RpgBlink(int layer, int frames);
// A sprite of sheet 1 (the sprite picture) on `layer` at (x, y).
void RpgSpriteLayer(int layer, int cell, int x, int y);
std::string RpgFullWidth(int n);

// Maps (rpg_maps.cpp).
// The map layer cleared at its size just right of the window, at the back.
void RpgPrepareMapLayer();
void G05_LoadMap(int map);
void G05_ChangeMap();
void G05_ScrollMap();
// Judges a move in G05Direction from the hero's cell: TargetX, TargetY, TargetCode
// and MoveKind.
void G05_JudgeMove();
// The row strings of map 0 to 5 (empty for any other number), for the stand-in pictures.
std::span<const char* const> G05_MapRows(int map);

// Battle (rpg_battle.cpp).
void G05_SetupEnemy(const std::string& kind);
void G05_BattleWindow(int kind, int place);
void G05_CommandWindow(int kind);
void G05_BattleAction(int kind, int spare);
void G05_BattleStep();

// Events (rpg_events.cpp).
void G05_BuildEvent();
void G05_AddEventItem(int code, const std::string& text);
void G05_PushWaypoint(int x, int y);
void G05_MoveSprite(int cell, int column, int row);
void G05_EventStep();
void G05_SpriteWalkStep();
void G05_ChoiceStep();

// Texts (rpg_data.cpp): the lines people say, by map and cell code; empty when the
// pair has none.
struct RpgTalk {
  int map;
  int code;
  const char* first;
  const char* second;  // the second line of a two-line talk, else nullptr
};
std::span<const RpgTalk> RpgTalkTable();
// One-line texts of boxes, tables, jars, pots and the princess, by map and cell code.
std::span<const RpgTalk> RpgThingTable();
// The named lines of the story (see rpg_data.cpp).
struct RpgStoryTexts {
  const char* PrincessName;
  const char* KidnapperIntro;
  const char* Rescue;
  const char* Opening[2];
  const char* Diary[4];
  const char* Letter[2];
  const char* KingThanks;
  const char* KingCallsPrincess;
  const char* AssassinDeclares;
  const char* PrincessCries;
  const char* AssassinWasBrother;
  const char* PrincessVows;
  const char* KingRages;
  const char* KingIsFather;
  const char* KingOrdersAll;
  const char* KingDespairs;
  const char* KingCollapses;
  const char* KingIsDead;
  const char* TownThanks[2];
  const char* HeroBeatTown;
  const char* HeroGoesOn;
  const char* MankindGone;
  const char* GodComes;
  const char* GodSpeaks;
  const char* HeroTakenUp;
  const char* GodsTorment;
  const char* HeroFalls;
  const char* GodWordsIntro;
  const char* GodWords[3];
  const char* WorldAtPeace;
};
extern const RpgStoryTexts kRpgStory;
