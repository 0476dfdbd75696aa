// The casino's slot machine (SceneState 200): three reels stepping through fixed
// strips every 75 ms, stopped left to right by the player; nothing is random.
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "engine/text.h"
#include "marbrook/marbrook_pictures.h"
#include "marbrook/marbrook_sounds.h"
#include "games/screen_buttons.h"
#include "marbrook/minigames/casino.h"
#include "scenario/auto_reading.h"

SlotMachineRecord SlotMachine;

namespace {

constexpr int kSpinCode = 1000;
constexpr int kCell = 100;
constexpr int kMaxBet = 1000;
// Steps of the slot state.
enum : int {
  kOpen = 0,
  kNextSpin = 10,
  kButtons = 11,
  kTakeBet = 12,
  kRulesOut = 13,
  kSpin = 20,
  kShowWin = 21,
  kCollect = 22,
  kCheck = 23,
  kUnlocked = 50,
  kUnlockOut = 51,
};
// Buttons of step 11, by n (layer CasinoButtonFirstBox + n).
enum : int { kBet = 0, kSpinButton = 1, kStop = 2, kHelp = 5, kQuit = 6 };

int Button(int n) { return CasinoState.CasinoButtonFirstBox + n; }
int CreditPanel() { return CasinoState.PanelFirstBox + PanelOffset(0); }
int WinPanel() { return CasinoState.PanelFirstBox + PanelOffset(6); }
int RowPanel(int row) { return CasinoState.PanelFirstBox + 1 + row; }
int RowCentreY(int row) { return row == 0 ? 300 : (row == 1 ? 180 : 420); }

int Wrap(int pos) {
  if (pos > SlotMachine.ReelLastIndex) return 0;
  if (pos < 0) return SlotMachine.ReelLastIndex;
  return pos;
}

// The symbol shown in row (0 middle, 1 top, 2 bottom) of a reel.
int SymbolAt(int reel, int row) {
  const SlotMachineRecord& slots = SlotMachine;
  const int offset = row == 1 ? 1 : (row == 2 ? -1 : 0);
  return slots.ReelStrip[static_cast<size_t>(reel)]
                        [static_cast<size_t>(Wrap(slots.ReelPos[static_cast<size_t>(reel)] + offset))];
}

void SlotButtonsRise() {
  CasinoCell(Button(kBet), 2, 0, 0, 100, 80, 348, WindowHeight());
  CasinoSlide(Button(kBet), 348, 608);
  CasinoCell(Button(kSpinButton), 2, 100, 0, 100, 80, 473, WindowHeight());
  CasinoSlide(Button(kSpinButton), 473, 608);
}

void Open() {
  C15_PlayMusic(401);
  C00_LoadPicture(0, 1271, 0);
  CasinoSheet(0, 1285, 0);
  CasinoSheet(1, 1287, 0);
  CasinoSheet(2, 1286, 0);
  CasinoSheet(5, 1279, 0);
  G04_LoadReels();
  SlotMachine.ReelPos = {1, 1, 1};
  for (int reel = 0; reel < kReelCount; ++reel) G04_DrawReel(reel);
  for (int i = 0; i < 9; ++i) ShowLayer(CasinoState.ReelFirstBox + i, true);
  DrawState.CurrentRect = {0, 535, 1, 1};
  G04_NumberPanel(0, 0);
  CasinoSlideFrom(CreditPanel(), -LayerWidth(CreditPanel()), 535, 0, 535);
  CasinoRunSlides(20);
  SlotButtonsRise();
  CasinoCell(Button(kStop), 2, 200, 0, 240, 80, 340, WindowHeight());
  CasinoSlide(Button(kStop), 340, 508);
  CasinoRunSlides(10);
  G04_Board(kCasinoHelpQuitButtons, 0);
  if (CasinoState.RulesShown[0] == 0) {
    CasinoState.RulesShown[0] = 1;
    G04_Board(kCasinoRulesBoard, 2);
    GoTo(kSlotGame, kRulesOut);
  } else {
    GoTo(kSlotGame, kButtons);
  }
}

void ButtonClick() {
  if (InputEvent.InputSourceKind != 50) return;
  const int n = InputEvent.InputSourceIndex - CasinoState.CasinoButtonFirstBox;
  if (n != kBet && n != kSpinButton && n != kStop && n != kHelp && n != kQuit) return;
  ScreenButtons.HoveredButton = n;
  CasinoState.PressSoundKind = 1;
  switch (n) {
    case kBet:
      CasinoState.PressSoundKind = 0;
      G04_Board(kCasinoButtonPress, 0);
      if (CasinoState.CasinoCredits - CasinoState.CasinoBet >= 1.0f && CasinoState.CasinoBet + 1.0f <= kMaxBet) {
        CasinoState.CasinoBet += 1.0f;
        G04_NumberPanel(0, 1);
        G04_Lamp(0, static_cast<int>(CasinoState.CasinoBet) - 1);
        if (CasinoState.CasinoBet >= 3.0f) {
          GoToNextTick(kSlotGame, kTakeBet);
        }
      }
      break;
    case kSpinButton:
      G04_Board(kCasinoButtonPress, 0);
      if (CasinoState.CasinoBet > 0.0f) {
        GoToNextTick(kSlotGame, kTakeBet);
      }
      break;
    case kStop: G04_Board(kCasinoStopPress, 0); break;
    case kHelp:
      G04_Board(kCasinoHelpQuitPress, kCasinoHelpButton);
      G04_Board(kCasinoRulesBoard, 2);
      GoTo(kSlotGame, kRulesOut);
      break;
    case kQuit: CasinoQuitGame(); break;
    default: break;
  }
}

void ShowWin() {
  G04_SlotEvaluate();
  CasinoState.CasinoWin = 0;
  for (int row = 0; row <= SlotMachine.BetRows && row < 3; ++row) {
    const int pay = SlotMachine.RowWin[static_cast<size_t>(row)];
    if (pay <= 0) continue;
    const int marker = CasinoState.CasinoMessageBox + row;
    CasinoPicture(marker, 1288, 0, 265, 0);
    MoveLayer(marker, 265, RowCentreY(row) - LayerHeight(marker) / 2, LayerWidth(marker), LayerHeight(marker));
    ShowLayer(marker, true);
    G04_LineWin(row);
    const int panel = RowPanel(row);
    const int y = RowCentreY(row) - LayerHeight(panel) / 2;
    CasinoSlideFrom(panel, WindowWidth(), y, 712, y);
    CasinoRunSlides(10);
    CasinoState.CasinoWin += static_cast<float>(pay);
  }
  if (CasinoState.CasinoWin > 0.0f) {
    DrawState.CurrentRect = {WindowWidth(), 485, 1, 1};
    G04_NumberPanel(6, 0);
    CasinoSlideFrom(WinPanel(), WindowWidth(), 485, WindowWidth() - (LayerWidth(WinPanel()) + 10), 485);
    CasinoRunSlides(10);
    GoTo(kSlotGame, kCollect);
  } else {
    GoToNextTick(kSlotGame, kCheck);
  }
}

void Collect() {
  for (int row = 0; row < 3; ++row) {
    if (row > SlotMachine.BetRows || SlotMachine.RowWin[static_cast<size_t>(row)] <= 0) continue;
    ShowLayer(CasinoState.CasinoMessageBox + row, false);
    CasinoSlide(RowPanel(row), WindowWidth(), LayerTop(RowPanel(row)));
  }
  CasinoSlide(WinPanel(), LayerLeft(WinPanel()), 535);
  CasinoRunSlides(20);
  for (int row = 0; row < 3; ++row) ShowLayer(RowPanel(row), false);
  CasinoCollectWin(kSlotGame, kCheck);
}

void Check() {
  G04_CheckMoney();
  switch (CasinoState.MoneyCheckResult) {
    case kMoneyPlayOn: GoTo(kSlotGame, kNextSpin); break;
    case kMoneyGameOver: GoTo(kCasinoGameOver, 0); break;
    case kMoneyClear: GoTo(kCasinoClear, 0); break;
    default: GoTo(kSlotGame, kUnlocked); break;
  }
  Wait(0, 0);
}

}  // namespace

