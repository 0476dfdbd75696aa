#include "scenario/face_settings.h"

#include <algorithm>
#include <vector>

#include "engine/blits.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/numeric.h"
#include "engine/text.h"
#include "engine/frame_model.h"
#include "platform/text_encoding.h"
#include "scenario/face_slots.h"
#include "scenario/motion_curves.h"
#include "scenario/script_conversion.h"
#include "scenario/script_fields.h"
#include "scenario/simultaneous_groups.h"

BasePositionRecord BasePosition;
MoveParamsRecord MoveParams;

namespace {

constexpr int kMaxTermTokens = 10;
constexpr int kMaxListItems = 9;

int Clamp16(long long v) { return static_cast<int>(std::clamp<long long>(v, -32768, 32767)); }

bool ValidGroup(int g) { return g >= 0 && g < kGroupCount; }
bool ValidQueueIndex(int k) { return k >= 0 && k < kQueueEntryCount; }

int FaceLayerOf(int slot) { return ValidFaceSlot(slot) ? FaceSlot.FaceLayer[static_cast<size_t>(slot)] : -1; }

// The first n characters (code points) of text.
std::string Head(const std::string& text, int n) { return text.substr(0, tq::CodePointOffset(text, n)); }

// The last character of text, or "" for an empty text.
std::string LastCharacter(const std::string& text) {
  const int n = tq::CodePointCount(text);
  return n == 0 ? std::string() : text.substr(tq::CodePointOffset(text, n - 1));
}

void DropCharacters(std::string& text, int n) { text.erase(0, tq::CodePointOffset(text, n)); }

// The one-digit number of a token, or 0 when the character is no digit.
int DigitAt(const std::string& text, int index) {
  const std::string c = text.substr(tq::CodePointOffset(text, index), 1);
  return !c.empty() && c[0] >= '0' && c[0] <= '9' ? c[0] - '0' : 0;
}

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// The face's present left (x) or top (y), or the end point the chained step before
// this one reaches.
int CurrentPoint(bool x) {
  const int chain = LineState.LineChain;
  if (chain == 0) return x ? DrawState.CurrentRect.X : DrawState.CurrentRect.Y;
  if (chain == 1) {
    const int g = LineState.LineGroup;
    if (g < 0 || g >= kMotionSlotCount) return 0;
    const MotionSlotRecord& m = MotionSlot[static_cast<size_t>(g)];
    return x ? m.MotionEndX : m.MotionEndY;
  }
  return KeyTableAt(LineCode.Speaker, chain - 1, kPartFaceMove, x ? 3 : 4);
}

}  // namespace

