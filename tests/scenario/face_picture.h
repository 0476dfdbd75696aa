// A drawn face picture for the balloon tests: hair, a round face with eyes, cheeks
// and a smile, and a shirt, on a plain backdrop, written as a BMP.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

namespace scenario_test {

struct Rgb {
  uint8_t r, g, b;
};

// Writes the face at `path` (folders made), scaled to w by h.
inline void WriteFaceBmp(const std::string& path, int w, int h, Rgb backdrop, Rgb hair) {
  std::filesystem::create_directories(std::filesystem::u8path(path).parent_path());
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 24, SDL_PIXELFORMAT_RGB24);
  ASSERT_NE(s, nullptr);
  auto inEllipse = [w, h](int x, int y, double cx, double cy, double rx, double ry) {
    // The shapes are laid out on a 120 by 160 face and scaled.
    const double dx = (x * 120.0 / w - cx) / rx, dy = (y * 160.0 / h - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
  };
  const Rgb skin{250, 214, 180}, eye{40, 30, 30}, cheek{245, 160, 160}, mouth{200, 60, 60}, shirt{70, 110, 180};
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      Rgb c = backdrop;
      if (y * 160.0 / h > 125 && inEllipse(x, y, 60, 175, 55, 50)) c = shirt;
      if (inEllipse(x, y, 60, 62, 46, 54)) c = hair;
      if (inEllipse(x, y, 60, 78, 38, 44) && y * 160.0 / h > 40) c = skin;
      if (inEllipse(x, y, 44, 76, 5, 8) || inEllipse(x, y, 76, 76, 5, 8)) c = eye;
      if (inEllipse(x, y, 36, 94, 7, 4) || inEllipse(x, y, 84, 94, 7, 4)) c = cheek;
      if (inEllipse(x, y, 60, 100, 14, 10) && !inEllipse(x, y, 60, 95, 14, 9)) c = mouth;
      uint8_t* p = static_cast<uint8_t*>(s->pixels) + y * s->pitch + x * 3;
      p[0] = c.r, p[1] = c.g, p[2] = c.b;
    }
  }
  ASSERT_EQ(SDL_SaveBMP(s, std::filesystem::u8path(path).string().c_str()), 0) << SDL_GetError();
  SDL_FreeSurface(s);
}

}  // namespace scenario_test
