#include "marbrook/minigames/casino.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/numeric.h"
#include "engine/text.h"
#include "marbrook/marbrook_mode.h"
#include "marbrook/marbrook_pictures.h"
#include "marbrook/marbrook_sounds.h"
#include "marbrook/save_file.h"
#include "games/screen_buttons.h"
#include "games/timed_effects.h"
#include "platform/platform.h"
#include "scenario/auto_reading.h"
#include "scenario/motion_curves.h"

CasinoStateRecord CasinoState;

namespace {

enum : int {
  kFreeEntry = -1,
  kFreePlay = 0,
  kStoryEntry = 1,
  kCasinoStart = 2,
  kSelect = 10,
};
// Steps of the title state.
enum : int { kTitleShown = 1, kBackFromGame = 4, kButtonsRise = 5, kIntroBoard = 6 };

constexpr int kPictureTitle = 1290;
constexpr int kPictureGameBack = 1271;
constexpr int kPictureBoards = 1272;
constexpr int kPicturePointer = 1292;
constexpr int kSelectButtonWidth = 400;
constexpr int kSelectButtonHeight = 150;
constexpr int kSlideStrips = 10;
constexpr int kMusicTitle = 400;
constexpr int kPressMs = 50;  // a button shows pressed for one pause this long

int slideCount = 0;

int GameButton(int n) { return ScreenButtons.ButtonFirstBox + n; }
int PointerLayer() { return ScreenButtons.ButtonFirstBox + 2; }
int BigBoardLayer() { return ScreenButtons.ButtonFirstBox + 3; }

void Start() {
  CasinoState.CasinoBet = 0;
  CasinoState.CasinoWin = 0;
  CasinoState.CasinoGame = 0;
  CasinoState.RulesShown = {0, 0};
  CasinoState.CasinoIntroPending = 1;
  CasinoState.CasinoStartCredits = 10;
  CasinoState.CasinoUnlockCredits = 5000;
  ScreenButtons.ButtonFirstBox = 0;
  ScreenButtons.BoardFirstBox = 30;
  CasinoState.CasinoMessageBox = 0;
  CasinoState.PanelFirstBox = 5;
  CasinoState.CasinoButtonFirstBox = 10;
  CasinoState.LampFirstBox = 17;
  CasinoState.CardFirstBox = 20;
  CasinoState.ReelFirstBox = 20;
  EffectParams.EffectFrameDelay = 13;
  GoToNextTick(kCasinoTitle, 0);
}

void ShowSelectBackdrop() {
  HideLayerRange(0, 39);
  C00_LoadPicture(0, kPictureTitle, 0);
}

void Title() {
  switch (SceneCursor.SceneStep) {
    case 0:
      C15_PlayMusic(kMusicTitle);
      CasinoState.CasinoCredits = CasinoState.CasinoStartCredits;
      G04_Panels(0, 1);
      GoTo(kCasinoTitle, kTitleShown);
      break;
    case kTitleShown:
      GameSound(400);
      ShowSelectBackdrop();
      GoToNextTick(kCasinoTitle, kButtonsRise);
      break;
    case kBackFromGame:
      C15_PlayMusic(kMusicTitle);
      G04_Panels(0, 0);
      ShowSelectBackdrop();
      GoToNextTick(kCasinoTitle, kButtonsRise);
      break;
    case kButtonsRise: {
      CasinoSheet(1, 1291, 0);
      for (int n = 0; n < 2; ++n) {
        CasinoCell(GameButton(n), 1, 0, n * kSelectButtonHeight, kSelectButtonWidth, kSelectButtonHeight, 260,
                   WindowHeight());
        CasinoSlide(GameButton(n), 260, 210 + 170 * n);
      }
      G04_NumberPanel(0, 0);
      const int credits = CasinoState.PanelFirstBox + PanelOffset(0);
      CasinoSlideFrom(credits, CentreX(LayerWidth(credits)), WindowHeight(), CentreX(LayerWidth(credits)), 550);
      CasinoRunSlides(10);
      if (CasinoState.CasinoIntroPending == 1) {
        CasinoState.CasinoIntroPending = 0;
        G04_Board(kCasinoBigBoard, 10);
        GoTo(kCasinoTitle, kIntroBoard);
      } else {
        GoToNextTick(kSelect, -1);
      }
      break;
    }
    case kIntroBoard:
      GameSound(400);
      CasinoBigBoardOut();
      GoToNextTick(kSelect, -1);
      break;
    default: break;
  }
}

// The game button a click chose: the button itself, or the pointer beside the
// hovered one. A click with no move before it has no hovered button, so the choice
// comes from the clicked layer rather than from HoveredButton.
int ClickedGame() {
  if (InputEvent.InputSourceKind != 50) return -1;
  const int n = InputEvent.InputSourceIndex - ScreenButtons.ButtonFirstBox;
  if (n == 0 || n == 1) return n;
  if (InputEvent.InputSourceIndex == PointerLayer() && ScreenButtons.HoveredButton >= 0 &&
      ScreenButtons.HoveredButton <= 1) {
    return ScreenButtons.HoveredButton;
  }
  return -1;
}

void Select() {
  switch (SceneCursor.SceneStep) {
    case -1:
      ScreenButtons.HoveredButton = -1;
      SceneCursor.ButtonMode = 10;
      GoTo(kSelect, 0);
      break;
    case 0: {
      if (SceneCursor.ButtonMode != 10) return;
      const int game = ClickedGame();
      if (game < 0) return;
      ScreenButtons.HoveredButton = game;
      GameSound(401);
      SceneCursor.ButtonMode = 0;
      ShowLayer(PointerLayer(), false);
      const int other = GameButton(1 - game);
      const int credits = CasinoState.PanelFirstBox + PanelOffset(0);
      for (int layer : {other, credits}) {
        LayerToBack(layer);
        CasinoSlide(layer, LayerLeft(layer), WindowHeight());
      }
      CasinoRunSlides(15);
      CasinoState.CasinoGame = game;
      G04_Panels(0, 10 + game);
      HideLayerRange(0, 39);
      C00_LoadPicture(0, kPictureGameBack, game);
      GoToNextTick(game == 0 ? kSlotGame : kCardGame, 0);
      break;
    }
    default: break;
  }
}

void GameOver() {
  switch (SceneCursor.SceneStep) {
    case 0:
      RunMusicFade(100);
      GameSound(409);
      G04_Board(kCasinoSystemBoard, 0);
      GoTo(kCasinoGameOver, 1);
      break;
    case 1:
      CasinoState.CasinoIntroPending = 1;
      GoToNextTick(kCasinoTitle, 0);
      break;
    default: break;
  }
}

// Ten full-width bands from layer `first` slide in from the right, staggered.
void SlideBands(int first, bool white) {
  const int height = WindowHeight() / 10;
  for (int i = 0; i < 10; ++i) {
    const int layer = first + i;
    DrawState.CurrentLayer = layer;
    DrawState.CurrentRect = {WindowWidth() + 100 * i, i * 69, WindowWidth(), height};
    PrepareLayer(kPreparePictureHidden);
    LayerInfo(layer).BackColor =
        white ? RgbColor(255, 255, RoundHalfEven(255 - 12.8 * i)) : RgbColor(0, 0, 0);
    ClearLayerImage(layer);
    CasinoSlide(layer, 0, i * 69);
  }
  CasinoRunSlides(30);
}

void Clear() {
  switch (SceneCursor.SceneStep) {
    case 0:
      RunMusicFade(100);
      GameSound(407);
      G04_Board(kCasinoBigBoard, 11);
      GoTo(kCasinoClear, 1);
      break;
    case 1:
      SlideBands(ScreenButtons.BoardFirstBox, true);
      GameSound(408);
      G04_Board(kCasinoSystemBoard, 1);
      GoTo(kCasinoClear, 2);
      break;
    case 2:
      SlideBands(ScreenButtons.BoardFirstBox + 10, false);
      GoTo(kCasinoClear, 3);
      Wait(-1, 300);
      break;
    case 3:
      HideLayerRange(0, 79);
      C00_LoadPicture(0, 0, 0);
      G04_Leave();
      break;
    default: break;
  }
}

// A click on game button n writes it as the game's steps read it.
void PressButton(int n) {
  InputEvent.InputSourceIndex = CasinoState.CasinoButtonFirstBox + n;
  InputEvent.InputSourceKind = 50;
  ScreenButtons.HoveredButton = n;
  G04_Step();
}

}  // namespace

