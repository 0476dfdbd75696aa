// What a landed cell does (D50_CellEffect), its banner, the 止, 力 and 封 counter
// badges, the cell re-roll and the sealed look of the 凶 and 狂 cells.
//
// Every banner and badge move here ends without re-arming the step: the turn flow
// decides from LandedKind whether the board waits for a click.
#include <algorithm>
#include <string>

#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "engine/text.h"
#include "games/timed_effects.h"
#include "platform/platform.h"
#include "scenario/motion_curves.h"
#include "vadrim/board/model.h"
#include "vadrim/board/screen.h"
#include "vadrim/vadrim_pictures.h"
#include "vadrim/vadrim_sounds.h"

namespace {

// The engine's centring takes its width by reference.
int MidX(int w) { return CentreX(w); }
int MidY(int h) { return CentreY(h); }

constexpr int kBadgeSheet = 7;
constexpr int kBannerWidth = 620;
constexpr int kBannerHeight = 140;
constexpr int kBadgeWidth = 133;
constexpr int kBadgeHeight = 40;
constexpr int kCounterCap = 99;

// The landed cells' sounds play on channel 1.
void CellSound(int number) { PlayScreenSound(number, 1); }

// The landed cells' effects return to D50_CellEffect without arming anything.
void Hop(int amplitude) {
  GetLayerRect(kRectIntoCurrent, BoardLayers.BannerLayer);
  DrawState.CurrentLayer = BoardLayers.BannerLayer;
  EffectParams.EffectAmplitude = amplitude;
  EffectParams.EffectFrames = 18;
  RunEffect(kEffectDrop, EffectEnd::kReturn);
}

void Shake(int amplitude) {
  GetLayerRect(kRectIntoCurrent, BoardLayers.BannerLayer);
  DrawState.CurrentLayer = BoardLayers.BannerLayer;
  EffectParams.EffectAmplitude = amplitude;
  EffectParams.EffectFrames = 20;
  RunEffect(kEffectShake, EffectEnd::kReturn);
}

// The layer from (x0, y0) to (x1, y1) with effect 800.
void Slide(int layer, int x0, int y0, int x1, int y1, int frames) {
  MoveLayerKeepingSize(layer, x0, y0);
  GetLayerRect(kRectIntoCurrent, layer);
  DrawState.CurrentLayer = layer;
  DrawState.TargetRect.X = x1;
  DrawState.TargetRect.Y = y1;
  BoardMove(frames, kMotionEaseOut, EffectEnd::kReturn);
}

// Which of the three badges a counter kind is, -1 none.
int BadgeRow(int kind) {
  switch (kind) {
    case kCellStop: return 0;
    case kCellPower: return 1;
    case kCellSeal: return 2;
    default: return -1;
  }
}

// 止 and 力: set the counter to 2; a badge already up is redrawn in place, a new one
// comes down from above the window.
void TurnCounter(int kind, int& turns) {
  const bool lasting = turns > 0;
  turns = 2;
  if (lasting) {
    D50_CounterBadge(1, kind);
    return;
  }
  D50_CounterBadge(0, kind);
  const int layer = DrawState.CurrentLayer;
  Slide(layer, LayerLeft(layer), LayerTop(layer), LayerLeft(layer), 3, 20);
}

// The two strike banners: the same picture from two sides to the window's centre.
void StrikeBanners(bool across) {
  CellSound(50);
  const int a = BoardLayers.BannerLayer;
  const int cx = MidX(kBannerWidth);
  const int cy = MidY(200);
  for (int i = 0; i < 2; ++i) {
    BoardPrepare(a + i, cx, cy, kBannerWidth, 200);
    D00_LoadPicture(1, 102, TurnFlow.LandedKind);
  }
  if (across) {
    BoardStore(0, a, WindowWidth(), cy, cx, cy);
    BoardStore(1, a + 1, -kBannerWidth, cy, cx, cy);
  } else {
    BoardStore(0, a, cx, -200, cx, cy);
    BoardStore(1, a + 1, cx, WindowHeight(), cx, cy);
  }
  MoveLayerKeepingSize(a, MotionSlot[0].MotionStartX, MotionSlot[0].MotionStartY);
  MoveLayerKeepingSize(a + 1, MotionSlot[1].MotionStartX, MotionSlot[1].MotionStartY);
  BoardMoveSlots(1, 20, kMotionEaseOut, EffectEnd::kReturn);
}

void GoodCell(int kind) {
  const CellSettingsRecord& s = CellSettings;
  const bool happy = kind == kCellHappy;
  const int gain = happy ? s.HappyCellGain : s.GoodCellGain;
  const int spread = happy ? s.HappyCellSpread : s.GoodCellSpread;
  BoardChoice.LuckChange = RandomRange(gain - spread, gain + spread);
  PieceCounters.LuckGauge = std::min(PieceCounters.LuckGauge + BoardChoice.LuckChange, 100);
  CellSound(71);
  D50_EffectBanner(kCellGood);
  Hop(happy ? -80 : -60);
  D50_GaugePanel(10, 1);
}

void BadCell(int kind) {
  if (PieceCounters.SealTurns > 0) {
    TurnFlow.LandedKind = 0;
    return;
  }
  const CellSettingsRecord& s = CellSettings;
  const bool mad = kind == kCellMad;
  const int loss = mad ? s.MadCellLoss : s.BadCellLoss;
  const int spread = mad ? s.MadCellSpread : s.BadCellSpread;
  BoardChoice.LuckChange = -RandomRange(loss - spread, loss + spread);
  PieceCounters.LuckGauge = std::max(PieceCounters.LuckGauge + BoardChoice.LuckChange, 0);
  CellSound(72);
  D50_EffectBanner(kCellBad);
  Shake(mad ? 20 : 10);
  D50_GaugePanel(10, 1);
}

void SealCell() {
  CellSound(90);
  D50_EffectBanner(kCellSeal);
  Hop(50);
  BoardChoice.SealJustSet = -1;
  const bool lasting = PieceCounters.SealTurns > 0;
  PieceCounters.SealTurns = 2;
  if (lasting) {
    D50_CounterBadge(1, kCellSeal);
    return;
  }
  D50_CounterBadge(0, kCellSeal);
  const int layer = DrawState.CurrentLayer;
  Slide(layer, LayerLeft(layer), LayerTop(layer), LayerLeft(layer), WindowHeight() - 43, 20);
  D50_HighlightCells(0);
}

// タ and 攻: a counter up by a fixed amount, held to 99.
void CounterCell(int kind, int& counter, int amount, int panel) {
  CellSound(71);
  BoardChoice.LuckChange = amount;
  counter = std::min(counter + amount, kCounterCap);
  D50_EffectBanner(kind);
  Hop(-50);
  D50_GaugePanel(panel, 1);
}

bool InRange(int v, int lo, int hi) { return v >= lo && v <= hi; }

// Whether the re-roll may give path cell n a new kind.
bool Replaceable(int mode, int kind) {
  if (kind == kCellChoice || InRange(kind, 150, 159)) return false;
  if (mode == 20) return true;
  return !InRange(kind, 10, 19);
}

}  // namespace

