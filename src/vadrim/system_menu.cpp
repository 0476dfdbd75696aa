#include "vadrim/system_menu.h"

#include <algorithm>
#include <iterator>

#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/settings_panel.h"
#include "engine/system_menu.h"
#include "engine/text.h"
#include "games/mode_state.h"
#include "games/timed_effects.h"
#include "platform/pixels.h"
#include "scenario/auto_reading.h"
#include "vadrim/story_flow.h"
#include "vadrim/title_screen.h"
#include "vadrim/vadrim_mode.h"
#include "vadrim/vadrim_pictures.h"
#include "vadrim/vadrim_save.h"

namespace {

// Row codes.
enum : int {
  kToTitle = 1,
  kSettings = 2,
  kAutoNormal = 10,
  kAutoFast = 11,
  kAutoFastest = 12,
  kRestartStage = 15,
  kNextBoard = 20,
  kToSceneGallery = 30,
  kToStageGallery = 31,
  kToExtras = 32,
  kNextScene = 35,
  kQuit = 99,
};

struct Caption {
  int code;
  int group;  // 0 automatic reading, 1 navigation, 2 quit
  const char* text;
};
constexpr Caption kCaptions[] = {
    {kAutoNormal, 0, "自動的に進む（普通）"},     {kAutoFast, 0, "自動的に進む（高速）"},
    {kAutoFastest, 0, "自動的に進む（最高速）"},  {kNextBoard, 0, "次のバトルステージへ"},
    {kNextScene, 0, "次のシーンへ"},              {kToSceneGallery, 1, "シーン回想選択へ戻る"},
    {kToStageGallery, 1, "全シーン選択へ戻る"},   {kToExtras, 1, "おまけ選択画面へ戻る"},
    {kRestartStage, 1, "このシーンの始めに戻る"}, {kSettings, 1, "設定"},
    {kToTitle, 1, "メインタイトルに戻る"},        {kQuit, 2, "ゲームを終了する"},
};

// The row sets, by where the menu opens.
constexpr int kStoryRows[] = {10, 11, 12, 20, 15, 2, 1, 99};
constexpr int kStoryLastRows[] = {10, 11, 12, 15, 2, 1, 99};  // stages without a board to go on to
constexpr int kSceneGalleryRows[] = {10, 11, 12, 30, 15, 2, 1, 99};
constexpr int kStageGalleryRows[] = {10, 11, 12, 35, 31, 15, 2, 1, 99};
constexpr int kStageGalleryLastRows[] = {10, 11, 12, 31, 15, 2, 1, 99};
constexpr int kExtraStageRows[] = {10, 11, 12, 32, 15, 2, 1, 99};
constexpr int kPictureShowRows[] = {32, 2, 1, 99};
constexpr int kScreenRows[] = {2, 1, 99};

constexpr int kNoBoardStages[] = {1, 12, 13, 23, 24, 56, 57, 60, 61, 90};
constexpr int kNoNextSceneStages[] = {1, 13, 24, 57};

// The board of each story stage for "次のバトルステージへ".
struct BoardRow {
  int stage, board;
};
constexpr BoardRow kBoards[] = {
    {10, 21}, {11, 22}, {20, 31}, {21, 32}, {22, 33}, {30, 1},  {31, 2},  {32, 3},  {33, 4},
    {40, 4},  {41, 5},  {42, 6},  {43, 7},  {50, 7},  {51, 8},  {52, 9},  {53, 10}, {54, 11}, {55, 11},
};

constexpr int kPanelWidth = 201;
constexpr int kRowPitch = 24;
constexpr int kGroupGap = 9;
constexpr int kTopMargin = 8;
constexpr int kLeftMargin = 8;

template <size_t N>
bool Holds(const int (&list)[N], int value) {
  return std::find(std::begin(list), std::end(list), value) != std::end(list);
}

std::span<const int> RowCodes() {
  const int scene = SceneCursor.SceneCode;
  const int playMode = ModeState.PlayMode;
  const int stage = SceneCursor.StageNumber;
  if (scene == kConversationScene) {
    switch (playMode) {
      case 0: return Holds(kNoBoardStages, stage) ? std::span<const int>(kStoryLastRows) : kStoryRows;
      case 1: return kSceneGalleryRows;
      case 2: return Holds(kNoNextSceneStages, stage) ? std::span<const int>(kStageGalleryLastRows) : kStageGalleryRows;
      case 3: return kExtraStageRows;
      default: return {};
    }
  }
  if (scene == kBoardScene || scene == kTitleScene) {
    return playMode == 5 ? std::span<const int>(kPictureShowRows) : kScreenRows;
  }
  return {};
}

const Caption& CaptionOf(int code) {
  for (const Caption& c : kCaptions) {
    if (c.code == code) return c;
  }
  return kCaptions[std::size(kCaptions) - 1];
}

// The panel's rows with their group and text top.
struct Layout {
  int count = 0;
  int group[kMenuItemCount] = {};
  int y[kMenuItemCount] = {};
  int height = 2;
};

Layout LayoutOf(std::span<const int> codes) {
  Layout l;
  int groupsBefore = 0;
  int rowsInGroup = 0;
  for (size_t i = 0; i < codes.size() && i < static_cast<size_t>(kMenuItemCount); ++i) {
    const int group = CaptionOf(codes[i]).group;
    if (i > 0 && group != l.group[i - 1]) {
      l.height += kRowPitch * rowsInGroup + kGroupGap;
      rowsInGroup = 0;
      ++groupsBefore;
    }
    l.group[i] = group;
    l.y[i] = kTopMargin + kRowPitch * static_cast<int>(i) + kGroupGap * groupsBefore;
    ++rowsInGroup;
    ++l.count;
  }
  if (rowsInGroup > 0) l.height += kRowPitch * rowsInGroup + kGroupGap;
  return l;
}

void SetColours(uint32_t face, uint32_t s1, uint32_t s2, uint32_t s3, uint32_t s4, uint32_t s5) {
  TextStyleRecord& t = TextStyle;
  t.TextColor = face;
  t.ShadeColor1 = s1;
  t.ShadeColor2 = s2;
  t.ShadeColor3 = s3;
  t.ShadeColor4 = s4;
  t.ShadeColor5 = s5;
}

uint32_t Px(int r, int g, int b) { return tq::PixelFromColor(RgbColor(r, g, b)); }

void BuildPanel(std::span<const int> codes, const Layout& l) {
  const int layer = SystemLayerSet.MenuPanelLayer;
  const int w = kPanelWidth;
  const int h = l.height;
  DrawState.CurrentLayer = layer;
  // Left of the window, whole, until the engine places it at the pointer.
  DrawState.CurrentRect = {-w, 0, w, h};
  PrepareLayer(kPrepareTextShown);
  DrawGradient(20, layer, 0, 0, 0);
  SetColours(RgbColor(220, 220, 220), RgbColor(110, 190, 190), RgbColor(50, 150, 150), RgbColor(25, 125, 125),
             RgbColor(15, 115, 115), RgbColor(0, 90, 90));
  for (int i = 0; i < l.count; ++i) {
    TextStyle.TextX = kLeftMargin;
    TextStyle.TextY = l.y[i];
    TextStyle.CurrentText = CaptionOf(codes[static_cast<size_t>(i)]).text;
    PrintText(11, layer);
  }

  tq::Surface& image = LayerImage(layer);
  tq::FillBox(image, 0, 0, w - 2, 0, Px(0, 150, 150));
  tq::DrawBox(image, 1, 1, w - 2, h - 2, Px(0, 110, 110));
  DrawGradient(21, layer, 1, 0, 0);
  DrawGradient(21, layer, 1, w - 2, 0);
  tq::FillBox(image, 0, h - 2, w - 2, h - 2, Px(0, 190, 190));
  tq::FillBox(image, w - 1, 0, w - 1, h - 1, Px(0, 110, 110));
  tq::FillBox(image, 0, h - 1, w - 1, h - 1, Px(0, 130, 130));

  // An etched pair of lines under each group that another follows.
  int separators = 0;
  for (int i = 1; i < l.count; ++i) {
    if (l.group[i] == l.group[i - 1]) continue;
    ++separators;
    const int y = kRowPitch * i + kGroupGap * separators;
    const int c = 150 + (40 / l.count) * i;
    tq::FillBox(image, 1, y, w - 2, y, Px(0, c, c));
    tq::FillBox(image, 1, y + 1, w - 2, y + 1, Px(0, c - 40, c - 40));
  }
}

void HitTest(const Layout& l) {
  const int panel = SystemLayerSet.MenuPanelLayer;
  GetLayerRect(kRectIntoCurrent, panel);
  SystemMenuState.MenuHoverItem = -1;
  const int x = InputEvent.PointerX;
  const int y = InputEvent.PointerY;
  if (x < 5 || x > DrawState.CurrentRect.Width - 7) return;
  for (int i = 0; i < l.count; ++i) {
    if (y >= l.y[i] - 3 && y <= l.y[i] + 20) {
      SystemMenuState.MenuHoverItem = i;
      return;
    }
  }
}

void ShowBar(std::span<const int> codes, const Layout& l, int row, bool clicked) {
  if (row < 0 || row >= l.count) return;
  SystemMenuBar(l.y[row], l.group[row], CaptionOf(codes[static_cast<size_t>(row)]).text, clicked);
}

// The title's white wipe closes the screen, a pause, and the wipe opens again on
// what the command leaves; the title's frame handler runs all three, hence scene 99.
void RestartSequence(int code) {
  EffectParamsRecord& e = EffectParams;
  SceneCursor.SceneCode = kTitleScene;
  e.EffectFrames = 50;
  e.EffectVariant = 0;
  Wait(vadrim_title::kCover, 0);
  HideLayerRange(0, 89);
  if (code == kRestartStage) {
    const int stage = SceneCursor.StageNumber;
    if (stage == 60 || stage == 61) D00_LoadPicture(0, 0, 0);
    else if (stage == 90) D00_LoadPicture(0, 20, 0);
  }
  RunPause(250);
  e.EffectFrames = 25;
  e.EffectVariant = 0;
  Wait(vadrim_title::kUncover, 0);
}

void StartAutoReading(int code) {
  AnimationRun.WaitKind = kWaitAutoRead;
  ReadState.ReadMode = 2;
  if (code == kAutoFast) ReadState.ReadSpeed = 2;
  else if (code == kAutoFastest) ReadState.ReadSpeed = 3;
  // After a hand-over the speed is 0, which names no reading at all: the normal
  // speed is what the row offers.
  else if (ReadState.ReadSpeed == 0) ReadState.ReadSpeed = 1;
  SystemMenu(30, 0);
  AnimationRun.ScenarioWaitMs = 200;
  Wait(3, 0);
}

}  // namespace

