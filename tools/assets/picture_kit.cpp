#include "assets/picture_kit.h"

#include <algorithm>
#include <cstdio>

#include "assets/asset_drawing.h"
#include "platform/fonts.h"

namespace assets {
namespace {

std::vector<TextRecord>* g_log = nullptr;

constexpr int kSmallestPt = 6;

tq::FontSpec Bold(int pt) {
  tq::FontSpec font;
  font.bold = true;
  font.pointSize = pt;
  return font;
}

// The ink of a text at a size, outline included.
tq::TextExtent InkExtent(const std::string& text, int pt, bool outline) {
  tq::TextExtent e = tq::MeasureTextExtent(Bold(pt), text);
  if (outline) e.width += 4, e.height += 4;
  return e;
}

void Record(const tq::Surface& s, tq::PixelRect box, tq::PixelRect drawn, const std::string& text, int pt) {
  if (g_log != nullptr) g_log->push_back({text, box, drawn, pt, s.Width(), s.Height()});
}

// Draws one line whose ink (outline included) starts at (x, y).
void DrawInk(tq::Surface& s, int x, int y, const std::string& text, int pt, const TextStyle& style) {
  const tq::FontSpec font = Bold(pt);
  if (style.outline) {
    x += 2, y += 2;
    for (int d = 0; d < 8; ++d) {
      static constexpr int kDx[] = {-2, 0, 2, -2, 2, -2, 0, 2};
      static constexpr int kDy[] = {-2, -2, -2, 0, 0, 2, 2, 2};
      tq::DrawTextAt(s, x + kDx[d], y + kDy[d], font, text, tq::ColorFromPixel(Rgb(20, 20, 30)));
    }
  }
  tq::DrawTextAt(s, x, y, font, text, tq::ColorFromPixel(style.colour));
}

int AlignedX(tq::PixelRect box, int width, Align align) {
  switch (align) {
    case Align::Left: return box.x;
    case Align::Right: return box.x + box.w - width;
    default: return box.x + (box.w - width) / 2;
  }
}

}  // namespace

void FillPolygon(tq::Surface& s, std::initializer_list<Point> points, uint32_t px) {
  if (points.size() < 3) return;
  int top = s.Height(), bottom = -1;
  for (const Point& p : points) top = std::min(top, p.y), bottom = std::max(bottom, p.y);
  top = std::max(top, 0), bottom = std::min(bottom, s.Height() - 1);
  std::vector<double> xs;
  for (int y = top; y <= bottom; ++y) {
    const double cy = y + 0.5;
    xs.clear();
    const Point* prev = points.end() - 1;
    for (const Point& p : points) {
      const bool crosses = (prev->y <= cy && p.y > cy) || (p.y <= cy && prev->y > cy);
      if (crosses) xs.push_back(prev->x + (cy - prev->y) * (p.x - prev->x) / static_cast<double>(p.y - prev->y));
      prev = &p;
    }
    std::sort(xs.begin(), xs.end());
    for (size_t i = 0; i + 1 < xs.size(); i += 2) {
      const int x0 = static_cast<int>(xs[i] + 0.5), x1 = static_cast<int>(xs[i + 1] + 0.5);
      if (x1 > x0) tq::FillRect(s, {x0, y, x1 - x0, 1}, px);
    }
  }
}

void Border(tq::Surface& s, tq::PixelRect r, uint32_t px, int thickness) {
  for (int i = 0; i < thickness; ++i) tq::DrawBox(s, r.x + i, r.y + i, r.x + r.w - 1 - i, r.y + r.h - 1 - i, px);
}

uint32_t ParseColour(const std::string& text, uint32_t fallback) {
  unsigned value = 0;
  if (text.size() != 7 || text[0] != '#' || std::sscanf(text.c_str() + 1, "%6x", &value) != 1) return fallback;
  return value;
}

uint32_t Shade(uint32_t px, int amount) {
  return Rgb(static_cast<int>((px >> 16) & 0xFF) + amount, static_cast<int>((px >> 8) & 0xFF) + amount,
             static_cast<int>(px & 0xFF) + amount);
}

int FitText(tq::Surface& s, tq::PixelRect box, const std::string& text, const TextStyle& style) {
  if (text.empty()) return 0;
  int pt = std::max(kSmallestPt, style.maxPt);
  tq::TextExtent e = InkExtent(text, pt, style.outline);
  while (pt > kSmallestPt && (e.width > box.w || e.height > box.h)) {
    --pt;
    e = InkExtent(text, pt, style.outline);
  }
  const int x = AlignedX(box, e.width, style.align);
  const int y = box.y + (box.h - e.height) / 2;
  DrawInk(s, x, y, text, pt, style);
  Record(s, box, {x, y, e.width, e.height}, text, pt);
  return pt;
}

int FitLines(tq::Surface& s, tq::PixelRect box, const std::vector<std::string>& lines, const TextStyle& style) {
  if (lines.empty()) return 0;
  int pt = std::max(kSmallestPt, style.maxPt);
  auto fits = [&](int size, int& lineHeight) {
    lineHeight = 0;
    int widest = 0;
    for (const std::string& line : lines) {
      const tq::TextExtent e = InkExtent(line.empty() ? " " : line, size, style.outline);
      widest = std::max(widest, e.width);
      lineHeight = std::max(lineHeight, e.height);
    }
    return widest <= box.w && lineHeight * static_cast<int>(lines.size()) <= box.h;
  };
  int lineHeight = 0;
  while (pt > kSmallestPt && !fits(pt, lineHeight)) --pt;
  fits(pt, lineHeight);
  const int count = static_cast<int>(lines.size());
  // Leftover height goes between the lines, up to a quarter of a line each.
  const int gap = count > 1 ? std::min(lineHeight / 4, (box.h - lineHeight * count) / (count - 1)) : 0;
  int y = box.y + (box.h - (lineHeight * count + gap * (count - 1))) / 2;
  for (const std::string& line : lines) {
    if (!line.empty()) {
      const tq::TextExtent e = InkExtent(line, pt, style.outline);
      const int x = AlignedX(box, e.width, style.align);
      DrawInk(s, x, y, line, pt, style);
      Record(s, box, {x, y, e.width, e.height}, line, pt);
    }
    y += lineHeight + gap;
  }
  return pt;
}

std::vector<std::string> SplitLines(const std::string& text) { return SplitCaptions(text, '/'); }

tq::PixelRect SheetCell(int width, int height, int cellWidth, int cellHeight, int i) {
  const int cw = cellWidth > 0 ? cellWidth : width, ch = cellHeight > 0 ? cellHeight : height;
  const int columns = std::max(1, width / std::max(1, cw));
  return {(i % columns) * cw, (i / columns) * ch, cw, ch};
}

std::string WideNumber(int n) {
  static const char* kDigits[] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
  if (n < 0) return "－" + WideNumber(-n);
  std::string out;
  for (char c : std::to_string(n)) out += kDigits[c - '0'];
  return out;
}

void SetTextLog(std::vector<TextRecord>* log) { g_log = log; }

void PlaceText(tq::Surface& s, tq::PixelRect box, int x, int y, const std::string& text, int pt, bool bold,
               uint32_t colour, bool outline) {
  if (text.empty()) return;
  tq::FontSpec font;
  font.bold = bold;
  font.pointSize = pt;
  const tq::TextExtent e = tq::MeasureTextExtent(font, text);
  if (outline) {
    for (int d = 0; d < 8; ++d) {
      static constexpr int kDx[] = {-2, 0, 2, -2, 2, -2, 0, 2};
      static constexpr int kDy[] = {-2, -2, -2, 0, 0, 2, 2, 2};
      tq::DrawTextAt(s, x + kDx[d], y + kDy[d], font, text, tq::ColorFromPixel(Rgb(20, 20, 30)));
    }
  }
  tq::DrawTextAt(s, x, y, font, text, tq::ColorFromPixel(colour));
  const int o = outline ? 2 : 0;
  Record(s, box, {x - o, y - o, e.width + 2 * o, e.height + 2 * o}, text, pt);
}

}  // namespace assets
