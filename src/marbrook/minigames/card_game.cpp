// The casino's 21-card game (SceneState 100): one card up, one down, a bet of 1 to
// 1,000, then draw or stand up to five cards; the hand earns a multiplier from the
// free-play or the story table.
#include <algorithm>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "marbrook/marbrook_pictures.h"
#include "marbrook/marbrook_sounds.h"
#include "games/screen_buttons.h"
#include "marbrook/minigames/casino.h"

CardHandRecord CardHand;

namespace {

constexpr int kCardWidth = 210;
constexpr int kCardHeight = 280;
constexpr int kCardFaces = 1283;
constexpr float kMaxBet = 1000.0f;

enum : int {
  kOpen = 0,
  kRulesOut = 1,
  kNewDeal = 10,
  kBetting = 11,
  kHelpOut = 13,
  kTurn = 20,
  kDrawOrStand = 21,
  kDraw = 25,
  kStripOut = 29,
  kEvaluate = 30,
  kPay = 31,
  kCheck = 32,
  kUnlocked = 50,
  kUnlockOut = 51,
};
// Buttons of step 11 by n.
enum : int { kNewDealButton = 4, kHelp = 5, kQuit = 6 };
constexpr float kBetAmounts[] = {1.0f, 10.0f, 100.0f};

int Suit(int card) { return card / 13; }
int Rank(int card) { return card % 13; }
int HandCard(int i) { return CardHand.CardDeck[static_cast<size_t>(i)]; }

int Button(int n) { return CasinoState.CasinoButtonFirstBox + n; }
int Panel(int kind) { return CasinoState.PanelFirstBox + PanelOffset(kind); }
int CardX(int n) { return 100 + 70 * n; }
constexpr int kCardY = 185;

// The card DealtLast falls from just above the window to its place.
void CardFallsIn(bool faceUp) {
  const int n = CardHand.DealtLast;
  const int layer = CasinoState.CardFirstBox + n;
  DrawState.CurrentRect = {CardX(n), -kCardHeight, kCardWidth, kCardHeight};
  if (faceUp) {
    G04_DrawCard(0, 0);
  } else {
    CasinoPicture(layer, CasinoState.CasinoMode == 1 ? 1280 : 1282, 0, CardX(n), -kCardHeight);
  }
  LayerToFront(layer);
  CasinoSlideFrom(layer, CardX(n), -kCardHeight, CardX(n), kCardY);
  CasinoRunSlides(20);
}

void Open() {
  C15_PlayMusic(402);
  C00_LoadPicture(0, 1271, 1);
  CasinoSheet(1, 1272, 0);
  CasinoSheet(2, 1274, 0);
  CasinoSheet(3, 1272, 1);
  CasinoSheet(4, 1272, CasinoState.CasinoMode + 2);
  CasinoSheet(5, 1279, 0);
  DrawState.CurrentRect = {0, 535, 1, 1};
  G04_NumberPanel(0, 0);
  CasinoSlideFrom(Panel(0), -LayerWidth(Panel(0)), 535, 0, 535);
  CasinoRunSlides(20);
  CasinoState.SysButtonsShown = 0;
  if (CasinoState.RulesShown[1] == 0) {
    CasinoState.RulesShown[1] = 1;
    G04_Board(kCasinoRulesBoard, CasinoState.CasinoMode);
    GoTo(kCardGame, kRulesOut);
  } else {
    GoToNextTick(kCardGame, kNewDeal);
  }
}

void NewDeal() {
  G04_Shuffle();
  CardHand.DealtLast = 0;
  CasinoState.CasinoBet = 0;
  CardFallsIn(true);
  CardHand.DealtLast = 1;
  CardFallsIn(false);
  G04_Board(kCasinoCardMessage, 0);
  DrawState.CurrentRect = {0, WindowHeight(), 1, 1};
  G04_NumberPanel(1, 0);
  CasinoSlideFrom(Panel(1), CentreX(LayerWidth(Panel(1))), WindowHeight(), CentreX(LayerWidth(Panel(1))), 363);
  for (int i = 0; i < 4; ++i) {
    CasinoCell(Button(i), 2, i * 100, 0, 100, 80, 223 + 125 * i, WindowHeight());
    CasinoSlide(Button(i), 223 + 125 * i, 508);
  }
  CasinoCell(Button(kNewDealButton), 2, 400, 0, 100, 80, CentreX(100), WindowHeight());
  CasinoSlide(Button(kNewDealButton), CentreX(100), 608);
  CasinoRunSlides(10);
  if (CasinoState.SysButtonsShown == 0) {
    CasinoState.SysButtonsShown = 1;
    G04_Board(kCasinoHelpQuitButtons, 0);
  }
  GoTo(kCardGame, kBetting);
}

void BettingClick() {
  if (InputEvent.InputSourceKind != 50) return;
  const int n = InputEvent.InputSourceIndex - CasinoState.CasinoButtonFirstBox;
  if (n < 0 || n > kQuit) return;
  ScreenButtons.HoveredButton = n;
  CasinoState.PressSoundKind = 1;
  if (n <= 2) {
    const float amount = kBetAmounts[n];
    CasinoState.PressSoundKind = 0;
    G04_Board(kCasinoButtonPress, 0);
    if (CasinoState.CasinoCredits - CasinoState.CasinoBet >= amount && CasinoState.CasinoBet + amount <= kMaxBet) {
      CasinoState.CasinoBet += amount;
      G04_NumberPanel(0, 1);
      G04_NumberPanel(1, 1);
    }
    return;
  }
  switch (n) {
    case 3:  // deal
      G04_Board(kCasinoButtonPress, 0);
      if (CasinoState.CasinoBet <= 0.0f) return;
      CasinoState.CasinoCredits -= CasinoState.CasinoBet;
      G04_Board(kCasinoAfterDeal, 0);
      CasinoSlide(Panel(1), WindowWidth() - 30 - LayerWidth(Panel(1)), LayerTop(Panel(1)));
      CasinoRunSlides(15);
      GoToNextTick(kCardGame, kTurn);
      break;
    case kNewDealButton:
      G04_Board(kCasinoButtonPress, 0);
      CasinoState.CasinoBet = 0;
      G04_NumberPanel(0, 1);
      G04_Board(kCasinoNewDeal, 0);
      GoToNextTick(kCardGame, kNewDeal);
      break;
    case kHelp:
      G04_Board(kCasinoHelpQuitPress, kCasinoHelpButton);
      G04_Board(kCasinoRulesBoard, CasinoState.CasinoMode);
      GoTo(kCardGame, kHelpOut);
      break;
    case kQuit: CasinoQuitGame(); break;
    default: break;
  }
}

void HandTotalPanel(bool fallIn) {
  if (!fallIn) {
    G04_NumberPanel(2, 1);
    return;
  }
  DrawState.CurrentRect = {0, 0, 1, 1};
  G04_NumberPanel(2, 0);
  const int layer = Panel(2);
  CasinoSlideFrom(layer, CentreX(LayerWidth(layer)), -LayerHeight(layer), CentreX(LayerWidth(layer)), 50);
  CasinoRunSlides(10);
}

void DrawButtonsRise() {
  CasinoCell(Button(0), 2, 600, 0, 100, 80, 348, WindowHeight());
  CasinoSlide(Button(0), 348, WindowHeight() - 110);
  CasinoCell(Button(1), 2, 400, 0, 100, 80, 473, WindowHeight());
  CasinoSlide(Button(1), 473, WindowHeight() - 110);
  CasinoRunSlides(10);
}

void Turn() {
  const int layer = CasinoState.CardFirstBox + 1;
  const int x = LayerLeft(layer), y = LayerTop(layer);
  CasinoSlide(layer, x + 30, y);
  CasinoRunSlides(10);
  G04_DrawCard(0, 1);
  CasinoSlide(layer, x, y);
  CasinoRunSlides(10);
  HandTotalPanel(true);
  if (CardHand.HandTotal == 21) {
    G04_Board(kCasinoCardResult, 0);
    GoTo(kCardGame, kStripOut);
    return;
  }
  G04_Board(kCasinoCardMessage, 1);
  DrawButtonsRise();
  GoTo(kCardGame, kDrawOrStand);
}

void DrawOrStand() {
  if (InputEvent.InputSourceKind != 50) return;
  const int n = InputEvent.InputSourceIndex - CasinoState.CasinoButtonFirstBox;
  if (n != 0 && n != 1) return;
  ScreenButtons.HoveredButton = n;
  CasinoState.PressSoundKind = 1;
  G04_Board(kCasinoButtonPress, 1);
  if (n == 0) {
    GoTo(kCardGame, kDraw);
  } else {
    G04_Board(kCasinoDrawButtonsOut, 0);
    GoTo(kCardGame, kEvaluate);
  }
  Wait(0, 0);
}

void Draw() {
  ++CardHand.DealtLast;
  CardFallsIn(true);
  HandTotalPanel(false);
  int strip = -1;
  if (CardHand.HandTotal == 21) strip = 0;
  else if (CardHand.HandTotal > 21) strip = 1;
  else if (CardHand.DealtLast == 4) strip = 2;
  if (strip < 0) {
    GoTo(kCardGame, kDrawOrStand);
    return;
  }
  G04_Board(kCasinoDrawButtonsOut, 0);
  G04_Board(kCasinoCardResult, strip);
  GoTo(kCardGame, kStripOut);
}

void Pay() {
  if (CasinoState.CasinoWin > 0.0f) {
    const int win = Panel(6);
    CasinoSlide(win, LayerLeft(win), 535);
    CasinoRunSlides(20);
    CasinoCollectWin(kCardGame, kCheck);
  } else {
    GoToNextTick(kCardGame, kCheck);
  }
}

void Check() {
  G04_CheckMoney();
  switch (CasinoState.MoneyCheckResult) {
    case kMoneyPlayOn:
      G04_Board(kCasinoHandEnd, 0);
      CasinoState.SysButtonsShown = 0;
      GoTo(kCardGame, kNewDeal);
      break;
    case kMoneyGameOver: GoTo(kCasinoGameOver, 0); break;
    case kMoneyClear: GoTo(kCasinoClear, 0); break;
    default: GoTo(kCardGame, kUnlocked); break;
  }
  Wait(0, 0);
}

}  // namespace

