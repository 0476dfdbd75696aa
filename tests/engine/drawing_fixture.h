// Helpers shared by the drawing tests: an engine booted on the headless platform in a
// program folder of the test's own, and picture files written into it.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/layers.h"
#include "platform/platform.h"
#include "support/engine_harness.h"
#include "support/scene_input.h"

namespace drawing_test {

// A BMP of one colour (0x00BBGGRR) at a path below root ('/' separated), folders made.
inline void WriteBmp(const std::string& root, const std::string& relative, int w, int h, uint32_t colour) {
  const std::filesystem::path path = std::filesystem::path(root) / std::filesystem::u8path(relative);
  std::filesystem::create_directories(path.parent_path());
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 24, SDL_PIXELFORMAT_RGB24);
  ASSERT_NE(s, nullptr);
  SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF));
  ASSERT_EQ(SDL_SaveBMP(s, path.string().c_str()), 0) << SDL_GetError();
  SDL_FreeSurface(s);
}

// A fresh program folder, removed afterwards.
class TempFolder {
 public:
  TempFolder() {
    static int serial = 0;
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = (std::filesystem::temp_directory_path() /
             ("thornquill-draw-" + std::to_string(stamp) + "-" + std::to_string(serial++)))
                .string();
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// The engine started in a mode ("Test" reaches no game), with a program folder
// that files can be put into before the start.
class DrawingTest : public tq::testing::ScreenTest {
 protected:
  void Boot(const std::string& mode = "Test") { ScreenTest::Boot(mode, folder_.Path()); }
  void SetUp() override { Boot(); }

  const std::string& Root() const { return folder_.Path(); }
  tq::Compositor& Screen() { return tq::ThePlatform().Screen(); }
  tq::LayerSurface& Layer(int i) { return Screen().Layer(i); }
  // The colour of a layer pixel as the games write colours (0x00BBGGRR).
  uint32_t At(int layer, int x, int y) { return tq::ColorFromPixel(LayerImage(layer).Get(x, y)); }

  // A layer placed and filled with one colour, without the primitives under test.
  void Fill(int layer, int x, int y, int w, int h, uint32_t colour) {
    Screen().Place(layer, x, y, w, h);
    tq::FillRect(LayerImage(layer), {0, 0, w, h}, tq::PixelFromColor(colour));
  }

  TempFolder folder_;
};

}  // namespace drawing_test
