#include "marbrook/system_menu.h"

#include <span>
#include <vector>

#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/sound_channels.h"
#include "engine/system_menu.h"
#include "engine/text.h"
#include "marbrook/marbrook_mode.h"
#include "marbrook/marbrook_pictures.h"
#include "marbrook/save_file.h"
#include "marbrook/settings_screen.h"
#include "games/timed_effects.h"
#include "scenario/auto_reading.h"
#include "scenario/script_conversion.h"

namespace {

struct MenuRow {
  const char* caption;
  int code;
  int group;
};

enum : int {  // command codes
  kToTitle = 1,
  kSettings = 2,
  kNextStage = 16,
  kNextGame = 17,
  kRestart = 20,
  kReplaySelect = 25,
  kQuit = 99,
};

constexpr MenuRow kOutside[] = {
    {"設定", kSettings, 1},
    {"タイトルメニューに戻る", kToTitle, 1},
    {"ゲームを終了する", kQuit, 2},
};
constexpr MenuRow kReading[] = {
    {"「１」 オート進行（遅い）", 11, 0},   {"「２」 オート進行（普通）", 12, 0},
    {"「３」 オート進行（速い）", 13, 0},   {"「４」 スキップ進行（普通）", 14, 0},
    {"「５」 スキップ進行（高速）", 15, 0},
};
constexpr MenuRow kNextSceneRow = {"「Ｓ」 次のシーンへ", kNextStage, 0};
constexpr MenuRow kNextGameRow = {"「Ｇ」 次のゲームへ", kNextGame, 0};
constexpr MenuRow kReplaySelectRow = {"シーンセレクトに戻る", kReplaySelect, 0};
constexpr MenuRow kConversationTail[] = {
    {"このシーンの始めに戻る", kRestart, 1},
    {"設定", kSettings, 1},
    {"メインタイトルに戻る", kToTitle, 1},
    {"ゲームを終了する", kQuit, 2},
};

constexpr int kPanelWidth = 201;
constexpr int kRowPitch = 24;
constexpr int kGroupGap = 9;
constexpr int kLastHiddenLayer = 89;

// The rows of the present situation, with their y offsets.
struct Row {
  MenuRow row;
  int y;
};

std::vector<Row> BuildRows() {
  std::vector<MenuRow> rows;
  auto add = [&rows](std::span<const MenuRow> part) { rows.insert(rows.end(), part.begin(), part.end()); };
  if (SceneCursor.SceneCode != kConversationScene) {
    add(kOutside);
  } else {
    if (ModeState.PlayMode == 1) {
      add(kReading);
      rows.push_back(kNextSceneRow);
      rows.push_back(kReplaySelectRow);
    } else if (SceneCursor.SceneState != 10) {
      rows.push_back(kNextGameRow);
    } else {
      add(kReading);
      const int stage = SceneCursor.StageNumber;
      if (stage < 100 || stage > 131) rows.push_back(kNextSceneRow);
      rows.push_back(kNextGameRow);
    }
    add(kConversationTail);
  }
  std::vector<Row> out;
  int boundaries = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (i > 0 && rows[i].group != rows[i - 1].group) ++boundaries;
    out.push_back({rows[i], 8 + kRowPitch * static_cast<int>(i) + kGroupGap * boundaries});
  }
  return out;
}

void SetStyle(uint32_t text, const int (&shades)[5][3]) {
  TextStyle.TextColor = text;
  uint32_t* slots[5] = {&TextStyle.ShadeColor1, &TextStyle.ShadeColor2, &TextStyle.ShadeColor3,
                        &TextStyle.ShadeColor4, &TextStyle.ShadeColor5};
  for (int i = 0; i < 5; ++i) *slots[i] = RgbColor(shades[i][0], shades[i][1], shades[i][2]);
}

constexpr int kRowShades[5][3] = {{110, 190, 190}, {50, 150, 150}, {25, 125, 125}, {15, 115, 115}, {0, 90, 90}};
constexpr int kHighlightShades[5][3] = {{130, 210, 210}, {70, 170, 170}, {45, 145, 145}, {40, 140, 140}, {30, 120, 120}};
constexpr int kPressedShades[5][3] = {{255, 255, 150}, {210, 210, 110}, {190, 190, 90}, {180, 180, 80}, {160, 160, 70}};
constexpr int kIndicatorShades[5][3] = {{195, 195, 195}, {155, 155, 155}, {130, 130, 130}, {125, 125, 125}, {105, 105, 105}};

void PrintAt(int layer, int x, int y, const char* text) {
  TextStyle.TextX = x;
  TextStyle.TextY = y;
  TextStyle.CurrentText = text;
  PrintText(11, layer);
}

uint32_t Px(int r, int g, int b) { return tq::PixelFromColor(RgbColor(r, g, b)); }