void ParsePositionTerm(std::string& term, int axis, int slot, int& value) {
  const bool x = axis == 1;
  const int screen = x ? ScreenSize.ScreenWidth : ScreenSize.ScreenHeight;
  const MotionSlotRecord* motion = slot >= 0 && slot < kMotionSlotCount ? &MotionSlot[static_cast<size_t>(slot)] : nullptr;
  auto readFace = [] { GetLayerRect(kRectIntoCurrent, FaceLayerOf(LineCode.Speaker)); };
  if (term.empty()) {
    readFace();
    value = CurrentPoint(x);
    return;
  }
  for (int token = 0; token < kMaxTermTokens && !term.empty(); ++token) {
    int sign = 1;
    if (term[0] == '+' || term[0] == '-') {
      sign = term[0] == '-' ? -1 : 1;
      term.erase(0, 1);
      if (term.empty()) break;
    }
    readFace();
    const int size = x ? DrawState.CurrentRect.Width : DrawState.CurrentRect.Height;
    const std::string first = Head(term, 1);
    if (first == "元") {
      value = motion == nullptr ? 0 : (x ? motion->MotionStartX : motion->MotionStartY);
      DropCharacters(term, 1);
    } else if (first == "現") {
      value = CurrentPoint(x);
      DropCharacters(term, 1);
    } else if (first == "外" || first == "内") {
      // The side must belong to the axis; a side of the other axis leaves the value.
      const std::string side = Head(term.substr(first.size()), 1);
      const bool low = side == (x ? "左" : "上");
      const bool high = side == (x ? "右" : "下");
      if (first == "外" && low) value = -size;
      if (first == "外" && high) value = screen;
      if (first == "内" && low) value = 0;
      if (first == "内" && high) value = screen - size;
      DropCharacters(term, 2);
    } else if (first == "中") {
      value = screen / 2 - size / 2;
      DropCharacters(term, 2);
    } else if (first == "分") {
      const int parts = DigitAt(term, 1);
      const int k = DigitAt(term, 3);
      // No division into 0 parts: the line is then the left or top edge.
      const double fraction = parts == 0 ? 0.0 : static_cast<double>(k) / parts;
      value = Clamp16(RoundHalfEven(fraction * screen - size / 2));
      DropCharacters(term, 4);
    } else if (first == "基") {
      const int n = DigitAt(term, 1);
      value = x ? BasePosition.BasePosX[static_cast<size_t>(n)] : BasePosition.BasePosY[static_cast<size_t>(n)];
      DropCharacters(term, 2);
    } else if (first == "顔") {
      value = Clamp16(static_cast<long long>(value) + sign * size);
      DropCharacters(term, 1);
    } else if (IsAsciiDigit(term[0])) {
      size_t digits = 0;
      while (digits < term.size() && IsAsciiDigit(term[digits])) ++digits;
      const int number = ReadScriptNumber(std::string_view(term).substr(0, digits));
      value = Clamp16(static_cast<long long>(value) + sign * number);
      term.erase(0, digits);
    } else {
      DropCharacters(term, 1);
    }
  }
}

void SetupFace() {
  int v[10] = {};
  const std::vector<std::string> fields = LineFields();
  for (size_t i = 0; i < fields.size() && i < 10; ++i) v[i] = FieldValue(fields[i]);
  const int s = v[0], picture = v[1], f = v[2], b = v[3], t = v[4];

  const int placement = LineCode.SubParam;
  if (placement == 1 || placement == 2) DrawState.AutoRaiseOn = 0;
  // Visible just outside the right edge, 1 by 1, until a move brings it in.
  DrawState.CurrentLayer = f;
  DrawState.CurrentRect = {ScreenSize.ScreenWidth, 0, 1, 1};
  PrepareLayer(kPreparePictureShown);
  if (placement == 2) LayerToBack(f);
  // Picture 0 makes the slot an anchor that balloons hang from: its 1 by 1 layer
  // shows nothing, wherever its moves take it, until a picture is set.
  if (picture == 0) MarkLayerHollow(f);
  if (auto load = CurrentModeHooks().LoadPictureByKind) load(1, picture, 0);

  if (!ValidFaceSlot(s)) return;
  FaceSlotRecord& slot = FaceSlot;
  slot.FaceLayer[s] = f;
  const int balloon = b == 0 ? f + 1 : b;
  slot.BalloonLayer[s] = balloon;
  LayerToFront(balloon + 1);
  LayerToFront(balloon);
  const int thought = t == -1 ? 0 : (t == 0 ? balloon + 3 : t);
  slot.ThoughtLayer[s] = thought;
  if (thought != 0) {
    for (int i = 3; i >= 0; --i) LayerToFront(thought + i);
  }
  // Both minis default to the same layer.
  slot.MiniLayer[s][1] = v[5] == 0 ? thought + 5 : v[5];
  slot.MiniLayer[s][2] = v[6] == 0 ? thought + 5 : v[6];
  LayerToFront(slot.MiniLayer[s][1]);
  LayerToFront(slot.MiniLayer[s][2]);
}

