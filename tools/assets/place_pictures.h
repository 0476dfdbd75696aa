// Places drawn as places: the rooms and lands of the Marbrook room adventure, the
// kana adventure's forest, the Vadrim town's backgrounds, route panels and pictures.
//
// A place is a recipe of words: the first names the setting (an outdoor land, a
// room, space ...), the others what stands in it, drawn in their order over it:
//   "cell door straw"  a stone cell with its barred door and straw on the floor
//   "desert ruins trader"
// Look::Place rows hold one or more cells '|' separated, each "recipe:caption",
// optionally followed by "@x,y,w,h" to place it (otherwise the row's cells are laid
// out in rows). The caption is a small name plate in the top-left corner; "_caption"
// stands in a band across the bottom, "^caption" large across the middle; an empty
// caption leaves the place alone.
#pragma once

#include <string>
#include <vector>

#include "assets/asset_table.h"
#include "platform/pixels.h"

namespace assets {

void DrawPlacePicture(tq::Surface& s, const AssetFile& f);
// One place filling the surface.
void DrawPlace(tq::Surface& s, const std::string& recipe);
// The words the painter knows: the settings a recipe starts with, and the things
// that stand in them. A recipe word outside them draws nothing.
bool IsPlaceSetting(const std::string& word);
bool IsPlaceThing(const std::string& word);

}  // namespace assets
