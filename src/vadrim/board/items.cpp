// The player's items: gaining one (a 具 cell, a 選 card, the periodic gift), using
// one from the turn menu, the 選 choice of five cards and the opening pick of boards
// that start with one; and the item window, the choice lists, the item buttons and
// the pick's count badge.
//
// The held items stay packed from slot 0: a used or dropped item closes its gap by
// moving the later ones down one slot, so the buttons shown are slots 0 to
// TurnButtonLast.
#include <algorithm>
#include <string>

#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "engine/text.h"
#include "games/timed_effects.h"
#include "scenario/motion_curves.h"
#include "vadrim/board/model.h"
#include "vadrim/board/screen.h"
#include "vadrim/vadrim_pictures.h"
#include "vadrim/vadrim_sounds.h"

namespace {

// The engine's centring takes its width by reference.
int MidX(int w) { return CentreX(w); }
int MidY(int h) { return CentreY(h); }

constexpr int kIconSheet = 3;
constexpr int kIcon = 65;
constexpr int kButtonPitch = 75;
constexpr int kItemSlots = 4;
constexpr int kCards = 5;

int& Held(int slot) { return PieceCounters.HeldItems[static_cast<size_t>(slot)]; }

// The entry of a card or icon set that a click chose: the highlighted one, or the
// clicked one when the pointer has highlighted nothing yet (framed now, so the
// blink that follows shows it). -1 when the click was on no entry.
int ChosenEntry(int first, int last) {
  const int source = InputEvent.InputSourceIndex;
  if (source < first || source > first + last) return -1;
  if (TurnFlow.HoverIndex >= 0 && TurnFlow.HoverIndex <= last) return TurnFlow.HoverIndex;
  D50_ButtonFrame(1);
  TurnFlow.HoverIndex = source - first;
  return TurnFlow.HoverIndex;
}

void BlinkHighlight() {
  DrawState.CurrentLayer = BoardLayers.HighlightLayer;
  EffectParams.EffectFrames = 10;
  EffectParams.EffectFrameDelay = 40;
  RunEffect(kEffectBlink, EffectEnd::kReturn);
}

// The icon of an item code into the current layer.
void Icon(int item) {
  const int n = std::clamp(item - 10, 0, 20);
  ClipCellToLayer(kIconSheet, (n % 7) * kIcon, (n / 7) * kIcon, kIcon, kIcon);
}

void ButtonAt(int index, int y) {
  if (index < 0 || index >= kItemSlots) return;
  BoardPrepare(BoardLayers.TurnButtonFirstBox + index, BoardScreen.ItemButtonX, y, kIcon, kIcon);
  Icon(Held(index));
}

// Slides the buttons of the item slots after `from` up by one place; true when
// any moved.
bool ButtonsCloseUp(int from, int to) {
  int slot = -1;
  for (int n = from; n <= to && n < kItemSlots; ++n) {
    if (Held(n) <= 0) continue;
    const int button = BoardLayers.TurnButtonFirstBox + n;
    BoardStore(++slot, button, LayerLeft(button), LayerTop(button), LayerLeft(button), LayerTop(button) - kButtonPitch);
  }
  if (slot < 0) return false;
  PlayScreenSound(65);
  return true;
}

// What the item codes 17 to 30 stand for, as cell kinds.
int ItemKind(int code) {
  static constexpr int kKinds[] = {50, 70, 80, 90, 100, 110, 120, 10, 11, 130, 140, 131, 150, 151};
  return code >= 17 && code <= 30 ? kKinds[code - 17] : 0;
}

// ---- Gain (state 110 steps 30 and 31) ----

void Gain() {
  if (SceneCursor.SceneStep == 31) {
    BoardChoice.ItemSlot = 0;
    if (Held(1) > 0 && ButtonsCloseUp(1, 3)) {
      BoardMoveSlots(2, 15, EffectParams.EffectMotionKind, EffectEnd::kReturn);
    }
    for (int n = 1; n < kItemSlots; ++n) {
      Held(n - 1) = Held(n);
      D50_Buttons(11, n - 1);
    }
    Held(3) = 0;
    ShowLayer(BoardLayers.TurnButtonFirstBox + 3, false);
    --BoardScreen.TurnButtonLast;
    GoToNextTick(kBoardLanded, 30);
    return;
  }
  if (BoardScreen.TurnButtonLast >= kItemSlots - 1) {
    GoTo(kBoardLanded, 31);
    Wait(kAnimOldestItemHops, 0);
    return;
  }
  const int slot = std::max(BoardScreen.TurnButtonLast, -1) + 1;
  BoardScreen.TurnButtonLast = slot;
  PlayScreenSound(65);
  if (TurnFlow.LandedKind == kCellItem || BoardChoice.ItemSource == 2) D50_ChoiceList();
  Held(slot) = BoardChoice.NewItem;
  D50_Buttons(10, slot);
  const int button = BoardLayers.TurnButtonFirstBox + slot;
  GoTo(kBoardLanded, 2);
  const int y = BoardScreen.ItemButtonTop + kButtonPitch * slot;
  BoardMoveTo(button, BoardScreen.ItemButtonX, y, 10, kMotionLinear, EffectEnd::kReturn);
  if (TurnFlow.LandedKind == kCellChoice && BoardChoice.ItemSource == 1) {
    const int banner = BoardLayers.BannerLayer;
    BoardStore(0, banner, LayerLeft(banner), LayerTop(banner), LayerLeft(banner), -LayerHeight(banner));
    BoardStore(1, banner + 1, LayerLeft(banner + 1), LayerTop(banner + 1), LayerLeft(banner + 1),
               LayerTop(banner + 1) + 300);
    for (int i = 0; i < kCards; ++i) {
      const int card = BoardLayers.BackdropLayer + i;
      BoardStore(2 + i, card, LayerLeft(card), LayerTop(card), LayerLeft(card), LayerTop(card) + 300);
    }
    ShowLayer(BoardLayers.HighlightLayer, false);
    BoardMoveSlots(6, 20, kMotionLinear);
  } else if (BoardChoice.ItemSource == 2) {
    GoToNextTick(TurnFlow.ReturnState, TurnFlow.ReturnStep);
  }
  // A 具 cell's banner stays until the click.
}

// ---- Use (state 500 steps 0 and 10 to 20) ----

void Use() {
  switch (SceneCursor.SceneStep) {
    case 0: {
      const int n = InputEvent.InputSourceIndex - BoardLayers.TurnButtonFirstBox;
      if (n < 0 || n > BoardScreen.TurnButtonLast || n >= kItemSlots) return;
      ShowLayer(BoardLayers.TurnMarkerLayer, false);
      SceneCursor.ButtonMode = 0;
      ShowLayer(BoardLayers.HighlightLayer, false);
      BoardChoice.ItemSlot = n;
      BoardChoice.ItemCode = Held(n);
      GoTo(kBoardMenu, 10);
      Wait(kAnimItemChosen, 0);
      break;
    }
    case 10: {
      --BoardScreen.TurnButtonLast;
      const int code = BoardChoice.ItemCode;
      if (code >= 10 && code <= 16) {
        TurnFlow.DieValue = code - 10;
        TurnFlow.StepsLeft = code - 10;
        D50_DrawPanel(20, TurnFlow.DieValue);
      } else {
        TurnFlow.LandedKind = ItemKind(code);
        D50_CellEffect();
      }
      GoTo(kBoardMenu, 15);
      if (BoardChoice.ItemSlot == kItemSlots - 1) {
        Held(3) = 0;
        ShowLayer(BoardLayers.TurnButtonFirstBox + 3, false);
        SceneCursor.SceneStep = 17;
      }
      Wait(0, 0);
      break;
    }
    case 15: {
      const int slot = BoardChoice.ItemSlot;
      if (slot + 1 < kItemSlots && Held(slot + 1) > 0 && ButtonsCloseUp(slot + 1, BoardScreen.TurnButtonLast + 1)) {
        const int code = BoardChoice.ItemCode;
        GoTo(kBoardMenu, 16);
        int last = -1;
        for (int n = slot + 1; n <= BoardScreen.TurnButtonLast + 1 && n < kItemSlots; ++n) last += Held(n) > 0 ? 1 : 0;
        // After a die item the board waits for a click here, the GO marker asking for
        // it; after the others it goes on.
        const bool die = code >= 11 && code <= 16;
        const int motionKind = EffectParams.EffectMotionKind;
        if (die) BoardGoMarker();
        BoardMoveSlots(last, 15, motionKind, die ? EffectEnd::kReturn : EffectEnd::kNextTick);
        break;
      }
      Held(slot) = 0;
      ShowLayer(BoardLayers.TurnButtonFirstBox + slot, false);
      GoToNextTick(kBoardMenu, 17);
      break;
    }
    case 16: {
      ShowLayer(BoardLayers.TurnMarkerLayer, false);
      const int last = std::min(BoardScreen.TurnButtonLast + 1, kItemSlots - 1);
      for (int n = BoardChoice.ItemSlot + 1; n <= last; ++n) {
        if (Held(n) <= 0) continue;
        Held(n - 1) = Held(n);
        D50_Buttons(11, n - 1);
      }
      Held(last) = 0;
      ShowLayer(BoardLayers.TurnButtonFirstBox + last, false);
      GoToNextTick(kBoardMenu, 17);
      break;
    }
    case 17: {
      const int code = BoardChoice.ItemCode;
      if (code == 10) {
        // The 0 die: the piece stays; the click that lands it is asked for as a roll's.
        GoTo(kBoardLanded, 0);
        BoardGoMarker();
      } else if (code >= 11 && code <= 16) {
        GoToNextTick(kBoardDie, 10);
      } else if (code == 18) {
        GoTo(kBoardLanded, 2);
      } else if (code == 26 || code == 28) {
        BoardChoice.SpecialStrikeSource = 1;
        GoTo(kBoardTargetStrike, -5);
      } else if (code == 27) {
        BoardChoice.SpecialStrikeSource = 1;
        GoTo(kBoardLineStrike, -5);
      } else if (code == 29 || code == 30) {
        TurnFlow.ReturnState = kBoardMenu;
        TurnFlow.ReturnStep = 20;
        GoTo(kBoardCellChange, 0);
      } else {
        GoTo(kBoardMenu, 20);
      }
      break;
    }
    case 20:
      ShowLayer(BoardLayers.BannerLayer, false);
      GoToNextTick(kBoardDie, 0);
      break;
    default: break;
  }
}

}  // namespace

