// The 100 picture layers and 10 sprite sheets, and the small primitives that
// prepare, measure, place and fill layers.
//
// Geometry, visibility, stacking order and the kept image of a layer live in the
// platform's compositor (tq::ThePlatform().Screen().Layer(i)); what the platform
// does not hold (back colour, font, fore colour, text position, the persistent
// drawing flag) is kept here, per layer and for the window.
//
// Callers set DrawState (CurrentLayer, CurrentRect, ...) and then call a primitive;
// several primitives write CurrentLayer or CurrentRect back, and callers rely on it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/compositor.h"
#include "platform/pixels.h"

struct Rect {
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
};

struct DrawStateRecord {
  int CurrentLayer = 0;
  Rect CurrentRect;
  int TargetLayer = 0;
  Rect TargetRect;
  int SheetIndex = 0;
  int StepDoneCount = 0;
  int AutoRaiseOn = 0;  // InitEngine sets -1; a caller's 0 is consumed by PrepareLayer 10/11
};
extern DrawStateRecord DrawState;

inline constexpr int kSheetCount = 10;
// The drawable that stands for the game window itself (its background picture).
inline constexpr int GameForm = -1;
// The click-wait layer when the selected mode leaves ClickWaitLayer at 0.
inline constexpr int kDefaultClickWaitLayer = 89;

// A colour as the games write it, 0x00BBGGRR; each component is held to 0..255.
constexpr uint32_t RgbColor(int r, int g, int b) {
  auto c = [](int v) { return static_cast<uint32_t>(v < 0 ? 0 : (v > 255 ? 255 : v)); };
  return c(r) | (c(g) << 8) | (c(b) << 16);
}
constexpr uint32_t Grey(int n) { return RgbColor(n, n, n); }

// What a layer (or the window) carries beside its image and geometry.
struct LayerProps {
  uint32_t BackColor = 0;  // 0x00BBGGRR
  uint32_t ForeColor = 0;
  std::string FontName = "ＭＳ Ｐゴシック";
  int FontSize = 9;
  bool FontBold = false;
  bool FontItalic = false;
  int CurrentX = 0;
  int CurrentY = 0;
  bool AutoRedraw = false;
};

// The properties of layer 0..99, or of the window for GameForm. Any other index
// gives a scratch record, cleared on every call, so bad indices change nothing.
LayerProps& LayerInfo(int index);
// The kept image of layer 0..99, or the window's background for GameForm. Any other
// index gives an empty scratch surface, so drawing into it does nothing.
tq::Surface& LayerImage(int index);
// A layer's place and size (0 for a layer number outside 0 to 99).
int LayerLeft(int index);
int LayerTop(int index);
int LayerWidth(int index);
int LayerHeight(int index);
bool ValidLayer(int index);

// Layer operations the primitives and the games share.
// Moves and sizes a layer; what was drawn stays where the sizes overlap and new
// parts take the back colour.
void MoveLayer(int index, int x, int y, int width, int height);
// Hides layers first to last.
void HideLayerRange(int first, int last);
// Moves a layer and keeps its size (and so its picture); nothing for a bad index.
void MoveLayerKeepingSize(int index, int x, int y);
void ShowLayer(int index, bool visible);
void LayerToFront(int index);
void LayerToBack(int index);
// Sets the picture: the kept image becomes the picture and the layer takes its
// size; an empty picture clears the image to the back colour and keeps the size.
// For GameForm the window's background is cleared and the picture put at (0, 0).
void SetLayerPicture(int index, const tq::Surface& picture);
// Clears the whole kept image to the back colour.
void ClearLayerImage(int index);
// A layer that holds no picture yet, kept only as a place (a face slot's anchor):
// it keeps its place and size but shows nothing until a picture is set or the layer
// is prepared again.
void MarkLayerHollow(int index);

// Sprite sheets: a loaded picture and a clip rectangle.
struct SpriteSheet {
  tq::Surface Picture;
  int ClipX = 0;
  int ClipY = 0;
  int ClipWidth = 0;
  int ClipHeight = 0;
};
extern std::array<SpriteSheet, kSheetCount> Sheets;
// The clipped part of the sheet's picture (empty for an empty clip or picture;
// pixels beyond the picture are black).
tq::Surface ClippedCell(int sheet);

// Picture targets of the catalogue loaders: 0 the window, 1 CurrentLayer, 2 the
// sheet SheetIndex; any other target is left alone.
void SetTargetPicture(int target, const tq::Surface& picture);
// Loads a picture file (an empty path gives an empty picture) into the target. A
// missing file gives an empty picture, so a layer keeps its size.
void LoadPictureIntoTarget(int target, const std::string& path);

// How PrepareLayer readies CurrentLayer: cleared, placed at CurrentRect, the
// proportional font. Text kinds take TextStyle's size, weight and slant and come to
// the front; picture kinds take 10-point bold and come to the front unless a caller
// set AutoRaiseOn to 0 for this one call. Any other kind does nothing.
enum PrepareKind : int {
  kPrepareTextShown = 0,
  kPrepareTextHidden = 1,
  kPreparePictureShown = 10,
  kPreparePictureHidden = 11,
};
void PrepareLayer(int kind, int unused = -99);
// Which rectangle GetLayerRect fills with a layer's place and size (an invalid layer
// gives all zeros). Any other kind does nothing.
enum LayerRectKind : int {
  kRectIntoCurrent = 50,  // DrawState.CurrentRect
  kRectIntoTarget = 150,  // DrawState.TargetRect
};
void GetLayerRect(int kind, int layer);
void ClipCellToLayer(int sheet, int x, int y, int width, int height);
int CentreX(int& width);
int CentreX(int&& width);
int CentreY(int& height);
int CentreY(int&& height);
void HideAllLayers();
void ShowNoticeBox();
// The layer ShowNoticeBox uses; code that hides the click-wait picture must hide this one.
int NoticeBoxLayer();
void IconCell(int number, int unused1 = 0, int unused2 = 0);

void ResetLayerState();