// ---- Shared helpers ----

std::string CasinoNumberText(float value) {
  char text[32];
  for (int digits = 1; digits <= 7; ++digits) {
    std::snprintf(text, sizeof text, "%.*g", digits, static_cast<double>(value));
    // Whole numbers stay in plain digits: "10", not "1e+01".
    if (std::strchr(text, 'e') == nullptr && std::strtof(text, nullptr) == value) return text;
  }
  std::snprintf(text, sizeof text, "%.7g", static_cast<double>(value));
  return text;
}

void CasinoCell(int layer, int sheet, int cellX, int cellY, int width, int height, int x, int y) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {x, y, width, height};
  PrepareLayer(kPreparePictureHidden);
  ClipCellToLayer(sheet, cellX, cellY, width, height);
}

void CasinoPicture(int layer, int kind, int number, int x, int y) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {x, y, 1, 1};
  PrepareLayer(kPreparePictureHidden);
  C00_LoadPicture(1, kind, number);
}

void CasinoSheet(int sheet, int kind, int number) {
  DrawState.SheetIndex = sheet;
  C00_LoadPicture(2, kind, number);
}

void CasinoSlideFrom(int layer, int x0, int y0, int x, int y) {
  if (slideCount >= kMotionSlotCount) return;
  MotionSlotRecord& s = MotionSlot[static_cast<size_t>(slideCount++)];
  s.MotionLayer = layer;
  s.MotionStartX = x0;
  s.MotionStartY = y0;
  s.MotionEndX = x;
  s.MotionEndY = y;
}

