// Picture loading: every form the decoder gives is converted as SDL's own surface
// conversion converts it, kept pictures come back whole, and a file replaced on
// disk is decoded again.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/pictures.h"
#include "platform/pixels.h"

namespace {

namespace fs = std::filesystem;

// The test's own folder, removed at exit.
fs::path Folder() {
  struct Owned {
    fs::path dir = fs::temp_directory_path() / ("thornquill_pictures_test_" + std::to_string(::getpid()));
    Owned() { fs::create_directories(dir); }
    ~Owned() {
      std::error_code ec;
      fs::remove_all(dir, ec);
    }
  };
  static const Owned owned;
  return owned.dir;
}

// A surface whose every pixel differs from its neighbours, shifted by seed.
SDL_Surface* Painted(Uint32 format, int w, int h, int seed) {
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, SDL_BITSPERPIXEL(format), format);
  if (s->format->palette != nullptr) {
    SDL_Color colours[256];
    for (int i = 0; i < 256; ++i) {
      colours[i] = {static_cast<Uint8>(i * 3 + seed), static_cast<Uint8>(255 - i), static_cast<Uint8>(i * 7), 255};
    }
    SDL_SetPaletteColors(s->format->palette, colours, 0, 256);
  }
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const Uint32 v = static_cast<Uint32>(x * 37 + y * 101 + seed * 13);
      auto* px = static_cast<Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
      const Uint32 value = s->format->palette != nullptr
                               ? (v & 0xFF)
                               : SDL_MapRGBA(s->format, v & 0xFF, (v >> 3) & 0xFF, (v * 5) & 0xFF, (v * 11) & 0xFF);
      SDL_memcpy(px, &value, s->format->BytesPerPixel);
    }
  }
  return s;
}

// What the loader gave before it decoded into the caller's buffer: the picture
// converted by SDL to XRGB, the alpha byte dropped.
std::vector<uint32_t> Converted(const std::string& path) {
  SDL_Surface* loaded = IMG_Load(path.c_str());
  EXPECT_NE(loaded, nullptr) << path;
  if (loaded == nullptr) return {};
  SDL_Surface* xrgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB888, 0);
  std::vector<uint32_t> pixels;
  for (int y = 0; y < xrgb->h; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const Uint8*>(xrgb->pixels) + y * xrgb->pitch);
    for (int x = 0; x < xrgb->w; ++x) pixels.push_back(row[x] & 0x00FFFFFFu);
  }
  SDL_FreeSurface(xrgb);
  SDL_FreeSurface(loaded);
  return pixels;
}

enum class Writer { Bmp, Png, Jpeg };

std::string Write(const std::string& name, SDL_Surface* s, Writer writer) {
  const std::string path = (Folder() / name).string();
  switch (writer) {
    case Writer::Bmp: EXPECT_EQ(SDL_SaveBMP(s, path.c_str()), 0); break;
    case Writer::Png: EXPECT_EQ(IMG_SavePNG(s, path.c_str()), 0); break;
    case Writer::Jpeg: EXPECT_EQ(IMG_SaveJPG(s, path.c_str(), 80), 0); break;
  }
  SDL_FreeSurface(s);
  return path;
}

