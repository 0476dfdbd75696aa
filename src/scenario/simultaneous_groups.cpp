#include "scenario/simultaneous_groups.h"

#include <algorithm>

#include "engine/frame_model.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "scenario/animation_dispatch.h"
#include "scenario/balloon_animation.h"
#include "scenario/face_settings.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/motion_curves.h"
#include "scenario/scene_members.h"
#include "scenario/scene_sounds.h"
#include "scenario/script_actions.h"
#include "scenario/script_conversion.h"
#include "scenario/script_fields.h"

SimultaneousQueueRecord SimultaneousQueue;
SimultaneousGroupRecord SimultaneousGroup;

namespace {

// Fields of a face-move item (part 0).
enum FaceMoveField {
  kFieldLayer = 0,
  kFieldStartX,
  kFieldStartY,
  kFieldEndX,
  kFieldEndY,
  kFieldMoveType,
  kFieldStartFrame,
  kFieldFrames,
  kFieldPause,
  kFieldRecoil,
  kFieldFaceSound,
};

// Fields of a balloon item (part 1); a mini item (parts 2 and 3) uses 0, 2, 3 and 4.
enum BalloonField {
  kBalloonStart = 0,
  kBalloonSubParam,
  kBalloonMainParam,
  kBalloonAction,
  kBalloonErase,
  kBalloonFontSize,
  kBalloonVoice,
};
constexpr int kMiniStart = 0;
constexpr int kMiniVariant = 2;
constexpr int kMiniKind = 3;
constexpr int kMiniSound = 4;
// The kind a mini erase is recorded with.
constexpr int kMiniEraseKind = 9;

int scratchCell = 0;
std::string scratchText;

size_t Steps() { return static_cast<size_t>(std::max(SimultaneousQueue.ChainLength, 0)) + 1; }

bool InSlots(int slot) { return slot >= 0 && slot < kFaceSlotCount; }
bool InSteps(int step) { return step >= 0 && static_cast<size_t>(step) < Steps(); }

// The per-part tables are [slot][part 0..ChainLength].
int& PartCell(std::vector<int>& table, int slot, int part) {
  const size_t i = static_cast<size_t>(slot) * Steps() + static_cast<size_t>(part);
  if (!InSlots(slot) || !InSteps(part) || i >= table.size()) {
    scratchCell = 0;
    return scratchCell;
  }
  return table[i];
}

int Slot() { return ValidFaceSlot(LineState.CurrentSlot) ? LineState.CurrentSlot : 0; }
bool ValidGroup(int g) { return g >= 0 && g < kGroupCount; }
int LastGroup() { return std::min(SimultaneousGroup.MaxGroup, kGroupCount - 1); }

bool IsOpening(int state) { return state == kBalloonToOpen || state == kBalloonToReshow || state == kBalloonOpening; }
bool IsErasing(int state) { return state == kBalloonToErase || state == kBalloonErasing; }
bool RecoilRuns(int active) { return active == 3 || active == 4; }

// Only kinds 30 to 35 have an appearing animation.
bool MiniKindAnimates(int kind) { return kind >= 30 && kind <= 35; }

MotionSlotRecord& GroupMotion(int g) { return MotionSlot[static_cast<size_t>(g)]; }

void RecordFaceMove(int s, int c) {
  const int g = LineState.LineGroup;
  const MotionSlotRecord& m = GroupMotion(g);
  const SimultaneousGroupRecord& grp = SimultaneousGroup;
  const int values[] = {FaceSlot.FaceLayer[s], m.MotionStartX, m.MotionStartY, m.MotionEndX, m.MotionEndY,
                        MoveParams.MoveType, MoveParams.MoveStartFrame, AnimationRun.AnimationLength,
                        MoveParams.MovePause, grp.GroupRecoil[g], grp.GroupFaceSound[g]};
  for (int field = 0; field <= kFieldFaceSound; ++field) KeyTableAt(s, c, kPartFaceMove, field) = values[field];
}

void RecordBalloon(int s, int c, bool erase) {
  KeyTextAt(s, c) = CurrentLineRemainder();
  const int values[] = {LineState.LineStartDelay, LineCode.SubParam, LineCode.MainParam, LineCode.ActionCode,
                        erase ? 1 : 0, LineState.LineFontSize, LineState.LineVoice};
  for (int field = 0; field <= kBalloonVoice; ++field) KeyTableAt(s, c, kPartBalloon, field) = values[field];
}

void RecordMini(int s, int c, int part, bool erase) {
  KeyTableAt(s, c, part, kMiniStart) = LineState.LineStartDelay;
  KeyTableAt(s, c, part, kMiniVariant) = LineCode.MainParam;
  KeyTableAt(s, c, part, kMiniKind) = erase ? kMiniEraseKind : LineCode.ActionCode;
  KeyTableAt(s, c, part, kMiniSound) = LineState.LineMiniSound;
}

void Record(int kind) {
  const int s = Slot();
  const int c = LineState.LineChain;
  int part = 0;
  switch (kind) {
    case 0:
      // A move outside the ten groups has no motion slot of its own to file.
      if (!ValidGroup(LineState.LineGroup)) return;
      part = kPartFaceMove;
      RecordFaceMove(s, c);
      break;
    case 10:
    case 15:
      part = kPartBalloon;
      RecordBalloon(s, c, kind == 15);
      break;
    case 20:
    case 25: {
      const int m = LineExecution.CurrentMini;
      if (!ValidMini(m)) return;
      part = m + 1;
      RecordMini(s, c, part, kind == 25);
      break;
    }
    default:
      return;
  }
  // A step beyond the dimensioned chain is not recorded, so it is not counted either.
  if (!InSteps(c)) return;
  QueueStartFrameAt(s, part) += 1;
}

void LoadFaceMove(int s, int c) {
  const int g = MotionState.CurrentMotionSlot;
  if (!ValidGroup(g)) return;
  auto field = [s, c](int f) { return KeyTableAt(s, c, kPartFaceMove, f); };
  MotionSlotRecord& m = GroupMotion(g);
  m.MotionLayer = field(kFieldLayer);
  m.MotionStartX = field(kFieldStartX);
  m.MotionStartY = field(kFieldStartY);
  m.MotionEndX = field(kFieldEndX);
  m.MotionEndY = field(kFieldEndY);
  m.MotionStartFrame = field(kFieldStartFrame) + AnimationRun.SimultaneousFrame;
  m.MotionPause = field(kFieldPause);
  SimultaneousGroupRecord& grp = SimultaneousGroup;
  grp.GroupMoveType[g] = field(kFieldMoveType);
  grp.GroupFrames[g] = field(kFieldFrames);
  grp.GroupRecoil[g] = field(kFieldRecoil);
  grp.GroupFaceSound[g] = field(kFieldFaceSound);
  grp.GroupActive[g] = 1;
}

void LoadBalloon(int s, int c) {
  FaceSlotRecord& f = FaceSlot;
  auto field = [s, c](int i) { return KeyTableAt(s, c, kPartBalloon, i); };
  f.SlotStartDelay[s] = field(kBalloonStart) + AnimationRun.SimultaneousFrame;
  if (field(kBalloonErase) == 1) {
    if (f.SlotBalloonCategory[s] == 0) f.SpeechState[s] = kBalloonToErase;
    if (f.SlotBalloonCategory[s] == 1) f.ThoughtState[s] = kBalloonToErase;
    return;
  }
  f.SlotBalloonText[s] = KeyTextAt(s, c);
  LineCode.SubParam = f.SlotSavedSubParam[s] = field(kBalloonSubParam);
  LineCode.MainParam = f.SlotSavedMainParam[s] = field(kBalloonMainParam);
  LineCode.ActionCode = f.SlotSavedAction[s] = field(kBalloonAction);
  LineState.LineFontSize = f.SlotFontSize[s] = field(kBalloonFontSize);
  LineState.LineVoice = f.SlotVoice[s] = field(kBalloonVoice);
  SetBalloonState(2);
}

void LoadMini(int s, int c) {
  const int m = LineExecution.CurrentMini;
  if (!ValidMini(m)) return;
  const int part = m + 1;
  FaceSlotRecord& f = FaceSlot;
  // A mini begins one frame after a balloon of the same start frame.
  f.MiniStartDelay[s][m] = KeyTableAt(s, c, part, kMiniStart) + AnimationRun.SimultaneousFrame + 1;
  const int variant = KeyTableAt(s, c, part, kMiniVariant);
  const int kind = KeyTableAt(s, c, part, kMiniKind);
  f.MiniParams[s][m][2] = variant;
  f.MiniParams[s][m][3] = kind;
  LineState.LineMiniSound = f.SlotMiniSound[s] = KeyTableAt(s, c, part, kMiniSound);
  if (kind == kMiniEraseKind) {
    f.MiniState[s][m] = kBalloonToErase;
  } else {
    f.MiniVariant = variant;
    f.MiniKind[s][m] = kind;
    f.MiniState[s][m] = kBalloonToOpen;
  }
  const size_t entry = static_cast<size_t>(MiniAnimEntry(s, m));
  f.MiniAnimFrame[entry] = 0;
  f.MiniAnimSubStep[entry] = 0;
}

// Loads the entry of the part's cursor: part 0 a face move, 1 a balloon, 2 and 3 the
// two minis; the tables have no further parts.
void LoadPart(int part) {
  if (part == kPartFaceMove) {
    SimultaneousTable(1);
  } else if (part == kPartBalloon) {
    SimultaneousTable(11);
  } else if (part == kPartMini1 || part == kPartMini2) {
    LineExecution.CurrentMini = part - 1;
    SimultaneousTable(21);
  }
}

void Load(int kind) {
  const int s = Slot();
  switch (kind) {
    case 1: LoadFaceMove(s, QueueCursorAt(s, kPartFaceMove)); break;
    case 11: LoadBalloon(s, QueueCursorAt(s, kPartBalloon)); break;
    case 21: {
      const int m = LineExecution.CurrentMini;
      if (ValidMini(m)) LoadMini(s, QueueCursorAt(s, m + 1));
      break;
    }
    default: break;
  }
}

bool InUse(int value) { return value > 0; }

// The fixed queues: each entry in use fires on the exact frame of its start.
void FireQueues() {
  SimultaneousQueueRecord& q = SimultaneousQueue;
  const int frame = AnimationRun.SimultaneousFrame;
  for (int i = 0; i < kQueueEntryCount; ++i) {
    // No mode supplies an event hook: a queued event only keeps the run alive.
    if (InUse(q.EventQueueKind[i]) && q.EventQueueStart[i] == frame) {
      q.EventQueueKind[i] = 0;
      q.EventQueueStart[i] = 0;
    }
  }
  for (int i = 0; i < kQueueEntryCount; ++i) {
    if (!InUse(q.SoundQueueNumber[i]) || q.SoundQueueStart[i] != frame) continue;
    int channel = q.SoundQueueChannel[i];
    float volume = q.SoundQueueVolume[i];
    PlaySoundEffect(q.SoundQueueNumber[i], channel, volume);
    q.SoundQueueNumber[i] = 0;
    q.SoundQueueChannel[i] = 0;
    q.SoundQueueStart[i] = 0;
    q.SoundQueueVolume[i] = 0.0f;
  }
  for (int i = 0; i < kQueueEntryCount; ++i) {
    if (!InUse(q.PictureQueueNumber[i]) || q.PictureQueueStart[i] != frame) continue;
    const int slot = q.PictureQueueSlot[i];
    DrawState.CurrentLayer = ValidFaceSlot(slot) ? FaceSlot.FaceLayer[static_cast<size_t>(slot)] : -1;
    PictureLoadByMode(q.PictureQueueNumber[i], q.PictureQueueNumber2[i]);
    q.PictureQueueNumber[i] = 0;
    q.PictureQueueNumber2[i] = 0;
    q.PictureQueueSlot[i] = 0;
    q.PictureQueueStart[i] = 0;
  }
}

void StepSpeechBalloon(int s) {
  FaceSlotRecord& f = FaceSlot;
  AnimationRunRecord& run = AnimationRun;
  const int state = f.SpeechState[s];
  if (IsOpening(state)) {
    run.AnimationFrame = run.SimultaneousFrame - f.SlotStartDelay[s];
    if (run.AnimationFrame < 0) return;
    if (state == kBalloonToReshow) ReshowBalloon(10);
    else AnimateBalloon(kSpeechOpeningKind, 1);
    if (f.SpeechState[s] == kBalloonShown) MarkItemStarted(kPartBalloon);
    f.BalloonMovedFlag[s] = 0;
  } else if (IsErasing(state)) {
    run.AnimationFrame = run.SimultaneousFrame - f.SlotStartDelay[s];
    if (run.AnimationFrame < 0) return;
    AnimateBalloon(kBalloonEraseKind, 1);
    if (f.SpeechState[s] == kBalloonHidden) MarkItemStarted(kPartBalloon);
    f.BalloonMovedFlag[s] = 0;
  }
}

void StepMini(int s, int m) {
  FaceSlotRecord& f = FaceSlot;
  AnimationRunRecord& run = AnimationRun;
  LineExecution.CurrentMini = m;
  if (f.MiniRecoilActive[s][m] == 3) {
    EaseFaceMove(20);
    f.MiniPicMovedFlag[s][m] = -1;
  } else if (f.MiniRecoilActive[s][m] == 4) {
    f.MiniRecoilActive[s][m] = 0;
    f.MiniPicMovedFlag[s][m] = -1;
  }
  const int state = f.MiniState[s][m];
  if (state == kBalloonToOpen || state == kBalloonOpening) {
    run.AnimationFrame = run.SimultaneousFrame - f.MiniStartDelay[s][m];
    if (run.AnimationFrame >= 0) {
      f.MiniState[s][m] = kBalloonOpening;
      f.MiniVariant = f.MiniParams[s][m][2];
      const int kind = f.MiniParams[s][m][3];
      // A kind without an animation would never appear and would keep the run alive.
      if (MiniKindAnimates(kind)) AnimateMiniPicture(kAnimFirstMini + kind - 30, 1);
      else f.MiniState[s][m] = kBalloonShown;
      if (f.MiniState[s][m] == kBalloonShown) MarkItemStarted(m + 1);
      f.MiniPicMovedFlag[s][m] = 0;
    }
  } else if (IsErasing(state)) {
    run.AnimationFrame = run.SimultaneousFrame - f.MiniStartDelay[s][m];
    if (run.AnimationFrame >= 0) {
      AnimateMiniPicture(kAnimMiniErase, 1);
      if (f.MiniState[s][m] == kBalloonHidden) MarkItemStarted(m + 1);
      f.MiniPicMovedFlag[s][m] = 0;
    }
  }
  if (f.MiniPicMovedFlag[s][m] == -1) PlaceSlotPicture(2, -1);
}

// The next entries of the parts whose current entry has finished.
void AdvanceChains(int s) {
  for (int u = 0; InSteps(u); ++u) {
    if (QueueStartedAt(s, u) != -1) continue;
    QueueStartedAt(s, u) = 0;
    QueueStartFrameAt(s, u) -= 1;
    QueueCursorAt(s, u) += 1;
    LoadPart(u);
  }
}

// The balloon and minis shown on a moving face follow it, from where the face stood
// at the start of this frame.
void PlaceAttachedPictures(int s) {
  FaceSlotRecord& f = FaceSlot;
  const int speech = f.SpeechState[s];
  if ((speech == kBalloonToReshow || speech == kBalloonShown || speech == kBalloonToErase) &&
      f.BalloonMovedFlag[s] != -1) {
    PlaceSlotPicture(0, -1);
    PlaceSlotPicture(1, -1);
  }
  for (int m = 1; m <= 2; ++m) {
    const int state = f.MiniState[s][m];
    if ((state == kBalloonShown || state == kBalloonToErase) && f.MiniPicMovedFlag[s][m] != -1) {
      LineExecution.CurrentMini = m;
      PlaceSlotPicture(2, -1);
    }
  }
}

void StepFaceMove(int g, int s) {
  SimultaneousGroupRecord& grp = SimultaneousGroup;
  AnimationRunRecord& run = AnimationRun;
  if (grp.GroupActive[g] != 1) return;
  // A move of no frames would stop at its start point: it takes one frame instead.
  run.AnimationLength = std::max(1, grp.GroupFrames[g]);
  run.AnimationFrame = run.SimultaneousFrame - GroupMotion(g).MotionStartFrame;
  if (run.AnimationFrame < 0) return;
  PlaceAttachedPictures(s);
  if (run.AnimationFrame == 0) FaceMoveSound();
  MotionCurveStep(grp.GroupMoveType[g]);
  LoadFaceGeometry(s);
  // The pause curves have set AnimationLength to the move's pause.
  if (run.AnimationFrame >= run.AnimationLength) {
    grp.GroupActive[g] = 2;
    MarkItemStarted(kPartFaceMove);
    EaseFaceMove(0);
  }
}

void StepGroup(int g) {
  FaceSlotRecord& f = FaceSlot;
  AnimationRunRecord& run = AnimationRun;
  const int s = SimultaneousGroup.GroupSlot[g];
  if (!ValidFaceSlot(s)) return;
  MotionState.CurrentMotionSlot = g;
  LineState.CurrentSlot = s;
  LoadFaceGeometry(s);

  const SeparateBalloonMoveRecord& sep = SeparateBalloonMove;
  if (sep.SepMoveKind[s] > 0) {
    run.AnimationFrame = run.SimultaneousFrame - sep.SepMoveStart[s];
    if (run.AnimationFrame >= 0) {
      f.BalloonMovedFlag[s] = -1;
      BalloonSeparateMoveStep();
    }
  }
  if (f.RecoilActive[s] == 3) {
    EaseFaceMove(10);
    f.BalloonMovedFlag[s] = -1;
  } else if (f.RecoilActive[s] == 4) {
    f.RecoilActive[s] = 0;
    f.BalloonMovedFlag[s] = -1;
  }
  StepSpeechBalloon(s);
  if (f.BalloonMovedFlag[s] == -1) {
    PlaceSlotPicture(0, -1);
    PlaceSlotPicture(1, -1);
  }
  for (int m = 1; m <= 2; ++m) StepMini(s, m);
  AdvanceChains(s);
  StepFaceMove(g, s);
  f.BalloonMovedFlag[s] = 0;
  f.MiniPicMovedFlag[s][1] = 0;
  f.MiniPicMovedFlag[s][2] = 0;
}

bool GroupEnded(int g) {
  const FaceSlotRecord& f = FaceSlot;
  if (SimultaneousGroup.GroupActive[g] == 1) return false;
  const int s = SimultaneousGroup.GroupSlot[g];
  if (!ValidFaceSlot(s)) return true;
  if (IsOpening(f.SpeechState[s]) || IsErasing(f.SpeechState[s])) return false;
  if (RecoilRuns(f.RecoilActive[s])) return false;
  for (int m = 1; m <= 2; ++m) {
    const int state = f.MiniState[s][m];
    if (state == kBalloonToOpen || state == kBalloonOpening || IsErasing(state)) return false;
    if (RecoilRuns(f.MiniRecoilActive[s][m])) return false;
  }
  if (SeparateBalloonMove.SepMoveKind[s] > 0) return false;
  for (int p = kPartFaceMove; p <= kPartMini1; ++p) {
    if (QueueStartFrameAt(s, p) > 0) return false;
  }
  return true;
}

bool QueuesEmpty() {
  const SimultaneousQueueRecord& q = SimultaneousQueue;
  for (int i = 0; i < kQueueEntryCount; ++i) {
    if (InUse(q.EventQueueKind[i]) || InUse(q.SoundQueueNumber[i]) || InUse(q.PictureQueueNumber[i])) return false;
  }
  return true;
}

bool RunEnded() {
  for (int g = 0; g <= LastGroup(); ++g) {
    if (!GroupEnded(g)) return false;
  }
  return QueuesEmpty();
}

}  // namespace

