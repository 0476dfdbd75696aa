// Picture changes of a face: the mode-independent load that "[BMP変更]", the queued
// picture changes of the simultaneous groups and the flip-book share, and the
// flip-book itself ("[ぴくアニメ]", animation code 1063), which cycles up to three
// pictures in the face layer of the line's face slot.
#pragma once

#include <array>

inline constexpr int kPicAnimEntryCount = 10;

// The flip-book's parameters; one flip-book at a time, kept until the next
// "[ぴくアニメ]" line.
struct PicAnimRecord {
  std::array<int, kPicAnimEntryCount> PicAnimNumber{};   // first picture argument of frame k + 1, -1 none
  std::array<int, kPicAnimEntryCount> PicAnimNumber2{};  // second picture argument, -1 none
  int PicAnimInterval = 0;    // "間隔": milliseconds per frame
  int PicAnimFrameCount = 0;  // the first k whose two numbers are both -1
  int PicAnimMode = 0;        // "分岐": 0 until interrupted, 1 about one second per frame
};
extern PicAnimRecord PicAnim;

// LoadPictureByKind(1, kind, number) of the running mode: into CurrentLayer.
void PictureLoadByMode(int kind, int number);
// Reads the current line's stored remainder into PicAnim.
void PicAnimParams();
// One frame of code 1063.
void PicAnimTick();

void ResetPictureChangeState();
