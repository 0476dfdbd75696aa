#include "scenario/script_actions.h"

#include <string>
#include <vector>

#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/picture_catalogue.h"
#include "engine/sound_channels.h"
#include "engine/system_menu.h"
#include "platform/platform.h"
#include "platform/text_encoding.h"
#include "scenario/animation_dispatch.h"
#include "scenario/auto_reading.h"
#include "scenario/balloon_drawing.h"
#include "scenario/balloon_geometry.h"
#include "scenario/command_table.h"
#include "scenario/conversation_scene.h"
#include "scenario/face_settings.h"
#include "scenario/line_execution.h"
#include "scenario/motion_curves.h"
#include "scenario/scene_members.h"
#include "scenario/scene_sounds.h"
#include "scenario/script_conversion.h"
#include "scenario/script_fields.h"
#include "scenario/script_store.h"
#include "scenario/simultaneous_groups.h"

BalloonMoveRecord BalloonMove;
SeparateBalloonMoveRecord SeparateBalloonMove;
ScriptActionRecord ScriptAction;

namespace {

constexpr int kMaxListItems = 9;

int Slot() { return ValidFaceSlot(LineState.CurrentSlot) ? LineState.CurrentSlot : 0; }

int FaceLayerOf(int slot) { return ValidFaceSlot(slot) ? FaceSlot.FaceLayer[static_cast<size_t>(slot)] : -1; }

// An entry of the scene's picture table; an index outside it names no picture.
int PictureAt(int index) {
  return index >= 0 && index < kPictureTableSize ? ConversationScene.PictureTable[static_cast<size_t>(index)] : 0;
}

void LayerPosition(int layer, int& x, int& y) {
  GetLayerRect(kRectIntoCurrent, layer);
  x = DrawState.CurrentRect.X;
  y = DrawState.CurrentRect.Y;
}

void DropFirstCharacter(std::string& text) { text.erase(0, tq::CodePointOffset(text, 1)); }

void DropLastCharacter(std::string& text) {
  const int n = tq::CodePointCount(text);
  if (n > 0) text.resize(tq::CodePointOffset(text, n - 1));
}

void StartGroup() {
  ClearMovingFlags(0);
  StartQueuedMoves();
  Wait(kAnimGroupRun, 0);
}

// A face move or separate balloon move given without ○N runs as group 0.
void DefaultGroup() {
  if (LineState.LineGroupGiven == 0 && SimultaneousGroup.MaxGroup == -1) SimultaneousGroup.MaxGroup = 0;
}

void ShowBackground() {
  switch (LineCode.MainParam) {
    case 5:
      if (auto load = CurrentModeHooks().LoadPictureByKind) load(0, PictureAt(LineCode.SubParam), 0);
      FinishScriptAction();
      return;
    case 10:
      BlitSpec.BlitLayer = 0;
      ScriptAction.EffectPicture = PictureAt(LineCode.SubParam);
      Wait(10, 0);
      // Without the opening picture effects nothing paints or finishes the line.
      if (EngineFrameHooks.PaintEffectTick == nullptr) FinishScriptAction();
      return;
    case 1:
      // Its animation code has no frames anywhere: the line ends at once.
      FinishScriptAction();
      return;
    default:
      return;
  }
}

void ClearScreen() {
  const int mode = LineCode.MainParam;
  const int kept = LineCode.SubParam;
  if (mode == 0) {
    LayerInfo(GameForm).BackColor = RgbColor(0, 0, 0);
    SetLayerPicture(GameForm, tq::Surface());
  }
  if (mode == 0 || mode == 1 || mode == 2) {
    for (int layer = 0; layer <= SystemLayerSet.LastSceneLayer; ++layer) {
      if (mode != 2 && layer == kept) continue;
      ShowLayer(layer, false);
    }
  }
  FinishScriptAction();
}

void BranchAtOnce() {
  if (LineCode.MainParam != 0) return;
  AutoReadControl(10);
  const std::array<int, 4>& b = LineState.BranchTable;
  ScriptAction.BranchParams = {b[2], b[3]};
  GoToNextTick(b[0], b[1]);
}

void BackgroundIntoLayerZero() {
  DrawState.CurrentLayer = 0;
  DrawState.CurrentRect.X = 0;
  DrawState.CurrentRect.Y = 0;
  PrepareLayer(kPreparePictureHidden);
  // The Skelvane catalogue whatever the mode.
  LoadCataloguePicture(1, PictureAt(LineCode.SubParam));
  FinishScriptAction();
}

void DirectEvent() {
  switch (LineCode.MainParam) {
    case 1: DirectEventBasic(); break;
    case 10: DirectEventPic(); break;
    case 20: ShowLayer(FaceLayerOf(LineCode.Speaker), false); break;
    default: break;
  }
  FinishScriptAction();
}

void SoundEffect() {
  PlaySoundEffectLine();
  float offset = 0.0f;
  // The channel word itself goes to the sound table: a table that plays a voice on its
  // own channel writes it back, and a later line without サウID plays there.
  PlaySoundEffect(MoveParams.LineSoundNumber, MoveParams.LineSoundChannel, offset);
  FinishScriptAction();
}

void Music() {
  PlayScriptMusic(LineState.LineMusicNumber);
  PlayChannel(MusicChannel, -1);
  FinishScriptAction();
}

void MoveBalloon() {
  ParseBalloonMove(1);
  if (VoiceSettings.BalloonMoveSkippable == -1 && ReadState.ReadMode != 2) {
    StoreBalloonMoveStart();
    AnimationRun.WaitKind = kWaitBalloonMove;
  }
  Wait(kAnimBalloonMove, 0);
}

// The current slot's layers to the front, the last one on top; the face becomes
// CurrentLayer.
void BringSlotToFront() {
  const FaceSlotRecord& f = FaceSlot;
  const int s = Slot();
  LayerToFront(f.FaceLayer[s]);
  LayerToFront(f.BalloonLayer[s] + 1);
  LayerToFront(f.BalloonLayer[s]);
  if (f.ThoughtLayer[s] != 0) {
    for (int i = 3; i >= 0; --i) LayerToFront(f.ThoughtLayer[s] + i);
  }
  if (f.MiniLayer[s][1] != 0 && f.MiniLayer[s][2] != 0) {
    LayerToFront(f.MiniLayer[s][1]);
    LayerToFront(f.MiniLayer[s][2]);
  }
  if (f.MiniLayer[s][1] != 0) LayerToFront(f.MiniLayer[s][1]);
  DrawState.CurrentLayer = f.FaceLayer[s];
  FinishScriptAction();
}

// Events base + C2; a C2 outside 0 to 99 names no event.
void StartEvent(int base) {
  const int kind = LineCode.MainParam;
  if (kind < 0 || kind > 99) {
    FinishScriptAction();
    return;
  }
  Wait(base + kind, 0);
}

void EraseSeveral() {
  MarkBalloonsForErase();
  if (FaceSlot.EraseCount == 0) FinishScriptAction();
  else Wait(kAnimEraseBalloons, 0);
}

void VoiceWait() {
  if (ReadState.ReadMode == 2) {
    FinishScriptAction();
    return;
  }
  AnimationRun.WaitKind = kWaitVoice;
  Wait(kAnimVoiceWait, 0);
}

void FlipBook() {
  if (ReadState.ReadMode == 2 && (ReadState.ReadSpeed == 2 || ReadState.ReadSpeed == 3)) {
    FinishScriptAction();
    return;
  }
  AnimationRun.WaitKind = kWaitPicAnim;
  PicAnimParams();
  Wait(kAnimPicAnimation, 0);
}

// An action that is done at once: the line ends after it.
void Finish(void (*action)()) {
  action();
  FinishScriptAction();
}

void SetDebugFrameLength() { ScriptAction.DebugValue = LineCode.SubParam; }

// "[ウェイト]": C2 tenths of a second, then the next line.
void WaitTenths() {
  ScriptStore.CurrentScriptLine += 1;
  Wait(-2, static_cast<int32_t>(LineCode.MainParam) * 100);
}

void LeaveForOtherGame() {
  if (auto leave = CurrentModeHooks().LeaveScene) leave(LineCode.MainParam);
}

void GoToOtherScene() {
  SceneCursor.StageNumber = LineCode.MainParam;
  GoToNextTick(kConversationLoadStage, 0);
}

void MoveFaces() {
  DefaultGroup();
  ParseFaceMove();
  StartGroup();
}

void QueueFaceMove() {
  LineCode.ContinueMode = 2;
  DefaultGroup();
  ParseFaceMove();
  FinishScriptAction();
}

void QueueSeparateMove() { ParseBalloonMove(0); }

// The current slot's balloon moves on its own, as its group.
void MoveBalloonApart() {
  DefaultGroup();
  ParseBalloonMove(0);
  if (LineState.LineGroup >= 0 && LineState.LineGroup < kGroupCount) {
    SimultaneousGroup.GroupSlot[static_cast<size_t>(LineState.LineGroup)] = LineState.CurrentSlot;
  }
  StartGroup();
}

}  // namespace