int& KeyTableAt(int slot, int step, int part, int field) {
  std::vector<int>& t = SimultaneousQueue.KeyTable;
  if (!InSlots(slot) || !InSteps(step) || part < 0 || part >= kItemPartCount || field < 0 ||
      field >= kItemFieldCount) {
    scratchCell = 0;
    return scratchCell;
  }
  const size_t i = ((static_cast<size_t>(slot) * Steps() + static_cast<size_t>(step)) * kItemPartCount +
                    static_cast<size_t>(part)) * kItemFieldCount + static_cast<size_t>(field);
  if (i >= t.size()) {
    scratchCell = 0;
    return scratchCell;
  }
  return t[i];
}

std::string& KeyTextAt(int slot, int step) {
  std::vector<std::string>& t = SimultaneousQueue.KeyText;
  const size_t i = static_cast<size_t>(slot) * Steps() + static_cast<size_t>(step);
  if (!InSlots(slot) || !InSteps(step) || i >= t.size()) {
    scratchText.clear();
    return scratchText;
  }
  return t[i];
}

int& QueueStartFrameAt(int slot, int part) { return PartCell(SimultaneousQueue.QueueStartFrame, slot, part); }
int& QueueCursorAt(int slot, int part) { return PartCell(SimultaneousQueue.QueueCursor, slot, part); }
int& QueueStartedAt(int slot, int part) { return PartCell(SimultaneousQueue.QueueStarted, slot, part); }

