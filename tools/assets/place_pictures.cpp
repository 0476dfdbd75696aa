#include "assets/place_pictures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>

#include "assets/asset_drawing.h"
#include "assets/picture_kit.h"
#include "platform/fonts.h"

namespace assets {
namespace {

using tq::PixelRect;
using tq::Surface;

// The canvas of one place: coordinates in thousandths of its width and height, so a
// recipe reads the same on a 390-pixel room and a 920-pixel background.
struct Canvas {
  Surface& s;
  int w, h;
  int horizon;    // y where the land meets the sky (outdoors) or the floor begins
  uint32_t seed;  // the recipe's hash: scattered things keep their places
  bool indoor = false;
  int X(int t) const { return w * t / 1000; }
  int Y(int t) const { return h * t / 1000; }
  int R(int t) const { return std::min(w, h) * t / 1000; }  // a size that keeps its shape
  void Box(int x, int y, int bw, int bh, uint32_t px) const { tq::FillRect(s, {X(x), Y(y), X(bw), Y(bh)}, px); }
  void Oval(int cx, int cy, int rx, int ry, uint32_t px) const { FillEllipse(s, X(cx), Y(cy), X(rx), Y(ry), px); }
  void Round(int cx, int cy, int r, uint32_t px) const { FillEllipse(s, X(cx), Y(cy), R(r), R(r), px); }
  void Poly(std::initializer_list<Point> thousandths, uint32_t px) const {
    std::vector<Point> p;
    for (const Point& q : thousandths) p.push_back({X(q.x), Y(q.y)});
    switch (p.size()) {
      case 3: FillPolygon(s, {p[0], p[1], p[2]}, px); break;
      case 4: FillPolygon(s, {p[0], p[1], p[2], p[3]}, px); break;
      case 5: FillPolygon(s, {p[0], p[1], p[2], p[3], p[4]}, px); break;
      case 6: FillPolygon(s, {p[0], p[1], p[2], p[3], p[4], p[5]}, px); break;
      default: break;
    }
  }
  // A pseudo-random number 0..n-1 for the k-th scattered thing.
  int Pick(int k, int n) const {
    uint32_t x = seed ^ (0x9E3779B9u * static_cast<uint32_t>(k + 1));
    x ^= x >> 16, x *= 0x7FEB352Du, x ^= x >> 15, x *= 0x846CA68Bu, x ^= x >> 16;
    return static_cast<int>(x % static_cast<uint32_t>(std::max(1, n)));
  }
};

// Vertical gradient between two colours over rows y0 to y1.
void Gradient(Surface& s, int y0, int y1, uint32_t top, uint32_t bottom) {
  const int rows = std::max(1, y1 - y0);
  for (int y = y0; y < y1; ++y) {
    const int t = (y - y0) * 255 / rows;
    auto mix = [&](int shift) {
      const int a = static_cast<int>((top >> shift) & 0xFF), b = static_cast<int>((bottom >> shift) & 0xFF);
      return a + (b - a) * t / 255;
    };
    tq::FillRect(s, {0, y, s.Width(), 1}, Rgb(mix(16), mix(8), mix(0)));
  }
}

// ---- Settings ----

void Outdoors(Canvas& c, uint32_t skyTop, uint32_t skyLow, uint32_t land, uint32_t landFar, int horizon) {
  c.horizon = c.Y(horizon);
  Gradient(c.s, 0, c.horizon, skyTop, skyLow);
  Gradient(c.s, c.horizon, c.h, landFar, land);
}

void Clouds(Canvas& c, int count, uint32_t px) {
  for (int k = 0; k < count; ++k) {
    const int x = 80 + c.Pick(k, 840), y = 60 + c.Pick(k + 9, 220);
    c.Oval(x, y, 70, 25, px);
    c.Oval(x + 50, y - 15, 50, 25, px);
    c.Oval(x - 45, y + 5, 45, 18, px);
  }
}

void Stars(Canvas& c, int count, int bottom) {
  for (int k = 0; k < count; ++k) {
    const int x = c.Pick(k, c.w), y = c.Pick(k + 500, std::max(1, bottom));
    const int r = c.Pick(k + 900, 4) == 0 ? 2 : 1;
    tq::FillRect(c.s, {x, y, r, r}, k % 5 == 0 ? Rgb(255, 240, 190) : Rgb(230, 230, 255));
  }
}

void Tree(Canvas& c, int x, int ground, int size, uint32_t leaf) {
  c.Box(x - size / 8, ground - size, size / 4, size, Rgb(100, 70, 40));
  c.Oval(x, ground - size, size * 3 / 5, size * 2 / 3, leaf);
  c.Oval(x - size / 3, ground - size * 2 / 3, size * 2 / 5, size * 2 / 5, Shade(leaf, -15));
  c.Oval(x + size / 3, ground - size * 2 / 3, size * 2 / 5, size * 2 / 5, Shade(leaf, 10));
}

void Meadow(Canvas& c) {
  Outdoors(c, Rgb(90, 150, 230), Rgb(190, 220, 245), Rgb(80, 160, 70), Rgb(130, 190, 110), 550);
  c.Oval(250, 560, 330, 90, Rgb(120, 180, 100));
  c.Oval(780, 560, 300, 70, Rgb(110, 175, 95));
  Clouds(c, 3, Rgb(250, 250, 255));
}

void Forest(Canvas& c, int darkness) {
  Outdoors(c, Rgb(110 - darkness, 170 - darkness, 220 - darkness), Rgb(200, 225, 210), Rgb(60, 120 - darkness, 50),
           Rgb(90, 140 - darkness, 70), 520);
  const uint32_t far = Rgb(40, 100 - darkness, 50), near = Rgb(30, 120 - darkness, 40);
  for (int k = 0; k < 12; ++k) Tree(c, k * 90 + 20, 540, 120 + c.Pick(k, 40), far);
  // Trunks and crowns that frame the view.
  for (int side = 0; side < 2; ++side) {
    const int x = side == 0 ? 70 : 930;
    c.Box(x - 35, 0, 70, 1000, Rgb(80, 55, 30));
    c.Oval(x, 60, 220, 200, near);
    c.Oval(x + (side == 0 ? 90 : -90), 220, 130, 110, Shade(near, 15));
  }
}

void Wood(Canvas& c) {  // a light wood of young trees
  Outdoors(c, Rgb(120, 180, 235), Rgb(210, 235, 230), Rgb(100, 170, 70), Rgb(140, 200, 110), 560);
  for (int k = 0; k < 7; ++k) {
    const int x = 60 + k * 145 + c.Pick(k, 40);
    Tree(c, x, 560 + (k % 2) * 120, 170 + c.Pick(k + 3, 60), Rgb(90, 170 - 10 * (k % 3), 70));
  }
}

void Desert(Canvas& c) {
  Outdoors(c, Rgb(240, 200, 120), Rgb(255, 235, 180), Rgb(220, 170, 90), Rgb(235, 200, 130), 520);
  c.Round(800, 150, 70, Rgb(255, 245, 200));
  c.Oval(250, 620, 380, 80, Rgb(230, 185, 105));
  c.Oval(800, 700, 350, 90, Rgb(210, 160, 85));
}

void Odd(Canvas& c) {  // the other land beyond the cave: a strange sky over calm fields
  Outdoors(c, Rgb(120, 80, 170), Rgb(230, 160, 200), Rgb(70, 150, 120), Rgb(120, 190, 160), 540);
  c.Round(250, 160, 60, Rgb(250, 230, 160));
  c.Round(700, 110, 30, Rgb(200, 230, 255));
}

void Mount(Canvas& c) {
  Outdoors(c, Rgb(100, 150, 215), Rgb(200, 220, 240), Rgb(90, 130, 80), Rgb(120, 150, 100), 620);
  c.Poly({{-100, 640}, {250, 120}, {600, 640}}, Rgb(110, 110, 130));
  c.Poly({{250, 120}, {330, 240}, {170, 240}}, Rgb(245, 245, 250));
  c.Poly({{400, 640}, {760, 180}, {1100, 640}}, Rgb(95, 100, 120));
  c.Poly({{760, 180}, {830, 270}, {690, 270}}, Rgb(240, 240, 250));
}

void Space(Canvas& c) {
  c.horizon = c.h;
  Gradient(c.s, 0, c.h, Rgb(5, 5, 25), Rgb(20, 15, 50));
  Stars(c, c.w * c.h / 2500, c.h);
}

void SkyHigh(Canvas& c) {
  c.horizon = c.h;
  Gradient(c.s, 0, c.h, Rgb(30, 60, 150), Rgb(150, 200, 250));
  for (int k = 0; k < 6; ++k) c.Oval(c.Pick(k, 1000), 700 + c.Pick(k + 3, 300), 160, 50, Rgb(245, 245, 250));
}

void Light(Canvas& c) {
  c.horizon = c.h;
  c.s.Reset(c.w, c.h, Rgb(255, 250, 225));
  for (int k = 6; k >= 1; --k) c.Round(500, 500, 120 * k, Rgb(255, 255 - 4 * k, 235 - 12 * k));
  for (int k = 0; k < 16; ++k) {
    const double a = k * 3.14159265 / 8;
    const int x = 500 + static_cast<int>(480 * std::cos(a)), y = 500 + static_cast<int>(480 * std::sin(a));
    FillPolygon(c.s, {{c.X(500), c.Y(500)}, {c.X(x) - 6, c.Y(y)}, {c.X(x) + 6, c.Y(y)}}, Rgb(255, 255, 255));
  }
}

void Coast(Canvas& c) {
  Outdoors(c, Rgb(80, 150, 230), Rgb(200, 230, 250), Rgb(235, 215, 160), Rgb(240, 225, 180), 480);
  c.Box(0, 480, 1000, 200, Rgb(40, 110, 190));
  for (int k = 0; k < 8; ++k) c.Box(c.Pick(k, 900), 500 + c.Pick(k + 4, 160), 80, 6, Rgb(180, 215, 245));
  c.Poly({{0, 680}, {1000, 640}, {1000, 700}, {0, 740}}, Rgb(245, 240, 220));
  Clouds(c, 2, Rgb(255, 255, 255));
}

void Plaza(Canvas& c) {
  Outdoors(c, Rgb(100, 160, 230), Rgb(210, 230, 250), Rgb(190, 180, 165), Rgb(210, 200, 185), 500);
  const uint32_t walls[] = {Rgb(230, 200, 160), Rgb(210, 170, 140), Rgb(235, 225, 200), Rgb(200, 190, 170)};
  for (int k = 0; k < 7; ++k) {
    const int x = k * 145 - 20, top = 200 + c.Pick(k, 120);
    c.Box(x, top, 150, 500 - top, walls[k % 4]);
    c.Poly({{x - 10, top}, {x + 75, top - 80}, {x + 160, top}}, k % 2 ? Rgb(170, 70, 60) : Rgb(90, 90, 140));
    for (int r = 0; r < 2; ++r) c.Box(x + 30 + r * 60, top + 50, 30, 50, Rgb(90, 120, 160));
  }
  // Paving stones in perspective.
  for (int k = 0; k < 6; ++k) c.Box(0, 520 + k * k * 14, 1000, 4, Rgb(160, 150, 135));
  for (int k = -6; k <= 6; ++k) {
    FillPolygon(c.s,
                {{c.X(500 + k * 40), c.horizon},
                 {c.X(500 + k * 40) + 2, c.horizon},
                 {c.X(500 + k * 200) + 3, c.h},
                 {c.X(500 + k * 200), c.h}},
                Rgb(160, 150, 135));
  }
}

// An inside: back wall, side walls, floor and ceiling in perspective; the material
// chooses the colours and the pattern.
enum class Material { Stone, Wood, Temple, Metal };

void Inside(Canvas& c, Material m) {
  c.indoor = true;
  uint32_t back = Rgb(120, 120, 125), side = Rgb(95, 95, 100), floor = Rgb(80, 75, 70), ceil = Rgb(60, 60, 65);
  switch (m) {
    case Material::Wood:
      back = Rgb(170, 120, 70), side = Rgb(140, 95, 55), floor = Rgb(120, 80, 45), ceil = Rgb(90, 60, 35);
      break;
    case Material::Temple:
      back = Rgb(150, 40, 40), side = Rgb(120, 30, 30), floor = Rgb(90, 70, 50), ceil = Rgb(70, 20, 20);
      break;
    case Material::Metal:
      back = Rgb(90, 110, 140), side = Rgb(70, 85, 110), floor = Rgb(50, 60, 75), ceil = Rgb(40, 45, 60);
      break;
    default: break;
  }
  c.s.Reset(c.w, c.h, back);
  c.horizon = c.Y(700);
  c.Poly({{0, 0}, {1000, 0}, {800, 150}, {200, 150}}, ceil);
  c.Poly({{0, 0}, {200, 150}, {200, 700}, {0, 1000}}, side);
  c.Poly({{1000, 0}, {800, 150}, {800, 700}, {1000, 1000}}, side);
  c.Poly({{0, 1000}, {200, 700}, {800, 700}, {1000, 1000}}, floor);
  const uint32_t line = Shade(back, -30);
  switch (m) {
    case Material::Stone:
      for (int row = 0; row < 7; ++row) {
        c.Box(200, 150 + row * 80, 600, 1, line);
        for (int k = (row % 2) * 50; k < 600; k += 100) c.Box(200 + k, 150 + row * 80, 1, 80, line);
      }
      break;
    case Material::Wood:
      for (int k = 0; k < 12; ++k) c.Box(200 + k * 50, 150, 2, 550, line);
      break;
    case Material::Metal:
      for (int k = 0; k < 4; ++k) c.Box(200, 200 + k * 130, 600, 8, Rgb(150, 200, 240));
      break;
    case Material::Temple:
      for (int k = 0; k < 2; ++k) c.Box(250 + k * 450, 150, 50, 550, Rgb(200, 60, 40));
      c.Box(200, 150, 600, 30, Rgb(220, 180, 60));
      break;
  }
}

void Hall(Canvas& c) {  // a stone passage running away to a lit opening
  c.indoor = true;
  c.s.Reset(c.w, c.h, Rgb(70, 70, 75));
  c.horizon = c.Y(560);
  c.Poly({{0, 0}, {440, 400}, {440, 560}, {0, 1000}}, Rgb(95, 95, 100));
  c.Poly({{1000, 0}, {560, 400}, {560, 560}, {1000, 1000}}, Rgb(95, 95, 100));
  c.Poly({{0, 1000}, {440, 560}, {560, 560}, {1000, 1000}}, Rgb(75, 70, 65));
  c.Box(440, 400, 120, 160, Rgb(250, 240, 200));
  for (int k = 1; k < 5; ++k) {
    const int t = 1000 - k * 180;
    c.Box(440 - 440 * t / 1000, 400 - 400 * t / 1000 + 20, 3, 160 + 840 * t / 1000 - 40, Rgb(60, 60, 65));
  }
}

void Dark(Canvas& c) {
  c.horizon = c.h;
  c.s.Reset(c.w, c.h, Rgb(8, 8, 12));
  c.Oval(500, 1000, 600, 250, Rgb(18, 16, 20));
  c.Round(420, 450, 12, Rgb(60, 55, 40));
  c.Round(580, 450, 12, Rgb(60, 55, 40));
}

void Cave(Canvas& c) {  // a rocky tunnel running deeper into the dark
  c.indoor = true;
  c.horizon = c.Y(650);
  c.s.Reset(c.w, c.h, Rgb(45, 35, 28));
  for (int k = 0; k < 5; ++k) {
    const int rx = 480 - k * 90, ry = 440 - k * 80;
    c.Oval(500, 560, rx, ry, Rgb(70 - k * 10, 55 - k * 8, 45 - k * 7));
  }
  c.Oval(500, 560, 60, 50, Rgb(10, 8, 6));
  for (int k = 0; k < 9; ++k) {
    const int x = 80 + k * 105, len = 90 + c.Pick(k, 110);
    c.Poly({{x - 30, 0}, {x + 30, 0}, {x, len}}, Rgb(95, 80, 65));
  }
  c.Oval(500, 1000, 520, 200, Rgb(60, 50, 40));
}

// ---- What stands in a place ----

void Door(Canvas& c, bool open) {
  if (c.indoor) {
    c.Box(420, 330, 160, 370, Rgb(50, 35, 25));
    if (open) {
      c.Box(430, 340, 140, 360, Rgb(240, 230, 190));
      c.Poly({{430, 340}, {360, 300}, {360, 760}, {430, 700}}, Rgb(70, 70, 80));
    } else {
      c.Box(430, 340, 140, 360, Rgb(75, 75, 85));
      for (int k = 0; k < 5; ++k) c.Box(445 + k * 28, 340, 8, 360, Rgb(40, 40, 45));
      c.Round(550, 520, 12, Rgb(200, 170, 60));
    }
  }
}

void Window(Canvas& c) {
  c.Box(590, 230, 160, 150, Rgb(50, 40, 30));
  c.Box(600, 240, 140, 130, Rgb(140, 200, 250));
  c.Oval(640, 300, 40, 15, Rgb(250, 250, 255));
  c.Box(667, 240, 6, 130, Rgb(50, 40, 30));
  c.Box(600, 302, 140, 6, Rgb(50, 40, 30));
}

void Straw(Canvas& c) {
  for (int k = 0; k < 40; ++k) {
    const int x = 230 + c.Pick(k, 540), y = 760 + c.Pick(k + 40, 200);
    tq::DrawLine(c.s, c.X(x), c.Y(y), c.X(x + 30), c.Y(y - 15 + c.Pick(k + 80, 30)), Rgb(210, 190, 110), true);
  }
}

void Path(Canvas& c) {
  FillPolygon(c.s, {{c.X(470), c.horizon}, {c.X(530), c.horizon}, {c.X(700), c.h}, {c.X(300), c.h}},
              Rgb(200, 175, 120));
}

void Cross(Canvas& c) {
  Path(c);
  c.Poly({{0, 700}, {1000, 700}, {1000, 790}, {0, 790}}, Rgb(200, 175, 120));
}

void DeadEnd(Canvas& c) {
  Path(c);
  for (int k = 0; k < 9; ++k) c.Round(300 + k * 50, 600 + (k % 2) * 30, 60, Rgb(110, 100, 90));
  for (int k = 0; k < 5; ++k) Tree(c, 250 + k * 120, 560, 200, Rgb(30, 90, 35));
}

void River(Canvas& c) {
  for (int x = 0; x < c.w; ++x) {
    const int y = c.Y(730) + static_cast<int>(c.h * 0.03 * std::sin(x * 6.28 / c.w * 2));
    tq::FillRect(c.s, {x, y - c.Y(55), 1, c.Y(110)}, Rgb(60, 130, 210));
    if (x % 23 < 9) tq::FillRect(c.s, {x, y - c.Y(10), 1, 2}, Rgb(180, 220, 250));
  }
}

void Bridge(Canvas& c) {
  c.Poly({{380, 1000}, {440, 560}, {560, 560}, {620, 1000}}, Rgb(150, 100, 55));
  for (int k = 0; k < 8; ++k) c.Box(380, 600 + k * 55, 240, 4, Rgb(110, 70, 35));
  c.Box(370, 560, 12, 440, Rgb(120, 80, 40));
  c.Box(618, 560, 12, 440, Rgb(120, 80, 40));
}

void Pond(Canvas& c) {
  c.Oval(500, 760, 330, 130, Rgb(70, 120, 170));
  c.Oval(480, 740, 250, 80, Rgb(100, 150, 200));
  c.Oval(430, 720, 60, 12, Rgb(200, 230, 250));
}

void Spring(Canvas& c) {
  for (int k = 0; k < 10; ++k) c.Round(300 + k * 45, 770 + (k % 3) * 15, 35, Rgb(130, 130, 125));
  c.Oval(500, 740, 190, 70, Rgb(90, 170, 220));
  for (int k = 0; k < 10; ++k) c.Round(380 + c.Pick(k, 240), 710 + c.Pick(k + 9, 60), 6, Rgb(240, 250, 255));
}

void Trees(Canvas& c) {
  for (int k = 0; k < 4; ++k) Tree(c, 120 + k * 250, c.horizon * 1000 / c.h + 40, 200, Rgb(50, 130, 60));
}

void ForestEdge(Canvas& c) {
  for (int k = 0; k < 14; ++k) Tree(c, k * 75, c.horizon * 1000 / c.h + 20, 260, Rgb(30, 100 + (k % 3) * 15, 40));
}

void House(Canvas& c, int x, int ground, int size, bool old) {
  const uint32_t wall = old ? Rgb(150, 140, 125) : Rgb(240, 225, 190);
  c.Box(x - size / 2, ground - size * 3 / 5, size, size * 3 / 5, wall);
  c.Poly({{x - size * 3 / 5, ground - size * 3 / 5}, {x, ground - size}, {x + size * 3 / 5, ground - size * 3 / 5}},
         old ? Rgb(100, 80, 70) : Rgb(180, 70, 50));
  c.Box(x - size / 10, ground - size * 3 / 10, size / 5, size * 3 / 10, Rgb(100, 65, 40));
  c.Box(x + size / 5, ground - size / 2, size / 6, size / 7, old ? Rgb(40, 40, 40) : Rgb(140, 200, 240));
  if (old) {
    c.Box(x - size / 3, ground - size * 4 / 5, size / 6, size / 10, Rgb(50, 40, 35));
    c.Box(x - size / 2 + 5, ground - size / 2, size / 5, size / 6, Rgb(60, 55, 50));
  }
}

void Person(Canvas& c, int x, int ground, int size, uint32_t clothes) {
  c.Poly({{x - size / 4, ground}, {x, ground - size * 3 / 4}, {x + size / 4, ground}}, clothes);
  c.Round(x, ground - size * 3 / 4 - size / 8, size / 9, Rgb(245, 210, 175));
}

void Village(Canvas& c) {
  const int g = c.horizon * 1000 / c.h + 60;
  for (int k = 0; k < 4; ++k) House(c, 140 + k * 240, g + (k % 2) * 40, 200, false);
}

void Town(Canvas& c) {
  const int g = c.horizon * 1000 / c.h + 40;
  for (int k = 0; k < 8; ++k) {
    const int x = 60 + k * 125, tall = 160 + c.Pick(k, 200);
    c.Box(x - 55, g - tall, 110, tall, k % 2 ? Rgb(225, 210, 180) : Rgb(200, 185, 170));
    c.Poly({{x - 65, g - tall}, {x, g - tall - 70}, {x + 65, g - tall}}, k % 3 ? Rgb(150, 60, 50) : Rgb(70, 90, 140));
    for (int r = 0; r * 60 + 40 < tall - 20; ++r) c.Box(x - 30, g - tall + 30 + r * 60, 20, 30, Rgb(120, 170, 220));
  }
}

void People(Canvas& c) {
  const uint32_t clothes[] = {Rgb(200, 60, 60), Rgb(60, 90, 180), Rgb(220, 170, 40)};
  for (int k = 0; k < 3; ++k) Person(c, 300 + k * 170, 900 - (k % 2) * 50, 180, clothes[k]);
}

void DesertTown(Canvas& c) {
  const int g = c.horizon * 1000 / c.h + 60;
  for (int k = 0; k < 6; ++k) {
    const int x = 90 + k * 165, tall = 130 + c.Pick(k, 100);
    c.Box(x - 65, g - tall, 130, tall, Rgb(225, 195, 140));
    if (k % 2) c.Oval(x, g - tall, 45, 45, Rgb(90, 150, 170));
    c.Box(x - 15, g - 70, 30, 70, Rgb(110, 80, 50));
  }
}

void Hill(Canvas& c) {
  const int g = c.horizon * 1000 / c.h + 80;
  c.Oval(550, g, 480, 300, Rgb(100, 170, 75));
  c.Oval(500, g - 20, 380, 270, Rgb(110, 180, 80));  // the sunny side
  c.Box(0, g, 1000, 1000 - g, Rgb(85, 160, 70));     // the foot of the hill and the field before it
  Path(c);
}

void HillHouse(Canvas& c) {
  Hill(c);
  House(c, 560, c.horizon * 1000 / c.h - 160, 200, false);
}

void Windmill(Canvas& c) {
  const int base = c.horizon * 1000 / c.h - 150;
  c.Poly({{600, base}, {630, base - 260}, {670, base - 260}, {700, base}}, Rgb(240, 235, 225));
  const int cx = c.X(650), cy = c.Y(base - 260);
  for (int k = 0; k < 4; ++k) {
    const double a = k * 3.14159265 / 2 + 0.4;
    const int ex = cx + static_cast<int>(c.R(220) * std::cos(a)), ey = cy + static_cast<int>(c.R(220) * std::sin(a));
    FillPolygon(c.s, {{cx, cy}, {ex - 8, ey - 8}, {ex + 8, ey + 8}}, Rgb(150, 100, 60));
  }
}

void Fields(Canvas& c) {
  for (int k = 0; k < 10; ++k) {
    const int x0 = 500 + (k - 5) * 40, x1 = 500 + (k - 5) * 260;
    c.Poly({{x0, c.horizon * 1000 / c.h}, {x0 + 20, c.horizon * 1000 / c.h}, {x1 + 130, 1000}, {x1, 1000}},
           k % 2 ? Rgb(120, 90, 50) : Rgb(150, 200, 80));
  }
}

void Farmer(Canvas& c) {
  Person(c, 700, 880, 240, Rgb(90, 120, 60));
  c.Oval(700, 640, 70, 18, Rgb(220, 200, 120));
  tq::DrawLine(c.s, c.X(760), c.Y(880), c.X(820), c.Y(650), Rgb(110, 80, 50), true);
}

void Trader(Canvas& c) {
  Person(c, 750, 900, 220, Rgb(60, 110, 150));
  c.Oval(420, 800, 140, 70, Rgb(190, 150, 90));  // the camel's body
  c.Oval(420, 720, 45, 40, Rgb(190, 150, 90));   // its hump
  c.Box(535, 680, 30, 120, Rgb(190, 150, 90));   // its neck
  c.Oval(565, 680, 40, 22, Rgb(190, 150, 90));   // its head
  for (int k = 0; k < 4; ++k) c.Box(320 + k * 60, 840, 20, 120, Rgb(170, 130, 75));
  c.Box(360, 720, 120, 50, Rgb(160, 60, 60));  // packs
}

void Pagoda(Canvas& c) {
  const int base = c.horizon * 1000 / c.h + 100;
  for (int k = 0; k < 5; ++k) {
    const int y = base - k * 150, half = 200 - k * 25;
    c.Box(500 - half / 2, y - 100, half, 100, Rgb(170, 60, 40));
    c.Poly({{500 - half, y - 90}, {500 + half, y - 90}, {500 + half / 2, y - 150}, {500 - half / 2, y - 150}},
           Rgb(60, 50, 50));
  }
  c.Box(495, base - 900, 10, 160, Rgb(200, 170, 60));
}

void Statue(Canvas& c) {
  c.Oval(500, 620, 250, 130, Rgb(200, 160, 60));  // the lap
  c.Oval(500, 430, 150, 200, Rgb(215, 175, 70));  // the body
  c.Round(500, 250, 90, Rgb(225, 185, 80));       // the head
  c.Box(460, 240, 30, 8, Rgb(120, 90, 30));
  c.Box(520, 240, 30, 8, Rgb(120, 90, 30));
  c.Box(330, 700, 340, 60, Rgb(120, 100, 80));  // the base
}

void Torii(Canvas& c) {
  for (int k = 4; k >= 1; --k) c.Oval(500, 520, 220 + k * 40, 300 + k * 40, Rgb(170 + k * 10, 140 + k * 15, 220));
  const uint32_t red = Rgb(210, 50, 40);
  c.Box(330, 300, 50, 560, red);
  c.Box(620, 300, 50, 560, red);
  c.Poly({{240, 260}, {760, 260}, {800, 220}, {200, 220}}, Rgb(40, 30, 30));
  c.Box(260, 260, 480, 40, red);
  c.Box(300, 360, 400, 35, red);
}

void Crater(Canvas& c) {
  c.Oval(500, 760, 330, 120, Rgb(110, 90, 70));
  c.Oval(500, 770, 260, 85, Rgb(60, 45, 35));
  for (int k = 0; k < 8; ++k) c.Round(150 + c.Pick(k, 700), 650 + c.Pick(k + 8, 300), 18, Rgb(90, 80, 70));
}

void Hole(Canvas& c) {
  c.Oval(500, 760, 300, 130, Rgb(120, 95, 60));
  c.Oval(500, 770, 250, 100, Rgb(10, 8, 8));
}

void Grave(Canvas& c) {
  c.Oval(500, 800, 260, 90, Rgb(190, 150, 95));
  c.Box(420, 460, 160, 320, Rgb(150, 150, 155));
  c.Oval(500, 460, 80, 50, Rgb(150, 150, 155));
  c.Box(480, 520, 40, 140, Rgb(110, 110, 115));
  c.Box(440, 570, 120, 30, Rgb(110, 110, 115));
}

void Palace(Canvas& c) {
  const int g = c.horizon * 1000 / c.h + 100;
  // Domes first, so the walls hide their lower halves.
  c.Oval(500, g - 300, 150, 130, Rgb(80, 140, 180));
  for (int side = 0; side < 2; ++side) c.Oval(side ? 790 : 230, g - 450, 45, 50, Rgb(80, 140, 180));
  c.Box(200, g - 300, 600, 300, Rgb(240, 225, 190));
  for (int side = 0; side < 2; ++side) c.Box(side ? 760 : 200, g - 450, 60, 450, Rgb(230, 210, 170));
  for (int k = 0; k < 4; ++k) c.Oval(320 + k * 120, g - 200, 25, 40, Rgb(120, 90, 60));
  c.Oval(500, g - 60, 60, 90, Rgb(110, 80, 50));
}

void Shrine(Canvas& c) {  // the great temple seen from outside, its gate shut
  const int g = c.horizon * 1000 / c.h + 120;
  c.Poly({{150, g - 420}, {500, g - 580}, {850, g - 420}}, Rgb(180, 160, 130));
  c.Box(170, g - 420, 660, 420, Rgb(205, 185, 150));
  for (int k = 0; k < 6; ++k) c.Box(200 + k * 115, g - 400, 45, 400, Rgb(230, 215, 185));
  c.Box(430, g - 260, 140, 260, Rgb(90, 80, 70));
  c.Box(498, g - 260, 4, 260, Rgb(40, 35, 30));
}

void Ruins(Canvas& c) {
  const int g = c.horizon * 1000 / c.h + 140;
  const int tall[] = {300, 180, 380, 120, 250};
  for (int k = 0; k < 5; ++k) {
    c.Box(120 + k * 180, g - tall[k], 60, tall[k], Rgb(200, 185, 150));
    c.Box(110 + k * 180, g - tall[k], 80, 20, Rgb(180, 165, 130));
  }
  c.Box(100, g - 60, 300, 30, Rgb(185, 170, 135));
  c.Oval(600, g + 20, 300, 50, Rgb(220, 170, 90));
}

void Oasis(Canvas& c) {
  c.Oval(500, 740, 320, 110, Rgb(60, 150, 200));
  for (int side = 0; side < 2; ++side) {
    const int x = side ? 800 : 200;
    c.Poly({{x - 12, 780}, {x + 12, 780}, {x + 30, 380}, {x + 8, 380}}, Rgb(140, 100, 60));
    for (int k = 0; k < 5; ++k) {
      const double a = 3.5 + k * 0.55;
      const int ex = x + 20 + static_cast<int>(170 * std::cos(a)), ey = 380 - static_cast<int>(120 * std::sin(a));
      c.Poly({{x + 20, 380}, {ex, ey}, {ex + 20, ey + 40}}, Rgb(50, 140, 60));
    }
  }
}

void Canyon(Canvas& c) {
  c.Poly({{0, 0}, {330, 0}, {420, 1000}, {0, 1000}}, Rgb(180, 90, 50));
  c.Poly({{1000, 0}, {670, 0}, {580, 1000}, {1000, 1000}}, Rgb(160, 80, 45));
  for (int k = 0; k < 6; ++k) {
    c.Box(0, 150 + k * 140, 300 + k * 15, 10, Rgb(150, 70, 40));
    c.Box(700 - k * 15, 180 + k * 140, 300 + k * 15, 10, Rgb(135, 65, 35));
  }
}

void Valley(Canvas& c) {
  c.Poly({{0, 100}, {430, 1000}, {0, 1000}}, Rgb(100, 105, 115));
  c.Poly({{1000, 60}, {570, 1000}, {1000, 1000}}, Rgb(90, 95, 110));
  c.Poly({{440, 1000}, {490, 620}, {510, 620}, {560, 1000}}, Rgb(190, 170, 120));
}

void Basin(Canvas& c) {
  for (int k = 0; k < 6; ++k)
    c.Poly({{k * 200 - 150, 560}, {k * 200, 300 + c.Pick(k, 120)}, {k * 200 + 150, 560}}, Rgb(100 + k * 5, 120, 110));
  c.Oval(500, 760, 520, 200, Rgb(120, 185, 90));
}

void Mountains(Canvas& c) {
  const int g = c.horizon * 1000 / c.h + 10;
  for (int k = 0; k < 5; ++k) {
    const int x = k * 250, top = g - 250 - c.Pick(k, 150);
    c.Poly({{x - 200, g}, {x, top}, {x + 200, g}}, Rgb(120, 125, 150));
    c.Poly({{x - 40, top + 60}, {x, top}, {x + 40, top + 60}}, Rgb(245, 245, 250));
  }
}

void CaveMouth(Canvas& c) {
  c.Oval(500, 700, 420, 420, Rgb(110, 95, 80));
  c.Oval(500, 760, 170, 220, Rgb(15, 10, 10));
  c.Box(330, 960, 340, 40, Rgb(110, 95, 80));
}

void Dragon(Canvas& c) {
  const uint32_t body = Rgb(80, 170, 90), belly = Rgb(220, 220, 140);
  c.Poly({{520, 520}, {760, 360}, {700, 560}}, Rgb(60, 140, 80));  // wing
  c.Oval(500, 700, 170, 130, body);
  c.Oval(500, 730, 90, 80, belly);
  c.Poly({{640, 740}, {880, 820}, {650, 800}}, body);                // tail
  c.Round(400, 500, 95, body);                                       // head
  c.Poly({{360, 430}, {340, 340}, {390, 420}}, Rgb(240, 230, 200));  // horns
  c.Poly({{430, 420}, {450, 330}, {460, 420}}, Rgb(240, 230, 200));
  c.Round(370, 490, 14, Rgb(255, 255, 255));
  c.Round(372, 492, 7, Rgb(20, 20, 20));
}

void Jar(Canvas& c) {
  c.Oval(500, 650, 230, 260, Rgb(150, 90, 50));
  c.Oval(500, 610, 190, 200, Rgb(170, 105, 60));
  c.Box(380, 360, 240, 60, Rgb(150, 90, 50));
  c.Oval(500, 360, 130, 30, Rgb(60, 35, 20));
  c.Box(300, 600, 400, 12, Rgb(110, 65, 35));
}

void Rabbit(Canvas& c) {
  const uint32_t fur = Rgb(245, 240, 235);
  c.Oval(400, 150, 50, 180, fur);
  c.Oval(600, 150, 50, 180, fur);
  c.Oval(400, 150, 25, 140, Rgb(240, 190, 200));
  c.Oval(600, 150, 25, 140, Rgb(240, 190, 200));
  c.Oval(500, 760, 300, 260, fur);
  c.Round(500, 420, 190, fur);
  c.Round(430, 400, 20, Rgb(200, 30, 50));
  c.Round(570, 400, 20, Rgb(200, 30, 50));
  c.Round(500, 480, 15, Rgb(240, 150, 160));
}

void Fairy(Canvas& c) {
  c.Round(500, 450, 150, Rgb(255, 250, 200));
  c.Oval(420, 420, 70, 120, Rgb(200, 240, 255));
  c.Oval(580, 420, 70, 120, Rgb(200, 240, 255));
  c.Poly({{450, 620}, {500, 420}, {550, 620}}, Rgb(150, 220, 150));
  c.Round(500, 390, 40, Rgb(250, 220, 190));
}

void Giant(Canvas& c) {  // a monster larger than the forest, filling the view
  c.Oval(500, 700, 460, 520, Rgb(80, 60, 100));
  c.Round(500, 330, 260, Rgb(95, 70, 115));
  c.Poly({{330, 150}, {280, 0}, {400, 110}}, Rgb(230, 220, 200));
  c.Poly({{670, 150}, {720, 0}, {600, 110}}, Rgb(230, 220, 200));
  c.Oval(410, 320, 50, 35, Rgb(255, 230, 80));
  c.Oval(590, 320, 50, 35, Rgb(255, 230, 80));
  c.Oval(410, 320, 18, 25, Rgb(20, 10, 10));
  c.Oval(590, 320, 18, 25, Rgb(20, 10, 10));
  c.Oval(500, 450, 120, 30, Rgb(50, 30, 60));
}

void Monster(Canvas& c) {  // a monster standing across the road
  c.Oval(500, 680, 230, 250, Rgb(140, 60, 130));
  c.Round(500, 400, 140, Rgb(160, 70, 150));
  c.Poly({{410, 300}, {360, 170}, {450, 280}}, Rgb(240, 230, 210));
  c.Poly({{590, 300}, {640, 170}, {550, 280}}, Rgb(240, 230, 210));
  c.Round(450, 390, 25, Rgb(255, 255, 255));
  c.Round(550, 390, 25, Rgb(255, 255, 255));
  c.Round(450, 395, 11, Rgb(20, 20, 20));
  c.Round(550, 395, 11, Rgb(20, 20, 20));
  c.Box(300, 600, 400, 40, Rgb(120, 50, 110));  // arms spread across the way
}

void Computer(Canvas& c) {
  for (int k = 0; k < 4; ++k) {
    const int x = 220 + k * 145;
    c.Box(x, 260, 120, 440, Rgb(60, 70, 90));
    for (int r = 0; r < 8; ++r) {
      c.Box(x + 15, 290 + r * 48, 15, 15, (k + r) % 3 ? Rgb(80, 230, 120) : Rgb(240, 80, 60));
      c.Box(x + 45, 295 + r * 48, 60, 5, Rgb(110, 120, 140));
    }
  }
  c.Box(330, 170, 340, 70, Rgb(20, 40, 30));
  c.Box(345, 185, 200, 8, Rgb(100, 240, 140));
  c.Box(345, 205, 150, 8, Rgb(100, 240, 140));
}

void Ship(Canvas& c, int cx, int cy, int size) {
  c.Oval(cx, cy, size, size * 2 / 5, Rgb(210, 215, 225));
  c.Poly({{cx + size, cy}, {cx + size * 3 / 2, cy - size / 10}, {cx + size, cy + size / 5}}, Rgb(180, 185, 195));
  c.Poly({{cx - size / 2, cy}, {cx - size, cy - size / 2}, {cx - size / 4, cy - size / 8}}, Rgb(200, 70, 60));
  c.Poly({{cx - size / 2, cy}, {cx - size, cy + size / 2}, {cx - size / 4, cy + size / 8}}, Rgb(200, 70, 60));
  for (int k = 0; k < 4; ++k) c.Round(cx - size / 3 + k * size / 4, cy - size / 12, size / 12, Rgb(100, 170, 230));
}

void Hangar(Canvas& c) { Ship(c, 480, 560, 300); }

void Rocket(Canvas& c) {
  c.Poly({{430, 1000}, {500, 560}, {570, 1000}}, Rgb(255, 200, 80));
  c.Poly({{470, 1000}, {500, 700}, {530, 1000}}, Rgb(255, 250, 210));
  c.Oval(500, 400, 90, 200, Rgb(215, 220, 230));
  c.Poly({{410, 560}, {360, 650}, {450, 600}}, Rgb(200, 70, 60));
  c.Poly({{590, 560}, {640, 650}, {550, 600}}, Rgb(200, 70, 60));
  c.Round(500, 330, 35, Rgb(100, 170, 230));
}

void Planet(Canvas& c, int cx, int cy, int r, uint32_t sea, uint32_t land) {
  c.Round(cx, cy, r + r / 12, Shade(sea, 60));
  c.Round(cx, cy, r, sea);
  c.Round(cx - r / 3, cy - r / 4, r / 3, land);
  c.Round(cx + r / 3, cy + r / 3, r / 4, land);
  c.Round(cx + r / 5, cy - r / 2, r / 6, Rgb(245, 245, 250));
}

void HomePlanet(Canvas& c) { Planet(c, 760, 720, 280, Rgb(40, 110, 200), Rgb(70, 160, 80)); }
void BigHome(Canvas& c) { Planet(c, 500, 560, 420, Rgb(40, 110, 200), Rgb(70, 160, 80)); }

void Station(Canvas& c) {
  const uint32_t hull = Rgb(200, 200, 210);
  c.Oval(380, 380, 220, 80, hull);
  c.Oval(380, 380, 170, 45, Rgb(10, 10, 30));
  c.Box(360, 200, 40, 360, hull);
  c.Box(170, 360, 420, 40, hull);
  c.Box(120, 330, 80, 100, Rgb(60, 90, 170));
  c.Box(560, 330, 80, 100, Rgb(60, 90, 170));
  c.Box(290, 330, 50, 40, Rgb(60, 50, 50));  // a broken panel
}

void Moon(Canvas& c) {
  Planet(c, 250, 220, 110, Rgb(40, 110, 200), Rgb(70, 160, 80));
  c.Oval(500, 1000, 800, 420, Rgb(150, 150, 155));
  for (int k = 0; k < 7; ++k) c.Oval(100 + c.Pick(k, 800), 700 + c.Pick(k + 7, 250), 60, 20, Rgb(115, 115, 120));
}

void Colony(Canvas& c) {
  c.Box(150, 360, 700, 200, Rgb(190, 195, 205));
  c.Oval(150, 460, 50, 100, Rgb(170, 175, 185));
  c.Oval(850, 460, 50, 100, Rgb(150, 155, 165));
  for (int k = 0; k < 9; ++k) c.Box(190 + k * 72, 420, 40, 80, Rgb(250, 220, 120));
  c.Poly({{300, 360}, {250, 200}, {450, 360}}, Rgb(80, 110, 180));
  c.Poly({{300, 560}, {250, 720}, {450, 560}}, Rgb(80, 110, 180));
}

void Asteroids(Canvas& c) {
  for (int k = 0; k < 12; ++k) {
    const int r = 30 + c.Pick(k, 90);
    const int x = 80 + c.Pick(k + 12, 840), y = 80 + c.Pick(k + 24, 840);
    c.Round(x, y, r, Rgb(130, 115, 100));
    c.Round(x - r / 4, y - r / 4, r / 3, Rgb(105, 90, 80));
  }
}

void BigPlanet(Canvas& c) {
  c.Round(550, 600, 470, Rgb(200, 120, 60));
  for (int k = 0; k < 5; ++k) c.Oval(550, 350 + k * 110, 420 - std::abs(2 - k) * 60, 22, Rgb(170, 95, 45));
}

void Burst(Canvas& c, int cx, int cy, int r, uint32_t outer, uint32_t inner) {
  for (int k = 0; k < 14; ++k) {
    const double a = k * 3.14159265 / 7, b = a + 3.14159265 / 14;
    FillPolygon(
        c.s,
        {{c.X(cx), c.Y(cy)},
         {c.X(cx) + static_cast<int>(c.R(r) * std::cos(a)), c.Y(cy) + static_cast<int>(c.R(r) * std::sin(a))},
         {c.X(cx) + static_cast<int>(c.R(r / 2) * std::cos(b)), c.Y(cy) + static_cast<int>(c.R(r / 2) * std::sin(b))}},
        outer);
  }
  c.Round(cx, cy, r * 2 / 5, inner);
}

void Explosion(Canvas& c) {
  Burst(c, 500, 500, 480, Rgb(240, 90, 30), Rgb(255, 220, 80));
  c.Round(500, 500, 90, Rgb(255, 255, 230));
}

void Impact(Canvas& c) {
  for (int k = 0; k < 24; ++k) {
    const double a = k * 3.14159265 / 12;
    tq::DrawLine(c.s, c.X(500), c.Y(500), c.X(500) + static_cast<int>(c.R(700) * std::cos(a)),
                 c.Y(500) + static_cast<int>(c.R(700) * std::sin(a)), Rgb(255, 255, 255), true);
  }
  Burst(c, 500, 500, 260, Rgb(255, 255, 255), Rgb(200, 220, 255));
}

void Vortex(Canvas& c) {
  for (int k = 0; k < 600; ++k) {
    const double a = k * 0.09, r = 12 + k * 0.75;
    FillEllipse(c.s, c.X(500) + static_cast<int>(c.R(static_cast<int>(r)) * std::cos(a)),
                c.Y(500) + static_cast<int>(c.R(static_cast<int>(r)) * std::sin(a) * 0.6), c.R(16), c.R(16),
                k % 2 ? Rgb(150, 70, 200) : Rgb(220, 150, 255));
  }
}

void BlackHole(Canvas& c) {
  c.Oval(500, 500, 470, 170, Rgb(250, 170, 60));
  c.Oval(500, 500, 400, 130, Rgb(255, 230, 150));
  c.Round(500, 500, 220, Rgb(0, 0, 0));
  c.Oval(500, 500, 470, 20, Rgb(250, 170, 60));
}

void Trail(Canvas& c) {  // where the colony was: its wake fading towards the home planet
  HomePlanet(c);
  for (int k = 0; k < 30; ++k) c.Round(200 + k * 18, 300 + k * 12, 10 - k / 4, Rgb(220, 230, 255));
}

void Nebula(Canvas& c) {
  c.Oval(350, 400, 300, 160, Rgb(60, 40, 90));
  c.Oval(600, 600, 260, 140, Rgb(40, 60, 100));
  Stars(c, c.w * c.h / 6000, c.h);
}

void System(Canvas& c) {
  c.Round(500, 500, 110, Rgb(255, 220, 90));
  const uint32_t colours[] = {Rgb(200, 150, 120), Rgb(40, 110, 200), Rgb(200, 80, 60), Rgb(220, 190, 140)};
  for (int k = 0; k < 4; ++k) {
    const int r = 190 + k * 90;
    for (int a = 0; a < 360; a += 3) {
      const double t = a * 3.14159265 / 180;
      tq::FillRect(c.s,
                   {c.X(500) + static_cast<int>(c.R(r) * std::cos(t)),
                    c.Y(500) + static_cast<int>(c.R(r) * std::sin(t) * 0.5), 2, 2},
                   Rgb(90, 90, 130));
    }
    c.Round(500 + static_cast<int>(r * std::cos(k * 1.7)), 500 + static_cast<int>(r * std::sin(k * 1.7) * 0.5),
            30 + k * 6, colours[k]);
  }
}

void Sun(Canvas& c) { c.Round(820, 160, 70, Rgb(255, 225, 90)); }

void Sword(Canvas& c) {
  c.Round(500, 420, 200, Rgb(250, 245, 190));
  c.Oval(500, 800, 240, 90, Rgb(140, 135, 130));
  c.Box(300, 700, 400, 110, Rgb(150, 145, 140));
  c.Box(485, 250, 30, 470, Rgb(220, 225, 235));
  c.Poly({{485, 250}, {500, 200}, {515, 250}}, Rgb(220, 225, 235));
  c.Box(430, 560, 140, 25, Rgb(200, 160, 50));
  c.Box(488, 585, 24, 100, Rgb(120, 70, 40));
}

void Ufo(Canvas& c) {
  c.Poly({{430, 460}, {570, 460}, {700, 950}, {300, 950}}, Rgb(240, 250, 190));
  c.Oval(500, 420, 260, 70, Rgb(170, 175, 190));
  c.Oval(500, 370, 120, 70, Rgb(150, 210, 240));
  for (int k = 0; k < 5; ++k) c.Round(330 + k * 85, 430, 14, Rgb(255, 220, 80));
}

void GrassFolk(Canvas& c) {  // tufts of grass with faces, waving
  for (int k = 0; k < 5; ++k) {
    const int x = 120 + k * 190, y = 720 + (k % 2) * 130, size = 260;
    for (int b = -2; b <= 2; ++b) {
      const int tip = y - size + std::abs(b) * 40;  // the middle blades stand tallest
      c.Poly({{x + b * 30 - 22, y}, {x + b * 55, tip}, {x + b * 30 + 22, y}}, Rgb(50, 150 + b * 12, 50));
    }
    c.Oval(x, y - 30, 95, 70, Rgb(90, 190, 80));
    for (int side = -1; side <= 1; side += 2) {
      c.Round(x + side * 35, y - 50, 16, Rgb(255, 255, 255));
      c.Round(x + side * 35, y - 46, 8, Rgb(20, 20, 20));
    }
    c.Oval(x, y - 10, 22, 10, Rgb(200, 80, 80));
  }
}

void Flowers(Canvas& c) {
  const uint32_t colours[] = {Rgb(250, 240, 90), Rgb(250, 130, 170), Rgb(255, 255, 255), Rgb(200, 140, 240)};
  for (int k = 0; k < 40; ++k) c.Round(c.Pick(k, 1000), 620 + c.Pick(k + 40, 380), 8, colours[k % 4]);
}

void Fountain(Canvas& c) {
  c.Oval(500, 800, 260, 90, Rgb(150, 150, 160));
  c.Oval(500, 790, 220, 65, Rgb(90, 160, 220));
  c.Box(480, 560, 40, 230, Rgb(170, 170, 180));
  c.Oval(500, 560, 100, 30, Rgb(170, 170, 180));
  for (int k = -2; k <= 2; ++k) c.Poly({{500, 520}, {500 + k * 70, 640}, {510 + k * 70, 640}}, Rgb(200, 230, 255));
}

void Boats(Canvas& c) {
  for (int k = 0; k < 2; ++k) {
    const int x = 250 + k * 420, y = 560 + k * 40;
    c.Poly({{x - 70, y}, {x + 70, y}, {x + 45, y + 35}, {x - 45, y + 35}}, Rgb(140, 90, 50));
    c.Poly({{x, y - 130}, {x, y - 5}, {x + 70, y - 5}}, Rgb(250, 250, 245));
  }
}

// The town of Orvel seen from above the coast: the western forest on the left, the
// central square with its tower in the middle, the eastern hill on the right.
void Panorama(Canvas& c) {
  const int g = c.horizon * 1000 / c.h;
  c.Box(0, g - 60, 1000, 60, Rgb(60, 120, 200));
  for (int k = 0; k < 6; ++k) Tree(c, 40 + k * 55, g + 120 + (k % 2) * 60, 150, Rgb(40, 120, 50));
  for (int k = 0; k < 6; ++k) {
    const int x = 380 + k * 50, tall = 80 + c.Pick(k, 80);
    c.Box(x - 22, g + 140 - tall, 44, tall, Rgb(230, 215, 185));
    c.Poly({{x - 28, g + 140 - tall}, {x, g + 110 - tall}, {x + 28, g + 140 - tall}}, Rgb(170, 70, 55));
  }
  c.Box(490, g - 60, 30, 200, Rgb(220, 205, 175));
  c.Poly({{480, g - 60}, {505, g - 120}, {530, g - 60}}, Rgb(90, 90, 140));
  c.Oval(820, g + 160, 220, 170, Rgb(120, 185, 85));
  c.Box(812, g - 40, 16, 60, Rgb(240, 235, 225));
}

void Night(Canvas& c) {
  for (int y = 0; y < c.horizon; ++y) {
    uint32_t* row = c.s.Row(y);
    for (int x = 0; x < c.w; ++x) {
      const uint32_t p = row[x];
      row[x] = Rgb(static_cast<int>((p >> 16) & 0xFF) / 5, static_cast<int>((p >> 8) & 0xFF) / 5,
                   static_cast<int>(p & 0xFF) / 3 + 30);
    }
  }
  for (int y = c.horizon; y < c.h; ++y) {
    uint32_t* row = c.s.Row(y);
    for (int x = 0; x < c.w; ++x) row[x] = (row[x] >> 1) & 0x7F7F7F;
  }
  c.s.MarkChanged();
  Stars(c, c.w * c.h / 3000, c.horizon);
  c.Round(800, 150, 50, Rgb(250, 245, 210));
}

void Dusk(Canvas& c) {
  Gradient(c.s, 0, c.horizon, Rgb(80, 60, 130), Rgb(250, 150, 80));
  c.Round(500, c.horizon * 1000 / c.h, 90, Rgb(255, 200, 90));
}

using Painter = std::function<void(Canvas&)>;

constexpr const char* kFirstThing = "door";  // the painters before it are settings

// Settings first, then the things that stand in them.
const std::vector<std::pair<std::string, Painter>>& Painters() {
  static const std::vector<std::pair<std::string, Painter>> painters = {
      {"meadow", Meadow},
      {"forest", [](Canvas& c) { Forest(c, 0); }},
      {"deepforest", [](Canvas& c) { Forest(c, 40); }},
      {"wood", Wood},
      {"desert", Desert},
      {"odd", Odd},
      {"mount", Mount},
      {"space", Space},
      {"sky", SkyHigh},
      {"light", Light},
      {"coast", Coast},
      {"plaza", Plaza},
      {"cell", [](Canvas& c) { Inside(c, Material::Stone); }},
      {"room", [](Canvas& c) { Inside(c, Material::Wood); }},
      {"temple", [](Canvas& c) { Inside(c, Material::Temple); }},
      {"lab", [](Canvas& c) { Inside(c, Material::Metal); }},
      {"cave", Cave},
      {"hall", Hall},
      {"dark", Dark},
      // what stands in them
      {"door", [](Canvas& c) { Door(c, false); }},
      {"opendoor", [](Canvas& c) { Door(c, true); }},
      {"window", Window},
      {"straw", Straw},
      {"path", Path},
      {"cross", Cross},
      {"deadend", DeadEnd},
      {"river", River},
      {"bridge", Bridge},
      {"pond", Pond},
      {"spring", Spring},
      {"trees", Trees},
      {"forestedge", ForestEdge},
      {"house", [](Canvas& c) { House(c, 500, c.horizon * 1000 / c.h + 150, 420, false); }},
      {"oldhouse", [](Canvas& c) { House(c, 500, c.horizon * 1000 / c.h + 150, 420, true); }},
      {"farmhouse", [](Canvas& c) { House(c, 300, c.horizon * 1000 / c.h + 60, 300, false); }},
      {"village", Village},
      {"town", Town},
      {"people", People},
      {"deserttown", DesertTown},
      {"hill", Hill},
      {"hillhouse", HillHouse},
      {"windmill", Windmill},
      {"fields", Fields},
      {"farmer", Farmer},
      {"trader", Trader},
      {"pagoda", Pagoda},
      {"statue", Statue},
      {"torii", Torii},
      {"crater", Crater},
      {"hole", Hole},
      {"grave", Grave},
      {"palace", Palace},
      {"shrine", Shrine},
      {"ruins", Ruins},
      {"oasis", Oasis},
      {"canyon", Canyon},
      {"valley", Valley},
      {"basin", Basin},
      {"mountains", Mountains},
      {"cavemouth", CaveMouth},
      {"dragon", Dragon},
      {"jar", Jar},
      {"rabbit", Rabbit},
      {"fairy", Fairy},
      {"giant", Giant},
      {"monster", Monster},
      {"computer", Computer},
      {"ship", Hangar},
      {"rocket", Rocket},
      {"station", Station},
      {"homeplanet", HomePlanet},
      {"bighome", BigHome},
      {"moon", Moon},
      {"colony", Colony},
      {"asteroids", Asteroids},
      {"bigplanet", BigPlanet},
      {"explosion", Explosion},
      {"impact", Impact},
      {"vortex", Vortex},
      {"blackhole", BlackHole},
      {"trail", Trail},
      {"nebula", Nebula},
      {"system", System},
      {"sun", Sun},
      {"sword", Sword},
      {"ufo", Ufo},
      {"grassfolk", GrassFolk},
      {"flowers", Flowers},
      {"fountain", Fountain},
      {"boats", Boats},
      {"panorama", Panorama},
      {"night", Night},
      {"dusk", Dusk},
  };
  return painters;
}

std::vector<std::string> Words(const std::string& recipe) {
  std::vector<std::string> out;
  size_t start = 0;
  while (start < recipe.size()) {
    size_t end = recipe.find(' ', start);
    if (end == std::string::npos) end = recipe.size();
    if (end > start) out.push_back(recipe.substr(start, end - start));
    start = end + 1;
  }
  return out;
}

// A caption over the place: a plate in the corner, a band at the bottom ('_') or
// large across the middle ('^').
void Caption(Surface& s, PixelRect r, const std::string& caption) {
  if (caption.empty()) return;
  TextStyle style;
  style.outline = true;
  if (caption[0] == '_') {
    // A short cell (a menu row) gives its name nearly half its height.
    const int band = r.h < 120 ? r.h * 45 / 100 : std::max(24, r.h / 5);
    const PixelRect strip{r.x, r.y + r.h - band, r.w, band};
    tq::FillRect(s, strip, Rgb(25, 25, 40));
    style.maxPt = 40;
    FitText(s, {strip.x + 6, strip.y + 2, strip.w - 12, strip.h - 4}, caption.substr(1), style);
  } else if (caption[0] == '^') {
    const PixelRect strip{r.x, r.y + r.h * 3 / 8, r.w, r.h / 4};
    tq::FillRect(s, strip, Rgb(25, 25, 40));
    Border(s, {strip.x, strip.y, strip.w, strip.h}, Rgb(240, 210, 120), 3);
    style.maxPt = 72;
    style.colour = Rgb(255, 235, 160);
    FitText(s, {strip.x + 20, strip.y + 6, strip.w - 40, strip.h - 12}, caption.substr(1), style);
  } else {
    style.outline = false;
    style.maxPt = std::clamp(r.h / 26, 9, 14);
    style.align = Align::Left;
    tq::FontSpec font;
    font.bold = true;
    font.pointSize = style.maxPt;
    const tq::TextExtent e = tq::MeasureTextExtent(font, caption);
    const int w = std::min(r.w - 8, e.width + 10);
    tq::FillRect(s, {r.x + 4, r.y + 4, w, e.height + 6}, Rgb(20, 20, 30));
    FitText(s, {r.x + 9, r.y + 7, w - 10, e.height}, caption, style);
  }
}

}  // namespace

bool IsPlaceSetting(const std::string& word) {
  for (const auto& p : Painters()) {
    if (p.first == kFirstThing) return false;
    if (p.first == word) return true;
  }
  return false;
}

bool IsPlaceThing(const std::string& word) {
  bool things = false;
  for (const auto& p : Painters()) {
    things = things || p.first == kFirstThing;
    if (things && p.first == word) return true;
  }
  return false;
}

void DrawPlace(Surface& s, const std::string& recipe) {
  Canvas c{s, s.Width(), s.Height(), s.Height() / 2, Hash(recipe)};
  for (const std::string& word : Words(recipe)) {
    for (const auto& p : Painters()) {
      if (p.first == word) {
        p.second(c);
        break;
      }
    }
  }
}

void DrawPlacePicture(Surface& s, const AssetFile& f) {
  const std::vector<std::string> cells = SplitCaptions(f.row->shows);
  for (size_t i = 0; i < cells.size(); ++i) {
    std::string cell = cells[i];
    PixelRect r = SheetCell(s.Width(), s.Height(), f.row->cellWidth, f.row->cellHeight, static_cast<int>(i));
    const size_t at = cell.rfind('@');
    if (at != std::string::npos && std::sscanf(cell.c_str() + at + 1, "%d,%d,%d,%d", &r.x, &r.y, &r.w, &r.h) == 4) {
      cell = cell.substr(0, at);
    }
    const size_t colon = cell.find(':');
    const std::string recipe = cell.substr(0, colon);
    const std::string caption = colon == std::string::npos ? "" : cell.substr(colon + 1);
    Surface place(r.w, r.h, 0);
    DrawPlace(place, recipe);
    tq::CopyRect(s, r.x, r.y, place, 0, 0, r.w, r.h);
    Caption(s, r, caption);
  }
}

}  // namespace assets
