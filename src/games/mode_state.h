// ModeState: whether the running game may save, and which way it is being played
// (story, replay, a gallery); set by the Marbrook and Vadrim games' titles and read
// by their saves and story flows.
#pragma once

struct ModeStateRecord {
  int SaveEnabled = 0;
  int PlayMode = 0;  // Marbrook: 0 story, 1 stage replay
};
extern ModeStateRecord ModeState;

void ResetGameModeState();
