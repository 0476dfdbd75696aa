#include "platform/fonts.h"

#include <SDL_ttf.h>

#include <cstdio>
#include <map>
#include <tuple>
#include <vector>

#include "platform/text_encoding.h"

namespace tq {

namespace {

constexpr int kDpi = 96;
constexpr size_t kMaskCacheLimit = 8192;  // glyphs; a full clear when reached

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

// A rendered glyph: its coverage, and where the mask's left edge stands from the pen.
struct GlyphMask {
  Mask mask;
  int offsetX = 0;
  int advance = 0;
};

using GlyphKey = std::tuple<FontKey, char32_t>;

struct GlyphStore {
  std::map<GlyphKey, GlyphMask> glyphs;
};

GlyphStore& Glyphs() {
  static GlyphStore store;
  return store;
}

int AdvanceOf(TTF_Font* face, char32_t cp) {
  int advance = 0;
  if (TTF_GlyphMetrics32(face, static_cast<Uint32>(cp), nullptr, nullptr, nullptr, nullptr, &advance) != 0) return 0;
  return advance;
}

// Each glyph is drawn on its own and placed at the pen, which moves by the same advance
// the measure sums: a whole run rendered at once would not widen emboldened glyphs, and
// bold text would print narrower than it measures.
const GlyphMask* GlyphFor(const FontSpec& font, TTF_Font* face, char32_t cp) {
  GlyphStore& store = Glyphs();
  GlyphKey key{KeyOf(font), cp};
  auto it = store.glyphs.find(key);
  if (it != store.glyphs.end()) return &it->second;
  GlyphMask glyph;
  glyph.advance = AdvanceOf(face, cp);
  int minX = 0;
  if (TTF_GlyphMetrics32(face, static_cast<Uint32>(cp), &minX, nullptr, nullptr, nullptr, nullptr) != 0) minX = 0;
  // A lone glyph whose ink starts left of its origin is rendered shifted right by that much.
  glyph.offsetX = minX < 0 ? minX : 0;
  SDL_Color white{255, 255, 255, 255};
  if (SDL_Surface* rendered = TTF_RenderGlyph32_Blended(face, static_cast<Uint32>(cp), white)) {
    if (SDL_Surface* argb = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0)) {
      Mask& mask = glyph.mask;
      mask.width = argb->w;
      mask.height = argb->h;
      mask.coverage.resize(static_cast<size_t>(mask.width) * mask.height);
      SDL_LockSurface(argb);
      for (int y = 0; y < mask.height; ++y) {
        const uint32_t* row =
            reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) + y * argb->pitch);
        for (int x = 0; x < mask.width; ++x) mask.coverage[static_cast<size_t>(y) * mask.width + x] = row[x] >> 24;
      }
      SDL_UnlockSurface(argb);
      SDL_FreeSurface(argb);
    }
    SDL_FreeSurface(rendered);
  }
  if (store.glyphs.size() >= kMaskCacheLimit) store.glyphs.clear();
  return &store.glyphs.emplace(key, std::move(glyph)).first->second;
}

}  // namespace

TextExtent MeasureTextExtent(const FontSpec& font, const std::string& utf8) {
  TTF_Font* face = FontFor(font);
  if (face == nullptr) return {};
  TextExtent extent;
  extent.height = TTF_FontHeight(face);
  size_t pos = 0;
  while (pos < utf8.size()) {
    extent.width += AdvanceOf(face, NextCodePoint(utf8, pos));
  }
  return extent;
}

void DrawTextAt(Surface& target, int x, int y, const FontSpec& font, const std::string& utf8,
                uint32_t colorBgr) {
  if (utf8.empty()) return;
  TTF_Font* face = FontFor(font);
  if (face == nullptr) return;
  const uint32_t px = PixelFromColor(colorBgr);
  int penX = x;
  size_t pos = 0;
  while (pos < utf8.size()) {
    const GlyphMask* glyph = GlyphFor(font, face, NextCodePoint(utf8, pos));
    const Mask& mask = glyph->mask;
    if (mask.width > 0) {
      BlendMask(target, penX + glyph->offsetX, y, mask.coverage.data(), mask.width, mask.height, mask.width, px);
    }
    penX += glyph->advance;
  }
}

void ReleaseFonts() {
  FontStore& store = Store();
  for (auto& [key, font] : store.fonts) {
    if (font != nullptr) TTF_CloseFont(font);
  }
  store.fonts.clear();
  Glyphs().glyphs.clear();
}

}  // namespace tq
