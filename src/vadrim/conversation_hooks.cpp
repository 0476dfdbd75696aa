#include "vadrim/conversation_hooks.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "engine/string_utils.h"
#include "engine/text.h"
#include "scenario/balloon_geometry.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"

namespace {

constexpr std::string_view kSeparator = "：";

// Whole-field macros of the Vadrim scripts and what each becomes.
struct MacroRow {
  const char* key;
  const char* expansion;
};
constexpr MacroRow kMacros[] = {
    {"[フキジャンプ]", "[フキ移動]：■種No=25：分岐=0：フ移動ALL=(0,-40)：回数=20"},
    {"「・・・」右", "[ミニ表示]：■ミ種=(30,00,1)"},
    {"「・・・」左", "[ミニ表示]：■ミ種=(30,01,1)"},
    {"「？」右", "[ミニ表示]：■ミ種=(31,00,1)"},
    {"「？」左", "[ミニ表示]：■ミ種=(31,01,1)"},
    {"「！」右", "[ミニ表示]：■ミ種=(32,00,1)"},
    {"「！」左", "[ミニ表示]：■ミ種=(32,01,1)"},
    {"「！黄」右", "[ミニ表示]：■ミ種=(33,00,1)"},
    {"「！黄」左", "[ミニ表示]：■ミ種=(33,01,1)"},
};
static_assert(std::size(kMacros) == 9);

// The scene balloons (kind 6) by variant: size, side and tail shift.
struct SceneBalloonRow {
  int variant, width, height, side, shiftX, shiftY;
};
constexpr SceneBalloonRow kSceneBalloons[] = {
    {1, 390, 130, 0, 0, 0},   {2, 390, 130, 1, 0, 0},    {3, 420, 130, 0, 0, 0},   {4, 340, 130, 1, 0, 0},
    {5, 420, 130, 2, 0, 0},   {6, 340, 100, 0, 0, 0},    {10, 390, 130, 1, 0, 0},  {11, 410, 130, 2, 0, 0},
    {12, 410, 115, 1, 0, 0},  {13, 410, 130, 2, 0, 0},   {14, 350, 130, 3, 0, 0},  {15, 410, 130, 2, 0, 0},
    {16, 390, 130, 0, 0, 0},  {17, 400, 130, 2, 0, 0},   {20, 400, 130, 2, 0, 0},  {21, 395, 130, 1, 0, 0},
    {22, 390, 127, 2, 0, 0},  {23, 400, 127, 0, 0, 0},   {24, 400, 120, 2, -100, 0}, {25, 400, 125, 2, 0, 0},
    {26, 400, 125, 0, 0, 0},  {30, 380, 130, 0, 0, -20}, {31, 420, 108, 2, 0, 0},  {32, 420, 130, 0, 0, 0},
    {33, 420, 130, 1, 0, 0},  {34, 400, 110, 0, 0, 0},   {35, 420, 110, 3, 0, 0},  {40, 420, 130, 2, 0, 0},
    {41, 360, 110, 2, 0, 0},  {42, 320, 110, 0, 0, 0},   {43, 380, 110, 1, 0, 0},  {44, 370, 110, 2, 0, 0},
    {45, 330, 110, 0, 0, 0},  {46, 380, 110, 1, 0, 0},   {47, 390, 120, 0, 0, 0},  {48, 370, 120, 2, 0, 0},
    {49, 400, 110, 1, 0, 0},  {50, 390, 110, 3, 0, 0},   {51, 380, 110, 3, 0, 0},  {52, 380, 110, 0, 0, 0},
    {53, 390, 110, 3, 0, 0},  {54, 380, 120, 0, 0, 0},   {55, 390, 110, 3, 0, 0},  {56, 410, 130, 3, 0, 0},
};
static_assert(std::size(kSceneBalloons) == 44);  // the table as printed has 44 rows

const SceneBalloonRow* SceneBalloon(int variant) {
  for (const SceneBalloonRow& row : kSceneBalloons) {
    if (row.variant == variant) return &row;
  }
  return nullptr;
}

std::string* StoredLine() {
  const int n = ScriptStore.CurrentScriptLine;
  if (n < 0 || n >= kScriptLineCapacity) return nullptr;
  return &ScriptStore.ScriptText[static_cast<size_t>(n)];
}

void SpeechBalloon(int kind, int variant) {
  BalloonGeometryRecord& g = BalloonGeometry;
  switch (kind % 10) {
    case 0:
      g.BalloonWidth = 10 * variant + 440;
      g.BalloonHeight = 140;
      g.BalloonGapX = -10;
      g.BalloonOffsetY = 80;
      break;
    case 1:
      g.BalloonWidth = 10 * variant + 460;
      g.BalloonHeight = 150;
      g.BalloonGapX = -20;
      g.BalloonOffsetY = g.FaceHeight / 2 - 75;
      break;
    case 2:
      g.BalloonWidth = 10 * variant + 460;
      g.BalloonHeight = 120;
      g.BalloonGapX = -20;
      g.BalloonOffsetY = g.FaceHeight / 2 - 60;
      break;
    default: break;  // the previous balloon's geometry stays
  }
  g.BalloonSide = (kind - 10) / 10;
}

void ThoughtBalloon(int kind, int variant) {
  BalloonGeometryRecord& g = BalloonGeometry;
  if (kind % 10 == 0) {
    g.BalloonWidth = 10 * variant + 460;
    g.BalloonHeight = 150;
    g.BalloonGapX = -20;
    g.BalloonOffsetY = 140;
  }
  const int slot = LineState.CurrentSlot;
  if (slot < 0 || slot >= kFaceSlotCount) return;
  const size_t v = static_cast<size_t>(kind % 10);
  ThoughtLayoutRecord& t = ThoughtLayout;
  t.ThoughtOffsetX[static_cast<size_t>(slot)][v] = g.BalloonGapX;
  t.ThoughtOffsetY[static_cast<size_t>(slot)][v] = g.BalloonOffsetY;
  t.ThoughtWidth[v] = g.BalloonWidth;
  t.ThoughtHeight[v] = g.BalloonHeight;
}

}  // namespace

