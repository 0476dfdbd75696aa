#include "vadrim/conversation_hover.h"

#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"

namespace {
constexpr int kOptionLayer0 = 15;
constexpr int kOptionLayer1 = 16;
constexpr int kHighlightLayer = 17;
constexpr int kChoiceButtonMode = 20;
}  // namespace

void D10_Hover() {
  if (SceneCursor.ButtonMode != kChoiceButtonMode) return;
  const int index = InputEvent.InputSourceIndex;
  if (InputEvent.InputSourceKind == 50 && (index == kOptionLayer0 || index == kOptionLayer1)) {
    DrawState.CurrentLayer = index;
    GetLayerRect(kRectIntoCurrent, index);
    DrawState.CurrentLayer = kHighlightLayer;
    const tq::Surface& frame = LayerImage(kHighlightLayer);
    MoveLayer(kHighlightLayer, DrawState.CurrentRect.X - 3, DrawState.CurrentRect.Y - 3, frame.Width(), frame.Height());
    ShowLayer(kHighlightLayer, true);
    return;
  }
  DrawState.CurrentLayer = kHighlightLayer;
  ShowLayer(kHighlightLayer, false);
}