void CasinoSlide(int layer, int x, int y) { CasinoSlideFrom(layer, LayerLeft(layer), LayerTop(layer), x, y); }

void CasinoRunSlides(int frames) {
  if (slideCount == 0) return;
  EffectParams.EffectMotionKind = kMotionEaseOut;
  EffectParams.EffectFrames = frames;
  EffectParams.EffectLastSlot = slideCount - 1;
  EffectParams.EffectFrameDelay = 13;
  slideCount = 0;
  RunEffect(kEffectMoveSlots, EffectEnd::kReturn);
}

void CasinoBigBoardOut() {
  const int board = BigBoardLayer();
  CasinoSlide(board, LayerLeft(board), WindowHeight());
  CasinoRunSlides(15);
  ShowLayer(board, false);
}

void CasinoQuitGame() {
  G04_Board(kCasinoHelpQuitPress, kCasinoQuitButton);
  CasinoState.CasinoBet = 0;
  GoToNextTick(kCasinoTitle, 4);
}

void CasinoCollectWin(int game, int checkStep) {
  const int win = CasinoState.PanelFirstBox + PanelOffset(6);
  CasinoSlide(win, -LayerWidth(win), 535);
  CasinoRunSlides(10);
  ShowLayer(win, false);
  GameSound(406);
  CasinoState.CasinoCredits += CasinoState.CasinoWin;
  G04_NumberPanel(0, 1);
  GoTo(game, checkStep);
  Wait(-1, 200);
}

void CasinoUnlockedBoard(int game, int unlockOutStep) {
  GameSound(407);
  G04_Board(kCasinoBigBoard, 15);
  GoTo(game, unlockOutStep);
}

void CasinoUnlockedBoardOut(int game, int checkStep) {
  CasinoBigBoardOut();
  GoToNextTick(game, checkStep);
}

int PanelOffset(int kind) {
  for (const NumberPanelStyle& p : NumberPanelStyles()) {
    if (p.kind == kind) return p.offset;
  }
  return 0;
}

// ---- Shared operations ----