void DrawPanel(const std::vector<Row>& rows) {
  int rowsInGroup[3] = {};
  for (const Row& r : rows) ++rowsInGroup[r.row.group];
  int height = 2;
  for (int n : rowsInGroup) {
    if (n > 0) height += kRowPitch * n + kGroupGap;
  }
  const int width = kPanelWidth;
  const int layer = SystemLayerSet.MenuPanelLayer;
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {-width, 0, width, height};
  PrepareLayer(kPrepareTextShown);
  DrawGradient(20, layer, 0, 0, 0);
  SetStyle(RgbColor(220, 220, 220), kRowShades);
  tq::Surface& image = LayerImage(layer);
  for (const Row& r : rows) PrintAt(layer, 8, r.y, r.row.caption);
  tq::FillBox(image, 0, 0, width - 2, 0, Px(0, 150, 150));
  tq::DrawBox(image, 1, 1, width - 2, height - 2, Px(0, 110, 110));
  DrawGradient(21, layer, 1, 0, 0);
  DrawGradient(21, layer, 1, width - 2, 0);
  tq::FillBox(image, 0, height - 2, width - 2, height - 2, Px(0, 190, 190));
  tq::FillBox(image, width - 1, 0, width - 1, height - 1, Px(0, 110, 110));
  tq::FillBox(image, 0, height - 1, width - 1, height - 1, Px(0, 130, 130));
  // A two-line separator at the end of each group that another follows.
  const int total = static_cast<int>(rows.size());
  int rowsAbove = 0;
  int groupsAbove = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    ++rowsAbove;
    const bool groupEnds = i + 1 < rows.size() && rows[i + 1].row.group != rows[i].row.group;
    if (!groupEnds) continue;
    ++groupsAbove;
    const int y = kRowPitch * rowsAbove + kGroupGap * groupsAbove;
    const int c = 150 + (40 / total) * rowsAbove;
    tq::FillBox(image, 1, y, width - 2, y, Px(0, c, c));
    tq::FillBox(image, 1, y + 1, width - 2, y + 1, Px(0, c - 40, c - 40));
  }
}

void HitTest(const std::vector<Row>& rows) {
  SystemMenuState.MenuHoverItem = -1;
  const int width = LayerImage(SystemLayerSet.MenuPanelLayer).Width();
  const int x = InputEvent.PointerX;
  const int y = InputEvent.PointerY;
  if (x < 5 || x > width - 7) return;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (y >= rows[i].y - 3 && y <= rows[i].y + 20) {
      SystemMenuState.MenuHoverItem = static_cast<int>(i);
      return;
    }
  }
}

void DrawBar(const std::vector<Row>& rows, int row, bool pressed) {
  if (row < 0 || row >= static_cast<int>(rows.size())) return;
  const Row& r = rows[static_cast<size_t>(row)];
  GetLayerRect(kRectIntoCurrent, SystemLayerSet.MenuPanelLayer);
  const Rect panel = DrawState.CurrentRect;
  const int layer = SystemLayerSet.MenuHighlightLayer;
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {panel.X + 5, panel.Y + r.y - 3, panel.Width - 11, 24};
  PrepareLayer(kPrepareTextShown);
  DrawGradient(pressed ? 29 : 25 + r.row.group, layer, 0, 0, 0);
  if (pressed) SetStyle(Grey(255), kPressedShades);
  else SetStyle(Grey(255), kHighlightShades);
  PrintAt(layer, 3, 3, r.row.caption);
}

void ClosingRepaint() {
  tq::Surface& image = LayerImage(DrawState.CurrentLayer);
  const int w = DrawState.CurrentRect.Width;
  const int h = DrawState.CurrentRect.Height;
  tq::FillBox(image, 0, 0, w - 1, h - 1, Px(0, 150, 150));
  tq::DrawBox(image, 0, 0, w - 1, h - 1, Px(0, 170, 170));
  tq::DrawBox(image, 1, 1, w - 2, h - 2, Px(0, 130, 130));
}

const char* IndicatorText(int argument) {
  if (argument == 1) return "（終了中）";
  if (argument != 0 || ReadState.ReadMode != 2) return nullptr;
  switch (ReadState.ReadSpeed) {
    case 1: {
      constexpr const char* kPaced[] = {"オート（遅い）", "オート（普通）", "オート（速い）"};
      const int speed = VoiceSettings.AutoSpeed;
      return speed >= 0 && speed <= 2 ? kPaced[speed] : nullptr;
    }
    case 2: return "スキップ（普通）";
    case 3: return "スキップ（高速）";
    default: return nullptr;
  }
}

