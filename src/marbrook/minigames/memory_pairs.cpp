#include "marbrook/minigames/memory_pairs.h"

#include <algorithm>

#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "marbrook/marbrook_mode.h"
#include "marbrook/marbrook_pictures.h"
#include "marbrook/marbrook_sounds.h"
#include "games/screen_buttons.h"
#include "games/timed_effects.h"
#include "games/motion_slot_store.h"
#include "scenario/motion_curves.h"

PairsStateRecord PairsState;

namespace {

constexpr int kSceneCode = 53;

enum : int {  // SceneState
  kStart = 0,
  kTitle = 5,
  kLevelSelect = 6,
  kDealing = 10,
  kShowing = 11,
  kPlaying = 20,
  kTurnBack = 21,
  kGameOver = 30,
  kCleared = 40,
};

enum : int {  // AnimationCode of the screen's own frames
  kLifeIconsFrames = 1000,
  kTurnBoard = 1001,
  kButtonFlash = 1005,
};

enum : int {  // picture kinds
  kTitlePicture = 1250,
  kBackdropPicture = 1251,
  kSignPicture = 1252,
  kLifePicture = 1253,
  kGameOverPicture = 1254,
  kClearPicture = 1255,
  kButtonPicture = 1256,
};

// Sprite sheets: the title, the game-over or clear picture, the level buttons.
constexpr int kTitleSheet = 0;
constexpr int kEndSheet = 1;
constexpr int kButtonSheet = 2;

constexpr int kButtonModeSelect = 10;
constexpr int kButtonCount = 3;
constexpr int kButtonHeight = 50;
constexpr int kTitleSplitX = 245;
constexpr int kLifeIconX = 3;
constexpr int kFacesPerRow = 10;
constexpr int kDefaultDelay = 13;

// The three levels. A card size of 0 is taken from the card-back picture.
struct LevelRow {
  int columns, rows, gapX, gapY, cardWidth, cardHeight, lifeIconSize, lives, flipDelay;
  int backPicture, facesPicture, lifeIconNumber;
};
constexpr LevelRow kLevels[] = {
    {2, 1, 50, 0, 0, 0, 50, 3, 10, 1260, 1261, 0},
    {4, 3, 20, 15, 0, 0, 50, 3, 100, 1262, 1263, 0},
    {15, 8, 6, 15, 51, 68, 25, 5, 20, 1264, 1265, 1},
};
// A card back that cannot be read still leaves a playable grid at this size.
constexpr int kFallbackCardWidth = 51;
constexpr int kFallbackCardHeight = 68;

const LevelRow& Level() { return kLevels[std::clamp(PairsState.PairsLevel, 0, 2)]; }

// Effect 800 (a move) or 805 (a move and resize) of one layer, returning here.
void Glide(int code, int layer, const Rect& from, const Rect& to, int frames, int delay, int motionKind) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = from;
  DrawState.TargetRect = to;
  EffectParams.EffectFrames = frames;
  EffectParams.EffectFrameDelay = delay;
  EffectParams.EffectMotionKind = motionKind;
  RunEffect(code, EffectEnd::kReturn);
}

// A layer prepared visible in front at `at`, black.
void PrepareAt(int layer, const Rect& at) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = at;
  PrepareLayer(kPreparePictureShown);
}

// A black band that opens from a 2 px line across its middle to `full`.
void OpenBand(int layer, const Rect& full) {
  const Rect line{full.X, full.Y + full.Height / 2 - 1, full.Width, 2};
  PrepareAt(layer, line);
  Glide(kEffectMoveResize, layer, line, full, 8, kDefaultDelay, kMotionSizedLinear);
}


// Motion slot `slot` := `layer` from `from` to `to` (for the moves of several layers).
void StoreSlot(int slot, int layer, const Rect& from, const Rect& to) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = from;
  DrawState.TargetRect = to;
  D50_StoreSprite(slot);
}

