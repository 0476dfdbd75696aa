#include "scenario/balloon_moves.h"

#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "platform/platform.h"
#include "scenario/auto_reading.h"
#include "scenario/face_slots.h"
#include "scenario/script_conversion.h"

void ReturnBalloonHome() {
  const int slot = LineState.CurrentSlot;
  if (!ValidFaceSlot(slot)) return;
  const bool thought = LineState.BalloonMoveThought == 1;
  DrawState.CurrentLayer = thought ? FaceSlot.ThoughtLayer[static_cast<size_t>(slot)]
                                   : FaceSlot.BalloonLayer[static_cast<size_t>(slot)];
  const int parts = thought ? 4 : 2;  // the balloon, then its tail or its three bubbles
  for (int i = 0; i < parts; ++i) {
    const int layer = DrawState.CurrentLayer + i;
    if (!ValidLayer(layer)) continue;
    const tq::LayerSurface& surface = tq::ThePlatform().Screen().Layer(layer);
    MoveLayer(layer, VoiceSettings.BalloonHomeX[i], VoiceSettings.BalloonHomeY[i], surface.image.Width(),
              surface.image.Height());
  }
}

void RegisterBalloonMoveHooks() { InputScenarioHooks.ReturnBalloonHome = ReturnBalloonHome; }
