#include "scenario/balloon_drawing.h"

#include "engine/blits.h"
#include "engine/layers.h"
#include "engine/string_utils.h"
#include "engine/text.h"
#include "platform/fonts.h"
#include "scenario/auto_reading.h"
#include "scenario/balloon_geometry.h"
#include "scenario/balloon_layout.h"
#include "scenario/face_slots.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"

namespace {

constexpr int kMaxBalloonLines = 29;
// Tail boxes and bubbles: a filled bevel of thickness code 20.
constexpr int kPartThickness = 20;
constexpr int kSchemeCurrent = 100;
constexpr int kSchemeGreyed = 99;
constexpr int kStateGreyed = 10;

// The eight passes of one line: A3, A2, A1 above and left, B4 to B1 below and
// right, the face last.
struct Greys {
  int a1, a2, a3, b1, b2, b3, b4, face;
};
constexpr Greys kCurrentGreys{200, 220, 240, 120, 150, 220, 230, 50};
constexpr Greys kGreyedGreys{160, 176, 192, 96, 120, 176, 184, 40};

struct GreyPass {
  int Greys::*grey;
  int dx;
  int dy;
};
constexpr GreyPass kPasses[8] = {
    {&Greys::a3, -1, -1}, {&Greys::a2, 0, -1}, {&Greys::a1, -1, 0}, {&Greys::b4, 2, 1},
    {&Greys::b3, 1, 1},   {&Greys::b2, 0, 1},  {&Greys::b1, 1, 0},  {&Greys::face, 0, 0},
};

int Slot() { return ValidFaceSlot(LineState.CurrentSlot) ? LineState.CurrentSlot : 0; }

// The line's speaker as a slot: Speaker above 9 is an event value, and such a line
// keeps the current slot.
int SpeakerSlot() { return ValidFaceSlot(LineCode.Speaker) ? LineCode.Speaker : Slot(); }

std::string StoredText() {
  const int n = ScriptStore.CurrentScriptLine;
  return n >= 0 && n < kScriptLineCapacity ? ScriptStore.ScriptText[static_cast<size_t>(n)] : std::string();
}

// A part layer framed again at its present place and size.
void ReframePart(int layer, int scheme) {
  DrawState.CurrentLayer = layer;
  GetLayerRect(kRectIntoCurrent, layer);
  DrawBevelFrame(10, kPartThickness, scheme);
}

void ReframeBubbles(int thoughtLayer, int scheme) {
  for (int k = 3; k >= 1; --k) ReframePart(thoughtLayer + k, scheme);
}

// The balloon body: white, kept, placed at CurrentRect, bold "ＭＳ Ｐゴシック".
void PrepareBody() {
  const int layer = DrawState.CurrentLayer;
  LayerProps& props = LayerInfo(layer);
  props.BackColor = RgbColor(255, 255, 255);
  props.AutoRedraw = true;
  ClearLayerImage(layer);
  const Rect& r = DrawState.CurrentRect;
  MoveLayer(layer, r.X, r.Y, r.Width, r.Height);
  props.FontName = tq::kFontProportional;
  props.FontSize = TextStyle.TextFontSize;
  props.FontBold = true;
  ShowLayer(layer, true);
}

void PrintBalloonLines(const std::vector<std::string>& lines, const Greys& greys) {
  const int layer = DrawState.CurrentLayer;
  const TextStyleRecord& ts = TextStyle;
  LayerProps& props = LayerInfo(layer);
  for (size_t i = 0; i < lines.size(); ++i) {
    const int y = ts.LineHeight * static_cast<int>(i) + ts.TextY;
    for (const GreyPass& pass : kPasses) {
      props.CurrentX = ts.TextX + pass.dx;
      props.CurrentY = y + pass.dy;
      props.ForeColor = Grey(greys.*pass.grey);
      LayerPrint(layer, lines[i]);
    }
  }
}

void KeepText() {
  const int index = FaceSlot.TextSlotIndex;
  if (!ValidTextSlot(index)) return;
  const size_t i = static_cast<size_t>(index);
  TextSlotRecord& t = TextSlot;
  switch (LineCode.ActionCode) {
    case -3: case -6: t.TextSlotState[i] = 3; break;
    case -2: case -5: t.TextSlotState[i] = 2; break;
    case -1: case -4: t.TextSlotState[i] = 1; break;
    default: break;
  }
  t.TextSlotText[i] = StoredText();
  t.TextSlotVariant[i] = LineCode.SubParam;
  t.TextSlotKind[i] = LineCode.MainParam;
  t.TextSlotFontSize[i] = TextStyle.TextFontSize;
  t.TextSlotX[i] = TextStyle.TextX;
  t.TextSlotY[i] = TextStyle.TextY;
  t.TextSlotLineHeight[i] = TextStyle.LineHeight;
}

void DrawBalloonWindow(int type, const std::vector<std::string>& lines) {
  FaceSlotRecord& f = FaceSlot;
  PrepareBody();
  const bool current = type == 0 || type == 10 || type == 20;
  const Greys* greys = nullptr;
  if (current) {
    const int tail = LineCode.ActionCode;
    if (tail == -1 || tail == -2 || tail == -3) LayerToFront(DrawState.CurrentLayer);
    DrawBevelFrame(10, TextWindow.BalloonFrameThickness, kSchemeCurrent);
    greys = &kCurrentGreys;
  } else if (type == 1) {
    DrawBevelFrame(10, TextWindow.BalloonFrameThickness, kSchemeGreyed);
    greys = &kGreyedGreys;
  }
  // Other types prepare the body and print with no frame and no greys: they have no
  // lines of their own.
  if (greys != nullptr) PrintBalloonLines(lines, *greys);
  AutoReadControl(5);

  if (type == 0 || type == 20) KeepText();
  if (type == 0) {
    const size_t s = static_cast<size_t>(SpeakerSlot());
    if (f.BalloonCategory == 0) ReframePart(f.BalloonLayer[s] + 1, kSchemeCurrent);
    else if (f.BalloonCategory == 1) ReframeBubbles(f.ThoughtLayer[s], kSchemeCurrent);
  }
  if (type == 1 && ValidTextSlot(f.TextSlotIndex)) {
    TextSlot.TextSlotState[static_cast<size_t>(f.TextSlotIndex)] = kStateGreyed;
    const int owner = f.TextSlotOwner;
    if (ValidFaceSlot(owner)) {
      if (f.TextSlotIndex % 2 == 0) ReframePart(f.BalloonLayer[static_cast<size_t>(owner)] + 1, kSchemeGreyed);
      else ReframeBubbles(f.ThoughtLayer[static_cast<size_t>(owner)], kSchemeGreyed);
    }
  }
}

void DrawNarrationBox(int style) {
  TextStyleRecord& ts = TextStyle;
  PrepareLayer(kPreparePictureShown);
  if (style == 5) DrawBevelFrame(10, 30, 30);
  else DrawBevelFrame(10, kPartThickness, 31);

  const std::string text = StoredText();
  const std::vector<std::string> lines = BalloonLines(text);
  const int top = ts.TextY;
  for (size_t i = 0; i < lines.size(); ++i) {
    ts.TextY = top + static_cast<int>(i) * ts.LineHeight;
    ts.CurrentText = lines[i];
    PrintText(20, DrawState.CurrentLayer);
  }
  const int index = FaceSlot.TextSlotIndex;
  if (ValidTextSlot(index)) {
    TextSlot.TextSlotState[static_cast<size_t>(index)] = 3;
    TextSlot.TextSlotText[static_cast<size_t>(index)] = text;
    TextSlot.TextSlotKind[static_cast<size_t>(index)] = LineCode.MainParam;
  }
  AutoReadControl(5);
}

}  // namespace

