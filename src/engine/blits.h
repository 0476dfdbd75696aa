// Bevelled frames, colour-band gradients, and copies between drawables (a layer
// 0..99 or the window, GameForm): plain, stretched, or blended with constant alpha.
//
// The frame and the gradient draw into CurrentLayer over the size in CurrentRect.
// All drawing lands in the kept image; the AutoRedraw words are still kept as the
// copies set them, for the code that reads them.
#pragma once

#include <cstdint>
#include <type_traits>

struct BlitSpecRecord {
  int BlitSource = -2;  // drawables: GameForm (-1) or a layer; -2 none yet
  int BlitTarget = -2;
  int BlitWork = -2;
  int BlitLayer = 0;
  int BlitSrcX = 0;
  int BlitSrcY = 0;
  int BlitWidth = 0;
  int BlitHeight = 0;
  int BlitDestX = 0;
  int BlitDestY = 0;
};
extern BlitSpecRecord BlitSpec;

// The coordinate list of the copies: source x, y, width, height, destination x, y,
// width, height; callers list as many as the copy reads, as whole or real numbers.
// Each is rounded to the nearest whole number, halves to even.
struct BlitCoords {
  double Values[8] = {};
  int Count = 0;

  BlitCoords() = default;
  template <typename... T>
    requires(sizeof...(T) >= 1 && sizeof...(T) <= 8 && (std::is_arithmetic_v<T> && ...))
  BlitCoords(T... values) : Values{static_cast<double>(values)...}, Count(static_cast<int>(sizeof...(T))) {}
};

void DrawBevelFrame(int mode, int thickness, int scheme);
// Draws the 21 bands of gradient `style` over CurrentRect's size: orientation 0 across
// the width, 1 a one-pixel column at x, anything else nothing. The layer argument is
// ignored: the bands always go to DrawState.CurrentLayer, so set that first. Callers
// pass CurrentLayer there only because the procedure keeps its five arguments; the
// last one is ignored too.
void DrawGradient(int style, int unusedLayer, int orientation, int x, int unused);
// The 21 bands shared by DrawGradient and the banner backgrounds: band i covers rows
// i * (H \ 20) to round(H / 20 * (i + 1) - 1) of CurrentLayer, over CurrentRect's size.
void DrawColourBands(int orientation, int x, const uint32_t (&colours)[21]);
void PaintLayerToForm(int mode);
void BitBltCopy(int source, int destination, const BlitCoords& c);
void AlphaBlendCopy(int source, int destination, int alpha, const BlitCoords& c);
void StretchBltCopy(int source, int destination, int unused, const BlitCoords& c);

void ResetBlitState();