TEST(Pictures, EveryDecodedFormConvertsAsSdlConvertsIt) {
  struct Case {
    const char* name;
    Uint32 format;
    Writer writer;
    bool keyed;  // a colour key, which the conversion ignores
  };
  const Case cases[] = {
      {"indexed.bmp", SDL_PIXELFORMAT_INDEX8, Writer::Bmp, false},
      {"rgb24.bmp", SDL_PIXELFORMAT_BGR24, Writer::Bmp, false},
      {"argb.bmp", SDL_PIXELFORMAT_ARGB8888, Writer::Bmp, false},
      {"rgb565.bmp", SDL_PIXELFORMAT_RGB565, Writer::Bmp, false},
      {"photo.jpg", SDL_PIXELFORMAT_RGB24, Writer::Jpeg, false},
      {"alpha.png", SDL_PIXELFORMAT_ABGR8888, Writer::Png, false},
      {"keyed.png", SDL_PIXELFORMAT_INDEX8, Writer::Png, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SDL_Surface* s = Painted(c.format, 37, 23, 1);
    // A transparent palette entry: the decoder gives the picture a colour key.
    if (c.keyed) s->format->palette->colors[5].a = 0;
    const std::string path = Write(c.name, s, c.writer);
    if (c.keyed) {
      SDL_Surface* loaded = IMG_Load(path.c_str());
      ASSERT_TRUE(SDL_HasColorKey(loaded));
      SDL_FreeSurface(loaded);
    }
    tq::Surface out(100, 100, 0xABCDEF);  // larger than the picture: its size must not leak through
    ASSERT_TRUE(tq::LoadPictureFile(path, out));
    EXPECT_EQ(out.Width(), 37);
    EXPECT_EQ(out.Height(), 23);
    EXPECT_EQ(out.Pixels(), Converted(path));
  }
}

TEST(Pictures, AFileReplacedOnDiskIsDecodedAgainAtOnce) {
  // Uncompressed, so both versions have the same length: only the bytes tell them apart.
  const std::string path = Write("replaced.bmp", Painted(SDL_PIXELFORMAT_BGR24, 40, 30, 1), Writer::Bmp);
  tq::Surface first;
  ASSERT_TRUE(tq::LoadPictureFile(path, first));
  tq::Surface again;
  ASSERT_TRUE(tq::LoadPictureFile(path, again));
  EXPECT_EQ(again.Pixels(), first.Pixels());
  EXPECT_NE(again.Generation(), first.Generation()) << "a load is a change the compositor must see";

  const uintmax_t size = fs::file_size(path);
  Write("replaced.bmp", Painted(SDL_PIXELFORMAT_BGR24, 40, 30, 2), Writer::Bmp);
  ASSERT_EQ(fs::file_size(path), size);
  tq::Surface second;
  ASSERT_TRUE(tq::LoadPictureFile(path, second));
  EXPECT_NE(second.Pixels(), first.Pixels());
  EXPECT_EQ(second.Pixels(), Converted(path));

  // Replaced by one of another size, then taken away.
  Write("replaced.bmp", Painted(SDL_PIXELFORMAT_BGR24, 7, 3, 3), Writer::Bmp);
  ASSERT_TRUE(tq::LoadPictureFile(path, second));
  EXPECT_EQ(second.Width(), 7);
  EXPECT_EQ(second.Pixels(), Converted(path));
  fs::remove(path);
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(tq::LoadPictureFile(path, second));
  ::testing::internal::GetCapturedStderr();
  EXPECT_TRUE(second.Empty());
}

TEST(Pictures, MorePicturesThanTheCacheHoldsStillLoadWholeWithinItsBound) {
  // Ten 1024 by 1024 pictures take 40 MB decoded: the first ones are dropped and the
  // dropped buffers reused for later ones.
  std::vector<std::string> paths;
  for (int i = 0; i < 10; ++i) {
    paths.push_back(Write("big" + std::to_string(i) + ".bmp", Painted(SDL_PIXELFORMAT_INDEX8, 1024, 1024, i), Writer::Bmp));
  }
  tq::Surface out;
  for (int round = 0; round < 2; ++round) {
    for (size_t i = 0; i < paths.size(); ++i) {
      SCOPED_TRACE(paths[i]);
      ASSERT_TRUE(tq::LoadPictureFile(paths[i], out));
      EXPECT_LE(tq::PictureCacheBytes(), tq::kPictureCacheBytes);
      EXPECT_EQ(out.Pixels(), Converted(paths[i]));
    }
  }
  // The most recent ones are kept.
  EXPECT_GE(tq::PictureCacheBytes(), tq::kPictureCacheBytes / 2);
}

}  // namespace
