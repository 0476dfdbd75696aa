// The right-click system menu and the settings panel.
#pragma once

// Layers the system reserves, and the conversation screens' own.
struct SystemLayerSetRecord {
  int ClickWaitLayer = 0;
  int MenuPanelLayer = 0;
  int MenuHighlightLayer = 0;
  int AutoIndicatorLayer = 0;
  int OverlayLayer = 0;
  int CurtainSheet = 0;
  int CurtainLayer = 0;
  int MenuRowLayer = 0;
  int MenuHoverLayer = 0;
  int LastSceneLayer = 0;
};
extern SystemLayerSetRecord SystemLayerSet;

struct SystemMenuStateRecord {
  int MenuState = 0;  // 0 closed, 1 menu open, 2 settings panel open
  int MenuHoverItem = -1;
  int MenuItemCodes[20] = {};
  int MenuSavedScene[3] = {};
  int SequenceVariant = 0;
  int MenuSequencePhase = 0;
};
extern SystemMenuStateRecord SystemMenuState;

void MenuInput(int kind);
void MenuHover(int kind);
void MenuAction(int code);
void SystemMenu(int kind, int& arg);

void ResetSystemMenuState();
