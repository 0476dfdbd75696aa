#include "platform/pictures.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <vector>

#include "platform/media_files.h"
#include "platform/paths.h"

namespace tq {

namespace {
void ReportOnce(const std::string& path, const char* why) {
  static std::set<std::string> reported;
  if (reported.insert(path).second) std::fprintf(stderr, "thornquill: cannot load picture %s: %s\n", path.c_str(), why);
}
}  // namespace

bool LoadPictureFile(const std::string& path, Surface& out) {
  out.Reset(0, 0);
  std::string resolved = ResolvePath(path);
  std::vector<uint8_t> bytes;
  std::string why;
  // The size the header claims is checked before the decoder allocates by it.
  if (!ReadBoundedFile(resolved, kMaxPictureFileBytes, bytes, why) || !PictureWithinBounds(bytes, why)) {
    ReportOnce(resolved, why.c_str());
    return false;
  }
  SDL_RWops* file = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  if (file == nullptr) {
    ReportOnce(resolved, SDL_GetError());
    return false;
  }
  // No type hint: the decoder goes by the file's content, not its name.
  SDL_Surface* loaded = IMG_Load_RW(file, 1);
  if (loaded == nullptr) {
    ReportOnce(resolved, IMG_GetError());
    return false;
  }
  SDL_Surface* xrgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB888, 0);
  SDL_FreeSurface(loaded);
  if (xrgb == nullptr) {
    ReportOnce(resolved, SDL_GetError());
    return false;
  }
  out.Reset(xrgb->w, xrgb->h);
  SDL_LockSurface(xrgb);
  for (int y = 0; y < xrgb->h; ++y) {
    const uint32_t* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(xrgb->pixels) + y * xrgb->pitch);
    uint32_t* dst = out.Row(y);
    for (int x = 0; x < xrgb->w; ++x) dst[x] = row[x] & 0x00FFFFFFu;
  }
  SDL_UnlockSurface(xrgb);
  SDL_FreeSurface(xrgb);
  out.MarkChanged();
  return true;
}

bool SavePngFile(const Surface& image, const std::string& path) {
  SDL_Surface* surface =
      SDL_CreateRGBSurfaceWithFormat(0, image.Width(), image.Height(), 32, SDL_PIXELFORMAT_RGB888);
  if (surface == nullptr) return false;
  SDL_LockSurface(surface);
  for (int y = 0; y < image.Height(); ++y) {
    std::memcpy(static_cast<uint8_t*>(surface->pixels) + y * surface->pitch, image.Row(y),
                static_cast<size_t>(image.Width()) * 4);
  }
  SDL_UnlockSurface(surface);
  const bool ok = IMG_SavePNG(surface, path.c_str()) == 0;
  SDL_FreeSurface(surface);
  return ok;
}

}  // namespace tq