void D20_LayoutInit() {
  TextWindow.NarrationLayer = 9;
  TextWindow.BalloonFrameThickness = 30;
  ThoughtLayoutRecord& t = ThoughtLayout;
  t.BubbleSize = {9, 14, 21};
  // -48.8, -34.8 and -16.6 taken to whole pixels as they are stored.
  t.BubbleOffsetX[0] = {-49, -35, -17};
  // 8.6, 17.0 and 24.0: the bubbles are placed at the nearest whole pixel, which is
  // all an integer word can keep of them.
  t.BubbleOffsetY[0] = {9, 17, 24};
}

void D20_Macro() {
  std::string* stored = StoredLine();
  if (stored == nullptr) return;
  // A line longer than the converter's 19 fields keeps its extra fields: they are
  // joined back unchanged rather than dropped from the script.
  static std::vector<std::string> fields;  // kept between calls to spare allocations
  int count = 0;
  const std::string separator(kSeparator);
  const int most = std::max(kMaxLineFields, CountOccurrences(*stored, separator) + 1);
  SplitFields(*stored, separator, most, fields, count);
  std::string joined;
  for (int i = 1; i <= count; ++i) {
    joined += separator;
    const std::string* text = &fields[static_cast<size_t>(i)];
    for (const MacroRow& macro : kMacros) {
      if (*text == macro.key) {
        joined += macro.expansion;
        text = nullptr;
        break;
      }
    }
    if (text != nullptr) joined += *text;
  }
  *stored = std::move(joined);
}

void D20_BalloonStyle() {
  TextStyleRecord& style = TextStyle;
  if (LineState.LineFontSize > 0) style.TextFontSize = LineState.LineFontSize;
  style.LineHeight = style.TextFontSize + 12;

  const int kind = LineCode.MainParam;
  const int variant = LineCode.SubParam;
  if (kind == 0) return;

  BalloonGeometryRecord& g = BalloonGeometry;
  int shiftX = 0;
  int shiftY = 0;
  if (kind == 6) {
    if (const SceneBalloonRow* row = SceneBalloon(variant)) {
      g.BalloonWidth = row->width;
      g.BalloonHeight = row->height;
      g.BalloonSide = row->side;
      g.BalloonGapX = 0;
      g.BalloonOffsetY = 0;
      shiftX = row->shiftX;
      shiftY = row->shiftY;
      if (row->side == 2 || row->side == 3) {
        // The tail stands upright and straddles the top or the bottom edge.
        g.TailWidth = 23;
        g.TailHeight = 32;
        g.TailOffsetX = g.BalloonWidth / 2 - 11 + shiftX;
        g.TailOffsetY = row->side == 2 ? shiftY - 16 : g.BalloonHeight - 16 + shiftY;
        return;
      }
    }
  } else if (kind >= 10 && kind <= 29) {
    SpeechBalloon(kind, variant);
  } else if (kind >= 30 && kind <= 49) {
    ThoughtBalloon(kind, variant);
  }
  // The tail straddles the side edge at the balloon's middle height.
  g.TailOffsetX = shiftX - g.TailWidth / 2;
  g.TailOffsetY = g.BalloonHeight / 2 - g.TailHeight / 2 + shiftY;
}

void D20_KeepFontSize(int /*phase*/) {
  if (LineState.LineFontSize > 0) TextStyle.TextFontSize = LineState.LineFontSize;
}