void G04_NumberPanel(int kind, int redraw) {
  const NumberPanelStyle* style = nullptr;
  for (const NumberPanelStyle& p : NumberPanelStyles()) {
    if (p.kind == kind) style = &p;
  }
  if (style == nullptr) return;
  const int layer = CasinoState.PanelFirstBox + style->offset;
  std::string text;
  int size = 36;
  switch (kind) {
    case 0: {
      const float shown = CasinoState.CasinoCredits - CasinoState.CasinoBet;
      text = CasinoNumberText(shown);
      if (shown >= 1000000.0f) size = 28;
      break;
    }
    case 1: text = CasinoNumberText(CasinoState.CasinoBet); break;
    case 2:
      G04_HandTotal();
      text = std::to_string(CardHand.HandTotal);
      break;
    case 5: text = CasinoNumberText(CasinoState.CasinoMultiplier) + "x"; break;
    default: text = CasinoNumberText(CasinoState.CasinoWin); break;
  }
  DrawState.CurrentLayer = layer;
  if (redraw == 0) {
    PrepareLayer(kPreparePictureHidden);
  } else {
    ClearLayerImage(layer);
  }
  C00_LoadPicture(1, 1270, style->offset);
  TextStyle.CurrentText = text;
  TextStyle.TextFontSize = size;
  // Measured bold, as the panel's layer prints it: measured regular, a large number
  // would end past the panel's right edge instead of 15 px inside it.
  MeasureText(0);
  TextStyle.TextX = LayerWidth(layer) - 15 - TextStyle.MeasuredWidth;
  TextStyle.TextY = LayerHeight(layer) - 10 - TextStyle.MeasuredHeight;
  TextStyle.OutlineWidth = 1;
  TextStyle.TextColor = RgbColor(255, 255, 255);
  TextStyle.ShadeColor1 = RgbColor(style->shade1[0], style->shade1[1], style->shade1[2]);
  TextStyle.ShadeColor2 = RgbColor(style->shade2[0], style->shade2[1], style->shade2[2]);
  TextStyle.ShadeColor3 = RgbColor(style->shade3[0], style->shade3[1], style->shade3[2]);
  PrintText(1, layer);
}

