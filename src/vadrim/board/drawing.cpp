// The board screen's layers and pictures: the screen layout, the board grid and its
// path tiles, the piece, the die, the direction pictures, the signs, the menu
// buttons, the gauge panels and the creatures; and the small helpers the other
// board files share.
#include <algorithm>
#include <string>

#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/text.h"
#include "games/motion_slot_store.h"
#include "games/timed_effects.h"
#include "scenario/motion_curves.h"
#include "vadrim/board/model.h"
#include "vadrim/board/screen.h"
#include "vadrim/vadrim_mode.h"
#include "vadrim/vadrim_pictures.h"
#include "vadrim/vadrim_sounds.h"

BoardScreenRecord BoardScreen;
BoardChoiceRecord BoardChoice;

namespace {

constexpr int kTileSheetKind = 70;
constexpr int kDieSheet = 1;
constexpr int kGaugeSheet = 2;
constexpr int kCreatureSheet = 4;
constexpr int kMenuSheet = 6;
constexpr int kDieSize = 180;
constexpr int kCreaturePicture = 90;  // a cell of the creature sheet

// Picture kind of sheets 0 to 8, in load order.
constexpr int kSheetKinds[] = {72, 73, 74, 77, 79, 80, 83, 92, 96};

// Tile column and row in the tile picture by path-cell kind; unlisted kinds are plain.
struct TileRow {
  int kind, column, row;
};
constexpr TileRow kTiles[] = {
    {10, 0, 1}, {11, 0, 2}, {20, 1, 1},  {21, 1, 2},  {50, 3, 0},  {30, 3, 1},  {40, 3, 2},  {60, 4, 0},
    {70, 4, 1}, {120, 4, 2}, {100, 5, 0}, {80, 5, 1},  {110, 5, 2}, {130, 6, 0}, {131, 6, 1}, {132, 6, 2},
    {90, 7, 0}, {140, 7, 1}, {141, 7, 2}, {150, 0, 3}, {151, 1, 3}, {152, 2, 3},
};

void SetText(const std::string& text, int size, bool bold) {
  TextStyle.CurrentText = text;
  TextStyle.TextFontSize = size;
  TextStyle.TextBold = bold ? -1 : 0;
  MeasureText(bold ? 0 : 1);
}

void SetShades(unsigned face, unsigned s1, unsigned s2, unsigned s3, int outline) {
  TextStyle.TextColor = face;
  TextStyle.ShadeColor1 = s1;
  TextStyle.ShadeColor2 = s2;
  TextStyle.ShadeColor3 = s3;
  TextStyle.OutlineWidth = outline;
}

// A picture into `layer` at (x, y) with the picture's own size.
void PictureAt(int layer, int kind, int number, int x, int y) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {x, y, 1, 1};
  PrepareLayer(kPreparePictureShown);
  D00_LoadPicture(1, kind, number);
  MoveLayerKeepingSize(layer, x, y);
}

void CellAt(int layer, int sheet, int cx, int cy, int w, int h, int x, int y) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {x, y, w, h};
  PrepareLayer(kPreparePictureShown);
  ClipCellToLayer(sheet, cx, cy, w, h);
  MoveLayerKeepingSize(layer, x, y);
}

void GaugeFace(int layer, int kind) {
  int& gauge = kind == 10 ? PieceCounters.LuckGauge : PieceCounters.WomanGauge;
  gauge = std::clamp(gauge, 0, 100);
  const int w = LayerWidth(layer);
  const int h = LayerHeight(layer);
  DrawState.CurrentLayer = layer;
  ClipCellToLayer(kGaugeSheet, kind == 10 ? 0 : 130, 0, 130, 195);
  int size = gauge == 100 ? 60 : 80;
  SetText(std::to_string(gauge), size, true);
  // Our stand-in font is wider than the one these sizes were chosen for: a value that
  // would spill over the gauge's face is set smaller until it fits.
  while (TextStyle.MeasuredWidth > w - 6 && size > 20) SetText(std::to_string(gauge), size -= 4, true);
  TextStyle.TextX = w / 2 - TextStyle.MeasuredWidth / 2 - 1;
  if (kind == 10 && gauge == 100) TextStyle.TextX -= 3;
  TextStyle.TextY = h / 2 - TextStyle.MeasuredHeight / 2 + 7;
  if (kind == 10) {
    SetShades(RgbColor(255, 255, 255), RgbColor(180, 180, 255), RgbColor(140, 140, 200), RgbColor(80, 80, 150), 2);
  } else {
    SetShades(RgbColor(255, 255, 255), RgbColor(255, 150, 255), RgbColor(220, 130, 220), RgbColor(150, 100, 150), 2);
  }
  PrintText(1, layer);
}

