#include "engine/layers.h"

#include <algorithm>

#include "engine/game_window.h"
#include "engine/modes.h"
#include "engine/picture_catalogue.h"
#include "engine/system_menu.h"
#include "engine/text.h"
#include "platform/fonts.h"
#include "platform/pictures.h"
#include "platform/platform.h"

DrawStateRecord DrawState;
std::array<SpriteSheet, kSheetCount> Sheets;

namespace {

std::array<LayerProps, tq::kLayerCount> layerProps;
LayerProps windowProps;

tq::Compositor& Screen() { return tq::ThePlatform().Screen(); }

// The icon strip of sheet 0 holds cells 0 to 6, 16 pixels square.
constexpr int kIconSide = 16;
constexpr int kIconCount = 7;

}  // namespace

bool ValidLayer(int index) { return index >= 0 && index < tq::kLayerCount; }

LayerProps& LayerInfo(int index) {
  if (ValidLayer(index)) return layerProps[static_cast<size_t>(index)];
  if (index == GameForm) return windowProps;
  static LayerProps scratch;
  scratch = LayerProps{};
  return scratch;
}

tq::Surface& LayerImage(int index) {
  if (ValidLayer(index)) return Screen().Layer(index).image;
  if (index == GameForm) return Screen().Background();
  static tq::Surface scratch;
  scratch.Reset(0, 0);
  return scratch;
}

int LayerLeft(int index) { return ValidLayer(index) ? Screen().Layer(index).x : 0; }
int LayerTop(int index) { return ValidLayer(index) ? Screen().Layer(index).y : 0; }
int LayerWidth(int index) { return ValidLayer(index) ? Screen().Layer(index).image.Width() : 0; }
int LayerHeight(int index) { return ValidLayer(index) ? Screen().Layer(index).image.Height() : 0; }

void HideLayerRange(int first, int last) {
  for (int layer = first; layer <= last; ++layer) ShowLayer(layer, false);
}

void MoveLayerKeepingSize(int index, int x, int y) { MoveLayer(index, x, y, LayerWidth(index), LayerHeight(index)); }

void MoveLayer(int index, int x, int y, int width, int height) {
  if (!ValidLayer(index)) return;
  tq::Compositor& screen = Screen();
  tq::LayerSurface& layer = screen.Layer(index);
  const uint32_t back = tq::PixelFromColor(LayerInfo(index).BackColor);
  if (layer.image.Width() == std::clamp(width, 0, tq::kMaxSurfaceSide) &&
      layer.image.Height() == std::clamp(height, 0, tq::kMaxSurfaceSide)) {
    screen.Place(index, x, y, width, height, back);
    return;
  }
  layer.image.ResizeKeeping(width, height, back);
  screen.Place(index, x, y, width, height, back);
}

void ShowLayer(int index, bool visible) { Screen().SetVisible(index, visible); }
void LayerToFront(int index) { Screen().BringToFront(index); }
void LayerToBack(int index) { Screen().SendToBack(index); }

void ClearLayerImage(int index) {
  tq::Surface& image = LayerImage(index);
  tq::FillRect(image, {0, 0, image.Width(), image.Height()}, tq::PixelFromColor(LayerInfo(index).BackColor));
}

void SetLayerPicture(int index, const tq::Surface& picture) {
  if (index == GameForm) {
    ClearLayerImage(GameForm);
    tq::CopyRect(Screen().Background(), 0, 0, picture, 0, 0, picture.Width(), picture.Height());
    return;
  }
  if (!ValidLayer(index)) return;
  if (picture.Empty()) {
    ClearLayerImage(index);
    return;
  }
  tq::LayerSurface& layer = Screen().Layer(index);
  layer.image = picture;
  layer.hollow = false;
  layer.image.MarkChanged();
}

void MarkLayerHollow(int index) {
  if (ValidLayer(index)) Screen().Layer(index).hollow = true;
}

tq::Surface ClippedCell(int sheet) {
  tq::Surface cell;
  if (sheet < 0 || sheet >= kSheetCount) return cell;
  const SpriteSheet& s = Sheets[static_cast<size_t>(sheet)];
  if (s.Picture.Empty() || s.ClipWidth <= 0 || s.ClipHeight <= 0) return cell;
  // Parts of the clip beyond the picture stay black; CopyRect keeps the rest in place.
  cell.Reset(s.ClipWidth, s.ClipHeight, 0);
  tq::CopyRect(cell, 0, 0, s.Picture, s.ClipX, s.ClipY, s.ClipWidth, s.ClipHeight);
  return cell;
}

void SetTargetPicture(int target, const tq::Surface& picture) {
  switch (target) {
    case 0:
      SetLayerPicture(GameForm, picture);
      break;
    case 1:
      SetLayerPicture(DrawState.CurrentLayer, picture);
      break;
    case 2:
      if (DrawState.SheetIndex >= 0 && DrawState.SheetIndex < kSheetCount) {
        Sheets[static_cast<size_t>(DrawState.SheetIndex)].Picture = picture;
      }
      break;
    default:
      break;
  }
}

