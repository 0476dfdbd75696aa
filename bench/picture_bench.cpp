// Picture loads as the stages make them: a window-sized picture loaded onto a
// window-sized layer again and again, from one file (the click-wait mark a stage
// loads at every click) or cycling through several (a flip-book). Twelve files are
// more than a bounded cache of decoded pictures holds, so those loads decode.
// The pictures are 920 by 690, as an 8-bit BMP (the stand-ins' form) and as a JPEG
// (the form of drawn art).
#include <benchmark/benchmark.h>

#include <SDL.h>
#include <SDL_image.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/headless_session.h"
#include "engine/layers.h"
#include "platform/pictures.h"

namespace {

constexpr int kWidth = 920;
constexpr int kHeight = 690;
constexpr int kLayer = 20;
enum Format { kBmp8 = 0, kJpeg = 1 };

// A picture with detail everywhere, different for each index, so no two files decode alike.
SDL_Surface* Painted(Format format, int index) {
  if (format == kBmp8) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 8, SDL_PIXELFORMAT_INDEX8);
    SDL_Color colours[256];
    for (int i = 0; i < 256; ++i) {
      colours[i] = {static_cast<Uint8>(i), static_cast<Uint8>(255 - i), static_cast<Uint8>((i * 7 + index * 40) & 255), 255};
    }
    SDL_SetPaletteColors(s->format->palette, colours, 0, 256);
    for (int y = 0; y < kHeight; ++y) {
      auto* row = static_cast<Uint8*>(s->pixels) + y * s->pitch;
      // Runs of one colour, as drawn pictures have, so the file compresses like one.
      for (int x = 0; x < kWidth; ++x) row[x] = static_cast<Uint8>((x / 23 + y / 17 + index * 3) & 255);
    }
    return s;
  }
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 24, SDL_PIXELFORMAT_RGB24);
  for (int y = 0; y < kHeight; ++y) {
    auto* row = static_cast<Uint8*>(s->pixels) + y * s->pitch;
    for (int x = 0; x < kWidth; ++x) {
      row[x * 3] = static_cast<Uint8>(x * 255 / kWidth);
      row[x * 3 + 1] = static_cast<Uint8>((y * 255 / kHeight + index * 30) & 255);
      row[x * 3 + 2] = static_cast<Uint8>(((x ^ y) + index * 11) & 255);
    }
  }
  return s;
}

// The folder of bench pictures, written once: p<format>-<index>.jpg (the stand-ins
// keep the catalogue's .JPG names whatever they hold, and the loader goes by content).
const std::string& PictureFolder() {
  static const std::string folder = [] {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "thornquill_picture_bench";
    fs::create_directories(dir);
    for (Format format : {kBmp8, kJpeg}) {
      for (int i = 0; i < 12; ++i) {
        const std::string path = (dir / ("p" + std::to_string(format) + "-" + std::to_string(i) + ".jpg")).string();
        SDL_Surface* s = Painted(format, i);
        if (format == kBmp8) {
          SDL_SaveBMP(s, path.c_str());
        } else {
          IMG_SaveJPG(s, path.c_str(), 90);
        }
        SDL_FreeSurface(s);
      }
    }
    return dir.string();
  }();
  return folder;
}

std::string PicturePath(int format, int index) {
  return PictureFolder() + "/p" + std::to_string(format) + "-" + std::to_string(index) + ".jpg";
}

tq::SessionOptions Options() {
  tq::SessionOptions options;
  options.mode = "Test";
  return options;
}

// The engine's load of a catalogue picture onto the current layer, as the stage
// scripts' picture changes make it. Arguments: format, number of files cycled.
void BM_LoadPictureOntoLayer(benchmark::State& state) {
  const int format = static_cast<int>(state.range(0));
  const int files = static_cast<int>(state.range(1));
  std::vector<std::string> paths;
  for (int i = 0; i < files; ++i) paths.push_back(PicturePath(format, i));
  tq::HeadlessSession session(Options());
  session.Start();
  DrawState.CurrentLayer = kLayer;
  DrawState.CurrentRect = {0, 0, kWidth, kHeight};
  PrepareLayer(0);
  size_t next = 0;
  for (auto _ : state) {
    LoadPictureIntoTarget(1, paths[next]);
    next = (next + 1) % paths.size();
    benchmark::ClobberMemory();
  }
  if (LayerWidth(kLayer) != kWidth) state.SkipWithError("the picture did not load");
}
BENCHMARK(BM_LoadPictureOntoLayer)
    ->ArgNames({"jpeg", "files"})
    ->ArgsProduct({{kBmp8, kJpeg}, {1, 5, 12}})
    ->Unit(benchmark::kMillisecond);

// The platform's load into a surface made for it, as a caller without a layer does.
void BM_LoadPictureFileFresh(benchmark::State& state) {
  const std::string path = PicturePath(static_cast<int>(state.range(0)), 0);
  for (auto _ : state) {
    tq::Surface picture;
    tq::LoadPictureFile(path, picture);
    benchmark::DoNotOptimize(picture.Width());
  }
}
BENCHMARK(BM_LoadPictureFileFresh)->ArgName("jpeg")->Arg(kBmp8)->Arg(kJpeg)->Unit(benchmark::kMillisecond);

}  // namespace
