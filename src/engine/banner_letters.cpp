#include "engine/banner_letters.h"

#include <cstdint>

#include "engine/blits.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/numeric.h"
#include "engine/text.h"

BannerStateRecord BannerState;

namespace {

int Enlarge(int base) { return RoundHalfEven(1.25 * base); }

struct Point {
  int x;
  int y;
};

// The glow passes' offsets in the base design.
constexpr int kGlowBaseDx[10] = {20, 20, 0, 25, 7, 25, 22, 15, 12, 7};
constexpr int kGlowBaseDy[10] = {5, 15, 0, 25, 8, 2, 15, 17, 20, 8};
// The face letters of layout 10 and 11 in the base design.
constexpr Point kLayout10Base[5] = {{15, 1}, {47, 2}, {79, 2}, {113, 1}, {152, 2}};
constexpr Point kLayout11Base = {10, -1};

uint32_t BandColour(int set, int i) {
  switch (set) {
    case 0: return RgbColor(0, 0, 8 * i + 10);
    case 1: {
      const int v = 7 * i + 30;
      return RgbColor(RoundHalfEven(0.8 * v), 0, RoundHalfEven(0.48 * v));
    }
    case 2: return RgbColor(7 * i + 10, 7 * i + 10, 0);
    case 3: return RgbColor(0, 4 * i + 10, 0);
    case 4: {
      const int u = 5 * i + 10;
      return RgbColor(u, RoundHalfEven(0.5 * u), 0);
    }
    case 5: {
      const int u = 6 * i + 10;
      return RgbColor(u, RoundHalfEven(0.35 * u), 0);
    }
    case 6: {
      const int u = 5 * i + 10;
      return RgbColor(RoundHalfEven(0.9 * u), u, 0);
    }
    default: return 0;
  }
}

// The glow colour of pass k in set s; false for a set without colours.
bool GlowColour(int set, int k, uint32_t& out) {
  switch (set) {
    case 0: out = RgbColor(0, 4 * k, 20 * k + 50); return true;
    case 1: out = RgbColor(16 * k + 40, 0, RoundHalfEven(7.2 * k)); return true;
    case 2: out = RgbColor(18 * k + 45, 20 * k + 50, 0); return true;
    case 3: {
      const int v = 13 * k + 30;
      out = RgbColor(RoundHalfEven(0.2 * v), RoundHalfEven(0.9 * v), 0);
      return true;
    }
    case 4: {
      const int u = 15 * k + 10;
      out = RgbColor(u, RoundHalfEven(0.6 * u), 0);
      return true;
    }
    case 5: {
      const int u = 16 * k + 10;
      out = RgbColor(u, RoundHalfEven(0.25 * u), 0);
      return true;
    }
    case 6: {
      const int v = 13 * k + 10;
      out = RgbColor(RoundHalfEven(0.9 * v), RoundHalfEven(0.8 * v), 0);
      return true;
    }
    default: return false;
  }
}

// The face colours of a set: TextColor, ShadeColor3, ShadeColor1, ShadeColor2.
struct FaceColours {
  uint32_t text, shade3, shade1, shade2;
};
constexpr FaceColours kFaceFirst[7] = {
    {RgbColor(100, 255, 255), RgbColor(0, 150, 255), RgbColor(0, 80, 180), RgbColor(0, 0, 100)},
    {RgbColor(255, 255, 100), RgbColor(235, 60, 80), RgbColor(180, 60, 60), RgbColor(100, 0, 25)},
    {RgbColor(255, 0, 0), RgbColor(255, 255, 100), RgbColor(190, 200, 60), RgbColor(255, 0, 0)},
    {RgbColor(0, 0, 0), RgbColor(60, 200, 20), RgbColor(80, 160, 0), RgbColor(0, 0, 0)},
    {RgbColor(0, 0, 0), RgbColor(215, 175, 20), RgbColor(200, 120, 0), RgbColor(0, 0, 0)},
    {RgbColor(0, 0, 0), RgbColor(235, 135, 20), RgbColor(190, 100, 0), RgbColor(0, 0, 0)},
    {RgbColor(0, 0, 0), RgbColor(190, 210, 0), RgbColor(160, 140, 0), RgbColor(0, 0, 0)},
};
constexpr FaceColours kFaceSecond[7] = {
    {RgbColor(200, 255, 255), RgbColor(0, 150, 255), RgbColor(0, 100, 200), RgbColor(0, 0, 100)},
    {RgbColor(255, 255, 200), RgbColor(255, 140, 110), RgbColor(220, 120, 70), RgbColor(100, 0, 25)},
    {RgbColor(255, 255, 220), RgbColor(230, 240, 100), RgbColor(140, 180, 40), RgbColor(50, 100, 0)},
    {RgbColor(240, 255, 210), RgbColor(140, 240, 10), RgbColor(100, 190, 0), RgbColor(30, 80, 0)},
    {RgbColor(255, 240, 190), RgbColor(255, 215, 30), RgbColor(210, 135, 0), RgbColor(80, 40, 0)},
    {RgbColor(255, 235, 195), RgbColor(255, 190, 45), RgbColor(200, 105, 0), RgbColor(80, 40, 0)},
    {RgbColor(255, 250, 180), RgbColor(235, 215, 30), RgbColor(175, 155, 0), RgbColor(60, 50, 0)},
};

void SetFaceColours(const FaceColours (&sets)[7], int set) {
  if (set < 0 || set > 6) return;
  const FaceColours& c = sets[set];
  TextStyle.TextColor = c.text;
  TextStyle.ShadeColor3 = c.shade3;
  TextStyle.ShadeColor1 = c.shade1;
  TextStyle.ShadeColor2 = c.shade2;
}

// A print of CurrentText at a position in the layer.
void PrintAt(int x, int y, uint32_t colour) {
  LayerProps& props = LayerInfo(DrawState.CurrentLayer);
  props.ForeColor = colour;
  props.CurrentX = x;
  props.CurrentY = y;
  LayerPrint(DrawState.CurrentLayer, TextStyle.CurrentText);
}

void GlowPasses(int letterCase, int set) {
  if (letterCase != 0 && letterCase != 1 && letterCase != 5 && letterCase != 6) return;
  TextStyleRecord& t = TextStyle;
  for (int k = 0; k < 10; ++k) {
    const int dx = Enlarge(kGlowBaseDx[k]);
    const int dy = Enlarge(kGlowBaseDy[k]);
    uint32_t colour = 0;
    if (GlowColour(set, k, colour)) t.ShadeColor3 = colour;
    if (letterCase == 0) {
      for (int j = 0; j < 5; ++j) {
        t.CurrentText = BannerState.BannerChars[j];
        t.TextX = 50 * j;
        t.TextY = 0;
        PrintAt(t.TextX + dx / 2 - 5, t.TextY + dy / 2 - 4, t.ShadeColor3);
      }
      continue;
    }
    t.CurrentText = BannerState.BannerChars[0];
    t.TextX = 0;
    t.TextY = 0;
    if (letterCase == 1) {
      PrintAt(dx - 5, dy - 12, t.ShadeColor3);
    } else if (letterCase == 5) {
      PrintAt(dx + BannerState.GlyphOffsetX, dy + BannerState.GlyphOffsetY, t.ShadeColor3);
    } else {
      // The narrow letters glow closer: 0.6 of the offsets, as real numbers.
      PrintAt(RoundHalfEven(0.6 * dx + BannerState.GlyphOffsetX), RoundHalfEven(0.6 * dy + BannerState.GlyphOffsetY),
              t.ShadeColor3);
    }
  }
}

void FaceLetters(int layout, int set) {
  Point at[5];
  int count = 0;
  switch (layout) {
    case 5:
      at[count++] = {BannerState.GlyphOffsetX, BannerState.GlyphOffsetY};
      break;
    case 10:
      for (const Point& p : kLayout10Base) at[count++] = {Enlarge(p.x), Enlarge(p.y)};
      break;
    case 11:
      at[count++] = {Enlarge(kLayout11Base.x), Enlarge(kLayout11Base.y)};
      break;
    default:
      return;
  }
  TextStyleRecord& t = TextStyle;
  for (int j = 0; j < count; ++j) {
    t.CurrentText = BannerState.BannerChars[j];
    t.TextX = at[j].x;
    t.TextY = at[j].y;
    SetFaceColours(kFaceFirst, set);
    PrintAt(t.TextX + 3, t.TextY + 3, t.ShadeColor3);
    PrintAt(t.TextX + 2, t.TextY + 2, t.ShadeColor2);
    PrintAt(t.TextX - 2, t.TextY - 2, t.ShadeColor1);
    PrintAt(t.TextX, t.TextY, t.TextColor);
    SetFaceColours(kFaceSecond, set);
    t.OutlineWidth = 1;
    PrintText(0, DrawState.CurrentLayer);
  }
  tq::DrawBox(LayerImage(DrawState.CurrentLayer), 0, 0, DrawState.CurrentRect.Width - 1,
              DrawState.CurrentRect.Height - 1, 0);
}

struct BannerKind {
  int kind;
  int baseWidth, baseHeight;
  int fontSize;
  int set;
  const char* glow;
  Point glowBase;  // the single letters' glow offset (base design)
  int letterCase;
  const char* face;
  Point faceBase;
  int layout;
};

// Kinds 10 and 11 centre vertically; the single letters stand at the top.
constexpr BannerKind kKinds[] = {
    {5, 78, 78, 75, 2, "Ｇ", {-5, -14}, 5, "G", {7, -2}, 5},
    {6, 78, 78, 75, 2, "Ｏ", {-15, -15}, 5, "O", {-3, -3}, 5},
    {7, 39, 78, 75, 2, "！", {-39, -11}, 6, "!", {-3, -5}, 5},
    {8, 39, 78, 75, 2, "！", {-39, -12}, 6, "!", {-3, -6}, 5},
    {10, 250, 50, 44, 0, nullptr, {0, 0}, 0, nullptr, {0, 0}, 10},
    {11, 76, 76, 69, 0, "1", {0, 0}, 1, "1", {0, 0}, 11},
};

const char* const kWordGlow[5] = {"Ｓ", "Ｔ", "Ａ", "Ｇ", "Ｅ"};
const char* const kWordFace[5] = {"S", "T", "A", "G", "E"};

}  // namespace

