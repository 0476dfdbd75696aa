// Faces and a frame recorder for tests of face settings, moves and group runs.
#pragma once

#include <functional>

#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "platform/platform.h"
#include "scenario/face_slots.h"

namespace scenario_test {

// The window of every game: 920 by 690.
inline void WindowSize() { ScreenSize = {920, 690, 460, 345}; }

inline void PrepareShown(int layer, int x, int y, int width, int height) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {x, y, width, height};
  PrepareLayer(kPreparePictureShown);
}

// A shown face of the given size for the slot on `layer`, with the default layers
// of "[顔の設定]" beside it.
inline void ShowFace(int slot, int layer, int x, int y, int width, int height) {
  FaceSlot.FaceLayer[slot] = layer;
  FaceSlot.BalloonLayer[slot] = layer + 1;
  FaceSlot.ThoughtLayer[slot] = layer + 4;
  FaceSlot.MiniLayer[slot][1] = layer + 9;
  FaceSlot.MiniLayer[slot][2] = layer + 9;
  PrepareShown(layer, x, y, width, height);
}

struct LayerPlace {
  int x = 0;
  int y = 0;
  bool operator==(const LayerPlace&) const = default;
};

inline LayerPlace PlaceOf(int layer) {
  const auto& l = tq::ThePlatform().Screen().Layer(layer);
  return {l.x, l.y};
}

// Calls `onFrame` after every frame of a frame loop of the Skelvane conversation.
class FrameRecorder {
 public:
  explicit FrameRecorder(std::function<void()> onFrame) {
    OnFrame() = std::move(onFrame);
    Original() = ModeHooksFor(ModeId::Skelvane).OnEvent;
    ModeHooksFor(ModeId::Skelvane).OnEvent = [](int phase) {
      const bool handled = Original() != nullptr && Original()(phase);
      if (phase == 2 && OnFrame()) OnFrame()();
      return handled;
    };
  }
  ~FrameRecorder() {
    ModeHooksFor(ModeId::Skelvane).OnEvent = Original();
    OnFrame() = nullptr;
  }
  FrameRecorder(const FrameRecorder&) = delete;
  FrameRecorder& operator=(const FrameRecorder&) = delete;

 private:
  static std::function<void()>& OnFrame() {
    static std::function<void()> f;
    return f;
  }
  static bool (*&Original())(int) {
    static bool (*original)(int) = nullptr;
    return original;
  }
};

}  // namespace scenario_test
