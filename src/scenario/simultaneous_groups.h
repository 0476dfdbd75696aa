// Simultaneous groups: lines that run together in one animation are grouped, one
// face slot per group.
#pragma once

struct SimultaneousGroupRecord {
  int MaxGroup = -1;  // highest group in use, -1 none
};
extern SimultaneousGroupRecord SimultaneousGroup;

void ResetSimultaneousState();
