#include "marbrook/settings_screen.h"

#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/sound_channels.h"
#include "engine/system_menu.h"
#include "marbrook/marbrook_pictures.h"
#include "marbrook/marbrook_sounds.h"
#include "marbrook/save_file.h"
#include "marbrook/title_menu.h"
#include "scenario/auto_reading.h"

namespace {

constexpr int kBarCount = 3;
constexpr int kSlotCount = 10;
constexpr int kSwitchCount = 3;
constexpr int kChangeSound = 25;

// Bar r, slot j: x 376 + 49 j to 422 + 49 j, y 136 + 100 r to 186 + 100 r.
struct Box {
  int left, top, right, bottom;
  bool Holds(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};
Box SlotBox(int bar, int slot) { return {376 + 49 * slot, 136 + 100 * bar, 422 + 49 * slot, 186 + 100 * bar}; }
Box SwitchBox(int k) {
  const int w = ScreenSize.ScreenWidth;
  return {w - 94, 437 + 60 * k, w - 40, 491 + 60 * k};
}
Box SwitchMark(int k) {
  const int w = ScreenSize.ScreenWidth;
  return {w - 86, 445 + 60 * k, w - 48, 483 + 60 * k};
}

int& BarLevel(int bar) {
  switch (bar) {
    case 0: return GameConfig.Settings[1];
    case 1: return GameConfig.Settings[2];
    default: return GameConfig.VoiceLevel;
  }
}

int& SwitchValue(int k) {
  switch (k) {
    case 0: return VoiceSettings.VoiceCutOnAdvance;
    case 1: return VoiceSettings.AutoWaitsForVoice;
    default: return VoiceSettings.StopAutoAtNewStage;
  }
}

void Fill(const Box& b, uint32_t colour) {
  tq::FillBox(LayerImage(SystemLayerSet.MenuPanelLayer), b.left, b.top, b.right, b.bottom, tq::PixelFromColor(colour));
}

// Applies a click on the screen; false when it hit nothing that changes.
bool ApplyClick(int x, int y) {
  for (int r = 0; r < kBarCount; ++r) {
    for (int j = 0; j < kSlotCount; ++j) {
      if (!SlotBox(r, j).Holds(x, y)) continue;
      BarLevel(r) = j;
      if (r == 0) ApplyMusicVolume();
      if (r == 2) VoiceSettings.VoiceOn = j >= 1 ? -1 : 0;
      return true;
    }
  }
  for (int k = 0; k < kSwitchCount; ++k) {
    if (!SwitchBox(k).Holds(x, y)) continue;
    int& value = SwitchValue(k);
    value = value == 0 ? -1 : 0;
    return true;
  }
  return false;
}

}  // namespace

void C15_ConfigDraw() {
  const int layer = SystemLayerSet.MenuPanelLayer;
  DrawState.CurrentLayer = layer;
  // The whole window, so the bars and switches stand on the layer even without the
  // artwork; the picture then gives the layer its own size.
  DrawState.CurrentRect = {0, 0, ScreenSize.ScreenWidth, ScreenSize.ScreenHeight};
  PrepareLayer(kPreparePictureShown);
  C00_LoadPicture(1, 6, 10);
  for (int r = 0; r < kBarCount; ++r) {
    // Slot 0 stands for level 0 and is never lit; a level beyond 9 lights nine.
    const int level = BarLevel(r) < kSlotCount ? BarLevel(r) : kSlotCount - 1;
    for (int b = 1; b <= level; ++b) Fill(SlotBox(r, b), RgbColor(0, 20 * b + 30, 0));
  }
  for (int k = 0; k < kSwitchCount; ++k) {
    Fill(SwitchBox(k), RgbColor(0, 0, 0));
    if (SwitchValue(k) == -1) Fill(SwitchMark(k), RgbColor(255, 255, 0));
  }
}

void C15_ConfigClick() {
  if (!OnLayer(SystemLayerSet.MenuPanelLayer)) {
    MenuAction(199);
    return;
  }
  if (!ApplyClick(InputEvent.PointerX, InputEvent.PointerY)) return;
  C15_ConfigDraw();
  TitleSound(kChangeSound);
  C00_SaveSettings();
}
