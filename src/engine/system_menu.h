// The right-click system menu: opening at the pointer, hit testing, the highlight
// bar, closing, and the engine's own rows and commands (which the Skelvane mode
// uses, and every mode whose game does not supply its own).
//
// SystemMenu is the BuildSystemMenu operation: it forwards to the mode's member when
// the mode has one and runs EngineSystemMenu otherwise. MenuAction(11) does the
// same for the commands.
#pragma once

// Layers the system reserves, and the conversation screens' own.
struct SystemLayerSetRecord {
  int ClickWaitLayer = 0;
  int MenuPanelLayer = 0;      // also row 0 of the settings panel
  int MenuHighlightLayer = 0;  // also row 1 of the settings panel
  int AutoIndicatorLayer = 0;  // also row 2 of the settings panel
  int OverlayLayer = 0;
  int CurtainSheet = 0;
  int CurtainLayer = 0;
  int MenuRowLayer = 0;
  int MenuHoverLayer = 0;
  int LastSceneLayer = 0;
};
extern SystemLayerSetRecord SystemLayerSet;
// The standard system layers of every mode: the menu panel 90 and its highlight 91,
// the automatic-reading indicator 92, the overlay 93, the curtain (sheet 0, layer 80),
// the menu rows 80 with their hover box 82, and 79 the last of the scene's layers.
// ClickWaitLayer is each game's own.
void SetSystemLayers();

inline constexpr int kMenuItemCount = 20;

struct SystemMenuStateRecord {
  int MenuState = 0;  // 0 closed, 1 menu open, 2 settings panel open
  int MenuHoverItem = -1;
  int MenuItemCodes[kMenuItemCount] = {};
  int MenuSavedScene[3] = {};  // SceneState, SceneStep, ButtonMode while the menu is open
  int SequenceVariant = 0;     // the wipe of menu sequence 110: 0 lines, 10 spiral
  int MenuSequencePhase = 0;   // the spiral wipe's direction: 0 up, 1 right, 2 down, 3 left
  int RestartStage = 0;   // the stage the restart command starts again (the stage loader sets it)
  int RestartEffect = 0;  // the transition the restart shows: 1 and 2 an effect, other values none
};
extern SystemMenuStateRecord SystemMenuState;

// kind 0 or 1: a right click (opens, or closes what is open); 10: a left click
// while the menu is open; 100: a left click while the settings panel is open.
void MenuInput(int kind);
// kind 0: a pointer move while the menu is open.
void MenuHover(int kind);
// 11 runs the highlighted row's command; 99 closes the menu; 199 the settings panel.
void MenuAction(int code);
// 20 build and show the panel; 99 hit test into MenuHoverItem; 11 and 12 the normal
// and the confirmed bar at row arg; 25 the collapsing frame on CurrentLayer over
// CurrentRect's size; 30 the automatic-reading indicator (arg 0 reading, 1 stopping).
void SystemMenu(int kind, int& arg);
void SystemMenu(int kind, int&& arg);

// The engine's own body of SystemMenu and of the row commands.
void EngineSystemMenu(int kind, int& arg);
void EngineMenuCommand();

// Pieces of the engine's panel that a game's own menu draws the same way: the bar at
// a row's text top (normal or confirmed), the opening box on CurrentLayer, and the
// automatic-reading indicator (SystemMenu kinds 11 and 12, 25 and 30).
void SystemMenuBar(int rowY, int group, const char* text, bool confirmed);
void SystemMenuOpeningBox();
void SystemMenuIndicator(int arg);

void ResetSystemMenuState();
