#include "engine/blits.h"

#include <algorithm>

#include "engine/layers.h"
#include "engine/numeric.h"
#include "engine/text.h"

BlitSpecRecord BlitSpec;

namespace {

bool ValidDrawable(int d) { return d == GameForm || ValidLayer(d); }

struct BevelScheme {
  int scheme;
  uint32_t fill, top, left, right, bottom;
};

// Scheme 31's edges are 255 times 0.8, 0.7, 0.6 and 0.5, rounded half to even.
const BevelScheme kBevelSchemes[] = {
    {10, RgbColor(255, 255, 255), RgbColor(255, 190, 190), RgbColor(255, 170, 170), RgbColor(255, 150, 150),
     RgbColor(255, 130, 130)},
    {30, Grey(50), Grey(80), Grey(70), Grey(30), Grey(20)},
    {31, Grey(0), Grey(204), Grey(178), Grey(153), Grey(128)},
    {99, Grey(204), Grey(176), Grey(160), Grey(144), Grey(128)},
    {100, Grey(255), Grey(220), Grey(200), Grey(180), Grey(160)},
    {101, Grey(255), RgbColor(255, 184, 160), RgbColor(255, 168, 144), RgbColor(255, 133, 112),
     RgbColor(255, 119, 98)},
    {102, Grey(255), RgbColor(255, 168, 168), RgbColor(255, 144, 144), RgbColor(255, 90, 90),
     RgbColor(230, 75, 75)},
    {103, Grey(255), RgbColor(255, 250, 150), RgbColor(250, 245, 120), RgbColor(245, 240, 90),
     RgbColor(240, 235, 50)},
    {104, Grey(255), RgbColor(210, 250, 255), RgbColor(180, 245, 250), RgbColor(150, 230, 245),
     RgbColor(120, 220, 240)},
    {105, Grey(255), RgbColor(200, 230, 255), RgbColor(175, 215, 255), RgbColor(145, 195, 255),
     RgbColor(125, 175, 255)},
    {110, Grey(255), Grey(240), Grey(230), Grey(190), Grey(180)},
};

BevelScheme SchemeFor(int scheme) {
  if (scheme == -99) {
    const TextStyleRecord& t = TextStyle;
    return {scheme, t.EdgeColor1, t.TextColor, t.ShadeColor1, t.ShadeColor2, t.ShadeColor3};
  }
  for (const BevelScheme& s : kBevelSchemes) {
    if (s.scheme == scheme) return s;
  }
  return {scheme, 0, 0, 0, 0, 0};
}

uint32_t GradientBand(int style, int i) {
  switch (style) {
    case 10: return RgbColor(7 * i, 0, 7 * i);
    case 11: return RgbColor(2 * i + 125, 0, 2 * i + 125);
    case 20: return RgbColor(0, 2 * i + 125, 2 * i + 125);
    case 21: return RgbColor(0, 2 * i + 150, 2 * i + 150);
    case 25: return RgbColor(0, 2 * i + 175, 2 * i + 175);
    case 26: return RgbColor(0, 2 * i + 185, 2 * i + 185);
    case 27: return RgbColor(0, 2 * i + 195, 2 * i + 195);
    case 29: return RgbColor(255, 255, 7 * i + 100);
    case 30: return Grey(2 * i + 110);
    case 31: return Grey(2 * i + 160);
    case 50: return RgbColor(0, 0, 8 * i + 10);
    case 51: {
      const int v = 7 * i + 30;
      return RgbColor(RoundHalfEven(0.8 * v), 0, RoundHalfEven(0.48 * v));
    }
    case 52: return RgbColor(7 * i + 10, 7 * i + 10, 0);
    default: return 0;
  }
}

int Coord(const BlitCoords& c, int i) { return RoundHalfEven(c.Values[i]); }

// Copies take and give the kept images: persistent drawing on for both first.
void KeepBoth(int source, int destination) {
  LayerInfo(source).AutoRedraw = true;
  LayerInfo(destination).AutoRedraw = true;
}

// After a plain copy or a blend the window's drawing goes back to passing; layers
// keep theirs.
void ReleaseWindow(int source, int destination) {
  if (source == GameForm) LayerInfo(GameForm).AutoRedraw = false;
  if (destination == GameForm) LayerInfo(GameForm).AutoRedraw = false;
}

}  // namespace

