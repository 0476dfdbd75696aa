// Balloons do not simply appear: a speech balloon grows out of a fifth of its size
// in eight or nine frames, a thought balloon pops its three bubbles and drops its
// body in with a small bounce, a narration window grows from its centre, and an
// erase shrinks the window to nothing. One frame handler does all of it.
#pragma once

// What AnimateBalloon runs besides the animation codes it shares with the waits
// (1015 thought opening, 1017 and 1018 narration opening, 1019 narration erase).
enum BalloonAnimationKind : int {
  kSpeechOpeningKind = 10,
  kBalloonEraseKind = 50,  // of a speech or thought balloon
};

// One frame of a balloon animation of that kind or code; any other does nothing. With queued 0 the handler ends the
// script line when it is done; with 1 (the simultaneous groups and the multiple
// erase step it, setting AnimationFrame first) it does not.
void AnimateBalloon(int code, int queued);

void ResetBalloonAnimationState();