void DispatchScriptAction() {
  const int action = LineCode.ActionCode;
  switch (action) {
    case kActionDebugFrameLength: Finish(SetDebugFrameLength); return;
    case kActionBalloonBack: RedrawBalloons(); return;
    case kActionWait: WaitTenths(); return;
    case kActionToOtherGame: LeaveForOtherGame(); return;
    case kActionToOtherScene: GoToOtherScene(); return;
    case kActionDirectBackground: ShowBackground(); return;
    case kActionClearScreen: ClearScreen(); return;
    case kActionImmediateEvent: BranchAtOnce(); return;
    case kActionBackgroundLayer: BackgroundIntoLayerZero(); return;
    case kActionDirectEvent: DirectEvent(); return;
    case kActionSoundEffect: SoundEffect(); return;
    case kActionMusic: Music(); return;
    case kActionFaceSetting: Finish(SetupFace); return;
    case kActionPlaceFace: Finish(PlaceFace); return;
    case kActionBalloonMove: MoveBalloon(); return;
    case kActionChangeBitmap: Finish(ChangeFaceBitmap); return;
    case kActionFaceMove: MoveFaces(); return;
    case kActionQueuedFaceMove: QueueFaceMove(); return;
    case kActionStartOnly: StartGroup(); return;
    case kActionQueuedSeparateMove: Finish(QueueSeparateMove); return;
    case kActionToFront: BringSlotToFront(); return;
    case kActionQueuedEvent: Finish(QueueSimultaneousEvent); return;
    case kActionQueuedSound: Finish(QueueSimultaneousSound); return;
    case kActionSeparateMove: MoveBalloonApart(); return;
    case kActionQueuedBitmap: Finish(QueueSimultaneousBitmap); return;
    case kActionNormalEvent: StartEvent(kAnimNormalEvents); return;
    case kActionSpecialEvent: StartEvent(kAnimSpecialEvents); return;
    case kActionTanselEvent: StartEvent(kAnimTanselEvents); return;
    case kActionEraseBalloons: EraseSeveral(); return;
    case kActionVoiceWait: VoiceWait(); return;
    case kActionPicAnimation: FlipBook(); return;
    case kActionNone:
    case 8:
    case 9:
    case 14:
    case 19:
    case 29: return;  // no action: the scene waits for the next input
    default:
      if (action > 99 || action < -9 || (action >= -8 && action <= -1)) return;  // no action
      // Codes no script uses: the line ends rather than leave the scene idle.
      FinishScriptAction();
      return;
  }
}

