#include "vadrim/vadrim_mode.h"

#include "engine/modes.h"
#include "engine/system_menu.h"
#include "marbrook/marbrook_mode.h"
#include "vadrim/conversation_hover.h"

void D00_InitMode() {
  SceneCursor.SceneCode = 99;
  SceneCursor.SceneState = 0;
  SceneCursor.SceneStep = 0;
  ModeState.SaveEnabled = -1;
  SystemLayerSet.MenuPanelLayer = 90;
  SystemLayerSet.MenuHighlightLayer = 91;
  SystemMenuState.MenuHoverItem = -1;
  SystemLayerSet.AutoIndicatorLayer = 92;
  SystemLayerSet.OverlayLayer = 93;
}

void RegisterVadrimMode() {
  ModeHookSet& hooks = ModeHooksFor(ModeId::Vadrim);
  hooks.Init = D00_InitMode;
  // The Skelvane conversation reaches this screen's hover whatever the mode.
  CrossingHooks.VadrimConvHover = D10_Hover;
}
