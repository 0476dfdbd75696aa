#include "assets/panel_pictures.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "assets/asset_drawing.h"
#include "assets/picture_kit.h"

namespace assets {
namespace {

using tq::PixelRect;
using tq::Surface;

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// A leading "#RRGGBB " chooses the colour; otherwise the title's hash does.
uint32_t TakeColour(std::string& cell) {
  if (cell.size() > 8 && cell[0] == '#' && cell[7] == ' ') {
    const uint32_t colour = ParseColour(cell.substr(0, 7), 0);
    cell = cell.substr(8);
    return colour;
  }
  return HashColour(Hash(cell) * 2654435761u, 30);
}

void NoticeCell(Surface& s, PixelRect r, std::string cell, int number) {
  cell = ReplaceAll(cell, "{n%10}", WideNumber(number % 10));
  cell = ReplaceAll(cell, "{n}", WideNumber(number));
  const uint32_t back = TakeColour(cell);
  const std::vector<std::string> lines = SplitLines(cell);
  tq::FillRect(s, r, back);
  const int edge = std::max(2, std::min(r.w, r.h) / 25);
  Border(s, r, Rgb(250, 245, 230), edge);
  Border(s, {r.x + edge + 2, r.y + edge + 2, r.w - 2 * edge - 4, r.h - 2 * edge - 4}, Shade(back, 60), 1);
  const int pad = edge + std::max(4, std::min(r.w, r.h) / 20);
  const PixelRect inner{r.x + pad, r.y + pad, r.w - 2 * pad, r.h - 2 * pad};
  TextStyle title;
  title.outline = true;
  title.colour = Rgb(255, 240, 170);
  title.maxPt = 64;
  if (lines.size() == 1) {
    FitText(s, inner, lines[0], title);
    return;
  }
  // The lines say what happened: they take the larger part, and the title stands
  // over them at most half as large again (or at a readable size over small lines).
  const int titleHeight = inner.h * 38 / 100;
  TextStyle body;
  body.outline = true;
  body.maxPt = 40;
  const int bodyPt = FitLines(s, {inner.x, inner.y + titleHeight, inner.w, inner.h - titleHeight},
                              std::vector<std::string>(lines.begin() + 1, lines.end()), body);
  title.maxPt = std::max(20, bodyPt * 3 / 2);
  FitText(s, {inner.x, inner.y, inner.w, titleHeight}, lines[0], title);
}

}  // namespace

void DrawNotice(Surface& s, const AssetFile& f) {
  const std::vector<std::string> cells = SplitCaptions(f.row->shows);
  for (size_t i = 0; i < cells.size(); ++i) {
    NoticeCell(s, SheetCell(s.Width(), s.Height(), f.row->cellWidth, f.row->cellHeight, static_cast<int>(i)), cells[i],
               f.number);
  }
}

void DrawHeads(Surface& s, const AssetFile& f) {
  const int w = s.Width(), h = s.Height();
  s.Reset(w, h, Rgb(25, 30, 50));
  Border(s, {0, 0, w, h}, Rgb(230, 190, 90), 3);
  Border(s, {4, 4, w - 8, h - 8}, Rgb(120, 90, 40), 1);
  if (*f.row->shows == '\0') return;
  for (const std::string& caption : SplitCaptions(f.row->shows)) {
    PixelRect r{};
    const size_t at = caption.rfind('@');
    if (at == std::string::npos || std::sscanf(caption.c_str() + at + 1, "%d,%d,%d,%d", &r.x, &r.y, &r.w, &r.h) != 4) {
      continue;
    }
    TextStyle style;
    style.colour = Rgb(240, 220, 150);
    style.maxPt = 48;
    style.align = Align::Left;
    FitText(s, r, caption.substr(0, at), style);
  }
}

void DrawPieces(Surface& s, const AssetFile& f) {
  const std::vector<std::string> parts = SplitCaptions(f.row->shows);
  s.Reset(s.Width(), s.Height(), ParseColour(parts.empty() ? "" : parts[0], Rgb(0, 0, 0)));
  for (size_t i = 1; i < parts.size(); ++i) {
    PixelRect r{};
    const size_t at = parts[i].rfind('@');
    if (at == std::string::npos || std::sscanf(parts[i].c_str() + at + 1, "%d,%d,%d,%d", &r.x, &r.y, &r.w, &r.h) != 4) {
      continue;
    }
    const std::string caption = parts[i].substr(0, at);
    const uint32_t back = HashColour(Hash(caption + std::to_string(i)) * 2654435761u, 30);
    tq::FillRect(s, r, back);
    // Thin pieces (strips, bars) take a one-pixel edge; pictures a wider frame.
    const int edge = std::min(r.w, r.h) < 60 ? 1 : 4;
    Border(s, r, Rgb(250, 245, 230), edge);
    const int pad = edge + std::max(2, std::min(r.w, r.h) / 12);
    TextStyle style;
    style.outline = std::min(r.w, r.h) >= 40;
    style.colour = Rgb(255, 240, 170);
    style.maxPt = 40;
    FitLines(s, {r.x + pad, r.y + pad, r.w - 2 * pad, r.h - 2 * pad}, SplitLines(caption), style);
  }
}

std::vector<std::string> ThumbSources(const AssetRow& row) {
  std::vector<std::string> paths;
  for (const std::string& cell : SplitCaptions(row.shows)) {
    const size_t colon = cell.find(':');
    if (colon != std::string::npos) paths.push_back(cell.substr(0, colon));
  }
  return paths;
}

void DrawThumbs(Surface& s, const AssetFile& f) {
  const AssetRow& row = *f.row;
  const std::vector<std::string> cells = SplitCaptions(row.shows);
  const int groupWidth = s.Width() / std::max(1, row.states);
  s.Reset(s.Width(), s.Height(), Rgb(25, 30, 50));
  for (size_t i = 0; i < cells.size(); ++i) {
    const size_t colon = cells[i].find(':');
    if (colon == std::string::npos) continue;
    const std::string path = cells[i].substr(0, colon), caption = cells[i].substr(colon + 1);
    Surface picture;
    for (const AssetFile& other : ExpandAssets()) {
      if (other.path == path) {
        picture = DrawPicture(other);
        break;
      }
    }
    for (int g = 0; g < row.states; ++g) {
      PixelRect cell = SheetCell(groupWidth, s.Height(), row.cellWidth, row.cellHeight, static_cast<int>(i));
      cell.x += g * groupWidth;
      const int strip = std::max(12, cell.h / 4);
      if (!picture.Empty()) {
        tq::StretchRect(s, {cell.x, cell.y, cell.w, cell.h - strip}, picture,
                        {0, 0, picture.Width(), picture.Height()});
      }
      tq::FillRect(s, {cell.x, cell.y + cell.h - strip, cell.w, strip}, g == 0 ? Rgb(20, 20, 35) : Rgb(200, 150, 40));
      Border(s, cell, g == 0 ? Rgb(200, 220, 255) : Rgb(255, 240, 150), g == 0 ? 1 : 3);
      TextStyle style;
      style.maxPt = 12;
      FitText(s, {cell.x + 3, cell.y + cell.h - strip + 1, cell.w - 6, strip - 3}, caption, style);
    }
  }
}

}  // namespace assets
