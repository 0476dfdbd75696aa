// D50_CreatureFrame: what happens to creatures, codes 1030 to 1035 of the board's
// frame handler. 1030 the strike beam over the creatures it reaches; 1031 the gauge
// changes of the listed events as number badges over the creatures; 1032 and 1033
// those numbers flying into the 運 or the 女 gauge with their total; 1034 removed
// creatures blinking out; 1035 changed or arriving creatures hopping.
#include <algorithm>
#include <string>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "engine/text.h"
#include "platform/pixels.h"
#include "scenario/motion_curves.h"
#include "vadrim/board/model.h"
#include "vadrim/board/screen.h"
#include "vadrim/vadrim_pictures.h"
#include "vadrim/vadrim_sounds.h"

namespace {

void HandBack() { Wait(0, 0); }
void Return() { FrameClock.FrameLoopRunning = 0; }

int Last() { return std::min(CreatureEvents.EventLast, kEventListSize - 1); }
int Entry(int i) { return CreatureEvents.EventSlot[static_cast<size_t>(i)]; }
int& Active(int i) { return CreatureEvents.MotionActive[static_cast<size_t>(i)]; }

void Hold(int slot, int layer, int x0, int y0, int x1, int y1, int pause) {
  BoardStore(slot, layer, x0, y0, x1, y1);
  MotionSlot[static_cast<size_t>(slot)].MotionPause = pause;
}

// The colour sets of the numbers: 女 pink, 運 black.
void NumberColours(bool woman) {
  TextStyleRecord& t = TextStyle;
  if (woman) {
    t.TextColor = RgbColor(255, 0, 255);
    t.ShadeColor1 = RgbColor(255, 150, 255);
    t.ShadeColor2 = RgbColor(255, 150, 255);
  } else {
    t.TextColor = RgbColor(0, 0, 0);
    t.ShadeColor1 = RgbColor(100, 100, 100);
    t.ShadeColor2 = RgbColor(100, 100, 100);
  }
  t.ShadeColor3 = RgbColor(255, 255, 155);
}

// A white box with a number centred in it (dx, dy nudging it) and an outline in
// the text colour.
void NumberBox(int layer, int x, int y, int w, int h, const std::string& text, int size, int dx, int dy) {
  BoardPrepare(layer, x, y, w, h);
  LayerInfo(layer).BackColor = RgbColor(255, 255, 255);
  ClearLayerImage(layer);
  TextStyleRecord& t = TextStyle;
  t.CurrentText = text;
  t.TextFontSize = size;
  t.OutlineWidth = 1;
  MeasureText(0);
  t.TextX = w / 2 - t.MeasuredWidth / 2 + dx;
  t.TextY = h / 2 - t.MeasuredHeight / 2 + dy;
  PrintText(1, layer);
  tq::DrawBox(LayerImage(layer), 0, 0, w - 1, h - 1, tq::PixelFromColor(t.TextColor));
}

// ---- 1030, the strike beam ----

void Beam() {
  SetFrameLength(0, 0);
  if (AnimationRun.AnimationStep != 0) {
    HandBack();
    return;
  }
  const BoardChoiceRecord& s = BoardChoice;
  const BoardGeometryRecord& g = BoardGeometry;
  const int beam = BoardLayers.BackdropLayer;
  if (AnimationRun.AnimationFrame == 0) {
    PlayScreenSound(105);
    int ox = 0;
    int oy = 0;
    int w = g.CellSize;
    if (s.StrikeOrigin == 0) {
      D50_CellPos(1, PieceCounters.PiecePos);
      ox = DrawState.TargetRect.X;
      oy = DrawState.TargetRect.Y;
      const int chosen = std::clamp(TurnFlow.HoverIndex, 0, 2);
      w = g.CellSize - 20 * std::clamp(BoardScreen.StrikeKinds[static_cast<size_t>(chosen)], 0, 2);
    } else {
      ox = s.StrikeX * g.CellSize + g.BoardLeft;
      oy = s.StrikeY * g.CellSize + g.BoardTop;
      if (s.StrikeOrigin == 1) {
        ox += (g.CellSize - g.PieceSize) / 2;
        oy += (g.CellSize - g.PieceSize) / 2;
      }
    }
    const int len = (g.CellSize - g.PieceSize) / 2 + s.StrikeRange * g.CellSize;
    const int p = g.PieceSize;
    Rect box{ox, oy, w, w};
    Rect line{ox + w / 2 - 1, oy + w / 2 - 1, 2, 2};
    if (s.StrikeOrigin != 2) {
      switch (BoardChoice.StrikeDir) {
        case 1: box = {ox + p / 2 - w / 2, oy - len, w, len}, line = {ox + p / 2 - 1, oy - len, 2, len}; break;
        case 2: box = {ox + p, oy + p / 2 - w / 2, len, w}, line = {ox + p, oy + p / 2 - 1, len, 2}; break;
        case 3: box = {ox + p / 2 - w / 2, oy + p, w, len}, line = {ox + p / 2 - 1, oy + p, 2, len}; break;
        case 4: box = {ox - len, oy + p / 2 - w / 2, len, w}, line = {ox - len, oy + p / 2 - 1, len, 2}; break;
        default: break;
      }
    }
    BoardPrepare(beam, box.X, box.Y, box.Width, box.Height);
    MotionSlotRecord& m = MotionSlot[0];
    m.MotionLayer = beam;
    m.MotionStartX = box.X;
    m.MotionStartY = box.Y;
    m.MotionStartWidth = box.Width;
    m.MotionStartHeight = box.Height;
    m.MotionEndX = line.X;
    m.MotionEndY = line.Y;
    m.MotionEndWidth = line.Width;
    m.MotionEndHeight = line.Height;
    AnimationRun.AnimationLength = 35;
    for (int i = 0; i <= Last(); ++i) {
      const int layer = CreatureLayer(Entry(i));
      BoardStore(10 + i, layer, LayerLeft(layer), LayerTop(layer), LayerLeft(layer), LayerTop(layer));
    }
  }
  unsigned flash = RgbColor(247, 182, 212);
  if (PieceCounters.PowerTurns > 0) flash = RgbColor(255, 0, 64);
  if (s.StrikeOrigin >= 1) flash = RgbColor(255, 255, 0);
  MotionSlotStep(0, kMotionSizedLinear);
  LayerInfo(beam).BackColor = AnimationRun.AnimationFrame % 2 == 0 ? flash : RgbColor(255, 255, 255);
  ClearLayerImage(beam);
  for (int i = 0; i <= Last(); ++i) {
    const MotionSlotRecord& m = MotionSlot[static_cast<size_t>(10 + i)];
    MoveLayerKeepingSize(m.MotionLayer, m.MotionStartX + RandomRange(0, 10) - 5,
                         m.MotionStartY + RandomRange(0, 10) - 5);
  }
  if (AnimationRun.AnimationFrame == 30 && Last() >= 0) PlayScreenSound(106, 1);
  if (!BoardCountTo(35)) return;
  ShowLayer(beam, false);
  for (int i = 0; i <= Last(); ++i) {
    const MotionSlotRecord& m = MotionSlot[static_cast<size_t>(10 + i)];
    MoveLayerKeepingSize(m.MotionLayer, m.MotionStartX, m.MotionStartY);
  }
  NextAnimationStep(100);
}

// ---- 1031, the numbers over the creatures ----

int BadgeWidth(int characters) {
  switch (characters) {
    case 2: return 56;
    case 3: return 70;
    default: return 50;
  }
}

void Numbers() {
  SetFrameLength(0, 0);
  if (AnimationRun.AnimationFrame == 0) {
    const int size = BoardGeometry.CreatureSize;
    for (int i = 0; i <= Last(); ++i) {
      const int luck = CreatureEvents.PendingLuck[static_cast<size_t>(i)];
      const int woman = CreatureEvents.PendingWoman[static_cast<size_t>(i)];
      Active(i) = 0;
      if (luck == 0 && woman == 0) continue;
      const std::string text = std::to_string(woman != 0 ? woman : luck);
      NumberColours(woman != 0);
      const int w = BadgeWidth(static_cast<int>(text.size()));  // digits and a sign, one byte each
      const int creature = CreatureLayer(Entry(i));
      const int x = LayerLeft(creature) + (size - w) / 2;
      const int y = LayerTop(creature) + (size - 50) / 2;
      NumberBox(BoardLayers.BackdropLayer + i, x, y, w, 50, text, 30, 0, 1);
      Hold(i, BoardLayers.BackdropLayer + i, x, y, x, y - 30, 20);
      Active(i) = -1;
    }
  }
  for (int i = 0; i <= Last(); ++i) {
    if (Active(i) == -1) MotionSlotStep(i, kMotionEaseOutArc);
  }
  if (BoardCountTo(20)) Return();
}

// ---- 1032 and 1033, the numbers fly into a gauge ----

void ToGauge(bool woman) {
  SetFrameLength(0, 0);
  const int gauge = BoardLayers.GaugeLayer + (woman ? 1 : 0);
  const int total = woman ? CreatureEvents.WomanTotal : CreatureEvents.LuckTotal;
  const int banner = BoardLayers.BannerLayer;
  auto change = [woman](int i) {
    const size_t at = static_cast<size_t>(i);
    return woman ? CreatureEvents.PendingWoman[at] : CreatureEvents.PendingLuck[at];
  };
  switch (AnimationRun.AnimationStep) {
    case 0:
      if (AnimationRun.AnimationFrame == 0) {
        PlayScreenSound(107);
        for (int i = 0; i <= Last(); ++i) {
          Active(i) = 0;
          if (change(i) == 0) continue;
          const int badge = BoardLayers.BackdropLayer + i;
          const int x = LayerLeft(gauge) + LayerWidth(gauge) / 2 - LayerWidth(badge) / 2;
          const int y = LayerTop(gauge) + LayerHeight(gauge) / 2 - LayerHeight(badge) / 2;
          BoardStore(i, badge, LayerLeft(badge), LayerTop(badge), x, y);
          Active(i) = -1;
        }
      }
      for (int i = 0; i <= Last(); ++i) {
        if (Active(i) == -1) MotionSlotStep(i, kMotionLinear);
      }
      if (!BoardCountTo(20)) return;
      for (int i = 0; i <= Last(); ++i) {
        if (Active(i) == -1) ShowLayer(BoardLayers.BackdropLayer + i, false);
      }
      NextAnimationStep();
      break;
    case 1: {
      NumberColours(woman);
      const std::string text = (total >= 0 ? "+" : "") + std::to_string(total);
      const int x = LayerLeft(gauge) + LayerWidth(gauge) / 2 - 60;
      const int y = LayerTop(gauge) + LayerHeight(gauge) / 2 - 40 + 10;
      NumberBox(banner, x, y, 120, 80, text, 50, -1, 1);
      Hold(0, banner, x, y, x, y - 50, 20);
      AnimationRun.AnimationFrame = 0;
      if (total >= 0) {
        PlayScreenSound(108);
        AnimationRun.AnimationStep = 2;
      } else {
        PlayScreenSound(109);
        AnimationRun.AnimationStep = 3;
      }
      break;
    }
    case 2:
      MotionSlotStep(0, kMotionEaseOutArc);
      if (!BoardCountTo(20)) return;
      AnimationRun.AnimationFrame = 0;
      AnimationRun.AnimationStep = 5;
      break;
    case 3: {
      const MotionSlotRecord& m = MotionSlot[0];
      MoveLayerKeepingSize(banner, m.MotionStartX + RandomRange(0, 14) - 7, m.MotionStartY + RandomRange(0, 14) - 7);
      if (!BoardCountTo(30)) return;
      MoveLayerKeepingSize(banner, m.MotionStartX, m.MotionStartY);
      AnimationRun.AnimationFrame = 0;
      AnimationRun.AnimationStep = 5;
      break;
    }
    case 5:
      (woman ? PieceCounters.WomanGauge : PieceCounters.LuckGauge) += total;
      D50_GaugePanel(woman ? 11 : 10, 1);
      Return();
      break;
    default: break;
  }
}

// ---- 1034 and 1035: creatures blink out, creatures hop ----

// The overlay picture of EventAnimKind on layer, centred on `over`.
void Overlay(int layer, int over) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {WindowWidth(), 0, 1, 1};
  PrepareLayer(kPreparePictureShown);
  D00_LoadPicture(1, 90, CreatureEvents.EventAnimKind);
  const int half = BoardGeometry.CreatureSize / 2;
  MoveLayerKeepingSize(layer, LayerLeft(over) + half - LayerWidth(layer) / 2,
                       LayerTop(over) + half - LayerHeight(layer) / 2);
}

