// Text in the original's two font names, drawn with the IPA Gothic fonts.
//
// "ＭＳ Ｐゴシック" maps to the proportional ipagp.ttf and "ＭＳ ゴシック" to ipag.ttf;
// any other name falls back to the proportional face. Sizes are points at 96 dpi.
// Text is measured as the sum of the glyph advances by the font's height, and drawn
// with a transparent background with the same font, so the two always agree. Bold is
// the regular glyph drawn again one pixel to the right, each advance one pixel wider.
#pragma once

#include <string>

#include "platform/pixels.h"

namespace tq {

inline constexpr const char* kFontProportional = "ＭＳ Ｐゴシック";
inline constexpr const char* kFontFixed = "ＭＳ ゴシック";

struct FontSpec {
  std::string name = kFontProportional;
  int pointSize = 9;
  bool bold = false;
  bool italic = false;
};

struct TextExtent {
  int width = 0;
  int height = 0;
};

TextExtent MeasureTextExtent(const FontSpec& font, const std::string& utf8);
// Draws the text with its top-left corner at (x, y) in colour 0x00BBGGRR.
void DrawTextAt(Surface& target, int x, int y, const FontSpec& font, const std::string& utf8,
                uint32_t colorBgr);

// Drops cached fonts and rendered text (tests; the end of the program).
void ReleaseFonts();

}  // namespace tq
