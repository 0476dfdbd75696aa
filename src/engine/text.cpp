#include "engine/text.h"

#include "engine/layers.h"
#include "engine/numeric.h"
#include "platform/fonts.h"

TextStyleRecord TextStyle;

namespace {

bool recording = false;
std::vector<PrintRecord> recorded;

// One pass: the fore colour, the text position offset from (TextX, TextY), then
// CurrentText.
void Pass(int layer, int dx, int dy, uint32_t color) {
  LayerProps& props = LayerInfo(layer);
  props.ForeColor = color;
  props.CurrentX = TextStyle.TextX + dx;
  props.CurrentY = TextStyle.TextY + dy;
  LayerPrint(layer, TextStyle.CurrentText);
}

void SetFontSize(int layer) { LayerInfo(layer).FontSize = TextStyle.TextFontSize; }

// The kind-10 outline: shadow at (2, 2), a light edge up-left, a dark edge down-right.
void OutlineKind10(int layer) {
  const TextStyleRecord& t = TextStyle;
  Pass(layer, 2, 2, t.ShadeColor3);
  Pass(layer, 1, 0, t.ShadeColor2);
  Pass(layer, 0, 1, t.ShadeColor2);
  Pass(layer, -1, 0, t.ShadeColor1);
  Pass(layer, 0, -1, t.ShadeColor1);
  Pass(layer, 0, 0, t.TextColor);
}

// Fixed colour sets of PrintText kinds 30 to 39: A0..A2, B0..B3, face.
struct EdgeSet {
  uint32_t a[3];
  uint32_t b[4];
  uint32_t face;
};

const EdgeSet* EdgeSetFor(int kind) {
  static const EdgeSet orange{{RgbColor(255, 150, 0), RgbColor(255, 200, 0), RgbColor(225, 225, 25)},
                              {RgbColor(255, 150, 0), RgbColor(255, 175, 0), RgbColor(225, 200, 0),
                               RgbColor(225, 225, 25)},
                              RgbColor(255, 100, 0)};
  static const EdgeSet blue{{RgbColor(0, 150, 255), RgbColor(0, 200, 225), RgbColor(25, 225, 225)},
                            {RgbColor(0, 150, 225), RgbColor(0, 175, 255), RgbColor(0, 200, 225),
                             RgbColor(25, 225, 225)},
                            RgbColor(0, 100, 255)};
  static const EdgeSet pink{{RgbColor(255, 120, 255), RgbColor(255, 180, 255), RgbColor(255, 220, 255)},
                            {RgbColor(175, 0, 175), RgbColor(200, 50, 200), RgbColor(255, 150, 255),
                             RgbColor(255, 200, 255)},
                            RgbColor(255, 0, 255)};
  switch (kind) {
    case 30: return &orange;
    case 31: return &blue;
    case 35: return &pink;
    default: return nullptr;
  }
}

// Glow colour modes by level.
uint32_t ModeColor(int mode, int level) {
  const int l = level;
  switch (mode) {
    case 0: return RgbColor(l, l, l);
    case 1: return RgbColor(l, l, 50);
    case 2: return RgbColor(50, l, l);
    case 3: return RgbColor(l, 50, l);
    case 4: return RgbColor(l, RoundHalfEven(0.25 * l), RoundHalfEven(0.2 * l));
    case 5: return RgbColor(50, RoundHalfEven(0.35 * l), l);
    case 7: return RgbColor(l, RoundHalfEven(0.5 * l), 0);
    case 8: return RgbColor(l, RoundHalfEven(0.95 * l), 0);
    case 10: return RgbColor(255 - l, 255 - l, 255 - l);
    case 14: return RgbColor(255, l, l);
    default: return 0;
  }
}

struct GlowScheme {
  int scheme;
  int mode;
  float factor;
};
constexpr GlowScheme kGlowSchemes[] = {
    {0, 0, 1.0f},   {1, 0, 0.7f},   {10, 1, 1.0f}, {11, 1, 0.6f},  {20, 2, 1.0f},
    {30, 3, 1.0f},  {40, 4, 1.0f},  {41, 4, 0.7f}, {50, 5, 1.0f},  {70, 7, 1.0f},
    {80, 8, 1.0f},  {100, 10, 1.0f}, {1041, 14, 0.8f},
};

struct Offset {
  int dx;
  int dy;
};
// Glow offsets 1 to 10 (the glow passes, the tenth the face) and 21 to 28 (the shadow).
constexpr Offset kGlowOffsets[10] = {{1, 2}, {2, 1}, {2, 2}, {1, 1}, {0, 1}, {-1, -1}, {0, -1}, {1, 0}, {-1, 0}, {0, 0}};
constexpr Offset kShadowOffsets[8] = {{2, 0}, {3, 1}, {0, 1}, {-2, -1}, {-1, -2}, {-1, 2}, {1, -1}, {-2, 0}};

}  // namespace

void LayerPrint(int layer, const std::string& text) {
  if (!ValidLayer(layer)) return;
  const LayerProps& props = LayerInfo(layer);
  if (recording) recorded.push_back({layer, props.CurrentX, props.CurrentY, props.ForeColor, text});
  const tq::FontSpec font{props.FontName, props.FontSize, props.FontBold, props.FontItalic};
  tq::DrawTextAt(LayerImage(layer), props.CurrentX, props.CurrentY, font, text, props.ForeColor);
}

void SetPrintRecording(bool on) {
  recording = on;
  recorded.clear();
}

