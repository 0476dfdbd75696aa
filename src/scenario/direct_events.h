// The direct events: "[イベ直接・基本]" clears the scene to black, "[イベ直接・ピク]"
// gives face slots 1 to 4 four small black layers (21 to 24) for later lines to
// move. Both act only when the line's "Ev分" is 1; the caller finishes the line.
#pragma once

void DirectEventBasic();
void DirectEventPic();
