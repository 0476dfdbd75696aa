#include "platform/fonts.h"

#include <SDL_ttf.h>

#include <cstdio>
#include <map>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "platform/text_encoding.h"

namespace tq {

namespace {

constexpr int kDpi = 96;
constexpr size_t kMaskCacheLimit = 2048;

using FontKey = std::tuple<bool, int, bool, bool>;  // fixed pitch, size, bold, italic

struct Mask {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> coverage;
};

struct FontStore {
  bool initialised = false;
  bool reportedMissing = false;
  std::map<FontKey, TTF_Font*> fonts;
  std::unordered_map<std::string, Mask> masks;
};

FontStore& Store() {
  static FontStore store;
  return store;
}

FontKey KeyOf(const FontSpec& font) {
  int size = font.pointSize < 1 ? 1 : font.pointSize;
  return {font.name == kFontFixed, size, font.bold, font.italic};
}

TTF_Font* FontFor(const FontSpec& font) {
  FontStore& store = Store();
  if (!store.initialised) {
    if (TTF_Init() != 0) return nullptr;
    store.initialised = true;
  }
  FontKey key = KeyOf(font);
  auto it = store.fonts.find(key);
  if (it != store.fonts.end()) return it->second;
  std::string file = std::string(THORNQUILL_FONT_DIR) + (std::get<0>(key) ? "/ipag.ttf" : "/ipagp.ttf");
  TTF_Font* face = TTF_OpenFontDPI(file.c_str(), std::get<1>(key), kDpi, kDpi);
  if (face == nullptr) {
    if (!store.reportedMissing) {
      std::fprintf(stderr, "thornquill: cannot open font %s: %s\n", file.c_str(), TTF_GetError());
      store.reportedMissing = true;
    }
  } else {
    int style = (font.bold ? TTF_STYLE_BOLD : 0) | (font.italic ? TTF_STYLE_ITALIC : 0);
    TTF_SetFontStyle(face, style);
    TTF_SetFontHinting(face, TTF_HINTING_NORMAL);
  }
  store.fonts[key] = face;
  return face;
}

std::string MaskKey(const FontSpec& font, const std::string& text) {
  FontKey k = KeyOf(font);
  std::string key;
  key += std::get<0>(k) ? 'F' : 'P';
  key += std::to_string(std::get<1>(k));
  key += std::get<2>(k) ? 'b' : '-';
  key += std::get<3>(k) ? 'i' : '-';
  key += '\x1f';
  key += text;
  return key;
}

const Mask* MaskFor(const FontSpec& font, const std::string& text) {
  FontStore& store = Store();
  std::string key = MaskKey(font, text);
  auto it = store.masks.find(key);
  if (it != store.masks.end()) return &it->second;
  TTF_Font* face = FontFor(font);
  if (face == nullptr) return nullptr;
  SDL_Color white{255, 255, 255, 255};
  SDL_Surface* rendered = TTF_RenderUTF8_Blended(face, text.c_str(), white);
  if (rendered == nullptr) return nullptr;
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(rendered);
  if (argb == nullptr) return nullptr;
  Mask mask;
  mask.width = argb->w;
  mask.height = argb->h;
  mask.coverage.resize(static_cast<size_t>(mask.width) * mask.height);
  SDL_LockSurface(argb);
  for (int y = 0; y < mask.height; ++y) {
    const uint32_t* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) + y * argb->pitch);
    for (int x = 0; x < mask.width; ++x) mask.coverage[static_cast<size_t>(y) * mask.width + x] = row[x] >> 24;
  }
  SDL_UnlockSurface(argb);
  SDL_FreeSurface(argb);
  if (store.masks.size() >= kMaskCacheLimit) store.masks.clear();
  return &store.masks.emplace(std::move(key), std::move(mask)).first->second;
}

}  // namespace

TextExtent MeasureTextExtent(const FontSpec& font, const std::string& utf8) {
  TTF_Font* face = FontFor(font);
  if (face == nullptr) return {};
  TextExtent extent;
  extent.height = TTF_FontHeight(face);
  size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t cp = NextCodePoint(utf8, pos);
    int advance = 0;
    if (TTF_GlyphMetrics32(face, static_cast<Uint32>(cp), nullptr, nullptr, nullptr, nullptr, &advance) == 0) {
      extent.width += advance;
    }
  }
  return extent;
}

void DrawTextAt(Surface& target, int x, int y, const FontSpec& font, const std::string& utf8,
                uint32_t colorBgr) {
  if (utf8.empty()) return;
  const Mask* mask = MaskFor(font, utf8);
  if (mask == nullptr || mask->width == 0) return;
  BlendMask(target, x, y, mask->coverage.data(), mask->width, mask->height, mask->width,
            PixelFromColor(colorBgr));
}

void ReleaseFonts() {
  FontStore& store = Store();
  for (auto& [key, font] : store.fonts) {
    if (font != nullptr) TTF_CloseFont(font);
  }
  store.fonts.clear();
  store.masks.clear();
}

}  // namespace tq
