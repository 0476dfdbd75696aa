// The mini pictures beside a face: thinking dots (kind 30), a circling "？" (31), a
// "！" that hops twice (32) or jumps once (33), a picture thrown in along an arc (34)
// and one that drops into place (35), and the framed shrink that erases a mini
// (code 1039). Each runs one frame at a time, as the loop's own code or stepped by
// the simultaneous groups.
#pragma once

#include <array>

#include "scenario/face_slots.h"

inline constexpr int kMiniAnchorCount = 10;

struct MiniPictureRecord {
  // Kinds 34 and 35: course length, last frame, first frame, base x and base y.
  PerMini<int> MiniAnimWork1{};
  PerMini<int> MiniAnimWork2{};
  PerMini<int> MiniAnimWork3{};
  PerMini<int> MiniAnimWork4{};
  PerMini<int> MiniAnimWork5{};
  // Points relative to the face that the anchored variants use (anchor v mod 10);
  // the Marbrook stage scripts set them, every other game leaves them 0.
  std::array<int, kMiniAnchorCount> MiniAnchorX{};
  std::array<int, kMiniAnchorCount> MiniAnchorY{};
};
extern MiniPictureRecord MiniPicture;

// One frame of mini CurrentMini of CurrentSlot: codes 1030 to 1035 animate kinds 30
// to 35, 1039 erases. queued 0: the loop's own code, whose end finishes the line;
// queued 1: stepped by the simultaneous groups (AnimationFrame set by them), whose
// end only marks the mini. A code without frames finishes its line at once.
void AnimateMiniPicture(int code, int queued);

void ResetMiniPictureState();
