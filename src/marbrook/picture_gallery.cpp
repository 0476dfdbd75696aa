// The picture gallery of the extras area (state 200): event pictures by node over a
// fixed backdrop, with five buttons to step through pictures and nodes.
#include <initializer_list>
#include <span>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "marbrook/extras_area.h"
#include "marbrook/marbrook_pictures.h"
#include "marbrook/marbrook_sounds.h"
#include "games/screen_buttons.h"
#include "games/timed_effects.h"
#include "scenario/motion_curves.h"

namespace {

enum : int { kEventKind = 100, kLastNode = 52 };
enum : int { kRise = 0, kDrop = 1, kInPlace = 9, kFirstVisit = 10 };

// The picture numbers of each node, in the order the gallery shows them.
struct NodeList {
  int node;
  std::initializer_list<int> pictures;
};
const NodeList kNodeLists[] = {
    {0, {0}},
    {1, {0, 1, 5, 7, 11, 12, 13, 16, 30, 31, 32, 35, 40, 45, 50, 55, 56}},
    {2, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
    {3, {0, 1}},
    {4, {0, 1}},
    {5, {0}},
    {6, {0, 1, 2, 3, 4, 5}},
    {7, {0, 1, 2, 3, 4, 5}},
    {8, {0, 1, 2}},
    {9, {0, 1}},
    {10, {0, 1}},
    {11, {0, 1, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
    {12, {0, 1, 2}},
    {20, {0, 1, 2, 3}},
    {21, {0, 1}},
    {22, {0, 5, 10, 15, 16}},
    {23, {0, 5, 6, 7, 10, 15, 20, 21, 22, 25}},
    {24, {0, 1, 4, 5, 6, 7}},
    {25, {0, 5, 6, 7, 10, 11, 12, 15, 16, 17, 20}},
    {26, {0, 5, 10}},
    {30, {0, 1, 5, 6, 7, 10, 11, 15, 16, 20, 21, 22}},
    {31, {0, 5, 10, 11, 15}},
    {32, {0, 1, 5, 6, 10, 11, 15, 16}},
    {33, {0, 1, 2, 3}},
    {34, {0, 5}},
    {35, {0, 1, 5, 6}},
    {36, {0, 1, 2, 5, 6, 7, 10}},
    {37, {0}},
    {40, {0, 1, 2}},
    {41, {0}},
    {42, {0}},
    {50, {0, 1}},
    {51, {0, 1, 5, 6}},
    {52, {0}},
};

// Nodes without pictures of their own that show a neighbour instead.
struct Redirect {
  int node, target;
};
constexpr Redirect kRedirects[] = {{13, 20}, {19, 12}, {27, 30}, {29, 26}, {38, 40}, {39, 37}, {43, 50}, {49, 42}};

// The buttons: cell x of sheet 0, and place (right-aligned ones count from the right).
struct GalleryButton {
  int cellX, fromRight, x;
};
constexpr GalleryButton kButtons[] = {{0, 60, 0}, {50, 120, 0}, {100, 180, 0}, {150, 240, 0}, {200, 0, 10}};

const NodeList* ListOf(int node) {
  for (const NodeList& list : kNodeLists) {
    if (list.node == node) return &list;
  }
  return nullptr;
}

int LastSub(int node) { return node >= 0 && node <= 99 ? ExtrasArea.GalleryLastSub[static_cast<size_t>(node)] : 0; }

// The node and picture number to show, after redirects.
int ResolvePicture() {
  ExtrasAreaRecord& x = ExtrasArea;
  for (const Redirect& r : kRedirects) {
    if (r.node == x.GalleryNode) {
      x.GalleryNode = r.target;
      x.GallerySub = 0;
    }
  }
  const NodeList* list = ListOf(x.GalleryNode);
  if (list == nullptr) return 0;
  // A position past the list (not reachable by the buttons) shows the first picture.
  if (x.GallerySub < 0 || static_cast<size_t>(x.GallerySub) >= list->pictures.size()) return *list->pictures.begin();
  return *(list->pictures.begin() + x.GallerySub);
}

void HideScreenLayers() {
  for (int layer = 0; layer <= 89; ++layer) ShowLayer(layer, false);
}

// Step 0: the curtain closes over the backdrop, the tables are filled.
void SetUp() {
  ScreenButtons.PictureFirstBox = 0;
  ScreenButtons.HoverFirstBox = 5;
  ExtrasArea.ExtrasTextLayer = 10;
  ScreenButtons.HoverCursorBox = 4;
  ExtrasArea.GallerySlideFrames = 10;
  DrawState.SheetIndex = 0;
  C00_LoadPicture(2, 5, 60);
  Wait(kEffectCurtainClose, 0);
  HideScreenLayers();
  C00_LoadPicture(0, 33, 0);
  ExtrasAreaRecord& x = ExtrasArea;
  x.GalleryLastNode = kLastNode;
  x.GalleryLastSub.fill(0);
  for (const NodeList& list : kNodeLists) {
    x.GalleryLastSub[static_cast<size_t>(list.node)] = static_cast<int>(list.pictures.size()) - 1;
  }
  // The gallery select offers nodes 0 to 52; any other number starts at node 0.
  x.GalleryNode = SceneCursor.StageNumber >= 0 && SceneCursor.StageNumber <= kLastNode ? SceneCursor.StageNumber : 0;
  x.GallerySub = 0;
  SceneCursor.SceneStep = 1;
  Wait(0, 0);
}

// Step 1: the five buttons, put in place at once.
void PlaceButtons() {
  const int w = ScreenSize.ScreenWidth;
  const int h = ScreenSize.ScreenHeight;
  for (int i = 0; i <= 4; ++i) {
    const GalleryButton& b = kButtons[i];
    const int layer = ScreenButtons.HoverFirstBox + i;
    ClipExtrasButton(layer, b.cellX, 50, 50);
    LayerToBack(layer);
    const int x = b.fromRight != 0 ? w - b.fromRight : b.x;
    StoreExtrasMove(i, layer, x, h, x, h - 55);
  }
  EffectParams.EffectFrames = 1;
  EffectParams.EffectLastSlot = 4;
  EffectParams.EffectMotionKind = kMotionEaseOut;
  RunEffect(kEffectMoveSlots, EffectEnd::kReturn);
  ExtrasArea.GallerySlideMode = kFirstVisit;
  SceneCursor.SceneStep = 5;
  Wait(0, 0);
}

// Step 5: the picture comes on screen as GallerySlideMode says.
void Show() {
  const int number = ResolvePicture();
  const int kind = kEventKind + ExtrasArea.GalleryNode;
  const int layer = ScreenButtons.PictureFirstBox;
  const int h = ScreenSize.ScreenHeight;
  switch (ExtrasArea.GallerySlideMode) {
    case kRise:
    case kDrop: {
      LoadExtrasLayer(layer, kind, number);
      LayerToBack(layer);
      const Rect r = DrawState.CurrentRect;
      const int x = CentreX(r.Width + 0);
      MoveExtrasLayer(layer, x, ExtrasArea.GallerySlideMode == kRise ? h : -r.Height, x, 10,
                      ExtrasArea.GallerySlideFrames);
      break;
    }
    case kInPlace:
      // The layer keeps its place and takes the new picture's size.
      DrawState.CurrentLayer = layer;
      C00_LoadPicture(1, kind, number);
      break;
    case kFirstVisit: {
      LoadExtrasLayer(layer, kind, number);
      const Rect r = DrawState.CurrentRect;
      MoveLayer(layer, CentreX(r.Width + 0), 10, r.Width, r.Height);
      LayerToBack(layer);
      Wait(kEffectCurtainOpen, 0);
      break;
    }
    default: break;
  }
  SceneCursor.SceneStep = 9;
  Wait(0, 0);
}

int NextNode(int node) { return node >= ExtrasArea.GalleryLastNode ? 0 : node + 1; }
int PreviousNode(int node) { return node <= 0 ? ExtrasArea.GalleryLastNode : node - 1; }

void Click() {
  if (!ExtrasButtonPressed(5)) return;
  TitleSound(36);
  SceneCursor.ButtonMode = 0;
  ExtrasAreaRecord& x = ExtrasArea;
  switch (ScreenButtons.HoveredButton) {
    case 0:
      ++x.GallerySub;
      x.GallerySlideMode = kInPlace;
      if (x.GallerySub > LastSub(x.GalleryNode)) {
        x.GalleryNode = NextNode(x.GalleryNode);
        x.GallerySub = 0;
        x.GallerySlideMode = kRise;
        C45_GallerySlide(0);
      }
      break;
    case 1:
      --x.GallerySub;
      x.GallerySlideMode = kInPlace;
      if (x.GallerySub < 0) {
        x.GalleryNode = PreviousNode(x.GalleryNode);
        x.GallerySub = LastSub(x.GalleryNode);
        x.GallerySlideMode = kDrop;
        C45_GallerySlide(1);
      }
      break;
    case 2:
      x.GalleryNode = NextNode(x.GalleryNode);
      x.GallerySub = 0;
      x.GallerySlideMode = kRise;
      C45_GallerySlide(0);
      break;
    case 3:
      x.GalleryNode = PreviousNode(x.GalleryNode);
      x.GallerySub = 0;
      x.GallerySlideMode = kDrop;
      C45_GallerySlide(1);
      break;
    default:
      Wait(kEffectCurtainClose, 0);
      HideScreenLayers();
      C40_LeaveToMenu(5);
      return;
  }
  SceneCursor.SceneStep = 5;
  Wait(0, 0);
}

}  // namespace

void C45_GalleryStep() {
  switch (SceneCursor.SceneStep) {
    case 0: SetUp(); break;
    case 1: PlaceButtons(); break;
    case 5: Show(); break;
    case 9: ExtrasReady(200); break;
    case 10: Click(); break;
    default: break;
  }
}

void C45_GallerySlide(int direction) {
  const int layer = ScreenButtons.PictureFirstBox;
  GetLayerRect(kRectIntoCurrent, layer);
  const Rect r = DrawState.CurrentRect;
  const int y = direction == 0 ? -r.Height : ScreenSize.ScreenHeight;
  MoveExtrasLayer(layer, r.X, r.Y, r.X, y, ExtrasArea.GallerySlideFrames);
}