void G04_SlotStep() {
  switch (SceneCursor.SceneStep) {
    case kOpen: Open(); break;
    case kNextSpin:
      CasinoState.CasinoBet = 0;
      CasinoState.CasinoWin = 0;
      HideLayerRange(CasinoState.LampFirstBox, CasinoState.LampFirstBox + 2);
      SlotButtonsRise();
      CasinoRunSlides(10);
      G04_Board(kCasinoHelpQuitButtons, 0);
      GoTo(kSlotGame, kButtons);
      break;
    case kButtons: ButtonClick(); break;
    case kTakeBet:
      SlotMachine.BetRows = static_cast<int>(CasinoState.CasinoBet) - 1;
      CasinoState.CasinoCredits -= CasinoState.CasinoBet;
      CasinoState.CasinoBet = 0;
      for (int n : {kBet, kSpinButton, kHelp, kQuit}) CasinoSlide(Button(n), LayerLeft(Button(n)), WindowHeight());
      CasinoRunSlides(10);
      for (int n : {kBet, kSpinButton, kHelp, kQuit}) ShowLayer(Button(n), false);
      GoToNextTick(kSlotGame, kSpin);
      break;
    case kRulesOut:
      G04_Board(kCasinoMessageOut, 0);
      GoTo(kSlotGame, kButtons);
      break;
    case kSpin:
      SlotMachine.ReelsStopped = 0;
      AnimationRun.WaitKind = kWaitCasinoReels;
      GoTo(kSlotGame, kShowWin);
      Wait(kSpinCode, 0);
      break;
    case kShowWin: ShowWin(); break;
    case kCollect: Collect(); break;
    case kCheck: Check(); break;
    case kUnlocked: CasinoUnlockedBoard(kSlotGame, kUnlockOut); break;
    case kUnlockOut: CasinoUnlockedBoardOut(kSlotGame, kCheck); break;
    default: break;
  }
}

