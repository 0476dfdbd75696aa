// The conversation screen's per-mode members and the words its set-ups share.
#pragma once

#include <array>
#include <string>

#include "engine/modes.h"

// What a game supplies for its conversation screen. A null member does nothing.
struct ConversationHookSet {
  void (*Step)() = nullptr;
  void (*Hover)() = nullptr;
  void (*StartStage)() = nullptr;
  void (*LayoutInit)() = nullptr;
  void (*LoadStage)() = nullptr;
  void (*StageEnd)() = nullptr;
};
ConversationHookSet& ConversationHooksFor(ModeId id);

inline constexpr int kPictureTableSize = 100;

struct ConversationSceneRecord {
  // The scene's background picture numbers, filled by the game's conversation layout.
  std::array<int, kPictureTableSize> PictureTable{};
  int RestartRequest = 0;  // 9: the system menu asked to go back to the start of the scene
  std::string EffectText;  // text and kind of a line played as a fading text line
  int EffectTextCode = 0;
  int DefaultWindowLayer = 0;
  int DefaultTailLayer = 0;
  int EffectLayerBase = 0;
  int FaceLayerBase = 0;
};
extern ConversationSceneRecord ConversationScene;

void ResetConversationSceneState();
