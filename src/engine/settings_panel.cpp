#include "engine/settings_panel.h"

#include "engine/blits.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/sound_channels.h"
#include "engine/system_menu.h"
#include "engine/text.h"
#include "platform/fonts.h"
#include "platform/pixels.h"

namespace {

struct SettingsRow {
  const char* title;
  int slots;
  Rect rect;
  int labelX;  // label of slot i at labelX + pitch * i
  int hitX;    // slot i takes hitX + pitch * i to hitX + hitWidth + pitch * i
  int hitWidth;
  int pitch;
};

constexpr SettingsRow kRows[kSettingsRowCount] = {
    {"ゲームスピード", 3, {10, 10, 209, 23}, 98, 97, 30, 37},
    {"音楽の音量", 10, {10, 35, 300, 23}, 99, 98, 15, 20},
    {"効果音の音量", 10, {10, 60, 300, 23}, 99, 98, 15, 20},
};

constexpr const char* kSpeedLabels[3] = {"遅い", "普通", "速い"};
constexpr const char* kLevelLabels[10] = {"無", "１", "２", "３", "４", "５", "６", "７", "８", "９"};

// Slot hits count only between these layer rows.
constexpr int kHitTop = 3;
constexpr int kHitBottom = 20;

void DrawRow(int r) {
  const SettingsRow& row = kRows[r];
  const int layer = SystemLayerSet.MenuPanelLayer + r;
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = row.rect;
  TextStyle.TextFontSize = 10;
  TextStyle.TextBold = 0;
  TextStyle.TextItalic = 0;
  TextStyle.OutlineWidth = 1;
  PrepareLayer(kPrepareTextShown);
  DrawGradient(30, layer, 0, 0, 0);
  TextStyle.TextX = 5;
  TextStyle.TextY = 5;
  TextStyle.CurrentText = row.title;
  GlowText(10, 100, 0, 0.0f);
  LayerInfo(layer).FontName = tq::kFontFixed;

  const int value = GameConfig.Settings[r];
  for (int i = 0; i < row.slots; ++i) {
    TextStyle.TextX = row.labelX + row.pitch * i;
    TextStyle.TextY = 5;
    TextStyle.CurrentText = r == 0 ? kSpeedLabels[i] : kLevelLabels[i];
    GlowText(10, i == value ? 102 : 101, 0, 0.0f);
  }
  tq::DrawBox(LayerImage(layer), 0, 0, row.rect.Width - 1, row.rect.Height - 1, tq::PixelFromColor(Grey(200)));
}

// The slot of the row under x, or -1 between and beyond the slots.
int SlotAt(const SettingsRow& row, int x) {
  for (int i = 0; i < row.slots; ++i) {
    const int left = row.hitX + row.pitch * i;
    if (x >= left && x <= left + row.hitWidth) return i;
  }
  return -1;
}

}  // namespace

void SettingsPanel(int row) {
  switch (row) {
    case 0:
      GameConfig.FrameSpeed = GameConfig.Settings[0];
      DrawRow(0);
      break;
    case 1:
      ApplyMusicVolume();
      DrawRow(1);
      break;
    case 2:
      DrawRow(2);
      break;
    case 9:
      for (int r = 0; r < kSettingsRowCount; ++r) DrawRow(r);
      break;
    default:
      break;
  }
}

bool SettingsPanelClick() {
  const int row = InputEvent.InputSourceIndex - SystemLayerSet.MenuPanelLayer;
  if (InputEvent.InputSourceKind != 50 || row < 0 || row >= kSettingsRowCount) {
    MenuAction(199);
    return false;
  }
  if (InputEvent.PointerY >= kHitTop && InputEvent.PointerY <= kHitBottom) {
    const int slot = SlotAt(kRows[row], InputEvent.PointerX);
    if (slot >= 0) {
      GameConfig.Settings[row] = slot;
      SettingsPanel(row);
    }
  }
  return true;
}