const std::vector<PrintRecord>& RecordedPrints() { return recorded; }

void MeasureText(int kind) {
  tq::FontSpec font;
  switch (kind) {
    case 0: font = {tq::kFontProportional, TextStyle.TextFontSize, true, false}; break;
    case 1: font = {tq::kFontProportional, TextStyle.TextFontSize, false, false}; break;
    case 10: font = {tq::kFontFixed, TextStyle.TextFontSize, true, false}; break;
    default: return;
  }
  const tq::TextExtent extent = tq::MeasureTextExtent(font, TextStyle.CurrentText);
  TextStyle.MeasuredWidth = extent.width;
  TextStyle.MeasuredHeight = extent.height;
}

void PrintText(int kind, int layer) {
  DrawState.CurrentLayer = layer;
  const TextStyleRecord& t = TextStyle;
  const int w = t.OutlineWidth;
  switch (kind) {
    case 0:
      Pass(layer, w + 1, w + 1, t.ShadeColor2);
      Pass(layer, w, w, t.ShadeColor1);
      Pass(layer, -w, -w, t.ShadeColor3);
      Pass(layer, 0, 0, t.TextColor);
      return;
    case 1:
      SetFontSize(layer);
      Pass(layer, w + 1, w + 1, t.ShadeColor3);
      Pass(layer, w, w, t.ShadeColor2);
      Pass(layer, -w, -w, t.ShadeColor1);
      Pass(layer, 0, 0, t.TextColor);
      return;
    case 10:
      SetFontSize(layer);
      OutlineKind10(layer);
      return;
    case 11:
      SetFontSize(layer);
      Pass(layer, 1, 2, t.ShadeColor4);
      Pass(layer, 2, 1, t.ShadeColor5);
      Pass(layer, 1, 1, t.ShadeColor3);
      Pass(layer, 1, 0, t.ShadeColor2);
      Pass(layer, 0, 1, t.ShadeColor2);
      Pass(layer, -1, 0, t.ShadeColor1);
      Pass(layer, 0, -1, t.ShadeColor1);
      Pass(layer, 0, 0, t.TextColor);
      return;
    case 20:
    case 21: {
      // Engraved (20) and embossed (21) greys, whatever the colour words hold.
      static const int greys[2][7] = {{100, 80, 110, 120, 180, 200, 250}, {220, 230, 220, 150, 200, 120, 50}};
      static const Offset at[7] = {{-1, 0}, {2, 1}, {1, 1}, {0, 1}, {0, -1}, {1, 0}, {0, 0}};
      SetFontSize(layer);
      for (int i = 0; i < 7; ++i) Pass(layer, at[i].dx, at[i].dy, Grey(greys[kind - 20][i]));
      return;
    }
    default:
      break;
  }
  if (kind >= 30 && kind <= 39) {
    SetFontSize(layer);
    // Kinds without a set print all eight passes in black.
    static const EdgeSet black{};
    const EdgeSet& e = EdgeSetFor(kind) != nullptr ? *EdgeSetFor(kind) : black;
    Pass(layer, 2, 1, e.b[3]);
    Pass(layer, -1, -1, e.a[2]);
    Pass(layer, 1, 1, e.b[2]);
    Pass(layer, 0, -1, e.a[1]);
    Pass(layer, 0, 1, e.b[1]);
    Pass(layer, -1, 0, e.a[0]);
    Pass(layer, 1, 0, e.b[0]);
    Pass(layer, 0, 0, e.face);
  }
}

void GlowText(int type, int scheme, int value, float brightness) {
  const int layer = DrawState.CurrentLayer;
  TextStyleRecord& t = TextStyle;
  if (type == 10) {
    auto set = [&t](uint32_t face, uint32_t shade1, uint32_t shade2, uint32_t shade3) {
      t.TextColor = face;
      t.ShadeColor1 = shade1;
      t.ShadeColor2 = shade2;
      t.ShadeColor3 = shade3;
    };
    if (scheme == 100) set(Grey(255), Grey(200), Grey(180), Grey(100));
    if (scheme == 101) set(Grey(120), Grey(190), Grey(160), Grey(100));
    if (scheme == 102) set(RgbColor(255, 255, 0), RgbColor(190, 190, 95), Grey(160), Grey(100));
    SetFontSize(layer);
    OutlineKind10(layer);
    return;
  }
  if (type < 0 || type > 9) return;
  SetFontSize(layer);
  int mode = 0;
  float factor = 0.0f;
  for (const GlowScheme& s : kGlowSchemes) {
    if (s.scheme == scheme) {
      mode = s.mode;
      factor = s.factor;
    }
  }
  if (brightness != 0.0f) factor = brightness;
  if (type == 0) {
    const int entries[10] = {100, 100, value, 110, 120, 170, 190, 200, 210, 255};
    for (int p = 0; p < 10; ++p) {
      // Single precision, as the level is worked out in the original.
      const float level = factor * static_cast<float>(entries[p]);
      t.TextColor = ModeColor(mode, RoundHalfEven(level));
      Pass(layer, kGlowOffsets[p].dx, kGlowOffsets[p].dy, t.TextColor);
    }
  } else if (type == 1) {
    t.TextColor = ModeColor(mode, 0);
    for (const Offset& o : kShadowOffsets) Pass(layer, o.dx, o.dy, t.TextColor);
  }
}

void ResetTextState() {
  TextStyle = TextStyleRecord{};
  recording = false;
  recorded.clear();
}
