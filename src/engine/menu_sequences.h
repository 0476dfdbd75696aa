// The engine-run frame loops with AnimationCode 100 to 149: the confirmation of a
// menu click (100), the wipes that close a screen (110) and the music fade-out (121).
#pragma once

enum MenuSequenceCode : int {
  kMenuClickConfirm = 100,
  kCloseWipe = 110,  // SequenceVariant 0 lines, 10 a spiral
  kMenuMusicFade = 121,
};

// One frame of the running sequence. Returns false for a code, or a wipe variant,
// that has no frames, so that its loop ends instead of running for ever.
bool MenuSequence();