void MoveTwoSlots(int frames, int motionKind) {
  EffectParams.EffectLastSlot = 1;
  EffectParams.EffectFrames = frames;
  EffectParams.EffectFrameDelay = kDefaultDelay;
  EffectParams.EffectMotionKind = motionKind;
  RunEffect(kEffectMoveSlots, EffectEnd::kReturn);
}

// The game-over or clear picture in sheet 1: its halves slide in from both sides
// and meet in the middle, with a sound near the end.
void SlideInHalves(int picture, int frames, int sound, int soundFrame) {
  DrawState.SheetIndex = kEndSheet;
  C00_LoadPicture(2, picture, 0);
  const tq::Surface& sheet = Sheets[kEndSheet].Picture;
  const int w = sheet.Width();
  int h = sheet.Height();
  const int left = w / 2;
  const int right = w - left;
  const int y = CentreY(h);
  const int middle = WindowWidth() / 2;
  const Rect leftFrom{-left, y, left, h};
  const Rect rightFrom{WindowWidth(), y, right, h};
  PrepareAt(0, leftFrom);
  ClipCellToLayer(kEndSheet, 0, 0, left, h);
  PrepareAt(1, rightFrom);
  ClipCellToLayer(kEndSheet, left, 0, right, h);
  StoreSlot(0, 0, leftFrom, {middle - left, y, left, h});
  StoreSlot(1, 1, rightFrom, {middle, y, right, h});
  EffectSoundCueRecord& cue = EffectParams.EffectSoundCue;
  cue.EffectSound = sound;
  cue.EffectSoundFrame = soundFrame;
  cue.EffectSoundChannel = 0;
  cue.EffectSoundVolumeOffset = -0.05f;
  MoveTwoSlots(frames, kMotionEaseOut);
}

// Button k's plain or lit row of the button sheet.
void ShowButtonRow(int k, bool lit) {
  if (k < 0 || k >= kButtonCount) return;
  DrawState.CurrentLayer = ScreenButtons.ButtonFirstBox + k;
  const int row = lit ? k : kButtonCount + k;
  ClipCellToLayer(kButtonSheet, 0, row * kButtonHeight, WindowWidth(), kButtonHeight);
}

// The level button the last click or move was on, or -1.
int ButtonUnderPointer() {
  if (InputEvent.InputSourceKind != 50) return -1;
  const int k = InputEvent.InputSourceIndex - ScreenButtons.ButtonFirstBox;
  return k >= 0 && k < kButtonCount ? k : -1;
}

int SlotX(int slot) {
  const PairsStateRecord& pairs = PairsState;
  return pairs.PairsGridLeft + pairs.PairSlotCol[static_cast<size_t>(slot)] * (pairs.PairCardWidth + pairs.PairsGapX);
}
int SlotY(int slot) {
  const PairsStateRecord& pairs = PairsState;
  return pairs.PairsGridTop + pairs.PairSlotRow[static_cast<size_t>(slot)] * (pairs.PairCardHeight + pairs.PairsGapY);
}

bool ValidSlot(int slot) { return slot >= 0 && slot < static_cast<int>(PairsState.PairValue.size()); }

// The first face-down card, in slot order, whose rectangle (edges included) holds the
// pointer; -1 when none does.
int CardUnderPointer() {
  const int px = InputEvent.PointerX;
  const int py = InputEvent.PointerY;
  for (int s = 0; s < static_cast<int>(PairsState.PairValue.size()); ++s) {
    if (PairsState.PairFaceUp[static_cast<size_t>(s)] != 0) continue;
    const int x = SlotX(s);
    const int y = SlotY(s);
    if (px >= x && px <= x + PairsState.PairCardWidth && py >= y && py <= y + PairsState.PairCardHeight) return s;
  }
  return -1;
}

bool AllFaceUp() {
  return std::all_of(PairsState.PairFaceUp.begin(), PairsState.PairFaceUp.end(), [](int up) { return up != 0; });
}

// --- states ---

