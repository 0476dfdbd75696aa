// The scene replay of the extras area: the heroine menu (states 0 and 5) and the
// viewer (state 10) that pages through a heroine's 14 scenes.
#include <vector>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "engine/text.h"
#include "marbrook/extras_area.h"
#include "marbrook/marbrook_pictures.h"
#include "marbrook/marbrook_sounds.h"
#include "games/screen_buttons.h"
#include "games/timed_effects.h"
#include "platform/fonts.h"
#include "scenario/motion_curves.h"

namespace {

enum : int { kMenuState = 0, kMenuReadyState = 5, kViewerState = 10 };
enum : int { kReplayKind = 1500, kSceneCount = 14, kMaxLines = 29 };

// The text box and caption geometry of one style.
struct TextBoxStyle {
  int x, y, width, height;  // y -1: centred for the height
  int fontSize, textX, textY, lineHeight, charsPerRow;
  int captionX, captionY, captionWidth, captionHeight;
  int captionFontSize, captionTextX, captionTextY;
};
// Style 0 a tall column in the right half, style 1 a strip along the bottom.
constexpr TextBoxStyle kStyles[] = {
    {-1, -1, 420, 550, 16, 10, 15, 31, 17, -1, 20, 230, 37, 16, 6, 8},
    {10, -2, 740, 125, 14, 10, 12, 26, 34, 10, 10, 200, 33, 14, 5, 7},
};

// What a style other than "0" and "1" keeps: the values set last.
int charsPerRow = 17;

const TextBoxStyle* StyleOf(const std::string& style) {
  if (style == "0") return &kStyles[0];
  if (style == "1") return &kStyles[1];
  return nullptr;
}

void SetTextColours() {
  TextStyle.TextColor = RgbColor(255, 255, 255);
  TextStyle.ShadeColor1 = Grey(180);
  TextStyle.ShadeColor2 = Grey(140);
  TextStyle.ShadeColor3 = Grey(80);
  TextStyle.OutlineWidth = 1;
}

int SceneOfCode(int code) { return (code % 200) / 10; }

// Scenes 6, 7, 13 and 14 show wide pictures with the text strip below.
int StyleOfScene(int scene) { return scene == 6 || scene == 7 || scene == 13 || scene == 14 ? 1 : 0; }

std::string CaptionOf(int code) {
  const int heroine = code / 200;
  const int scene = SceneOfCode(code);
  // Scenes 1 to 9 in full-width digits, 10 to 14 in ordinary ones.
  const std::string number = scene <= 9 ? FullWidthNumber(scene) : std::to_string(scene);
  return "シーン" + number + "（" + FullWidthNumber(code % 10) + "／" +
         FullWidthNumber(ReplayScenePages(heroine, scene)) + "）";
}

// The page picture's place: heroine 0's scene 1 left of centre, both heroines'
// scenes 2 to 5 (and heroine 1's scene 1) at the top left, scene 6 a little above the
// top, scene 7 centred at the top.
void PlacePagePicture(int number) {
  const int layer = ScreenButtons.PictureFirstBox;
  GetLayerRect(kRectIntoCurrent, layer);
  const Rect r = DrawState.CurrentRect;
  int x = CentreX(r.Width + 0);
  int y = 0;
  if (number == 51) x -= ScreenSize.ScreenHalfWidth / 2;
  else if ((number >= 52 && number <= 55) || (number >= 61 && number <= 65)) x = 0;
  else if (number == 56 || number == 66) y = -25;
  MoveLayer(layer, x, y, r.Width, r.Height);
}

// Menu set-up (0, 1).
void MenuSetUp() {
  ScreenButtons.PictureFirstBox = 0;
  ScreenButtons.HoverFirstBox = 5;
  ScreenButtons.HoverCursorBox = 9;
  ExtrasArea.ExtrasTextLayer = 15;
  DrawState.SheetIndex = 0;
  C00_LoadPicture(2, kReplayKind, 5);
  SceneCursor.SceneStep = 5;
  Wait(0, 0);
}

// Menu build (0, 5): the title drops in, the heroine buttons and the panel rise, the
// back button comes down, the corner picture rises.
void MenuBuild() {
  const int w = ScreenSize.ScreenWidth;
  const int h = ScreenSize.ScreenHeight;
  LayerInfo(GameForm).BackColor = RgbColor(0, 0, 0);
  SetLayerPicture(GameForm, tq::Surface());
  TitleSound(111, 1);  // on its own channel: the hover tick on 0 would cut it

  LoadExtrasLayer(0, kReplayKind, 0);
  int x = CentreX(DrawState.CurrentRect.Width);
  MoveExtrasLayer(0, x, -DrawState.CurrentRect.Height, x, 30, 30);

  LoadExtrasLayer(1, kReplayKind, 1);
  x = CentreX(DrawState.CurrentRect.Width);
  StoreExtrasMove(0, 1, x, h, x, 340);
  for (int i = 0; i <= 1; ++i) {
    const int layer = ScreenButtons.HoverFirstBox + i;
    LoadExtrasLayer(layer, kReplayKind, 10 + i);
    const int bw = DrawState.CurrentRect.Width;
    x = ScreenSize.ScreenHalfWidth - (bw + 40) + (bw + 80) * i;
    StoreExtrasMove(i + 1, layer, x, h, x, 430);
  }
  ClipExtrasButton(ScreenButtons.HoverFirstBox + 2, 0, 60, 45);
  StoreExtrasMove(3, ScreenButtons.HoverFirstBox + 2, w - 70, -45, w - 70, 10);
  EffectParams.EffectFrames = 15;
  EffectParams.EffectLastSlot = 3;
  EffectParams.EffectMotionKind = kMotionEaseOut;
  RunEffect(kEffectMoveSlots, EffectEnd::kReturn);

  LoadExtrasLayer(2, kReplayKind, 2);
  const Rect r = DrawState.CurrentRect;
  MoveExtrasLayer(2, w - r.Width - 10, h, w - r.Width - 10, h - r.Height - 5, 5);

  GoToNextTick(kMenuReadyState, -1);
}

void MenuReady() {
  LayerToFront(0);
  ScreenButtons.HoveredButton = -1;
  SceneCursor.SceneStep = 0;
  SceneCursor.ButtonMode = 10;
}

// Fills the next slot with a layer's move from where it is by (dx, dy), or to y when
// toY is set.
void StoreLeave(int& slot, int layer, int dy, bool toY, int y) {
  GetLayerRect(kRectIntoCurrent, layer);
  const Rect r = DrawState.CurrentRect;
  StoreExtrasMove(slot, layer, r.X, r.Y, r.X, toY ? y : r.Y + dy);
  ++slot;
}

// Menu choice (5, 0): everything but the chosen button leaves, its frame blinks.
void MenuChoice() {
  const int marked = ScreenButtons.HoveredButton;
  if (!ExtrasButtonPressed(3)) return;
  const int chosen = ScreenButtons.HoveredButton;
  // A click on a button the pointer has not marked (no move since the menu was
  // built) has no frame around it yet: it gets one, to blink as the choice.
  if (marked != chosen) {
    int flag = 0;
    int border = chosen == 2 ? 5 : 8;
    int erase = 0;
    C10_HoverBox(flag, ScreenButtons.HoverCursorBox, border, erase);
  }
  static constexpr int kChoiceSounds[] = {115, 116, 25};
  TitleSound(kChoiceSounds[chosen]);
  SceneCursor.ButtonMode = 0;

  const int h = ScreenSize.ScreenHeight;
  int slot = 0;
  for (int layer = 0; layer <= 1; ++layer) {
    GetLayerRect(kRectIntoCurrent, layer);
    StoreLeave(slot, layer, 0, true, -DrawState.CurrentRect.Height);
  }
  StoreLeave(slot, 2, 0, true, h + 100);
  for (int i = 0; i <= 2; ++i) {
    if (i == chosen) continue;
    const int layer = ScreenButtons.HoverFirstBox + i;
    GetLayerRect(kRectIntoCurrent, layer);
    if (i == 2) StoreLeave(slot, layer, 0, true, -DrawState.CurrentRect.Height);
    else StoreLeave(slot, layer, ScreenSize.ScreenHalfHeight, false, 0);
  }
  EffectParams.BlinkBox = ScreenButtons.HoverCursorBox;
  EffectParams.BlinkFrames = 30;
  EffectParams.EffectFrames = 10;
  EffectParams.EffectLastSlot = slot - 1;
  EffectParams.EffectMotionKind = kMotionEaseOut;
  RunEffect(kEffectMoveBlink, EffectEnd::kReturn);
  EffectParams.EffectFrameDelay = 100;
  Wait(kEffectPause, 0);

  ShowLayer(ScreenButtons.HoverFirstBox + chosen, false);
  ExtrasArea.ReplayHeroine = chosen;
  if (chosen == 2) {
    C40_LeaveToMenu(1);
    return;
  }
  GoToNextTick(kViewerState, 0);
}

// Viewer step 5: the opening picture falls away, the buttons come in, the first page.
void ViewerOpen() {
  const int w = ScreenSize.ScreenWidth;
  const int h = ScreenSize.ScreenHeight;
  GetLayerRect(kRectIntoCurrent, ScreenButtons.PictureFirstBox);
  const Rect r = DrawState.CurrentRect;
  MoveExtrasLayer(ScreenButtons.PictureFirstBox, r.X, r.Y, r.X, h, 10);

  struct ButtonPlace {
    int cellX, x0, y0, x1, y1;
  };
  const ButtonPlace places[] = {
      {60, w - 70, h, w - 70, h - 55},
      {120, w - 140, h, w - 140, h - 55},
      {0, w - 70, -45, w - 70, 10},
  };
  for (int i = 0; i <= 2; ++i) {
    const ButtonPlace& p = places[i];
    const int layer = ScreenButtons.HoverFirstBox + i;
    ClipExtrasButton(layer, p.cellX, 60, 45);
    StoreExtrasMove(i, layer, p.x0, p.y0, p.x1, p.y1);
  }
  EffectParams.EffectFrames = 10;
  EffectParams.EffectLastSlot = 2;
  EffectParams.EffectMotionKind = kMotionEaseOut;
  RunEffect(kEffectMoveSlots, EffectEnd::kReturn);

  C45_ReplayPages();
  C45_ReplayShowPage();
  SceneCursor.SceneStep = 9;
  Wait(0, 0);
}

void ViewerClick() {
  if (!ExtrasButtonPressed(3)) return;
  TitleSound(25, 0, -0.1f);
  SceneCursor.ButtonMode = 0;
  ShowLayer(ScreenButtons.HoverCursorBox, false);
  ExtrasAreaRecord& x = ExtrasArea;
  switch (ScreenButtons.HoveredButton) {
    case 0:
      x.ExtrasPage = x.ExtrasPage >= x.ExtrasLastPage ? 0 : x.ExtrasPage + 1;
      break;
    case 1:
      x.ExtrasPage = x.ExtrasPage <= 0 ? x.ExtrasLastPage : x.ExtrasPage - 1;
      break;
    case 2:
      for (int layer = 0; layer <= 49; ++layer) ShowLayer(layer, false);
      C45_StopVoice();
      GoToNextTick(kMenuState, 5);
      return;
    default:
      SceneCursor.SceneStep = 9;
      Wait(0, 0);
      return;
  }
  C45_ReplayShowPage();
  SceneCursor.SceneStep = 9;
  Wait(0, 0);
}

void Viewer() {
  switch (SceneCursor.SceneStep) {
    case 0: {
      LoadExtrasLayer(ScreenButtons.PictureFirstBox, kReplayKind, 6);
      const Rect r = DrawState.CurrentRect;
      const int x = CentreX(r.Width + 0);
      MoveExtrasLayer(ScreenButtons.PictureFirstBox, x, -r.Height, x, CentreY(r.Height + 0), 10);
      // The opening picture stays until the next click.
      SceneCursor.SceneStep = 5;
      break;
    }
    case 5: ViewerOpen(); break;
    case 9: ExtrasReady(20); break;
    case 10: ViewerClick(); break;
    default: break;
  }
}

}  // namespace