namespace {

int Panel(int kind) { return CasinoState.PanelFirstBox + PanelOffset(kind); }

// A board picture centred, falling from just above the window to its middle.
void DropBoard(int layer, int kind, int number, int frames) {
  CasinoPicture(layer, kind, number, 0, 0);
  int w = LayerWidth(layer), h = LayerHeight(layer);
  CasinoSlideFrom(layer, CentreX(w), -h, CentreX(w), CentreY(h));
  CasinoRunSlides(frames);
}

// A button shows its pressed cell (row y `pressedY` of sheet `sheet`) for one pause,
// then its normal cell (row 0).
void PressCell(int layer, int sheet, int cellX, int pressedY, int width, int height) {
  DrawState.CurrentLayer = layer;
  ClipCellToLayer(sheet, cellX, pressedY, width, height);
  RunPause(kPressMs);
  DrawState.CurrentLayer = layer;
  ClipCellToLayer(sheet, cellX, 0, width, height);
}

void CardMessageStrip(int row) {
  const int box = CasinoState.CasinoMessageBox;
  const int y = row == 0 ? 208 : 471;
  CasinoCell(box, 1, 0, row * 75, 400, 75, CentreX(400), y - 50);
  CasinoSlide(box, CentreX(400), y);
  CasinoRunSlides(10);
}

void CardResultStrip(int row) {
  const int box = CasinoState.CasinoMessageBox;
  CasinoCell(box, 3, 0, row * 60, 250, 60, CentreX(250), 245);
  CasinoSlide(box, CentreX(250), 295);
  CasinoRunSlides(10);
}

void MessageOut() {
  const int box = CasinoState.CasinoMessageBox;
  GameSound(400);
  CasinoSlide(box, LayerLeft(box), WindowHeight());
  CasinoRunSlides(10);
  ShowLayer(box, false);
}

// The pressed cells lie in a row from the left (layout 0) or from the right in steps of
// two (layout 1).
void ButtonPress(int layout) {
  GameSound(CasinoState.PressSoundKind == 0 ? 403 : 404);
  const int n = ScreenButtons.HoveredButton;
  PressCell(CasinoState.CasinoButtonFirstBox + n, 2, layout == 0 ? n * 100 : 600 - n * 200, 80, 100, 80);
}

void StopPress() {
  GameSound(405);
  PressCell(CasinoState.CasinoButtonFirstBox + 2, 2, 200, 80, 240, 80);
}

void HelpQuitPress(int button) {
  GameSound(404);
  PressCell(CasinoState.CasinoButtonFirstBox + 5 + button, 5, button * 90, 60, 90, 60);
}

void AfterDeal() {
  const int box = CasinoState.CasinoMessageBox;
  const int buttons = CasinoState.CasinoButtonFirstBox;
  CasinoSlide(box, LayerLeft(box), -LayerHeight(box));
  for (int layer = buttons; layer <= buttons + 6; ++layer) CasinoSlide(layer, LayerLeft(layer), WindowHeight());
  CasinoRunSlides(10);
  HideLayerRange(buttons, buttons + 6);
  ShowLayer(box, false);
}

void NewDeal() {
  const int box = CasinoState.CasinoMessageBox;
  const int buttons = CasinoState.CasinoButtonFirstBox;
  CasinoSlide(box, LayerLeft(box), -LayerHeight(box));
  for (int layer = buttons; layer <= buttons + 4; ++layer) CasinoSlide(layer, LayerLeft(layer), WindowHeight());
  const int bet = Panel(1);
  CasinoSlide(bet, LayerLeft(bet), WindowHeight());
  for (int card = 0; card <= 1; ++card) {
    const int layer = CasinoState.CardFirstBox + card;
    CasinoSlide(layer, -LayerWidth(layer), LayerTop(layer));
  }
  CasinoRunSlides(10);
  HideLayerRange(buttons, buttons + 4);
  HideLayerRange(CasinoState.CardFirstBox, CasinoState.CardFirstBox + 1);
  ShowLayer(bet, false);
  ShowLayer(box, false);
}

void DrawButtonsOut() {
  const int box = CasinoState.CasinoMessageBox;
  const int buttons = CasinoState.CasinoButtonFirstBox;
  LayerToFront(box);
  CasinoSlide(box, LayerLeft(box), -LayerHeight(box));
  CasinoSlide(buttons, LayerLeft(buttons), WindowHeight());
  CasinoSlide(buttons + 1, LayerLeft(buttons + 1), WindowHeight());
  CasinoRunSlides(10);
  HideLayerRange(buttons, buttons + 1);
  ShowLayer(box, false);
}

void ResultList() {
  const int buttons = CasinoState.CasinoButtonFirstBox;
  const bool story = CasinoState.CasinoMode == 1;
  int w = story ? 600 : 800, h = story ? 60 : 80, gap = story ? 10 : 20;
  int e = 0;
  while (e < static_cast<int>(CardHand.ResultRows.size()) && CardHand.ResultRows[static_cast<size_t>(e)] >= 0) ++e;
  e = std::min(e, 7);  // caption layers 10 to 16
  const int top = 250 - (e * h + (e - 1) * gap) / 2;
  for (int i = 0; i < e; ++i) {
    const int row = CardHand.ResultRows[static_cast<size_t>(i)];
    const int y = top + i * (h + gap);
    CasinoCell(buttons + i, 4, 0, row * h, w, h, WindowWidth(), y);
    CasinoSlide(buttons + i, CentreX(w), y);
  }
  const int u = top + e * (h + gap);
  const int bet = Panel(1);
  LayerToFront(bet);
  CasinoSlide(bet, WindowWidth() - 490 - 10 - LayerWidth(bet), u);
  G04_NumberPanel(5, 0);
  const int multiplier = Panel(5);
  const int multiplierX = WindowWidth() - 270 - 10 - LayerWidth(multiplier);
  CasinoSlideFrom(multiplier, multiplierX, WindowHeight(), multiplierX, u);
  G04_NumberPanel(6, 0);
  const int win = Panel(6);
  CasinoSlideFrom(win, WindowWidth() - 270, WindowHeight(), WindowWidth() - 270, u);
  CasinoRunSlides(10);
}

void HandEnd() {
  const int buttons = CasinoState.CasinoButtonFirstBox;
  for (int kindOfPanel : {1, 5, 6}) {
    const int layer = Panel(kindOfPanel);
    CasinoSlide(layer, LayerLeft(layer), WindowHeight());
  }
  const int total = Panel(2);
  CasinoSlide(total, LayerLeft(total), -LayerHeight(total));
  for (int layer = buttons; layer <= buttons + 6; ++layer) {
    if (tq::ThePlatform().Screen().Layer(layer).visible) CasinoSlide(layer, WindowWidth(), LayerTop(layer));
  }
  CasinoRunSlides(10);
  HideLayerRange(CasinoState.PanelFirstBox + 1, CasinoState.PanelFirstBox + 4);
  HideLayerRange(buttons, buttons + 6);
  for (int card = 0; card <= CardHand.DealtLast; ++card) {
    const int layer = CasinoState.CardFirstBox + card;
    CasinoSlide(layer, -LayerWidth(layer), LayerTop(layer));
  }
  CasinoRunSlides(10);
  HideLayerRange(CasinoState.CardFirstBox, CasinoState.CardFirstBox + 4);
}

void HelpQuitButtons() {
  const int buttons = CasinoState.CasinoButtonFirstBox;
  for (int i = 0; i <= 1; ++i) {
    CasinoCell(buttons + 5 + i, 5, i * 90, 0, 90, 60, WindowWidth() - 90, WindowHeight());
    CasinoSlide(buttons + 5 + i, WindowWidth() - 90, WindowHeight() - 127 + 65 * i);
  }
  CasinoRunSlides(10);
}

}  // namespace

