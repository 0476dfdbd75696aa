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

// Bold is drawn from the regular face (see BoldenMask), so the face is opened without it.
using FaceKey = std::tuple<bool, int, bool>;  // fixed pitch, size, italic

struct Mask {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> coverage;
};

struct FontStore {
  bool initialised = false;
  bool reportedMissing = false;
  std::map<FaceKey, TTF_Font*> fonts;
};

FontStore& Store() {
  static FontStore store;
  return store;
}

FaceKey KeyOf(const FontSpec& font) {
  int size = font.pointSize < 1 ? 1 : font.pointSize;
  return {font.name == kFontFixed, size, font.italic};
}

TTF_Font* FontFor(const FontSpec& font) {
  FontStore& store = Store();
  if (!store.initialised) {
    if (TTF_Init() != 0) return nullptr;
    store.initialised = true;
  }
  FaceKey key = KeyOf(font);
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
    TTF_SetFontStyle(face, font.italic ? TTF_STYLE_ITALIC : 0);
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

using GlyphKey = std::tuple<FaceKey, bool, char32_t>;  // face, bold, code point

struct GlyphStore {
  std::map<GlyphKey, GlyphMask> glyphs;
};

GlyphStore& Glyphs() {
  static GlyphStore store;
  return store;
}

// Bold widens every advance by the one pixel its second stroke adds.
int AdvanceOf(const FontSpec& font, TTF_Font* face, char32_t cp) {
  int advance = 0;
  if (TTF_GlyphMetrics32(face, static_cast<Uint32>(cp), nullptr, nullptr, nullptr, nullptr, &advance) != 0) return 0;
  return advance + (font.bold ? 1 : 0);
}

// Bold as the window system makes it for a face with no bold design: the regular glyph
// again one pixel to the right, the stronger coverage winning where the two overlap,
// so an edge never grows darker than one stroke's own. The font library's emboldening
// grows each outline by a share of the size instead, and at balloon sizes closes the
// gaps of small marks: the dots of "…" ran into dashes.
void BoldenMask(Mask& mask) {
  if (mask.width <= 0 || mask.height <= 0) return;
  const int w = mask.width + 1;
  std::vector<uint8_t> bold(static_cast<size_t>(w) * mask.height, 0);
  for (int y = 0; y < mask.height; ++y) {
    const uint8_t* in = mask.coverage.data() + static_cast<size_t>(y) * mask.width;
    uint8_t* out = bold.data() + static_cast<size_t>(y) * w;
    for (int x = 0; x < w; ++x) {
      const uint8_t here = x < mask.width ? in[x] : 0;
      const uint8_t left = x > 0 ? in[x - 1] : 0;
      out[x] = here > left ? here : left;
    }
  }
  mask.width = w;
  mask.coverage = std::move(bold);
}

// Each glyph is drawn on its own and placed at the pen, which moves by the same advance
// the measure sums, so bold text prints exactly as wide as it measures.
const GlyphMask* GlyphFor(const FontSpec& font, TTF_Font* face, char32_t cp) {
  GlyphStore& store = Glyphs();
  GlyphKey key{KeyOf(font), font.bold, cp};
  auto it = store.glyphs.find(key);
  if (it != store.glyphs.end()) return &it->second;
  GlyphMask glyph;
  glyph.advance = AdvanceOf(font, face, cp);
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
  if (font.bold) BoldenMask(glyph.mask);
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
    extent.width += AdvanceOf(font, face, NextCodePoint(utf8, pos));
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