void CounterPanel(int layer, int pictureKind, int value) {
  DrawState.CurrentLayer = layer;
  D00_LoadPicture(1, pictureKind, 0);
  const int w = LayerWidth(layer);
  const int h = LayerHeight(layer);
  SetText(std::to_string(value), 30, true);
  TextStyle.TextX = w - TextStyle.MeasuredWidth - 11;
  TextStyle.TextY = h - (TextStyle.MeasuredHeight + 2);
  GlowText(0, 0, 0, 0.0f);
}

}  // namespace

void BoardStore(int slot, int layer, int x0, int y0, int x1, int y1) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect.X = x0;
  DrawState.CurrentRect.Y = y0;
  DrawState.TargetRect.X = x1;
  DrawState.TargetRect.Y = y1;
  D50_StoreSprite(slot);
}

void BoardPrepare(int layer, int x, int y, int width, int height) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {x, y, width, height};
  PrepareLayer(kPreparePictureShown);
}

void BoardMove(int frames, int motionKind, EffectEnd end) {
  EffectParams.EffectFrames = frames;
  EffectParams.EffectMotionKind = motionKind;
  RunEffect(kEffectMove, end);
}

void BoardMoveSlots(int lastSlot, int frames, int motionKind, EffectEnd end) {
  EffectParams.EffectLastSlot = lastSlot;
  EffectParams.EffectFrames = frames;
  EffectParams.EffectMotionKind = motionKind;
  RunEffect(kEffectMoveSlots, end);
}

void BoardAnimateThenNext(int code) {
  Wait(code, 0);
  if (SceneCursor.SceneCode == kBoardScene) Wait(0, 0);  // the system menu may have left the board
}

void BoardMoveTo(int layer, int x, int y, int frames, int motionKind, EffectEnd end) {
  GetLayerRect(kRectIntoCurrent, layer);
  DrawState.CurrentLayer = layer;
  DrawState.TargetRect.X = x;
  DrawState.TargetRect.Y = y;
  BoardMove(frames, motionKind, end);
}

void BoardGoMarker() {
  const int marker = BoardLayers.TurnMarkerLayer;
  DrawState.CurrentLayer = marker;
  DrawState.CurrentRect = {WindowWidth(), 0, 1, 1};
  PrepareLayer(kPreparePictureShown);
  D00_LoadPicture(1, 85, 0);
  D50_CellPos(0, PieceCounters.PiecePos);
  const int x = DrawState.CurrentRect.X + (BoardGeometry.PieceSize - LayerWidth(marker)) / 2;
  const int y = DrawState.CurrentRect.Y + BoardGeometry.PieceSize - 22;
  MoveLayerKeepingSize(marker, x, y);
  DrawState.CurrentLayer = marker;
  DrawState.CurrentRect.X = x;
  DrawState.CurrentRect.Y = y;
}

void BoardRaise(int buttonMode) {
  LayerToFront(BoardLayers.TopLayer);
  TurnFlow.HoverIndex = -1;
  SceneCursor.SceneStep = 0;
  SceneCursor.ButtonMode = buttonMode;
}

