// The Vadrim game's mode members.
#pragma once

void D00_InitMode();
void RegisterVadrimMode();