void DrawBevelFrame(int mode, int thickness, int scheme) {
  if (mode != 10 && mode != 11) return;
  const int layer = DrawState.CurrentLayer;
  if (!ValidLayer(layer)) return;
  tq::Surface& image = LayerImage(layer);
  const int w = DrawState.CurrentRect.Width;
  const int h = DrawState.CurrentRect.Height;
  int t1 = 1, t2 = 1;
  switch (thickness) {
    case 20: t1 = 2, t2 = 2; break;
    case 25: t1 = 3, t2 = 2; break;
    case 30: t1 = 3, t2 = 3; break;
    case 40: t1 = 4, t2 = 4; break;
    case 50: t1 = 5, t2 = 5; break;
    default: break;
  }
  const BevelScheme s = SchemeFor(scheme);
  if (mode == 10) tq::FillBox(image, 0, 0, w - 1, h - 1, tq::PixelFromColor(s.fill));
  for (int i = 0; i < t1; ++i) {
    tq::FillBox(image, i, i, w - 1 - i, i, tq::PixelFromColor(s.top));
    tq::FillBox(image, i, h - 1 - i, w - 1 - i, h - 1 - i, tq::PixelFromColor(s.bottom));
  }
  for (int j = 0; j < t2; ++j) {
    tq::FillBox(image, j, j, j, h - 1 - j, tq::PixelFromColor(s.left));
    tq::FillBox(image, w - 1 - j, j, w - 1 - j, h - 1 - j, tq::PixelFromColor(s.right));
  }
}

void DrawColourBands(int orientation, int x, const uint32_t (&colours)[21]) {
  if (orientation != 0 && orientation != 1) return;
  const int layer = DrawState.CurrentLayer;
  if (!ValidLayer(layer)) return;
  tq::Surface& image = LayerImage(layer);
  const int w = DrawState.CurrentRect.Width;
  const int h = DrawState.CurrentRect.Height;
  for (int i = 0; i <= 20; ++i) {
    const int y1 = i * (h / 20);
    const int y2 = RoundHalfEven(static_cast<double>(h) / 20.0 * (i + 1) - 1);
    const uint32_t px = tq::PixelFromColor(colours[i]);
    if (orientation == 0) {
      tq::FillBox(image, 0, y1, w - 1, y2, px);
    } else {
      tq::FillBox(image, x, y1, x, y2, px);
    }
  }
}

void DrawGradient(int style, int /*unusedLayer*/, int orientation, int x, int /*unused*/) {
  uint32_t colours[21];
  for (int i = 0; i <= 20; ++i) colours[i] = GradientBand(style, i);
  DrawColourBands(orientation, x, colours);
}

void PaintLayerToForm(int mode) {
  if (mode != 1 || !ValidLayer(BlitSpec.BlitLayer)) return;
  LayerInfo(GameForm).AutoRedraw = true;
  const BlitSpecRecord& b = BlitSpec;
  tq::CopyRect(LayerImage(GameForm), b.BlitDestX, b.BlitDestY, LayerImage(b.BlitLayer), b.BlitSrcX, b.BlitSrcY,
               b.BlitWidth, b.BlitHeight);
  LayerInfo(GameForm).AutoRedraw = false;
}

void BitBltCopy(int source, int destination, const BlitCoords& c) {
  if (!ValidDrawable(source) || !ValidDrawable(destination) || c.Count < 6) return;
  KeepBoth(source, destination);
  tq::CopyRect(LayerImage(destination), Coord(c, 4), Coord(c, 5), LayerImage(source), Coord(c, 0), Coord(c, 1),
               Coord(c, 2), Coord(c, 3));
  ReleaseWindow(source, destination);
}

void AlphaBlendCopy(int source, int destination, int alpha, const BlitCoords& c) {
  if (!ValidDrawable(source) || !ValidDrawable(destination) || c.Count < 8) return;
  KeepBoth(source, destination);
  // The blend takes alpha as a byte; out-of-range values are held to it.
  tq::AlphaBlendRect(LayerImage(destination), {Coord(c, 4), Coord(c, 5), Coord(c, 6), Coord(c, 7)},
                     LayerImage(source), {Coord(c, 0), Coord(c, 1), Coord(c, 2), Coord(c, 3)},
                     std::clamp(alpha, 0, 255));
  ReleaseWindow(source, destination);
}

void StretchBltCopy(int source, int destination, int /*unused*/, const BlitCoords& c) {
  if (!ValidDrawable(source) || !ValidDrawable(destination) || c.Count < 8) return;
  KeepBoth(source, destination);
  tq::StretchRect(LayerImage(destination), {Coord(c, 4), Coord(c, 5), Coord(c, 6), Coord(c, 7)},
                  LayerImage(source), {Coord(c, 0), Coord(c, 1), Coord(c, 2), Coord(c, 3)});
  LayerInfo(destination).AutoRedraw = false;
  LayerInfo(source).AutoRedraw = false;
}

void ResetBlitState() { BlitSpec = BlitSpecRecord{}; }
