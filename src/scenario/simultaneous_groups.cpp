#include "scenario/simultaneous_groups.h"

SimultaneousGroupRecord SimultaneousGroup;

void ResetSimultaneousState() { SimultaneousGroup = SimultaneousGroupRecord{}; }
