#include "assets/board_pictures.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "assets/asset_drawing.h"
#include "assets/picture_kit.h"
#include "platform/fonts.h"

namespace assets {
namespace {

using tq::PixelRect;
using tq::Surface;

// Each cell kind as the board strings write it: its mark (one full-width letter, so
// none reads as another), its word and its colour. The T and L strikes take 狙 and
// 列 with their strength, the cell changes 変 with what the cell may become.
struct KindLook {
  const char* symbol;
  const char* mark;
  const char* word;
  uint32_t colour;  // 0x00RRGGBB
};
constexpr KindLook kKinds[] = {
    {"吉", "吉", "運↑", 0xE6AA28},      {"幸", "幸", "運↑↑", 0xF07AA0},     {"凶", "凶", "運↓", 0x6E3C96},
    {"狂", "狂", "運↓↓", 0x961E3C},     {"具", "具", "道具", 0x3C78C8},     {"選", "選", "えらぶ", 0x28A0AA},
    {"逆", "逆", "逆向き", 0xE6782A},   {"連", "連", "もう一回", 0x78BE3C}, {"ワ", "ワ", "ワープ", 0x5A50C8},
    {"止", "止", "ストップ", 0xC82828}, {"力", "力", "パワー", 0xC85A1E},   {"封", "封", "ふういん", 0x464678},
    {"タ", "タ", "ターン＋", 0x28965A}, {"攻", "攻", "攻撃＋", 0xC83C64},   {"T1", "狙", "威力１", 0xDC6478},
    {"T2", "狙", "威力２", 0xDC6478},   {"T3", "狙", "威力３", 0xDC6478},   {"L1", "列", "威力１", 0x9664C8},
    {"L2", "列", "威力２", 0x9664C8},   {"ﾍ0", "変", "どれか", 0x508C8C},   {"ﾍ1", "変", "吉か幸", 0x508C8C},
    {"ﾍ2", "変", "凶か狂", 0x508C8C},   {"運", "運", "", 0x5060B4},         {"女", "女", "", 0xC850C8},
};

const KindLook* FindKind(const std::string& symbol) {
  for (const KindLook& k : kKinds) {
    if (symbol == k.symbol) return &k;
  }
  return nullptr;
}

constexpr uint32_t kPathSand = 0xDEC896;
constexpr uint32_t kInnerGrass = 0x609650;

void Grey(Surface& s, PixelRect r) {
  for (int y = std::max(0, r.y); y < std::min(s.Height(), r.y + r.h); ++y) {
    uint32_t* row = s.Row(y);
    for (int x = std::max(0, r.x); x < std::min(s.Width(), r.x + r.w); ++x) {
      const int v = static_cast<int>(((row[x] >> 16) & 0xFF) + ((row[x] >> 8) & 0xFF) + (row[x] & 0xFF)) / 3;
      row[x] = Rgb(v * 3 / 4 + 40, v * 3 / 4 + 40, v * 3 / 4 + 45);
    }
  }
  s.MarkChanged();
}

}  // namespace

void DrawDieFace(Surface& s, PixelRect face, int n) {
  FillEllipse(s, face.x + face.w / 2, face.y + face.h / 2, face.w / 2 + 1, face.h / 2 + 1, Rgb(200, 200, 210));
  tq::FillRect(s, {face.x + face.w / 10, face.y, face.w * 4 / 5, face.h}, Rgb(250, 250, 250));
  tq::FillRect(s, {face.x, face.y + face.h / 10, face.w, face.h * 4 / 5}, Rgb(250, 250, 250));
  // Pips on a 3 by 3 grid, read row by row.
  static const char* kPips[7] = {"", "....x....", "x.......x", "x...x...x", "x.x...x.x", "x.x.x.x.x", "x.xx.xx.x"};
  const std::string pips = n >= 0 && n <= 6 ? kPips[n] : "";
  for (size_t k = 0; k < pips.size(); ++k) {
    if (pips[k] != 'x') continue;
    FillEllipse(s, face.x + face.w * (1 + 2 * static_cast<int>(k % 3)) / 6,
                face.y + face.h * (1 + 2 * static_cast<int>(k / 3)) / 6, face.w / 11, face.h / 11,
                n == 1 ? Rgb(200, 30, 40) : Rgb(20, 20, 30));
  }
  if (n == 0) {  // a ring where the pips would be: the piece stays where it is
    const int cx = face.x + face.w / 2, cy = face.y + face.h / 2;
    FillEllipse(s, cx, cy, face.w / 5, face.h / 4, Rgb(150, 150, 160));
    FillEllipse(s, cx, cy, face.w / 5 - std::max(2, face.w / 20), face.h / 4 - std::max(2, face.w / 20),
                Rgb(250, 250, 250));
  }
}

namespace {

// ---- The attack buttons: which cells an attack reaches from the piece ----

void AttackCell(Surface& s, PixelRect r, const std::vector<std::string>& parts, bool power) {
  const std::string name = parts.empty() ? "" : parts[0];
  const int reach = parts.size() > 1 ? std::atoi(parts[1].c_str()) : 1;
  const std::string damage = parts.size() > 2 ? parts[2] : "";
  tq::FillRect(s, r, power ? Rgb(120, 30, 30) : Rgb(35, 50, 100));
  Border(s, r, power ? Rgb(255, 150, 120) : Rgb(200, 220, 255), std::max(2, r.w / 40));
  // While 力 lasts its tile leads the name.
  PixelRect title{r.x + 5, r.y + r.h * 5 / 100, r.w - 10, r.h * 24 / 100};
  if (power) {
    DrawKindTile(s, {title.x, title.y, title.h, title.h}, "力");
    title.x += title.h + 2, title.w -= title.h + 2;
  }
  TextStyle style;
  style.maxPt = r.h / 6;
  FitText(s, title, name, style);
  // The piece, then four cells into the grid; the ones the attack reaches in red.
  const int cell = r.w * 15 / 100, gap = std::max(1, r.w / 60);
  const int left = r.x + (r.w - (5 * cell + 4 * gap)) / 2, top = r.y + r.h * 36 / 100;
  for (int k = 0; k < 5; ++k) {
    const PixelRect c{left + k * (cell + gap), top, cell, cell};
    if (k == 0) {
      tq::FillRect(s, c, kPathSand);
      FillEllipse(s, c.x + cell / 2, c.y + cell / 2, cell / 3, cell / 3, Rgb(255, 220, 60));
      continue;
    }
    const bool hit = k <= reach;
    tq::FillRect(s, c, hit ? Rgb(240, 80, 60) : Rgb(80, 120, 70));
    if (hit) FillEllipse(s, c.x + cell / 2, c.y + cell / 2, cell / 4, cell / 4, Rgb(255, 230, 200));
  }
  style.maxPt = r.h / 5;
  style.colour = power ? Rgb(255, 220, 120) : Rgb(255, 255, 255);
  FitText(s, {r.x + 5, r.y + r.h * 62 / 100, r.w - 10, r.h * 30 / 100}, damage, style);
}

std::vector<std::string> Parts(const std::string& cell) { return SplitLines(cell); }

// ---- Rules pages ----

constexpr uint32_t kInk = 0x32281E;
constexpr uint32_t kHeading = 0xA0321E;

struct RulesLine {
  std::vector<std::string> columns;
  int slots = 1;  // line heights it takes
};

// The size at which every column of every line fits its share of the width.
int RulesPointSize(const std::vector<RulesLine>& lines, int width, int lineHeight) {
  for (int pt = 22; pt > 8; --pt) {
    tq::FontSpec font;
    font.bold = true;
    font.pointSize = pt;
    bool fits = true;
    for (const RulesLine& line : lines) {
      if (line.columns.empty()) continue;
      const int share = width / static_cast<int>(line.columns.size());
      for (std::string column : line.columns) {
        if (column.rfind("*", 0) == 0) column = column.substr(1);
        int room = share - 12;
        if (column.rfind("[", 0) == 0 && column.find(']') != std::string::npos) {
          column = column.substr(column.find(']') + 1);
          room -= lineHeight + 8;
        }
        const tq::TextExtent e = tq::MeasureTextExtent(font, column);
        if (e.width > room || e.height > lineHeight) fits = false;
      }
    }
    if (fits) return pt;
  }
  return 8;
}

}  // namespace

void DrawKindTile(Surface& s, PixelRect r, const std::string& symbol) {
  const bool sealed = symbol.rfind("封", 0) == 0 && symbol.size() > std::string("封").size();
  const std::string kind = sealed ? symbol.substr(std::string("封").size()) : symbol;
  const int edge = std::max(1, r.w / 25);
  if (kind == "□") {
    tq::FillRect(s, r, kInnerGrass);
    Border(s, r, Rgb(70, 120, 60), edge);
    return;
  }
  tq::FillRect(s, r, kPathSand);
  Border(s, r, Rgb(150, 120, 70), edge);
  if (kind.size() == 2 && kind[0] == 'd') {
    const int pad = r.w / 10;
    DrawDieFace(s, {r.x + pad, r.y + pad, r.w - 2 * pad, r.h - 2 * pad}, kind[1] - '0');
    return;
  }
  const KindLook* look = FindKind(kind);
  if (look == nullptr) return;
  const int pad = std::max(2, r.w * 7 / 100);
  const PixelRect plate{r.x + pad, r.y + pad, r.w - 2 * pad, r.h - 2 * pad};
  tq::FillRect(s, plate, look->colour);
  Border(s, plate, Shade(look->colour, 70), std::max(1, r.w / 30));
  TextStyle mark;
  mark.outline = true;
  mark.maxPt = r.h * 45 / 100;
  // A small tile (an icon on a rules page, a badge) keeps to its mark.
  const bool worded = *look->word != '\0' && r.h >= 56;
  const PixelRect markBox{plate.x + 2, plate.y + 1, plate.w - 4, worded ? plate.h * 64 / 100 : plate.h - 2};
  FitText(s, markBox, look->mark, mark);
  if (worded) {
    TextStyle word;
    word.maxPt = r.h * 16 / 100;
    FitText(s, {plate.x + 2, plate.y + plate.h * 64 / 100, plate.w - 4, plate.h * 34 / 100}, look->word, word);
  }
  if (sealed) {
    Grey(s, plate);
    const int cx = plate.x + plate.w * 68 / 100, cy = plate.y + plate.h * 62 / 100, rad = plate.w * 30 / 100;
    FillEllipse(s, cx, cy, rad, rad, Rgb(200, 30, 30));
    FillEllipse(s, cx, cy, rad - std::max(2, rad / 6), rad - std::max(2, rad / 6), Rgb(250, 240, 230));
    TextStyle stamp;
    stamp.colour = Rgb(200, 30, 30);
    stamp.maxPt = rad;
    FitText(s, {cx - rad * 7 / 10, cy - rad * 7 / 10, rad * 14 / 10, rad * 14 / 10}, "封", stamp);
  }
}

void DrawKindTiles(Surface& s, const AssetFile& f) {
  const std::vector<std::string> cells = SplitCaptions(f.row->shows);
  s.Reset(s.Width(), s.Height(), kPathSand);
  for (size_t i = 0; i < cells.size(); ++i) {
    DrawKindTile(s, SheetCell(s.Width(), s.Height(), f.row->cellWidth, f.row->cellHeight, static_cast<int>(i)),
                 cells[i]);
  }
}

void DrawAttackButtons(Surface& s, const AssetFile& f) {
  const std::vector<std::string> cells = SplitCaptions(f.row->shows);
  for (size_t i = 0; i < cells.size(); ++i) {
    const PixelRect cell = SheetCell(s.Width(), s.Height(), f.row->cellWidth, f.row->cellHeight, static_cast<int>(i));
    AttackCell(s, cell, Parts(cells[i]), cell.y > 0);
  }
}

void DrawEffectBanner(Surface& s, const AssetFile& f) {
  const std::vector<std::string> parts = SplitCaptions(f.row->shows);
  auto part = [&](size_t i) { return i < parts.size() ? parts[i] : std::string(); };
  const int w = s.Width(), h = s.Height();
  const uint32_t back = ParseColour(part(3), Rgb(80, 80, 80));
  s.Reset(w, h, back);
  Border(s, {0, 0, w, h}, Rgb(255, 250, 235), 5);
  Border(s, {7, 7, w - 14, h - 14}, Shade(back, 70), 2);
  // The game prints its number centred 10 pixels right of the middle, at most two
  // digits at size 100 with their glow: x 225 to 412 of a 620-pixel banner (36% to
  // 67%) stays clear, the sign just left of it.
  TextStyle label;
  label.outline = true;
  label.colour = Rgb(255, 245, 200);
  label.maxPt = h * 40 / 100;
  FitText(s, {16, 14, w * 24 / 100 - 16, h - 28}, part(0), label);
  TextStyle sign = label;
  sign.maxPt = h * 55 / 100;
  FitText(s, {w * 25 / 100, 10, w * 10 / 100, h - 20}, part(1), sign);
  TextStyle text;
  text.outline = true;
  text.maxPt = h * 22 / 100;
  FitLines(s, {w * 68 / 100, 14, w * 32 / 100 - 16, h - 28}, SplitLines(part(2)), text);
}

void DrawRules(Surface& s, const AssetFile& f) {
  const std::vector<std::string> all = SplitLines(f.row->shows);
  const int w = s.Width(), h = s.Height();
  s.Reset(w, h, Rgb(250, 244, 225));
  Border(s, {0, 0, w, h}, Rgb(120, 80, 40), 6);
  Border(s, {9, 9, w - 18, h - 18}, Rgb(200, 160, 100), 2);
  if (all.size() < 2) return;
  const int titleHeight = h / 10;
  tq::FillRect(s, {6, 6, w - 12, titleHeight}, Rgb(110, 70, 40));
  TextStyle title;
  title.colour = Rgb(255, 235, 160);
  title.maxPt = 30;
  FitText(s, {24, 10, w - 48, titleHeight - 8}, all.front(), title);
  TextStyle footer;
  footer.colour = Rgb(120, 80, 40);
  footer.maxPt = 14;
  footer.align = Align::Right;
  FitText(s, {24, h - 38, w - 48, 26}, all.back(), footer);

  std::vector<RulesLine> lines;
  int slots = 0;
  for (size_t i = 1; i + 1 < all.size(); ++i) {
    RulesLine line;
    if (all[i] == "{attacks}") {
      line.slots = 4;
    } else if (!all[i].empty()) {
      for (size_t at = 0;;) {
        const size_t bar = all[i].find("||", at);
        line.columns.push_back(all[i].substr(at, bar - at));
        if (bar == std::string::npos) break;
        at = bar + 2;
      }
    }
    slots += line.slots;
    lines.push_back(line);
  }
  const PixelRect body{30, titleHeight + 20, w - 60, h - titleHeight - 20 - 46};
  const int lineHeight = std::min(40, body.h / std::max(1, slots));
  const int pt = RulesPointSize(lines, body.w, lineHeight);
  int y = body.y;
  for (size_t i = 1; i + 1 < all.size(); ++i) {
    const RulesLine& line = lines[i - 1];
    if (all[i] == "{attacks}") {
      const int side = lineHeight * 4 - 8, gap = side / 3;
      const int left = body.x + (body.w - (3 * side + 2 * gap)) / 2;
      static const char* kAttacks[] = {"となり/1/３ダメージ", "２マス先まで/2/２ダメージ", "一列ぜんぶ/9/１ダメージ"};
      for (int k = 0; k < 3; ++k)
        AttackCell(s, {left + k * (side + gap), y + 4, side, side}, Parts(kAttacks[k]), false);
    }
    const int share = body.w / std::max(1, static_cast<int>(line.columns.size()));
    for (size_t c = 0; c < line.columns.size(); ++c) {
      std::string text = line.columns[c];
      const bool heading = text.rfind("*", 0) == 0;
      if (heading) text = text.substr(1);
      int x = body.x + static_cast<int>(c) * share;
      if (text.rfind("[", 0) == 0 && text.find(']') != std::string::npos) {
        DrawKindTile(s, {x, y + 1, lineHeight - 2, lineHeight - 2}, text.substr(1, text.find(']') - 1));
        text = text.substr(text.find(']') + 1);
        x += lineHeight + 8;
      }
      TextStyle style;
      style.colour = heading ? kHeading : kInk;
      style.maxPt = pt;
      style.align = Align::Left;
      FitText(s, {x, y, body.x + (static_cast<int>(c) + 1) * share - 12 - x, lineHeight}, text, style);
    }
    y += lineHeight * line.slots;
  }
}

void DrawToken(Surface& s, const AssetFile& f) {
  const int w = s.Width(), h = s.Height();
  // A named piece takes the hair and clothes colours its character's face has, so
  // the piece on the board and the face in the story read as the same person.
  const std::string name = f.row->shows;
  const uint32_t who = name.empty() ? Hash("piece" + std::to_string(f.number)) * 2654435761u : Hash(name);
  const uint32_t ring = name.empty() ? HashColour(who, 90) : HashColour(who >> 13, 50);
  const uint32_t hair = name.empty() ? HashColour(who >> 7, 20) : HashColour(who, 10);
  s.Reset(w, h, kPathSand);
  const int cx = w / 2, cy = h / 2, r = std::min(w, h) * 45 / 100;
  FillEllipse(s, cx, cy, r, r, Rgb(255, 255, 255));
  FillEllipse(s, cx, cy, r - 3, r - 3, ring);
  FillEllipse(s, cx, cy + r / 8, r * 3 / 5, r * 3 / 5, Rgb(250, 220, 190));
  FillEllipse(s, cx, cy - r / 2, r * 3 / 5, r / 3, hair);  // hair
  FillEllipse(s, cx - r / 4, cy + r / 8, r / 10 + 1, r / 7 + 1, Rgb(30, 30, 40));
  FillEllipse(s, cx + r / 4, cy + r / 8, r / 10 + 1, r / 7 + 1, Rgb(30, 30, 40));
  tq::FillRect(s, {cx - r / 5, cy + r * 2 / 5, r * 2 / 5, std::max(2, r / 12)}, Rgb(180, 60, 60));
}

void DrawBurst(Surface& s, const AssetFile& f) {
  const int w = s.Width(), h = s.Height();
  s.Reset(w, h, Rgb(255, 200, 80));
  const int cx = w / 2, cy = h / 2;
  for (int k = 0; k < 12; ++k) {
    const double a = k * 3.14159265 / 6, b = a + 3.14159265 / 12;
    FillPolygon(s,
                {{cx, cy},
                 {cx + static_cast<int>(w * 0.5 * std::cos(a)), cy + static_cast<int>(h * 0.5 * std::sin(a))},
                 {cx + static_cast<int>(w * 0.3 * std::cos(b)), cy + static_cast<int>(h * 0.3 * std::sin(b))}},
                Rgb(255, 120, 40));
  }
  FillEllipse(s, cx, cy, w * 36 / 100, h * 28 / 100, Rgb(255, 250, 220));
  TextStyle word;
  word.outline = true;
  word.colour = Rgb(255, 80, 60);
  word.maxPt = h / 4;
  FitText(s, {w * 14 / 100, h * 30 / 100, w * 72 / 100, h * 40 / 100}, f.row->shows, word);
}

void DrawBadges(Surface& s, const AssetFile& f) {
  const std::vector<std::string> kinds = SplitCaptions(f.row->shows);
  const int w = s.Width(), ch = std::max(1, f.row->cellHeight);
  s.Reset(w, s.Height(), Rgb(30, 30, 50));
  for (size_t i = 0; i < kinds.size(); ++i) {
    const PixelRect r{0, static_cast<int>(i) * ch, w, ch};
    Border(s, r, Rgb(230, 220, 190), 2);
    DrawKindTile(s, {r.x + 3, r.y + 3, ch - 6, ch - 6}, kinds[i]);
    const KindLook* look = FindKind(kinds[i]);
    TextStyle word;
    word.maxPt = ch / 3;
    // The count is printed centred on x 111: the word keeps left of x 90.
    FitText(s, {ch, r.y + 2, 90 - ch, ch - 4}, look != nullptr ? look->word : "", word);
  }
}

}  // namespace assets