void D50_Layout(int kind) {
  if (kind == 10) {
    PieceCounters.LuckGauge = 100;
    PieceCounters.WomanGauge = 0;
    PieceCounters.TurnNumber = 1;
    PieceCounters.DangerLevel = 0;
    PieceCounters.StopTurns = 0;
    PieceCounters.PowerTurns = 0;
    PieceCounters.SealTurns = 0;
    TurnFlow.GiftCounter = 0;
    PieceCounters.RerollCounter = 0;
    for (int i = 0; i < 4; ++i) PieceCounters.HeldItems[static_cast<size_t>(i)] = 0;
    return;
  }
  if (kind != 0) return;
  EffectParams.EffectLastSlot = 0;
  EffectParams.EffectMotionKind = kMotionEaseOut;
  EffectParams.EffectResumesStep = -1;
  BoardLayersRecord& l = BoardLayers;
  l.BoardLayer = 0;
  l.PieceLayer = 1;
  l.DieLayer = 2;
  l.BannerLayer = 3;
  l.ConfirmButtonFirstBox = 6;
  l.StrikeArrowLayer = 8;
  l.TileLayer = 9;
  l.ItemPanelLayer = 10;
  l.TurnButtonFirstBox = 11;
  l.ArrowLayer = 15;
  l.MenuButtonFirstBox = 17;
  l.TurnMarkerLayer = 19;
  l.ChoiceButtonFirstBox = 20;
  l.HighlightLayer = 23;
  l.BadgeLayer = 27;
  l.GaugeLayer = 30;
  l.CreatureFirstLayer = 34;
  l.BackdropLayer = 60;
  l.TopLayer = 99;
  DrawState.CurrentLayer = l.TileLayer;
  D00_LoadPicture(1, kTileSheetKind, 0);
  ShowLayer(l.TileLayer, false);
  for (int sheet = 0; sheet < 9; ++sheet) {
    DrawState.SheetIndex = sheet;
    D00_LoadPicture(2, kSheetKinds[sheet], 0);
  }
  BoardScreen.EffectSheet = 9;
  BoardGeometry.CellSize = 100;
  BoardGeometry.PieceSize = 70;
  BoardGeometry.CreatureSize = 90;
  BoardScreen.PickIconLast = 20;
  BoardScreen.MenuButtonLast = 1;
  BoardScreen.ChoiceButtonLast = 2;
  BoardScreen.StrikeKinds = {0, 1, 2};
  BoardScreen.CreatureClickLast = 29;
}

void D50_KindTile(int kind) {
  int column = 0;
  int row = 0;
  for (const TileRow& t : kTiles) {
    if (t.kind == kind) {
      column = t.column;
      row = t.row;
    }
  }
  // 凶 and 狂 are drawn sealed while 封 lasts.
  if ((kind == kCellBad || kind == kCellMad) && PieceCounters.SealTurns > 0) column = 2;
  BlitSpec.BlitSrcX = column * BoardGeometry.CellSize;
  BlitSpec.BlitSrcY = row * BoardGeometry.CellSize;
}

void D50_DrawPanel(int kind, int value) {
  const BoardLayersRecord& l = BoardLayers;
  const int cell = BoardGeometry.CellSize;
  switch (kind) {
    case 10: {  // the board grid
      int w = (BoardState.GridLastX + 1) * cell;
      int h = (BoardState.GridLastY + 1) * cell;
      BoardGeometry.BoardLeft = CentreX(w);
      BoardGeometry.BoardTop = CentreY(h);
      BoardPrepare(l.BoardLayer, BoardGeometry.BoardLeft, WindowHeight(), w, h);
      for (int j = 0; j <= BoardState.GridLastX; ++j) {
        for (int i = 0; i <= BoardState.GridLastY; ++i) {
          const bool edge = i == 0 || i == BoardState.GridLastY || j == 0 || j == BoardState.GridLastX;
          BitBltCopy(l.TileLayer, l.BoardLayer, {edge ? 0 : cell, 0, cell, cell, j * cell, i * cell});
        }
      }
      break;
    }
    case 15:  // the piece
      PictureAt(l.PieceLayer, 89, BoardState.BoardCharacter, -BoardGeometry.PieceSize, 0);
      break;
    case 20: {  // the die showing `value`
      int size = kDieSize;
      CellAt(l.DieLayer, kDieSheet, kDieSize * value, 0, kDieSize, kDieSize, CentreX(size), CentreY(size));
      break;
    }
    case 30: {  // the travel-direction pictures
      const bool forward = PieceCounters.TravelDir == 1;
      PictureAt(l.ArrowLayer, 71, forward ? 2 : 1, WindowWidth(), 0);
      PictureAt(l.ArrowLayer + 1, 71, forward ? 1 : 2, WindowWidth(), 0);
      break;
    }
    case 40:  // the stage-title signs
      PictureAt(l.BackdropLayer, 82, BoardState.StageSignNo, WindowWidth(), 0);
      PictureAt(l.BackdropLayer + 1, 81, 0, WindowWidth(), 0);
      break;
    case 50:  // the menu buttons
      CellAt(l.MenuButtonFirstBox, kMenuSheet, 0, 0, 90, 30, WindowWidth(), 0);
      CellAt(l.MenuButtonFirstBox + 1, kMenuSheet, 0, 30, 90, 30, WindowWidth(), 0);
      break;
    default: break;
  }
}