std::vector<std::string> BalloonLines(const std::string& text) {
  std::vector<std::string> fields;
  int n = 0;
  SplitFields(text, "：", kMaxBalloonLines, fields, n);
  if (n <= 0) return {};
  return std::vector<std::string>(fields.begin() + 1, fields.begin() + 1 + n);
}

Rect BubbleRest(int k) {
  if (k < 0 || k >= kBubbleCount) return {};
  const ThoughtLayoutRecord& t = ThoughtLayout;
  const int kind = LineCode.MainParam;
  int set = t.ThoughtBubbleStep[static_cast<size_t>(kind >= 0 ? kind % 10 : 0)];
  if (set < 0 || set >= kBubbleSetCount) set = 0;
  const size_t i = static_cast<size_t>(set), j = static_cast<size_t>(k);
  const int b = t.BubbleSize[j];
  const Rect& w = TextWindow.WindowRect;
  // Side 1 mirrors the bubbles around the balloon; other sides have no place for them.
  switch (BalloonGeometry.SlotBalloonSide[static_cast<size_t>(Slot())]) {
    case 0: return {w.X + t.BubbleOffsetX[i][j], w.Y + t.BubbleOffsetY[i][j], b, b};
    case 1: return {w.X + w.Width - b - t.BubbleOffsetX[i][j], w.Y + t.BubbleOffsetY[i][j], b, b};
    default: return {0, 0, b, b};
  }
}

