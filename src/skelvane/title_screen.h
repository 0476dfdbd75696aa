// The Skelvane title screen (scene 99 of the Skelvane mode): the intro, the paged
// button menu and the leave sequence. Step TitleStep, Hover TitleMenuHover, Frame
// TitleFrameAnimations (title_frames.cpp). Entered from the system menu (state -10,
// or -999 to quit) and after the story's last line (state 0).
//
//   state 0    load the icons, lay out the item table
//   state 1    the intro: codes 900, 901, 903, then the menu with 905
//   state 10   the menu: step 0 resolves a click; 5 to 7 forward, 10 to 12 back
//   state 15   the leave sequence and the hand-over
//   state -10  the system menu's title item; -999 its quit item
#pragma once

inline constexpr int kTitlePageCount = 5;
inline constexpr int kTitleItemCount = 10;
inline constexpr int kTitleSlotCount = 20;
inline constexpr int kTitleRowCount = 3;

struct TitleMenuStateRecord {
  int TitleMenuPage = 0;
  int TitleMenuRow = 0;
  int TitleLastItem = -1;
  int TitleHighlightLayer = 0;
  int TitleSelection = 0;
  int TitleSelectedItem = 0;
  int TitleItemEnabled[kTitlePageCount][kTitleItemCount] = {};
  int TitleSlotItem[kTitleSlotCount] = {};
  int TitleRowX[kTitleRowCount] = {};
  int TitleRowY[kTitleRowCount] = {};
};
extern TitleMenuStateRecord TitleMenuState;

// Per-button flags and target tops of the title's slides, and the letters' hop.
struct TitleSlideRecord {
  int TitleSlideDone[10] = {};
  int TitleSlideTargetY[10] = {};
  int SlideTargetTop = 0;
};
extern TitleSlideRecord TitleSlide;

void TitleStep();
void LayoutTitleMenu(int page);
void TitleMenuHover();
void DrawTitleMenuCaption(int caption, int style, int layout);
void AnimateTitleButton(int kind);
// The title's AnimationCodes (TitleFrameAnimations).
enum : int {
  kTitleLogo = 900,
  kTitlePrelude = 901,
  kTitleBuildUp = 903,
  kTitleMenuAppears = 905,
  kTitleChoiceBlink = 910,
  kTitlePageEntered = 911,
  kTitlePageLeft = 912,
  kTitleRowLeaves = 913,
  kTitleRowReturns = 914,
  kTitlePage3Entered = 915,
  kTitleLeaveFirst = 916,
  kTitleLeaveFade = 917,
  kTitleAnnounce = 920,
};
// The title's frames; false for a code without frames, which ends its loop.
bool TitleFrameAnimations();

// The title's pictures by kind (1, 10 to 18, 20 to 23), beside the Marbrook
// catalogue's; any other kind clears the target.
void LoadTitlePicture(int target, int kind);
// The caption number that item slot `slot` of the page shows.
int TitleSlotCaption(int page, int slot);
// The first button layer of a row and the index of its last button on the page now
// laid out (what the row animations read).
int TitleRowFirstLayer(int row);
// The button row of a page (0 for page 0, 1 for pages 1 and 2, 2 for pages 3 and 4)
// and the index of its last shown item (-1 when it shows none).
int TitlePageRow(int page);
int TitlePageLastItem(int page);

// The announcement that code 920 shows, four parts separated by "：".
inline constexpr const char* kTitleAnnouncement = "これは、：空から来た迷子と、：それを空へ還そうとした：人たちの物語。";

void ResetTitleState();
