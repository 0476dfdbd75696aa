#include "scenario/face_slots.h"

#include <algorithm>
#include <cmath>

#include "engine/frame_model.h"
#include "engine/layers.h"
#include "engine/numeric.h"
#include "platform/platform.h"
#include "scenario/balloon_drawing.h"
#include "scenario/balloon_geometry.h"
#include "scenario/balloon_layout.h"
#include "scenario/line_execution.h"
#include "scenario/motion_curves.h"
#include "scenario/scene_members.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"
#include "scenario/simultaneous_groups.h"

FaceSlotRecord FaceSlot;
RecoilStateRecord RecoilState;

namespace {

// A real value stored into a 16-bit word: nearest, halves to even, held in range.
int Store16(double v) { return std::clamp(RoundHalfEven(v), -32768, 32767); }

// A half-length or move length of 0 frames (or a negative one from stage data) would
// divide by zero; such a recoil runs one frame each way.
int AtLeastOne(int frames) { return frames < 1 ? 1 : frames; }

int Slot() { return ValidFaceSlot(LineState.CurrentSlot) ? LineState.CurrentSlot : 0; }

bool ValidGroup(int g) { return g >= 0 && g < kGroupCount; }

// The speed of an ease-out move at its end, on one axis: how far the curve went in
// its last two frames, or the direction of the move when that rounds to nothing.
int EndSpeed(int start, int end, int length) {
  const double d = static_cast<double>(end) - start;
  const double k = static_cast<float>(d / (static_cast<double>(length) * length));
  const int speed = end - Store16(end - k * 4.0);
  if (speed != 0) return speed;
  return d > 0 ? 1 : (d < 0 ? -1 : 0);
}

// amplitude - k x (L - F)^2 with k = amplitude / L^2 in single precision: 0 at F = 0,
// the amplitude at F = L and 0 again at F = 2L.
int RecoilOffset(int amplitude, int length, int frame) {
  const double k = static_cast<float>(static_cast<double>(amplitude) / (static_cast<double>(length) * length));
  const double d = static_cast<double>(length) - frame;
  return Store16(amplitude - k * d * d);
}

void StartRecoil() {
  FaceSlotRecord& f = FaceSlot;
  SimultaneousGroupRecord& grp = SimultaneousGroup;
  const int s = Slot();
  const int g = MotionState.CurrentMotionSlot;
  if (!ValidGroup(g)) return;

  if (grp.GroupRecoil[g] == 0) {
    if (f.SpeechState[s] == kBalloonShown || f.SpeechState[s] == kBalloonToReshow) f.RecoilActive[s] = 4;
    for (int m = 1; m <= 2; ++m) {
      if (f.MiniState[s][m] == kBalloonShown) f.MiniRecoilActive[s][m] = 4;
    }
    return;
  }
  if (f.SpeechState[s] <= 1 && f.MiniState[s][1] <= 1 && f.MiniState[s][2] <= 1) return;

  grp.GroupRecoilStart[g] = AnimationRun.SimultaneousFrame;
  const int length = AtLeastOne(grp.GroupFrames[g]);
  const MotionSlotRecord& ms = MotionSlot[static_cast<size_t>(g)];
  int sx = EndSpeed(ms.MotionStartX, ms.MotionEndX, length);
  int sy = EndSpeed(ms.MotionStartY, ms.MotionEndY, length);
  const double dx = static_cast<double>(ms.MotionEndX) - ms.MotionStartX;
  const double dy = static_cast<double>(ms.MotionEndY) - ms.MotionStartY;
  const int v = RoundHalfEven(std::sqrt(dx * dx + dy * dy)) / length;

  const int r = grp.GroupRecoil[g];
  int n = 0;
  if (r == 1 || r == 2) {
    sx *= 2;
    sy *= 2;
    n = r == 1 ? v / 4 + 5 : v / 3 + 10;
  } else if (r >= 10 && r <= 19) {
    sx = Store16(static_cast<double>(sx) * RecoilState.MoveTypeScaleX[r]);
    sy = Store16(static_cast<double>(sy) * RecoilState.MoveTypeScaleX[r]);
    n = RecoilState.MoveTypeScaleY[r];
  }

  if (f.SpeechState[s] >= 2) {
    f.RecoilActive[s] = 3;
    f.RecoilAmpX[s][0] = sx;
    f.RecoilAmpY[s][0] = sy;
    f.RecoilAmpX[s][1] = Store16(0.8 * sx);
    f.RecoilAmpY[s][1] = Store16(0.8 * sy);
  }
  const BalloonGeometryRecord& geo = BalloonGeometry;
  for (int m = 1; m <= 2; ++m) {
    if (f.MiniState[s][m] < 5) continue;
    f.MiniRecoilActive[s][m] = 3;
    MoveLayerKeepingSize(f.MiniLayer[s][m], geo.FaceLeft + f.MiniRelX[s][m], geo.FaceTop + f.MiniRelY[s][m]);
    f.MiniRecoilAmpX[s][m] = Store16(0.5 * sx);
    f.MiniRecoilAmpY[s][m] = Store16(0.5 * sy);
  }
  n = AtLeastOne(n);
  if (f.RecoilActive[s] == 3) f.RecoilLength[s][0] = n;
  for (int m = 1; m <= 2; ++m) {
    if (f.MiniRecoilActive[s][m] == 3) f.MiniRecoilLength[s][m] = n;
  }
}

// The frame of the recoil of group CurrentMotionSlot; the run's counters show it.
int RecoilFrame(int length) {
  const int g = MotionState.CurrentMotionSlot;
  const int start = ValidGroup(g) ? SimultaneousGroup.GroupRecoilStart[g] : 0;
  AnimationRun.AnimationFrame = AnimationRun.SimultaneousFrame - start;
  AnimationRun.AnimationLength = length;
  return AnimationRun.AnimationFrame;
}

void StepBalloonRecoil() {
  FaceSlotRecord& f = FaceSlot;
  const int s = Slot();
  const int length = AtLeastOne(f.RecoilLength[s][0]);
  const int frame = RecoilFrame(length);
  for (int p = 0; p < 2; ++p) {
    f.PartOffsetX[s][p] = RecoilOffset(f.RecoilAmpX[s][p], length, frame);
    f.PartOffsetY[s][p] = RecoilOffset(f.RecoilAmpY[s][p], length, frame);
  }
  if (frame >= 2 * length) f.RecoilActive[s] = 0;
}

void StepMiniRecoil() {
  FaceSlotRecord& f = FaceSlot;
  const int s = Slot();
  const int m = LineExecution.CurrentMini;
  if (!ValidMini(m)) return;
  const int length = AtLeastOne(f.MiniRecoilLength[s][m]);
  const int frame = RecoilFrame(length);
  f.MiniOffsetX[s][m] = RecoilOffset(f.MiniRecoilAmpX[s][m], length, frame);
  f.MiniOffsetY[s][m] = RecoilOffset(f.MiniRecoilAmpY[s][m], length, frame);
  if (frame >= 2 * length) f.MiniRecoilActive[s][m] = 0;
}

}  // namespace

