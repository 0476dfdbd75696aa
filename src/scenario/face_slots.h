// The ten face slots of a conversation scene, indexed 0 to 9: each slot's layers,
// the states of its balloons and minis, and what its last lines left behind.
#pragma once

#include <array>

inline constexpr int kFaceSlotCount = 10;
// Minis are numbered 1 and 2; index 0 of the per-mini tables is unused.
inline constexpr int kMiniIndexCount = 3;
// The saved animation counters of the minis: entry slot + 10 for both minis of a slot.
inline constexpr int kMiniAnimEntryCount = 20;

// Balloon and mini states.
inline constexpr int kBalloonHidden = 0;
inline constexpr int kBalloonToOpen = 1;
inline constexpr int kBalloonToReshow = 2;
inline constexpr int kBalloonOpening = 5;
inline constexpr int kBalloonShown = 10;
inline constexpr int kBalloonToErase = 11;
inline constexpr int kBalloonErasing = 15;

template <typename T>
using PerSlot = std::array<T, kFaceSlotCount>;
template <typename T>
using PerMini = std::array<std::array<T, kMiniIndexCount>, kFaceSlotCount>;

struct FaceSlotRecord {
  // The slot's simultaneous group, -1 none.
  PerSlot<int> SlotGroup = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};

  // Layers: the speech balloon's tail is the layer after BalloonLayer, the thought
  // balloon's three bubbles the three after ThoughtLayer.
  PerSlot<int> FaceLayer{};
  PerSlot<int> BalloonLayer{};
  PerSlot<int> ThoughtLayer{};
  PerSlot<int> FacePartLayer{};
  PerMini<int> MiniLayer{};

  PerSlot<int> SpeechState{};
  PerSlot<int> ThoughtState{};
  PerMini<int> MiniState{};
  int NarrationState = 0;  // the one narration window of the scene: 0 hidden, 10 shown

  // What the slot's last lines left.
  PerSlot<int> SlotBalloonVariant{};
  PerSlot<int> SlotBalloonKind{};
  PerSlot<int> SlotOpenKind{};
  PerSlot<int> SlotBalloonCategory{};  // 0 speech, 1 thought, 5 caption, 6 fixed box
  PerSlot<int> SlotStartDelay{};
  std::array<std::array<std::array<int, 4>, kMiniIndexCount>, kFaceSlotCount> MiniParams{};  // [slot][mini][2 variant, 3 kind]
  PerMini<int> MiniStartDelay{};
  PerMini<int> MiniKind{};
  std::array<int, kMiniAnimEntryCount> MiniAnimFrame{};
  std::array<int, kMiniAnimEntryCount> MiniAnimSubStep{};

  // The slots whose speech balloons a multiple erase closes, EraseList(1..EraseCount).
  PerSlot<int> EraseList{};
  int EraseCount = 0;

  // The balloon being laid out, drawn or redrawn.
  int BalloonCategory = 0;
  int MiniVariant = 0;
  int TextSlotIndex = 0;
  int TextSlotOwner = 0;
  int ReshowBalloonLayer = 0;
};
extern FaceSlotRecord FaceSlot;

inline bool ValidFaceSlot(int slot) { return slot >= 0 && slot < kFaceSlotCount; }
inline bool ValidMini(int mini) { return mini >= 1 && mini < kMiniIndexCount; }

void ResetFaceSlotState();
