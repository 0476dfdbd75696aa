#include "games/mode_state.h"

ModeStateRecord ModeState;

void ResetGameModeState() { ModeState = ModeStateRecord{}; }