void LoadPictureIntoTarget(int target, const std::string& path) {
  if (target < 0 || target > 2) return;
  const int index = DrawState.CurrentLayer;
  if (target == 1 && ValidLayer(index) && !path.empty()) {
    // Straight into the layer's own buffer, which keeps its memory from load to load.
    tq::LayerSurface& layer = Screen().Layer(index);
    const int width = layer.image.Width();
    const int height = layer.image.Height();
    if (tq::LoadPictureFile(path, layer.image)) {
      layer.hollow = false;
    } else {
      layer.image.Reset(width, height, tq::PixelFromColor(LayerInfo(index).BackColor));
    }
    return;
  }
  if (target == 2 && DrawState.SheetIndex >= 0 && DrawState.SheetIndex < kSheetCount && !path.empty()) {
    tq::LoadPictureFile(path, Sheets[static_cast<size_t>(DrawState.SheetIndex)].Picture);
    return;
  }
  // The window's background takes the picture at its corner; kept between loads
  // for its buffer.
  static tq::Surface picture;
  picture.Reset(0, 0);
  if (!path.empty()) tq::LoadPictureFile(path, picture);
  SetTargetPicture(target, picture);
}

void PrepareLayer(int kind, int /*unused*/) {
  if (kind != kPrepareTextShown && kind != kPrepareTextHidden && kind != kPreparePictureShown &&
      kind != kPreparePictureHidden) {
    return;
  }
  const int index = DrawState.CurrentLayer;
  if (!ValidLayer(index)) return;
  LayerProps& props = LayerInfo(index);
  props.BackColor = 0;
  props.AutoRedraw = true;
  tq::LayerSurface& layer = Screen().Layer(index);
  layer.hollow = false;
  // Cleared and resized at once: every pixel of the new size takes the back colour.
  const Rect& r = DrawState.CurrentRect;
  layer.image.Reset(r.Width, r.Height, tq::PixelFromColor(props.BackColor));
  Screen().Place(index, r.X, r.Y, r.Width, r.Height);
  props.FontName = tq::kFontProportional;
  if (kind == kPrepareTextShown || kind == kPrepareTextHidden) {
    props.FontSize = TextStyle.TextFontSize;
    props.FontBold = TextStyle.TextBold != 0;
    props.FontItalic = TextStyle.TextItalic != 0;
    ShowLayer(index, true);
    LayerToFront(index);
    if (kind == kPrepareTextHidden) ShowLayer(index, false);
    return;
  }
  props.FontSize = 10;
  props.FontBold = true;
  props.FontItalic = false;
  ShowLayer(index, kind == kPreparePictureShown);
  if (DrawState.AutoRaiseOn == -1) {
    LayerToFront(index);
  } else {
    DrawState.AutoRaiseOn = -1;
  }
}

void GetLayerRect(int kind, int layer) {
  if (kind != kRectIntoCurrent && kind != kRectIntoTarget) return;
  Rect r;
  if (ValidLayer(layer)) {
    const tq::LayerSurface& l = Screen().Layer(layer);
    r = {l.x, l.y, l.image.Width(), l.image.Height()};
  }
  (kind == kRectIntoCurrent ? DrawState.CurrentRect : DrawState.TargetRect) = r;
}

void ClipCellToLayer(int sheet, int x, int y, int width, int height) {
  if (sheet < 0 || sheet >= kSheetCount) return;
  SpriteSheet& s = Sheets[static_cast<size_t>(sheet)];
  s.ClipX = x;
  s.ClipY = y;
  s.ClipWidth = width;
  s.ClipHeight = height;
  SetLayerPicture(DrawState.CurrentLayer, ClippedCell(sheet));
}

int CentreX(int& width) {
  if (width == 0) width = DrawState.CurrentRect.Width;
  return ScreenSize.ScreenWidth / 2 - width / 2;
}
int CentreX(int&& width) { return CentreX(width); }

int CentreY(int& height) {
  if (height == 0) height = DrawState.CurrentRect.Height;
  return ScreenSize.ScreenHeight / 2 - height / 2;
}
int CentreY(int&& height) { return CentreY(height); }

void HideAllLayers() {
  for (int i = 0; i < tq::kLayerCount; ++i) ShowLayer(i, false);
  // Shape 0 is never shown by any screen and has no picture here: nothing to hide.
}

int NoticeBoxLayer() {
  // Only the Marbrook Init sets ClickWaitLayer; at 0 the picture would replace
  // layer 0 (the screen's own background layer), so it takes the system layer.
  return SystemLayerSet.ClickWaitLayer != 0 ? SystemLayerSet.ClickWaitLayer : kDefaultClickWaitLayer;
}

void ShowNoticeBox() {
  DrawState.CurrentLayer = NoticeBoxLayer();
  DrawState.CurrentRect.X = ScreenSize.ScreenWidth;
  DrawState.CurrentRect.Y = 0;
  PrepareLayer(kPreparePictureShown);
  if (CrossingHooks.MarbrookLoadPicture != nullptr) {
    CrossingHooks.MarbrookLoadPicture(1, 34, 0);
  } else {
    LoadClickWaitPicture(1, 34, 0);
  }
  GetLayerRect(kRectIntoCurrent, DrawState.CurrentLayer);
  Rect& r = DrawState.CurrentRect;
  r.X = ScreenSize.ScreenHalfWidth - r.Width / 2;
  r.Y = ScreenSize.ScreenHeight - (r.Height + 2);
  MoveLayer(DrawState.CurrentLayer, r.X, r.Y, r.Width, r.Height);
}

void IconCell(int number, int /*unused1*/, int /*unused2*/) {
  const bool listed = number >= 0 && number < kIconCount;
  ClipCellToLayer(0, listed ? kIconSide * number : 0, 0, listed ? kIconSide : 0, listed ? kIconSide : 0);
}

void ResetLayerState() {
  DrawState = DrawStateRecord{};
  layerProps.fill(LayerProps{});
  windowProps = LayerProps{};
  for (SpriteSheet& s : Sheets) s = SpriteSheet{};
}