void PlaceSlotPicture(int kind, int move) {
  const FaceSlotRecord& f = FaceSlot;
  const BalloonGeometryRecord& geo = BalloonGeometry;
  const int s = Slot();
  int x = 0;
  int y = 0;
  int layer = -1;
  switch (kind) {
    case 0:
      x = geo.FaceLeft + geo.SlotBalloonRelX[s] + f.PartOffsetX[s][0];
      y = geo.FaceTop + geo.SlotBalloonRelY[s] + f.PartOffsetY[s][0];
      layer = f.BalloonLayer[s];
      break;
    case 1:
      x = geo.FaceLeft + geo.SlotTailRelX[s] + f.PartOffsetX[s][1];
      y = geo.FaceTop + geo.SlotTailRelY[s] + f.PartOffsetY[s][1];
      layer = f.BalloonLayer[s] + 1;
      break;
    case 2: {
      const int m = LineExecution.CurrentMini;
      if (!ValidMini(m)) return;
      x = geo.FaceLeft + f.MiniRelX[s][m] + f.MiniOffsetX[s][m];
      y = geo.FaceTop + f.MiniRelY[s][m] + f.MiniOffsetY[s][m];
      layer = f.MiniLayer[s][m];
      break;
    }
    default:
      return;
  }
  DrawState.CurrentRect.X = x;
  DrawState.CurrentRect.Y = y;
  if (move == -1) MoveLayerKeepingSize(layer, x, y);
}

void EaseFaceMove(int kind) {
  switch (kind) {
    case 0: StartRecoil(); break;
    case 10: StepBalloonRecoil(); break;
    case 20: StepMiniRecoil(); break;
    default: break;
  }
}

void RestoreQueuedLine(int s) {
  if (!ValidFaceSlot(s)) return;
  const FaceSlotRecord& f = FaceSlot;
  const size_t i = static_cast<size_t>(s);
  const int n = ScriptStore.CurrentScriptLine;
  if (n >= 0 && n < kScriptLineCapacity) ScriptStore.ScriptText[static_cast<size_t>(n)] = f.SlotBalloonText[i];
  LineCode.SubParam = f.SlotSavedSubParam[i];
  LineCode.MainParam = f.SlotSavedMainParam[i];
  LineCode.ActionCode = f.SlotSavedAction[i];
  LineState.LineFontSize = f.SlotFontSize[i];
  LineState.LineVoice = f.SlotVoice[i];
}

void ReshowBalloon(int kind) {
  if (kind != 10) return;
  FaceSlotRecord& f = FaceSlot;
  const int s = Slot();
  DrawState.StepDoneCount = 0;
  RestoreQueuedLine(s);  // the balloon drawing reads the line's text
  LineCode.Speaker = s;
  BalloonLayout(0);
  PlaceSlotPicture(0, 0);
  BalloonText(20);
  BalloonParts(2, 2);
  f.SpeechState[s] = kBalloonShown;
  BalloonShowSound(1);
}

void SetMiniState() {
  FaceSlotRecord& f = FaceSlot;
  const int s = Slot();
  const int m = LineExecution.CurrentMini;
  if (!ValidMini(m)) return;
  f.MiniState[s][m] = kBalloonShown;
  DrawState.CurrentLayer = f.MiniLayer[s][m];
  GetLayerRect(kRectIntoCurrent, DrawState.CurrentLayer);
  f.MiniShownX[s][m] = DrawState.CurrentRect.Width;
  f.MiniShownY[s][m] = DrawState.CurrentRect.Height;
}

void ForgetBalloonLayers() {
  const FaceSlotRecord start{};
  FaceSlot.BalloonLayer = start.BalloonLayer;
  FaceSlot.ThoughtLayer = start.ThoughtLayer;
}

void ResetFaceSlotState() {
  FaceSlot = FaceSlotRecord{};
  RecoilState = RecoilStateRecord{};
}
