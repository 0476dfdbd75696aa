#include "engine/system_menu.h"

#include <span>

#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/menu_sequences.h"
#include "engine/modes.h"
#include "engine/settings_panel.h"
#include "engine/text.h"
#include "platform/pixels.h"
#include "platform/platform.h"

SystemLayerSetRecord SystemLayerSet;
SystemMenuStateRecord SystemMenuState;

namespace {

// The commands of the menu's rows.
enum MenuCommandCode : int {
  kMainTitle = 1,
  kSettings = 2,
  kAutoRead = 10,
  kAutoReadFast = 11,
  kAutoReadFastest = 12,
  kRestartScene = 15,
  kGameTitle = 20,
  kQuitGame = 99,
};

struct MenuRow {
  const char* text;
  int code;
  int group;
  int y;  // top of the row's text in the panel
};

constexpr MenuRow kConversationRows[] = {
    {"自動的に進む（普通）", kAutoRead, 0, 8},
    {"自動的に進む（高速）", kAutoReadFast, 0, 32},
    {"自動的に進む（最高速）", kAutoReadFastest, 0, 56},
    {"このシーンの始めに戻る", kRestartScene, 1, 89},
    {"設定", kSettings, 1, 113},
    {"メインタイトルに戻る", kMainTitle, 1, 137},
    {"ゲームを終了する", kQuitGame, 2, 170},
};
constexpr MenuRow kTitleRows[] = {
    {"設定", kSettings, 1, 8},
    {"ゲームを終了する", kQuitGame, 2, 37},
};
constexpr MenuRow kOtherRows[] = {
    {"このゲームのタイトルに戻る", kGameTitle, 0, 8},
    {"設定", kSettings, 1, 37},
    {"メインタイトルに戻る", kMainTitle, 1, 57},
    {"ゲームを終了する", kQuitGame, 2, 86},
};

constexpr int kPanelWidth = 200;
constexpr int kRowPitch = 24;   // what the panel's height counts per row
constexpr int kGroupGap = 9;
constexpr int kBarHeight = 24;
constexpr int kIndicatorMargin = 5;

std::span<const MenuRow> RowsFor(int sceneCode) {
  if (sceneCode == -1 || sceneCode == kConversationScene) return kConversationRows;
  if (sceneCode == kTitleScene) return kTitleRows;
  return kOtherRows;
}

void SetTextColours(uint32_t face, uint32_t s1, uint32_t s2, uint32_t s3, uint32_t s4, uint32_t s5) {
  TextStyle.TextColor = face;
  TextStyle.ShadeColor1 = s1;
  TextStyle.ShadeColor2 = s2;
  TextStyle.ShadeColor3 = s3;
  TextStyle.ShadeColor4 = s4;
  TextStyle.ShadeColor5 = s5;
}

void PrintAt(int layer, int x, int y, const char* text) {
  TextStyle.TextX = x;
  TextStyle.TextY = y;
  TextStyle.CurrentText = text;
  PrintText(11, layer);
}

uint32_t Px(uint32_t colour) { return tq::PixelFromColor(colour); }

void BuildPanel(std::span<const MenuRow> rows) {
  const int layer = SystemLayerSet.MenuPanelLayer;
  int rowsInGroup[3] = {};
  for (const MenuRow& row : rows) ++rowsInGroup[row.group];
  int width = kPanelWidth;
  int height = 1;
  for (int n : rowsInGroup) {
    if (n > 0) height += kRowPitch * n + kGroupGap;
  }
  width += 1;
  height += 1;

  DrawState.CurrentLayer = layer;
  // Off the window until MenuInput places it at the pointer.
  DrawState.CurrentRect = {-width, 0, width, height};
  PrepareLayer(kPrepareTextShown);
  DrawGradient(20, layer, 0, 0, 0);
  SetTextColours(RgbColor(220, 220, 220), RgbColor(110, 190, 190), RgbColor(50, 150, 150),
                 RgbColor(25, 125, 125), RgbColor(15, 115, 115), RgbColor(0, 90, 90));
  for (const MenuRow& row : rows) PrintAt(layer, 8, row.y, row.text);

  // The border: a dark inner box, gradient columns at the left edge and inside the
  // right one, light top and shaded bottom and right edges.
  tq::Surface& image = LayerImage(layer);
  const uint32_t dark = Px(RgbColor(0, 110, 110));
  const uint32_t light = Px(RgbColor(0, 190, 190));
  const uint32_t shade = Px(RgbColor(0, 150, 150));
  tq::DrawBox(image, 1, 1, width - 2, height - 2, dark);
  DrawGradient(21, layer, 1, 0, 0);
  DrawGradient(21, layer, 1, width - 2, 0);
  tq::FillBox(image, 0, 0, width - 1, 0, light);
  tq::FillBox(image, 0, height - 1, width - 1, height - 1, shade);
  tq::FillBox(image, width - 1, 0, width - 1, height - 1, shade);
  // An etched line in the gap above each group's first row.
  for (size_t i = 1; i < rows.size(); ++i) {
    if (rows[i].group == rows[i - 1].group) continue;
    const int y = rows[i].y - 5;
    tq::FillBox(image, 5, y, width - 7, y, dark);
    tq::FillBox(image, 5, y + 1, width - 7, y + 1, light);
  }
}

void HitTest(std::span<const MenuRow> rows) {
  const int panel = SystemLayerSet.MenuPanelLayer;
  DrawState.CurrentLayer = panel;
  GetLayerRect(kRectIntoCurrent, panel);
  SystemMenuState.MenuHoverItem = -1;
  const int x = InputEvent.PointerX;
  const int y = InputEvent.PointerY;
  if (x < 5 || x > DrawState.CurrentRect.Width - 7) return;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (y >= rows[i].y - 3 && y <= rows[i].y + 20) {
      SystemMenuState.MenuHoverItem = static_cast<int>(i);
      return;
    }
  }
}