void G04_LoadReels() {
  const std::span<const char* const> strips = ReelStripTexts(CasinoState.CasinoMode);
  SlotMachine.ReelLastIndex = CasinoState.CasinoMode == 1 ? 21 : 20;
  for (int reel = 0; reel < kReelCount; ++reel) {
    std::vector<std::string> fields;
    int count = 0;
    SplitFields(strips[static_cast<size_t>(reel)], ",", kReelStripSize, fields, count);
    auto& strip = SlotMachine.ReelStrip[static_cast<size_t>(reel)];
    strip.fill(0);
    for (int i = 1; i <= count && i <= kReelStripSize; ++i) {
      strip[static_cast<size_t>(i - 1)] = std::atoi(fields[static_cast<size_t>(i)].c_str());
    }
  }
}

void G04_DrawReel(int reel) {
  if (reel < 0 || reel >= kReelCount) return;
  // Rows top, middle, bottom: positions + 1, + 0, - 1.
  constexpr int kRowOf[] = {1, 0, 2};
  for (int j = 0; j < 3; ++j) {
    const int layer = CasinoState.ReelFirstBox + 3 * reel + j;
    const int symbol = SymbolAt(reel, kRowOf[j]);
    DrawState.CurrentLayer = layer;
    MoveLayer(layer, 280 + 130 * reel, 130 + 120 * j, kCell, kCell);
    ClipCellToLayer(0, (symbol - 1) * kCell, 0, kCell, kCell);
  }
}

