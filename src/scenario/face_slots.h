// The ten face slots of a conversation scene, indexed 0 to 9: each slot's layers,
// the states of its balloons and minis, and what its last lines left behind.
#pragma once

#include <array>
#include <string>

inline constexpr int kFaceSlotCount = 10;
// Minis are numbered 1 and 2; index 0 of the per-mini tables is unused.
inline constexpr int kMiniIndexCount = 3;
// The saved animation counters of the minis, one entry per slot and mini (see
// MiniAnimEntry), so that both minis of a slot can run in one group.
inline constexpr int kMiniAnimEntryCount = 30;

// Balloon and mini states.
inline constexpr int kBalloonHidden = 0;
inline constexpr int kBalloonToOpen = 1;
inline constexpr int kBalloonToReshow = 2;
inline constexpr int kBalloonOpening = 5;
inline constexpr int kBalloonShown = 10;
inline constexpr int kBalloonToErase = 11;
inline constexpr int kBalloonErasing = 15;
// EraseList holds entries 1 to 10.
inline constexpr int kEraseListCapacity = 10;

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
  PerSlot<int> FacePartLayer = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};  // -1: none
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
  // The balloon line a simultaneous group queued for the slot, restored when it opens.
  PerSlot<std::string> SlotBalloonText{};
  PerSlot<int> SlotSavedSubParam{};
  PerSlot<int> SlotSavedMainParam{};
  PerSlot<int> SlotSavedAction{};
  PerSlot<int> SlotFontSize{};
  PerSlot<int> SlotVoice{};
  std::array<std::array<std::array<int, 4>, kMiniIndexCount>, kFaceSlotCount> MiniParams{};  // [slot][mini][2 variant, 3 kind]
  PerMini<int> MiniStartDelay{};
  PerMini<int> MiniKind{};
  std::array<int, kMiniAnimEntryCount> MiniAnimFrame{};
  std::array<int, kMiniAnimEntryCount> MiniAnimSubStep{};

  // The slots whose speech balloons a multiple erase closes, EraseList(1..EraseCount).
  // Slot 0 can be listed by name besides the nine that 全消去 closes, so the list has
  // room for all ten slots.
  std::array<int, kEraseListCapacity + 1> EraseList{};
  int EraseCount = 0;

  // The queued mini's sound ("ミ音"), restored when the group shows it.
  PerSlot<int> SlotMiniSound{};
  // Where each mini stands relative to its face's top-left corner, and the size its
  // layer had when it finished appearing.
  PerMini<int> MiniRelX{};
  PerMini<int> MiniRelY{};
  PerMini<int> MiniShownX{};
  PerMini<int> MiniShownY{};

  // The recoil after a face move: 0 none, 3 running, 4 place once more at rest.
  // Per balloon part p: 0 the balloon body, 1 its tail.
  PerSlot<int> RecoilActive{};
  PerSlot<std::array<int, 2>> RecoilAmpX{};
  PerSlot<std::array<int, 2>> RecoilAmpY{};
  PerSlot<std::array<int, 2>> RecoilLength{};  // only part 0 is used, for both parts
  PerSlot<std::array<int, 2>> PartOffsetX{};
  PerSlot<std::array<int, 2>> PartOffsetY{};
  PerMini<int> MiniRecoilActive{};
  PerMini<int> MiniRecoilAmpX{};
  PerMini<int> MiniRecoilAmpY{};
  PerMini<int> MiniRecoilLength{};
  PerMini<int> MiniOffsetX{};
  PerMini<int> MiniOffsetY{};
  // -1 when the group run has already placed the slot's balloon (or mini) this frame.
  PerSlot<int> BalloonMovedFlag{};
  PerMini<int> MiniPicMovedFlag{};

  // The balloon being laid out, drawn or redrawn.
  int BalloonCategory = 0;
  int MiniVariant = 0;
  int TextSlotIndex = 0;
  int TextSlotOwner = 0;
  int ReshowBalloonLayer = 0;
};
extern FaceSlotRecord FaceSlot;

// Recoil kinds 10 to 19 of a face move take their amplitude multiplier and
// half-length from these (index 10 to 19); stage data sets them.
inline constexpr int kRecoilScaleCount = 20;
struct RecoilStateRecord {
  std::array<int, kRecoilScaleCount> MoveTypeScaleX{};
  std::array<int, kRecoilScaleCount> MoveTypeScaleY{};
};
extern RecoilStateRecord RecoilState;

inline bool ValidFaceSlot(int slot) { return slot >= 0 && slot < kFaceSlotCount; }
inline bool ValidMini(int mini) { return mini >= 1 && mini < kMiniIndexCount; }
// Mini 1 of slot s keeps its counters in entry s + 10, mini 2 in entry s + 20.
inline int MiniAnimEntry(int slot, int mini) { return slot + 10 * mini; }

// Where a picture attached to the face of CurrentSlot stands: kind 0 the speech
// balloon, 1 its tail, 2 mini CurrentMini. The position goes into CurrentRect (X, Y),
// and with move -1 the layer is moved there (its size kept). Other kinds do nothing.
void PlaceSlotPicture(int kind, int move);
// The recoil of the pictures attached to a face (slot CurrentSlot, group
// CurrentMotionSlot): kind 0 starts it when the group's face move has ended, kind 10
// steps the balloon's, kind 20 that of mini CurrentMini. Other kinds do nothing.
void EaseFaceMove(int kind);
// Kind 10 shows the saved balloon of CurrentSlot at once; other kinds do nothing.
// The line a simultaneous group queued for slot s becomes the current line again.
void RestoreQueuedLine(int s);
void ReshowBalloon(int kind);
// Mini CurrentMini of CurrentSlot has appeared: shown, and its layer's size kept.
void SetMiniState();

void ResetFaceSlotState();
// The speech and thought balloon layers of every face slot go back to their start-up
// numbers. A new stage gives its slots their layers again; until it does, a kept text
// redrawn for a slot it has not set up (the fixed window keeps its text in face slot
// 5's speech text slot) would bring back that slot's balloon layer of the stage before,
// at its old place and size.
void ForgetBalloonLayers();