void G04_CardStep() {
  switch (SceneCursor.SceneStep) {
    case kOpen: Open(); break;
    case kRulesOut:
      G04_Board(kCasinoMessageOut, 0);
      GoToNextTick(kCardGame, kNewDeal);
      break;
    case kNewDeal: NewDeal(); break;
    case kBetting: BettingClick(); break;
    case kHelpOut:
      G04_Board(kCasinoMessageOut, 0);
      GoTo(kCardGame, kBetting);
      break;
    case kTurn: Turn(); break;
    case kDrawOrStand: DrawOrStand(); break;
    case kDraw: Draw(); break;
    case kStripOut: {
      const int box = CasinoState.CasinoMessageBox;
      CasinoSlide(box, LayerLeft(box), -LayerHeight(box));
      CasinoRunSlides(10);
      ShowLayer(box, false);
      GoToNextTick(kCardGame, kEvaluate);
      break;
    }
    case kEvaluate:
      G04_CardEvaluate(CasinoState.CasinoMode);
      G04_Board(kCasinoResultList, 0);
      GoTo(kCardGame, kPay);
      break;
    case kPay: Pay(); break;
    case kCheck: Check(); break;
    case kUnlocked: CasinoUnlockedBoard(kCardGame, kUnlockOut); break;
    case kUnlockOut: CasinoUnlockedBoardOut(kCardGame, kCheck); break;
    default: break;
  }
}