std::span<const int> VadrimMenuRows() { return RowCodes(); }

int BoardOfStage(int stage) {
  for (const BoardRow& row : kBoards) {
    if (row.stage == stage) return row.board;
  }
  return 0;
}

void D10_SystemMenu(int kind, int& arg) {
  TextStyle.TextFontSize = 12;
  TextStyle.TextBold = 0;
  TextStyle.TextItalic = 0;
  const std::span<const int> codes = RowCodes();
  const Layout l = LayoutOf(codes);
  for (int i = 0; i < kMenuItemCount; ++i) {
    SystemMenuState.MenuItemCodes[i] = i < l.count ? codes[static_cast<size_t>(i)] : 0;
  }
  switch (kind) {
    case 20: BuildPanel(codes, l); break;
    case 11: ShowBar(codes, l, arg, false); break;
    case 12: ShowBar(codes, l, arg, true); break;
    case 25: SystemMenuOpeningBox(); break;
    case 30: SystemMenuIndicator(arg); break;
    case 99: HitTest(l); break;
    default: break;
  }
}

void D10_MenuCommand(int /*code*/) {
  // A click that reaches no row runs nothing.
  const int row = SystemMenuState.MenuHoverItem;
  const std::span<const int> codes = RowCodes();
  if (row < 0 || row >= static_cast<int>(codes.size())) return;
  const int code = codes[static_cast<size_t>(row)];
  switch (code) {
    case kToTitle:
      if (SceneCursor.SceneCode == kBoardScene) {
        EffectParams.EffectFrameDelay = 50;
        Wait(kEffectMusicFade, 0);  // the board's music fades out
      }
      EnterScene(kTitleScene, -10, 0);
      Wait(0, 0);
      break;
    case kSettings:
      SystemMenuState.MenuState = 2;
      SettingsPanel(9);
      FrameClock.FrameLoopRunning = 0;
      break;
    case kAutoNormal:
    case kAutoFast:
    case kAutoFastest: StartAutoReading(code); break;
    case kRestartStage:
      RestartSequence(code);
      EnterScene(kConversationScene, 0, 10);
      Wait(0, 0);
      break;
    case kNextBoard:
      RestartSequence(code);
      VadrimProgress.GameStage = BoardOfStage(SceneCursor.StageNumber);
      EnterScene(kBoardScene, 1, 0);
      Wait(0, 0);
      break;
    case kToSceneGallery:
    case kToStageGallery:
      EnterScene(kTitleScene, code == kToSceneGallery ? -30 : -31, 0);
      Wait(0, 0);
      break;
    case kToExtras:
      ModeState.PlayMode = 0;
      EnterScene(kTitleScene, -32, 0);
      Wait(0, 0);
      break;
    case kNextScene:
      RestartSequence(code);
      SceneCursor.SceneCode = kConversationScene;
      D20_StageEnd();
      break;
    case kQuit: FormUnload(); break;
    default: break;
  }
}