void G04_Board(int kind, int variant) {
  switch (kind) {
    case kCasinoCardMessage: CardMessageStrip(variant); break;
    case kCasinoCardResult: CardResultStrip(variant); break;
    case kCasinoRulesBoard: DropBoard(CasinoState.CasinoMessageBox, 1276, variant, 20); break;
    case kCasinoMessageOut: MessageOut(); break;
    case kCasinoButtonPress: ButtonPress(variant); break;
    case kCasinoStopPress: StopPress(); break;
    case kCasinoHelpQuitPress: HelpQuitPress(variant); break;
    case kCasinoAfterDeal: AfterDeal(); break;
    case kCasinoNewDeal: NewDeal(); break;
    case kCasinoDrawButtonsOut: DrawButtonsOut(); break;
    case kCasinoResultList: ResultList(); break;
    case kCasinoHandEnd: HandEnd(); break;
    case kCasinoSystemBoard: DropBoard(CasinoState.CasinoMessageBox, 1278, variant, 10); break;
    case kCasinoBigBoard: DropBoard(BigBoardLayer(), kPictureBoards, variant, 15); break;
    case kCasinoHelpQuitButtons: HelpQuitButtons(); break;
    default: break;
  }
}

void G04_CheckMoney() {
  if (CasinoState.CasinoMode == 0 && MarbrookProgress.BonusCgUnlocked == 0 &&
      CasinoState.CasinoCredits >= CasinoState.CasinoUnlockCredits) {
    MarbrookProgress.BonusCgUnlocked = 1;
    C00_SaveSettings();
    CasinoState.MoneyCheckResult = kMoneyUnlocked;
  } else if (CasinoState.CasinoCredits <= 0.0f) {
    CasinoState.MoneyCheckResult = kMoneyGameOver;
  } else if (CasinoState.CasinoCredits >= 100000.0f) {
    CasinoState.MoneyCheckResult = kMoneyClear;
  } else {
    CasinoState.MoneyCheckResult = kMoneyPlayOn;
  }
}

void G04_Panels(int /*flag*/, int picture) {
  DrawState.SheetIndex = 0;
  if (picture >= 10) C00_LoadPicture(2, kPictureGameBack, picture - 10);
  else C00_LoadPicture(2, kPictureTitle, picture);
  const int height = WindowHeight() / 10;
  for (int i = 0; i < kSlideStrips; ++i) {
    const int layer = ScreenButtons.BoardFirstBox + i;
    CasinoCell(layer, 0, 0, i * height, WindowWidth(), height, WindowWidth() + 100 * i, i * height);
    CasinoSlide(layer, 0, i * height);
  }
  CasinoRunSlides(20);
}

// ---- Members ----

