// Wiring above the engine and the games: fills the mode hook tables, and puts every
// module's records back to their start values.
#pragma once

void RegisterGames();
void ResetAllState();