void RedrawBalloons() {
  const int which = LineCode.MainParam;
  if (which != 0 && which != 1) return;
  for (int i = 0; i < 20; ++i) {
    const int state = TextSlot.TextSlotState[static_cast<size_t>(i)];
    const bool redraw = which == 0 ? state == 2 : state >= 1 && state <= 9;
    if (!redraw) continue;
    RedrawKeptText(i);
  }
  FinishScriptAction();
}

void StoreBalloonMoveStart() {
  const FaceSlotRecord& f = FaceSlot;
  const int s = Slot();
  const bool thought = LineState.BalloonMoveThought != 0;
  BalloonMove.BalloonMoveLayer = thought ? f.ThoughtLayer[s] : f.BalloonLayer[s];
  const int parts = thought ? 4 : 2;
  for (int k = 0; k < parts; ++k) {
    MotionSlotRecord& m = MotionSlot[static_cast<size_t>(k)];
    LayerPosition(BalloonMove.BalloonMoveLayer + k, m.MotionStartX, m.MotionStartY);
  }
  for (int k = 0; k < 4; ++k) {
    VoiceSettings.BalloonHomeX[k] = MotionSlot[static_cast<size_t>(k)].MotionStartX;
    VoiceSettings.BalloonHomeY[k] = MotionSlot[static_cast<size_t>(k)].MotionStartY;
  }
}