void G04_Shuffle() {
  CardHand.DeckLast = 51;
  CardHand.CardDeck.fill(-1);
  for (int card = 0; card <= 51; ++card) G04_PlaceCard(card);
}

void G04_PlaceCard(int card) {
  CardHandRecord& hand = CardHand;
  const int last = hand.DeckLast;
  const bool anyFree =
      std::find(hand.CardDeck.begin(), hand.CardDeck.begin() + last + 1, -1) != hand.CardDeck.begin() + last + 1;
  if (!anyFree) return;  // a full deck has no slot to probe for
  while (true) {
    int i = RandomRange(0, last);
    for (int probe = 0; probe <= last; ++probe) {
      if (hand.CardDeck[static_cast<size_t>(i)] == -1) {
        hand.CardDeck[static_cast<size_t>(i)] = card;
        return;
      }
      i = i == last ? 0 : i + 1;
    }
  }
}

void G04_DrawCard(int flag, int inPlace) {
  if (flag != 0) return;
  const int n = CardHand.DealtLast;
  if (n < 0 || n > 4) return;
  const int layer = CasinoState.CardFirstBox + n;
  DrawState.CurrentLayer = layer;
  if (inPlace == 0) PrepareLayer(kPreparePictureHidden);
  C00_LoadPicture(1, kCardFaces, HandCard(n));
}

