// The stand-in pictures drawn with a log of their texts, and what the tests ask of
// those texts: inside their boxes and pictures, and never a bare file number.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "assets/asset_drawing.h"
#include "assets/asset_table.h"
#include "assets/picture_kit.h"

namespace tq::testing {

struct DrawnStandIn {
  const assets::AssetFile* file = nullptr;
  tq::Surface picture;
  std::vector<assets::TextRecord> texts;
};

inline DrawnStandIn DrawStandIn(const assets::AssetFile& f) {
  DrawnStandIn d{&f, {}, {}};
  assets::SetTextLog(&d.texts);
  d.picture = assets::DrawPicture(f);
  assets::SetTextLog(nullptr);
  return d;
}

inline bool RectInside(const tq::PixelRect& inner, const tq::PixelRect& outer) {
  return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
         inner.y + inner.h <= outer.y + outer.h;
}

inline bool RectsOverlap(const tq::PixelRect& a, const tq::PixelRect& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

// Digits, ASCII or full-width.
inline bool AllDigits(const std::vector<std::string>& points) {
  if (points.empty()) return false;
  for (const std::string& p : points) {
    const bool ascii = p.size() == 1 && p[0] >= '0' && p[0] <= '9';
    const bool wide = p.size() == 3 && p.compare(0, 2, "\xEF\xBC") == 0 && p[2] >= '\x90' && p[2] <= '\x99';
    if (!ascii && !wide) return false;
  }
  return true;
}

// "おしらせ 0", "Event01 5", "12": a caption with a file number after it, or a
// number alone.
inline bool NameAndNumber(const std::string& text) {
  const std::vector<std::string> points = assets::CodePoints(text);
  size_t space = std::string::npos;
  for (size_t i = 0; i < points.size(); ++i) {
    if (points[i] == " " || points[i] == "　") space = i;
  }
  if (space == std::string::npos) return AllDigits(points);
  return AllDigits(std::vector<std::string>(points.begin() + static_cast<long>(space) + 1, points.end()));
}

// Where a layer's image differs from a region of its stand-in: the ink the game
// printed over it, in the picture's coordinates.
inline tq::PixelRect PrintedInk(const tq::Surface& layer, const tq::Surface& picture, int sx, int sy) {
  int left = layer.Width(), top = layer.Height(), right = -1, bottom = -1;
  for (int y = 0; y < layer.Height(); ++y) {
    for (int x = 0; x < layer.Width(); ++x) {
      if (layer.Get(x, y) == picture.Get(sx + x, sy + y)) continue;
      left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return {};
  return {sx + left, sy + top, right - left + 1, bottom - top + 1};
}

}  // namespace tq::testing
