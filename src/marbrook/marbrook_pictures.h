// The Marbrook picture catalogue: a picture kind and number name a file under
// "Tanselr_Data\TanselrCG\". Every Marbrook screen, the stage scripts and the
// engine's click-wait mark (kind 34) load pictures through C00_LoadPicture.
//
// MarbrookPicturePath is the one place names are built; the stand-in asset
// generator and the tests enumerate it over MarbrookPictureKinds.
#pragma once

#include <span>
#include <string>

// Target 0 the window's picture, 1 layer CurrentLayer, 2 sprite sheet SheetIndex;
// other targets load nothing. Kind 0 clears the target; a kind without a name loads
// as an empty picture (the layer keeps its size), as does a missing file.
void C00_LoadPicture(int target, int kind, int number);

// The file of (kind, number) relative to the program folder, with '/' separators
// ("Tanselr_Data/TanselrCG/G01/G1_Kan05.JPG"), or "" when the kind has no name.
std::string MarbrookPicturePath(int kind, int number);

// A kind that has a name: whether the name is built from the number (the number
// is ignored otherwise).
struct MarbrookPictureKind {
  int kind;
  bool numbered;
};
std::span<const MarbrookPictureKind> MarbrookPictureKinds();
