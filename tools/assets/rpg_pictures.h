// The role-playing game's stand-in pictures: the maps drawn from the game's own row
// strings (80 pixels a cell), the scenes of the closing chain over the last map, the
// world, and the parts (hero, sprites, status panel, arrows, enemies, title).
#pragma once

#include "platform/pixels.h"

namespace assets {

// Map picture `number` (0 to 11) into a surface of the row's size.
void DrawRpgMap(tq::Surface& s, int number);
// Part picture `number` of the game's parts kind.
void DrawRpgPart(tq::Surface& s, int number);

}  // namespace assets