void Start() {
  PairsState.PairsBoardBox = 10;
  PairsState.PairsSignBox = 4;
  PairsState.CardSourceFirstBox = 6;
  ScreenButtons.ButtonFirstBox = 0;
  ScreenButtons.BoardFirstBox = 50;
  // The screen we came from may have left its buttons live; ours are not in yet.
  SceneCursor.ButtonMode = 0;
  EffectParams.EffectFrameDelay = kDefaultDelay;
  PairsState.PairsLevel = 0;
  DrawState.SheetIndex = kTitleSheet;
  C00_LoadPicture(2, kTitlePicture, 0);
  DrawState.SheetIndex = kButtonSheet;
  C00_LoadPicture(2, kButtonPicture, 0);
  GoTo(kTitle, 0);
  Wait(-1, 500);
}

void TitleIn() {
  const tq::Surface& title = Sheets[kTitleSheet].Picture;
  const int h = title.Height();
  const int rest = std::max(title.Width() - kTitleSplitX, 0);
  const Rect leftFrom{0, -h, kTitleSplitX, h};
  PrepareAt(11, leftFrom);
  ClipCellToLayer(kTitleSheet, 0, 0, kTitleSplitX, h);
  GameSound(302);
  Glide(kEffectMove, 11, leftFrom, {0, 0, kTitleSplitX, h}, 30, 5, kMotionLinear);
  const Rect rightFrom{WindowWidth(), 0, rest, h};
  PrepareAt(12, rightFrom);
  ClipCellToLayer(kTitleSheet, kTitleSplitX, 0, rest, h);
  GameSound(302, 1);
  Glide(kEffectMove, 12, rightFrom, {kTitleSplitX, 0, rest, h}, 30, 5, kMotionLinear);
  C15_PlayMusic(300);
}

void Title() {
  switch (SceneCursor.SceneStep) {
    case 0:
      TitleIn();
      SceneCursor.SceneStep = 1;  // a click brings in the level buttons
      break;
    case 1:
      for (int k = 0; k < kButtonCount; ++k) G03_Board(20, k);
      for (int k = 0; k < kButtonCount; ++k) ShowLayer(ScreenButtons.BoardFirstBox + k, false);
      GoToNextTick(kLevelSelect, -1);
      break;
    default: break;
  }
}

void LevelSelect() {
  switch (SceneCursor.SceneStep) {
    case -1:
      ScreenButtons.HoveredButton = -1;
      SceneCursor.ButtonMode = kButtonModeSelect;
      SceneCursor.SceneStep = 0;
      break;
    case 0: {
      if (SceneCursor.ButtonMode != kButtonModeSelect) return;
      // The clicked layer names the level: the hover may not have run before the click.
      const int k = ButtonUnderPointer();
      if (k < 0) return;
      GameSound(303);
      SceneCursor.ButtonMode = 0;
      PairsState.PairsLevel = k;
      ScreenButtons.HoveredButton = k;
      GoTo(kDealing, 0);
      Wait(kButtonFlash, 0);  // its end arms the tick that starts the deal
      for (int b = 0; b < kButtonCount; ++b) ShowLayer(ScreenButtons.ButtonFirstBox + b, false);
      break;
    }
    default: break;
  }
}

// The four source layers, just right of the window, with the level's pictures.
void LoadSources() {
  const LevelRow& level = Level();
  const int pictures[4][2] = {
      {level.backPicture, 0}, {level.facesPicture, 0}, {kLifePicture, level.lifeIconNumber}, {kBackdropPicture, 0}};
  for (int i = 0; i < 4; ++i) {
    DrawState.CurrentLayer = PairsState.CardSourceFirstBox + i;
    DrawState.CurrentRect = {WindowWidth(), 0, kFallbackCardWidth, kFallbackCardHeight};
    PrepareLayer(kPreparePictureHidden);
    C00_LoadPicture(1, pictures[i][0], pictures[i][1]);
  }
}

