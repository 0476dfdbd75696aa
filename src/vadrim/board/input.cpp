// The board's input sets (ButtonMode), the hover frame and its tick, the button
// frames, the line-strike arrows' split, and the keys.
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "platform/pixels.h"
#include "platform/platform.h"
#include "vadrim/board/model.h"
#include "vadrim/board/screen.h"
#include "vadrim/vadrim_sounds.h"

namespace {

constexpr int kHoverSound = 15;
constexpr int kArrowSheet = 5;

// The entry of `first` to `first + last` that `layer` is, or -1.
int EntryOf(int layer, int first, int last) {
  return layer >= first && layer <= first + last ? layer - first : -1;
}

void ArrowCell(int n, bool lit) {
  DrawState.CurrentLayer = BoardLayers.BackdropLayer + n;
  ClipCellToLayer(kArrowSheet, (D50_InRange(n) == 0 ? 2 : 1) * 50, lit ? 50 : 0, 50, 50);
}

void AttackFrame(int n, int kind) {
  DrawState.CurrentLayer = BoardLayers.HighlightLayer + 1 + n;
  D50_ButtonFrame(kind);
}

void FrameToFront(int entryLayer) {
  LayerToFront(BoardLayers.HighlightLayer);
  LayerToFront(entryLayer);
}

// Over an entry of the active set: draws its highlight; false when the layer is
// none of the set's entries.
bool HoverEntry(int layer) {
  const int mode = SceneCursor.ButtonMode;
  const int menu = EntryOf(layer, BoardLayers.MenuButtonFirstBox, BoardScreen.MenuButtonLast);
  int index = -1;
  auto enter = [&](int i) {
    index = i;
    return index != TurnFlow.HoverIndex;
  };
  switch (mode) {
    case kButtonsMenu:
    case kButtonsAttack: {
      const int item =
          mode == kButtonsMenu ? EntryOf(layer, BoardLayers.TurnButtonFirstBox, BoardScreen.TurnButtonLast) : -1;
      const int attack =
          mode == kButtonsAttack ? EntryOf(layer, BoardLayers.ChoiceButtonFirstBox, BoardScreen.ChoiceButtonLast) : -1;
      if (item >= 0) {
        if (!enter(item)) return true;
        D50_ButtonFrame(1);
        LayerToBack(BoardLayers.HighlightLayer);
        LayerToBack(BoardLayers.ItemPanelLayer);
      } else if (menu >= 0) {
        if (!enter(10 + menu)) return true;
        D50_ButtonFrame(0);
        LayerToBack(BoardLayers.HighlightLayer);
      } else if (attack >= 0) {
        if (!enter(attack)) return true;
        const int hover = TurnFlow.HoverIndex;
        if (hover >= 0 && hover <= BoardScreen.ChoiceButtonLast) AttackFrame(hover, 11);
        else ShowLayer(BoardLayers.HighlightLayer, false);
        AttackFrame(attack, 10);
      } else {
        return false;
      }
      break;
    }
    case kButtonsDialog: {
      const int button = EntryOf(layer, BoardLayers.ConfirmButtonFirstBox, 1);
      if (button < 0) return false;
      if (!enter(button)) return true;
      D50_ButtonFrame(2);
      FrameToFront(layer);
      break;
    }
    case kButtonsCards:
    case kButtonsPick:
    case kButtonsCreatures: {
      const int first = mode == kButtonsCreatures ? BoardLayers.CreatureFirstLayer : BoardLayers.BackdropLayer;
      const int last = mode == kButtonsCards ? 4 : (mode == kButtonsPick ? BoardScreen.PickIconLast
                                                                          : BoardScreen.CreatureClickLast);
      const int entry = EntryOf(layer, first, last);
      if (entry < 0) return false;
      if (!enter(entry)) return true;
      D50_ButtonFrame(1);
      FrameToFront(layer);
      break;
    }
    case kButtonsArrows: {
      const int arrow = EntryOf(layer, BoardLayers.BackdropLayer, BoardScreen.LineArrowLast);
      if (arrow < 0) return false;
      if (!enter(arrow)) return true;
      if (TurnFlow.HoverIndex >= 0) ArrowCell(TurnFlow.HoverIndex, false);
      ArrowCell(arrow, true);
      D50_ButtonFrame(3);
      FrameToFront(layer);
      break;
    }
    default: return true;
  }
  TurnFlow.HoverIndex = index;
  PlayScreenSound(kHoverSound);
  return true;
}

void HoverNone() {
  if (TurnFlow.HoverIndex == -1) return;
  switch (SceneCursor.ButtonMode) {
    case kButtonsAttack:
      if (TurnFlow.HoverIndex >= 0 && TurnFlow.HoverIndex <= BoardScreen.ChoiceButtonLast) {
        for (int n = 0; n <= BoardScreen.ChoiceButtonLast; ++n) AttackFrame(n, 11);
      } else {
        ShowLayer(BoardLayers.HighlightLayer, false);
      }
      break;
    case kButtonsArrows:
      ArrowCell(TurnFlow.HoverIndex, false);
      ShowLayer(BoardLayers.HighlightLayer, false);
      break;
    case kButtonsMenu:
    case kButtonsDialog:
    case kButtonsCards:
    case kButtonsPick:
    case kButtonsCreatures: ShowLayer(BoardLayers.HighlightLayer, false); break;
    default: return;
  }
  TurnFlow.HoverIndex = -1;
}

}  // namespace

