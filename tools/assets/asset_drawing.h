// Draws the stand-in pictures and synthesizes the stand-in sounds of the asset table.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "assets/asset_table.h"
#include "platform/pixels.h"

namespace assets {

tq::Surface DrawPicture(const AssetFile& file);
std::vector<float> SynthesizeSound(const AssetFile& file);
bool IsPicture(Look look);

// Where a face picture (Look::Face) shows the character's name strip and the eyes
// and mouth, in the picture's own pixels: a screen must leave both uncovered.
struct FaceParts {
  tq::PixelRect label;     // empty for a row without a caption
  tq::PixelRect features;
};
FaceParts FacePartsOf(const AssetFile& file);

// What every picture file draws with.
// A stable hash of a name, so each character and picture keeps its colours.
uint32_t Hash(const std::string& s);
// A colour as the surfaces hold it (0x00RRGGBB), each channel clamped to 0..255.
uint32_t Rgb(int r, int g, int b);
// A colour from the hash's bits, kept in a readable middle range above base.
uint32_t HashColour(uint32_t h, int base);
// The captions of a row separated by '|' (or another separator); the code points
// of a text.
std::vector<std::string> SplitCaptions(const std::string& text, char separator = '|');
std::vector<std::string> CodePoints(const std::string& text);
void FillEllipse(tq::Surface& s, int cx, int cy, int rx, int ry, uint32_t px);

}  // namespace assets