void D50_DrawPath(int kind) {
  if (kind != 10) return;
  const int cell = BoardGeometry.CellSize;
  for (int n = 0; n <= BoardState.PathLast && n < kPathCellCount; ++n) {
    const PathCellRecord& p = PathCell[static_cast<size_t>(n)];
    if (p.PathKind == 0) continue;
    D50_KindTile(p.PathKind);
    BitBltCopy(BoardLayers.TileLayer, BoardLayers.BoardLayer,
               {BlitSpec.BlitSrcX, BlitSpec.BlitSrcY, cell, cell, p.PathX * cell, p.PathY * cell});
  }
}

void D50_CellPos(int kind, int& n) {
  if (n < 0 || n >= kPathCellCount) return;
  const PathCellRecord& p = PathCell[static_cast<size_t>(n)];
  const BoardGeometryRecord& g = BoardGeometry;
  switch (kind) {
    case 0:
    case 1: {
      Rect& r = kind == 0 ? DrawState.CurrentRect : DrawState.TargetRect;
      r.X = p.PathX * g.CellSize + g.BoardLeft + g.CellSize / 2 - g.PieceSize / 2;
      r.Y = p.PathY * g.CellSize + g.BoardTop + g.CellSize / 2 - g.PieceSize / 2;
      break;
    }
    case 10:
      DrawState.CurrentRect.X = p.PathX * g.CellSize;
      DrawState.CurrentRect.Y = p.PathY * g.CellSize;
      break;
    case 21:
      DrawState.TargetRect.X = p.PathX * g.CellSize + g.BoardLeft;
      DrawState.TargetRect.Y = p.PathY * g.CellSize + g.BoardTop;
      break;
    default: break;
  }
}

void D50_GaugePanel(int kind, int mode) {
  int offset = 0;
  int height = 195;
  int y = 10;
  switch (kind) {
    case 10: break;
    case 11: offset = 1; break;
    case 25: offset = 2, height = 65, y = 215; break;
    case 30: offset = 3, height = 65, y = 290; break;
    default: return;
  }
  const int layer = BoardLayers.GaugeLayer + offset;
  if (mode == 0) {
    BoardPrepare(layer, -130, y, 130, height);
  } else {
    GetLayerRect(kRectIntoCurrent, layer);
    DrawState.CurrentLayer = layer;
  }
  if (kind == 10 || kind == 11) GaugeFace(layer, kind);
  else if (kind == 25) CounterPanel(layer, 97, PieceCounters.RollsLeft);
  else CounterPanel(layer, 98, PieceCounters.AttacksLeft);
}

void D50_DrawCreature(int mode) {
  const int slot = StepScratch.ActiveCreature;
  if (!ValidCreatureSlot(slot)) return;
  const CreatureSlotRecord& c = CreatureSlot[static_cast<size_t>(slot)];
  const BoardGeometryRecord& g = BoardGeometry;
  const int layer = CreatureLayer(slot);
  if (!ValidLayer(layer)) return;
  const int size = g.CreatureSize;
  int x = -size;
  int y = 0;
  if (mode == 1) {
    x = LayerLeft(layer);
    y = LayerTop(layer);
  } else if (mode == 2) {
    x = c.GridX * g.CellSize + g.BoardLeft + (g.CellSize - size) / 2;
    y = c.GridY * g.CellSize + g.BoardTop + (g.CellSize - size) / 2;
  } else if (mode != 0) {
    return;
  }
  const int picture = std::max(c.PictureNo, 0);
  CellAt(layer, kCreatureSheet, (picture % 10) * kCreaturePicture, (picture / 10) * kCreaturePicture,
         kCreaturePicture, kCreaturePicture, x, y);
  SetText(std::to_string(c.HitPoints), 18, true);
  TextStyle.TextX = size - (TextStyle.MeasuredWidth + 7);
  TextStyle.TextY = size - TextStyle.MeasuredHeight - 5;
  SetShades(RgbColor(255, 255, 255), RgbColor(200, 200, 200), RgbColor(150, 150, 150), RgbColor(100, 100, 100), 1);
  LayerInfo(layer).FontBold = true;
  PrintText(1, layer);
}

void ResetBoardScreenState() {
  BoardScreen = BoardScreenRecord{};
  BoardChoice = BoardChoiceRecord{};
}
