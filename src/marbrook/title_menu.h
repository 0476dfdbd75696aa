// The Marbrook title screen and its menus, scene 99: the opening (states 0 and 1,
// title_sequence.cpp), the title menu, the new-story screen, the sub-menu of the
// third button, the extras menu and the returns into the scene (title_menu.cpp), the
// chapter menu, the gallery select and the stage replay select, all grid menus
// (grid_menus.cpp).
//
// Records: MenuLayout (with MenuGrid). Screen members: C01_Step, C01_Hover, C01_Frame.
// Others call C01_InitVars, C01_HoverBox, C01_ClearScreen.
//
// States of C01_Step: 0 and 1 the opening and the title screen (step 10 builds the
// title menu); 10 the title menu; 15 the new story; 20, 21 the chapter menu; 30, 31
// the sub-menu; 35 gallery select; 37 replay select; 40, 41 the extras menu; -10 back
// to the title menu from elsewhere; -40 back to the extras menu; -999 quit.
#pragma once

struct MenuGridRecord {
  int GridLastCell = 0;
  int GridCellWidth = 0;
  int GridCellHeight = 0;
  int GridGapX = 0;
  int GridGapY = 0;
  int GridLeft = 0;
  int GridTop = 0;
  int GridColumns = 1;
  int GridSourceColumns = 1;
};

struct MenuLayoutRecord {
  int MenuSourceLayer = 0;
  int GridPanelLayer = 0;
  int TitleButtonFirstLayer = 0;
  int SubButtonFirstLayer = 0;
  int HoverFrameLayer = 0;
  int ButtonLastIndex = 0;
  int ButtonEnabled[5] = {};
  int HoverMargin[2] = {};
  MenuGridRecord MenuGrid;
};
extern MenuLayoutRecord MenuLayout;

void C01_InitVars();
void C01_Step();
void C01_Hover();
bool C01_Frame();
// Off 0: frames the layer under the pointer with HoverFrameLayer, HoverMargin(kind)
// pixels wide, white with a black edge. Other values do nothing.
void C01_HoverBox(int off, int& kind);
void C01_HoverBox(int off, int&& kind);
void C01_ClearScreen(int ignored);

// Fills scene 99's screen row and the mode's menu and settings members.
void RegisterTitleScreens();
void ResetTitleMenuState();

// ---- Shared by the split files of scene 99 ----
// The curtain effects as the menus run them, each returning when it is done.
void CurtainClose();
void CurtainOpen();
// Motion slot `slot`: `layer` from (x0, y0) to (x1, y1).
void StoreMove(int slot, int layer, int x0, int y0, int x1, int y1);
// Moves slots 0 to lastSlot together (effect 801, decelerating).
void SlideIn(int frames, int lastSlot);
// Slots 0 to lastSlot move while the hover frame blinks (effect 825) and ends hidden.
void FallOutBlinking(int lastSlot);
// One layer from its place to (x, y) (effect 800).
void MoveLayerTo(int layer, int x, int y, int frames, int motionKind);
// Whether the last click or move was on a layer, and which.
bool OnLayer(int layer);

// Title sequence (title_sequence.cpp): states 0 and 1, steps 0 to 6.
void TitleSequenceStep();
void ResetTitleSequenceState();
// Grid menus (grid_menus.cpp).
void ChapterMenuStep();
void GridSelectStep();
void GridHover();
// The chapter table's last shown cell for a furthest stage; the gallery entry of a
// gallery cell and the stage of a replay cell (-1 for a cell outside the tables).
int ChapterLastCell(int furthestStage);
int GalleryEntry(int cell);
int ReplayStage(int cell);