void D50_EffectBanner(int kind) {
  const int layer = BoardLayers.BannerLayer;
  BoardPrepare(layer, MidX(kBannerWidth), MidY(kBannerHeight), kBannerWidth, kBannerHeight);
  D00_LoadPicture(1, 84, kind / 10);
  DrawState.CurrentLayer = layer;
  struct Glow {
    int kind;
    unsigned g1, g2, g3;
  };
  static const Glow kGlows[] = {
      {kCellGood, RgbColor(255, 200, 180), RgbColor(200, 150, 130), RgbColor(150, 100, 80)},
      {kCellBad, RgbColor(200, 100, 255), RgbColor(150, 50, 200), RgbColor(100, 0, 150)},
      {kCellThrows, RgbColor(200, 255, 200), RgbColor(150, 200, 150), RgbColor(50, 100, 50)},
      {kCellAttacks, RgbColor(255, 200, 140), RgbColor(200, 150, 90), RgbColor(150, 100, 50)},
  };
  for (const Glow& g : kGlows) {
    if (g.kind != kind) continue;
    const int value = kind == kCellBad ? -BoardChoice.LuckChange : BoardChoice.LuckChange;
    TextStyleRecord& t = TextStyle;
    t.CurrentText = std::to_string(value);
    t.TextFontSize = 100;
    MeasureText(0);
    t.TextX = (kBannerWidth - t.MeasuredWidth) / 2 + 10;
    t.TextY = (kBannerHeight - t.MeasuredHeight) / 2 - (kind == kCellThrows || kind == kCellAttacks ? 1 : 3);
    t.TextColor = RgbColor(255, 255, 255);
    t.ShadeColor1 = g.g1;
    t.ShadeColor2 = g.g2;
    t.ShadeColor3 = g.g3;
    t.OutlineWidth = 2;
    PrintText(1, layer);
  }
  DrawState.CurrentLayer = layer;
}