void BoardItemGainStep() {
  if (SceneCursor.SceneStep == 30 || SceneCursor.SceneStep == 31) Gain();
}

void BoardItemUseStep() { Use(); }

// ---- The 選 choice (state 700) ----

void BoardItemChoice() {
  switch (SceneCursor.SceneStep) {
    case -1: BoardRaise(kButtonsCards); break;
    case 0: {
      if (SceneCursor.ButtonMode != kButtonsCards) break;
      const int entry = ChosenEntry(BoardLayers.BackdropLayer, kCards - 1);
      if (entry < 0) break;
      SceneCursor.ButtonMode = 0;
      BoardChoice.NewItem = BoardChoice.ChoiceItems[static_cast<size_t>(entry)];
      PlayScreenSound(102);
      BlinkHighlight();
      const int card = BoardLayers.BackdropLayer + entry;
      BoardMoveTo(card, LayerLeft(card), WindowHeight(), 10, kMotionLinear, EffectEnd::kReturn);
      BoardChoice.ItemSource = 1;
      GoToNextTick(kBoardLanded, 30);
      break;
    }
    default: break;
  }
}

// ---- The opening pick (state 710) ----

void BoardOpeningPick() {
  const int title = BoardLayers.BannerLayer;
  const int panel = title + 1;
  const int badge = title + 2;
  const int last = BoardScreen.PickIconLast;
  switch (SceneCursor.SceneStep) {
    case -5: {
      // Never more picks than free item slots.
      TurnFlow.PicksLeft = std::min(TurnFlow.PicksLeft, kItemSlots - 1 - BoardScreen.TurnButtonLast);
      if (TurnFlow.PicksLeft <= 0) {
        GoToNextTick(kBoardEndTurn, 10);
        break;
      }
      PlayScreenSound(50);
      BoardPrepare(title, MidX(700), -200, 700, 200);
      D00_LoadPicture(1, 99, 1);
      BoardPrepare(panel, MidX(615), WindowHeight(), 615, 265);
      D00_LoadPicture(1, 75, 13);
      for (int n = 0; n <= last; ++n) {
        const int icon = BoardLayers.BackdropLayer + n;
        BoardPrepare(icon, WindowWidth(), 0, kIcon, kIcon);
        Icon(10 + n);
        BitBltCopy(icon, panel, {0, 0, kIcon, kIcon, 20 + 85 * (n % 7), 15 + 85 * (n / 7)});
      }
      BoardPrepare(badge, MidX(250), WindowHeight(), 250, 90);
      D50_CountBadge();
      BoardStore(0, title, MidX(700), -200, MidX(700), 70);
      BoardStore(1, panel, MidX(615), WindowHeight(), MidX(615), MidY(265) + 90);
      BoardStore(2, badge, MidX(250), WindowHeight(), MidX(250), WindowHeight() - 90 - 20);
      BoardMoveSlots(2, 20, kMotionEaseOut, EffectEnd::kReturn);
      for (int n = 0; n <= last; ++n) {
        const int icon = BoardLayers.BackdropLayer + n;
        MoveLayerKeepingSize(icon, LayerLeft(panel) + 20 + 85 * (n % 7), LayerTop(panel) + 15 + 85 * (n / 7));
        LayerToFront(icon);
      }
      GoToNextTick(kBoardOpeningPick, -1);
      break;
    }
    case -1: BoardRaise(kButtonsPick); break;
    case 0: {
      if (SceneCursor.ButtonMode != kButtonsPick) break;
      const int entry = ChosenEntry(BoardLayers.BackdropLayer, last);
      if (entry < 0) break;
      SceneCursor.ButtonMode = 0;
      PlayScreenSound(102);
      BlinkHighlight();
      if (BoardScreen.TurnButtonLast >= kItemSlots - 1) {
        GoToNextTick(kBoardOpeningPick, 10);
        break;
      }
      const int slot = ++BoardScreen.TurnButtonLast;
      BoardChoice.NewItem = entry + 10;
      Held(slot) = BoardChoice.NewItem;
      D50_Buttons(10, slot);
      GoTo(kBoardOpeningPick, 10);
      const int y = (kIcon + 10) * slot + BoardScreen.ItemButtonTop;
      BoardMoveTo(BoardLayers.TurnButtonFirstBox + slot, BoardScreen.ItemButtonX, y, 10, kMotionLinear);
      break;
    }
    case 10:
      --TurnFlow.PicksLeft;
      D50_CountBadge();
      if (TurnFlow.PicksLeft > 0) {
        GoToNextTick(kBoardOpeningPick, -1);
        break;
      }
      PlayScreenSound(50);
      HideLayerRange(BoardLayers.BackdropLayer, BoardLayers.BackdropLayer + last);
      ShowLayer(BoardLayers.HighlightLayer, false);
      BoardStore(0, title, LayerLeft(title), LayerTop(title), LayerLeft(title), -LayerHeight(title));
      BoardStore(1, panel, LayerLeft(panel), LayerTop(panel), LayerLeft(panel), LayerTop(panel) + 500);
      BoardStore(2, badge, LayerLeft(badge), LayerTop(badge), LayerLeft(badge), LayerTop(badge) + 500);
      GoTo(kBoardEndTurn, 10);
      BoardMoveSlots(2, 15, kMotionLinear);
      break;
    default: break;
  }
}

