// The Marbrook extras area, SceneCode 45: three viewers behind one set of screen
// members. The scene replay (states 0, 5 and 10: a heroine menu, then 33 pages of
// pictures, texts and voices), the bonus pictures (state 100: 14 pictures with
// captions and text buttons) and the picture gallery (state 200: event pictures by
// node, five buttons).
//
// Entries: (45, 0, 1) scene replay, (45, 100, 0) bonus pictures, (45, 200, 0) the
// gallery with StageNumber = the node, (45, 0, 0) hands over to the gallery. Exits:
// C40_LeaveToMenu(1) to the title screen's extras menu, (5) to the gallery select.
//
// Record: ExtrasArea. Procedures others call: C45_Step, C45_Hover, C45_OnKey,
// C45_FrameGate (filled into MarbrookScreen(45) by RegisterExtrasArea).
#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

struct ExtrasAreaRecord {
  int ExtrasTextLayer = 0;  // replay: page text, caption on the next layer; bonus: caption
  int ExtrasPage = 0;       // replay 0 to 32, bonus 0 to 13
  int ExtrasLastPage = 0;
  std::array<std::string, 10> TextButtonLabels;
  // Scene replay.
  int ReplayHeroine = 0;
  std::array<int, 100> ReplayPagePicture{};  // kind 1500 numbers by page
  std::array<int, 100> ReplayPageText{};     // text codes by page
  std::array<int, 100> ReplaySceneStart{};   // first page of scene 1 to 14
  // Picture gallery.
  int GalleryNode = 0;
  int GalleryLastNode = 0;
  int GallerySub = 0;
  std::array<int, 100> GalleryLastSub{};
  int GallerySlideMode = 0;  // 0 rise, 1 drop, 9 in place, 10 first picture with the curtain
  int GallerySlideFrames = 0;
};
extern ExtrasAreaRecord ExtrasArea;

// 1 back to the title screen's extras menu, 5 to its gallery select; other kinds nothing.
void C40_LeaveToMenu(int kind);
void C45_Step();
void C45_Hover();
void C45_OnKey();
// The screen's frame member: the common timed effects; other codes have no frames.
bool C45_FrameGate();

// Scene replay.
void C45_ReplayPages();
void C45_ReplayShowPage();
void C45_ReplayText(const std::string& style, const std::string& text);
void C45_ReplayCaption(const std::string& style, const std::string& caption);
// Bonus pictures.
void C45_BonusCgStep();
void C45_BonusCgPicture(int n);
void C45_TextButton(int i, const std::string& label, int state);
void C45_ButtonColours(int scheme);
void C45_CaptionBox(int first, const std::string& text);
// Picture gallery.
void C45_GalleryStep();
void C45_GallerySlide(int direction);

void RegisterExtrasArea();
void ResetExtrasAreaState();

// ---- Shared by the extras area's files (extras_area.cpp, scene_replay.cpp,
// bonus_pictures.cpp, picture_gallery.cpp, extras_texts.cpp). ----

// SceneState 0, 5 and 10.
void ReplayStep();
// The ready step 9: layer 19 to the front, no button marked, step 10, the viewer's
// ButtonMode; no Wait.
void ExtrasReady(int buttonMode);
// A click or key in a ready step: true when InputSourceIndex is one of the `count`
// buttons; the button is then the one clicked (HoveredButton), even when the pointer
// has not moved onto it since the page was built.
bool ExtrasButtonPressed(int count);
// Prepares `layer` (kind 10, empty, at (0, 0)) and loads picture (kind, number) into
// it; CurrentLayer is the layer and CurrentRect its place and size afterwards.
void LoadExtrasLayer(int layer, int kind, int number);
// Puts the layer at (x0, y0) and fills motion slot `slot` from there to (x1, y1).
void StoreExtrasMove(int slot, int layer, int x0, int y0, int x1, int y1);
// Effect 800 on one layer from (x0, y0) to (x1, y1), motion kind 11, back to the
// caller when done.
void MoveExtrasLayer(int layer, int x0, int y0, int x1, int y1, int frames);
// Prepares `layer` (kind 10) with the cell (cellX, 0, width, height) of sheet 0.
void ClipExtrasButton(int layer, int cellX, int width, int height);
// The three white outlines at insets 0 to 2 of the text boxes.
void DrawTextBoxFrame(int layer);
// A text line cut into rows of `chars` characters (the last row may be shorter).
std::vector<std::string> SplitRows(const std::string& line, int chars);
// A number in full-width digits.
std::string FullWidthNumber(int n);

// One scene-replay page text: its text code (200 x heroine + 10 x scene + page),
// the voice it plays and the heroine's lines, separated by "：".
struct ReplayTextRow {
  int code;
  int voice;
  const char* text;
};
std::span<const ReplayTextRow> ReplayTexts();
// The row of a text code, or nullptr.
const ReplayTextRow* FindReplayText(int code);
// Pages of scene 1 to 14 for heroine 0 or 1 (0 for anything else).
int ReplayScenePages(int heroine, int scene);
// The bonus pictures' caption texts, 0 to 13.
std::span<const char* const> BonusCaptions();