void BalloonParts(int type, const int& variant) {
  const FaceSlotRecord& f = FaceSlot;
  const BalloonGeometryRecord& g = BalloonGeometry;
  const size_t s = static_cast<size_t>(Slot());
  if (type == 2) {
    GetLayerRect(kRectIntoTarget, f.FaceLayer[s]);
    const Rect& face = DrawState.TargetRect;
    DrawState.CurrentLayer = f.BalloonLayer[s] + 1;
    DrawState.CurrentRect = {face.X + g.SlotTailRelX[s], face.Y + g.SlotTailRelY[s], g.SlotTailWidth[s],
                             g.SlotTailHeight[s]};
    DrawState.AutoRaiseOn = 0;
    PrepareLayer(kPreparePictureShown);
    DrawBevelFrame(10, kPartThickness, kSchemeCurrent);
    return;
  }
  if (type != 15 || TextWindow.TailShown != -1) return;

  int first = 0, last = kBubbleCount - 1;
  if (variant >= 10 && variant <= 12) first = last = variant - 10;
  if (variant == 1 || variant == 2) DrawState.AutoRaiseOn = 0;
  for (int k = first; k <= last; ++k) {
    DrawState.CurrentLayer = TextWindow.TailLayer + k;
    DrawState.CurrentRect = BubbleRest(k);
    PrepareLayer(kPreparePictureShown);
    DrawBevelFrame(10, kPartThickness, kSchemeCurrent);
  }
}

void BalloonText(int type) {
  FaceSlotRecord& f = FaceSlot;
  TextStyleRecord& ts = TextStyle;
  std::vector<std::string> lines;
  switch (type) {
    case 0:
      lines = BalloonLines(StoredText());
      BalloonLayout(0);
      break;
    case 1: {
      const int index = f.TextSlotIndex;
      DrawState.CurrentLayer = f.ReshowBalloonLayer;
      GetLayerRect(kRectIntoCurrent, DrawState.CurrentLayer);
      TextWindow.WindowRect = DrawState.CurrentRect;
      TextWindow.WindowFrameStyle = 0;
      if (ValidTextSlot(index)) {
        const size_t i = static_cast<size_t>(index);
        ts.TextFontSize = TextSlot.TextSlotFontSize[i];
        ts.TextX = TextSlot.TextSlotX[i];
        ts.TextY = TextSlot.TextSlotY[i];
        ts.LineHeight = TextSlot.TextSlotLineHeight[i];
        lines = BalloonLines(TextSlot.TextSlotText[i]);
      }
      break;
    }
    case 10:
    case 20: lines = BalloonLines(StoredText()); break;
    default: break;
  }
  switch (TextWindow.WindowFrameStyle) {
    case 0: DrawBalloonWindow(type, lines); break;
    case 5:
    case 10: DrawNarrationBox(TextWindow.WindowFrameStyle); break;
    default: break;
  }
}

void RedrawKeptText(int i) {
  if (i < 0 || i >= 20) return;
  FaceSlotRecord& f = FaceSlot;
  const size_t owner = static_cast<size_t>(i / 2);
  f.ReshowBalloonLayer = i % 2 == 0 ? f.BalloonLayer[owner] : f.ThoughtLayer[owner];
  f.TextSlotIndex = i;
  f.TextSlotOwner = i / 2;
  BalloonText(1);
}