void G04_HandTotal() {
  const int last = std::clamp(CardHand.DealtLast, 0, 51);
  bool aceHigh = false;
  int total = 0;
  for (int i = 0; i <= last; ++i) {
    const int rank = Rank(HandCard(i));
    if (rank >= 1 && rank <= 9) {
      total += rank + 1;
    } else if (rank >= 10) {
      total += 10;
    } else if (!aceHigh && total + 11 <= 21) {
      aceHigh = true;
      total += 11;
    } else {
      total += 1;
    }
  }
  if (total > 21 && aceHigh) total -= 10;
  CardHand.HandTotal = total;
}

void G04_SuitCheck(int kind) {
  const int last = std::clamp(CardHand.DealtLast, 0, 51);
  int result = -1;
  const int first = HandCard(0);
  switch (kind) {
    case 0:
      for (int i = 1; i <= last; ++i) {
        if (Suit(HandCard(i)) != Suit(first)) result = 0;
      }
      CardHand.AllSameSuit = result;
      break;
    case 2:
      for (int i = 1; i <= last; ++i) {
        if (Rank(HandCard(i)) != Rank(first)) result = 0;
      }
      CardHand.AllSameRank = result;
      break;
    case 1: {
      int low = Rank(first);
      for (int i = 1; i <= last; ++i) low = std::min(low, Rank(HandCard(i)));
      for (int k = 1; k <= last; ++k) {
        bool found = false;
        for (int i = 0; i <= last; ++i) found = found || Rank(HandCard(i)) == low + k;
        if (!found) result = 0;
      }
      CardHand.AllConsecutive = result;
      break;
    }
    default: break;
  }
}

void G04_CardEvaluate(int table) {
  CardHandRecord& d = CardHand;
  std::fill(d.MultiplierParts.begin(), d.MultiplierParts.begin() + 5, 0);
  d.ResultRows.fill(-1);
  size_t rows = 0;
  auto add = [&](int part, int value, int row) {
    d.MultiplierParts[static_cast<size_t>(part)] = value;
    if (rows < d.ResultRows.size()) d.ResultRows[rows++] = row;
  };
  G04_HandTotal();
  G04_SuitCheck(0);
  G04_SuitCheck(1);
  G04_SuitCheck(2);
  const int cards = d.DealtLast + 1;
  int lastPart = 4;
  if (table == 0) {
    if (d.HandTotal == 21) add(0, 5, 1);
    else if (d.HandTotal == 20) add(0, 1, 2);
    if (cards == 5 && d.HandTotal <= 21) add(1, 10, 3);
    // Three, four and five cards (two-card suits and runs count nothing).
    constexpr int kSuit[] = {2, 8, 24}, kRun[] = {6, 12, 30}, kRank[] = {2, 8, 50};
    if (cards >= 3 && d.AllSameSuit == -1) add(2, kSuit[cards - 3], 4 + cards - 3);
    if (cards >= 3 && d.AllConsecutive == -1) add(3, kRun[cards - 3], 7 + cards - 3);
    if (cards >= 2 && cards <= 4 && d.AllSameRank == -1) add(4, kRank[cards - 2], 10 + cards - 2);
    if (rows == 0) d.ResultRows[rows++] = 0;
  } else {
    lastPart = 6;
    if (d.HandTotal == 21) add(0, 10, 0);
    else if (d.HandTotal == 20) add(0, 4, 1);
    else if (d.HandTotal <= 19) add(0, 2, 2);
    else add(0, 8, 3);
    if (cards == 3) add(1, 10, 7);
    else if (cards == 4) add(1, 50, 8);
    else if (cards == 5) add(1, 2, 9);
    bool suit0 = false, suit1 = false, face = false;
    for (int i = 0; i < cards; ++i) {
      suit0 = suit0 || Suit(HandCard(i)) == 0;
      suit1 = suit1 || Suit(HandCard(i)) == 1;
      face = face || Rank(HandCard(i)) >= 10;
    }
    if (suit0) add(2, 15, 4);
    if (suit1) add(3, 30, 5);
    if (face) add(4, 50, 6);
    add(5, 100, 10);
    add(6, 1000, 11);
  }
  int sum = 0;
  for (int part = 0; part <= lastPart; ++part) sum += d.MultiplierParts[static_cast<size_t>(part)];
  CasinoState.CasinoMultiplier = static_cast<float>(sum);
  CasinoState.CasinoWin = CasinoState.CasinoBet * CasinoState.CasinoMultiplier;
  CasinoState.CasinoBet = 0;
}
