// Balloons do not simply appear: a speech balloon grows out of a fifth of its size
// in eight or nine frames, a thought balloon pops its three bubbles and drops its
// body in with a small bounce, a narration window grows from its centre, and an
// erase shrinks the window to nothing. One frame handler does all of it.
#pragma once

// One frame of a balloon animation: 10 speech opening, 1015 thought opening, 1017
// and 1018 narration opening, 50 erase of a speech or thought balloon, 1019
// narration erase; any other code does nothing. With queued 0 the handler ends the
// script line when it is done; with 1 (the simultaneous groups and the multiple
// erase step it, setting AnimationFrame first) it does not.
void AnimateBalloon(int code, int queued);

void ResetBalloonAnimationState();
