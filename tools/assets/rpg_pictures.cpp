#include "assets/rpg_pictures.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "assets/picture_kit.h"
#include "marbrook/minigames/rpg.h"
#include "platform/fonts.h"

namespace assets {
namespace {

using tq::Surface;

constexpr int kCell = 80;

uint32_t Px(int r, int g, int b) {
  return (static_cast<uint32_t>(std::clamp(r, 0, 255)) << 16) | (static_cast<uint32_t>(std::clamp(g, 0, 255)) << 8) |
         static_cast<uint32_t>(std::clamp(b, 0, 255));
}

void Box(Surface& s, int x, int y, int w, int h, uint32_t px) { tq::FillRect(s, {x, y, w, h}, px); }

void Ellipse(Surface& s, int cx, int cy, int rx, int ry, uint32_t px) {
  if (rx <= 0 || ry <= 0) return;
  for (int y = -ry; y <= ry; ++y) {
    const double t = 1.0 - static_cast<double>(y) * y / (static_cast<double>(ry) * ry);
    const int half = static_cast<int>(std::lround(rx * std::sqrt(std::max(0.0, t))));
    tq::FillRect(s, {cx - half, cy + y, 2 * half + 1, 1}, px);
  }
}

// Text centred on (cx, y) at the given size, with a dark outline.
void Caption(Surface& s, int cx, int y, const std::string& text, int pt, uint32_t px) {
  tq::FontSpec font;
  font.pointSize = pt;
  font.bold = true;
  const tq::TextExtent e = tq::MeasureTextExtent(font, text);
  PlaceText(s, {0, 0, s.Width(), s.Height()}, cx - e.width / 2, y, text, pt, true, px, true);
}

// ---- Tiles: one floor for every map, so the hero and the sprites blend in ----

void Floor(Surface& s, int x, int y) {
  Box(s, x, y, kCell, kCell, Px(214, 196, 150));
  Box(s, x, y, kCell, 1, Px(190, 170, 124));
  Box(s, x, y, 1, kCell, Px(190, 170, 124));
  Box(s, x + 40, y + 40, 1, 40, Px(196, 178, 132));
  Box(s, x, y + 40, kCell, 1, Px(196, 178, 132));
}

void Wall(Surface& s, int x, int y, int map) {
  switch (map) {
    case 3:  // the town: hedges and trees
      Box(s, x, y, kCell, kCell, Px(46, 110, 52));
      Ellipse(s, x + 22, y + 24, 18, 16, Px(64, 140, 64));
      Ellipse(s, x + 56, y + 50, 20, 18, Px(58, 132, 60));
      Ellipse(s, x + 24, y + 60, 14, 12, Px(70, 150, 70));
      break;
    case 4:  // the lair: rock
      Box(s, x, y, kCell, kCell, Px(70, 52, 40));
      Ellipse(s, x + 26, y + 30, 22, 16, Px(92, 70, 54));
      Ellipse(s, x + 54, y + 58, 20, 14, Px(84, 64, 50));
      break;
    default: {  // castle stone
      Box(s, x, y, kCell, kCell, Px(92, 92, 104));
      for (int row = 0; row < 4; ++row) {
        Box(s, x, y + row * 20, kCell, 2, Px(60, 60, 70));
        const int shift = row % 2 == 0 ? 0 : 20;
        for (int c = shift; c < kCell; c += 40) Box(s, x + c, y + row * 20, 2, 20, Px(60, 60, 70));
      }
      break;
    }
  }
}

void Stairs(Surface& s, int x, int y) {
  Floor(s, x, y);
  for (int i = 0; i < 5; ++i) Box(s, x + 10 + i * 6, y + 12 + i * 12, 60 - i * 12, 10, Px(120 - i * 15, 100 - i * 12, 80 - i * 10));
}

// ---- Figures, 80 by 80, standing or lying ----

struct Look {
  uint32_t body, head, hair;
  int hat;  // 0 none, 1 crown, 2 helmet, 3 hood, 4 halo
};

void Standing(Surface& s, int x, int y, const Look& l, int step) {
  const int legShift = step == 0 ? -4 : 4;
  Box(s, x + 30 + legShift, y + 58, 8, 16, Px(60, 50, 40));
  Box(s, x + 44 - legShift, y + 58, 8, 16, Px(60, 50, 40));
  Box(s, x + 24, y + 32, 32, 30, l.body);
  Box(s, x + 16, y + 34, 8, 20, l.body);
  Box(s, x + 56, y + 34, 8, 20, l.body);
  Ellipse(s, x + 40, y + 22, 13, 13, l.head);
  Box(s, x + 28, y + 8, 24, 7, l.hair);
  Box(s, x + 34, y + 20, 3, 4, Px(30, 30, 30));
  Box(s, x + 44, y + 20, 3, 4, Px(30, 30, 30));
  switch (l.hat) {
    case 1:
      Box(s, x + 28, y + 4, 24, 6, Px(240, 200, 40));
      for (int k = 0; k < 3; ++k) Box(s, x + 28 + k * 10, y - 2 + 2, 4, 6, Px(240, 200, 40));
      break;
    case 2: Box(s, x + 26, y + 6, 28, 9, Px(170, 170, 185)); break;
    case 3: Box(s, x + 26, y + 6, 28, 10, l.body); break;
    case 4: Box(s, x + 24, y + 1, 32, 3, Px(255, 240, 120)); break;
    default: break;
  }
}

void Lying(Surface& s, int x, int y, const Look& l) {
  Box(s, x + 12, y + 44, 44, 16, l.body);
  Ellipse(s, x + 64, y + 52, 10, 10, l.head);
  Box(s, x + 60, y + 49, 3, 3, Px(30, 30, 30));
  Box(s, x + 66, y + 49, 3, 3, Px(30, 30, 30));
  if (l.hat == 1) Box(s, x + 72, y + 40, 6, 22, Px(240, 200, 40));
  // little stars over a foe that is down
  for (int k = 0; k < 3; ++k) Box(s, x + 50 + k * 9, y + 30 - (k % 2) * 6, 4, 4, Px(255, 230, 80));
}

const Look kHero{Px(50, 90, 200), Px(250, 210, 180), Px(120, 70, 30), 0};
const Look kKing{Px(180, 30, 40), Px(250, 210, 180), Px(220, 220, 220), 1};
const Look kPrincess{Px(240, 130, 190), Px(250, 215, 190), Px(240, 200, 60), 1};
const Look kAssassin{Px(30, 30, 40), Px(200, 170, 150), Px(30, 30, 40), 3};
const Look kGod{Px(245, 245, 235), Px(250, 225, 200), Px(235, 235, 235), 4};
const Look kGuard{Px(140, 140, 160), Px(240, 200, 170), Px(90, 60, 30), 2};
const Look kSoldier{Px(120, 60, 60), Px(240, 200, 170), Px(90, 60, 30), 2};

Look Townsperson(int n) {
  const uint32_t bodies[] = {Px(60, 150, 90), Px(200, 140, 40), Px(150, 80, 160), Px(80, 160, 200), Px(200, 90, 70)};
  return {bodies[n % 5], Px(245, 205, 175), Px(100 + (n * 37) % 120, 70, 30), 0};
}

// ---- The maps ----

// What stands on an event cell that is not a person: by map and code.
enum class Thing { Person, Box, Jar, Pot, Table, Desk, Door, King, Shop, Inn, None };

Thing ThingOf(int map, int code) {
  if (map == 0 && code == 10) return Thing::King;
  if (map == 5) return code == 15 ? Thing::King : code == 12 ? Thing::None : Thing::Person;
  if (map == 3) {
    if (code == 12 || code == 13) return Thing::Shop;
    if (code == 34) return Thing::Inn;
  }
  if (code < 50) return Thing::Person;
  switch (map) {
    case 1: return code == 50 ? Thing::Jar : code == 51 ? Thing::Pot : Thing::Box;
    case 2:
      if (code <= 53) return Thing::Box;
      if (code <= 56) return Thing::Table;
      return code == 62 ? Thing::Pot : Thing::Jar;
    case 3:
      switch (code) {
        case 50: case 60: return Thing::Box;
        case 51: case 57: return Thing::Pot;
        case 58: return Thing::Desk;
        case 59: return Thing::Door;
        default: return Thing::Jar;
      }
    default: return Thing::Box;
  }
}

void DrawThing(Surface& s, int x, int y, Thing t, int code) {
  switch (t) {
    case Thing::Person: Standing(s, x, y, Townsperson(code), 0); break;
    case Thing::King: Standing(s, x, y, kKing, 0); break;
    case Thing::Box:
      Box(s, x + 14, y + 30, 52, 38, Px(150, 95, 45));
      Box(s, x + 14, y + 30, 52, 6, Px(110, 70, 30));
      Box(s, x + 36, y + 42, 8, 8, Px(230, 200, 60));
      break;
    case Thing::Jar:
      Ellipse(s, x + 40, y + 48, 22, 24, Px(170, 110, 70));
      Box(s, x + 30, y + 18, 20, 8, Px(150, 95, 60));
      break;
    case Thing::Pot:
      Ellipse(s, x + 40, y + 52, 18, 18, Px(110, 130, 150));
      Box(s, x + 28, y + 32, 24, 6, Px(90, 110, 130));
      break;
    case Thing::Table:
      Box(s, x + 8, y + 30, 64, 12, Px(140, 90, 50));
      Box(s, x + 12, y + 42, 6, 26, Px(110, 70, 40));
      Box(s, x + 62, y + 42, 6, 26, Px(110, 70, 40));
      break;
    case Thing::Desk:
      Box(s, x + 10, y + 34, 60, 30, Px(120, 80, 45));
      Box(s, x + 26, y + 26, 28, 10, Px(240, 240, 225));
      break;
    case Thing::Door:
      Box(s, x + 16, y + 6, 48, 70, Px(120, 75, 35));
      Box(s, x + 52, y + 40, 6, 6, Px(230, 200, 60));
      break;
    case Thing::Shop:
    case Thing::Inn: {
      Box(s, x, y + 40, kCell, 36, Px(150, 100, 60));
      Box(s, x, y + 40, kCell, 6, Px(110, 70, 40));
      Standing(s, x, y - 12, Townsperson(code), 0);
      Box(s, x, y + 46, kCell, 30, Px(150, 100, 60));
      const char* sign = t == Thing::Inn ? "宿" : code == 12 ? "防" : "武";
      Caption(s, x + 40, y + 48, sign, 16, Px(255, 240, 200));
      break;
    }
    case Thing::None: break;
  }
}

// The kidnapper on its cell of the lair.
void Slime(Surface& s, int cx, int cy, int rx, int ry) {
  Ellipse(s, cx, cy, rx, ry, Px(60, 190, 90));
  Ellipse(s, cx - rx / 3, cy - ry / 3, rx / 4, ry / 5, Px(150, 240, 170));
  Ellipse(s, cx - rx / 3, cy, rx / 8, ry / 5, Px(20, 30, 20));
  Ellipse(s, cx + rx / 3, cy, rx / 8, ry / 5, Px(20, 30, 20));
  Box(s, cx - rx / 4, cy + ry / 3, rx / 2, std::max(2, ry / 12), Px(20, 30, 20));
}

void DrawGrid(Surface& s, int map) {
  const std::span<const char* const> rows = G05_MapRows(map);
  int row = 0;
  for (const char* text : rows) {
    std::string line = text;
    int column = 0;
    size_t start = 0;
    while (true) {
      const size_t comma = line.find(',', start);
      const std::string cell = line.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
      const int x = column * kCell;
      const int y = row * kCell;
      if (cell == "■") {
        Wall(s, x, y, map);
      } else {
        const int code = std::atoi(cell.c_str());
        Floor(s, x, y);
        if (code >= 90) {
          if (map == 4 && code == 91) Slime(s, x + 40, y + 48, 34, 26);
          else if (map == 4 || (map == 3 && row == 19)) Ellipse(s, x + 40, y + 44, 30, 30, Px(40, 30, 25));
          else Stairs(s, x, y);
        } else if (code >= 10) {
          DrawThing(s, x, y, ThingOf(map, code), code);
        }
      }
      ++column;
      if (comma == std::string::npos) break;
      start = comma + 1;
    }
    ++row;
  }
}

// The closing chain on the square before the castle (pictures 6 to 9 over map 5).
constexpr int kFallen[][2] = {{6, 6}, {7, 7}, {7, 5}, {5, 7}, {5, 8}, {8, 6}, {8, 7}, {8, 8}, {5, 6}, {6, 5}};
constexpr int kSoldiers[][2] = {{5, 0}, {6, 0}, {8, 0}, {9, 0}, {5, 1}, {8, 1}, {5, 2}, {7, 2}, {8, 2}, {9, 2},
                                {5, 4}, {8, 4}, {9, 4}, {10, 4}, {11, 4}, {4, 5}, {9, 5}};
constexpr int kTown[][2] = {{9, 6},  {10, 6}, {11, 6}, {12, 6}, {9, 7}, {10, 7}, {11, 7}, {12, 7}, {13, 7},
                            {9, 8},  {10, 8}, {11, 8}, {12, 8}, {1, 4}, {1, 5}, {1, 6},  {3, 5},  {10, 5}};

void DrawChain(Surface& s, int picture) {
  DrawGrid(s, 5);
  for (const auto& c : kFallen) {
    Floor(s, c[0] * kCell, c[1] * kCell);
    Lying(s, c[0] * kCell, c[1] * kCell, c[0] == 7 && c[1] == 7 ? kPrincess : c[0] == 6 ? kAssassin : kGuard);
  }
  for (const auto& c : kSoldiers) {
    Floor(s, c[0] * kCell, c[1] * kCell);
    if (picture == 6) Standing(s, c[0] * kCell, c[1] * kCell, kSoldier, (c[0] + c[1]) % 2);
    else Lying(s, c[0] * kCell, c[1] * kCell, kSoldier);
  }
  // The king stands where his last walk took him until he falls (picture 8 on).
  Floor(s, 6 * kCell, 4 * kCell);
  if (picture == 7) Standing(s, 6 * kCell, 4 * kCell, kKing, 0);
  if (picture >= 8) Lying(s, 6 * kCell, 4 * kCell, kKing);
  if (picture >= 8) {
    for (size_t i = 0; i < std::size(kTown); ++i) {
      const int x = kTown[i][0] * kCell, y = kTown[i][1] * kCell;
      Floor(s, x, y);
      if (picture == 8) Standing(s, x, y, Townsperson(static_cast<int>(i)), static_cast<int>(i % 2));
      else Lying(s, x, y, Townsperson(static_cast<int>(i)));
    }
  }
}

// The wide world: sea, land, mountains, towns (empty in picture 11), monsters.
void DrawWorld(Surface& s, int picture) {
  const int w = s.Width() / kCell, h = s.Height() / kCell;
  for (int r = 0; r < h; ++r) {
    for (int c = 0; c < w; ++c) {
      const int x = c * kCell, y = r * kCell;
      const bool land = std::abs(c - 5) + std::abs(r - 4) * 2 <= 7 || (c >= 9 && r >= 6);
      if (!land) {
        Box(s, x, y, kCell, kCell, Px(40, 90, 170));
        Box(s, x + 10 + (r % 3) * 12, y + 30, 20, 3, Px(120, 170, 230));
        continue;
      }
      Box(s, x, y, kCell, kCell, Px(90, 160, 80));
      const int kind = (c * 7 + r * 3) % 9;
      if (c == 4 && r == 4) {  // a clearing where the hero stands, as his own cell shows it
        Floor(s, x, y);
        continue;
      }
      if (kind == 0) {
        for (int k = 0; k < 3; ++k) Box(s, x + 22 + k * 6, y + 50 - k * 16, 36 - k * 12, 16, Px(120 - k * 5, 100, 80));
      } else if (kind == 3) {
        const uint32_t roof = picture == 11 ? Px(110, 110, 110) : Px(200, 60, 50);
        Box(s, x + 16, y + 36, 48, 30, picture == 11 ? Px(150, 150, 150) : Px(230, 220, 190));
        Box(s, x + 12, y + 26, 56, 12, roof);
      } else if (kind == 6 && picture == 10) {
        Slime(s, x + 40, y + 50, 20, 16);
      }
    }
  }
}

void DrawMapPicture(Surface& s, int number) {
  if (number <= 5) DrawGrid(s, number);
  else if (number <= 9) DrawChain(s, number);
  else DrawWorld(s, number);
}

// ---- Parts ----

void Arrow(Surface& s, int x, int direction) {
  Box(s, x, 0, 72, 72, Px(40, 60, 110));
  tq::DrawBox(s, x + 2, 2, x + 69, 69, Px(200, 210, 240));
  for (int i = 0; i < 20; ++i) {
    const int half = i;
    switch (direction) {
      case 0: Box(s, x + 36 - half, 16 + 2 * i, 2 * half + 1, 2, Px(255, 255, 255)); break;
      case 1: Box(s, x + 56 - 2 * i, 36 - half, 2, 2 * half + 1, Px(255, 255, 255)); break;
      case 2: Box(s, x + 36 - half, 56 - 2 * i, 2 * half + 1, 2, Px(255, 255, 255)); break;
      default: Box(s, x + 16 + 2 * i, 36 - half, 2, 2 * half + 1, Px(255, 255, 255)); break;
    }
  }
}

void StatusPanel(Surface& s) {
  Box(s, 0, 0, s.Width(), s.Height(), Px(24, 30, 60));
  tq::DrawBox(s, 4, 4, s.Width() - 5, s.Height() - 5, Px(200, 200, 230));
  tq::DrawBox(s, 7, 7, s.Width() - 8, s.Height() - 8, Px(120, 120, 170));
  Caption(s, s.Width() / 2, 40, "STATUS", 26, Px(255, 230, 120));
  Caption(s, s.Width() / 2, 100, "勇者", 22, Px(255, 255, 255));
  // Labels to the left of the value layers (the panel stands at x 690).
  const struct {
    const char* text;
    int y;
  } labels[] = {{"LV", 175}, {"HP", 208}, {"AP", 241}, {"DP", 274}, {"G", 307}, {"WEAPON", 340}, {"ARMOUR", 391}};
  const tq::PixelRect panel{0, 0, s.Width(), s.Height()};
  for (const auto& l : labels) PlaceText(s, panel, 16, l.y + 2, l.text, 16, true, Px(170, 200, 255));
  PlaceText(s, panel, 136, 210, "/", 16, true, Px(170, 200, 255));
}

void HeroSheet(Surface& s) {
  for (int k = 0; k < 2; ++k) {
    Floor(s, k * kCell, 0);
    Standing(s, k * kCell, 0, kHero, k);
    Box(s, k * kCell + 62, 30, 4, 26, Px(210, 210, 220));  // the knife
  }
}

void SpriteSheet(Surface& s) {
  for (int k = 0; k < 10; ++k) Floor(s, k * kCell, 0);
  Standing(s, 0, 0, kKing, 0);
  Standing(s, 80, 0, kPrincess, 0);
  Standing(s, 160, 0, kAssassin, 0);
  Lying(s, 240, 0, kAssassin);
  Box(s, 320, 0, kCell, kCell, Px(150, 200, 250));
  Ellipse(s, 360, 70, 36, 10, Px(255, 255, 255));
  Standing(s, 320, 0, kGod, 0);
  Lying(s, 400, -14, kGuard);
  Lying(s, 400, 14, kGuard);
  // 6: the bare floor where the king sat; 7: unused
  Lying(s, 640, 0, kKing);
  Box(s, 720, 0, kCell, kCell, Px(0, 0, 0));
  Lying(s, 720, 0, {Px(50, 90, 200), Px(200, 180, 160), Px(120, 70, 30), 0});
}

void Enemy(Surface& s, int number) {
  const int w = s.Width(), h = s.Height();
  Box(s, 0, 0, w, h, Px(20, 16, 30));
  Ellipse(s, w / 2, h - 30, w / 2 - 20, 18, Px(50, 40, 60));
  auto group = [&](const Look& l, int count, int scale) {
    for (int k = 0; k < count; ++k) {
      Surface one(kCell, kCell, Px(20, 16, 30));
      Standing(one, 0, 0, l, k % 2);
      const int cw = kCell * scale / 2, ch = kCell * scale / 2;
      const int x = w / 2 - (count * cw) / 2 + k * cw;
      tq::StretchRect(s, {x, h - ch - 20 - (k % 2) * 10, cw, ch}, one, {0, 0, kCell, kCell});
    }
  };
  switch (number) {
    case 10: Slime(s, w / 2, h / 2 + 20, w / 2 - 30, h / 2 - 40); break;
    case 20: group(kAssassin, 1, 5); break;
    case 21: group(kPrincess, 1, 5); break;
    case 22: group(kGuard, 3, 3); break;
    case 23: group(kSoldier, 6, 2); break;
    default:
      for (int k = 0; k < 8; ++k) {
        Surface one(kCell, kCell, Px(20, 16, 30));
        Standing(one, 0, 0, Townsperson(k), k % 2);
        tq::StretchRect(s, {10 + k * 38, h - 120 - (k % 2) * 30, 80, 80}, one, {0, 0, kCell, kCell});
      }
      break;
  }
}

void TitlePicture(Surface& s) {
  const int w = s.Width(), h = s.Height();
  for (int i = 0; i < 10; ++i) Box(s, 0, h * i / 10, w, h / 10 + 1, Px(30 + i * 8, 40 + i * 10, 90 + i * 12));
  Box(s, 0, h - 200, w, 200, Px(70, 130, 70));
  // the castle
  Box(s, w / 2 - 150, h - 380, 300, 190, Px(150, 150, 165));
  for (int k = 0; k < 3; ++k) Box(s, w / 2 - 170 + k * 140, h - 460, 60, 270, Px(135, 135, 150));
  Box(s, w / 2 - 30, h - 270, 60, 80, Px(70, 50, 40));
  // The hero three times his size, without his background.
  const uint32_t key = Px(1, 2, 3);
  Surface hero(kCell, kCell, key);
  Standing(hero, 0, 0, kHero, 0);
  for (int y = 0; y < 240; ++y) {
    for (int x = 0; x < 240; ++x) {
      const uint32_t px = hero.Get(x / 3, y / 3);
      if (px != key) s.Set(w / 2 - 330 + x, h - 310 + y, px);
    }
  }
  Slime(s, w / 2 + 260, h - 130, 90, 60);
  Box(s, 60, 60, w - 120, 130, Px(20, 20, 50));
  tq::DrawBox(s, 64, 64, w - 65, 185, Px(240, 210, 110));
  Caption(s, w / 2, 78, "ホルンベリー・クエスト", 40, Px(255, 230, 120));
  Caption(s, w / 2, 140, "～ 姫君救出の旅 ～", 20, Px(255, 255, 255));
  Caption(s, w / 2, h - 60, "クリックでスタート", 18, Px(255, 255, 255));
}

void Board(Surface& s, const char* big, const char* small, uint32_t back, uint32_t ink) {
  const int w = s.Width(), h = s.Height();
  Box(s, 0, 0, w, h, back);
  for (int i = 0; i < 3; ++i) tq::DrawBox(s, i, i, w - 1 - i, h - 1 - i, Px(255, 255, 255));
  Caption(s, w / 2, h / 2 - 60, big, 44, ink);
  Caption(s, w / 2, h / 2 + 30, small, 20, Px(255, 255, 255));
}

}  // namespace

void DrawRpgMap(Surface& s, int number) { DrawMapPicture(s, number); }

void DrawRpgPart(Surface& s, int number) {
  switch (number) {
    case 0: HeroSheet(s); break;
    case 1: StatusPanel(s); break;
    case 2:
      for (int k = 0; k < 4; ++k) Arrow(s, 72 * k, k);
      break;
    case 5: Board(s, "GAME OVER", "勇者は力つきた……", Px(60, 10, 10), Px(255, 80, 80)); break;
    case 6: Board(s, "おしまい", "ホルンベリー・クエスト　完", Px(20, 30, 70), Px(255, 230, 120)); break;
    case 9: TitlePicture(s); break;
    case 15: SpriteSheet(s); break;
    default: Enemy(s, number); break;
  }
}

}  // namespace assets
