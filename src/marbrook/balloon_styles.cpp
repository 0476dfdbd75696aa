#include "marbrook/balloon_styles.h"

#include <iterator>

#include "engine/numeric.h"
#include "engine/text.h"
#include "scenario/balloon_geometry.h"
#include "scenario/conversation_scene.h"
#include "scenario/script_conversion.h"
#include "scenario/simultaneous_groups.h"

namespace {

// Where the tail goes: 0 side edge, middle; 1 side edge at 61; 2 side edge, upper
// third; 5 top edge; 6 bottom edge.
enum : int { kTailMiddle = 0, kTailFixed = 1, kTailUpperThird = 2, kTailTop = 5, kTailBottom = 6 };

// How a kind-6 style places its balloon's top: fixed, or from the face's height
// (FH/2 + top), or below the face (FH + top).
enum TopRule : int { kFixed, kHalfFace, kFullFace };
// How the gap is given: fixed, or centring a wide balloon under the face (-FW/2 + gap).
enum GapRule : int { kGapFixed, kGapHalfFace };

// Kind 6 styles, in the style table's order.
struct StyleRow {
  int style, width, height, side;
  GapRule gapRule;
  int gap;
  TopRule topRule;
  int top;
  int tailMode;
};
constexpr StyleRow kKind6Styles[] = {
    {1, 440, 160, 1, kGapFixed, -10, kHalfFace, -80, 0},
    {2, 240, 120, 0, kGapFixed, -10, kFixed, 90, 0},
    {3, 420, 160, 1, kGapFixed, -10, kHalfFace, -60, 0},
    {4, 440, 160, 1, kGapFixed, -10, kHalfFace, -60, 0},
    {5, 440, 160, 1, kGapFixed, -10, kHalfFace, -80, 0},
    {6, 240, 120, 0, kGapFixed, -20, kFixed, 150, 2},
    {7, 240, 120, 1, kGapFixed, -20, kHalfFace, -60, 0},
    {8, 400, 160, 1, kGapFixed, -10, kHalfFace, -80, 0},
    {9, 240, 120, 0, kGapFixed, -40, kFixed, 150, 2},
    {10, 330, 120, 1, kGapFixed, -10, kHalfFace, -60, 0},
    {11, 330, 120, 0, kGapFixed, -10, kHalfFace, -60, 0},
    {12, 440, 120, 1, kGapFixed, -500, kFixed, -15, 0},
    {15, 420, 160, 0, kGapFixed, -10, kHalfFace, -80, 0},
    {16, 450, 160, 0, kGapFixed, -10, kHalfFace, -80, 0},
    {17, 200, 100, 0, kGapFixed, -10, kHalfFace, -50, 0},
    {18, 240, 120, 1, kGapFixed, -10, kFixed, 80, 0},
    {19, 200, 100, 1, kGapFixed, -10, kHalfFace, -50, 0},
    {20, 500, 110, 1, kGapFixed, 0, kFixed, 0, 0},
    {21, 500, 110, 3, kGapFixed, 0, kFixed, 0, 6},
    {22, 420, 90, 3, kGapFixed, 0, kFixed, 0, 6},
    {23, 490, 90, 3, kGapFixed, 0, kFixed, 0, 6},
    {24, 480, 110, 0, kGapFixed, 0, kFixed, 0, 0},
    {25, 510, 110, 2, kGapFixed, 0, kFixed, 0, 5},
    {26, 480, 110, 3, kGapFixed, 0, kFixed, 0, 6},
    {27, 450, 140, 0, kGapFixed, 0, kFixed, 0, 0},
    {28, 420, 140, 0, kGapFixed, 0, kFixed, 0, 0},
    {29, 410, 140, 1, kGapFixed, 0, kFixed, 0, 0},
    {30, 460, 110, 0, kGapFixed, 0, kFixed, 0, 0},
    {40, 700, 160, 2, kGapHalfFace, -350, kFullFace, 50, 5},
    {41, 500, 140, 1, kGapFixed, -20, kHalfFace, -50, 0},
    {42, 650, 160, 2, kGapHalfFace, -325, kFullFace, 0, 5},
    {43, 550, 140, 0, kGapFixed, -20, kHalfFace, -50, 0},
    {44, 570, 160, 1, kGapFixed, -20, kHalfFace, -60, 0},
    {45, 570, 160, 0, kGapFixed, -20, kHalfFace, -60, 0},
    {46, 500, 140, 1, kGapFixed, -20, kHalfFace, -120, 0},
};

// Kind 60, the fixed narration box: sizes by style 1 to 5.
constexpr int kBoxWidths[] = {600, 460, 580, 680, 720};
constexpr int kBoxHeights[] = {200, 140, 140, 150, 160};

// Thought-bubble rows: for bubbles 0 to 2, x and y. Rows not listed stay 0.
struct BubbleRow {
  int row;
  int x[3];
  int y[3];
};
constexpr BubbleRow kBubbleRows[] = {
    {0, {-37, -27, -14}, {4, 10, 15}},
    {1, {19, 12, 8}, {-38, -26, -11}},
    {2, {-20, -17, -10}, {-22, -13, -6}},
    {5, {-50, -37, -18}, {80, 71, 59}},
};

// Kind 6 only: the tail's lift (mode 0) and shift (modes 5 and 6).
int TailLift(int kind, int style) { return kind == 6 && (style == 24 || style == 30) ? 20 : 0; }
int TailShift(int kind, int style) {
  if (kind != 6) return 0;
  if (style == 23) return 50;
  if (style == 25 || style == 26) return -170;
  return 0;
}

// Step 2: the geometry by kind; returns the tail mode.
int KindGeometry(int kind, int style) {
  BalloonGeometryRecord& g = BalloonGeometry;
  if (kind == 6) {
    for (const StyleRow& row : kKind6Styles) {
      if (row.style != style) continue;
      g.BalloonWidth = row.width;
      g.BalloonHeight = row.height;
      g.BalloonSide = row.side;
      g.BalloonGapX = row.gapRule == kGapHalfFace ? -(g.FaceWidth / 2) + row.gap : row.gap;
      switch (row.topRule) {
        case kFixed: g.BalloonOffsetY = row.top; break;
        case kHalfFace: g.BalloonOffsetY = g.FaceHeight / 2 + row.top; break;
        case kFullFace: g.BalloonOffsetY = g.FaceHeight + row.top; break;
      }
      return row.tailMode;
    }
    return kTailMiddle;
  }
  if (kind == 10 || kind == 11 || kind == 15 || kind == 16) {
    g.BalloonWidth = 440 + 10 * style;
    g.BalloonHeight = 140;
    g.BalloonGapX = -10;
    const bool fixedTop = kind == 10 || kind == 15;
    g.BalloonOffsetY = fixedTop ? 80 : g.FaceHeight / 2 - 70;
    g.BalloonSide = kind <= 11 ? 0 : 1;
    return fixedTop ? kTailFixed : kTailMiddle;
  }
  if (kind >= 21 && kind <= 24) {
    g.BalloonWidth = 400 + 10 * style;
    g.BalloonHeight = 110;
    g.BalloonGapX = 0;
    g.BalloonOffsetY = 0;
    static constexpr int kSides[] = {3, 0, 2, 1};
    static constexpr int kModes[] = {kTailBottom, kTailMiddle, kTailTop, kTailMiddle};
    g.BalloonSide = kSides[kind - 21];
    return kModes[kind - 21];
  }
  if (kind == 60 && style >= 1 && style <= 5) {
    g.BalloonWidth = kBoxWidths[style - 1];
    g.BalloonHeight = kBoxHeights[style - 1];
  }
  // Thought balloons (30 to 49) take their place from the engine's own tables; kind 5
  // has no geometry in this game, so it keeps the previous balloon's, as an unlisted
  // style does.
  return kTailMiddle;
}

void PlaceTail(int mode, int kind, int style) {
  BalloonGeometryRecord& g = BalloonGeometry;
  switch (mode) {
    case kTailFixed:
      g.TailOffsetX = -(g.TailWidth / 2);
      g.TailOffsetY = 61;
      break;
    case kTailUpperThird:
      g.TailOffsetX = -(g.TailWidth / 2);
      g.TailOffsetY = RoundHalfEven(g.BalloonHeight * 0.33 - g.TailHeight / 2);
      break;
    case kTailTop:
    case kTailBottom:
      g.TailWidth = 23;
      g.TailHeight = 32;
      g.TailOffsetX = g.BalloonWidth / 2 - 11 + TailShift(kind, style);
      g.TailOffsetY = mode == kTailTop ? -16 : g.BalloonHeight - 16;
      break;
    default:
      g.TailOffsetX = -(g.TailWidth / 2);
      g.TailOffsetY = g.BalloonHeight / 2 - g.TailHeight / 2 + TailLift(kind, style);
      break;
  }
}

}  // namespace

void C15_LayoutInit() {
  SimultaneousQueue.ChainLength = 3;
  DimensionSimultaneousTables();
  ConversationScene.PictureTable[0] = 33;
  TextWindow.NarrationLayer = 9;
  TextWindow.BalloonFrameThickness = 30;
  ThoughtLayoutRecord& t = ThoughtLayout;
  t.BubbleSize = {9, 14, 21};
  for (const BubbleRow& row : kBubbleRows) {
    for (int b = 0; b < kBubbleCount; ++b) {
      t.BubbleOffsetX[static_cast<size_t>(row.row)][static_cast<size_t>(b)] = row.x[b];
      t.BubbleOffsetY[static_cast<size_t>(row.row)][static_cast<size_t>(b)] = row.y[b];
    }
  }
}

void C15_BalloonStyle() {
  if (LineState.LineFontSize > 0) TextStyle.TextFontSize = LineState.LineFontSize;
  TextStyle.LineHeight = TextStyle.TextFontSize + 12;
  const int kind = LineCode.MainParam;
  const int style = LineCode.SubParam;
  if (kind == 0) return;
  PlaceTail(KindGeometry(kind, style), kind, style);
}