void D50_CounterBadge(int mode, int kind) {
  const int row = BadgeRow(kind);
  if (row < 0) return;
  const int layer = BoardLayers.BadgeLayer + row;
  int x = LayerLeft(layer);
  int y = LayerTop(layer);
  if (mode == 0) {
    const int half = WindowWidth() / 2;
    x = row == 1 ? half + 167 : half - 300;
    y = row == 2 ? WindowHeight() : -kBadgeHeight;
  } else if (mode != 1) {
    return;
  }
  const bool shown = mode == 0 || tq::ThePlatform().Screen().Layer(layer).visible;
  BoardPrepare(layer, x, y, kBadgeWidth, kBadgeHeight);
  ShowLayer(layer, shown);
  ClipCellToLayer(kBadgeSheet, 0, kBadgeHeight * row, kBadgeWidth, kBadgeHeight);
  const PieceCountersRecord& counters = PieceCounters;
  const int turns = row == 0 ? counters.StopTurns : (row == 1 ? counters.PowerTurns : counters.SealTurns);
  TextStyleRecord& t = TextStyle;
  t.CurrentText = std::to_string(turns);
  t.TextFontSize = 30;
  MeasureText(0);
  t.TextX = 111 - t.MeasuredWidth / 2;
  t.TextY = kBadgeHeight / 2 - t.MeasuredHeight / 2;
  t.TextColor = RgbColor(255, 255, 255);
  t.ShadeColor1 = RgbColor(200, 200, 200);
  t.ShadeColor2 = RgbColor(150, 150, 150);
  t.ShadeColor3 = RgbColor(100, 100, 100);
  t.OutlineWidth = 1;
  PrintText(1, layer);
  DrawState.CurrentLayer = layer;
  GetLayerRect(kRectIntoCurrent, layer);
}

void D50_CellEffect() {
  int& kind = TurnFlow.LandedKind;
  switch (kind) {
    case kCellPlain: return;
    case kCellGood:
    case kCellHappy: GoodCell(kind); return;
    case kCellBad:
    case kCellMad: BadCell(kind); return;
    case kCellItem:
      CellSound(73);
      D50_EffectBanner(kCellItem);
      Hop(-60);
      return;
    case kCellChoice:
      CellSound(73);
      D50_EffectBanner(kCellChoice);
      Hop(-80);
      D50_ItemWindow();
      return;
    case kCellReverse:
      PieceCounters.TravelDir = -PieceCounters.TravelDir;
      CellSound(75);
      D50_EffectBanner(kCellReverse);
      GetLayerRect(kRectIntoCurrent, BoardLayers.BannerLayer);
      Wait(kAnimReverse, 0);
      return;
    case kCellAgain: {
      D50_EffectBanner(kCellAgain);
      CellSound(76);
      const int x = LayerLeft(BoardLayers.BannerLayer);
      const int y = LayerTop(BoardLayers.BannerLayer);
      Slide(BoardLayers.BannerLayer, x, y - 50, x, y, 10);
      return;
    }
    case kCellWarp: {
      const int old = PieceCounters.PiecePos;
      // A path of one cell has nowhere else to go.
      for (int tries = 0; tries < 1000 && PieceCounters.PiecePos == old && BoardState.PathLast > 0; ++tries) {
        PieceCounters.PiecePos = RandomRange(0, BoardState.PathLast);
      }
      D50_EffectBanner(kCellWarp);
      CellSound(77);
      const int x = LayerLeft(BoardLayers.BannerLayer);
      Slide(BoardLayers.BannerLayer, x, -kBannerHeight, x, LayerTop(BoardLayers.BannerLayer), 15);
      return;
    }
    case kCellStop: {
      CellSound(78);
      D50_EffectBanner(kCellStop);
      const int x = LayerLeft(BoardLayers.BannerLayer);
      const int y = LayerTop(BoardLayers.BannerLayer);
      Slide(BoardLayers.BannerLayer, x, y + 100, x, y, 10);
      TurnCounter(kCellStop, PieceCounters.StopTurns);
      return;
    }
    case kCellPower:
      CellSound(79);
      D50_EffectBanner(kCellPower);
      Hop(-60);
      TurnCounter(kCellPower, PieceCounters.PowerTurns);
      return;
    case kCellSeal: SealCell(); return;
    case kCellThrows: CounterCell(kCellThrows, PieceCounters.RollsLeft, 6, 25); return;
    case kCellAttacks: CounterCell(kCellAttacks, PieceCounters.AttacksLeft, 3, 30); return;
    default: break;
  }
  if (InRange(kind, 130, 139)) {
    BoardChoice.StrikeDamage = std::min(kind - 129, 3);
    StrikeBanners(true);
  } else if (InRange(kind, 140, 149)) {
    BoardChoice.StrikeDamage = std::min(kind - 139, 2);
    StrikeBanners(false);
  } else if (InRange(kind, 150, 159)) {
    CellSound(94);
    const int layer = BoardLayers.BannerLayer;
    BoardPrepare(layer, MidX(kBannerWidth), WindowHeight(), kBannerWidth, kBannerHeight);
    D00_LoadPicture(1, 102, kind);
    Slide(layer, MidX(kBannerWidth), WindowHeight(), MidX(kBannerWidth), MidY(kBannerHeight), 20);
    D50_RerollCell(std::min(kind - 150, 2) * 10);
  } else {
    // The kinds no board, item or re-roll gives act as a plain cell.
    kind = 0;
  }
}

