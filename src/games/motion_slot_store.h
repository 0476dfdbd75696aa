// The motion-slot store: fills a motion slot from the current layer and rectangles,
// for the common timed effects, the Vadrim board and titles, and the Marbrook screens.
#pragma once

// Motion slot `slot` (0 to 49) := layer CurrentLayer from CurrentRect's x and y to
// TargetRect's x and y; the slot's sizes are left alone. Other slots: nothing.
void D50_StoreSprite(int slot);