void ParseFaceMove() {
  const std::vector<std::string> fields = SplitText(WithoutDecoration(CurrentLineRemainder()), "：", 9);
  MoveParamsRecord& mp = MoveParams;
  LineState.LineChain = 0;
  mp.MoveStartFrame = 0;
  mp.MovePause = 0;
  int recoil = 0;
  int faceSound = 0;
  std::string position;

  for (std::string field : fields) {
    if (Head(field, 1) == "(") position = field;
    if (LastCharacter(field) == "回") field = "回数=" + field.substr(0, field.size() - std::string("回").size());
    const std::string two = Head(field, 2);
    if (two == "Ty" || two == "加算" || two == "乗算" || two == "揺れ") {
      const size_t eq = field.find('=');
      const std::string word = eq == std::string::npos ? field : field.substr(eq + 1);
      if (word == "加算") mp.MoveType = 10;
      else if (word == "乗算") mp.MoveType = 11;
      else if (word == "揺れ") mp.MoveType = 21;
      else mp.MoveType = ReadScriptNumber(word);
    } else if (two == "回数" || two == "回=") {
      AnimationRun.AnimationLength = FieldValue(field);
    } else if (two == "停止") {
      mp.MovePause = FieldValue(field);
    } else if (two == "開始") {
      mp.MoveStartFrame = FieldValue(field);
    } else if (two == "反動") {
      recoil = FieldValue(field);
    } else if (two == "連続") {
      LineState.LineChain = FieldValue(field);
    } else if (two == "顔音") {
      faceSound = FieldValue(field);
    }
  }

  // Motion slot and group 9 stage a chained step.
  const int m = LineState.LineChain >= 1 ? 9 : LineState.LineGroup;
  MotionSlotRecord scratch;
  MotionSlotRecord& motion = m >= 0 && m < kMotionSlotCount ? MotionSlot[static_cast<size_t>(m)] : scratch;

  const std::vector<std::string> points = SplitText(position, "→", 2);
  int* targets[2][2] = {{&motion.MotionStartX, &motion.MotionStartY}, {&motion.MotionEndX, &motion.MotionEndY}};
  for (int p = 0; p < 2; ++p) {
    std::vector<std::string> terms =
        p < static_cast<int>(points.size()) ? SplitText(points[static_cast<size_t>(p)], ",", 2) : std::vector<std::string>{};
    terms.resize(2);
    DropCharacters(terms[0], 1);
    const int n = tq::CodePointCount(terms[1]);
    if (n > 0) terms[1].resize(tq::CodePointOffset(terms[1], n - 1));
    for (int axis = 0; axis < 2; ++axis) {
      int value = 0;
      ParsePositionTerm(terms[static_cast<size_t>(axis)], axis + 1, m, value);
      // Stored at once: the end point's 元 reads the start just computed.
      *targets[p][axis] = value;
    }
  }

  if ((mp.MoveType == 13 || mp.MoveType == 50) && mp.MovePause == 0) mp.MovePause = AnimationRun.AnimationLength;
  motion.MotionLayer = FaceLayerOf(LineCode.Speaker);
  motion.MotionStartFrame = mp.MoveStartFrame;
  motion.MotionPause = mp.MovePause;
  if (ValidGroup(m)) {
    SimultaneousGroupRecord& g = SimultaneousGroup;
    g.GroupMoveType[m] = mp.MoveType;
    g.GroupFrames[m] = AnimationRun.AnimationLength;
    g.GroupActive[m] = 1;
    g.GroupSlot[m] = LineState.CurrentSlot;
    g.GroupRecoil[m] = recoil;
    g.GroupFaceSound[m] = faceSound;
  }
  LineState.LineGroup = m;
  SimultaneousTable(0);
}

void QueueSimultaneousSound() {
  SimultaneousQueueRecord& q = SimultaneousQueue;
  int k = 0;
  for (const std::string& field : LineFields()) {
    const std::string key = FieldKey(field);
    if (key == "順番") {
      k = FieldValue(field);
      continue;
    }
    if (!ValidQueueIndex(k)) continue;
    if (key == "サウ番") q.SoundQueueNumber[k] = FieldValue(field);
    else if (key == "サウID") q.SoundQueueChannel[k] = FieldValue(field);
    else if (key == "開始") q.SoundQueueStart[k] = FieldValue(field);
    else if (key == "音量") q.SoundQueueVolume[k] = FieldFraction(field);
  }
}