void ParseBalloonMove(int mode) {
  if (mode != 0 && mode != 1) return;
  std::string text = CurrentLineRemainder();
  const std::string mark = "■";
  for (size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at)) text.erase(at, mark.size());

  int start = 0, kind = 0, variant = 0, count = 0, x1 = 0, y1 = 0, x2 = 0, y2 = 0, sound = 0;
  for (const std::string& field : SplitText(text, "：", 9)) {
    const std::string key = FieldKey(field);
    const int value = FieldValue(field);
    if (key == "開始") {
      if (mode == 0) start = value;
    } else if (key == "種No") {
      kind = value;
    } else if (key == "分岐") {
      variant = value;
    } else if (key == "回数" || key == "回") {
      count = value;
    } else if (key == "フ別") {
      std::vector<int> v = FieldList(field, kMaxListItems);
      v.resize(3);
      kind = v[0], variant = v[1], count = v[2];
    } else if (key == "フ移動Px1") {
      x1 = value;
    } else if (key == "フ移動Py1") {
      y1 = value;
    } else if (key == "フ移動Px2") {
      x2 = value;
    } else if (key == "フ移動Py2") {
      y2 = value;
    } else if (key == "フ移動ALL") {
      std::vector<int> v = FieldList(field, kMaxListItems);
      v.resize(4);
      x1 = v[0], y1 = v[1], x2 = v[2], y2 = v[3];
    } else if (key == "フ移動音") {
      sound = value;
    } else if (key == "フ移動インタ") {
      BalloonMove.BalloonMoveInterval = value;
    }
  }

  const int s = Slot();
  if (mode == 1) {
    BalloonMoveRecord& b = BalloonMove;
    b.BalloonMoveKind = kind;
    b.BalloonMoveMode = variant;
    b.BalloonMoveCount = count;
    b.BalloonMoveX1 = x1;
    b.BalloonMoveY1 = y1;
    b.BalloonMoveX2 = x2;
    b.BalloonMoveY2 = y2;
  } else {
    SeparateBalloonMoveRecord& sep = SeparateBalloonMove;
    sep.SepMoveKind[s] = kind;
    sep.SepMoveMode[s] = variant;
    sep.SepMoveStart[s] = start;
    sep.SepMoveCount[s] = count;
    sep.SepMoveX1[s] = x1;
    sep.SepMoveY1[s] = y1;
    sep.SepMoveX2[s] = x2;
    sep.SepMoveY2[s] = y2;
  }
  SeparateBalloonMove.SlotMoveSound[s] = sound;
}

void PlaceFace() {
  std::vector<std::string> terms = SplitText(WithoutDecoration(CurrentLineRemainder()), ",", 2);
  terms.resize(2);
  DropFirstCharacter(terms[0]);
  DropLastCharacter(terms[1]);
  MotionSlotRecord& start = MotionSlot[0];
  int x = 0;
  ParsePositionTerm(terms[0], 1, 0, x);
  start.MotionStartX = x;
  int y = 0;
  ParsePositionTerm(terms[1], 2, 0, y);
  start.MotionStartY = y;
  MoveLayerKeepingSize(FaceLayerOf(LineCode.Speaker), x, y);
}

void ChangeFaceBitmap() {
  int kind = 0;
  int number = 0;
  for (const std::string& field : LineFields()) {
    const std::string key = FieldKey(field);
    if (key == "BMP番号") kind = FieldValue(field);
    else if (key == "BMP番号2") number = FieldValue(field);
  }
  DrawState.CurrentLayer = FaceLayerOf(LineCode.Speaker);
  PictureLoadByMode(kind, number);
}

void QueueSimultaneousEvent() {
  SimultaneousQueueRecord& q = SimultaneousQueue;
  int k = 0;
  for (const std::string& field : LineFields()) {
    const std::string key = FieldKey(field);
    if (key == "順番") {
      k = FieldValue(field);
      continue;
    }
    if (k < 0 || k >= kQueueEntryCount) continue;
    if (key == "同時イベ種") q.EventQueueKind[static_cast<size_t>(k)] = FieldValue(field);
    else if (key == "開始") q.EventQueueStart[static_cast<size_t>(k)] = FieldValue(field);
  }
}

void ResetScriptActionState() {
  BalloonMove = BalloonMoveRecord{};
  SeparateBalloonMove = SeparateBalloonMoveRecord{};
  ScriptAction = ScriptActionRecord{};
}