void LayOutGrid() {
  const LevelRow& level = Level();
  if (level.cardWidth > 0) {
    PairsState.PairCardWidth = level.cardWidth;
    PairsState.PairCardHeight = level.cardHeight;
  } else {
    GetLayerRect(kRectIntoCurrent, PairsState.CardSourceFirstBox);
    PairsState.PairCardWidth = DrawState.CurrentRect.Width;
    PairsState.PairCardHeight = DrawState.CurrentRect.Height;
  }
  PairsState.PairsLastCol = level.columns - 1;
  PairsState.PairsLastRow = level.rows - 1;
  PairsState.PairsGapX = level.gapX;
  PairsState.PairsGapY = level.gapY;
  PairsState.LifeIconSize = level.lifeIconSize;
  PairsState.LivesLeft = level.lives;
  PairsState.FlipDelay = level.flipDelay;
  const int gridWidth = level.columns * PairsState.PairCardWidth + (level.columns - 1) * PairsState.PairsGapX;
  const int gridHeight = level.rows * PairsState.PairCardHeight + (level.rows - 1) * PairsState.PairsGapY;
  PairsState.PairsGridLeft = (WindowWidth() - gridWidth) / 2;
  PairsState.PairsGridTop = (WindowHeight() - gridHeight) / 2;
}

void TurnBoard(int faceUp) {
  EffectParams.EffectVariant = faceUp;
  EffectParams.EffectFrameDelay = PairsState.FlipDelay;
  Wait(kTurnBoard, 0);
}

void Dealing() {
  RunMusicFade(100);
  LoadSources();
  LayOutGrid();
  G03_Deal();
  const Rect boardFrom{0, -WindowHeight(), WindowWidth(), WindowHeight()};
  PrepareAt(PairsState.PairsBoardBox, boardFrom);
  C00_LoadPicture(1, kBackdropPicture, 0);
  Glide(kEffectMove, PairsState.PairsBoardBox, boardFrom, {0, 0, WindowWidth(), WindowHeight()}, 20, kDefaultDelay,
        kMotionEaseOut);
  TurnBoard(0);
  Wait(kLifeIconsFrames, 0);
  GoTo(kShowing, 0);
  Wait(-1, 300);
}

void Showing() {
  switch (SceneCursor.SceneStep) {
    case 0:
      G03_Board(0, 0);
      SceneCursor.SceneStep = 1;
      break;
    case 1:
      G03_Board(1, 0);
      TurnBoard(1);
      RunPause(1000);
      TurnBoard(0);
      RunPause(300);
      G03_Board(0, 1);
      SceneCursor.SceneStep = 2;
      break;
    case 2:
      C15_PlayMusic(301 + PairsState.PairsLevel);
      G03_Board(1, 0);
      PairsState.PicksOpen = 0;
      PairsState.FirstPick = -1;
      GoTo(kPlaying, 0);
      break;
    default: break;
  }
}

void WrongPair() {
  GameSound(305, 0, -0.03f);
  for (int i = 0; i < 4; ++i) G03_Board(10, 0);
  ShowLayer(ScreenButtons.BoardFirstBox, false);
  G03_LifeIcons(PairsState.LivesLeft, 0);
  --PairsState.LivesLeft;
  if (PairsState.LivesLeft > 0) {
    GoTo(kTurnBack, 0);  // both cards stay up until the next click
    return;
  }
  GoTo(kGameOver, 0);
  Wait(-1, 800);
}

void Playing() {
  PairsStateRecord& pairs = PairsState;
  const int slot = CardUnderPointer();
  if (slot < 0) return;
  GameSound(304, 1);
  pairs.PairFaceUp[static_cast<size_t>(slot)] = 1;
  G03_DrawCard(slot, 1);
  pairs.SecondPick = slot;
  if (pairs.PicksOpen == 0) {
    pairs.FirstPick = slot;
    pairs.PicksOpen = 1;
    return;
  }
  pairs.PicksOpen = 0;
  if (pairs.PairValue[static_cast<size_t>(pairs.FirstPick)] != pairs.PairValue[static_cast<size_t>(pairs.SecondPick)]) {
    WrongPair();
    return;
  }
  GameSound(300);
  if (!AllFaceUp()) return;
  GoTo(kCleared, 0);
  Wait(-1, 800);
}