void G04_SlotEvaluate() {
  const bool story = CasinoState.CasinoMode == 1;
  for (int row = 0; row < 3; ++row) {
    auto& line = SlotMachine.ReelWindow[static_cast<size_t>(row)];
    for (int reel = 0; reel < kReelCount; ++reel) line[static_cast<size_t>(reel)] = SymbolAt(reel, row);
    int pay = 0;
    if (line[0] == line[1] && line[1] == line[2]) pay = TripleSymbolPay(line[0]);
    int fours = 0;
    int fives = 0;
    for (int s : line) {
      fours += s == 4 ? 1 : 0;
      fives += s == 5 ? 1 : 0;
    }
    if (pay == 0) {
      if (fours == 2) pay = 20;
      else if (fives == 1) pay = story ? 4 : 1;
      else if (fives == 2) pay = 10;
    }
    SlotMachine.RowWin[static_cast<size_t>(row)] = pay;
  }
}

void G04_LineWin(int row) {
  const int layer = RowPanel(row);
  CasinoPicture(layer, 1289, 0, WindowWidth(), 0);
  TextStyle.CurrentText = std::to_string(SlotMachine.RowWin[static_cast<size_t>(row)]);
  TextStyle.TextFontSize = 60;
  MeasureText(0);  // bold, as the layer prints it, so the payout ends 14 px inside

  TextStyle.TextX = LayerWidth(layer) - 14 - TextStyle.MeasuredWidth;
  TextStyle.TextY = (LayerHeight(layer) - TextStyle.MeasuredHeight) / 2;
  TextStyle.OutlineWidth = 1;
  TextStyle.TextColor = RgbColor(255, 255, 255);
  TextStyle.ShadeColor1 = RgbColor(255, 180, 180);
  TextStyle.ShadeColor2 = RgbColor(200, 140, 140);
  TextStyle.ShadeColor3 = RgbColor(150, 80, 80);
  PrintText(1, layer);
}

void G04_Lamp(int flag, int row) {
  if (flag != 0 || row < 0 || row > 2) return;
  // The first bet lights the middle line, the second the top, the third the bottom.
  constexpr int kLine[] = {1, 0, 2};
  const int r = kLine[row];
  const int layer = CasinoState.LampFirstBox + row;
  CasinoCell(layer, 1, 0, 120 * r, 550, 100, 200, 130 + 120 * r);
  ShowLayer(layer, true);
  LayerToBack(layer);
}

void G04_Frame() {
  if (FrameClock.AnimationCode != kSpinCode) return;
  SetFrameLength(-1, 75);
  for (int reel = SlotMachine.ReelsStopped; reel < kReelCount; ++reel) {
    int& pos = SlotMachine.ReelPos[static_cast<size_t>(reel)];
    pos = Wrap(pos + 1);
    G04_DrawReel(reel);
  }
  if (SlotMachine.StopButtonFlash > 0) {
    --SlotMachine.StopButtonFlash;
    if (SlotMachine.StopButtonFlash == 0) {
      DrawState.CurrentLayer = Button(kStop);
      ClipCellToLayer(2, 200, 0, 240, 80);
      if (SlotMachine.ReelsStopped == 3) {
        FrameClock.LoopAbortRequested = -1;
        AnimationRun.WaitKind = 0;
        Wait(0, 0);
      }
    }
  }
}

void G04_StopReelClick() {
  const bool fromButton = InputEvent.InputSourceIndex == Button(kStop) && InputEvent.InputSourceKind == 50;
  if (InputEvent.AdvanceKeyDown != 1 && !fromButton) return;
  if (SlotMachine.ReelsStopped < 3) ++SlotMachine.ReelsStopped;
  SlotMachine.StopButtonFlash = 1;
  GameSound(405);
  DrawState.CurrentLayer = Button(kStop);
  ClipCellToLayer(2, 200, 80, 240, 80);
}
