// Where the window of a balloon line stands and how large it is, the kept balloon
// texts, and the thought-balloon layout the games' conversation set-ups fill.
#pragma once

#include <array>
#include <string>

#include "engine/layers.h"
#include "scenario/face_slots.h"

struct BalloonGeometryRecord {
  // The rectangle of the current slot's face layer.
  int FaceLeft = 0;
  int FaceTop = 0;
  int FaceWidth = 0;
  int FaceHeight = 0;
  int BalloonRelX = 0;  // relative to the face's top-left corner
  int BalloonRelY = 0;
  int BalloonWidth = 0;
  int BalloonHeight = 0;
  int BalloonSide = 0;
  int TailX = 0;
  int TailY = 0;
  int TailWidth = 32;
  int TailHeight = 23;
  int BalloonGapX = 0;
  int BalloonOffsetY = 0;
  int TailOffsetX = 0;
  int TailOffsetY = 0;
  // Per-slot copies of the last speech or thought layout of each slot.
  PerSlot<int> SlotBalloonRelX{};
  PerSlot<int> SlotBalloonRelY{};
  PerSlot<int> SlotBalloonWidth{};
  PerSlot<int> SlotBalloonHeight{};
  PerSlot<int> SlotBalloonSide{};
  PerSlot<int> SlotTailRelX{};
  PerSlot<int> SlotTailRelY{};
  PerSlot<int> SlotTailWidth{};
  PerSlot<int> SlotTailHeight{};
};
extern BalloonGeometryRecord BalloonGeometry;

struct TextWindowRecord {
  int WindowLayer = 0;
  Rect WindowRect;
  int WindowFrameStyle = 0;  // 0 balloon, 5 narration box, 10 caption box
  int TailLayer = 0;
  int TailShown = 0;
  int BalloonFrameThickness = 0;
  int NarrationLayer = 0;  // the layer of the scene's one narration window
};
extern TextWindowRecord TextWindow;

inline constexpr int kThoughtVariantCount = 10;
inline constexpr int kBubbleSetCount = 10;  // the Marbrook layout uses row 5
inline constexpr int kBubbleCount = 3;

struct ThoughtLayoutRecord {
  // [face slot][variant]
  std::array<std::array<int, kThoughtVariantCount>, kFaceSlotCount> ThoughtOffsetX{};
  std::array<std::array<int, kThoughtVariantCount>, kFaceSlotCount> ThoughtOffsetY{};
  std::array<int, kThoughtVariantCount> ThoughtWidth{};
  std::array<int, kThoughtVariantCount> ThoughtHeight{};
  std::array<int, kThoughtVariantCount> ThoughtBubbleStep{};  // the bubble set of each variant
  // [bubble set][bubble]
  std::array<std::array<int, kBubbleCount>, kBubbleSetCount> BubbleOffsetX{};
  std::array<std::array<int, kBubbleCount>, kBubbleSetCount> BubbleOffsetY{};
  std::array<int, kBubbleCount> BubbleSize{};
};
extern ThoughtLayoutRecord ThoughtLayout;

// The 30 kept balloon texts. Text slot i belongs to face slot i / 2: an even i to its
// speech balloon, an odd i to its thought balloon; the narration windows use slot 10.
inline constexpr int kTextSlotCount = 30;

struct TextSlotRecord {
  std::array<std::string, kTextSlotCount> TextSlotText{};
  std::array<int, kTextSlotCount> TextSlotState{};  // 0 none, 1 greyed before the next line, 2, 3 kept, 10 greyed
  std::array<int, kTextSlotCount> TextSlotKind{};
  std::array<int, kTextSlotCount> TextSlotVariant{};
  std::array<int, kTextSlotCount> TextSlotFontSize{};
  std::array<int, kTextSlotCount> TextSlotX{};
  std::array<int, kTextSlotCount> TextSlotY{};
  std::array<int, kTextSlotCount> TextSlotLineHeight{};
};
extern TextSlotRecord TextSlot;

inline bool ValidTextSlot(int index) { return index >= 0 && index < kTextSlotCount; }

void ResetBalloonGeometryState();