void ReplayStep() {
  const int step = SceneCursor.SceneStep;
  switch (SceneCursor.SceneState) {
    case kMenuState:
      if (step == 0) {
        // The gallery's own entry.
        GoToNextTick(200, 0);
      } else if (step == 1) {
        MenuSetUp();
      } else if (step == 5) {
        MenuBuild();
      }
      break;
    case kMenuReadyState:
      if (step == -1) MenuReady();
      else if (step == 0) MenuChoice();
      break;
    case kViewerState: Viewer(); break;
    default: break;
  }
}

void C45_ReplayPages() {
  ExtrasAreaRecord& x = ExtrasArea;
  const int h = x.ReplayHeroine;
  int page = 0;
  for (int scene = 1; scene <= kSceneCount; ++scene) {
    x.ReplaySceneStart[static_cast<size_t>(scene)] = page;
    for (int k = 1; k <= ReplayScenePages(h, scene); ++k) {
      x.ReplayPagePicture[static_cast<size_t>(page)] = 50 + 10 * h + (scene - 1) % 7 + 1;
      x.ReplayPageText[static_cast<size_t>(page)] = 200 * h + 10 * scene + k;
      ++page;
    }
  }
  // A heroine without pages (only 0 and 1 have them) shows page 0 alone.
  x.ExtrasLastPage = page > 0 ? page - 1 : 0;
  x.ExtrasPage = 0;
}

