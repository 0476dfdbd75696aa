// The event motion records, which fill a motion slot from a layer's present place so
// that MotionCurveStep can move that layer, and the finale series: normal events 40
// to 43, the banners, black bands and banner pieces that end the Skelvane opening.
//
// Used by the normal and special events and by the Vadrim title's frames.
#pragma once

// The point the flash and iris events grow from or close on; a variant that names
// no point keeps the one the last event left here. The Vadrim title keeps the point
// its cover shrinks to here as well.
struct EventPictureRecord {
  int EventPictureWidth = 0;   // x of the point
  int EventPictureHeight = 0;  // y of the point
};
extern EventPictureRecord EventPicture;

// Slot's layer := CurrentLayer, start := (startX, startY), end := (endX, endY); the
// sizes are left as they are. A slot outside 0 to 49 is ignored.
void EventMotionSet(int startX, int startY, int endX, int endY, int slot);
// Reads CurrentLayer's rectangle into CurrentRect; slot's layer := CurrentLayer and
// its start := that rectangle's corner. The end is the caller's to set.
void EventMotionMark(int slot);
// As EventMotionMark, and the start size := the rectangle's size.
void EventMotionMarkSize(int slot);

// One frame of finale event 40 to 43 (AnimationCode 1540 to 1543); 44 and 45 have
// no event and end their line at once.
void FinaleEventTick();

void ResetEventMotionState();