void ShowBar(std::span<const MenuRow> rows, int row, bool confirmed) {
  if (row < 0 || row >= static_cast<int>(rows.size())) return;
  const MenuRow& r = rows[static_cast<size_t>(row)];
  SystemMenuBar(r.y, r.group, r.text, confirmed);
}

}  // namespace

void SystemMenuBar(int rowY, int group, const char* text, bool confirmed) {
  const MenuRow r{text, 0, group, rowY};
  GetLayerRect(kRectIntoCurrent, SystemLayerSet.MenuPanelLayer);
  const Rect panel = DrawState.CurrentRect;
  const int layer = SystemLayerSet.MenuHighlightLayer;
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {panel.X + 5, panel.Y + r.y - 3, panel.Width - 11, kBarHeight};
  PrepareLayer(kPrepareTextShown);
  if (confirmed) {
    DrawGradient(29, layer, 0, 0, 0);
    SetTextColours(Grey(255), RgbColor(255, 255, 150), RgbColor(210, 210, 110), RgbColor(190, 190, 90),
                   RgbColor(180, 180, 80), RgbColor(160, 160, 70));
  } else {
    DrawGradient(25 + r.group, layer, 0, 0, 0);
    SetTextColours(Grey(255), RgbColor(130, 210, 210), RgbColor(70, 170, 170), RgbColor(45, 145, 145),
                   RgbColor(40, 140, 140), RgbColor(30, 120, 120));
  }
  PrintAt(layer, 3, 3, r.text);
}