void C45_ReplayShowPage() {
  ExtrasAreaRecord& x = ExtrasArea;
  const size_t page = static_cast<size_t>(x.ExtrasPage);
  if (page >= x.ReplayPagePicture.size()) return;
  const int picture = x.ReplayPagePicture[page];
  LoadExtrasLayer(ScreenButtons.PictureFirstBox, kReplayKind, picture);
  PlacePagePicture(picture);

  const int code = x.ReplayPageText[page];
  const ReplayTextRow* row = FindReplayText(code);
  const std::string style = std::to_string(StyleOfScene(SceneOfCode(code)));
  C45_ReplayText(style, row != nullptr ? row->text : "");
  C45_ReplayCaption(style, CaptionOf(code));
  for (int i = 0; i <= 2; ++i) LayerToFront(ScreenButtons.HoverFirstBox + i);
  if (row != nullptr) {
    int channel = 0;
    float offset = 0.0f;
    C15_PlaySound(row->voice, channel, offset);
  }
}

void C45_ReplayText(const std::string& style, const std::string& text) {
  std::vector<std::string> lines;
  int count = 0;
  SplitFields(text, "：", kMaxLines, lines, count);

  const int layer = ExtrasArea.ExtrasTextLayer;
  DrawState.CurrentLayer = layer;
  if (const TextBoxStyle* s = StyleOf(style)) {
    const int y = s->y == -1 ? CentreY(s->height + 0) : ScreenSize.ScreenHeight - 130;
    const int x = s->x == -1 ? ScreenSize.ScreenHalfWidth : s->x;
    DrawState.CurrentRect = {x, y, s->width, s->height};
    TextStyle.TextFontSize = s->fontSize;
    TextStyle.TextX = s->textX;
    TextStyle.TextY = s->textY;
    TextStyle.LineHeight = s->lineHeight;
    charsPerRow = s->charsPerRow;
  }
  PrepareLayer(kPreparePictureShown);
  LayerInfo(layer).FontName = tq::kFontFixed;
  DrawTextBoxFrame(layer);
  SetTextColours();

  const int y0 = TextStyle.TextY;
  int n = -1;
  for (int i = 1; i <= count; ++i) {
    // Each line starts a new row and takes as many rows as it needs.
    for (const std::string& part : SplitRows(lines[static_cast<size_t>(i)], charsPerRow)) {
      ++n;
      TextStyle.TextY = TextStyle.LineHeight * n + y0;
      TextStyle.CurrentText = part;
      PrintText(1, layer);
    }
  }
}

void C45_ReplayCaption(const std::string& style, const std::string& caption) {
  const int layer = ExtrasArea.ExtrasTextLayer + 1;
  DrawState.CurrentLayer = layer;
  if (const TextBoxStyle* s = StyleOf(style)) {
    const int x = s->captionX == -1 ? ScreenSize.ScreenHalfWidth : s->captionX;
    DrawState.CurrentRect = {x, s->captionY, s->captionWidth, s->captionHeight};
    TextStyle.TextFontSize = s->captionFontSize;
    TextStyle.TextX = s->captionTextX;
    TextStyle.TextY = s->captionTextY;
  }
  PrepareLayer(kPreparePictureShown);
  LayerInfo(layer).FontName = tq::kFontFixed;
  DrawTextBoxFrame(layer);
  SetTextColours();
  TextStyle.CurrentText = caption;
  PrintText(1, layer);
}