void BannerGlyph(int mode, int a, int b) {
  switch (mode) {
    case 10: {
      PrepareLayer(kPrepareTextShown);
      LayerProps& props = LayerInfo(DrawState.CurrentLayer);
      props.FontBold = true;
      props.FontItalic = true;
      break;
    }
    case 11: {
      uint32_t colours[21];
      for (int i = 0; i <= 20; ++i) colours[i] = BandColour(b, i);
      DrawColourBands(0, 0, colours);
      break;
    }
    case 13:
      GlowPasses(a, b);
      break;
    case 14:
      FaceLetters(a, b);
      break;
    default:
      break;
  }
}

void BannerLetters(int kind, int layer) {
  const BannerKind* k = nullptr;
  for (const BannerKind& entry : kKinds) {
    if (entry.kind == kind) k = &entry;
  }
  if (k == nullptr) return;
  DrawState.CurrentLayer = layer;
  TextStyle.TextFontSize = k->fontSize;
  Rect& r = DrawState.CurrentRect;
  r.Width = Enlarge(k->baseWidth);
  r.Height = Enlarge(k->baseHeight);
  r.Y = (kind == 10 || kind == 11) ? ScreenSize.ScreenHalfHeight - r.Height / 2 : 0;
  r.X = -r.Width;
  BannerGlyph(10, -99, -99);
  BannerGlyph(11, -99, k->set);
  if (kind == 10) {
    for (int j = 0; j < 5; ++j) BannerState.BannerChars[j] = kWordGlow[j];
  } else {
    BannerState.BannerChars[0] = k->glow;
    if (k->letterCase == 5 || k->letterCase == 6) {
      BannerState.GlyphOffsetX = Enlarge(k->glowBase.x);
      BannerState.GlyphOffsetY = Enlarge(k->glowBase.y);
    }
  }
  BannerGlyph(13, k->letterCase, k->set);
  if (kind == 10) {
    for (int j = 0; j < 5; ++j) BannerState.BannerChars[j] = kWordFace[j];
  } else {
    BannerState.BannerChars[0] = k->face;
    if (k->layout == 5) {
      BannerState.GlyphOffsetX = Enlarge(k->faceBase.x);
      BannerState.GlyphOffsetY = Enlarge(k->faceBase.y);
    }
  }
  BannerGlyph(14, k->layout, k->set);
}

void ResetBannerState() { BannerState = BannerStateRecord{}; }
