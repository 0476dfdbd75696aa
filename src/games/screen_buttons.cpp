#include "games/screen_buttons.h"

#include "engine/input_dispatch.h"
#include "engine/layers.h"

ScreenButtonsRecord ScreenButtons;

void C10_HoverBox(int flag, int& box, int& border, int& erase) {
  if (flag != 0) return;
  const int hovered = InputEvent.InputSourceIndex;
  // Only a layer can be framed; a move over the window itself has nothing to frame.
  if (!ValidLayer(hovered) || !ValidLayer(box)) return;
  LayerToFront(box);
  LayerToFront(hovered);
  GetLayerRect(kRectIntoCurrent, hovered);
  DrawState.CurrentLayer = box;
  Rect& r = DrawState.CurrentRect;
  r = {r.X - border, r.Y - border, r.Width + 2 * border, r.Height + 2 * border};
  DrawState.AutoRaiseOn = 0;
  PrepareLayer(kPreparePictureShown);
  const uint32_t back = erase != 0 ? RgbColor(0, 0, 0) : RgbColor(255, 255, 255);
  const uint32_t edge = erase != 0 ? RgbColor(0, 0, 0) : Grey(128);
  LayerInfo(box).BackColor = back;
  ClearLayerImage(box);
  tq::DrawBox(LayerImage(box), 0, 0, r.Width - 1, r.Height - 1, tq::PixelFromColor(edge));
}

void ResetScreenButtonsState() { ScreenButtons = ScreenButtonsRecord{}; }