void TurnBack() {
  for (int slot : {PairsState.FirstPick, PairsState.SecondPick}) {
    if (!ValidSlot(slot)) continue;
    PairsState.PairFaceUp[static_cast<size_t>(slot)] = 0;
    G03_DrawCard(slot, 0);
  }
  GoTo(kPlaying, 0);
}

void GameOver() {
  switch (SceneCursor.SceneStep) {
    case 0: {
      RunMusicFade(100);
      const Rect column{WindowWidth() / 2 - 1, 0, 2, WindowHeight()};
      PrepareAt(50, column);
      Glide(kEffectMoveResize, 50, column, {0, 0, WindowWidth(), WindowHeight()}, 20, kDefaultDelay,
            kMotionSizedLinear);
      RunPause(500);
      SlideInHalves(kGameOverPicture, 30, 309, 25);
      SceneCursor.SceneStep = 1;
      break;
    }
    case 1: {
      const int left = WindowWidth() / 2;
      const int right = WindowWidth() - left;
      const Rect above{0, -WindowHeight(), left, WindowHeight()};
      const Rect below{left, WindowHeight(), right, WindowHeight()};
      PrepareAt(50, above);
      PrepareAt(51, below);
      StoreSlot(0, 50, above, {0, 0, left, WindowHeight()});
      StoreSlot(1, 51, below, {left, 0, right, WindowHeight()});
      MoveTwoSlots(10, kMotionEaseOut);
      GoTo(kTitle, 0);
      Wait(-1, 500);
      break;
    }
    default: break;
  }
}

void Cleared() {
  switch (SceneCursor.SceneStep) {
    case 0: {
      RunMusicFade(100);
      const Rect point{WindowWidth() / 2 - 1, WindowHeight() / 2 - 1, 2, 2};
      PrepareAt(50, point);
      LayerInfo(50).BackColor = RgbColor(255, 255, 255);
      ClearLayerImage(50);
      Glide(kEffectMoveResize, 50, point, {0, 0, WindowWidth(), WindowHeight()}, 100, kDefaultDelay,
            kMotionSizedEaseOut);
      RunPause(500);
      SlideInHalves(kClearPicture, 50, 308, 45);
      SceneCursor.SceneStep = 1;
      break;
    }
    case 1: {
      GameSound(302);
      const Rect above{0, -WindowHeight(), WindowWidth(), WindowHeight()};
      PrepareAt(2, above);
      Glide(kEffectMove, 2, above, {0, 0, WindowWidth(), WindowHeight()}, 30, 5, kMotionLinear);
      SceneCursor.SceneStep = 2;
      Wait(-1, 500);
      break;
    }
    case 2: G03_Leave(); break;
    default: break;
  }
}

// --- frames ---

void LifeIconsFrame() {
  SetFrameLength(-1, 100);
  int& frame = AnimationRun.AnimationFrame;
  if (frame == 0) frame = 1;
  G03_LifeIcons(frame, 1);
  if (frame >= PairsState.LivesLeft) {
    FrameClock.FrameLoopRunning = 0;
    return;
  }
  ++frame;
}

void TurnBoardFrame() {
  GameSound(304, 1);
  SetFrameLength(-1, EffectParams.EffectFrameDelay);
  int& frame = AnimationRun.AnimationFrame;
  G03_DrawCard(frame, EffectParams.EffectVariant);
  if (frame >= PairsState.PairsLastSlot) {
    EffectParams.EffectFrameDelay = kDefaultDelay;
    FrameClock.FrameLoopRunning = 0;
    return;
  }
  ++frame;
}

void ButtonFlashFrame() {
  SetFrameLength(-1, 50);
  int& frame = AnimationRun.AnimationFrame;
  ShowButtonRow(ScreenButtons.HoveredButton, frame % 2 != 0);
  if (frame >= 10) {
    Wait(0, 0);
    return;
  }
  ++frame;
}

}  // namespace

