// The bonus pictures of the extras area (state 100): 14 pictures with a caption
// box, and three text buttons drawn as label prints on plain layers.
#include <vector>

#include "engine/frame_model.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "engine/text.h"
#include "marbrook/extras_area.h"
#include "marbrook/marbrook_pictures.h"
#include "games/screen_buttons.h"
#include "games/timed_effects.h"
#include "platform/fonts.h"

namespace {

enum : int { kPictureKind = 1401, kFrameKind = 1400, kFrameNumber = 81 };
enum : int { kButtonWidth = 180, kButtonHeight = 28 };
constexpr int kCaptionRowChars = 27;
constexpr int kMaxLines = 29;

constexpr const char* kLabels[] = {"→ 次のＣＧへ", "← 前のＣＧへ", "メニューに戻る"};

void Box(int layer, int x1, int y1, int x2, int y2, uint32_t colour) {
  tq::DrawBox(LayerImage(layer), x1, y1, x2, y2, tq::PixelFromColor(colour));
}

// Set-up (100, 0): frame picture, buttons, page 0.
void SetUp() {
  ScreenButtons.PictureFirstBox = 0;
  ScreenButtons.HoverFirstBox = 5;
  ExtrasArea.ExtrasTextLayer = 10;
  DrawState.CurrentLayer = 1;
  DrawState.CurrentRect = {20, 30, 0, 0};
  PrepareLayer(kPreparePictureShown);
  C00_LoadPicture(1, kFrameKind, kFrameNumber);
  for (int i = 0; i <= 2; ++i) C45_TextButton(i, kLabels[i], 0);
  ExtrasArea.ExtrasPage = 0;
  ExtrasArea.ExtrasLastPage = 13;
  SceneCursor.SceneStep = 5;
  Wait(0, 0);
}

void Show() {
  const int page = ExtrasArea.ExtrasPage;
  C45_BonusCgPicture(page);
  const std::span<const char* const> captions = BonusCaptions();
  const std::string text = page >= 0 && static_cast<size_t>(page) < captions.size() ? captions[static_cast<size_t>(page)] : "";
  C45_CaptionBox(0, "ＣＧＮｏ." + FullWidthNumber(page) + "：" + text);
  SceneCursor.SceneStep = 9;
  Wait(0, 0);
}

void Click() {
  if (!ExtrasButtonPressed(3)) return;
  SceneCursor.ButtonMode = 0;
  ExtrasAreaRecord& x = ExtrasArea;
  switch (ScreenButtons.HoveredButton) {
    case 0: x.ExtrasPage = x.ExtrasPage >= x.ExtrasLastPage ? 0 : x.ExtrasPage + 1; break;
    case 1: x.ExtrasPage = x.ExtrasPage <= 0 ? x.ExtrasLastPage : x.ExtrasPage - 1; break;
    default:
      for (int layer = 0; layer <= 49; ++layer) ShowLayer(layer, false);
      C40_LeaveToMenu(1);
      return;
  }
  SceneCursor.SceneStep = 5;
  Wait(0, 0);
}

void PrintAt(int layer, int x, int y, uint32_t colour) {
  LayerProps& props = LayerInfo(layer);
  props.CurrentX = x;
  props.CurrentY = y;
  props.ForeColor = colour;
  LayerPrint(layer, TextStyle.CurrentText);
}

}  // namespace

void C45_BonusCgStep() {
  if (SceneCursor.SceneState != 100) return;
  switch (SceneCursor.SceneStep) {
    case 0: SetUp(); break;
    case 5: Show(); break;
    case 9: ExtrasReady(100); break;
    case 10: Click(); break;
    default: break;
  }
}

void C45_BonusCgPicture(int n) {
  DrawState.CurrentLayer = ScreenButtons.PictureFirstBox;
  DrawState.CurrentRect = {CentreX(390), 50, 390, 390};
  PrepareLayer(kPreparePictureShown);
  C00_LoadPicture(1, kPictureKind, n);
}

void C45_TextButton(int i, const std::string& label, int state) {
  if (i < 0 || i > 9) return;
  ExtrasArea.TextButtonLabels[static_cast<size_t>(i)] = label;
  TextStyle.CurrentText = label;
  const int layer = ScreenButtons.HoverFirstBox + i;
  DrawState.CurrentLayer = layer;
  TextStyle.TextFontSize = 18;
  DrawState.CurrentRect = {700, 100 + 43 * i, kButtonWidth, kButtonHeight};
  PrepareLayer(kPrepareTextShown);
  MeasureText(0);
  TextStyle.TextX = 10;
  TextStyle.TextY = kButtonHeight / 2 - TextStyle.MeasuredHeight / 2 - 1;
  const int w = kButtonWidth;
  const int h = kButtonHeight;
  if (state == 0) {
    Box(layer, 1, 1, w - 2, h - 2, Grey(50));
    Box(layer, 0, 0, w - 1, h - 1, RgbColor(255, 255, 255));
    C45_ButtonColours(0);
  } else if (state == 1) {
    LayerInfo(layer).BackColor = RgbColor(255, 255, 255);
    ClearLayerImage(layer);
    C45_ButtonColours(1);
    Box(layer, 0, 0, w - 1, h - 1, Grey(128));
  }
}

void C45_ButtonColours(int scheme) {
  TextStyleRecord& t = TextStyle;
  if (scheme == 0) {
    t.TextColor = RgbColor(255, 255, 255);
    t.ShadeColor1 = Grey(120);
    t.ShadeColor2 = Grey(180);
  } else if (scheme == 1) {
    t.TextColor = RgbColor(0, 0, 0);
    t.ShadeColor1 = Grey(230);
    t.ShadeColor2 = Grey(140);
  }
  const int layer = DrawState.CurrentLayer;
  LayerInfo(layer).FontSize = t.TextFontSize;
  // The face lies between the two shades, one pixel from each.
  PrintAt(layer, t.TextX + 2, t.TextY + 2, t.ShadeColor1);
  PrintAt(layer, t.TextX, t.TextY, t.ShadeColor2);
  PrintAt(layer, t.TextX + 1, t.TextY + 1, t.TextColor);
}

void C45_CaptionBox(int /*first*/, const std::string& text) {
  std::vector<std::string> lines;
  int count = 0;
  SplitFields(text, "：", kMaxLines, lines, count);
  const int layer = ExtrasArea.ExtrasTextLayer;
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {60, 470, 800, 200};
  PrepareLayer(kPreparePictureShown);
  LayerInfo(layer).FontName = tq::kFontFixed;
  DrawTextBoxFrame(layer);
  TextStyle.TextFontSize = 20;
  TextStyle.TextX = 10;
  TextStyle.LineHeight = 35;
  int row = 0;
  for (int i = 1; i <= count; ++i) {
    for (const std::string& part : SplitRows(lines[static_cast<size_t>(i)], kCaptionRowChars)) {
      TextStyle.CurrentText = part;
      TextStyle.TextY = 15 + TextStyle.LineHeight * row;
      PrintText(20, layer);
      ++row;
    }
  }
}
