// The board game's creature types and the creature definition (D50_SetCreature).
//
// A type (1 to 409; 199 are defined) is one to three definition strings of
// "key=value" items separated by "," and "■" (spaces between items are allowed):
// "BMP=70,■HP=9,■移Ty=5, 移頻度=1, 移方向=2". Each key fills the creature-slot field
// of the same meaning (BMP PictureNo, HP HitPoints, 移Ty CreatureMoveType, 移方向
// MoveDir, 移頻度 MoveEvery, DP運/DP女 TouchLuck/TouchWoman, 消DP運/消DP女
// GoneLuck/GoneWoman, 消変形No GoneChangeTo, タDP運/タDP女/タDP頻度 TurnLuck/
// TurnWoman/TurnEvery, 移ター MoveTarget, 食後移Ty AfterEatMoveType, 合体No
// MergeInto, 寿命 Lifespan, 寿命DP運/寿命DP女/寿命変形No EndLuck/EndWoman/
// EndChangeTo, 変化連鎖/死亡連鎖/合体連鎖 ChangeChain/DeathChain/MergeChain).
// A key not given leaves the field 0, except 移方向, which keeps the slot's
// previous direction. An unknown key, or an item without "=", changes nothing.
#pragma once

#include <span>
#include <string>

struct CreatureTypeRow {
  int type;
  const char* name;
  const char* strings[3];  // nullptr where the type has fewer strings
};

// All defined types, in number order.
std::span<const CreatureTypeRow> CreatureTypes();
// The row of a type, nullptr for an undefined number.
const CreatureTypeRow* FindCreatureType(int type);

// Defines slot (0 to 99) as a creature of the type. appearTurn above 0 makes it a
// waiting creature placed when TurnNumber reaches that turn (999 only through a
// chain); 0 or below defines it standing on the grid. The slot keeps its grid cell
// and position: a caller that places it sets GridX, GridY and the OccupancyGrid.
// An undefined type gives a slot of that CreatureType with every other field 0.
void D50_SetCreature(int type, int slot, int appearTurn);

// The definition step alone: reads the joined strings' items into the slot's
// fields (the slot is not cleared first).
void ReadCreatureDefinition(int slot, const std::string& s1, const std::string& s2, const std::string& s3);