void G03_Step() {
  switch (SceneCursor.SceneState) {
    case kStart: Start(); break;
    case kTitle: Title(); break;
    case kLevelSelect: LevelSelect(); break;
    case kDealing: Dealing(); break;
    case kShowing: Showing(); break;
    case kPlaying: Playing(); break;
    case kTurnBack: TurnBack(); break;
    case kGameOver: GameOver(); break;
    case kCleared: Cleared(); break;
    default: break;
  }
}

void G03_Hover() {
  if (SceneCursor.ButtonMode != kButtonModeSelect) return;
  const int k = ButtonUnderPointer();
  int& hovered = ScreenButtons.HoveredButton;
  if (k >= 0 && k != hovered) {
    for (int b = 0; b < kButtonCount; ++b) ShowButtonRow(b, b == k);
    hovered = k;
    GameSound(301, 0, -0.05f);
  } else if (k < 0 && hovered != -1) {
    for (int b = 0; b < kButtonCount; ++b) ShowButtonRow(b, false);
    hovered = -1;
  }
}

void G03_OnKey() {
  if (InputEvent.AdvanceKeyDown != 1) return;
  // On the level select a key stands for a click on the lit button; elsewhere the
  // step reads the last pointer position.
  const int k = ScreenButtons.HoveredButton;
  if (SceneCursor.ButtonMode == kButtonModeSelect && k >= 0 && k < kButtonCount) {
    InputEvent.InputSourceKind = 50;
    InputEvent.InputSourceIndex = ScreenButtons.ButtonFirstBox + k;
  }
  G03_Step();
}

bool G03_FrameGate() {
  const int code = FrameClock.AnimationCode;
  if (code < 1000) {
    C40_EffectStep();
    return true;
  }
  if (code <= 1099) return G03_Frame();
  return false;
}

bool G03_Frame() {
  switch (FrameClock.AnimationCode) {
    case kLifeIconsFrames: LifeIconsFrame(); return true;
    case kTurnBoard: TurnBoardFrame(); return true;
    case kButtonFlash: ButtonFlashFrame(); return true;
    default: return false;
  }
}

void G03_Leave() {
  for (int layer = 0; layer <= 79; ++layer) ShowLayer(layer, false);
  SceneCursor.StageNumber = 50;
  SceneCursor.SceneCode = kConversationScene;
  GoToNextTick(0, 10);
}

void G03_Deal() {
  const int columns = PairsState.PairsLastCol + 1;
  PairsState.PairsLastSlot = (PairsState.PairsLastRow + 1) * columns - 1;
  const size_t count = static_cast<size_t>(std::max(PairsState.PairsLastSlot + 1, 0));
  PairsState.PairValue.assign(count, -1);
  PairsState.PairFaceUp.assign(count, 0);
  PairsState.PairSlotCol.resize(count);
  PairsState.PairSlotRow.resize(count);
  for (int s = 0; s < static_cast<int>(count); ++s) {
    PairsState.PairSlotCol[static_cast<size_t>(s)] = s % columns;
    PairsState.PairSlotRow[static_cast<size_t>(s)] = s / columns;
  }
  for (int v = 0; v <= PairsState.PairsLastSlot / 2; ++v) {
    G03_PlaceCard(v);
    G03_PlaceCard(v);
  }
}

void G03_PlaceCard(int value) {
  std::vector<int>& slots = PairsState.PairValue;
  const int count = static_cast<int>(slots.size());
  // A full table would have the probe draw again for ever: the card is left out.
  if (std::find(slots.begin(), slots.end(), -1) == slots.end()) return;
  const int first = RandomRange(0, PairsState.PairsLastSlot);
  for (int probe = 0; probe < count; ++probe) {
    const int s = (first + probe) % count;
    if (slots[static_cast<size_t>(s)] == -1) {
      slots[static_cast<size_t>(s)] = value;
      return;
    }
  }
}

