#include "assets/asset_drawing.h"

#include "assets/asset_writers.h"
#include "assets/board_pictures.h"
#include "assets/panel_pictures.h"
#include "assets/picture_kit.h"
#include "assets/place_pictures.h"
#include "assets/rpg_pictures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/fonts.h"

namespace assets {

using tq::PixelRect;
using tq::Surface;

// A stable hash of a name, so each character and picture keeps its colours.
uint32_t Hash(const std::string& s) {
  uint32_t h = 2166136261u;
  for (unsigned char c : s) h = (h ^ c) * 16777619u;
  return h;
}

uint32_t Rgb(int r, int g, int b) {
  return (static_cast<uint32_t>(std::clamp(r, 0, 255)) << 16) |
         (static_cast<uint32_t>(std::clamp(g, 0, 255)) << 8) | static_cast<uint32_t>(std::clamp(b, 0, 255));
}
// A colour from the hash's bits, kept in a readable middle range.
uint32_t HashColour(uint32_t h, int base) {
  return Rgb(base + (h & 0x7F), base + ((h >> 8) & 0x7F), base + ((h >> 16) & 0x7F));
}
uint32_t Bgr(uint32_t px) { return tq::ColorFromPixel(px); }

std::vector<std::string> SplitCaptions(const std::string& text, char separator) {
  std::vector<std::string> out;
  size_t start = 0;
  while (true) {
    const size_t bar = text.find(separator, start);
    out.push_back(text.substr(start, bar - start));
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  return out;
}

// UTF-8 code points of a text (the glyph strips take one per cell).
std::vector<std::string> CodePoints(const std::string& text) {
  std::vector<std::string> out;
  for (size_t i = 0; i < text.size();) {
    size_t n = 1;
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 0xF0) n = 4;
    else if (c >= 0xE0) n = 3;
    else if (c >= 0xC0) n = 2;
    out.push_back(text.substr(i, n));
    i += n;
  }
  return out;
}

void FillEllipse(Surface& s, int cx, int cy, int rx, int ry, uint32_t px) {
  if (rx <= 0 || ry <= 0) return;
  for (int y = -ry; y <= ry; ++y) {
    const double t = 1.0 - static_cast<double>(y) * y / (static_cast<double>(ry) * ry);
    const int half = static_cast<int>(std::lround(rx * std::sqrt(std::max(0.0, t))));
    tq::FillRect(s, {cx - half, cy + y, 2 * half + 1, 1}, px);
  }
}

namespace {

// The largest size (up to maxPt) at which the text fits the rectangle.
int FitPointSize(PixelRect r, const std::string& text, int maxPt) {
  tq::FontSpec font;
  font.bold = true;
  int pt = std::max(6, maxPt);
  for (; pt > 6; pt = pt * 7 / 8) {
    font.pointSize = pt;
    const tq::TextExtent e = tq::MeasureTextExtent(font, text);
    if (e.width <= r.w - 4 && e.height <= r.h - 2) break;
  }
  return pt;
}

// Text centred in a rectangle at the largest size (up to maxPt) that fits it, a
// little inside its edges.
void CentredText(Surface& s, PixelRect r, const std::string& text, uint32_t px, int maxPt, bool outline) {
  if (text.empty() || r.w <= 4 || r.h <= 4) return;
  TextStyle style;
  style.colour = px;
  style.outline = outline;
  style.maxPt = maxPt;
  FitText(s, {r.x + 2, r.y + 1, r.w - 4, r.h - 2}, text, style);
}

// A small caption on a dark strip in the top-left corner, made smaller where the
// picture is narrow.
void CornerLabel(Surface& s, const std::string& text) {
  tq::FontSpec font;
  font.pointSize = std::clamp(s.Height() / 24, 7, 14);
  tq::TextExtent e = tq::MeasureTextExtent(font, text);
  while (font.pointSize > 6 && e.width + 12 > s.Width()) {
    --font.pointSize;
    e = tq::MeasureTextExtent(font, text);
  }
  tq::FillRect(s, {2, 2, e.width + 8, e.height + 4}, Rgb(0, 0, 0));
  PlaceText(s, {2, 2, e.width + 8, e.height + 4}, 6, 4, text, font.pointSize, false, Rgb(255, 255, 255));
}

void Frame(Surface& s, PixelRect r, uint32_t px, int thickness) {
  for (int i = 0; i < thickness; ++i) tq::DrawBox(s, r.x + i, r.y + i, r.x + r.w - 1 - i, r.y + r.h - 1 - i, px);
}

std::string FileName(const std::string& path) {
  const size_t slash = path.rfind('/');
  std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

bool ExplicitCell(const std::string& caption, std::string& text, PixelRect& cell);

// A simple scene: sky bands, far hills, a sun or moon, a ground line; the hash of
// the name chooses its colours and layout. A background keeps its caption small in
// the top-left corner, so the scenes drawn over it do not read as captioned cards.
void DrawScene(Surface& s, const AssetFile& f) {
  const uint32_t h = Hash(f.path);
  const int w = s.Width(), ht = s.Height();
  const bool night = (h & 3) == 0;
  const int bands = 8;
  for (int i = 0; i < bands; ++i) {
    const int t = i * 255 / bands;
    const uint32_t px = night ? Rgb(20 + t / 6, 20 + t / 5, 60 + t / 3) : Rgb(90 + t / 3, 140 + t / 4, 220 - t / 8);
    tq::FillRect(s, {0, ht * i / (bands * 2), w, ht / (bands * 2) + 1}, px);
  }
  const uint32_t hill = HashColour(h >> 3, 40);
  for (int k = 0; k < 4; ++k) {
    const int cx = static_cast<int>((h >> (k * 5)) % static_cast<uint32_t>(std::max(1, w)));
    FillEllipse(s, cx, ht / 2 + ht / 8, w / 4 + k * w / 16, ht / 6, hill);
  }
  tq::FillRect(s, {0, ht / 2 + ht / 8, w, ht - (ht / 2 + ht / 8)}, HashColour(h >> 11, 30));
  FillEllipse(s, w - w / 6, ht / 6, ht / 14 + 2, ht / 14 + 2, night ? Rgb(240, 240, 200) : Rgb(255, 220, 80));
  // a few houses or trees along the ground
  for (int k = 0; k < 5; ++k) {
    const int x = w * (k * 2 + 1) / 11;
    const int bw = std::max(4, w / 20), bh = std::max(4, ht / 8);
    tq::FillRect(s, {x, ht / 2 + ht / 8 - bh, bw, bh}, HashColour(h >> (k + 2), 60));
    tq::FillRect(s, {x + bw / 3, ht / 2 + ht / 8 - bh / 2, bw / 3, bh / 2}, Rgb(60, 40, 30));
  }
  // The caption says what the picture shows; no file name or number, which a player
  // reading the picture has no use for.
  CornerLabel(s, f.row->shows);
}

// The head of a face picture: its centre and radius, which place the eyes and mouth.
struct Head {
  int cx, cy, r;
};
Head HeadOf(int w, int ht) { return {w / 2, ht * 2 / 5, std::min(w, ht) * 3 / 10}; }
int EyeY(const Head& h) { return h.cy + h.r / 6; }
int MouthY(const Head& h) { return h.cy + h.r * 3 / 5; }

// The name strip's text, font and rectangle.
struct NameStrip {
  std::string name;
  tq::FontSpec font;
  PixelRect box{};
};
NameStrip NameStripOf(const AssetFile& f) {
  const int w = f.row->width, ht = f.row->height;
  NameStrip n;
  n.name = f.row->shows;
  PixelRect place{2, 0, w - 4, ht};
  const bool placed = ExplicitCell(f.row->shows, n.name, place);
  n.font.pointSize = std::clamp(ht / 16, 7, 16);
  tq::TextExtent e = tq::MeasureTextExtent(n.font, n.name);
  while (n.font.pointSize > 6 && (e.width + 8 > place.w || (placed && e.height + 4 > place.h))) {
    --n.font.pointSize;
    e = tq::MeasureTextExtent(n.font, n.name);
  }
  if (e.width <= 0) return n;
  const int x = placed ? place.x + (place.w - e.width - 8) / 2 : (w - e.width - 8) / 2;
  const int y = placed ? place.y + (place.h - e.height - 4) / 2 : ht - e.height - 8;
  n.box = {x, y, e.width + 8, e.height + 4};
  return n;
}

}  // namespace

FaceParts FacePartsOf(const AssetFile& f) {
  const Head h = HeadOf(f.row->width, f.row->height);
  // From the brows above the eyes to below the mouth, cheek to cheek.
  const int top = EyeY(h) - h.r / 5 - 1, bottom = MouthY(h) + h.r / 9 + 2;
  return {NameStripOf(f).box, {h.cx - h.r * 5 / 8, top, h.r * 5 / 4 + 1, bottom - top}};
}

namespace {

// A face: each character (the row's caption) its own skin, hair and clothes colours
// and hair shape; the expression follows the picture's number and name.
void DrawFace(Surface& s, const AssetFile& f) {
  std::string who_name = f.row->shows;
  who_name = who_name.substr(0, who_name.find('@'));
  const uint32_t who = Hash(who_name);
  const uint32_t mood = Hash(f.path) + static_cast<uint32_t>(f.number) * 7;
  const int w = s.Width(), ht = s.Height();
  s.Reset(w, ht, HashColour(who >> 5, 120));
  const Head head = HeadOf(w, ht);
  const int cx = head.cx;
  const int headR = head.r;
  const int cy = head.cy;
  const uint32_t hair = HashColour(who, 10);
  const uint32_t skin = Rgb(250, 215 - static_cast<int>(who % 30), 180 - static_cast<int>((who >> 4) % 40));
  const uint32_t cloth = HashColour(who >> 13, 50);
  // body
  FillEllipse(s, cx, ht, w * 2 / 5, ht / 3, cloth);
  // hair behind: long, short or tied by the character
  switch (who % 3) {
    case 0: tq::FillRect(s, {cx - headR - headR / 5, cy, 2 * headR + headR * 2 / 5, headR * 2}, hair); break;
    case 1: FillEllipse(s, cx, cy - headR / 5, headR + headR / 6, headR + headR / 8, hair); break;
    default:
      FillEllipse(s, cx - headR - headR / 3, cy + headR / 3, headR / 3, headR / 2, hair);
      FillEllipse(s, cx + headR + headR / 3, cy + headR / 3, headR / 3, headR / 2, hair);
      break;
  }
  FillEllipse(s, cx, cy, headR, headR * 11 / 10, skin);
  // fringe
  FillEllipse(s, cx, cy - headR * 3 / 4, headR, headR / 2, hair);
  // eyes: open, closed or wide by mood
  const int ex = headR * 2 / 5, ey = EyeY(head);
  const uint32_t eye = HashColour(who >> 9, 0);
  for (int side = -1; side <= 1; side += 2) {
    const int x = cx + side * ex;
    switch (mood % 3) {
      case 0: FillEllipse(s, x, ey, headR / 9 + 1, headR / 6 + 1, eye); break;
      case 1: tq::FillRect(s, {x - headR / 8, ey, headR / 4 + 1, std::max(2, headR / 25)}, eye); break;
      default:
        FillEllipse(s, x, ey, headR / 7 + 1, headR / 5 + 1, Rgb(255, 255, 255));
        FillEllipse(s, x, ey, headR / 12 + 1, headR / 9 + 1, eye);
        break;
    }
  }
  // mouth: smile, flat or open by mood
  const int my = MouthY(head);
  switch ((mood / 3) % 3) {
    case 0:
      for (int i = -headR / 4; i <= headR / 4; ++i) {
        const int dy = (headR / 4) - std::abs(i) / 2 - headR / 8;
        tq::FillRect(s, {cx + i, my + dy / 3, 1, std::max(2, headR / 30)}, Rgb(150, 40, 40));
      }
      break;
    case 1: tq::FillRect(s, {cx - headR / 5, my, headR * 2 / 5, std::max(2, headR / 25)}, Rgb(150, 40, 40)); break;
    default: FillEllipse(s, cx, my, headR / 7 + 1, headR / 9 + 1, Rgb(150, 40, 40)); break;
  }
  // cheeks
  FillEllipse(s, cx - headR / 2, my - headR / 8, headR / 8 + 1, headR / 14 + 1, Rgb(250, 170, 170));
  FillEllipse(s, cx + headR / 2, my - headR / 8, headR / 8 + 1, headR / 14 + 1, Rgb(250, 170, 170));
  // The name on a dark strip, readable on any skin or backdrop colour; no file name,
  // so the face reads as a character, not a card. By default centred at the foot, since
  // a face at a window edge shows only its inner part; "name@x,y,w,h" puts it where
  // the screens leave the picture uncovered.
  const NameStrip n = NameStripOf(f);
  if (n.box.w > 0) {
    const PixelRect& b = n.box;
    tq::FillRect(s, b, Rgb(20, 20, 30));
    PlaceText(s, b, b.x + 4, b.y + 2, n.name, n.font.pointSize, false, Rgb(255, 255, 255));
  }
}

// A title picture: its caption large, by default in the upper middle; "text@x,y,w,h"
// puts it where the screens that cover the picture leave it (or hide it) whole.
void DrawTitle(Surface& s, const AssetFile& f) {
  const int w = s.Width(), ht = s.Height();
  const uint32_t h = Hash(f.path);
  for (int y = 0; y < ht; ++y) {
    const int t = y * 255 / std::max(1, ht - 1);
    tq::FillRect(s, {0, y, w, 1}, Rgb(20 + t / 4, 10 + t / 6, 60 + t / 3 + static_cast<int>(h % 40)));
  }
  Frame(s, {0, 0, w, ht}, Rgb(230, 200, 120), std::max(1, std::min(w, ht) / 60));
  std::string caption = f.row->shows;
  PixelRect place{w / 10, ht / 4, w * 8 / 10, ht / 3};
  if (!ExplicitCell(f.row->shows, caption, place)) caption = f.row->shows;
  CentredText(s, place, caption, Rgb(255, 230, 150), 96, true);
  // The byline belongs to whole-window titles; a captionless one is a backdrop the
  // menus cover, and a banner has no room for it.
  if (!caption.empty() && ht >= 300) {
    CentredText(s, {w / 6, ht * 2 / 3, w * 2 / 3, ht / 8}, "Thornquill", Rgb(220, 220, 240), 24, false);
  }
}

// One cell of a sheet: its look by group (0 normal, 1 disabled, 2 highlighted; the
// second group of a grid source is highlighted too).
void DrawSheetCell(Surface& s, const PixelRect& cell, const std::string& caption, int group, bool grid, int maxPt) {
  const bool lit = group == 2 || (group == 1 && grid);
  const uint32_t back = group == 0 ? Rgb(40, 70, 140) : (lit ? Rgb(200, 150, 40) : Rgb(90, 90, 90));
  const uint32_t text = group == 0 || lit ? Rgb(255, 255, 255) : Rgb(160, 160, 160);
  tq::FillRect(s, cell, back);
  Frame(s, cell, group == 0 ? Rgb(200, 220, 255) : (lit ? Rgb(255, 240, 180) : Rgb(140, 140, 140)),
        std::max(1, std::min(cell.w, cell.h) / 20));
  CentredText(s, {cell.x + 4, cell.y + 4, cell.w - 8, cell.h - 8}, caption, text, maxPt, false);
}

// A caption "text@x,y,w,h" names its own cell; false for a plain caption.
bool ExplicitCell(const std::string& caption, std::string& text, PixelRect& cell) {
  const size_t at = caption.rfind('@');
  if (at == std::string::npos) return false;
  int v[4] = {};
  if (std::sscanf(caption.c_str() + at + 1, "%d,%d,%d,%d", &v[0], &v[1], &v[2], &v[3]) != 4) return false;
  text = caption.substr(0, at);
  cell = {v[0], v[1], v[2], v[3]};
  return true;
}

// A sheet of captioned cells: rows of cells, `states` groups side by side; the
// first group normal, the second disabled (or highlighted on grid sources), the
// third highlighted. A last row that the height leaves longer takes the rest. Where
// the captions name their cells ("text@x,y,w,h"), those cells are drawn in every group.
void DrawSheet(Surface& s, const AssetFile& f) {
  const AssetRow& r = *f.row;
  const std::vector<std::string> captions = SplitCaptions(r.shows);
  const int groupWidth = s.Width() / std::max(1, r.states);
  const bool grid = captions.size() == 1 && captions[0] == "#";
  std::string text;
  PixelRect cell{};
  // One size for every caption of the sheet, so a menu's buttons match.
  int pt = 40;
  if (ExplicitCell(captions[0], text, cell)) {
    for (const std::string& caption : captions) {
      if (ExplicitCell(caption, text, cell)) pt = std::min(pt, FitPointSize({0, 0, cell.w - 8, cell.h - 8}, text, 40));
    }
    for (int g = 0; g < r.states; ++g) {
      for (const std::string& caption : captions) {
        if (!ExplicitCell(caption, text, cell)) continue;
        cell.x += g * groupWidth;
        DrawSheetCell(s, cell, text, g, false, pt);
      }
    }
    return;
  }
  const int cols = std::max(1, groupWidth / std::max(1, r.cellWidth));
  const int rows = std::max(1, s.Height() / std::max(1, r.cellHeight));
  if (!grid) {
    for (const std::string& caption : captions) {
      if (!caption.empty()) pt = std::min(pt, FitPointSize({0, 0, r.cellWidth - 8, r.cellHeight - 8}, caption, 40));
    }
  }
  for (int g = 0; g < r.states; ++g) {
    for (int row = 0; row < rows; ++row) {
      const int height = row == rows - 1 ? s.Height() - row * r.cellHeight : r.cellHeight;
      for (int col = 0; col < cols; ++col) {
        const int i = row * cols + col;
        const PixelRect c{g * groupWidth + col * r.cellWidth, row * r.cellHeight, r.cellWidth, height};
        DrawSheetCell(s, c, grid ? std::to_string(i + 1) : captions[static_cast<size_t>(i) % captions.size()], g, grid,
                      pt);
      }
    }
  }
}

void DrawIcons(Surface& s, const AssetFile& f) {
  const AssetRow& r = *f.row;
  const std::vector<std::string> glyphs = CodePoints(r.shows);
  const int cw = std::max(1, r.cellWidth), ch = std::max(1, r.cellHeight);
  int i = 0;
  for (int y = 0; y + ch <= s.Height(); y += ch) {
    for (int x = 0; x + cw <= s.Width(); x += cw, ++i) {
      const uint32_t h = Hash(f.path) + static_cast<uint32_t>(i) * 97;
      const PixelRect cell{x, y, cw, ch};
      tq::FillRect(s, cell, HashColour(h, 60));
      const int frame = std::max(1, std::min(cw, ch) / 16);
      Frame(s, cell, Rgb(255, 255, 255), frame);
      // Small cells (logo letters) have no room for an outline around their glyph.
      const bool small = std::min(cw, ch) < 32;
      if (!glyphs.empty()) {
        CentredText(s, {x + frame, y + frame, cw - 2 * frame, ch - 2 * frame},
                    glyphs[static_cast<size_t>(i) % glyphs.size()], Rgb(255, 255, 255), ch * 3 / 4, !small);
      }
    }
  }
}

// Rescue craft climbing away from the viewer: a white body, swept wings and a forked
// swallow's tail, an orange stripe and the craft's number, on the black night sky
// the climbing scenes show them over; the body reaches the cell's foot, where the
// scenes hang the flame.
void DrawCraft(Surface& s, const AssetFile& f) {
  const AssetRow& r = *f.row;
  const std::vector<std::string> numbers = CodePoints(r.shows);
  const int cw = std::max(1, r.cellWidth), ch = std::max(1, r.cellHeight);
  s.Reset(s.Width(), s.Height(), Rgb(0, 0, 0));
  const uint32_t body = Rgb(235, 238, 245), shade = Rgb(150, 160, 180), stripe = Rgb(240, 130, 40);
  for (int i = 0; i * cw + cw <= s.Width(); ++i) {
    const int x0 = i * cw, cx = x0 + cw / 2, shown = ch;
    // wings swept back from the middle of the body, the forked tail below them, and
    // the body down to the cell's shown foot, where the flame below it starts
    FillPolygon(s, {{cx, shown * 36 / 100}, {x0 + 2, shown * 68 / 100}, {x0 + 6, shown * 76 / 100}, {cx, shown * 58 / 100},
                    {x0 + cw - 6, shown * 76 / 100}, {x0 + cw - 2, shown * 68 / 100}},
                shade);
    FillPolygon(s, {{cx - 4, shown * 76 / 100}, {cx - cw / 4, shown - 1}, {cx - 2, shown * 90 / 100}, {cx + 2, shown * 90 / 100},
                    {cx + cw / 4, shown - 1}, {cx + 4, shown * 76 / 100}},
                shade);
    FillEllipse(s, cx, shown * 54 / 100, cw / 8, shown * 46 / 100, body);
    FillEllipse(s, cx, shown * 26 / 100, cw / 14, shown / 10, Rgb(90, 150, 220));  // the canopy
    tq::FillRect(s, {cx - cw / 8, shown * 62 / 100, cw / 4, 4}, stripe);
    if (static_cast<size_t>(i) < numbers.size()) {
      TextStyle number;
      number.colour = Rgb(40, 40, 60);
      number.maxPt = 12;
      FitText(s, {cx - cw / 8, shown * 67 / 100, cw / 4, shown / 6}, numbers[static_cast<size_t>(i)], number);
    }
  }
}

// The flame under a climbing craft: cell by cell longer and brighter, a yellow core
// in an orange plume fading into the black sky.
void DrawExhaust(Surface& s, const AssetFile& f) {
  const AssetRow& r = *f.row;
  const int cw = std::max(1, r.cellWidth), ch = std::max(1, r.cellHeight);
  s.Reset(s.Width(), s.Height(), Rgb(0, 0, 0));
  for (int i = 0; i * cw + cw <= s.Width(); ++i) {
    const int cx = i * cw + cw / 2;
    const int length = ch * (45 + 25 * i) / 100;
    FillPolygon(s, {{cx - cw / 6, 0}, {cx + cw / 6, 0}, {cx + 2, length}, {cx - 2, length}}, Rgb(230, 110, 30));
    FillPolygon(s, {{cx - cw / 10, 0}, {cx + cw / 10, 0}, {cx, length * 3 / 4}}, Rgb(255, 200, 60));
    FillEllipse(s, cx, 2, cw / 12, 4, Rgb(255, 250, 210));
  }
}

// Board tiles: a caption's own colour (the blank plain cell sand, "□" the inner
// grass), a border, and the caption large in the middle.
void DrawBoardTiles(Surface& s, const AssetFile& f) {
  const AssetRow& r = *f.row;
  const std::vector<std::string> captions = SplitCaptions(r.shows);
  const int cw = std::max(1, r.cellWidth), ch = std::max(1, r.cellHeight);
  for (int y = 0, i = 0; y + ch <= s.Height(); y += ch) {
    for (int x = 0; x + cw <= s.Width(); x += cw, ++i) {
      const std::string caption = static_cast<size_t>(i) < captions.size() ? captions[static_cast<size_t>(i)] : "";
      const PixelRect cell{x, y, cw, ch};
      uint32_t back = Rgb(222, 200, 150);
      if (caption == "□") back = Rgb(96, 150, 80);
      else if (!caption.empty()) back = HashColour(Hash(caption) * 31u, 70);
      tq::FillRect(s, cell, back);
      Frame(s, cell, caption == "□" ? Rgb(70, 120, 60) : Rgb(120, 90, 50), std::max(1, cw / 25));
      if (!caption.empty() && caption != "□") {
        tq::FillRect(s, {x + cw / 6, y + ch / 6, cw * 2 / 3, ch * 2 / 3}, Rgb(250, 245, 230));
        CentredText(s, {x + cw / 6, y + ch / 6, cw * 2 / 3, ch * 2 / 3}, caption, Rgb(60, 40, 30), ch / 2, false);
      }
    }
  }
}

// Creatures: a body of the cell's colour, eyes, feet or horns by the cell's hash,
// and the row's glyph for the cell on its belly.
void DrawCreatures(Surface& s, const AssetFile& f) {
  const AssetRow& r = *f.row;
  const std::vector<std::string> glyphs = CodePoints(r.shows);
  const int cw = std::max(1, r.cellWidth), ch = std::max(1, r.cellHeight);
  s.Reset(s.Width(), s.Height(), Rgb(96, 150, 80));
  int i = 0;
  for (int y = 0; y + ch <= s.Height(); y += ch) {
    for (int x = 0; x + cw <= s.Width(); x += cw, ++i) {
      const uint32_t h = Hash(std::to_string(i) + "creature") * 2654435761u;
      const uint32_t body = HashColour(h, 70);
      const int cx = x + cw / 2, cy = y + ch / 2 + ch / 12;
      const int rx = cw / 3 + static_cast<int>(h % 7), ry = ch / 3 - static_cast<int>((h >> 3) % 6);
      if ((h >> 5) % 2 == 0) {  // horns
        FillEllipse(s, cx - rx / 2, cy - ry, cw / 14, ch / 7, Rgb(240, 230, 200));
        FillEllipse(s, cx + rx / 2, cy - ry, cw / 14, ch / 7, Rgb(240, 230, 200));
      } else {  // ears
        FillEllipse(s, cx - rx * 2 / 3, cy - ry * 3 / 4, cw / 9, ch / 9, body);
        FillEllipse(s, cx + rx * 2 / 3, cy - ry * 3 / 4, cw / 9, ch / 9, body);
      }
      FillEllipse(s, cx, cy, rx, ry, body);
      FillEllipse(s, cx - rx / 2, cy + ry, cw / 10, ch / 14, HashColour(h >> 9, 20));
      FillEllipse(s, cx + rx / 2, cy + ry, cw / 10, ch / 14, HashColour(h >> 9, 20));
      const int ey = cy - ry / 3;
      for (int side = -1; side <= 1; side += 2) {
        FillEllipse(s, cx + side * rx / 3, ey, cw / 12, ch / 10, Rgb(255, 255, 255));
        FillEllipse(s, cx + side * rx / 3, ey + 1, cw / 24, ch / 18, Rgb(20, 20, 30));
      }
      if (!glyphs.empty()) {
        CentredText(s, {cx - rx / 2, cy, rx, ry * 3 / 4}, glyphs[static_cast<size_t>(i) % glyphs.size()],
                    Rgb(255, 255, 255), ch / 4, true);
      }
    }
  }
}

void DrawGauges(Surface& s, const AssetFile& f) {
  const std::vector<std::string> glyphs = CodePoints(f.row->shows);
  const int cw = std::max(1, f.row->cellWidth), ch = std::max(1, f.row->cellHeight);
  for (int n = 0; n * cw + cw <= s.Width(); ++n) {
    const uint32_t tone = HashColour(Hash(glyphs.empty() ? "" : glyphs[static_cast<size_t>(n) % glyphs.size()]), 60);
    const PixelRect cell{n * cw, 0, cw, ch};
    tq::FillRect(s, cell, Rgb(30, 30, 50));
    tq::FillRect(s, {cell.x + 8, cell.y + ch / 5, cw - 16, ch * 3 / 4}, tone);
    Frame(s, cell, Rgb(250, 230, 160), 3);
    if (!glyphs.empty()) {
      CentredText(s, {cell.x, 4, cw, ch / 5 - 4}, glyphs[static_cast<size_t>(n) % glyphs.size()],
                  Rgb(250, 230, 160), ch / 6, false);
    }
  }
}

// Die faces side by side, face n showing n pips.
void DrawDice(Surface& s, const AssetFile& f) {
  const int cw = std::max(1, f.row->cellWidth), ch = std::max(1, f.row->cellHeight);
  s.Reset(s.Width(), s.Height(), Rgb(96, 150, 80));
  // The row's caption gives the first face's pips (a blank face 0 where it is empty).
  const int first = std::atoi(f.row->shows);
  for (int n = 0; n * cw + cw <= s.Width(); ++n)
    DrawDieFace(s, {n * cw + cw / 12, ch / 12, cw * 5 / 6, ch * 5 / 6}, first + n);
}

void DrawMark(Surface& s) {
  const int w = s.Width(), ht = s.Height();
  s.Reset(w, ht, Rgb(0, 0, 0));
  for (int y = 0; y < ht * 2 / 3; ++y) {
    const int half = (ht * 2 / 3 - y) * w / (ht * 2);
    tq::FillRect(s, {w / 2 - half, ht / 6 + y, 2 * half + 1, 1}, Rgb(255, 220, 90));
  }
}

// A framed panel with its caption, a margin inside the frame; "{n}" in the caption
// stands for the file's number (full-width), for rows whose files count something.
void DrawPanel(Surface& s, const AssetFile& f) {
  const uint32_t h = Hash(f.path);
  const int w = s.Width(), ht = s.Height();
  s.Reset(w, ht, HashColour(h, 40));
  const int frame = std::max(1, std::min(w, ht) / 25);
  Frame(s, {0, 0, w, ht}, Rgb(255, 255, 255), frame);
  std::string caption = f.row->shows;
  if (const size_t at = caption.find("{n}"); at != std::string::npos) caption.replace(at, 3, WideNumber(f.number));
  const int pad = frame + std::max(1, std::min(w, ht) / 20);
  CentredText(s, {pad, pad, w - 2 * pad, ht - 2 * pad}, caption, Rgb(255, 255, 255), 60, true);
}

// The memory game copies its life icons from (3, height - k * side) of this picture
// and erases them from the same place of the plain table.
void DrawCardTable(Surface& s, const AssetFile& f) {
  const int w = s.Width(), ht = s.Height();
  s.Reset(w, ht, Rgb(24, 96, 64));
  Frame(s, {0, 0, w, ht}, Rgb(150, 120, 60), 3);
  const int side = f.row->cellWidth;
  if (side <= 0) return;
  constexpr int kIconX = 3;
  for (int y = ht - side; y >= 0; y -= side) {
    const PixelRect cell{kIconX, y, side, side};
    tq::FillRect(s, cell, Rgb(200, 40, 70));
    Frame(s, cell, Rgb(255, 230, 230), std::max(1, side / 16));
    const int inset = std::max(2, side / 8);
    CentredText(s, {cell.x + inset, cell.y + inset, side - 2 * inset, side - 2 * inset}, f.row->shows,
                Rgb(255, 255, 255), side * 3 / 4, false);
  }
}

// A number panel: the game prints the number over it, so the caption keeps to the
// top-left corner or, as "caption@x,y,w,h" ('/' between lines), to the room the
// number leaves.
void DrawLabel(Surface& s, const AssetFile& f) {
  const int w = s.Width(), ht = s.Height();
  s.Reset(w, ht, Rgb(25, 25, 45));
  Frame(s, {0, 0, w, ht}, Rgb(230, 190, 90), 3);
  Frame(s, {4, 4, w - 8, ht - 8}, Rgb(120, 90, 40), 1);
  std::string caption = f.row->shows;
  PixelRect box{10, 6, w - 20, ht / 3};
  if (!ExplicitCell(f.row->shows, caption, box)) caption = f.row->shows;
  TextStyle style;
  style.colour = Rgb(240, 220, 150);
  style.maxPt = std::clamp(ht / 7, 7, 12);
  style.align = Align::Left;
  FitLines(s, box, SplitLines(caption), style);
}

// One row of captioned buttons and, one row down, the same buttons pressed.
void DrawButtons(Surface& s, const AssetFile& f) {
  const AssetRow& r = *f.row;
  s.Reset(s.Width(), s.Height(), Rgb(0, 0, 0));
  int x = 0;
  for (const std::string& item : SplitCaptions(r.shows)) {
    const size_t at = item.find('@');
    const std::string caption = item.substr(0, at);
    const int w = at == std::string::npos ? r.cellWidth : std::atoi(item.c_str() + at + 1);
    for (int pressed = 0; pressed <= 1; ++pressed) {
      const PixelRect cell{x, pressed * r.cellHeight, w, r.cellHeight};
      tq::FillRect(s, cell, pressed ? Rgb(120, 30, 30) : Rgb(190, 40, 50));
      tq::FillRect(s, {cell.x + 4, cell.y + 4, cell.w - 8, cell.h / 3}, pressed ? Rgb(140, 40, 40) : Rgb(230, 90, 90));
      Frame(s, cell, pressed ? Rgb(150, 120, 60) : Rgb(250, 220, 120), 3);
      CentredText(s, {cell.x + 6 + pressed * 2, cell.y + 6 + pressed * 2, cell.w - 12, cell.h - 12}, caption,
                  Rgb(255, 255, 255), 28, true);
    }
    x += w;
  }
}

// A card face: white with rounded corners, its rank at two corners and its suit large.
void DrawCard(Surface& s, const AssetFile& f) {
  const int w = s.Width(), ht = s.Height();
  static const char* kRanks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
  const std::vector<std::string> suits = CodePoints(f.row->shows);
  const int suit = (f.number / 13) % 4, rank = f.number % 13;
  const bool red = suit == 1 || suit == 2;
  const uint32_t ink = red ? Rgb(200, 20, 30) : Rgb(20, 20, 30);
  s.Reset(w, ht, Rgb(0, 90, 40));
  tq::FillRect(s, {6, 0, w - 12, ht}, Rgb(250, 250, 245));
  tq::FillRect(s, {0, 6, w, ht - 12}, Rgb(250, 250, 245));
  Frame(s, {1, 1, w - 2, ht - 2}, Rgb(160, 160, 160), 1);
  const std::string mark = suits.empty() ? "" : suits[static_cast<size_t>(suit) % suits.size()];
  tq::FontSpec font;
  font.bold = true;
  font.pointSize = 26;
  const PixelRect card{0, 0, w, ht};
  PlaceText(s, card, 12, 8, kRanks[rank], 26, true, ink);
  PlaceText(s, card, 12, 46, mark, 26, true, ink);
  const tq::TextExtent e = tq::MeasureTextExtent(font, kRanks[rank]);
  PlaceText(s, card, w - 12 - e.width, ht - 46, kRanks[rank], 26, true, ink);
  if (rank >= 10) {
    tq::FillRect(s, {w / 4, ht / 4, w / 2, ht / 2}, red ? Rgb(250, 220, 200) : Rgb(210, 220, 250));
    Frame(s, {w / 4, ht / 4, w / 2, ht / 2}, ink, 2);
    CentredText(s, {w / 4, ht / 4, w / 2, ht / 4}, kRanks[rank], ink, 60, false);
    CentredText(s, {w / 4, ht / 2, w / 2, ht / 4}, mark, ink, 60, false);
  } else {
    CentredText(s, {w / 5, ht / 4, w * 3 / 5, ht / 2}, mark, ink, 110, false);
  }
}

void DrawCardBack(Surface& s, const AssetFile& f) {
  const int w = s.Width(), ht = s.Height();
  const bool story = FileName(f.path).find("A00") != std::string::npos;
  const uint32_t base = story ? Rgb(40, 60, 170) : Rgb(170, 30, 40);
  s.Reset(w, ht, Rgb(250, 250, 245));
  tq::FillRect(s, {10, 10, w - 20, ht - 20}, base);
  for (int y = 14; y < ht - 14; y += 16) {
    for (int x = 14 + (y / 16 % 2) * 8; x < w - 14; x += 16) FillEllipse(s, x, y, 3, 3, Rgb(240, 220, 150));
  }
  Frame(s, {10, 10, w - 20, ht - 20}, Rgb(240, 220, 150), 3);
}

void DrawReels(Surface& s, const AssetFile& f) {
  const AssetRow& r = *f.row;
  const std::vector<std::string> glyphs = CodePoints(r.shows);
  static const uint32_t kBack[] = {Rgb(250, 230, 120), Rgb(250, 200, 210), Rgb(200, 230, 250), Rgb(200, 240, 200),
                                   Rgb(255, 220, 180), Rgb(220, 220, 220), Rgb(255, 250, 240), Rgb(235, 235, 235)};
  static const uint32_t kInk[] = {Rgb(220, 140, 0), Rgb(220, 30, 80), Rgb(30, 110, 220), Rgb(20, 130, 40),
                                  Rgb(230, 60, 20), Rgb(40, 40, 40), Rgb(210, 0, 0), Rgb(150, 150, 150)};
  for (int i = 0; i * r.cellWidth < s.Width(); ++i) {
    const PixelRect cell{i * r.cellWidth, 0, r.cellWidth, r.cellHeight};
    tq::FillRect(s, cell, kBack[i % 8]);
    Frame(s, cell, Rgb(120, 120, 120), 1);
    if (!glyphs.empty()) {
      CentredText(s, {cell.x + 8, 8, cell.w - 16, cell.h - 16}, glyphs[static_cast<size_t>(i) % glyphs.size()],
                  kInk[i % 8], 64, false);
    }
  }
}

// 0: a slot machine cabinet around the reel windows; 1: a green card table.
void DrawTable(Surface& s, const AssetFile& f) {
  const int w = s.Width(), ht = s.Height();
  const std::vector<std::string> captions = SplitCaptions(f.row->shows);
  const std::string caption = captions[static_cast<size_t>(f.number) % captions.size()];
  if (f.number == 0) {
    for (int y = 0; y < ht; ++y) tq::FillRect(s, {0, y, w, 1}, Rgb(60 + y / 12, 10, 40 + y / 20));
    tq::FillRect(s, {180, 60, 580, 520}, Rgb(120, 20, 30));
    Frame(s, {180, 60, 580, 520}, Rgb(240, 200, 90), 6);
    tq::FillRect(s, {260, 110, 400, 370}, Rgb(30, 20, 20));
    for (int k = 0; k < 3; ++k) tq::FillRect(s, {270 + 130 * k, 120, 120, 350}, Rgb(245, 245, 240));
    for (int i = 0; i < 12; ++i) FillEllipse(s, 200 + i * 49, 80, 6, 6, i % 2 ? Rgb(255, 240, 120) : Rgb(255, 120, 80));
    CentredText(s, {180, 64, 580, 40}, caption, Rgb(255, 230, 150), 28, true);
  } else {
    s.Reset(w, ht, Rgb(60, 30, 15));
    FillEllipse(s, w / 2, ht / 2 - 20, w / 2 - 20, ht / 2 - 30, Rgb(140, 90, 40));
    FillEllipse(s, w / 2, ht / 2 - 20, w / 2 - 40, ht / 2 - 50, Rgb(20, 110, 60));
    FillEllipse(s, w / 2, ht / 2 - 40, w / 3, ht / 4, Rgb(25, 125, 70));
    CentredText(s, {w / 3, 10, w / 3, 36}, caption, Rgb(240, 220, 150), 24, true);
  }
}

// Cells of cellWidth by cellHeight in rows, captions in order; equal captions share
// a colour, so the squares of one kind look alike wherever a board copies them.
void DrawTiles(Surface& s, const AssetFile& f) {
  const AssetRow& r = *f.row;
  const std::vector<std::string> captions = SplitCaptions(r.shows);
  const int cw = std::max(1, r.cellWidth), ch = std::max(1, r.cellHeight);
  size_t i = 0;
  for (int y = 0; y + ch <= s.Height(); y += ch) {
    for (int x = 0; x + cw <= s.Width(); x += cw, ++i) {
      const std::string& caption = captions[i % captions.size()];
      const PixelRect cell{x, y, cw, ch};
      tq::FillRect(s, cell, HashColour(Hash(caption), 70));
      Frame(s, cell, Rgb(250, 245, 230), std::max(1, std::min(cw, ch) / 30));
      CentredText(s, {x + 3, y + 3, cw - 6, ch - 6}, caption, Rgb(255, 255, 255), ch / 3, true);
    }
  }
}


// The settings screen lights its bars' slots at x 376 + 49 j, y 136 + 100 r (46 by 50)
// and its switches 94 to 40 pixels left of the right edge at y 437 + 60 k (54 by 54):
// the picture frames those places and names each row.
void DrawSettings(Surface& s, const AssetFile& f) {
  const int w = s.Width(), ht = s.Height();
  const std::vector<std::string> captions = SplitCaptions(f.row->shows);
  auto caption = [&](size_t i) { return i < captions.size() ? captions[i] : std::string(); };
  for (int y = 0; y < ht; ++y) tq::FillRect(s, {0, y, w, 1}, Rgb(20 + y / 12, 30 + y / 14, 70 + y / 10));
  Frame(s, {8, 8, w - 16, ht - 16}, Rgb(230, 200, 120), 3);
  CentredText(s, {0, 30, w, 70}, caption(0), Rgb(255, 240, 200), 36, true);
  for (int r = 0; r < 3; ++r) {
    const int top = 136 + 100 * r;
    CentredText(s, {40, top, 320, 50}, caption(1 + static_cast<size_t>(r)), Rgb(255, 255, 255), 22, true);
    for (int j = 0; j < 10; ++j) {
      const PixelRect slot{376 + 49 * j, top, 47, 51};
      tq::FillRect(s, slot, Rgb(25, 40, 30));
      Frame(s, slot, j == 0 ? Rgb(150, 150, 150) : Rgb(120, 200, 140), 2);
    }
    CentredText(s, {376, top + 52, 47, 20}, "0", Rgb(200, 200, 200), 12, false);
    CentredText(s, {376 + 49 * 9, top + 52, 47, 20}, "9", Rgb(200, 200, 200), 12, false);
  }
  for (int k = 0; k < 3; ++k) {
    const int top = 437 + 60 * k;
    CentredText(s, {60, top, w - 94 - 80, 55}, caption(4 + static_cast<size_t>(k)), Rgb(255, 255, 255), 20, true);
    Frame(s, {w - 97, top - 3, 61, 61}, Rgb(230, 200, 120), 3);
  }
  CentredText(s, {0, ht - 40, w, 30}, caption(7), Rgb(220, 220, 240), 14, false);
}

}  // namespace

bool IsPicture(Look look) { return look < Look::Effect; }

Surface DrawPicture(const AssetFile& file) {
  Surface s(file.row->width, file.row->height, 0);
  switch (file.row->look) {
    case Look::Scene: DrawScene(s, file); break;
    case Look::Face: DrawFace(s, file); break;
    case Look::Title: DrawTitle(s, file); break;
    case Look::Sheet: DrawSheet(s, file); break;
    case Look::Icons: DrawIcons(s, file); break;
    case Look::Mark: DrawMark(s); break;
    case Look::Panel: DrawPanel(s, file); break;
    case Look::CardTable: DrawCardTable(s, file); break;
    case Look::Label: DrawLabel(s, file); break;
    case Look::Buttons: DrawButtons(s, file); break;
    case Look::Card: DrawCard(s, file); break;
    case Look::CardBack: DrawCardBack(s, file); break;
    case Look::Reels: DrawReels(s, file); break;
    case Look::Table: DrawTable(s, file); break;
    case Look::Place: DrawPlacePicture(s, file); break;
    case Look::Tiles: DrawTiles(s, file); break;
    case Look::RpgMap: DrawRpgMap(s, file.number); break;
    case Look::RpgPart: DrawRpgPart(s, file.number); break;
    case Look::BoardTiles: DrawBoardTiles(s, file); break;
    case Look::Creatures: DrawCreatures(s, file); break;
    case Look::Dice: DrawDice(s, file); break;
    case Look::Gauges: DrawGauges(s, file); break;
    case Look::Settings: DrawSettings(s, file); break;
    case Look::Notice: DrawNotice(s, file); break;
    case Look::Heads: DrawHeads(s, file); break;
    case Look::Thumbs: DrawThumbs(s, file); break;
    case Look::Pieces: DrawPieces(s, file); break;
    case Look::Rules: DrawRules(s, file); break;
    case Look::EffectBanner: DrawEffectBanner(s, file); break;
    case Look::KindTiles: DrawKindTiles(s, file); break;
    case Look::AttackButtons: DrawAttackButtons(s, file); break;
    case Look::Token: DrawToken(s, file); break;
    case Look::Burst: DrawBurst(s, file); break;
    case Look::Badges: DrawBadges(s, file); break;
    case Look::Craft: DrawCraft(s, file); break;
    case Look::Exhaust: DrawExhaust(s, file); break;
    default: break;
  }
  return s;
}

namespace {

constexpr double kPi = 3.14159265358979;

// A tone with a pitch glide and an exponential fade.
void AddTone(std::vector<float>& out, double start, double length, double f0, double f1, double level, double decay) {
  const size_t first = static_cast<size_t>(start * kSampleRate);
  const size_t count = static_cast<size_t>(length * kSampleRate);
  if (out.size() < first + count) out.resize(first + count, 0.0f);
  double phase = 0.0;
  for (size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double f = f0 + (f1 - f0) * t / length;
    phase += 2 * kPi * f / kSampleRate;
    const double env = std::exp(-decay * t) * std::min(1.0, t * 400.0);
    out[first + i] += static_cast<float>(level * env * std::sin(phase));
  }
}

// Noise from a fixed generator, so the bytes are the same on every run.
void AddNoise(std::vector<float>& out, double length, double level, double decay, uint32_t seed) {
  const size_t count = static_cast<size_t>(length * kSampleRate);
  if (out.size() < count) out.resize(count, 0.0f);
  uint32_t x = seed | 1u;
  double low = 0.0;
  for (size_t i = 0; i < count; ++i) {
    x ^= x << 13, x ^= x >> 17, x ^= x << 5;
    const double n = (static_cast<double>(x & 0xFFFF) / 32768.0) - 1.0;
    low = low * 0.8 + n * 0.2;
    const double t = static_cast<double>(i) / kSampleRate;
    const double swell = std::sin(kPi * std::min(1.0, t / length));
    out[i] += static_cast<float>(level * low * swell * std::exp(-decay * t));
  }
}

}  // namespace

std::vector<float> SynthesizeSound(const AssetFile& file) {
  std::vector<float> out;
  const uint32_t h = Hash(file.path);
  switch (file.row->look) {
    case Look::Effect:
      switch (h % 4) {
        case 0:  // chime
          AddTone(out, 0.0, 0.5, 880 + h % 400, 880 + h % 400, 0.5, 6.0);
          AddTone(out, 0.08, 0.42, 1320 + h % 300, 1320 + h % 300, 0.3, 7.0);
          break;
        case 1: AddTone(out, 0.0, 0.06, 2000 + h % 1000, 1200, 0.7, 60.0); break;  // click
        case 2: AddNoise(out, 0.35, 0.8, 2.0, h); break;                                // whoosh
        default: AddTone(out, 0.0, 0.3, 140 + h % 60, 50, 0.9, 12.0); break;          // thud
      }
      break;
    case Look::Voice: {
      // Syllable-like blips; the count (and so the length) follows the number, so
      // voice waits see voices of different lengths.
      const int syllables = 2 + static_cast<int>((static_cast<uint32_t>(file.number) + h) % 7);
      const double pitch = 180 + (h >> 8) % 160;
      for (int i = 0; i < syllables; ++i) {
        const double f = pitch * (1.0 + 0.15 * std::sin(i * 1.7 + h % 5));
        AddTone(out, i * 0.12, 0.1, f, f * 0.9, 0.5, 12.0);
      }
      break;
    }
    case Look::Music: {
      // Four bars of a small tune on a pentatonic scale; it ends where it began so
      // the loop joins.
      constexpr double kScale[] = {1.0, 9.0 / 8, 5.0 / 4, 3.0 / 2, 5.0 / 3, 2.0};
      const double root = 220.0 * (1.0 + (h % 5) / 8.0);
      const double beat = 0.25;
      for (int i = 0; i < 16; ++i) {
        const double f = root * kScale[(h >> i) % 6];
        AddTone(out, i * beat, beat, f, f, 0.35, 4.0);
        if (i % 4 == 0) AddTone(out, i * beat, beat * 2, root / 2, root / 2, 0.3, 2.0);
      }
      out.resize(static_cast<size_t>(16 * beat * kSampleRate), 0.0f);
      break;
    }
    default: break;
  }
  return out;
}

}  // namespace assets