void D50_RerollCell(int mode) {
  const int last = std::max(BoardState.PathLast, 0);
  const int start = RandomRange(0, last);
  static constexpr int kAnyKind[] = {10, 11, 20, 21, 30, 40, 50, 60, 70, 80, 90,
                                     100, 110, 120, 130, 131, 132, 140, 141, 150, 151, 152};
  int cell = start;
  for (int tries = 0; tries < last + 2; ++tries) {
    const int n = (start + tries) % (last + 1);
    if (Replaceable(mode, PathCell[static_cast<size_t>(n)].PathKind)) {
      cell = n;
      break;
    }
  }
  TurnFlow.NewCellIndex = cell;
  if (mode == 0) TurnFlow.NewCellKind = kAnyKind[RandomRange(0, 21)];
  else if (mode == 10) TurnFlow.NewCellKind = RandomRange(10, 11);
  else if (mode == 20) TurnFlow.NewCellKind = RandomRange(20, 21);
}

void D50_HighlightCells(int mode) {
  if (mode != 0 && mode != 1) return;
  CellSound(91);
  const int cellSize = BoardGeometry.CellSize;
  const int tile = BoardLayers.BackdropLayer;
  for (int n = 0; n <= BoardState.PathLast && n < kPathCellCount; ++n) {
    const PathCellRecord& p = PathCell[static_cast<size_t>(n)];
    if (p.PathKind != kCellBad && p.PathKind != kCellMad) continue;
    const int sx = (mode == 0 ? 2 : 1) * cellSize;
    const int sy = (p.PathKind == kCellBad ? 1 : 2) * cellSize;
    TurnFlow.ChangedCell = n;
    D50_CellPos(21, TurnFlow.ChangedCell);
    const int x = DrawState.TargetRect.X;
    const int y = DrawState.TargetRect.Y;
    BoardPrepare(tile, x, y - 50, cellSize, cellSize);
    BitBltCopy(BoardLayers.TileLayer, tile, {sx, sy, cellSize, cellSize, 0, 0});
    LayerToFront(BoardLayers.PieceLayer);
    LayerToFront(BoardLayers.BannerLayer);
    Slide(tile, x, y - 50, x, y, 5);
    ShowLayer(tile, false);
    BitBltCopy(BoardLayers.TileLayer, BoardLayers.BoardLayer,
               {sx, sy, cellSize, cellSize, p.PathX * cellSize, p.PathY * cellSize});
  }
}