void QueueSimultaneousBitmap() {
  SimultaneousQueueRecord& q = SimultaneousQueue;
  const int k = static_cast<int>(std::count_if(q.PictureQueueNumber.begin(), q.PictureQueueNumber.end(),
                                               [](int n) { return n > 0; }));
  if (!ValidQueueIndex(k)) return;  // every entry is in use
  for (const std::string& field : LineFields()) {
    const std::string key = FieldKey(field);
    if (key == "BMP番号") q.PictureQueueNumber[k] = FieldValue(field);
    else if (key == "BMP番号2") q.PictureQueueNumber2[k] = FieldValue(field);
    else if (key == "開始") q.PictureQueueStart[k] = FieldValue(field);
  }
  q.PictureQueueSlot[k] = LineCode.Speaker;
}

void PlaySoundEffectLine() {
  for (const std::string& field : LineFields()) {
    const std::string key = FieldKey(field);
    if (key == "サウ番") MoveParams.LineSoundNumber = FieldValue(field);
    else if (key == "サウID") MoveParams.LineSoundChannel = FieldValue(field);
  }
}

void MarkBalloonsForErase() {
  FaceSlotRecord& f = FaceSlot;
  f.EraseList.fill(0);
  f.EraseCount = 0;
  // A slot whose balloon is already marked is no longer open, so a slot named twice
  // is listed once.
  auto mark = [&f](int slot) {
    if (!ValidFaceSlot(slot) || f.SpeechState[slot] != kBalloonShown) return;
    if (f.EraseCount >= kEraseListCapacity) return;
    f.EraseCount += 1;
    f.EraseList[static_cast<size_t>(f.EraseCount)] = slot;
    f.SpeechState[slot] = kBalloonToErase;
  };
  for (const std::string& field : LineFields()) {
    const std::string key = FieldKey(field);
    if (key == "対象顔No") {
      for (int slot : FieldList(field, kMaxListItems)) mark(slot);
    } else if (key == "全消去") {
      for (int slot = 1; slot < kFaceSlotCount; ++slot) mark(slot);
    }
  }
}

void DrawMiniMark(int mark) {
  struct MarkStyle {
    int mark;
    int scheme;
    const char* text;
    uint32_t colors[4];
  };
  static const MarkStyle styles[] = {
      {831, 101, "？", {RgbColor(255, 130, 50), RgbColor(255, 220, 120), RgbColor(200, 100, 20), RgbColor(100, 50, 10)}},
      {832, 102, "！", {RgbColor(255, 50, 25), RgbColor(255, 150, 50), RgbColor(150, 50, 0), RgbColor(100, 25, 0)}},
      {834, 103, "！", {RgbColor(245, 240, 0), RgbColor(255, 250, 150), RgbColor(160, 160, 50), RgbColor(80, 80, 0)}},
  };
  const MarkStyle* style = nullptr;
  for (const MarkStyle& s : styles) {
    if (s.mark == mark) style = &s;
  }
  if (style == nullptr) return;
  DrawState.CurrentRect = {-60, 0, 60, 60};
  DrawState.AutoRaiseOn = 0;
  PrepareLayer(kPreparePictureShown);
  DrawBevelFrame(10, 20, style->scheme);
  TextStyleRecord& t = TextStyle;
  t.CurrentText = style->text;
  t.TextFontSize = 42;
  t.TextX = 1;
  t.TextY = 0;
  t.OutlineWidth = 1;
  t.TextColor = style->colors[0];
  t.ShadeColor1 = style->colors[1];
  t.ShadeColor2 = style->colors[2];
  t.ShadeColor3 = style->colors[3];
  PrintText(1, DrawState.CurrentLayer);
}

void ResetFaceSettingsState() {
  BasePosition = BasePositionRecord{};
  MoveParams = MoveParamsRecord{};
}
