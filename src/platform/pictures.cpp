#include "platform/pictures.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>
#include <cstring>
#include <list>
#include <mutex>
#include <set>
#include <vector>

#include "platform/decoder_messages.h"
#include "platform/media_files.h"
#include "platform/paths.h"

namespace tq {

namespace {

void ReportOnce(const std::string& path, const char* why) {
  static std::set<std::string> reported;
  if (reported.insert(path).second) std::fprintf(stderr, "thornquill: cannot load picture %s: %s\n", path.c_str(), why);
}

// A decoded picture with the file it came from. The file's bytes are the key: they
// are read at every load anyway, and a file replaced on disk no longer matches,
// however quickly it was replaced.
struct CachedPicture {
  std::string path;  // resolved
  std::vector<uint8_t> bytes;
  Surface picture;
  size_t Cost() const { return bytes.size() + PixelBytes(picture); }
  static size_t PixelBytes(const Surface& s) { return static_cast<size_t>(s.Width()) * s.Height() * sizeof(uint32_t); }
};

// Most recently used first. Pictures are few (a stage shows a handful), so a list
// searched from the front is enough.
struct PictureCacheState {
  std::mutex mutex;
  std::list<CachedPicture> entries;
  size_t bytes = 0;
  PictureLoadCounts counts;
};
PictureCacheState& Cache() {
  static PictureCacheState cache;
  return cache;
}

// Converts a decoded picture into out's buffer as SDL_ConvertSurfaceFormat would
// to XRGB (no colour key, blending or modulation, so every pixel is written), without
// the cleared intermediate surface. The alpha byte is dropped.
bool CopyDecoded(SDL_Surface* loaded, Surface& out, std::string& why) {
  if (loaded->w <= 0 || loaded->h <= 0 || loaded->w > kMaxSurfaceSide || loaded->h > kMaxSurfaceSide) {
    why = "decoded to an unusable size";
    return false;
  }
  out.ResizeForOverwrite(loaded->w, loaded->h);
  SDL_Surface* target = SDL_CreateRGBSurfaceWithFormatFrom(out.Row(0), out.Width(), out.Height(), 32,
                                                           out.Stride() * 4, SDL_PIXELFORMAT_RGB888);
  if (target == nullptr) {
    why = SDL_GetError();
    return false;
  }
  SDL_SetColorKey(loaded, SDL_FALSE, 0);
  SDL_SetSurfaceBlendMode(loaded, SDL_BLENDMODE_NONE);
  SDL_SetSurfaceColorMod(loaded, 255, 255, 255);
  SDL_SetSurfaceAlphaMod(loaded, 255);
  const bool ok = SDL_BlitSurface(loaded, nullptr, target, nullptr) == 0;
  if (!ok) why = SDL_GetError();
  SDL_FreeSurface(target);
  if (!ok) return false;
  for (int y = 0; y < out.Height(); ++y) {
    uint32_t* row = out.Row(y);
    for (int x = 0; x < out.Width(); ++x) row[x] &= 0x00FFFFFFu;
  }
  return true;
}

bool Decode(const std::vector<uint8_t>& bytes, Surface& out, std::string& why) {
  SDL_RWops* file = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  if (file == nullptr) {
    why = SDL_GetError();
    return false;
  }
  // No type hint: the decoder goes by the file's content, not its name. Its
  // warnings (a PNG's odd chunk, a JPEG's stray bytes) are its own business: the
  // picture decodes or it is reported in one line.
  SDL_Surface* loaded = nullptr;
  {
    DecoderMessages quiet;
    loaded = IMG_Load_RW(file, 1);
  }
  if (loaded == nullptr) {
    why = IMG_GetError();
    return false;
  }
  const bool ok = CopyDecoded(loaded, out, why);
  SDL_FreeSurface(loaded);
  return ok;
}

// Keeps a copy of a picture just decoded, dropping the least recently used ones to
// stay within the bound; the buffer of the last one dropped is reused for it.
void Remember(PictureCacheState& cache, const std::string& path, std::vector<uint8_t>&& bytes, const Surface& picture) {
  const size_t cost = bytes.size() + CachedPicture::PixelBytes(picture);
  if (cost > kPictureCacheBytes) return;
  CachedPicture entry;
  while (!cache.entries.empty() && cache.bytes + cost > kPictureCacheBytes) {
    cache.bytes -= cache.entries.back().Cost();
    entry = std::move(cache.entries.back());
    cache.entries.pop_back();
  }
  entry.path = path;
  entry.bytes = std::move(bytes);
  entry.picture = picture;
  cache.bytes += entry.Cost();
  cache.entries.push_front(std::move(entry));
}

}  // namespace

bool LoadPictureFile(const std::string& path, Surface& out) {
  std::string resolved = ResolvePath(path);
  std::vector<uint8_t> bytes;
  std::string why;
  PictureCacheState& cache = Cache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  const BoundedRead read = ReadBoundedFile(resolved, kMaxPictureFileBytes, bytes, why);
  bool ok = read == BoundedRead::kRead;
  for (auto it = cache.entries.begin(); ok && it != cache.entries.end(); ++it) {
    if (it->path != resolved) continue;
    if (it->bytes == bytes) {
      ++cache.counts.loaded;
      out = it->picture;
      out.MarkChanged();
      cache.entries.splice(cache.entries.begin(), cache.entries, it);
      return true;
    }
    // The file has changed since: its old picture is of no more use.
    cache.bytes -= it->Cost();
    cache.entries.erase(it);
    break;
  }
  // The size the header claims is checked before the decoder allocates by it.
  ok = ok && PictureWithinBounds(bytes, why) && Decode(bytes, out, why);
  if (!ok) {
    ++(read == BoundedRead::kMissing ? cache.counts.missing : cache.counts.failed);
    ReportOnce(resolved, why.c_str());
    out.Reset(0, 0);
    return false;
  }
  ++cache.counts.loaded;
  out.MarkChanged();
  Remember(cache, resolved, std::move(bytes), out);
  return true;
}

size_t PictureCacheBytes() {
  PictureCacheState& cache = Cache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  return cache.bytes;
}

PictureLoadCounts PictureLoads() {
  PictureCacheState& cache = Cache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  return cache.counts;
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