void ShowIndicator(int argument) {
  // Any other case leaves the text as it was.
  if (const char* text = IndicatorText(argument)) TextStyle.CurrentText = text;
  MeasureText(1);
  const int mw = TextStyle.MeasuredWidth;
  const int mh = TextStyle.MeasuredHeight;
  const int width = mw + 14;
  const int height = mh + 12;
  const int layer = SystemLayerSet.AutoIndicatorLayer;
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {ScreenSize.ScreenWidth - (width + 5), ScreenSize.ScreenHeight - (height + 5), width,
                           height};
  PrepareLayer(kPrepareTextShown);
  DrawGradient(30, layer, 0, 0, 0);
  SetStyle(Grey(255), kIndicatorShades);
  TextStyle.TextX = width / 2 - mw / 2 + 1;
  TextStyle.TextY = height / 2 - mh / 2 + 1;
  PrintText(11, layer);
  tq::DrawBox(LayerImage(layer), 0, 0, width - 1, height - 1, Px(200, 200, 200));
}

void StopVoice() {
  StopChannel(VoiceSettings.VoiceChannel);
  VoiceSettings.VoiceChannel = 0;
}

void GoToScene(int code, int state, int step) {
  SceneCursor.SceneCode = code;
  GoToNextTick(state, step);
}

void RunDirectEffect(int code, int subParam) {
  AnimationRun.DirectEffectRun = 1;
  LineCode.SubParam = subParam;
  Wait(code, 0);
  AnimationRun.DirectEffectRun = 0;
}

void RestartStage() {
  switch (SystemMenuState.RestartEffect) {
    case 1: RunDirectEffect(1512, 0); break;
    case 2:
      RunDirectEffect(1720, 0);
      LayerInfo(GameForm).BackColor = 0;
      C00_LoadPicture(0, 0, 0);
      for (int layer = 0; layer <= SystemLayerSet.LastSceneLayer; ++layer) ShowLayer(layer, false);
      RunPause(300);
      RunDirectEffect(1720, 1);
      break;
    default: break;
  }
  SceneCursor.StageNumber = SystemMenuState.RestartStage;
  GoToScene(kConversationScene, 0, 10);
}

void CallNamed(void (*call)()) {
  if (call != nullptr) call();
}

}  // namespace

int MarbrookMenuRowCount() { return static_cast<int>(BuildRows().size()); }

int MarbrookMenuRowY(int row) {
  const std::vector<Row> rows = BuildRows();
  return row >= 0 && row < static_cast<int>(rows.size()) ? rows[static_cast<size_t>(row)].y : -1;
}

void C10_SystemMenu(int kind, int& argument) {
  const std::vector<Row> rows = BuildRows();
  for (size_t i = 0; i < rows.size() && i < kMenuItemCount; ++i) SystemMenuState.MenuItemCodes[i] = rows[i].row.code;
  TextStyle.TextFontSize = 12;
  TextStyle.TextBold = 0;
  TextStyle.TextItalic = 0;
  switch (kind) {
    case 20: DrawPanel(rows); break;
    case 99: HitTest(rows); break;
    case 11: DrawBar(rows, argument, false); break;
    case 12: DrawBar(rows, argument, true); break;
    case 25: ClosingRepaint(); break;
    case 30: ShowIndicator(argument); break;
    default: break;
  }
}

void C10_MenuCommand(int /*code*/) {
  const int item = SystemMenuState.MenuHoverItem;
  if (item < 0 || item >= kMenuItemCount) return;
  const int code = SystemMenuState.MenuItemCodes[item];
  switch (code) {
    case kToTitle:
      StopVoice();
      GoToScene(kTitleScene, -10, 0);
      break;
    case kSettings:
      StopVoice();
      SystemMenuState.MenuState = 2;
      C15_ConfigDraw();
      FrameClock.FrameLoopRunning = 0;
      break;
    case 10:
    case 11:
    case 12:
    case 13:
    case 14:
    case 15:
      AnimationRun.WaitKind = kWaitAutoRead;
      ReadState.ReadMode = 2;
      if (code >= 11 && code <= 13) VoiceSettings.AutoSpeed = code - 11;
      if (code == 14) ReadState.ReadSpeed = 2;
      if (code == 15) ReadState.ReadSpeed = 3;
      SystemMenu(30, 0);
      AnimationRun.ScenarioWaitMs = 200;
      Wait(3, 0);
      break;
    case kNextStage: CallNamed(MarbrookNamedCalls.C10_NextStage); break;
    case kNextGame: CallNamed(MarbrookNamedCalls.C10_NextGame); break;
    case kRestart: RestartStage(); break;
    case kReplaySelect:
      Wait(kEffectCurtainClose, 0);
      for (int layer = 0; layer <= kLastHiddenLayer; ++layer) ShowLayer(layer, false);
      GoToScene(kTitleScene, 37, -1);
      break;
    case kQuit: FormUnload(); break;
    default: break;
  }
}