namespace {

void CollapsingFrame() {
  tq::Surface& image = LayerImage(DrawState.CurrentLayer);
  const int w = DrawState.CurrentRect.Width;
  const int h = DrawState.CurrentRect.Height;
  tq::FillBox(image, 0, 0, w - 1, h - 1, Px(RgbColor(0, 150, 150)));
  tq::DrawBox(image, 0, 0, w - 1, h - 1, Px(RgbColor(0, 170, 170)));
  tq::DrawBox(image, 1, 1, w - 2, h - 2, Px(RgbColor(0, 130, 130)));
}

const char* IndicatorText(int arg) {
  if (arg == 1) return "自動（終了中）";
  if (arg != 0) return nullptr;
  switch (CurrentReadSpeed()) {
    case 1: return "自動中（通常）";
    case 2: return "自動で進む（高速）";
    case 3: return "自動で進む（最高速）";
    default: return nullptr;
  }
}

void ShowIndicator(int arg) {
  const char* text = IndicatorText(arg);
  // Only reading or stopping has a text; anything else leaves the indicator as it is.
  if (text == nullptr) return;
  const int layer = SystemLayerSet.AutoIndicatorLayer;
  DrawState.CurrentLayer = layer;
  TextStyle.CurrentText = text;
  MeasureText(1);
  const int w = TextStyle.MeasuredWidth;
  const int h = TextStyle.MeasuredHeight;
  const int width = w + 14;
  const int height = h + 12;
  DrawState.CurrentRect = {ScreenSize.ScreenWidth - (width + kIndicatorMargin),
                           ScreenSize.ScreenHeight - (height + kIndicatorMargin), width, height};
  PrepareLayer(kPrepareTextShown);
  DrawGradient(30, layer, 0, 0, 0);
  SetTextColours(Grey(255), Grey(195), Grey(155), Grey(130), Grey(125), Grey(105));
  PrintAt(layer, width / 2 - w / 2 + 1, height / 2 - h / 2 + 1, text);
  tq::DrawBox(LayerImage(layer), 0, 0, width - 1, height - 1, Px(Grey(200)));
}

void RestoreScene() {
  GoTo(SystemMenuState.MenuSavedScene[0], SystemMenuState.MenuSavedScene[1]);
  SceneCursor.ButtonMode = SystemMenuState.MenuSavedScene[2];
  SystemMenuState.MenuState = 0;
}

void OpenMenu() {
  SystemMenu(20, 0);
  SystemMenuState.MenuState = 1;
  SystemMenuState.MenuSavedScene[0] = SceneCursor.SceneState;
  SystemMenuState.MenuSavedScene[1] = SceneCursor.SceneStep;
  SystemMenuState.MenuSavedScene[2] = SceneCursor.ButtonMode;

  int anchorX = InputEvent.PointerX;
  int anchorY = InputEvent.PointerY;
  if (InputEvent.InputSourceKind == 50 && ValidLayer(InputEvent.InputSourceIndex)) {
    const tq::LayerSurface& source = tq::ThePlatform().Screen().Layer(InputEvent.InputSourceIndex);
    anchorX += source.x;
    anchorY += source.y;
  }
  const int panel = SystemLayerSet.MenuPanelLayer;
  GetLayerRect(kRectIntoCurrent, panel);
  Rect& r = DrawState.CurrentRect;
  r.X = anchorX;
  r.Y = anchorY;
  // Flush against the right and bottom edges; nothing clamps at the left or top.
  if (r.X + r.Width > ScreenSize.ScreenWidth) r.X = ScreenSize.ScreenWidth - r.Width;
  if (r.Y + r.Height > ScreenSize.ScreenHeight) r.Y = ScreenSize.ScreenHeight - r.Height;
  MoveLayer(panel, r.X, r.Y, r.Width, r.Height);
}

bool SourceIs(int layer) { return InputEvent.InputSourceKind == 50 && InputEvent.InputSourceIndex == layer; }

void ClickWhileOpen() {
  if (SourceIs(SystemLayerSet.MenuHighlightLayer)) {
    if (CrossingHooks.MarbrookTitleSound != nullptr) {
      int channel = 0;
      float offset = 0.0f;
      CrossingHooks.MarbrookTitleSound(26, channel, offset);
    }
    Wait(kMenuClickConfirm, 0);
    return;
  }
  if (SourceIs(SystemLayerSet.MenuPanelLayer)) return;
  MenuAction(99);
}

void StartAutoReading() {
  AnimationRun.WaitKind = kWaitAutoRead;
  if (InputScenarioHooks.SetReadMode != nullptr) InputScenarioHooks.SetReadMode(2);
}

}  // namespace

void MenuInput(int kind) {
  switch (kind) {
    case 0:
    case 1:
      if (SystemMenuState.MenuState == 1) {
        MenuAction(99);
      } else if (SystemMenuState.MenuState == 2) {
        MenuAction(199);
      } else {
        OpenMenu();
      }
      break;
    case 10:
      ClickWhileOpen();
      break;
    case 100: {
      const ModeHookSet& hooks = CurrentModeHooks();
      if (hooks.SettingsClick != nullptr) {
        hooks.SettingsClick();
      } else {
        SettingsPanelClick();
      }
      break;
    }
    default:
      break;
  }
}

void MenuHover(int kind) {
  if (kind != 0) return;
  if (SourceIs(SystemLayerSet.MenuPanelLayer)) {
    SystemMenu(99, 0);
    if (SystemMenuState.MenuHoverItem < 0) {
      ShowLayer(SystemLayerSet.MenuHighlightLayer, false);
    } else {
      SystemMenu(11, SystemMenuState.MenuHoverItem);
    }
    return;
  }
  if (SourceIs(SystemLayerSet.MenuHighlightLayer)) return;
  ShowLayer(SystemLayerSet.MenuHighlightLayer, false);
}