void G03_DrawCard(int slot, int faceUp) {
  if (!ValidSlot(slot)) return;
  const int w = PairsState.PairCardWidth;
  const int h = PairsState.PairCardHeight;
  int source = PairsState.CardSourceFirstBox;
  int sx = 0;
  int sy = 0;
  if (faceUp != 0) {
    const int value = PairsState.PairValue[static_cast<size_t>(slot)];
    source += 1;
    sx = (value % kFacesPerRow) * w;
    sy = (value / kFacesPerRow) * h;
  }
  BitBltCopy(source, PairsState.PairsBoardBox, {sx, sy, w, h, SlotX(slot), SlotY(slot)});
}

void G03_LifeIcons(int number, int kind) {
  const int size = PairsState.LifeIconSize;
  const int y = WindowHeight() - number * size;
  const int source = kind == 1 ? PairsState.CardSourceFirstBox + 2 : PairsState.CardSourceFirstBox + 3;
  BitBltCopy(source, PairsState.PairsBoardBox, {kLifeIconX, y, size, size, kLifeIconX, y});
}

void G03_Board(int kind, int variant) {
  const int band = ScreenButtons.BoardFirstBox;
  const int sign = PairsState.PairsSignBox;
  const Rect signBand{0, WindowHeight() / 2 - 150, WindowWidth(), 300};
  switch (kind) {
    case 0: {  // a sign board comes in on a band across the middle
      OpenBand(band, signBand);
      GameSound(302, 0, -0.05f);
      PrepareAt(sign, {WindowWidth(), 0, 1, 1});
      C00_LoadPicture(1, kSignPicture, variant);
      GetLayerRect(kRectIntoCurrent, sign);
      int h = DrawState.CurrentRect.Height;
      const Rect from{WindowWidth(), CentreY(h), DrawState.CurrentRect.Width, h};
      MoveLayer(sign, from.X, from.Y, from.Width, from.Height);
      Glide(kEffectMove, sign, from, {0, from.Y, from.Width, from.Height}, 20, 7, kMotionLinear);
      break;
    }
    case 1: {  // the sign board goes and its band closes
      ShowLayer(sign, false);
      const Rect line{0, signBand.Y + signBand.Height / 2 - 1, WindowWidth(), 2};
      Glide(kEffectMoveResize, band, signBand, line, 8, kDefaultDelay, kMotionSizedLinear);
      ShowLayer(band, false);
      break;
    }
    case 10: {  // the life-loss square over the top life icon
      const int size = PairsState.LifeIconSize;
      const int top = WindowHeight() - PairsState.LivesLeft * size;
      const Rect point{kLifeIconX + size / 2 - 1, top + size / 2 - 1, 2, 2};
      PrepareAt(band, point);
      Glide(kEffectMoveResize, band, point, {kLifeIconX - 3, top - 3, size + 6, size + 6}, 8, kDefaultDelay,
            kMotionSizedLinear);
      break;
    }
    case 20: {  // level button `variant` on its band
      if (variant < 0 || variant >= kButtonCount) return;
      const int y = WindowHeight() / 2 + 60 + 65 * variant;
      OpenBand(band + variant, {0, y, WindowWidth(), kButtonHeight});
      const int button = ScreenButtons.ButtonFirstBox + variant;
      const Rect from{200, y, WindowWidth(), kButtonHeight};
      PrepareAt(button, from);
      ShowButtonRow(variant, false);
      Glide(kEffectMove, button, from, {0, y, WindowWidth(), kButtonHeight}, 10, 5, kMotionLinear);
      break;
    }
    default: break;
  }
}

void RegisterMemoryPairs() {
  ScreenHookSet& screen = MarbrookScreen(kSceneCode);
  screen.Step = G03_Step;
  screen.Hover = G03_Hover;
  screen.Frame = G03_FrameGate;
  screen.OnKey = G03_OnKey;
}

void ResetMemoryPairsState() { PairsState = PairsStateRecord{}; }
