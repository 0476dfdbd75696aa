// The engine's settings panel: game speed, music level and effect level, one click
// each. Row r is layer MenuPanelLayer + r (the menu panel, the highlight bar and the
// automatic-reading indicator lend their layers while the panel is open).
#pragma once

inline constexpr int kSettingsRowCount = 3;

// 0, 1 or 2 redraws that row after a change (applying speed or music first); 9
// draws all three rows as the panel opens. Any other value does nothing.
void SettingsPanel(int row);

// A left click while the panel is open: sets the slot under the pointer, or closes
// the panel when the click is on none of its rows. Returns whether the panel is
// still open (a game that saves its settings saves after such a click).
bool SettingsPanelClick();