// ---- Lists, window, buttons, badge ----

void D50_ChoiceList() {
  struct List {
    int number;
    std::initializer_list<int> items;
  };
  static const List kLists[] = {
      {32, {17, 18, 24, 25, 26, 27}},
      {53, {11, 12, 13, 26, 27, 20}},
      {54, {11, 12, 13, 21, 19}},
      {55, {11, 12, 13, 21, 24, 25, 30}},
      {59, {21, 24, 25, 26, 27, 28, 29, 30}},
      {60, {11, 12, 13, 26, 27, 28}},
  };
  for (const List& list : kLists) {
    if (list.number != BoardState.ChoiceListNo) continue;
    const int n = static_cast<int>(list.items.size());
    BoardChoice.NewItem = *(list.items.begin() + RandomRange(0, n - 1));
    return;
  }
  // List 0, and any number without a list of its own: a die item.
  BoardChoice.NewItem = RandomRange(10, 16);
}

void D50_ItemWindow() {
  const int window = BoardLayers.BannerLayer + 1;
  const int x = MidX(445);
  const int endY = (WindowHeight() / 4) * 3 - 95 / 2;
  BoardPrepare(window, x, WindowHeight(), 445, 95);
  D00_LoadPicture(1, 100, 0);
  BoardStore(0, window, x, WindowHeight(), x, endY);
  for (int i = 0; i < kCards; ++i) {
    const int card = BoardLayers.BackdropLayer + i;
    const int cx = x + 20 + 85 * i;
    BoardPrepare(card, cx, WindowHeight() + 15, kIcon, kIcon);
    D50_ChoiceList();
    BoardChoice.ChoiceItems[static_cast<size_t>(i)] = BoardChoice.NewItem;
    DrawState.SheetIndex = kIconSheet;
    Icon(BoardChoice.NewItem);
    BoardStore(i + 1, card, cx, WindowHeight() + 15, cx, endY + 15);
  }
  EffectParams.EffectFrames = 15;
  EffectParams.EffectLastSlot = 5;
  RunEffect(kEffectMoveSlots, EffectEnd::kReturn);
}

