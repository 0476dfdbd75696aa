// The Vadrim picture catalogue: a picture kind and number name a file under
// "Kespa_Data\KespaCG\" (kinds 15 to 17 under "Kespa_Data\KespaETC\" with the
// extension ".dat", which holds an ordinary picture). The title, the board game and
// the stage scripts load every picture through D00_LoadPicture, the mode's
// LoadPictureByKind.
//
// VadrimPicturePath is the one place names are built; the stand-in asset table and
// the tests enumerate it over VadrimPictureKinds.
#pragma once

#include <span>
#include <string>

// The name words that begin the four heroines' pictures, and the pair's.
inline constexpr const char* kHeroineA = "リゼッタ";
inline constexpr const char* kHeroineB = "ミルカ";
inline constexpr const char* kHeroineC = "ソラナ";
inline constexpr const char* kHeroineD = "ネフィ";
inline constexpr const char* kHeroinePair = "ふたり";

// Target 0 the window's picture, 1 layer CurrentLayer, 2 sprite sheet SheetIndex;
// other targets load nothing. Kind 0 clears the target; a kind without a name, a
// number its name cannot hold, or a missing file loads as an empty picture.
void D00_LoadPicture(int target, int kind, int number);

// The file of (kind, number) relative to the program folder, with '/' separators
// ("Kespa_Data/KespaCG/Game/Mini04_s96.jpg"), or "" for kind 0. A kind without a
// name still gives its folder with an empty name ("Kespa_Data/KespaCG/Game/.jpg"),
// which names no file.
std::string VadrimPicturePath(int kind, int number);

// A kind that has a name, and the numbers its name can hold: "" when the number is
// not used, "NN" for -9 to 99, "NNN" for 100 to 999 and -10 to -99.
struct VadrimPictureKind {
  int kind;
  const char* numberPart;
};
std::span<const VadrimPictureKind> VadrimPictureKinds();
