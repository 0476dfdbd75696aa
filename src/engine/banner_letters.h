// The big captions of the Skelvane events: each caption or letter in a layer of its
// own, with a colour-band background, ten glow passes, an outlined face and a black
// border, left visible just beyond the window's left edge for the event to slide in.
// The geometry is a base design enlarged by 1.25, rounded half to even.
#pragma once

#include <string>

struct BannerStateRecord {
  std::string BannerChars[10];
  int GlyphOffsetX = 0;
  int GlyphOffsetY = 0;
};
extern BannerStateRecord BannerState;

void BannerLetters(int kind, int layer);
// One drawing stage on CurrentLayer: 10 prepare, 11 background (b: colour set),
// 13 glow passes (a: letter case, b: colour set), 14 face (a: layout, b: colour set).
void BannerGlyph(int mode, int a, int b);

void ResetBannerState();