void DimensionSimultaneousTables() {
  SimultaneousQueueRecord& q = SimultaneousQueue;
  const size_t steps = Steps();
  const size_t slots = kFaceSlotCount;
  q.KeyTable.assign(slots * steps * kItemPartCount * kItemFieldCount, 0);
  q.KeyText.assign(slots * steps, std::string());
  q.QueueStartFrame.assign(slots * steps, 0);
  q.QueueCursor.assign(slots * steps, 0);
  q.QueueStarted.assign(slots * steps, 0);
}

void ClearFixedQueues() {
  SimultaneousQueueRecord& q = SimultaneousQueue;
  q.EventQueueKind.fill(0);
  q.EventQueueStart.fill(0);
  q.SoundQueueNumber.fill(0);
  q.SoundQueueChannel.fill(0);
  q.SoundQueueStart.fill(0);
  q.SoundQueueVolume.fill(0.0f);
  q.PictureQueueNumber.fill(0);
  q.PictureQueueNumber2.fill(0);
  q.PictureQueueSlot.fill(0);
  q.PictureQueueStart.fill(0);
}

void SimultaneousTable(int kind) {
  switch (kind) {
    case 0: case 10: case 15: case 20: case 25: Record(kind); break;
    case 1: case 11: case 21: Load(kind); break;
    default: break;
  }
}

