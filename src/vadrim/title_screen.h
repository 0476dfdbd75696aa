// The Vadrim title and every menu reached from it: scene 99 of the Vadrim mode.
// Step D00_Step, Hover D00_Hover, Frame D00_Frame. The title's layout words are
// TitleWords (vadrim_mode.h); ButtonMode says which button set is live (10 main
// menu, 25 route select, 50 board select, 60 scene gallery, 65 extras menu, 120
// stage gallery, 0 none).
//
//   states -32 to -30  back from a replayed scene: extras menu, stage gallery, scene gallery
//   state -10          back from the system menu; -1 back from the story's end
//   states 0, 1, 10    start, the opening, the main menu          (title_screen.cpp)
//   states 20, 25, 50  route select, board select                 (title_routes.cpp)
//   state 500          the route-clear picture                    (title_routes.cpp)
//   states 60 to 120   scene gallery, extras, slideshow, stage gallery (title_galleries.cpp)
//
// Animation codes (D00_Frame): 700 to 899 the title's copy of the common timed
// effects and 1000 to 1100 its screen transitions (title_frames.cpp), 900 to 919
// the opening and main-menu animations and 920 to 999 the route select's
// (title_animations.cpp).
//
// Hand-overs: a new story or a route's first stage (10, 0, 10) with StageNumber 0,
// 10, 20 or 30; a gallery pick or the extra stage (10, 5, 0); the final route
// (10, 5, 1) with stage 60; a board (51, 1, 0) with the board in GameStage.
#pragma once

#include <span>

void D00_Step();
void D00_Hover();
void D00_FrameBox(int style);
// One frame of the running code; false for a code the title has no frames for,
// which ends its loop.
bool D00_Frame();
bool D00_FrameFade();
bool D00_FrameScreen();
bool D00_FrameLogo();
bool D00_FrameMenu();

// Shared by the title's split files.
namespace vadrim_title {

enum : int {  // SceneState
  kMainMenuState = 10,
  kRouteSelect = 20,
  kRouteSelectLive = 25,
  kBoardSelect = 50,
  kSceneGallery = 60,
  kExtrasMenu = 100,
  kSlideshow = 110,
  kStageGallery = 120,
  kRouteClear = 500,
};
enum : int {  // AnimationCode
  kBackColourFade = 825,  // the title's own, in place of the common 825
  kLogo = 900,
  kTitleAppears = 903,
  kMenuIn = 905,
  kMenuOut = 910,
  kNewStoryOut = 911,
  kRouteSelectIn = 920,
  kRouteChosen = 921,
  kRowsAway = 1010,
  kWhiteThenBlack = 1015,
  kCover = 1020,
  kUncover = 1021,
  kBackgroundIn = 1025,
};
enum : int {  // ButtonMode
  kMainMenuButtons = 10,
  kRouteButtons = 25,
  kBoardButtons = 50,
  kSceneGalleryButtons = 60,
  kExtrasButtons = 65,
  kStageGalleryButtons = 120,
};
inline constexpr int kTitlePictureKind = 11;
inline constexpr int kTitlePicture = 99;
inline constexpr int kHoverSound = 15;
inline constexpr int kClickSound = 16;
inline constexpr int kSlideInSound = 50;

void WindowGrey(int v);
// Prepares CurrentLayer := layer at rect (shown, in front) and loads (kind, number) into it.
void PictureLayer(int layer, int x, int y, int w, int h, int kind, int number);
// Motion slot `slot` := CurrentLayer from CurrentRect's point to (x, y).
void StoreSlide(int slot, int x, int y);
void BackButton(int layer, int slot);
void BackTail(int layer);
void StripWipe(int backgroundKind);
// Steps -5 and -4 of a menu screen once its layers and slots are set: slide in
// (with the sound) or appear at once under the cover and uncover; then step -1.
void MenuArrives(int lastSlot);
// Step -1 of a menu screen.
void MenuLive(int buttonMode, bool resetHover);
// Back to the main menu over the title picture.
void ToMainMenu();
void StartConversation(int stage, int state, int step);

// A cell of a panel that the pointer can light: its place on the panel, size, code
// (HoverItem), the lit look's cell on sheet MenuSheet, and whether it can be lit.
struct HoverCell {
  int x, y, w, h, code, litX, litY;
  bool enabled;
};
// The hover of the board select and the stage gallery: the frame layer lights the
// first enabled cell under the pointer on PanelLayer; MenuFirstLayer is the back
// button, backItem its code.
void CellHover(std::span<const HoverCell> cells, int backItem);
// The lit cell was clicked: it blinks, the screen goes white, then black.
void PickedCellOut();
// The back button of a panel screen: the panel drops away, the back button follows.
void PanelAwayAndBack();

// The screens of the split files.
void RouteSelectStep();
void RouteSelectLiveStep();
void BoardSelectStep();
void RouteClearStep();
void RouteHover();
void BoardHover();
void SceneGalleryStep();
void ExtrasMenuStep();
void SlideshowStep();
void StageGalleryStep();
void RowMenuHover();
void StageGalleryHover();

}  // namespace vadrim_title