void BlinkOut() {
  if (AnimationRun.AnimationStep != 0) {
    HandBack();
    return;
  }
  SetFrameLength(-1, 80);
  const int last = std::min(CreatureEvents.MotionLastSlot, kEventListSize - 1);
  if (AnimationRun.AnimationFrame == 0) {
    PlayScreenSound(110);
    for (int i = 0; i <= last; ++i) {
      Overlay(BoardLayers.BackdropLayer + i, MotionSlot[static_cast<size_t>(i)].MotionLayer);
    }
  }
  const bool shown = AnimationRun.AnimationFrame % 2 == 1;
  for (int i = 0; i <= last; ++i) {
    ShowLayer(MotionSlot[static_cast<size_t>(i)].MotionLayer, shown);
    ShowLayer(BoardLayers.BackdropLayer + i, shown);
  }
  if (!BoardCountTo(10)) return;
  HideLayerRange(BoardLayers.BackdropLayer, BoardLayers.BackdropLayer + last);
  NextAnimationStep();
}

void Hops() {
  SetFrameLength(0, 0);
  switch (AnimationRun.AnimationStep) {
    case 0:
      if (AnimationRun.AnimationFrame == 0) {
        PlayScreenSound(111);
        for (int i = 0; i <= Last(); ++i) {
          Active(i) = 0;
          if (CreatureEvents.EventFlag[static_cast<size_t>(i)] != -1) continue;
          const int creature = CreatureLayer(Entry(i));
          LayerToFront(creature);
          Hold(i, creature, LayerLeft(creature), LayerTop(creature), LayerLeft(creature), LayerTop(creature) - 50, 30);
          Active(i) = -1;
          Overlay(BoardLayers.BackdropLayer + i, creature);
        }
      }
      for (int i = 0; i <= Last(); ++i) {
        if (Active(i) == -1) MotionSlotStep(i, kMotionEaseOutArc);
      }
      if (BoardCountTo(30)) NextAnimationStep(300);
      break;
    case 1:
      PlayScreenSound(118, 1);
      if (Last() >= 0) HideLayerRange(BoardLayers.BackdropLayer, BoardLayers.BackdropLayer + Last());
      NextAnimationStep(300);
      break;
    default: HandBack(); break;
  }
}

}  // namespace

void D50_CreatureFrame() {
  switch (FrameClock.AnimationCode) {
    case kAnimBeam: Beam(); break;
    case kAnimNumbers: Numbers(); break;
    case kAnimLuckToGauge: ToGauge(false); break;
    case kAnimWomanToGauge: ToGauge(true); break;
    case kAnimBlinkOut: BlinkOut(); break;
    case kAnimHops: Hops(); break;
    default:
      // No creature animation has this code: its loop ends rather than run for ever.
      Return();
      break;
  }
}