void StartQueuedMoves() {
  AnimationRun.SimultaneousFrame = 0;
  for (int g = 0; g <= LastGroup(); ++g) {
    const int s = SimultaneousGroup.GroupSlot[g];
    if (!ValidFaceSlot(s)) continue;
    MotionState.CurrentMotionSlot = g;
    LineState.CurrentSlot = s;
    for (int b = 0; InSteps(b); ++b) {
      if (QueueStartFrameAt(s, b) < 0) continue;
      QueueCursorAt(s, b) = 0;
      LoadPart(b);
    }
  }
}

void MarkItemStarted(int part) {
  const int s = Slot();
  if (QueueStartFrameAt(s, part) > 0) QueueStartedAt(s, part) = -1;
}

void SimultaneousStep() {
  if (ScriptAction.DebugValue > 0) SetFrameLength(-1, ScriptAction.DebugValue);
  FireQueues();
  for (int g = 0; g <= LastGroup(); ++g) StepGroup(g);
  AnimationRun.SimultaneousFrame += 1;
  if (!RunEnded()) return;
  ResetSimultaneousTables();
  FinishScriptAction();
}

void ResetSimultaneousTables() {
  DimensionSimultaneousTables();
  SimultaneousGroup.MaxGroup = -1;
  FaceSlot.SlotGroup.fill(-1);
  std::fill(SimultaneousQueue.QueueStartFrame.begin(), SimultaneousQueue.QueueStartFrame.end(), -1);
}

void ResetSimultaneousState() {
  SimultaneousQueue = SimultaneousQueueRecord{};
  SimultaneousGroup = SimultaneousGroupRecord{};
  // A scene starts with empty tables: nothing recorded in any part.
  ResetSimultaneousTables();
}