void BoardFramePaint(int layer, unsigned back, unsigned line) {
  if (!ValidLayer(layer)) return;
  LayerInfo(layer).BackColor = back;
  ClearLayerImage(layer);
  tq::Surface& image = LayerImage(layer);
  const int w = image.Width();
  const int h = image.Height();
  const uint32_t px = tq::PixelFromColor(line);
  tq::DrawBox(image, 0, 0, w - 1, h - 1, px);
  tq::FillBox(image, 7, 7, w - 8, h - 8, px);
}

void D50_Hover() {
  const int layer = InputEvent.InputSourceIndex;
  if (InputEvent.InputSourceKind == 50 && HoverEntry(layer)) return;
  HoverNone();
}

void D50_ButtonFrame(int kind) {
  if (kind == 10 || kind == 11) {
    const auto& c = BoardScreen.FrameColours;
    BoardFramePaint(DrawState.CurrentLayer, kind == 10 ? c[0] : c[2], kind == 10 ? c[1] : c[3]);
    return;
  }
  if (kind < 0 || kind > 9) return;
  static constexpr int kBorder[4] = {5, 6, 10, 7};
  const int b = kind <= 3 ? kBorder[kind] : 0;
  const unsigned colour = kind == 2 ? Grey(200) : (kind <= 3 ? Grey(128) : 0);
  const int source = InputEvent.InputSourceIndex;
  const int w = LayerWidth(source) + 2 * b;
  const int h = LayerHeight(source) + 2 * b;
  BoardPrepare(BoardLayers.HighlightLayer, LayerLeft(source) - b, LayerTop(source) - b, w, h);
  const int frame = BoardLayers.HighlightLayer;
  LayerInfo(frame).BackColor = Grey(255);
  ClearLayerImage(frame);
  tq::Surface& image = LayerImage(frame);
  const uint32_t px = tq::PixelFromColor(colour);
  tq::DrawBox(image, 0, 0, w - 1, h - 1, px);
  tq::FillBox(image, b - 1, b - 1, w - b, h - b, px);
  DrawState.CurrentLayer = frame;
}

int D50_InRange(int index) {
  const int columns = BoardScreen.ColumnArrowLast;
  if (index >= 0 && index <= columns) return 0;
  if (index >= columns + 1 && index <= columns + 1 + BoardScreen.RowArrowLast) return 1;
  return 0;
}

void D50_OnKey() {
  if (InputEvent.AdvanceKeyDown == 1) {
    D50_Step();
    return;
  }
  const int mode = SceneCursor.ButtonMode;
  const int key = InputEvent.KeyCode;
  int button = -1;
  int first = 0;
  int last = -1;
  if (mode == kButtonsMenu) {
    first = BoardLayers.TurnButtonFirstBox;
    last = BoardScreen.TurnButtonLast;
    if (key >= tq::kKey0 + 1 && key <= tq::kKey0 + 4) button = key - (tq::kKey0 + 1);  // digits 1 to 4
  } else if (mode == kButtonsAttack) {
    first = BoardLayers.ChoiceButtonFirstBox;
    last = BoardScreen.ChoiceButtonLast;
    // Keypad 1 or 9, 2 or 6, and 3.
    if (key == tq::kKeyPad0 + 1 || key == tq::kKeyPad0 + 9) button = 0;
    else if (key == tq::kKeyPad0 + 2 || key == tq::kKeyPad0 + 6) button = 1;
    else if (key == tq::kKeyPad0 + 3) button = 2;
  }
  // Only the listed digit keys choose; any other key leaves the buttons alone.
  if (button < 0) return;
  InputEvent.InputSourceKind = 50;
  InputEvent.InputSourceIndex = first + button;
  if (button > last) return;
  D50_Hover();
  D50_Step();
}
