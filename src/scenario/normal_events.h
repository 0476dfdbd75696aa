// Normal events: the "[通常イベ]" line runs event kind k as AnimationCode 1500 + k, a
// short screen or picture effect that finishes the line when it is done: fades and
// flashes of the whole screen, black-panel wipes, a picture revealed onto the
// background, the face shake, the back-colour ramps, the captions (caption_events)
// and the finale series (event_motion).
//
// The Marbrook stage restart runs kind 12 itself with Wait(1512, 0) while
// AnimationRun.DirectEffectRun is 1: the event then ends its loop only and finishes
// no line, so the restart goes on after its Wait.
#pragma once

// One frame of the running normal event; ScenarioFrameDispatch calls it for
// AnimationCode 1500 to 1599. A kind (or variant) without an event ends its line at once.
void NormalEventTick();
