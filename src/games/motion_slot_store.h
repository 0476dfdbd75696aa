// The Vadrim board game's motion-slot filler, which the Marbrook common timed
// effects and the Marbrook games use as well.
#pragma once

// Motion slot `slot` (0 to 49) := layer CurrentLayer from CurrentRect's x and y to
// TargetRect's x and y; the slot's sizes are left alone. Other slots: nothing.
void D50_StoreSprite(int slot);