void G04_Step() {
  switch (SceneCursor.SceneState) {
    case kFreeEntry:
    case kFreePlay:
      CasinoState.CasinoMode = 0;
      GoToNextTick(kCasinoStart, 0);
      return;
    case kStoryEntry:
      CasinoState.CasinoMode = 1;
      GoToNextTick(kCasinoStart, 0);
      return;
    case kCasinoStart: Start(); return;
    case kCasinoTitle: Title(); return;
    case kSelect: Select(); return;
    case kCasinoGameOver: GameOver(); return;
    case kCasinoClear: Clear(); return;
    default: break;
  }
  if (SceneCursor.SceneState >= 100 && SceneCursor.SceneState <= 199) G04_CardStep();
  else if (SceneCursor.SceneState >= 200 && SceneCursor.SceneState <= 299) G04_SlotStep();
}

void G04_Hover() {
  if (SceneCursor.ButtonMode != 10) return;
  const int pointer = PointerLayer();
  const int n = InputEvent.InputSourceKind == 50 ? InputEvent.InputSourceIndex - ScreenButtons.ButtonFirstBox : -1;
  if (n == 0 || n == 1) {
    if (ScreenButtons.HoveredButton == n) return;
    ShowLayer(pointer, false);
    const int button = GameButton(n);
    CasinoPicture(pointer, kPicturePointer, 0, 0, 0);
    MoveLayer(pointer, LayerLeft(button) + LayerWidth(button) - 30, LayerTop(button) + LayerHeight(button) / 2 - 50,
              LayerWidth(pointer), LayerHeight(pointer));
    ShowLayer(pointer, true);
    ScreenButtons.HoveredButton = n;
    GameSound(402);
    return;
  }
  if (InputEvent.InputSourceKind == 50 && InputEvent.InputSourceIndex == pointer) return;
  if (ScreenButtons.HoveredButton >= 0) {
    ShowLayer(pointer, false);
    ScreenButtons.HoveredButton = -1;
  }
}

bool G04_FrameGate() {
  const int code = FrameClock.AnimationCode;
  if (code < 1000) {
    C40_EffectStep();
    return true;
  }
  if (code <= 1099) {
    G04_Frame();
    return true;
  }
  return false;
}

void G04_OnKey() {
  const int state = SceneCursor.SceneState;
  const int step = SceneCursor.SceneStep;
  const int key = InputEvent.KeyCode;
  const bool advance = InputEvent.AdvanceKeyDown == 1;
  int button = -1;
  bool buttonStep = false;
  if (state == kCardGame && step == 11) {
    buttonStep = true;
    if (advance) button = 3;
    else if (key >= tq::kKeyPad0 + 1 && key <= tq::kKeyPad0 + 3) button = key - tq::kKeyPad0 - 1;
    else if (key == tq::kKeyPad0) button = 4;
  } else if (state == kCardGame && step == 21) {
    buttonStep = true;
    if (advance) button = 0;
    else if (key == tq::kKeyPad0) button = 1;
  } else if (state == kSlotGame && step == 11) {
    buttonStep = true;
    if (advance) button = 2;
    else if (key == tq::kKeyPad0 + 2 || key == tq::kKeyAdd) button = 0;
    else if (key == tq::kKeyPad0 + 3) button = 1;
  }
  if (button >= 0) {
    PressButton(button);
    return;
  }
  if (buttonStep || !advance) return;
  G04_Step();
  InputEvent.AdvanceKeyDown = 0;
}

void G04_Leave() {
  if (CasinoState.CasinoMode == 1) {
    SceneCursor.StageNumber = 70;
    SceneCursor.SceneCode = kConversationScene;
    GoToNextTick(0, 10);
  } else {
    SceneCursor.SceneCode = kTitleScene;
    GoTo(-40, 0);
    Wait(-1, 500);
  }
}

void RegisterCasino() {
  ScreenHookSet& screen = MarbrookScreen(54);
  screen.Step = G04_Step;
  screen.Hover = G04_Hover;
  screen.Frame = G04_FrameGate;
  screen.OnKey = G04_OnKey;
  MarbrookNamedCalls.G04_StopReelClick = G04_StopReelClick;
}

void ResetCasinoState() {
  CasinoState = CasinoStateRecord{};
  SlotMachine = SlotMachineRecord{};
  CardHand = CardHandRecord{};
  slideCount = 0;
}
