// The Marbrook game's mode members.
#pragma once

struct ModeStateRecord {
  int SaveEnabled = 0;
  int PlayMode = 0;
};
extern ModeStateRecord ModeState;

void C00_Init();
void RegisterMarbrookMode();
void ResetMarbrookState();
