#include "scenario/direct_events.h"

#include "engine/layers.h"
#include "scenario/face_slots.h"
#include "scenario/script_conversion.h"

namespace {

// The event runs only when the line's "Ev分" is 1.
bool EventAsked() { return LineCode.SubParam == 1; }

// The layers that "[イベ直接・ピク]" gives face slots 1 to 4.
constexpr int kFirstEventFaceLayer = 21;
constexpr int kEventFaceCount = 4;

}  // namespace

void DirectEventBasic() {
  if (!EventAsked()) return;
  LayerInfo(GameForm).BackColor = 0;
  SetLayerPicture(GameForm, tq::Surface());
  // The system layers (50 and above) keep their visibility.
  for (int i = 0; i <= 49; ++i) ShowLayer(i, false);
}

void DirectEventPic() {
  if (!EventAsked()) return;
  for (int i = 0; i < kEventFaceCount; ++i) {
    const int width = i < 3 ? 75 : 40;
    const int height = i < 3 ? 50 : 40;
    DrawState.CurrentLayer = kFirstEventFaceLayer + i;
    DrawState.CurrentRect = {-width, -height, width, height};
    PrepareLayer(kPreparePictureShown);
    FaceSlot.FaceLayer[static_cast<size_t>(i + 1)] = kFirstEventFaceLayer + i;
  }
}