void D50_Buttons(int kind, int index) {
  const BoardLayersRecord& l = BoardLayers;
  switch (kind) {
    case 0:
      BoardPrepare(l.ItemPanelLayer, -95, 0, 95, 320);
      D00_LoadPicture(1, 75, 0);
      BoardScreen.ItemButtonX = 25;
      BoardScreen.ItemButtonTop = WindowHeight() - (LayerHeight(l.ItemPanelLayer) + 5) + 15;
      break;
    case 1:
      BoardScreen.TurnButtonLast = -1;
      for (int i = 0; i < kItemSlots; ++i) {
        if (Held(i) <= 0) continue;
        ButtonAt(i, WindowHeight());
        ++BoardScreen.TurnButtonLast;
      }
      break;
    case 10: ButtonAt(index, WindowHeight()); break;
    case 11: ButtonAt(index, BoardScreen.ItemButtonTop + kButtonPitch * index); break;
    default: break;
  }
}

void D50_CountBadge() {
  const int badge = BoardLayers.BannerLayer + 2;
  DrawState.CurrentLayer = badge;
  D00_LoadPicture(1, 101, 0);
  TextStyleRecord& t = TextStyle;
  t.CurrentText = std::to_string(TurnFlow.PicksLeft);
  t.TextFontSize = 70;
  MeasureText(0);
  t.TextX = 180 - t.MeasuredWidth / 2;
  t.TextY = LayerHeight(badge) / 2 - t.MeasuredHeight / 2 - 3;
  t.TextColor = RgbColor(255, 255, 255);
  t.ShadeColor1 = RgbColor(150, 230, 230);
  t.ShadeColor2 = RgbColor(100, 180, 180);
  t.ShadeColor3 = RgbColor(50, 130, 130);
  t.OutlineWidth = 2;
  PrintText(1, badge);
}