void MenuAction(int code) {
  switch (code) {
    case 99:
      ShowLayer(SystemLayerSet.MenuPanelLayer, false);
      ShowLayer(SystemLayerSet.MenuHighlightLayer, false);
      RestoreScene();
      break;
    case 199:
      for (int r = 0; r < kSettingsRowCount; ++r) ShowLayer(SystemLayerSet.MenuPanelLayer + r, false);
      RestoreScene();
      break;
    case 11: {
      const ModeHookSet& hooks = CurrentModeHooks();
      if (hooks.MenuCommand != nullptr) {
        hooks.MenuCommand(11);
      } else {
        EngineMenuCommand();
      }
      break;
    }
    default:
      break;
  }
}

void SystemMenu(int kind, int& arg) {
  const ModeHookSet& hooks = CurrentModeHooks();
  if (hooks.BuildSystemMenu != nullptr) {
    hooks.BuildSystemMenu(kind, arg);
  } else {
    EngineSystemMenu(kind, arg);
  }
}

void SystemMenu(int kind, int&& arg) { SystemMenu(kind, arg); }

void EngineSystemMenu(int kind, int& arg) {
  TextStyle.TextFontSize = 12;
  TextStyle.TextBold = 0;
  TextStyle.TextItalic = 0;
  const std::span<const MenuRow> rows = RowsFor(SceneCursor.SceneCode);
  for (size_t i = 0; i < rows.size(); ++i) SystemMenuState.MenuItemCodes[i] = rows[i].code;

  switch (kind) {
    case 20: BuildPanel(rows); break;
    case 99: HitTest(rows); break;
    case 11: ShowBar(rows, arg, false); break;
    case 12: ShowBar(rows, arg, true); break;
    case 25: CollapsingFrame(); break;
    case 30: ShowIndicator(arg); break;
    default: break;
  }
}

void EngineMenuCommand() {
  const int item = SystemMenuState.MenuHoverItem;
  if (item < 0 || item >= kMenuItemCount) return;
  const int code = SystemMenuState.MenuItemCodes[item];
  switch (code) {
    case kAutoRead:
    case kAutoReadFast:
    case kAutoReadFastest:
      StartAutoReading();
      if (InputScenarioHooks.SetReadSpeed != nullptr) {
        if (code == kAutoReadFast) InputScenarioHooks.SetReadSpeed(2);
        if (code == kAutoReadFastest) InputScenarioHooks.SetReadSpeed(3);
      }
      SystemMenu(30, 0);
      AnimationRun.ScenarioWaitMs = 200;
      Wait(3, 0);
      break;
    case kRestartScene:
      if (InputScenarioHooks.RestartScene != nullptr) InputScenarioHooks.RestartScene();
      GoTo(kConversationRestart, 0);
      AnimationRun.ScenarioWaitMs = 200;
      Wait(3, 0);
      break;
    case kGameTitle:
      GoTo(0, -2);
      Wait(kCloseWipe, 0);
      break;
    case kMainTitle:
      SceneCursor.SceneCode = kTitleScene;
      GoToNextTick(kTitleBackToMenu, 0);
      break;
    case kSettings:
      SystemMenuState.MenuState = 2;
      SettingsPanel(9);
      FrameClock.FrameLoopRunning = 0;
      break;
    case kQuitGame:
      SceneCursor.SceneCode = kTitleScene;
      GoToNextTick(kTitleQuit, 0);
      break;
    default:
      break;
  }
}

void SystemMenuOpeningBox() { CollapsingFrame(); }

void SystemMenuIndicator(int arg) { ShowIndicator(arg); }

void SetSystemLayers() {
  SystemLayerSetRecord& layers = SystemLayerSet;
  layers.MenuPanelLayer = 90;
  layers.MenuHighlightLayer = 91;
  layers.AutoIndicatorLayer = 92;
  layers.OverlayLayer = 93;
  layers.CurtainSheet = 0;
  layers.CurtainLayer = 80;
  layers.MenuRowLayer = 80;
  layers.MenuHoverLayer = 82;
  layers.LastSceneLayer = 79;
}

void ResetSystemMenuState() {
  SystemLayerSet = SystemLayerSetRecord{};
  SystemMenuState = SystemMenuStateRecord{};
}
